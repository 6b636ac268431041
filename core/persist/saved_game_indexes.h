#pragma once
// The loader's one rule for a saved game's numbers: every number the rules use as an index into one
// of the game's tables, or as a count that bounds a loop over one, lies in that table (or is the
// value the format writes for "none": -1, and any negative club of a player without one); every
// counter that play adds to, and every season and result's goals of the history that a rule or a view
// adds to, lies in the range play can reach (core/persist/saved_game_ranges.h), so that the addition
// cannot overflow. The season accounts have no such range (the game stops them at the 32-bit limits):
// every addition to them goes through AddToAccount, in 64 bits. A file that breaks it would read beyond a table, loop for
// minutes, open an empty hub or roster, or write a save its own loader refuses; the loader, and the
// load screen's preview through it, refuse it as damaged ("Este arquivo não é válido ou está
// corrompido") and leave the file as it is.
//
// The tables checked, each in the file of its subject:
// - the game state: day kind, human clubs, coaches and nations, league and extra club counts,
//   the day's referees (here);
// - players', clubs', coaches' and national teams' links (a national team's entry keeps its team's
//   index in its state), the inbox (saved_game_index_people.cpp);
// - loans, transfers, call-ups, stored line-ups, stadium works, friendlies
//   (saved_game_index_business.cpp);
// - division lists and league records, state championships, cup ties, fixtures, competitions
//   (saved_game_index_competitions.cpp);
// - the history tables' people and clubs (saved_game_index_history.cpp);
// - match reports, their events and appearances (saved_game_index_matches.cpp).
//
// Then the records that name each other must agree, as the rules keep them: the draws, the matches
// and the counts of the next days are built from them, and a file whose records disagree would play
// on to a save its own loader refuses. Each is checked where the tables of its subject are:
// - the human clubs fill their list as its count says, each a league club whose human coach of the
//   slots names it back, every club run by a human coach among them; the national teams human
//   coaches lead likewise; the invitations offer national teams only (saved_game_index_people.cpp);
// - the league format is one a game has, each league of its own country; the played divisions list
//   league clubs of the country in the division their records say, each once in all the leagues,
//   and their final orders rank those clubs (saved_game_index_leagues.cpp);
// - the state championships' tiers hold their own state's league clubs, and the state results each
//   club once (saved_game_index_competitions.cpp).
#include "core/persist/saved_game_blocks.h"

namespace tarvelon {

// The first number of `image` that lies outside its table, named for a test's message; nullptr
// when every one lies in its table.
const char* SavedIndexOutsideItsTable(const SavedGameImage& image);

inline bool SavedIndexesInTables(const SavedGameImage& image) { return SavedIndexOutsideItsTable(image) == nullptr; }

}  // namespace tarvelon
