#include "core/history/history_lookups.h"

#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"

namespace tarvelon {

namespace {

// The competition of a lookup by kind, region and division (state keys are not asked for here).
int CompetitionOf(int kind, int region, int division)
{
    return FindCompetition(kind, region, division, -1, -1);
}

// A lookup finds no competition as 0, the friendlies' index, under which a place of any competition
// missing from the table was also recorded: no club is placed in it, rather than a club of another
// league (a damaged table would otherwise send one champion into the continental draw for several).
bool HoldsPlacings(int competition) { return competition > 0; }

}  // namespace

int FindLatestLeagueChampion(int country)
{
    const int competition = FindCompetition(kKindNationalLeague, country, 1, -1, -1);
    if (!HoldsPlacings(competition))
        return -1;
    for (auto it = Placings.rbegin(); it != Placings.rend(); ++it)
        if (it->competition == competition && it->place == 1)
            return it->club;
    return -1;
}

int FindPlacedClub(int region, int place, int season, int kind, int division)
{
    const int competition = CompetitionOf(kind, region, division);
    if (!HoldsPlacings(competition))
        return -1;
    for (const TPlacing& placing : Placings)
        if (placing.season == season && placing.competition == competition && placing.place == place)
            return placing.club;
    return -1;
}

int FindChampion(int kind, int region, int season)
{
    const int competition = CompetitionOf(kind, region, 1);
    if (!HoldsPlacings(competition))
        return -1;
    for (auto it = Placings.rbegin(); it != Placings.rend(); ++it)
        if (it->season == season && it->competition == competition && it->place == 1)
            return it->club;
    return -1;
}

int FindHonouredCoach(int region, int place, int season, int kind, int division)
{
    for (const TCoachHonour& honour : CoachHonours)
        if (honour.region == region && honour.place == place && honour.season == season && honour.kind == kind &&
            honour.division == division)
            return honour.coach;
    return -1;
}

int FindTournamentMatch(int kind, int stage, int team)
{
    for (std::size_t i = 0; i < MatchReports.size(); ++i) {
        const TMatchReport& report = MatchReports[i];
        if (report.kind == kind && report.round == stage && (report.club[0] == team || report.club[1] == team))
            return static_cast<int>(i);
    }
    return -1;
}

int FindScorerEntry(int keyA, int season, int competition, int keyB)
{
    for (std::size_t i = 0; i < Scorers.size(); ++i) {
        const TScorer& scorer = Scorers[i];
        if (scorer.keyA == keyA && scorer.season == season && scorer.competition == competition && scorer.keyB == keyB)
            return static_cast<int>(i);
    }
    return -1;
}

int FindSeasonTopScorer(int competition, int season)
{
    for (std::size_t i = 0; i < Scorers.size(); ++i)
        if (Scorers[i].competition == competition && Scorers[i].season == season)
            return static_cast<int>(i);
    return -1;
}

int FindMatchReportOfFixture(int fixture)
{
    if (fixture < 0 || fixture >= static_cast<int>(Fixtures.size()))
        return -1;
    const TFixture& wanted = Fixtures[fixture];
    for (std::size_t i = 0; i < MatchReports.size(); ++i)
        if (MatchReports[i].date == wanted.date && MatchReports[i].club[0] == wanted.home)
            return static_cast<int>(i);
    return -1;
}

}  // namespace tarvelon
