#pragma once
// Positions, their row colours, player traits and tactical roles.
// Every index here is stored in player records and club files: the orders never change.
#include <array>
#include <string>
#include <vector>

#include "core/basics/color.h"

namespace tarvelon {

// Index = player position: 0 goalkeeper, 1 full back, 2 centre back, 3 midfielder, 4 forward.
constexpr int PositionCount = 5;
extern const std::array<const char*, PositionCount> PositionNames;

// Row colour of each position in the squad lists and standings.
extern const std::array<TColor, PositionCount> PositionColors;

// Index = a player's trait code 0..13: 0..3 goalkeeper traits, 4..13 outfield traits.
constexpr int TraitCount = 14;
extern const std::array<const char*, TraitCount> TraitNames;
extern const std::array<const char*, TraitCount> TraitAbbreviations;

// Row = position, column = the player's tactical role 0..4; "n/a" marks a role the position does
// not have, and column 4 is empty.
extern const std::array<std::array<const char*, 5>, PositionCount> RoleNames;
inline const auto& PlayerRoleNames = RoleNames;  // the name the screens know it by

// The roles offered for a player in the national-team hub's list, by the first letter of his
// position name ("G", "L", "Z", "M", "A"); none for any other text.
std::vector<std::string> RoleChoicesOfPositionLetter(const std::string& letter);

// Row = position, column 0..5 (column 5 empty). Kept with the vocabulary; no rule reads it.
extern const std::array<std::array<const char*, 6>, PositionCount> PositionTraitNames;

}  // namespace tarvelon
