#pragma once
// The ranges of the numbers of a saved game that the rules later count with or loop over. The
// ranges of the tallies a saved game holds (standings, all-time records, honours, players'
// careers, cards, season lines, goal tallies). The rules add a day's goals, points and cards to them;
// a file holding a tally no game can reach (goals near the 32-bit limits) would make that addition
// overflow, so the loader refuses it as damaged.
#include "core/persist/saved_game_blocks.h"

namespace tarvelon {

// Far above anything a game of any length reaches, and far enough below 2^31 that a day's additions,
// and a difference or sum of two tallies, stay in range.
inline constexpr std::int32_t kMaxSavedTally = 100'000'000;

// A player's strength and energy are 1..100 in play (the matchday clamps them, rounds move them a
// little beyond); the rules multiply them together, so a file holding one far beyond any game is
// refused as damaged too. The same bound holds the other small numbers the rules add one to and
// clamp afterwards, or subtract one from another: a player's age, morale and its countdown, a club's
// level (1..25), board confidence, supporters' mood, squad mood and its countdown.
inline constexpr std::int32_t kMaxSavedAttribute = 10'000;

bool SavedTalliesInRange(const SavedGameImage& image);

// A match ends with a handful of goals; far above any, this bound keeps the sums the rules and the
// views make of them (the two legs of a tie and of a state final, a club's games of a season, two
// clubs' meetings) far from the 32-bit limit.
inline constexpr std::int32_t kMaxSavedMatchGoals = 1'000;

// The results and the history a saved game keeps: the goals of its past results, of its played
// fixtures and of its state finals (0 .. kMaxSavedMatchGoals), and the season of every history
// record (past results, coach hirings, final places, honours, club placings, top scorers, players'
// and coaches' season lines), which is the season it was written in (1 .. kLastSeason) and which
// the views show as the year 2009 + season.
bool SavedResultsInRange(const SavedGameImage& image);

// A round, leg, turn or stage counter of a competition moves by one a day of play and starts again
// each season or tournament, so it never passes the days of a season; far above them, this bound
// keeps a damaged counter from reaching the 32-bit limit when a day adds one.
inline constexpr std::int32_t kMaxSavedStage = 1'000;

// The game state's own numbers that later drive the calendar: the season (1 .. kLastSeason, the
// seasons the game plays), today's calendar day, the competitions' round, leg, turn and stage
// counters (0 .. kMaxSavedStage) and the tournaments held (at most one of each a season).
bool SavedGameStateInRange(const TGameState& game);

}  // namespace tarvelon
