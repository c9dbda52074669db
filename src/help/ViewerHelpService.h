// The production help service: the program's own help viewer.
#pragma once

#include "platform/services/Help.h"

namespace swatchly::platform {
class Launcher;
class MessageBoxes;
} // namespace swatchly::platform

namespace swatchly::help {

// Shows the help in the program's viewers, which hand the links that lead out of the file to
// launcher; a file the viewer cannot show is reported through boxes.
class ViewerHelpService final : public platform::HelpService
{
public:
    ViewerHelpService(platform::MessageBoxes &boxes, platform::Launcher &launcher)
        : m_boxes(boxes)
        , m_launcher(launcher)
    { }

    void htmlHelp(const platform::HelpTarget &target, int command, int data) override;

private:
    platform::MessageBoxes &m_boxes;
    platform::Launcher &m_launcher;
};

} // namespace swatchly::help
