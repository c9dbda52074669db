#include "help/ViewerHelpService.h"

#include "help/HelpViewer.h"
#include "platform/services/Help.h"
#include "platform/services/MessageBoxes.h"

namespace swatchly::help {

namespace {

class ViewerHelpService final : public platform::HelpService
{
public:
    void htmlHelp(const platform::HelpTarget &target, int command, int data) override
    {
        // The viewer is the program's own, so a file it cannot show is the program's to report.
        QString failure;
        if (!HelpViewer::display(target, command, data, &failure) && !failure.isEmpty())
            platform::msgBox(failure, platform::Buttons::OK, platform::Icon::Exclamation);
    }
};

} // namespace

void installHelpViewer()
{
    static ViewerHelpService service;
    platform::setProductionHelpService(&service);
}

} // namespace swatchly::help
