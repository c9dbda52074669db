#include "platform/services/CommandKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <vector>

namespace swatchly::platform {

namespace {

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

void keepCommandKeys(QWidget *window, std::initializer_list<QAction *> commands)
{
    new CommandKeyGuard(window, commands);
}

} // namespace swatchly::platform
