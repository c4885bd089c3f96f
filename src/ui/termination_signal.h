#pragma once

#include <functional>

class QObject;

// When the desktop session or a terminal asks the editor to end (SIGTERM, SIGINT, SIGHUP),
// `beforeEnd` runs once, from the event loop of the window thread (also the loop of a modal
// dialog or message box that is open at that moment), and the editor then ends at once by that
// same signal: no question, no close handler, nothing of the interrupted dialog runs any more.
// `owner` keeps the watch alive; install it once per run. A second signal of the same kind ends
// the editor at once, without waiting for the event loop or for `beforeEnd`. Where these signals
// do not exist this does nothing.
void endOnTerminationSignal(QObject* owner, std::function<void()> beforeEnd);
