#include "platform/services/CommandLine.h"

#include "platform/services/Translations.h"

#include <QString>

#include <algorithm>
#include <array>
#include <string_view>

namespace swatchly::platform {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take, without their leading
// dash; like Qt, they are accepted with one dash or two.
constexpr std::array<std::string_view, 16> ToolkitOptionsWithValue { "platform",
                                                                     "platformpluginpath",
                                                                     "platformtheme",
                                                                     "plugin",
                                                                     "qwindowgeometry",
                                                                     "geometry",
                                                                     "qwindowtitle",
                                                                     "title",
                                                                     "qwindowicon",
                                                                     "icon",
                                                                     "session",
                                                                     "style",
                                                                     "stylesheet",
                                                                     "display",
                                                                     "name",
                                                                     "visual" };
// The ones Qt also takes joined to their value by "=".
constexpr std::array<std::string_view, 3> ToolkitOptionsWithJoinedValue { "style", "stylesheet",
                                                                          "qmljsdebugger" };
constexpr std::array<std::string_view, 7> ToolkitFlags { "reverse", "widgetcount", "nograb",
                                                         "dograb",  "sync",        "testability",
                                                         "qdevel" };

bool contains(const auto &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The texts of the command line, in the user's language before the application exists.
std::string text(const char *source)
{
    return translated("swatchly::platform::CommandLine", source).toStdString();
}

std::string helpText()
{
    //: swatchly --help, for a terminal: lines of 80 characters at most. Keep the option names.
    return text(QT_TRANSLATE_NOOP(
        "swatchly::platform::CommandLine",
        "Usage: swatchly [OPTION]...\n"
        "Pick a colour from a chart, mix it with sliders, type it in decimal or hex or look it\n"
        "up by name; its HTML value (\"#FF8000\") lands on the clipboard.\n"
        "\n"
        "  -h, --help       show this help and exit\n"
        "      --version    show the version and exit\n"
        "\n"
        "Qt's own options work too, for example -style NAME, -platform NAME,\n"
        "-qwindowgeometry GEOMETRY and -reverse.\n"
        "\n"
        "The colours and names live in plain text files; see swatchly(1) for where.\n"));
}

CommandLine failure(const std::string &message)
{
    return { CommandLine::Action::Fail,
             "swatchly: " + message + "\n" +
                 text(QT_TRANSLATE_NOOP("swatchly::platform::CommandLine",
                                        "Try 'swatchly --help' for more information.")) +
                 "\n" };
}

// A failure naming the argument at fault: the text's %1 is the argument.
CommandLine failure(const char *source, const std::string &arg)
{
    return failure(
        QString::fromStdString(text(source)).arg(QString::fromStdString(arg)).toStdString());
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &args, const std::string &version)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "-h" || arg == "--help")
            return { CommandLine::Action::ShowHelp, helpText() };
        if (arg == "--version")
            return { CommandLine::Action::ShowVersion, "swatchly " + version + "\n" };
        if (arg.size() < 2 || arg[0] != '-')
            return failure(
                QT_TRANSLATE_NOOP("swatchly::platform::CommandLine", "unexpected argument '%1'"),
                arg);

        std::string_view name(arg);
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const auto equals = name.find('=');
        if (equals != std::string_view::npos) {
            if (!contains(ToolkitOptionsWithJoinedValue, name.substr(0, equals)))
                return failure(
                    QT_TRANSLATE_NOOP("swatchly::platform::CommandLine", "unknown option '%1'"),
                    arg);
            continue;
        }
        if (contains(ToolkitFlags, name))
            continue;
        if (!contains(ToolkitOptionsWithValue, name))
            return failure(
                QT_TRANSLATE_NOOP("swatchly::platform::CommandLine", "unknown option '%1'"), arg);
        if (++i == args.size())
            return failure(
                QT_TRANSLATE_NOOP("swatchly::platform::CommandLine", "option '%1' needs a value"),
                arg);
    }
    return {};
}

} // namespace swatchly::platform
