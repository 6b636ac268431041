#pragma once
// Safe access to line-ups and their players for the match engine: empty starter places (0 or below),
// empty bench places (-1 or 0) and indexes outside the tables are skipped, never followed.
#include "core/records/match_records.h"
#include "core/tables.h"

namespace tarvelon {

// The engine reaches these for every play: they are inline.

// The line-up at an index of Lineups, or nullptr.
inline TLineup* LineupAt(int lineup)
{
    if (lineup < 0 || lineup >= static_cast<int>(Lineups.size()))
        return nullptr;
    return &Lineups[static_cast<std::size_t>(lineup)];
}

// The player record of an index, or nullptr for 0, negative or unknown indexes.
inline TPlayer* PlayerAt(int player)
{
    if (player <= 0 || player >= static_cast<int>(Players.size()))
        return nullptr;
    return &Players[static_cast<std::size_t>(player)];
}

// The player of starter place k (1..11), or nullptr when the place is empty.
inline TPlayer* StarterPlayer(const TLineup& L, int k)
{
    if (k < 1 || k > 11)
        return nullptr;
    return PlayerAt(L.starters[k - 1]);
}

// Starter place (1..11) that holds the player, or 0.
int StarterPlaceOf(const TLineup& L, int player);

// Bench place (1..7) that holds the player, or 0.
int BenchPlaceOf(const TLineup& L, int player);

inline bool PlayerOnPitch(const TPlayer& p) { return p.OnPitch != 0; }
bool PlayerOnPitch(int player);

// The club record of an index, or nullptr.
TClub* ClubAt(int club);
bool IsHumanClub(int club);

}  // namespace tarvelon
