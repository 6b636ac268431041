#include "core/progression/club_money.h"

#include <algorithm>

#include "core/tables.h"

namespace tarvelon {

namespace {

int WithinPercent(int value) { return std::clamp(value, 0, 100); }

}  // namespace

bool IsClubEntry(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

bool IsLeagueClub(int club) { return IsClubEntry(club) && club < Game.LeagueClubCount; }

void MoveClubMood(int club, int supportersChange, int boardChange)
{
    if (!IsClubEntry(club))
        return;
    TClub& c = Clubs[club];
    c.SupportersMood = WithinPercent(c.SupportersMood + supportersChange);
    c.boardConfidence = WithinPercent(c.boardConfidence + boardChange);
}

}  // namespace tarvelon
