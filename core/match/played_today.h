#pragma once
// Who played in today's matches. Each player's own flag (TPlayer::PlayedThisRound) is cleared by the
// recovery that follows his match, and the round's development, which rewards having played, runs
// after every match of the day is booked: it asks here.
namespace tarvelon {

// Player `player` played today (called before his flag is cleared).
void NotePlayedToday(int player);

// Whether player `player` played on the game's current day of the current season.
bool PlayedToday(int player);

}  // namespace tarvelon
