#include "platform/services/Files.h"

#include "core/Fields.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swatchly::platform {

namespace {

// Retries a call that a signal interrupted.
template<typename Call> auto retrying(Call call)
{
    decltype(call()) result;
    do
        result = call();
    while (result < 0 && errno == EINTR);
    return result;
}

// A file the user made read-only keeps its bytes: it is neither replaced nor deleted, even by
// a user (root) whom the system would let write it.
bool isReadOnly(const std::string &path, const struct stat &status)
{
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        ::access(path.c_str(), W_OK) != 0;
}

// Why the program must leave an existing entry at path alone, if it must: only regular files
// that may be written are replaced or deleted. A missing entry is no reason.
std::optional<FileError> untouchable(const std::string &path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    if (!S_ISREG(status.st_mode))
        return fileErrors::PathFileAccessError;
    if (isReadOnly(path, status))
        return fileErrors::PermissionDenied;
    return std::nullopt;
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file that a write to path replaces: path itself, or the file its symbolic link leads to,
// through every link on the way.
FileResult<std::string> writtenPath(const std::string &path)
{
    struct stat entry
    {
    };
    if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode))
        return path;
    char *const resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return fileErrorFromErrno(errno);
    std::string target(resolved);
    ::free(resolved);
    return target;
}

// Temporary files are named by this pattern, short enough to fit beside a target name of any
// length the file system allows.
constexpr std::string_view TemporaryPrefix = ".swatchly-";
constexpr std::string_view TemporarySuffix = ".tmp";
constexpr std::size_t TemporaryDigits = 6;

bool isHexDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char ch) {
        return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f');
    });
}

// A temporary file of a save, by its name: the present pattern, or the one of earlier versions
// (the target's own name, a dot, six digits and ".tmp").
bool isTemporaryName(std::string_view name)
{
    if (name.size() <= TemporaryDigits + TemporarySuffix.size() ||
        name.substr(name.size() - TemporarySuffix.size()) != TemporarySuffix)
        return false;
    const std::string_view stem = name.substr(0, name.size() - TemporarySuffix.size());
    const std::string_view digits = stem.substr(stem.size() - TemporaryDigits);
    if (!isHexDigits(digits))
        return false;
    const std::string_view before = stem.substr(0, stem.size() - TemporaryDigits);
    constexpr std::string_view OldTarget = ".col.";
    return before == TemporaryPrefix ||
        (before.size() > OldTarget.size() &&
         before.substr(before.size() - OldTarget.size()) == OldTarget);
}

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

std::string temporaryPathBeside(const std::string &path)
{
    static std::mt19937 generator { std::random_device {}() };
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    char digitText[TemporaryDigits + 1];
    std::snprintf(digitText, sizeof digitText, "%06x", digits(generator));
    return folderOf(path) + '/' + std::string(TemporaryPrefix) + digitText +
        std::string(TemporarySuffix);
}

} // namespace

ReplacingFile::ReplacingFile(std::string path, std::string temporaryPath, int fd)
    : m_path(std::move(path))
    , m_temporaryPath(std::move(temporaryPath))
    , m_fd(fd)
{ }

ReplacingFile::~ReplacingFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed)
        ::unlink(m_temporaryPath.c_str());
}

bool ReplacingFile::writeField(std::string_view text)
{
    return writeBytes(fieldText(text));
}

bool ReplacingFile::writeBytes(std::string_view bytes)
{
    if (m_failed)
        return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            retrying([&] { return ::write(m_fd, bytes.data() + written, bytes.size() - written); });
        if (count <= 0) {
            fail(count < 0 ? fileErrorFromErrno(errno) : fileErrors::PathFileAccessError);
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

void ReplacingFile::keepOldFileAs(const std::string &copyPath)
{
    m_copyPath = copyPath;
}

bool ReplacingFile::commit()
{
    if (m_failed)
        return false;
    // The new bytes reach the disk before the new name does: otherwise a crash soon after
    // the rename may leave the user's file empty under its old name.
    if (retrying([&] { return ::fsync(m_fd); }) != 0) {
        fail(fileErrorFromErrno(errno));
        return false;
    }
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0) {
        fail(fileErrorFromErrno(errno));
        return false;
    }
    if (!m_copyPath.empty()) {
        if (const auto failure = copyFile(m_path, m_copyPath)) {
            fail(*failure);
            return false;
        }
    }
    if (std::rename(m_temporaryPath.c_str(), m_path.c_str()) != 0) {
        fail(fileErrorFromErrno(errno));
        return false;
    }
    m_committed = true;
    return true;
}

FileError ReplacingFile::error() const
{
    return m_error;
}

void ReplacingFile::fail(const FileError &error)
{
    m_failed = true;
    m_error = error;
}

std::optional<FileError> ReplacingFile::copyFile(const std::string &from, const std::string &to)
{
    const auto opened = openRegularFile(from, Links::Follow);
    if (!opened)
        return opened.error();
    const int fd = *opened;
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    };
    const Closer closer { fd };
    auto opening = openReplacing(to, Links::Follow);
    if (!opening)
        return opening.error();
    const auto copy = std::move(*opening);
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = retrying([&] { return ::read(fd, buffer, sizeof buffer); });
        if (count < 0)
            return fileErrorFromErrno(errno);
        if (count == 0)
            break;
        if (!copy->writeBytes(std::string_view(buffer, static_cast<std::size_t>(count))))
            return copy->error();
    }
    if (!copy->commit())
        return copy->error();
    return std::nullopt;
}

FileResult<std::unique_ptr<ReplacingFile>> openReplacing(const std::string &name, Links links)
{
    const bool ownRecord = links == Links::Refuse;
    std::string path = name;
    if (!ownRecord) {
        const auto written = writtenPath(name);
        if (!written)
            return written.error();
        path = *written;
        if (const auto reason = untouchable(path))
            return *reason;
    }
    // A new file of the user's gets the permissions the user's umask allows; a replaced file
    // keeps its own. The program's own records are the user's to write and everyone's to read,
    // whatever the copy they replace (installed files are read-only for the user).
    mode_t mode = 0666;
    struct stat old
    {
    };
    const bool keepMode = !ownRecord && ::stat(path.c_str(), &old) == 0;
    if (keepMode)
        mode = old.st_mode & 07777;
    else if (ownRecord)
        mode = S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;
    // The temporary file is always a new one (never a file or link that happens to carry
    // the name); another name is tried when one is taken.
    std::string temporaryPath;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temporaryPath = temporaryPathBeside(path);
        fd = retrying([&] {
            return ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        });
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fileErrorFromErrno(errno);
    auto file = std::make_unique<ReplacingFile>(path, temporaryPath, fd);
    // The umask would narrow the record's permissions.
    if (keepMode)
        ::fchmod(fd, mode);
    else if (ownRecord && ::fchmod(fd, mode) != 0)
        return fileErrorFromErrno(errno);
    return file;
}

namespace {

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
        if (const auto reason = link ? std::nullopt : untouchable(path))
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

namespace {

// An advisory lock (flock) on a file in the folder: the system lets it go when its holder ends
// in any way, so the lock of a copy that was killed is free for the next one. The holder
// removes the file while it still holds the lock; a copy that was waiting on the removed file
// finds, once it has the lock, that the name no longer leads to that file, and starts again.
class LockFile final : public FolderLock
{
public:
    LockFile(std::string path, int fd)
        : m_path(std::move(path))
        , m_fd(fd)
    { }

    ~LockFile() override
    {
        ::unlink(m_path.c_str());
        ::close(m_fd);
    }

    LockFile(const LockFile &) = delete;
    LockFile &operator=(const LockFile &) = delete;

private:
    std::string m_path;
    int m_fd;
};

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

FileResult<std::unique_ptr<FolderLock>> lockFolder(const std::string &folder,
                                                   std::chrono::milliseconds wait)
{
    const std::string path = folder + "/.swatchly.lock";
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Read-only is enough for flock, and lets a copy of another user who shares the folder
        // take the same lock.
        const int fd = retrying([&] {
            return ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          0666);
        });
        if (fd < 0)
            return fileErrorFromErrno(errno);
        struct stat held
        {
        };
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            return fileErrors::PathFileAccessError;
        }
        if (retrying([&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) == 0) {
            struct stat named
            {
            };
            if (::stat(path.c_str(), &named) == 0 && sameFile(held, named))
                return std::make_unique<LockFile>(path, fd);
            ::close(fd);
            continue;
        }
        const int reason = errno;
        ::close(fd);
        if (reason != EWOULDBLOCK)
            return fileErrorFromErrno(reason);
        // Short pauses: several copies that end together each save within milliseconds.
        if (std::chrono::steady_clock::now() >= deadline)
            return FolderLocked;
        ::usleep(10 * 1000);
    }
}

void removeSaveLeftovers(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent *item = ::readdir(dir)) {
        if (!isTemporaryName(item->d_name))
            continue;
        struct stat status
        {
        };
        // A save takes moments; a younger file may belong to a save that another copy of the
        // program is making right now.
        if (::fstatat(::dirfd(dir), item->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && now - status.st_mtime >= LeftoverAge)
            ::unlinkat(::dirfd(dir), item->d_name, 0);
    }
    ::closedir(dir);
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
