#include "commands/AboutBox.h"

#include "chart/frmTintora.h"
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBoxes.h"

#include <QApplication>

namespace modChromel {

namespace {

// The colour chart window the About box belongs to: the active one when there are several,
// else the first one shown, else any.
QWidget *chartWindow()
{
    QWidget *found = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!qobject_cast<swatchly::frmTintora *>(widget))
            continue;
        if (widget->isActiveWindow())
            return widget;
        if (!found || (widget->isVisible() && !found->isVisible()))
            found = widget;
    }
    return found;
}

} // namespace

void ShowAboutBox()
{
    ShowAboutBox(chartWindow());
}

void ShowAboutBox(QWidget *owner)
{
    const QString text = QStringLiteral("Swatchly") + QChar(10) +
        QStringLiteral("A small, fast colour picker for the web. Version 1.0");
    const QIcon icon = owner ? owner->windowIcon() : QApplication::windowIcon();
    swatchly::platform::dialogs().showAbout(owner, swatchly::platform::ApplicationTitle, text,
                                            icon);
}

} // namespace modChromel
