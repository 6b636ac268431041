#pragma once
// A quick clock for the tests that drive screens: while one lives, the forms' timers tick and the
// game's pauses end as soon as the event loop is idle (platform/forms/waits.h), in the game's order
// but without the seconds a player sees between two steps. Only for tests that wait for the end of
// those pauses, not for tests that look at a screen during one (a timer started under the quick
// clock may tick before the test's next look).
#include "platform/forms/waits.h"

namespace tarvelon::test {

class QuickClock {
public:
    QuickClock() { SetWaitCap(0); }
    ~QuickClock() { SetWaitCap(-1); }
    QuickClock(const QuickClock&) = delete;
    QuickClock& operator=(const QuickClock&) = delete;
};

}  // namespace tarvelon::test
