// A request from outside to end the program: SIGTERM (the session ending, a service manager
// stopping it), SIGINT (Ctrl+C in its terminal) or SIGHUP (its terminal closing).
#pragma once

#include <functional>

class QObject;

namespace swatchly::platform {

// Runs handler on the GUI thread, from the event loop, whenever such a signal arrives, for as
// long as context lives; then the signals' default actions come back.
void onTerminationRequest(QObject *context, std::function<void()> handler);

} // namespace swatchly::platform
