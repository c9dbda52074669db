// The program's command line, read before the toolkit starts so that --help, --version and a
// mistyped option need no display. The toolkit's own options (-style, -platform ...) pass
// through untouched for QApplication to take.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace swatchly::platform {

struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    // What to print: the help or version text on standard output, or, for Fail, a short
    // message for standard error.
    std::string text;
};

// args holds the arguments after the program's name.
CommandLine parseCommandLine(const std::vector<std::string> &args, const std::string &version);

// The exit status of a command line that could not be read.
inline constexpr int UsageExitStatus = 2;
// The exit status when no window can be shown, or the help or version could not be written.
inline constexpr int FailureExitStatus = 1;

// The environment as the program sees it: the value of a variable, empty when it is unset.
using Environment = std::function<std::string(const char *)>;
std::string environmentVariable(const char *name);

// The line for standard error when the toolkit certainly finds no display, read from the
// command line and the environment before it starts: the toolkit's platform (-platform, else
// QT_QPA_PLATFORM, else its default) is X11 or Wayland only, and none of DISPLAY, -display,
// WAYLAND_DISPLAY or a Wayland socket in XDG_RUNTIME_DIR names a display. Empty otherwise:
// other platforms (offscreen, vnc, eglfs ...) need no display.
std::string missingDisplay(const std::vector<std::string> &args,
                           const Environment &environment = environmentVariable);

// The line for standard error when the toolkit could not start its platform after all (a
// display named but not reachable, a platform that does not exist).
std::string unreachableDisplay(const std::vector<std::string> &args,
                               const Environment &environment = environmentVariable);

} // namespace swatchly::platform
