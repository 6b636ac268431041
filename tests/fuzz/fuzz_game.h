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

// Plays up to `days` calendar days; stops at the season's end.
void PlayDays(int days);

}  // namespace tarvelon::fuzz
