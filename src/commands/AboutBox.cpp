#include "commands/AboutBox.h"

#include "platform/services/Dialogs.h"
#include "platform/services/MessageBoxes.h"

#include <QApplication>
#include <QWidget>

namespace modChromel {

void ShowAboutBox(QWidget *owner)
{
    const QString text = QStringLiteral("Swatchly") + QChar(10) +
        //: The About box, under the program's name.
        QCoreApplication::translate("modChromel",
                                    "A small, fast colour picker for the web. Version 1.0");
    const QIcon icon = owner ? owner->windowIcon() : QApplication::windowIcon();
    swatchly::platform::dialogs().showAbout(owner, swatchly::platform::ApplicationTitle, text,
                                            icon);
}

} // namespace modChromel
