#include "core/matchday/result_effects.h"

#include "core/matchday/place_bands.h"
#include "core/matchday/supporters_mood.h"
#include "core/matchday/table_place.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/season/competition_kind.h"

namespace tarvelon {

namespace {

// The stronger club is blamed for dropped points, the weaker one praised for taken ones.
int LevelChange(int outcome, int levelDifference)
{
    if (levelDifference > 0)
        return outcome == moDraw ? -1 : outcome == moLoss ? -2 : 0;
    if (levelDifference < 0)
        return outcome == moDraw ? 1 : outcome == moWin ? 2 : 0;
    return 0;
}

bool HumanInDebt(const TClub& club) { return club.IsHuman != 0 && club.cash < 0; }

int LeagueDrawChange(const TClub& club, int place, int format, int resultCode)
{
    int change = HumanInDebt(club) ? -10 : 0;
    if (format == kDivisionsOf10)
        return change + ChangeByPlace(place, {{1, 2, 5}, {3, 4, 4}, {7, 8, -3}, {9, 10, -5}});
    if (format != kDivisionsOf20)
        return change;
    if (resultCode == 1)
        return change + ChangeByPlace(place, {{1, 1, 2}, {2, 2, 1}, {10, 16, -2}, {17, 20, -5}});
    return change + ChangeByPlace(place, {{1, 2, 3}, {3, 6, 1}, {14, 16, -2}, {17, 20, -4}});
}

int LeagueWinChange(const TClub& club, int place, int format)
{
    int change = HumanInDebt(club) ? -9 : 0;
    if (format == kDivisionsOf10)
        return change + ChangeByPlace(place, {{1, 2, 7}, {3, 4, 5}, {5, 6, 3}, {7, 8, 1}});
    if (format == kDivisionsOf20)
        return change + ChangeByPlace(place, {{1, 2, 5}, {3, 6, 3}, {7, 10, 1}});
    return change;
}

int LeagueLossChange(const TClub& club, int place, int format, int resultCode)
{
    int change = club.cash < 0 ? -12 : 0;
    if (club.Level > 20)
        change -= 2;
    if (resultCode == 1) {
        if (format == kDivisionsOf20)
            return change + ChangeByPlace(place, {{1, 3, -1}, {4, 8, -2}, {9, 10, -3}, {11, 16, -5}, {17, 20, -7}});
        if (format == kDivisionsOf10)
            return change + ChangeByPlace(place, {{1, 2, -1}, {3, 4, -2}, {5, 8, -5}, {9, 10, -7}});
        return change;
    }
    if (format == kDivisionsOf20)
        return change + ChangeByPlace(place, {{4, 8, -1}, {9, 10, -2}, {11, 16, -4}, {17, 20, -7}});
    if (format == kDivisionsOf10)
        return change + ChangeByPlace(place, {{3, 4, -1}, {5, 8, -5}, {9, 10, -7}});
    return change;
}

int LeagueChange(const TClub& club, int outcome, int resultCode)
{
    const int place = TablePlace(club, kKindNationalLeague);
    const int format = Game.LeagueFormat;
    if (outcome == moDraw)
        return LeagueDrawChange(club, place, format, resultCode);
    if (outcome == moWin)
        return LeagueWinChange(club, place, format);
    return LeagueLossChange(club, place, format, resultCode);
}

int StateChange(const TClub& club, int outcome)
{
    const int place = TablePlace(club, kKindStateChampionship);
    int change = HumanInDebt(club) ? -10 : 0;
    if (outcome == moDraw)
        return change + (place <= 2 && place >= 1 ? 3 : place >= 5 ? -2 : 0);
    if (outcome == moWin)
        return change + (InPlaces(place, 1, 2) ? 5 : 2);
    return change - 2 - (place >= 4 ? 3 : 0);
}

}  // namespace

void UpdateMoraleAfterResult(int kind, int homeClub, int awayClub, int homeGoals, int awayGoals, int spare)
{
    (void)spare;
    const int margin = homeGoals > awayGoals ? homeGoals - awayGoals : awayGoals - homeGoals;
    const int homeLevelDifference = Clubs[homeClub].Level - Clubs[awayClub].Level;
    if (homeGoals > awayGoals) {
        AdjustClubMorale(kind, homeClub, moWin, margin, homeLevelDifference, 1);
        AdjustClubMorale(kind, awayClub, moLoss, margin, -homeLevelDifference, 1);
    } else if (awayGoals > homeGoals) {
        AdjustClubMorale(kind, homeClub, moLoss, margin, homeLevelDifference, 2);
        AdjustClubMorale(kind, awayClub, moWin, margin, -homeLevelDifference, 2);
    } else {
        AdjustClubMorale(kind, homeClub, moDraw, 0, homeLevelDifference, 1);
        AdjustClubMorale(kind, awayClub, moDraw, 0, -homeLevelDifference, 2);
    }
}

void AdjustClubMorale(int kind, int clubIndex, int outcome, int goalMargin, int levelDifference, int resultCode)
{
    (void)goalMargin;
    TClub& club = Clubs[clubIndex];
    // Clubs of a country whose league is not played (national teams, guests) have no board to please.
    if (FindLeagueByCountry(club.Country) == -1)
        return;
    int change = LevelChange(outcome, levelDifference);
    if (kind == kKindNationalLeague)
        change += LeagueChange(club, outcome, resultCode);
    else if (kind == kKindStateChampionship)
        change += StateChange(club, outcome);
    club.boardConfidence += change;
    UpdateSupportersMood(kind, clubIndex, outcome);
}

bool ClubCountryHasNationalCup(int club)
{
    const int league = FindLeagueByCountry(Clubs[club].Country);
    return league >= 0 && FindFixture(league, kKindNationalCup, 1) >= 0;
}

}  // namespace tarvelon
