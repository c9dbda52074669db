#include "chart/frmTintora.h"
#include "platform/Style.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Swatchly"));
    QApplication::setOrganizationName(QStringLiteral("Swatchly"));
    QApplication::setDesktopFileName(QStringLiteral("org.swatchly.Swatchly"));
    QApplication::setStyle(new swatchly::platform::DeferredIconStyle);

    swatchly::frmTintora window;
    window.adjustSize();
    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    return QApplication::exec();
}
