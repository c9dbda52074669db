#include "commands/AboutBox.h"

#include "platform/services/Dialogs.h"
#include "platform/services/MessageBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

namespace modChromel {

void ShowAboutBox(swatchly::platform::Dialogs &dialogs, QWidget *owner)
{
    // The version is the one set at the top of CMakeLists.txt.
    const QString text = QStringLiteral("Swatchly") + QChar(10) +
        //: The About box, under the program's name; %1 is the version number.
        QCoreApplication::translate("modChromel",
                                    "A small, fast colour picker for the web. Version %1")
            .arg(QStringLiteral(SWATCHLY_VERSION));
    const QIcon icon = owner ? owner->windowIcon() : QApplication::windowIcon();
    dialogs.showAbout(owner, swatchly::platform::ApplicationTitle, text, icon);
}

} // namespace modChromel
