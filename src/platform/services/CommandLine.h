// The program's command line, read before the toolkit starts so that --help, --version and a
// mistyped option need no display. The toolkit's own options (-style, -platform ...) pass
// through untouched for QApplication to take.
#pragma once

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

} // namespace swatchly::platform
