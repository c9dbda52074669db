// The help service that the help launcher calls, in the HTML Help calling convention: a target
// (the file, "file::/topic.htm" for a topic of it, and the name of a help window, or none), a
// command (display the default topic, or show the topic mapped to a context number) and the
// command's data.
//
// The program's own help viewer provides the production service (help/ViewerHelpService);
// tests hand the windows a double and read back the calls.
#pragma once

#include <QString>

#include <utility>

namespace swatchly::platform {

inline constexpr int HH_DISPLAY_TOPIC = 0;
inline constexpr int HH_HELP_CONTEXT = 15;

struct HelpTarget
{
    HelpTarget(QString file, QString window = {})
        : file(std::move(file))
        , window(std::move(window))
    { }

    QString file;
    // The help window the file defines to show it in; empty for the file's default.
    QString window;
};

class HelpService
{
public:
    virtual ~HelpService() = default;
    virtual void htmlHelp(const HelpTarget &target, int command, int data) = 0;
};

} // namespace swatchly::platform
