#include "core/progression/club_money.h"

#include <algorithm>

#include "core/basics/currency.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

int WithinPercent(int value) { return std::clamp(value, 0, 100); }

}  // namespace

bool IsClubEntry(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

bool IsLeagueClub(int club) { return IsClubEntry(club) && club < Game.LeagueClubCount; }

void PayClubPrize(int club, std::int64_t units)
{
    if (!IsClubEntry(club))
        return;
    Clubs[club].cash += CurrencyFromUnits(units);
    if (club < static_cast<int>(ClubFinances.size()))
        AddToAccount(ClubFinances[club].prizes, units);
}

void MoveClubMood(int club, int supportersChange, int boardChange)
{
    if (!IsClubEntry(club))
        return;
    TClub& c = Clubs[club];
    c.SupportersMood = WithinPercent(c.SupportersMood + supportersChange);
    c.boardConfidence = WithinPercent(c.boardConfidence + boardChange);
}

}  // namespace tarvelon
