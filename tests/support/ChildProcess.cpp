#include "support/ChildProcess.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <grp.h>
#include <map>
#include <pwd.h>
#include <string>
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

std::map<std::string, ChildMain> &children()
{
    static std::map<std::string, ChildMain> registered;
    return registered;
}

// Whether every user may run the file at path: every folder on the way may be passed through.
bool runnableByAll(const QString &path)
{
    QFileInfo entry(path);
    if (!(entry.permissions() & QFile::ExeOther))
        return false;
    for (QDir folder = entry.absoluteDir(); !folder.isRoot(); folder.cdUp()) {
        if (!(QFileInfo(folder.absolutePath()).permissions() & QFile::ExeOther))
            return false;
    }
    return true;
}

// The test executable where the user nobody can run it: a copy when its own folder is closed
// to others (a checkout in root's home).
QString executableForAll()
{
    const QString own = QCoreApplication::applicationFilePath();
    if (runnableByAll(own))
        return own;
    static QTemporaryDir copies;
    const QString copy = copies.filePath(QStringLiteral("swatchly_tests"));
    if (!QFile::exists(copy)) {
        QFile::copy(own, copy);
        QFile::setPermissions(copies.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                  QFile::ReadOther | QFile::ExeOther);
    }
    return copy;
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

int registerChild(const char *name, ChildMain child)
{
    children().emplace(name, std::move(child));
    return 0;
}

std::optional<int> runChild(int argc, char **argv)
{
    if (argc < 3 || std::strcmp(argv[1], "--child") != 0)
        return std::nullopt;
    const auto found = children().find(argv[2]);
    if (found == children().end())
        return 2;
    QStringList args;
    for (int i = 3; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return found->second(args);
}

void startChild(QProcess &process, const QString &name, const QStringList &args, bool unprivileged,
                const QProcessEnvironment &environment)
{
    QProcessEnvironment childEnvironment =
        environment.isEmpty() ? QProcessEnvironment::systemEnvironment() : environment;
    const bool asNobody = unprivileged && ::geteuid() == 0;
    QStringList command { asNobody ? executableForAll() : QCoreApplication::applicationFilePath(),
                          QStringLiteral("--child"), name };
    command += args;
    if (asNobody) {
        command = QStringList { QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                QStringLiteral("--clear-groups"), QStringLiteral("--") } +
            command;
        command.prepend(QStringLiteral("setpriv"));
        // Root's runtime folder is not the child's.
        childEnvironment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    }
    process.setProcessEnvironment(childEnvironment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(command.takeFirst(), command);
}

std::optional<QByteArray> waitForLine(QProcess &process, const QByteArray &prefix, int timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout) {
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line.startsWith(prefix))
                return line.mid(prefix.size());
        }
        if (process.state() == QProcess::NotRunning)
            return std::nullopt;
        process.waitForReadyRead(100);
    }
    return std::nullopt;
}

} // namespace swatchly::test
