#pragma once
// The players the matchday's settling may change: a lifted round block, a strength or age brought
// back into range, a suspension served, a third yellow card forgiven. Of the players with a club,
// only a few need it on any day, and the table holds more retired players every season; the pass
// visits the marked ones instead of every player with a club.
//
// Whoever sets TPlayer::BlockedThisRound, adds to Bans or YellowCards, or may take Strength or Age
// out of range, marks the player. Players appended to the table are marked on their own, and a new
// or a loaded game marks everyone. Builds with TARVELON_CHECK_INDEXES compare the marks with a walk
// over the table and stop at the first player left out.
#include <functional>

namespace tarvelon {

// The player may need the next matchday's settling.
void MarkToSettle(int player);

// Every player may need it (the season's ageing, a new or a loaded game).
void MarkEveryoneToSettle();

// Calls settle(p), in no particular order, for every marked player whose Club is 0 or above; then
// keeps marked only the players for whom stillNeeded(p) holds, with a club or not. `stillNeeded`
// must hold for every player whom the settling would change.
void SettleMarkedPlayers(const std::function<void(int)>& settle, const std::function<bool(int)>& stillNeeded);

}  // namespace tarvelon
