#include "support/ChildProcess.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>
#include <map>
#include <string>

#include <unistd.h>

namespace swatchly::test {

namespace {

std::map<std::string, ChildMain> &children()
{
    static std::map<std::string, ChildMain> registered;
    return registered;
}

// The user nobody and the group nogroup of Debian.
constexpr uid_t NobodyId = 65534;

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

void handToChildren(const QString &folder)
{
    if (::geteuid() != 0)
        return;
    [[maybe_unused]] const int folderOwned =
        ::chown(QFile::encodeName(folder).constData(), NobodyId, NobodyId);
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        [[maybe_unused]] const int owned =
            ::lchown(QFile::encodeName(entries.next()).constData(), NobodyId, NobodyId);
    }
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
