#include "platform/services/Launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace swatchly::platform {

namespace {

class DesktopLauncher final : public Launcher
{
public:
    qint64 startProgram(const QString &path) override
    {
        const QFileInfo info(path);
        if (!info.isFile() || !info.isExecutable())
            return 0;
        qint64 pid = 0;
        if (!QProcess::startDetached(path, {}, {}, &pid))
            return 0;
        return pid;
    }

    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

DesktopLauncher desktopLauncher;
Launcher *currentLauncher = &desktopLauncher;

} // namespace

void setLauncher(Launcher *launcher)
{
    currentLauncher = launcher ? launcher : &desktopLauncher;
}

qint64 startProgram(const QString &path)
{
    return currentLauncher->startProgram(path);
}

bool openUrl(const QUrl &url)
{
    return currentLauncher->openUrl(url);
}

} // namespace swatchly::platform
