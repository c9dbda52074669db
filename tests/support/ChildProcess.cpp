#include "support/ChildProcess.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QWidget>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace swatchly::test {

namespace {

struct Ids
{
    uid_t user = 0;
    gid_t group = 0;
};

// "nobody" and "nogroup" on Debian; the group falls back to nobody's own.
bool unprivilegedIds(Ids &ids)
{
    const passwd *user = ::getpwnam("nobody");
    if (!user)
        return false;
    ids.user = user->pw_uid;
    const group *group = ::getgrnam("nogroup");
    ids.group = group ? group->gr_gid : user->pw_gid;
    return true;
}

bool dropPrivileges()
{
    if (::geteuid() != 0)
        return true;
    Ids ids;
    return unprivilegedIds(ids) && ::setgroups(0, nullptr) == 0 && ::setgid(ids.group) == 0 &&
        ::setuid(ids.user) == 0 && ::geteuid() != 0;
}

} // namespace

QString inChildProcess(const std::function<void()> &part, RunAs as)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = ::fork();
    if (child < 0)
        return QStringLiteral("fork failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    if (child == 0) {
        // _exit, not exit: the parent's temporary folders and windows are not the child's to
        // clean up.
        if (as == RunAs::Unprivileged && !dropPrivileges())
            ::_exit(3);
        // Only this thread is copied into the child, not the painter's helper threads, which
        // it would wait for forever: nothing is painted here.
        for (QWidget *window : QApplication::topLevelWidgets())
            window->setUpdatesEnabled(false);
        part();
        std::fflush(stdout);
        std::fflush(stderr);
        ::_exit(QTest::currentTestFailed() ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return QStringLiteral("lost the child process");
    }
    if (WIFSIGNALED(status))
        return QStringLiteral("the child process was ended by signal %1 (%2)")
            .arg(WTERMSIG(status))
            .arg(QString::fromLocal8Bit(::strsignal(WTERMSIG(status))));
    switch (WEXITSTATUS(status)) {
    case 0:
        return {};
    case 3:
        return QStringLiteral("the child process could not become an unprivileged user");
    default:
        return QStringLiteral("a check failed in the child process (see above)");
    }
}

bool giveToUnprivilegedUser(const QString &folder)
{
    if (::geteuid() != 0)
        return true;
    Ids ids;
    if (!unprivilegedIds(ids))
        return false;
    bool given = ::chown(QFile::encodeName(folder).constData(), ids.user, ids.group) == 0;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        given =
            ::lchown(QFile::encodeName(it.next()).constData(), ids.user, ids.group) == 0 && given;
    return given;
}

} // namespace swatchly::test
