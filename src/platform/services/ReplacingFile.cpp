#include "platform/services/ReplacingFile.h"

#include "platform/services/SystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace swatchly::platform {

namespace {

// A file the user made read-only keeps its bytes: it is neither replaced nor deleted, even by
// a user (root) whom the system would let write it.
bool isReadOnly(const std::string &path, const struct stat &status)
{
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        ::access(path.c_str(), W_OK) != 0;
}

// The file that a write to path replaces: path itself, or the file its symbolic link leads to,
// through every link on the way.
FileResult<std::string> writtenPath(const std::string &path)
{
    std::error_code failure;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, failure)))
        return path;
    std::string target = std::filesystem::canonical(path, failure);
    if (failure)
        return fileErrorFromErrno(failure.value());
    return target;
}

// Temporary files are named by this pattern, short enough to fit beside a target name of any
// length the file system allows.
constexpr std::string_view TemporaryPrefix = ".swatchly-";
constexpr std::string_view TemporarySuffix = ".tmp";
constexpr std::size_t TemporaryDigits = 6;

// A temporary file of a save, by its name: the present pattern, or the one of earlier versions
// (the target's own name, a dot, six digits and ".tmp").
bool isTemporaryName(std::string_view name)
{
    if (name.size() <= TemporaryDigits + TemporarySuffix.size() ||
        name.substr(name.size() - TemporarySuffix.size()) != TemporarySuffix)
        return false;
    const std::string_view stem = name.substr(0, name.size() - TemporarySuffix.size());
    const std::string_view digits = stem.substr(stem.size() - TemporaryDigits);
    if (!std::all_of(digits.begin(), digits.end(),
                     [](char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f'); }))
        return false;
    const std::string_view before = stem.substr(0, stem.size() - TemporaryDigits);
    constexpr std::string_view OldTarget = ".col.";
    return before == TemporaryPrefix ||
        (before.size() > OldTarget.size() &&
         before.substr(before.size() - OldTarget.size()) == OldTarget);
}

std::string temporaryPathBeside(const std::string &path)
{
    static std::mt19937 generator { std::random_device {}() };
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    char digitText[TemporaryDigits + 1];
    std::snprintf(digitText, sizeof digitText, "%06x", digits(generator));
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return (folder.empty() ? std::filesystem::path(".") : folder) /
        (std::string(TemporaryPrefix) + digitText + std::string(TemporarySuffix));
}

// Copies the regular file at from to to, replacing to as any write does.
std::optional<FileError> copyFile(const std::string &from, const std::string &to)
{
    const auto bytes = readRegularFile(from, Links::Follow);
    if (!bytes)
        return bytes.error();
    auto copy = openReplacing(to, Links::Follow);
    if (!copy)
        return copy.error();
    if (!(*copy)->writeBytes(*bytes) || !(*copy)->commit())
        return (*copy)->error();
    return std::nullopt;
}

} // namespace

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

void ReplacingFile::fail(const FileError &error)
{
    m_failed = true;
    m_error = error;
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

} // namespace swatchly::platform
