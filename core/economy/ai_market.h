#pragma once
// The computer clubs' market: a sale between two computer clubs after a league round, and the
// replacement a computer club buys when the user takes one of its players.
#include <cstdint>

namespace tarvelon {

// One sale between two computer-run clubs of a country's league (or of a random league for -1, or
// for a country whose league is not played), at the player's value.
void MakeAiTransfer(int country);

// The buying club takes, at his value, a random player of that position from another computer club
// that can spare him, near `strength` and within `budget` whole units (else anyone of the position
// within three times the budget). Nothing happens when none is found.
void BuySimilarPlayer(int buyer, int position, int strength, std::int64_t budget);

}  // namespace tarvelon
