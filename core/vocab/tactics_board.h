#pragma once
// Formations, the 25 pitch slots of the tactics board, the bench places and the tactic names.
#include <array>

#include "core/basics/range_array.h"

namespace tarvelon {

// Formations 1..10, in the order of the formation box. Each gives the pitch slot of its 11 places:
// place 1 the goalkeeper, then defence, midfield and attack in the order the line-up builders fill
// them. Formations 4, 5 and 6 are all "4-4-2" but place the players differently.
constexpr int FormationCount = 10;
using FormationPlaces = RangeArray<int, 1, 11>;
extern const RangeArray<const char*, 1, FormationCount> FormationNames;
extern const RangeArray<FormationPlaces, 1, FormationCount> FormationSlots;

// What a place expects of its player: a position 0..4, a side code (-1 any, else the player's side)
// and a role code (-1 any, a tactical role, or 12 for a bench place).
struct SlotRole {
    int position;
    int side;
    int role;
};

// Pitch slots 1..25: 1 the goal, 2..9 defence, 10..17 midfield, 18..25 attack.
constexpr int PitchSlotCount = 25;
extern const RangeArray<const char*, 1, PitchSlotCount> PitchSlotLetters;  // "G", "L", "Z", "M", "A"
extern const RangeArray<int, 1, PitchSlotCount> PitchSlotX;  // top-left pixel of the slot's shirt
extern const RangeArray<int, 1, PitchSlotCount> PitchSlotY;
extern const RangeArray<SlotRole, 1, PitchSlotCount> PitchSlotRoles;
extern const RangeArray<int, 1, PitchSlotCount> PitchSlotCodes;  // the slot's further code, -1 none

// The seven substitutes' places beside the pitch: y pixel by place 0..6, expectations by place 1..7.
constexpr int BenchSlotCount = 7;
extern const std::array<int, BenchSlotCount> BenchSlotY;
extern const RangeArray<SlotRole, 1, BenchSlotCount> BenchSlotRoles;

// Playing styles 0..4 (balanced, all-out attack, counter-attack; through the middle, down the flanks
// as 3 + attack side), 5 empty, marking as 6 + marking 0..2.
extern const std::array<const char*, 9> TacticNames;

}  // namespace tarvelon
