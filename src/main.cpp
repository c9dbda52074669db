#include "chart/frmTintora.h"
#include "help/ViewerHelpService.h"
#include "platform/Windows.h"
#include "platform/controls/Style.h"
#include "platform/services/CommandLine.h"
#include "platform/services/ProgramFolder.h"
#include "platform/services/Services.h"
#include "platform/services/Translations.h"

#include <QApplication>
#include <QSessionManager>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Writes the help or version text; output that cannot be written (a full disk, /dev/full) is
// a failure, which a flush or close reports when the write itself did not.
int print(const std::string &text)
{
    errno = 0;
    const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(stdout) == 0;
    if (written && closed)
        return 0;
    //: Printed to a terminal when --help or --version cannot write its text; %1 says why.
    const QString why = swatchly::platform::translated(
        "main", QT_TRANSLATE_NOOP("main", "cannot write the output: %1"));
    std::fprintf(stderr, "swatchly: %s\n",
                 qPrintable(why.arg(
                     QString::fromLocal8Bit(std::strerror(writeError ? writeError : errno)))));
    return swatchly::platform::FailureExitStatus;
}

// While the toolkit starts: its platform's complaints are held back, and when it gives up
// (no display after all) one line says why instead of its abort and advice to reinstall.
struct ToolkitStart
{
    static inline std::vector<std::string> arguments;
    static inline QtMessageHandler previous = nullptr;
    static inline QStringList heldBack;

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtFatalMsg) {
            std::fputs(swatchly::platform::unreachableDisplay(arguments).c_str(), stderr);
            std::fflush(stderr);
            std::_Exit(swatchly::platform::FailureExitStatus);
        }
        if (context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0)
            heldBack.append(QString::fromUtf8(context.category) + QStringLiteral(": ") + message);
        else if (previous)
            previous(type, context, message);
    }

    // The toolkit started: what it said on the way is said after all.
    static void done()
    {
        qInstallMessageHandler(previous);
        for (const QString &message : std::as_const(heldBack))
            std::fprintf(stderr, "%s\n", qPrintable(message));
        heldBack.clear();
    }
};

} // namespace

int main(int argc, char **argv)
{
    // Read before QApplication exists: --help and --version work without a display, in the
    // user's language.
    swatchly::platform::useLanguage();
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const swatchly::platform::CommandLine commandLine =
        swatchly::platform::parseCommandLine(arguments, SWATCHLY_VERSION);
    switch (commandLine.action) {
    case swatchly::platform::CommandLine::Action::Run:
        break;
    case swatchly::platform::CommandLine::Action::ShowHelp:
    case swatchly::platform::CommandLine::Action::ShowVersion:
        return print(commandLine.text);
    case swatchly::platform::CommandLine::Action::Fail:
        std::fputs(commandLine.text.c_str(), stderr);
        return swatchly::platform::UsageExitStatus;
    }
    if (const std::string missing = swatchly::platform::missingDisplay(arguments);
        !missing.empty()) {
        std::fputs(missing.c_str(), stderr);
        return swatchly::platform::FailureExitStatus;
    }

    ToolkitStart::arguments = arguments;
    ToolkitStart::previous = qInstallMessageHandler(ToolkitStart::handle);
    QApplication app(argc, argv);
    ToolkitStart::done();
    swatchly::platform::installTranslations();
    QApplication::setApplicationName(QStringLiteral("Swatchly"));
    QApplication::setApplicationVersion(QStringLiteral(SWATCHLY_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Swatchly"));
    QApplication::setDesktopFileName(QStringLiteral("org.swatchly.swatchly"));
    QApplication::setStyle(new swatchly::platform::DeferredIconStyle);

    // The services every window reaches the system through, for the program's life.
    namespace platform = swatchly::platform;
    platform::QtMessageBoxes messageBoxes;
    platform::QtDialogs dialogs(messageBoxes);
    platform::DesktopLauncher launcher;
    platform::SystemClock clock;
    swatchly::help::ViewerHelpService help(messageBoxes, launcher);
    platform::RealFileSystem files;
    platform::RealFolderSearch folderSearch;
    platform::Services services { &messageBoxes, &dialogs,
                                  &launcher,     &clock,
                                  &help,         &files,
                                  &folderSearch, platform::chooseProgramFolder() };

    swatchly::frmTintora window(services);
    window.adjustSize();
    swatchly::platform::centreOnScreen(&window);
    window.show();
    window.endWithTheProcess();

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
