#include "platform/services/FolderLock.h"

#include "platform/services/Files.h"
#include "platform/services/SystemCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swatchly::platform {

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
            if (::stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
                named.st_ino == held.st_ino)
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

} // namespace swatchly::platform
