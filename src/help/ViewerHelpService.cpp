#include "help/ViewerHelpService.h"

#include "help/HelpViewer.h"
#include "platform/services/MessageBoxes.h"

namespace swatchly::help {

void ViewerHelpService::htmlHelp(const platform::HelpTarget &target, int command, int data)
{
    // The viewer is the program's own, so a file it cannot show is the program's to report.
    QString failure;
    if (!HelpViewer::display(m_launcher, target, command, data, &failure) && !failure.isEmpty())
        m_boxes.msgBox(failure, platform::Buttons::OK, platform::Icon::Exclamation);
}

} // namespace swatchly::help
