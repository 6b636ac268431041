// The goal scorers' rankings the top scorers screen shows.
#include "core/views/scorer_rows.h"

#include <algorithm>

#include "core/records/history_records.h"
#include "core/history/top_scorer.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kSouthAmericanKey = 29;  // a country of each edition, for the competition lookup
constexpr int kEuropeanKey = 3;

bool ValidClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

std::string PlayerName(int player)
{
    return player > 0 && player < static_cast<int>(Players.size()) ? Players[player].Name.str() : std::string();
}

int LeagueCountry(int league)
{
    return league >= 0 && league < static_cast<int>(Leagues.size()) ? Leagues[league].country : -1;
}

// More goals first, then fewer games; equal rows in the order the game's sort leaves them.
int CompareScorerRows(const ScorerRow& a, const ScorerRow& b)
{
    if (a.goals != b.goals)
        return a.goals > b.goals ? -1 : 1;
    if (a.games != b.games)
        return a.games < b.games ? -1 : 1;
    return 0;
}

void RankScorers(std::vector<ScorerRow>& rows) { SortRowsAsRecords(rows, CompareScorerRows); }

}  // namespace

int ScorerCompetition(int kind, int key, int division)
{
    switch (kind) {
    case 1: return FindCompetition(1, LeagueCountry(key), division, -1, -1);
    case 2: return FindCompetition(2, LeagueCountry(key), -1, -1, -1);
    case 3: return FindCompetition(3, -1, -1, 1, key);
    case 4:
    case 6: return FindCompetition(kind, division == 2 ? kEuropeanKey : kSouthAmericanKey, -1, -1, -1);
    default: return 0;
    }
}

std::vector<ScorerRow> SeasonScorerRows(int competition)
{
    std::vector<ScorerRow> rows;
    if (competition <= 0)
        return rows;
    for (const TGoalTally& tally : GoalTallies) {
        if (tally.competition != competition)
            continue;
        ScorerRow row;
        row.player = tally.player;
        row.goals = tally.goals;
        row.club = tally.club;
        // His first all-time tally gains one on each matchday he scores: the matches he scored in.
        row.games = FirstAllTimeGoals(tally.player);
        row.playerName = PlayerName(tally.player);
        row.clubName = ValidClub(tally.club) ? Clubs[tally.club].name.str() : std::string();
        rows.push_back(std::move(row));
    }
    RankScorers(rows);
    return rows;
}

std::vector<ScorerRow> AllTimeScorerRows()
{
    std::vector<ScorerRow> rows;
    const int lastClub = Game.LeagueClubCount + Game.ExtraClubCount - 1;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        const TPlayer& player = Players[p];
        if (player.Club > lastClub || player.careerGoals <= 0)
            continue;
        ScorerRow row;
        row.player = p;
        row.goals = player.careerGoals;
        row.games = player.careerGames;
        row.club = player.Club;
        row.playerName = player.Name.str();
        row.clubName = player.Club < 0 ? "Aposentado" : (ValidClub(player.Club) ? Clubs[player.Club].name.str() : "");
        rows.push_back(std::move(row));
    }
    RankScorers(rows);
    return rows;
}

std::vector<std::string> ScorerCompetitionItems(int league)
{
    const int divisions = league >= 0 && league < static_cast<int>(Leagues.size()) ? Leagues[league].divisionCount : 1;
    std::vector<std::string> items = {"Nacional - 1ª divisão"};
    for (int division = 2; division <= 4; ++division)
        if (Game.LeagueFormat == 4 || divisions >= division)
            items.push_back("Nacional - " + std::to_string(division) + "ª divisão");
    if (Game.nationalCupOn)
        items.push_back("Copa");
    if (Game.StateChampionshipsOn)
        items.push_back("Estadual");
    if (Game.firstContinentalPairOn && Game.Season >= 2) {
        items.push_back("Libertadores");
        items.push_back("Liga Campeões");
    }
    if (Game.secondContinentalPairOn && Game.Season >= 2) {
        items.push_back("Sul-Americana");
        items.push_back("Liga Europa");
    }
    items.push_back("Melhores de Sempre");
    return items;
}

}  // namespace tarvelon
