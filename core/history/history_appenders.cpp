#include "core/history/history_appenders.h"

#include "core/records/history_records.h"
#include "core/history/season_lines.h"
#include "core/records/matchday_globals.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"
#include "core/season/competitions.h"

namespace tarvelon {

namespace {

bool IsNationalTeamEntry(int club)
{
    return club >= Game.LeagueClubCount + Game.ExtraClubCount;
}

int PlacingCoach(int kind, int club)
{
    if (kind > 9)
        return -1;
    const int coach = Clubs[club].coach;
    if (coach < 0 && IsNationalTeamEntry(club))
        return kNationalTeamCoachBase + Clubs[club].State;  // a national team's entry keeps its team index there
    return coach;
}

TCoachSeason* FindCoachSeason(int coach, int club, int season)
{
    const int row = FindCoachSeasonRow(coach, club, season);
    return row >= 0 ? &CoachSeasons[static_cast<std::size_t>(row)] : nullptr;
}

void AddRankingPoints(int coach, int amount)
{
    if (coach < 0 || coach >= static_cast<int>(Coaches.size()))
        return;
    Coaches[coach].nationalRankingPoints += amount;
    if (Game.DayKind != kKindStateChampionship)
        Coaches[coach].worldRankingPoints += amount;
}

}  // namespace

void AddCompetitionPlacing(int kind, int club, int region, int division, int keyA, int keyB, int place)
{
    TPlacing placing{};
    placing.season = Game.Season;
    placing.competition = FindCompetition(kind, region, division, keyA, keyB);
    placing.club = club;
    placing.place = place;
    placing.coach = PlacingCoach(kind, club);
    Placings.push_back(placing);
}

void AddCoachHonour(int kind, int club, int coach, int division, int place, int region)
{
    TCoachHonour honour{};
    honour.season = Game.Season;
    honour.kind = kind;
    honour.club = club;
    honour.coach = coach;
    honour.division = division;
    honour.place = place;
    honour.region = (kind == kKindFirstContinentalCup || kind == kKindSecondContinentalCup) ? CurrentLeague : region;
    CoachHonours.push_back(honour);
}

void AddClubPlacing(int club, int place, int kind, int divisionOrState)
{
    ClubPlacings.push_back(TClubPlacing{club, Game.Season, kind, place, divisionOrState});
}

void AddTopScorer(int competition, int club, int player, int goals)
{
    TScorer scorer{};
    scorer.season = Game.Season;
    scorer.competition = competition;
    scorer.club = club;
    scorer.player = player;
    scorer.goals = goals;
    Scorers.push_back(scorer);
}

void AddCoachSeasonStat(int coach, int club, int amount, const std::string& tag)
{
    TCoachSeason* line = FindCoachSeason(coach, club, Game.Season);
    if (line == nullptr) {
        TCoachSeason fresh{};
        fresh.coach = coach;
        fresh.games = 1;
        fresh.club = club;
        fresh.season = Game.Season;
        CoachSeasons.push_back(fresh);
        return;
    }
    if (tag == "j") {
        ++line->games;
    } else if (tag == "v") {
        ++line->wins;
    } else if (tag == "d") {
        ++line->losses;
    } else if (tag == "pr") {
        line->rankingPoints += amount;
        AddRankingPoints(coach, amount);
    } else if (tag == "tit") {
        ++line->titles;
    }
}

}  // namespace tarvelon
