#pragma once
// The 27 Brazilian state championships: each state's clubs ranked by level and dealt into tiers of six;
// the first one to four tiers are played, one more tier below them is a reserve. Saved raw with the
// game, so the record layout is part of the saved-game format.
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

// The draw of a new game: ranks every state's Brazilian league clubs and deals them into tiers.
void DrawStateChampionships();

// True when at least 32 clubs in the played tiers of the active states have no national division.
bool HasStateClubsForFourthDivision();

// The tier changes of the season rollover: the last of each tier and the first of the tier below swap,
// the tiers are shuffled and marked again, and every state club left without a coach hires a free one
// (through the coach career's hiring installed in Draws()).
void SwapStateChampionshipTiers();

// The club in first place of a tier (played tiers by the state-championship table, the reserve tier
// by its first place); -1 when there is none. Tiers are numbered 1..5.
int FindStateTierWinner(int state, int tier);

// The club of a tier whose state-championship place is 6; -1 when there is none.
int FindStateTierLast(int state, int tier);

// Comparator of the draw: higher level first; equal levels by the lower random key first.
int CompareStateCandidates(const void* a, const void* b);

// Number of played tiers for a state with `clubs` Brazilian clubs (0 below six clubs).
int StateTierCountFor(int clubs);

}  // namespace tarvelon
