#pragma once
// The record of a Brazilian state championship: each state's clubs dealt into tiers of six. Saved raw
// with the game, so the record layout is part of the saved-game format. The draw and the tier changes
// are in core/draws/state_championship.h.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/records/record_layout.h"

namespace tarvelon {

constexpr int kStateCount = 27;
constexpr int kStateTierCount = 5;  // up to four played tiers and the reserve tier
constexpr int kStateTierSize = 6;
constexpr int kStateCountry = 29;   // the country whose clubs play the state championships (Brasil)

#pragma pack(push, 1)
struct TStateChampionship {
    std::int32_t groups[kStateTierCount][kStateTierSize];  // tier t (1..5), place p (1..6) at [t-1][p-1]; -1 empty
    std::int32_t groupCount = 0;        // tiers that are played (0..4); tier groupCount + 1 is the reserve
    std::int32_t finalGoals[4] = {};    // final-stage figures of the matchday code
    std::int32_t finalists[2] = {};     // the two finalists' club indexes (matchday code)
    std::uint8_t humanClubPresent = 0;  // a human-run club sits in one of tiers 1..groupCount + 1
    std::uint8_t active = 0;            // the state holds a championship this season
    std::uint8_t roundDone = 0;         // per-season flag of the matchday code, cleared at the rollover
    std::uint8_t padding = 0;
};
#pragma pack(pop)

TARVELON_RECORD_SIZE(TStateChampionship, 152);
TARVELON_FIELD_AT(TStateChampionship, groups, 0);
TARVELON_FIELD_AT(TStateChampionship, groupCount, 120);
TARVELON_FIELD_AT(TStateChampionship, finalGoals, 124);
TARVELON_FIELD_AT(TStateChampionship, finalists, 140);
TARVELON_FIELD_AT(TStateChampionship, humanClubPresent, 148);
TARVELON_FIELD_AT(TStateChampionship, active, 149);
TARVELON_FIELD_AT(TStateChampionship, roundDone, 150);
TARVELON_FIELD_AT(TStateChampionship, padding, 151);

// Indexed by state 0..26 (the state index of a Brazilian club).
extern std::array<TStateChampionship, kStateCount> StateChampionships;

// Empties a state's record: no tiers, every place -1.
void ClearStateChampionship(TStateChampionship& state);

}  // namespace tarvelon
