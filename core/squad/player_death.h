#pragma once
// A player who dies leaves his club for good.
namespace tarvelon {

// The player leaves his club: an open loan ends, his shirt number, his place on the sale or loan
// list and his posts go (the club chooses a new captain and set-piece taker), his club becomes none
// and the club's squad is recounted. Nothing for a player without a club.
void PlayerDies(int player);

}  // namespace tarvelon
