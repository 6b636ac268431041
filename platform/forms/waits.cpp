#include "platform/forms/waits.h"

namespace tarvelon {

namespace {
int longestAtOnce = -1;  // none: the real times
}  // namespace

int WaitTime(int milliseconds) { return milliseconds <= longestAtOnce ? 0 : milliseconds; }

void RunWaitsAtOnce(int longest) { longestAtOnce = longest; }

}  // namespace tarvelon
