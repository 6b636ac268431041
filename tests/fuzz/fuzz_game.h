#pragma once
// The game the database and saved-game targets play: the sample database written once into the
// scratch folder (the game's working folder from then on) and a small seeded new game made from it.
#include <string>

namespace tarvelon::fuzz {

// Writes the sample database on the first call and makes its folder the working folder.
const std::string& EnterSampleGameFolder();

// A new game of Brazil's leagues from the working folder, the same for every call (fixed seed,
// deterministic clock, messages swallowed). False when the database does not give a game.
bool StartSampleGame();

// What the hub, the roster and the matchday take from a loaded game, checked on their own terms
// rather than through the loader's checks: the day kind names a competition (or the season's end),
// the current and human clubs, players' clubs, fixtures' sides and messages' clubs are clubs or none.
void ExpectIndexesInTheirTables();

// Plays up to `days` calendar days; stops at the season's end.
void PlayDays(int days);

}  // namespace tarvelon::fuzz
