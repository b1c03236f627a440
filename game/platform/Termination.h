#pragma once

#include <functional>

class QObject;

namespace velmor {

// SIGTERM and SIGINT (Ctrl+C) end the program the way its own exit does: the handler runs on the window
// system's thread, after the event being handled. Call once, after the application object exists.
void endOnTerminationSignals(QObject* owner, std::function<void()> end);

} // namespace velmor
