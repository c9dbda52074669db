// A request from outside to end the program: SIGTERM (the session ending, a service manager
// stopping it), SIGINT (Ctrl+C in its terminal) or SIGHUP (its terminal closing); and the ends
// the program does not choose.
//
// Qt has no hook for these: the signals are caught here and handed to the event loop through a
// socket pair, the one thing a signal handler may safely write to.
#pragma once

#include <functional>

class QObject;

namespace swatchly::platform {

// Runs handler on the GUI thread, from the event loop, whenever such a signal arrives, for as
// long as context lives; then the signals' default actions come back.
void onTerminationRequest(QObject *context, std::function<void()> handler);

// A write to a pipe or socket whose reader has gone fails instead of ending the program
// (SIGPIPE is ignored).
void ignoreBrokenPipes();

// Runs handler when a library ends the process with exit() while context lives, as Qt's X11
// plugin does when its connection to the display breaks. Not run once context is gone, so an
// end through main's return runs nothing.
void onForcedExit(QObject *context, std::function<void()> handler);

} // namespace swatchly::platform
