#include "chart/frmTintora.h"
#include "help/ViewerHelpService.h"
#include "platform/Windows.h"
#include "platform/controls/Style.h"
#include "platform/services/CommandLine.h"
#include "platform/services/Termination.h"
#include "platform/services/Translations.h"

#include <QApplication>
#include <QSessionManager>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    // Read before QApplication exists: --help and --version work without a display, in the
    // user's language.
    swatchly::platform::useLanguage();
    const swatchly::platform::CommandLine commandLine = swatchly::platform::parseCommandLine(
        std::vector<std::string>(argv + std::min(argc, 1), argv + argc), SWATCHLY_VERSION);
    switch (commandLine.action) {
    case swatchly::platform::CommandLine::Action::Run:
        break;
    case swatchly::platform::CommandLine::Action::ShowHelp:
    case swatchly::platform::CommandLine::Action::ShowVersion:
        std::fputs(commandLine.text.c_str(), stdout);
        return 0;
    case swatchly::platform::CommandLine::Action::Fail:
        std::fputs(commandLine.text.c_str(), stderr);
        return swatchly::platform::UsageExitStatus;
    }

    QApplication app(argc, argv);
    swatchly::platform::installTranslations();
    QApplication::setApplicationName(QStringLiteral("Swatchly"));
    QApplication::setApplicationVersion(QStringLiteral(SWATCHLY_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Swatchly"));
    QApplication::setDesktopFileName(QStringLiteral("org.swatchly.swatchly"));
    QApplication::setStyle(new swatchly::platform::DeferredIconStyle);
    swatchly::help::installHelpViewer();

    swatchly::frmTintora window;
    window.adjustSize();
    swatchly::platform::centreOnScreen(&window);
    window.show();
    swatchly::platform::onTerminationRequest(&window, [&window] { window.endSession(); });

    // A stored colour outlives the end of the desktop session.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &manager) {
                         const bool mayAsk = manager.allowsInteraction();
                         if (!window.commitSessionData(mayAsk))
                             manager.cancel();
                         if (mayAsk)
                             manager.release();
                     });
    return QApplication::exec();
}
