#pragma once
// A human club retires a player and promotes a junior in his place.
#include <string>

namespace tarvelon {

// A player's name holds at most this many characters.
inline constexpr int kPlayerNameLength = 20;

// The name cut to the characters a player's name holds (counted as characters, not bytes).
std::string FitPlayerName(const std::string& name);

// The player retires and a junior named `name` (as typed, without the blanks around it, cut to
// kPlayerNameLength) takes his place in his club, in position `position` (0..4; his own when it is
// the old one's). The junior does not take over the old player's armband, set pieces or place on the
// sale list. Returns the junior's index; 0 (nothing changed) for an empty or blank name or a player
// without a club.
int RetireAndPromoteJunior(int player, const std::string& name, int position);

}  // namespace tarvelon
