#pragma once
// What one match event adds to a player's records: season goal tallies, his season line, career
// counters, bans after a red card, the yellow-card count and injuries.
#include <string>

namespace tarvelon {

// Counts one statistic of a player: tag "j" a game, "gol" a goal, "ca" a yellow card, "cv" a red card,
// "ct" an injury. `competition` is the competition index of the goal tallies (-1 for none).
void RecordPlayerStat(int player, int club, int competition, const std::string& tag);

// Takes back the game that a line-up confirmed earlier today counted for a player it no longer
// fields: his career games and his season line lose it, and a line that held only that game goes.
void TakeBackPlayerGame(int player, int club);

// Matches of the ban drawn for a red card.
int DrawSuspension();

// Weeks out for an injury of this player (before the one-in-300 long injury).
int InjuryWeeks(int age, int energy);

// Strength lost by an injured player of this age.
int InjuryStrengthLoss(int age);

}  // namespace tarvelon
