#pragma once
// Match ratings and appearance records of archived matches.
#include "core/records/appearance_records.h"

namespace tarvelon {

// The player's match rating, 0 to 10 in half points, as a player of `club` in match `match`, judged at
// pitch slot `slot` (-1: the usual slot of his position). Reads the match's statistics and the matchday's
// event list, so it is called before the matchday is cleared.
float ComputeMatchRating(int player, int match, int club, int slot);

// Appends one Appearances record for each player of the starting elevens of the match, side 1 first.
void RecordStarterRatings(int report, int match);

// Appends one SubAppearances record for each substitution event of the match, in event order.
void RecordSubstituteRatings(int report, int match);

// The usual pitch slot of a position: goalkeeper 1, full back 2, centre back 7, midfielder 15, forward 23.
int DefaultPitchSlotOfPosition(int position);

}  // namespace tarvelon
