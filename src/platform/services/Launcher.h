#pragma once

#include <QString>
#include <QUrl>

namespace swatchly::platform {

// Starting other programs and handing links to the desktop.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // Starts a program by path without waiting; the task id, 0 when nothing started.
    virtual qint64 startProgram(const QString &path) = 0;
    // Hands a link to the system's handler; false when nothing took it.
    virtual bool openUrl(const QUrl &url) = 0;
};
void setLauncher(Launcher *launcher);
qint64 startProgram(const QString &path);
bool openUrl(const QUrl &url);

} // namespace swatchly::platform
