#include "core/tables.h"

#include "core/club_rosters.h"

namespace tarvelon {

std::vector<TClub> Clubs;
std::vector<TPlayer> Players(1, NoPlayerRecord());
std::vector<TLeague> Leagues;
std::vector<TCoach> Coaches;
std::vector<TNationalTeam> NationalTeams;
std::vector<TClubFinance> ClubFinances;
std::array<TTicketPriceRow, kTicketPriceRows> TicketPrices{};
std::vector<TTransfer> Transfers;
std::vector<TLoan> Loans;
std::vector<TMailMessage> MailMessages;
std::vector<TStadiumWork> StadiumWorks;
std::vector<TTacticsPreset> TacticsPresets;
std::vector<TCoachHiring> CoachHirings;
std::vector<TCoachHiring>& CoachHires = CoachHirings;
std::vector<TCallUp> CallUps;
std::vector<TStateResult> StateResults;

TPlayer NoPlayerRecord()
{
    TPlayer none{};
    none.Club = -1;
    return none;
}

void EnsurePlayerElementZero()
{
    if (Players.empty()) {
        Players.push_back(NoPlayerRecord());
    }
    Players[0].Club = -1;
    PlayerClubsChanged();
}

void ResetGameTables()
{
    Clubs.clear();
    Players.assign(1, NoPlayerRecord());
    Leagues.clear();
    Coaches.clear();
    NationalTeams.clear();
    ClubFinances.clear();
    TicketPrices = {};
    Transfers.clear();
    Loans.clear();
    MailMessages.clear();
    StadiumWorks.clear();
    TacticsPresets.clear();
    CoachHirings.clear();
    CallUps.clear();
    StateResults.clear();
    PlayerClubsChanged();
    RunRegisteredTableResets();
}

}  // namespace tarvelon
