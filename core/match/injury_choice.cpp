#include "core/match/injury_choice.h"

#include "core/match/lineup_access.h"

namespace tarvelon {

InjuryChoice InjurySubstituteChoice(int club, int injuredPlayer)
{
    InjuryChoice choice;
    const TClub* c = ClubAt(club);
    const TLineup* L = c ? LineupAt(c->LineupIndex) : nullptr;
    if (!L)
        return choice;
    std::vector<int> bench;
    for (int player : L->bench)
        if (const TPlayer* p = PlayerAt(player); p && !PlayerOnPitch(*p))
            bench.push_back(player);
    const TPlayer* injured = PlayerAt(injuredPlayer);
    const bool keeperInjured = injured && injured->Position == 0;
    bool benchKeeper = false;
    for (int player : bench)
        benchKeeper = benchKeeper || PlayerAt(player)->Position == 0;
    for (int position = 0; position <= 4; ++position) {
        if (keeperInjured && benchKeeper && position > 0)
            break;
        for (int player : bench)
            if (PlayerAt(player)->Position == position)
                choice.candidates.push_back(player);
    }
    choice.improviseKeeper = keeperInjured && !benchKeeper;
    return choice;
}

void CloseSubstitutionsOfSide(int m, int club)
{
    if (m < 1 || m >= static_cast<int>(Matches.size()))
        return;
    for (int side = 0; side < 2; ++side)
        if (Matches[m].club[side] == club)
            Matches[m].subsLeft[side] = 0;
}

}  // namespace tarvelon
