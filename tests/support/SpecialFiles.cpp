#include "support/SpecialFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swatchly::test {

bool placeSpecialFile(const std::string &path, const QString &kind)
{
    ::unlink(path.c_str());
    ::rmdir(path.c_str());
    if (kind == QLatin1String("FIFO"))
        return ::mkfifo(path.c_str(), 0644) == 0;
    if (kind == QLatin1String("/dev/zero"))
        return ::symlink("/dev/zero", path.c_str()) == 0;
    if (kind == QLatin1String("folder"))
        return ::mkdir(path.c_str(), 0755) == 0;
    if (kind == QLatin1String("dangling link"))
        return ::symlink((path + ".gone").c_str(), path.c_str()) == 0;
    if (kind == QLatin1String("sparse")) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool made = fd >= 0 && ::ftruncate(fd, off_t { 1 } << 40) == 0;
        ::close(fd);
        return made;
    }
    return false;
}

} // namespace swatchly::test
