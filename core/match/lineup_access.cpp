#include "core/match/lineup_access.h"

namespace tarvelon {

int StarterPlaceOf(const TLineup& L, int player)
{
    if (player <= 0)
        return 0;
    for (int k = 1; k <= 11; ++k)
        if (L.starters[k - 1] == player)
            return k;
    return 0;
}

int BenchPlaceOf(const TLineup& L, int player)
{
    if (player <= 0)
        return 0;
    for (int b = 1; b <= 7; ++b)
        if (L.bench[b - 1] == player)
            return b;
    return 0;
}

bool PlayerOnPitch(int player)
{
    const TPlayer* p = PlayerAt(player);
    return p != nullptr && PlayerOnPitch(*p);
}

TClub* ClubAt(int club)
{
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return nullptr;
    return &Clubs[club];
}

bool IsHumanClub(int club)
{
    const TClub* c = ClubAt(club);
    return c != nullptr && c->IsHuman != 0;
}

}  // namespace tarvelon
