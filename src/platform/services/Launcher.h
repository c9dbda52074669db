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

// Programs started by the system, links opened by the desktop's handlers.
class DesktopLauncher final : public Launcher
{
public:
    qint64 startProgram(const QString &path) override;
    bool openUrl(const QUrl &url) override;
};

} // namespace swatchly::platform
