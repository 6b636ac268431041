#pragma once
// A human club's shirt numbers and its two colours.
#include <array>
#include <string>

#include "core/basics/color.h"

namespace tarvelon {

inline constexpr int kHighestShirtNumber = 28;

// The choices of a shirt number for a club's player: item 0 "Sem número", item n "n - " followed by
// the name of the team-mate who wears n, if any.
std::array<std::string, kHighestShirtNumber + 1> ShirtNumberChoices(int club);

// The player wears `number` (0 none, 1..28): a team-mate who wears it loses it.
void GiveShirtNumber(int player, int number);

// The club's colours become `back` (background) and `text`. False when both are unchanged.
bool ChangeClubColours(int club, TColor back, TColor text);

}  // namespace tarvelon
