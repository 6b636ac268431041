#pragma once
// A team's strength as the match engine sees it: an attack and a defence rating for each of the 12
// zones of its own numbering and one keeper rating, computed from its starters, their pitch slots,
// strength, energy and position, with cuts for unbalanced formations.
#include <string>

#include "core/vocab/tactics_board.h"

namespace tarvelon {

// Recomputes and stores the zone ratings and the keeper rating of line-up `lineup` (index into Lineups).
void ComputeLineupRatings(int lineup);

// The same ratings after a play, recomputed only when their inputs may have changed since they were
// last computed: a starter or his pitch slot is not what it was, or a change of one of its players
// was reported. The engine asks after every play, the inputs change a few times a match. Builds
// with TARVELON_CHECK_INDEXES compare the kept ratings with a fresh computation.
void RefreshLineupRatings(int lineup);

// Reported by whoever changes what the ratings are made of in a player on the pitch (energy,
// strength, position, being on the pitch at all): for the players of one line-up, or for any
// players at all (every line-up is then recomputed on its next refresh). A player off the pitch
// counts nowhere, so changes to him need no report until he is on it again.
void LineupRatingInputsChanged(int lineup);
void AllLineupRatingInputsChanged();

// The formation as "defence-midfield-attack" counts of starters 1..10 still on the pitch (for
// example "4-4-2").
std::string FormatFormation(int lineup);

// True for a pitch slot of the tactics board (1..25).
inline bool IsPitchSlot(int slot) { return slot >= 1 && slot <= 25; }

// The position group (0..4) a pitch slot (1..25) counts as, its side code and its role code; -1
// for anything else. Inline: the ratings ask for every starter.
inline int SlotPosition(int slot) { return IsPitchSlot(slot) ? PitchSlotRoles[slot].position : -1; }
inline int SlotSideCode(int slot) { return IsPitchSlot(slot) ? PitchSlotRoles[slot].side : -1; }
inline int SlotRoleCode(int slot) { return IsPitchSlot(slot) ? PitchSlotRoles[slot].role : -1; }

}  // namespace tarvelon
