#include "core/squad/player_death.h"

#include "core/economy/loans.h"
#include "core/economy/squad_rules.h"
#include "core/economy/table_access.h"
#include "core/squad/squad_duties.h"

namespace tarvelon {

void PlayerDies(int player)
{
    if (!IsPlayerIndex(player) || !IsClubIndex(Players[player].Club))
        return;
    const int club = Players[player].Club;
    CloseLoansOfPlayer(player);
    TPlayer& p = Players[player];
    p.ShirtNumber = 0;
    p.ListedForSale = 0;
    p.loanStatus = 0;
    p.LineupStatus = 0;
    p.Club = -1;
    PlayerClubsChanged();
    HandOverDutiesOf(player, club);
    RecountSquad(club);
}

}  // namespace tarvelon
