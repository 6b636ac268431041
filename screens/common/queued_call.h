#pragma once
// Work that must run once the event being handled now has returned: every change of screen goes
// through here, so that a form is never replaced from inside the handler of the form that closes.
#include <functional>

namespace tarvelon {

// Runs `work` at the top of the event loop, after the current event (and any modal loop it is in)
// has handed control back to the loop.
void RunQueued(std::function<void()> work);

// Runs every queued call waiting now (tests and the gallery, which drive the loop themselves).
void RunQueuedCalls();

}  // namespace tarvelon
