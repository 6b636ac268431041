#pragma once
// A national team's tournament squad called up: its own squad set aside and the chosen players moved
// from their clubs, each noted in CallUps with the club he returns to after the tournament.
#include <vector>

namespace tarvelon {

// The squad of national-team club entry `entry` becomes `called` (player indexes, in order).
void CommitNationalCallUp(int entry, const std::vector<int>& called);

}  // namespace tarvelon
