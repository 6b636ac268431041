#pragma once
// Substitutions: the bench player who replaces a starter, and the computer clubs' own changes
// (a missing keeper, a thin defence, a tired player). A bench player leaves the bench only when
// the substitution is actually made (BringOn).
#include "core/match/fouls_cards.h"

namespace tarvelon {

// The bench player who replaces the starter `player` (same position first, then the stand-ins), or -1.
// He stays on the bench until BringOn.
int AutoSubstitute(int lineup, int player);

// The pair (player off, bench player on) for a starter or a pitch slot; see the computer substitution.
// `current` is the pair as the caller holds it, returned unchanged when nothing is searched.
PlayerPair AutoSubstituteForSlot(int lineup, int player, int slot, int mode, PlayerPair current = {});

// A computer side's own substitution in match `match`; returns (off, on) when one was made, else (-1, -1).
PlayerPair AutoSubstitution(int lineup, int match, int side);

// Makes a substitution: the bench player `on` leaves the bench, comes on the pitch and takes the
// starter place (and pitch slot) of `off`. The caller has already taken `off` off the pitch.
void BringOn(int lineup, int off, int on);

}  // namespace tarvelon
