#include "platform/services/Launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace swatchly::platform {

qint64 DesktopLauncher::startProgram(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return 0;
    qint64 pid = 0;
    if (!QProcess::startDetached(path, {}, {}, &pid))
        return 0;
    return pid;
}

bool DesktopLauncher::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace swatchly::platform
