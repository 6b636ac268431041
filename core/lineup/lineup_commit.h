#pragma once
// "Jogar >>" of the line-up screen: the board becomes the club's line-up for today's matches.
#include "core/lineup/lineup_board.h"

namespace tarvelon {

// Builds and rates the club's TLineup from the board (goalkeeper as starter 11, outfield shirts
// 2..11 as starters 1..10, the bench in order without gaps), marks who plays, warns about tired
// starters (club mode) and recounts the available players. False, with nothing changed, when a
// shirt 1..11 is empty while an available player could still wear it.
bool CommitLineup(int club, const LineupBoard& board, bool nationalTeamMode);

// The energy below which a starter without the stamina trait is sent in tired.
inline constexpr int kTiredEnergy = 15;
inline constexpr int kStaminaTrait = 12;

}  // namespace tarvelon
