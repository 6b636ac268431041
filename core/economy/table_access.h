#pragma once
// Bounds checks of the player and club tables, shared by the economy and career rules, so that an
// index that points nowhere (a free player's club -1, a stale index) is refused, never read.
#include "core/club_rosters.h"
#include "core/tables.h"

namespace tarvelon {

// Players are numbered from 1; element 0 holds no player.
inline bool IsPlayerIndex(int player)
{
    return player >= 1 && player < static_cast<int>(Players.size());
}

inline bool IsClubIndex(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size());
}

inline bool IsCoachIndex(int coach)
{
    return coach >= 0 && coach < static_cast<int>(Coaches.size());
}

// The club of the player when he has one in the table; nullptr for a free player or a bad index.
inline TClub* ClubOfPlayer(const TPlayer& player)
{
    return IsClubIndex(player.Club) ? &Clubs[player.Club] : nullptr;
}

// Clubs of the played leagues and the continental guests: 0 .. this - 1.
inline int LeagueAndExtraClubCount()
{
    return Game.LeagueClubCount + Game.ExtraClubCount;
}

// Calls f(index, player) for every player 1 .. last of the club, in index order. f must not move
// players to other clubs.
template <typename F>
void ForEachPlayerOfClub(int club, F&& f)
{
    for (int p : PlayersOfClub(club))
        f(p, Players[p]);
}

}  // namespace tarvelon
