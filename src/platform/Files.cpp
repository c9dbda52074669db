#include "platform/Files.h"

#include "schemes/core/Fields.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace swatchly::platform {

namespace {

class StreamInputFile final : public InputFile
{
public:
    explicit StreamInputFile(std::ifstream stream)
        : m_stream(std::move(stream))
        , m_reader(m_stream)
    { }

    bool atEnd() override { return m_reader.atEnd(); }

    std::optional<std::string> readField() override { return m_reader.readField(); }

    FileError error() const override { return m_reader.error(); }

private:
    std::ifstream m_stream;
    FieldReader m_reader;
};

class ReplacingOutputFile final : public OutputFile
{
public:
    ReplacingOutputFile(std::string path, std::string temporaryPath, std::ofstream stream)
        : m_path(std::move(path))
        , m_temporaryPath(std::move(temporaryPath))
        , m_stream(std::move(stream))
    { }

    ~ReplacingOutputFile() override
    {
        if (!m_committed) {
            m_stream.close();
            std::error_code ignored;
            std::filesystem::remove(m_temporaryPath, ignored);
        }
    }

    bool writeField(std::string_view text) override
    {
        if (m_failed)
            return false;
        swatchly::writeField(m_stream, text);
        if (!m_stream) {
            fail(errno != 0 ? fileErrorFromErrno(errno) : fileErrors::PathFileAccessError);
            return false;
        }
        return true;
    }

    bool commit() override
    {
        if (m_failed)
            return false;
        m_stream.flush();
        m_stream.close();
        if (m_stream.fail()) {
            fail(errno != 0 ? fileErrorFromErrno(errno) : fileErrors::PathFileAccessError);
            return false;
        }
        // The new bytes reach the disk before the new name does: otherwise a crash soon after
        // the rename may leave the user's file empty under its old name.
        if (!syncToDisk(m_temporaryPath)) {
            fail(fileErrorFromErrno(errno));
            return false;
        }
        if (std::rename(m_temporaryPath.c_str(), m_path.c_str()) != 0) {
            fail(fileErrorFromErrno(errno));
            return false;
        }
        m_committed = true;
        return true;
    }

    FileError error() const override { return m_error; }

private:
    static bool syncToDisk(const std::string &path)
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool synced = ::fsync(fd) == 0;
        const int savedErrno = errno;
        ::close(fd);
        errno = savedErrno;
        return synced;
    }

    void fail(const FileError &error)
    {
        m_failed = true;
        m_error = error;
    }

    std::string m_path;
    std::string m_temporaryPath;
    std::ofstream m_stream;
    FileError m_error;
    bool m_failed = false;
    bool m_committed = false;
};

class RealFileSystem final : public FileSystem
{
public:
    std::unique_ptr<InputFile> openForInput(const std::string &path, FileError &error) override
    {
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            error = fileErrors::PathFileAccessError;
            return nullptr;
        }
        errno = 0;
        std::ifstream stream(path, std::ios::binary);
        if (!stream) {
            error = fileErrorFromErrno(errno != 0 ? errno : ENOENT);
            return nullptr;
        }
        return std::make_unique<StreamInputFile>(std::move(stream));
    }

    std::unique_ptr<OutputFile> openForOutput(const std::string &path, FileError &error) override
    {
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            error = fileErrors::PathFileAccessError;
            return nullptr;
        }
        const std::string temporaryPath = temporaryPathBeside(path);
        errno = 0;
        std::ofstream stream(temporaryPath, std::ios::binary | std::ios::trunc);
        if (!stream) {
            error = fileErrorFromErrno(errno != 0 ? errno : EACCES);
            return nullptr;
        }
        // Keep the permissions of the file being replaced.
        struct stat old
        {
        };
        if (::stat(path.c_str(), &old) == 0)
            ::chmod(temporaryPath.c_str(), old.st_mode & 07777);
        return std::make_unique<ReplacingOutputFile>(path, temporaryPath, std::move(stream));
    }

    bool remove(const std::string &path, FileError &error) override
    {
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            error = fileErrors::PathFileAccessError;
            return false;
        }
        if (std::remove(path.c_str()) != 0) {
            error = fileErrorFromErrno(errno);
            return false;
        }
        return true;
    }

private:
    static std::string temporaryPathBeside(const std::string &path)
    {
        static std::mt19937 generator { std::random_device {}() };
        std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%06x.tmp", digits(generator));
        return path + suffix;
    }
};

RealFileSystem realFileSystem;
FileSystem *currentFileSystem = &realFileSystem;

} // namespace

FileSystem &files()
{
    return *currentFileSystem;
}

void setFileSystem(FileSystem *fileSystem)
{
    currentFileSystem = fileSystem ? fileSystem : &realFileSystem;
}

FileError fileErrorFromErrno(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return fileErrors::FileNotFound;
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
