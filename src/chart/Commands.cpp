// The menu and toolbar commands.
#include "chart/frmTintora.h"

#include "commands/AboutBox.h"
#include "commands/CHelp.h"
#include "commands/frmSendEmail.h"
#include "platform/Services.h"
#include "schemes/frmSavetxt.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include <vector>

namespace swatchly {

namespace {

// Text boxes claim Ctrl+A (select all) and other control keys for themselves before the
// window's shortcuts are looked at. The File menu's commands are meant to work wherever the
// focus is in the window, so their keys are kept away from the boxes.
class CommandKeyGuard : public QObject
{
public:
    CommandKeyGuard(QWidget *window, std::initializer_list<QAction *> commands)
        : QObject(window)
        , m_window(window)
        , m_commands(commands)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
            return false;
        if (static_cast<QWidget *>(watched)->window() != m_window)
            return false;
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *command : m_commands) {
            if (command->isEnabled() && command->shortcuts().contains(pressed)) {
                // Unaccepted and unseen by the box, the key goes on to the command.
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QWidget *m_window;
    std::vector<QAction *> m_commands;
};

} // namespace

void frmTintora::setUpCommandKeys()
{
    new CommandKeyGuard(this, { mnuImport, mnuExport, mnuAbout, mnuEmail, mnuHelp });
}

void frmTintora::Toolbar1_ButtonClick(const QString &Key)
{
    if (Key == QLatin1String("Import"))
        mnuImport_Click(0);
    else if (Key == QLatin1String("Export"))
        mnuExport_Click(0);
    else if (Key == QLatin1String("About"))
        mnuAbout_Click(0);
    else if (Key == QLatin1String("Help"))
        mnuHelp_Click(0);
    else if (Key == QLatin1String("Email"))
        mnuEmail_Click(0);
}

void frmTintora::mnuImport_Click(int)
{
    frmSavetxt::open(*this, 0);
}

void frmTintora::mnuExport_Click(int)
{
    frmSavetxt::open(*this, 1);
}

void frmTintora::mnuAbout_Click(int)
{
    modChromel::ShowAboutBox(this);
}

void frmTintora::mnuEmail_Click(int)
{
    frmSendEmail window(this);
    window.exec();
}

void frmTintora::mnuHelp_Click(int)
{
    CHelp help;
    help.Show(platform::programFilePath(QStringLiteral("swatchly.chm")),
              QStringLiteral("swatchwin"));
}

} // namespace swatchly
