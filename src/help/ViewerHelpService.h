// The production help service: the program's own help viewer.
#pragma once

namespace swatchly::help {

// Makes the help viewer the service that the program's help calls reach; called once at
// start-up.
void installHelpViewer();

} // namespace swatchly::help
