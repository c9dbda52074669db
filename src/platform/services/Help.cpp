#include "platform/services/Help.h"

namespace swatchly::platform {

namespace {

HelpService *productionService = nullptr;
HelpService *currentService = nullptr;

} // namespace

void setProductionHelpService(HelpService *service)
{
    if (currentService == productionService)
        currentService = service;
    productionService = service;
}

void setHelpService(HelpService *service)
{
    currentService = service ? service : productionService;
}

void htmlHelp(const HelpTarget &target, int command, int data)
{
    if (currentService)
        currentService->htmlHelp(target, command, data);
}

} // namespace swatchly::platform
