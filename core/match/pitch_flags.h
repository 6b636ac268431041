#pragma once
// The players' pitch flags (TPlayer::OnPitch and MatchFlag): set while a matchday is played and all
// back to 0 after it. The players put on the pitch are remembered, so that the end of a matchday
// clears theirs instead of walking the whole player table, where the retired players pile up season
// after season.
namespace tarvelon {

// Puts player `player` (a valid index) on the pitch and remembers him.
void PutOnPitch(int player);

// Every player's OnPitch and MatchFlag back to 0. Only the players put on the pitch since the last
// clear are visited, unless the table may have changed under that list since (a new or a loaded
// game, players added, PlayerClubsChanged() called): then every player, once.
void ClearPitchFlags();

}  // namespace tarvelon
