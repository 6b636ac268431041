#include "core/newgame/squad_economy.h"

#include "core/basics/rounding.h"
#include "core/match/computer_lineups.h"
#include "core/season/calendar.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }
bool IsPlayer(int player) { return player >= 0 && player < static_cast<int>(Players.size()); }

// The club's weekly wage bill: the sum of its players' wages in whole units.
void SumWageBill(int club)
{
    if (!IsClub(club) || club >= static_cast<int>(ClubFinances.size()))
        return;
    std::int64_t bill = 0;
    for (std::size_t p = 1; p < Players.size(); ++p)
        if (Players[p].Club == club)
            bill += Round(static_cast<double>(Players[p].wage) / kCurrencyScale);
    ClubFinances[club].weeklyWageBill = static_cast<std::int32_t>(bill);
}

// Squad size and players per position, then the players available today.
void CountSquad(int club)
{
    if (!IsClub(club))
        return;
    TClub& c = Clubs[club];
    c.squadSize = 0;
    for (std::int32_t& count : c.playersPerPosition)
        count = 0;
    for (std::size_t p = 1; p < Players.size(); ++p) {
        const TPlayer& player = Players[p];
        if (player.Club != club)
            continue;
        ++c.squadSize;
        if (player.Position >= 0 && player.Position < PositionCount)
            ++c.playersPerPosition[player.Position];
    }
    CountAvailablePlayers(0, club);
}

void ContractFromToday(int weeks, int player)
{
    if (!IsPlayer(player))
        return;
    Players[player].ContractEnd = TodayDate() + 7.0 * weeks;
    Players[player].contractWarning = 0;
}

}  // namespace

SquadEconomyServices& SquadEconomy()
{
    static SquadEconomyServices services;
    return services;
}

std::int64_t NewGamePlayerValue(int player)
{
    return SquadEconomy().computePlayerValue ? SquadEconomy().computePlayerValue(player) : 0;
}

std::int64_t NewGamePlayerWage(int player)
{
    return SquadEconomy().computePlayerWage ? SquadEconomy().computePlayerWage(player) : 0;
}

void NewGameRecalcClubWageBill(int club)
{
    if (SquadEconomy().recalcClubWageBill)
        SquadEconomy().recalcClubWageBill(club);
    else
        SumWageBill(club);
}

void NewGameRecountSquad(int club)
{
    if (SquadEconomy().recountSquad)
        SquadEconomy().recountSquad(club);
    else
        CountSquad(club);
}

void NewGameListSurplusPlayers(int club)
{
    if (SquadEconomy().listSurplusPlayers)
        SquadEconomy().listSurplusPlayers(club);
}

void NewGameSetContractWeeks(int weeks, int player)
{
    if (SquadEconomy().setContractWeeks)
        SquadEconomy().setContractWeeks(weeks, player);
    else
        ContractFromToday(weeks, player);
}

}  // namespace tarvelon
