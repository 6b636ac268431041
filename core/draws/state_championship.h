#pragma once
// The 27 Brazilian state championships: each state's clubs ranked by level and dealt into tiers of six;
// the first one to four tiers are played, one more tier below them is a reserve. Saved raw with the
// game, so the record layout is part of the saved-game format.
#include "core/records/state_championship.h"

namespace tarvelon {

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
