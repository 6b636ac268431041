#include "core/squad/death_draw.h"

#include <vector>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/match/lineup_access.h"
#include "core/season/competition_kind.h"
#include "core/squad/player_death.h"
#include "core/tables.h"

namespace tarvelon {

int CheckPlayerDeath(int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr)
        return 0;
    const std::vector<int> squad = PlayersOfClub(club);
    for (int player : squad) {
        const int age = Players[player].Age;
        if ((age >= 53 && Random(3) == 1) || age > 60) {
            PlayerDies(player);
            c->Points[kKindNationalLeague] -= 5;
            return player;
        }
    }
    return 0;
}

}  // namespace tarvelon
