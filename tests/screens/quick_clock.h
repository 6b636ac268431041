#pragma once
// A quick clock for the tests that drive screens: while one lives, the forms' timers and the game's
// pauses up to a length run at once (platform/forms/waits.h), in the game's order but without the
// time a player sees between two steps. By default every wait: for tests that wait for the ends of
// the pauses, not for tests that look at a screen during one (a timer started under the quick clock
// may tick before the test's next look); those may quicken only the short waits.
#include <limits>

#include "platform/forms/waits.h"

namespace tarvelon::test {

// The short waits: the match clock's ticks at the fastest speed (F5) and shorter, the controls'
// animations, and the half second the hub and the new game's builder give themselves before they go
// on (the round's questions, the building). The screens that go on by themselves in instant play wait
// longer, long enough for a test to find them.
inline constexpr int kShortWaits = 500;

class QuickClock {
public:
    explicit QuickClock(int longest = std::numeric_limits<int>::max()) { RunWaitsAtOnce(longest); }
    ~QuickClock() { RunWaitsAtOnce(-1); }
    QuickClock(const QuickClock&) = delete;
    QuickClock& operator=(const QuickClock&) = delete;
};

}  // namespace tarvelon::test
