#pragma once
// A youth player takes the place of a retiring one.
#include <string>

namespace tarvelon {

// Appends a new player who takes the old player's club (the old one is left without a club) and
// rolls him as a junior aged 17 to 20: strength by the club's level and control plus a bonus by
// the old player's strength, star flag, value, wage, a 4-week contract and, when `position` is 0 or
// more, that position with two traits drawn for it. A non-empty `name` names him. An open loan of
// the old player ends: the youngster starts with none.
void CreateYouthReplacement(int player, const std::string& name, int position);

}  // namespace tarvelon
