#include "platform/services/Files.h"

#include "core/Fields.h"
#include "platform/services/ReplacingFile.h"
#include "platform/services/SystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swatchly::platform {

namespace {

// Files are read and written through their descriptors: the C++ streams would bring the whole
// locale machinery into the program for files of a few hundred bytes.
class DescriptorSource final : public ByteSource
{
public:
    explicit DescriptorSource(int fd)
        : m_fd(fd)
    { }

    ~DescriptorSource() override { ::close(m_fd); }

    DescriptorSource(const DescriptorSource &) = delete;
    DescriptorSource &operator=(const DescriptorSource &) = delete;

    std::size_t read(char *buffer, std::size_t size) override
    {
        size = std::min(size, LargestFileRead - m_read);
        if (size == 0)
            return 0;
        const ssize_t count = retrying([&] { return ::read(m_fd, buffer, size); });
        // A failing read ends the data, as the end of the file does.
        if (count <= 0)
            return 0;
        m_read += static_cast<std::size_t>(count);
        return static_cast<std::size_t>(count);
    }

private:
    int m_fd;
    std::size_t m_read = 0;
};

class SourceInputFile final : public InputFile
{
public:
    explicit SourceInputFile(std::unique_ptr<ByteSource> source)
        : m_source(std::move(source))
        , m_reader(*m_source)
    { }

    bool atEnd() override { return m_reader.atEnd(); }

    std::optional<std::string> readField() override { return m_reader.readField(); }

    FileError error() const override { return m_reader.error(); }

private:
    std::unique_ptr<ByteSource> m_source;
    FieldReader m_reader;
};

class RealFileSystem final : public FileSystem
{
public:
    FileResult<std::unique_ptr<InputFile>> openForInput(const std::string &path) override
    {
        const auto fd = openRegularFile(path, Links::Follow);
        if (!fd)
            return fd.error();
        return inputFileReading(std::make_unique<DescriptorSource>(*fd));
    }

    FileResult<std::unique_ptr<OutputFile>> openForOutput(const std::string &path) override
    {
        auto file = openReplacing(path, Links::Follow);
        if (!file)
            return file.error();
        return std::move(*file);
    }

    std::optional<FileError> remove(const std::string &path) override
    {
        // A link goes, whatever it leads to; what it leads to stays.
        struct stat entry
        {
        };
        const bool link = ::lstat(path.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode);
        if (auto reason = link ? std::nullopt : untouchable(path))
            return reason;
        if (std::remove(path.c_str()) != 0)
            return fileErrorFromErrno(errno);
        return std::nullopt;
    }
};

RealFileSystem realFileSystem;
FileSystem *currentFileSystem = &realFileSystem;

} // namespace

std::unique_ptr<InputFile> inputFileReading(std::unique_ptr<ByteSource> source)
{
    return std::make_unique<SourceInputFile>(std::move(source));
}

FileSystem &files()
{
    return *currentFileSystem;
}

void setFileSystem(FileSystem *fileSystem)
{
    currentFileSystem = fileSystem ? fileSystem : &realFileSystem;
}

FileResult<int> openRegularFile(const std::string &path, Links links)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer; whatever is not a regular file
    // (FIFO, device, socket, folder) is refused before a byte is read from it.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const int fd = retrying([&] { return ::open(path.c_str(), flags); });
    if (fd < 0)
        return errno == ELOOP ? fileErrors::PathFileAccessError : fileErrorFromErrno(errno);
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return fileErrors::PathFileAccessError;
    }
    return fd;
}

FileResult<std::string> readRegularFile(const std::string &path, Links links)
{
    const auto opened = openRegularFile(path, links);
    if (!opened)
        return opened.error();
    const int fd = *opened;
    std::string bytes;
    char buffer[64 * 1024];
    ssize_t count = 0;
    // One byte more than the longest file tells a file cut short by the bound from a whole one.
    while ((count = retrying([&] { return ::read(fd, buffer, sizeof buffer); })) > 0 &&
           bytes.size() <= LargestFileRead)
        bytes.append(buffer, static_cast<std::size_t>(count));
    const int readError = errno;
    ::close(fd);
    if (count < 0 || bytes.size() > LargestFileRead)
        return count < 0 ? fileErrorFromErrno(readError) : fileErrors::PathFileAccessError;
    return bytes;
}

FileError fileErrorFromErrno(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return fileErrors::FileNotFound;
    case ENOSPC:
    case EDQUOT:
        return fileErrors::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return fileErrors::PermissionDenied;
    default:
        return fileErrors::PathFileAccessError;
    }
}

} // namespace swatchly::platform
