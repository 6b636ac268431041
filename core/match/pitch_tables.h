#pragma once
// The fixed tables of the match engine: which zones each pitch slot covers, which slots are searched
// for the player of a zone, the per-zone chances of open play and the order in which positions stand
// in for one another. Zones are 1..12 in a team's own numbering (its goal row is 1..3); slots 1..25.
#include <cstdint>

namespace tarvelon {

// Zones covered by pitch slot s (1..25): PitchSlotZones[s][0..2], -1 = none. Row 0 is unused.
extern const std::int8_t PitchSlotZones[26][3];

// For each zone (1..12), the eight pitch slots searched, in order, for the player of that zone.
// Row 0 is unused; entry j (1..8) is ZonePitchSlots[zone][j - 1].
extern const std::int8_t ZonePitchSlots[13][8];

// Positions tried for a replacement, by the position (0..4) of the player replaced.
extern const std::int8_t SubstitutePositionOrder[5][5];

// Open-play chances in percent, indexed by zone 1..12 of the attacking side (index 0 unused).
extern const std::int8_t ZoneFoulChance[13];
extern const std::int8_t ZoneDuelLossChance[13];
extern const std::int8_t ZoneFoulAfterDuelChance[13];
extern const std::int8_t ZoneShotChance[13];
extern const std::int8_t ZoneBadPassChance[13];

// Where a completed pass goes: four tables by zone (1..12) of the attacking side, in its numbering.
extern const std::int8_t ZonePassTargets[4][13];

// Restart zones after a shot wide, in the restarting side's numbering, in draw-band order.
extern const std::int8_t RestartZones[6];

}  // namespace tarvelon
