#pragma once
// The four games the sweep damages, each saved where a player would save it and each holding at
// least one open loan, one stadium work under way, one stored line-up and one friendly to play:
// a new game with two human coaches, the middle of its first season, the World Cup under way with
// its call-ups, and the first day of the second season.
#include <array>
#include <cstdint>
#include <string>

namespace tarvelon::savesweep {

inline constexpr int kBaseCount = 4;
const char* BaseName(int base);  // "nova", "meio", "torneio", "virada"

// The sample database of `seed` written into `folder` (kept when already there), which becomes the
// working folder, and the rules started as the simulator starts them, messages swallowed.
void EnterSweepFolder(const std::string& folder, std::uint64_t seed);

// The first base alone: the new game with two human coaches and the holdings, as saved-game bytes
// (empty with `error` set when it cannot start). The game stays in memory, ready to play on.
std::string NewGameBase(std::string& error);

// The four bases as saved-game bytes, played from one new game of the working folder's database
// (Brazil's leagues of ten clubs, its state championships, every cup and tournament on). Empty
// strings with `error` set when the game cannot reach one of them.
std::array<std::string, kBaseCount> BuildBases(std::string& error);

// What every base holds beside its point in the season, added to the game in memory where it is
// missing: an open loan into the first human club, a stadium work and a stored line-up of the second,
// a friendly of the first on a free date (the same club for all when one coach is left, club 0 when
// none is). Returns what could not be added ("" when all is there).
std::string AddBaseHoldings();

}  // namespace tarvelon::savesweep
