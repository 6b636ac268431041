#include "platform/forms/waits.h"

#include <algorithm>

namespace tarvelon {

namespace {
int waitCap = -1;  // no cap: the real times
}  // namespace

int CappedWait(int milliseconds)
{
    return waitCap < 0 ? milliseconds : std::min(milliseconds, waitCap);
}

void SetWaitCap(int milliseconds) { waitCap = milliseconds; }

}  // namespace tarvelon
