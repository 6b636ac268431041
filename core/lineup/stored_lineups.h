#pragma once
// The stored line-ups: per club the last arrangement of the eighteen shirts (TacticsPresets, saved
// with the game), so that with "Salvar escalação" on the line-up screen opens with it again.
#include "core/lineup/lineup_board.h"

namespace tarvelon {

// Writes the shirts into the club's record, appending one when the club has none.
void StoreLineup(int club, const LineupBoard& board);

// Puts the club's stored arrangement on the board. Players who left the club or cannot play today
// are dropped from the record first; entries that are empty, negative or beyond the player table
// are empty places. False when the club has no record.
bool LoadLineup(int club, LineupBoard& board);

}  // namespace tarvelon
