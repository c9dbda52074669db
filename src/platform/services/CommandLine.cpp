#include "platform/services/CommandLine.h"

#include "platform/services/Translations.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include <unistd.h>

namespace swatchly::platform {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take, without their leading
// dash; like Qt, they are accepted with one dash or two. Qt has no public list of them, and only
// takes them out of argv inside QApplication's constructor, which needs a display; --help and
// the check for unknown options must work before that, so the list is kept here.
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

// One line for the terminal: the program's name, then the text with its arguments in place.
std::string failureLine(const char *source, const std::string &first = {},
                        const std::string &second = {})
{
    QString line = QString::fromStdString(text(source));
    // Both at once: a "%2" inside the first argument is left as it is.
    if (line.contains(QLatin1String("%2")))
        line = line.arg(QString::fromStdString(first), QString::fromStdString(second));
    else if (line.contains(QLatin1String("%1")))
        line = line.arg(QString::fromStdString(first));
    return "swatchly: " + line.toStdString() + "\n";
}

// A command line that cannot be read: what is wrong with the argument (the text's %1), then
// where to read more.
CommandLine failure(const char *source, const std::string &arg)
{
    return { CommandLine::Action::Fail,
             failureLine(source, arg) +
                 text(QT_TRANSLATE_NOOP("swatchly::platform::CommandLine",
                                        "Try 'swatchly --help' for more information.")) +
                 "\n" };
}

// The value of the last "-name value" or "--name value" on the command line, or empty.
std::string optionValue(const std::vector<std::string> &args, std::string_view name)
{
    std::string value;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        std::string_view arg(args[i]);
        arg.remove_prefix(arg.starts_with("--") ? 2 : arg.starts_with("-") ? 1 : 0);
        if (arg == name)
            value = args[++i];
    }
    return value;
}

// The platform list as given ("wayland;xcb"): by -platform, else by QT_QPA_PLATFORM.
std::string platformList(const std::vector<std::string> &args, const Environment &environment)
{
    const std::string list = optionValue(args, "platform");
    return list.empty() ? environment("QT_QPA_PLATFORM") : list;
}

// The platforms the toolkit will try, in order, without their options ("xcb", "wayland" ...);
// empty for its default.
std::vector<std::string> platformNames(const std::vector<std::string> &args,
                                       const Environment &environment)
{
    const std::string list = platformList(args, environment);
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        const std::string entry = list.substr(start, end - start);
        if (!entry.empty())
            names.push_back(entry.substr(0, entry.find(':')));
        start = end + 1;
    }
    return names;
}

bool needsWindowSystem(const std::string &platform)
{
    return platform.empty() || platform == "xcb" || platform.starts_with("wayland");
}

std::string x11Display(const std::vector<std::string> &args, const Environment &environment)
{
    const std::string named = optionValue(args, "display");
    return named.empty() ? environment("DISPLAY") : named;
}

} // namespace

std::string environmentVariable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

std::string missingDisplay(const std::vector<std::string> &args, const Environment &environment)
{
    const std::vector<std::string> platforms = platformNames(args, environment);
    if (!std::all_of(platforms.begin(), platforms.end(), needsWindowSystem))
        return {};
    if (!x11Display(args, environment).empty() || !environment("WAYLAND_DISPLAY").empty())
        return {};
    // Without WAYLAND_DISPLAY a Wayland client looks for the compositor's default socket.
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    if (!runtime.empty() && ::access((runtime + "/wayland-0").c_str(), F_OK) == 0)
        return {};
    //: Printed to a terminal when no display can be had; keep DISPLAY, WAYLAND_DISPLAY and
    //: "-platform offscreen" as they are.
    return "swatchly: " +
        text(QT_TRANSLATE_NOOP("swatchly::platform::CommandLine",
                               "no display to show the window on: neither DISPLAY nor "
                               "WAYLAND_DISPLAY is set (-platform offscreen runs without one)")) +
        "\n";
}

std::string unreachableDisplay(const std::vector<std::string> &args, const Environment &environment)
{
    const std::vector<std::string> platforms = platformNames(args, environment);
    if (!std::all_of(platforms.begin(), platforms.end(), needsWindowSystem)) {
        //: %1 is the name of a Qt platform plugin, as given by -platform or QT_QPA_PLATFORM.
        return failureLine(QT_TRANSLATE_NOOP("swatchly::platform::CommandLine",
                                             "cannot start the display platform '%1'"),
                           platformList(args, environment));
    }
    const std::string x11 = x11Display(args, environment);
    const std::string wayland = environment("WAYLAND_DISPLAY");
    //: %1 and %2 name an X display (":0") and a Wayland display ("wayland-0").
    if (!x11.empty() && !wayland.empty())
        return failureLine(
            QT_TRANSLATE_NOOP("swatchly::platform::CommandLine",
                              "cannot connect to the X display '%1' or the Wayland display '%2'"),
            x11, wayland);
    if (!x11.empty())
        return failureLine(QT_TRANSLATE_NOOP("swatchly::platform::CommandLine",
                                             "cannot connect to the X display '%1'"),
                           x11);
    if (!wayland.empty())
        return failureLine(QT_TRANSLATE_NOOP("swatchly::platform::CommandLine",
                                             "cannot connect to the Wayland display '%1'"),
                           wayland);
    return failureLine(
        QT_TRANSLATE_NOOP("swatchly::platform::CommandLine", "cannot connect to a display"));
}

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
        const bool joined = equals != std::string_view::npos;
        const bool takesValue = !joined && contains(ToolkitOptionsWithValue, name);
        if (joined ? !contains(ToolkitOptionsWithJoinedValue, name.substr(0, equals))
                   : !takesValue && !contains(ToolkitFlags, name))
            return failure(
                QT_TRANSLATE_NOOP("swatchly::platform::CommandLine", "unknown option '%1'"), arg);
        if (takesValue && ++i == args.size())
            return failure(
                QT_TRANSLATE_NOOP("swatchly::platform::CommandLine", "option '%1' needs a value"),
                arg);
    }
    return {};
}

} // namespace swatchly::platform
