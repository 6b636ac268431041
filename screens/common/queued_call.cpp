#include "screens/common/queued_call.h"

#include "platform/forms/application.h"

namespace tarvelon {

// The application's queued call runs the work after the current event and hands an exception to
// the application's handler, so it never crosses the event loop.
void RunQueued(std::function<void()> work)
{
    Application->Queue(std::move(work));
}

}  // namespace tarvelon
