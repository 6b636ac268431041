// The standings' and the season summary's read-only views on a made-up league.
#include <gtest/gtest.h>

#include "core/history/history_appenders.h"
#include "core/records/matchday_globals.h"
#include "core/history/season_lines.h"
#include "core/prizes/prize_tables.h"
#include "core/records/state_championship.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/views/season_summary.h"
#include "core/views/standings_view.h"
#include "core/format/money_format.h"
#include "tests/core/test_world.h"

namespace tarvelon {

namespace {

using testbuild::AppendClub;
using testbuild::EmptyLeague;
using testbuild::StartEmptyGame;

constexpr int kBrazil = 29;
constexpr int kColombia = 26;  // two places in each continental cup

// A league of `country` with one division per entry of `divisions`, clubs in table order.
int BuildLeague(int country, int divisions, int rows)
{
    TLeague league = EmptyLeague(country, divisions);
    for (int d = 0; d < divisions; ++d)
        for (int r = 0; r < rows; ++r)
            league.finalOrder[d][r] = league.divisions[d][r] = AppendClub(country, d + 1, 1);
    Leagues.push_back(league);
    return static_cast<int>(Leagues.size()) - 1;
}

void SetNumbers(int club, int kind, int points, int wins, int goalsFor, int goalsAgainst)
{
    Clubs[club].Points[kind] = points;
    Clubs[club].Won[kind] = wins;
    Clubs[club].GoalsFor[kind] = goalsFor;
    Clubs[club].GoalsAgainst[kind] = goalsAgainst;
}

// The national cup of the country decided this season, won by `club`.
void DecideNationalCup(int country, int club)
{
    Competitions = {TCompetition{}, {1, country, 1}, {2, country, -1}};
    HistoryTablesChanged();
    AddCompetitionPlacing(2, club, country, -1, -1, -1, 1);
    Game.NationalCupStage = 6;
}

std::vector<int> RowsOf(const std::vector<int>& colours, int colour)
{
    std::vector<int> rows;
    for (std::size_t i = 0; i < colours.size(); ++i)
        if (colours[i] == colour)
            rows.push_back(static_cast<int>(i) + 1);
    return rows;
}

TEST(StandingsView, LevelRowsShareThePlaceAboveThem)
{
    StartEmptyGame(2, kDivisionsOf20);
    std::vector<int> clubs;
    for (int i = 0; i < 5; ++i)
        clubs.push_back(AppendClub(kBrazil, 0, 1));
    SetNumbers(clubs[0], 3, 12, 4, 9, 2);
    for (int i = 1; i <= 3; ++i)
        SetNumbers(clubs[i], 3, 7, 2, 5, 4);
    SetNumbers(clubs[4], 3, 1, 0, 1, 9);
    const std::vector<TStandingRow> rows = RankedTableRows(clubs, 3);
    EXPECT_EQ(PlaceTexts(rows), (std::vector<std::string>{"1º", "2º", "", "", "5º"}));
}

TEST(StandingsView, WinsDecideLevelPointsBeforeGoalDifference)
{
    StartEmptyGame(2, kDivisionsOf20);
    const int fewWins = AppendClub(kBrazil, 0, 1);
    const int manyWins = AppendClub(kBrazil, 0, 1);
    SetNumbers(fewWins, 4, 9, 1, 20, 2);
    SetNumbers(manyWins, 4, 9, 3, 5, 5);
    const std::vector<TStandingRow> rows = RankedTableRows({fewWins, -1, manyWins}, 4);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].club, manyWins);
    EXPECT_EQ(rows[1].club, fewWins);
}

TEST(StandingsView, DivisionColoursOfTwentyWithTheCupWinner)
{
    StartEmptyGame(2, kDivisionsOf20);
    Game.firstContinentalPairOn = 1;
    Game.secondContinentalPairOn = 1;
    const int league = BuildLeague(kBrazil, 3, 20);
    // Four first-cup places: three by the table, one for the cup winner standing 10th.
    DecideNationalCup(kBrazil, Leagues[league].finalOrder[0][9]);
    auto colours = LeagueRowColours(league);
    EXPECT_EQ(RowsOf(colours[0], kFirstCupRow), (std::vector<int>{1, 2, 3, 10}));
    EXPECT_EQ(RowsOf(colours[0], kSecondCupRow), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(RowsOf(colours[0], kRelegationRow), (std::vector<int>{17, 18, 19, 20}));
    EXPECT_EQ(RowsOf(colours[1], kPromotionRow), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(RowsOf(colours[1], kRelegationRow), (std::vector<int>{17, 18, 19, 20}));
    EXPECT_EQ(RowsOf(colours[2], kRelegationRow), (std::vector<int>{19, 20}));

    // A winner already in the first three frees his place: rows 1 to 4 go.
    DecideNationalCup(kBrazil, Leagues[league].finalOrder[0][1]);
    colours = LeagueRowColours(league);
    EXPECT_EQ(RowsOf(colours[0], kFirstCupRow), (std::vector<int>{1, 2, 3, 4}));
}

TEST(StandingsView, FewPlacesAndASingleDivision)
{
    StartEmptyGame(2, kDivisionsOf20);
    Game.firstContinentalPairOn = 1;
    const int league = BuildLeague(kColombia, 1, 20);
    DecideNationalCup(kColombia, Leagues[league].finalOrder[0][12]);
    const auto colours = LeagueRowColours(league);
    // Two places: one by the table, and the cup winner is not coloured.
    EXPECT_EQ(RowsOf(colours[0], kFirstCupRow), (std::vector<int>{1}));
    EXPECT_EQ(RowsOf(colours[0], kRelegationRow), (std::vector<int>{19, 20}));
    EXPECT_EQ(colours[0][16], kPlainRow);
}

TEST(StandingsView, DivisionsOfTenAndGroups)
{
    StartEmptyGame(2, kDivisionsOf10);
    const int league = BuildLeague(kColombia, 2, 10);
    const auto colours = LeagueRowColours(league);
    ASSERT_EQ(colours[1].size(), 10u);
    EXPECT_EQ(RowsOf(colours[1], kPromotionRow), (std::vector<int>{1, 2}));
    EXPECT_EQ(RowsOf(colours[1], kRelegationRow), (std::vector<int>{9, 10}));
    EXPECT_EQ(RowsOf(StateGroupRowColours(1), kPromotionRow), (std::vector<int>{1, 2}));
    EXPECT_EQ(RowsOf(StateGroupRowColours(3), kPromotionRow), (std::vector<int>{1}));
    EXPECT_EQ(RowsOf(StateGroupRowColours(3), kRelegationRow), (std::vector<int>{6}));
    EXPECT_EQ(DivisionTableRows(league, 2).size(), 10u);
    EXPECT_TRUE(DivisionTableRows(league, 3).empty());
}

TEST(StandingsView, TheStateShownFirstIsAlwaysAPlayedState)
{
    StartEmptyGame(2, kDivisionsOf20);
    StateChampionships[4].active = 1;
    StateChampionships[25].active = 1;
    const int paulista = AppendClub(kBrazil, 1, 1);
    Clubs[paulista].State = 25;
    const int carioca = AppendClub(kBrazil, 1, 1);
    Clubs[carioca].State = 18;
    const int foreign = AppendClub(kColombia, 1, 1);
    Clubs[foreign].State = -1;

    Game.CurrentHumanClub = paulista;
    EXPECT_EQ(FirstShownState(), 25);
    Game.CurrentHumanClub = carioca;  // its championship is not played: the last one played
    EXPECT_EQ(FirstShownState(), 25);
    Game.CurrentHumanClub = foreign;
    EXPECT_EQ(FirstShownState(), 25);
    Game.CurrentHumanClub = -1;
    EXPECT_EQ(FirstShownState(), 25);
    StateChampionships[25].active = 0;
    Game.CurrentHumanClub = paulista;
    EXPECT_EQ(FirstShownState(), 4);
    StateChampionships[4].active = 0;
    StateChampionships[25].active = 0;
    EXPECT_EQ(FirstShownState(), 0);
}

TEST(SeasonSummaryView, PrizeTextsAreThePrizesPaid)
{
    for (int format : {kDivisionsOf20, kDivisionsOf10}) {
        StartEmptyGame(2, format);
        const int league = BuildLeague(kBrazil, 2, format == kDivisionsOf20 ? 20 : 10);
        Competitions = {TCompetition{}, {1, kBrazil, 1}, {1, kBrazil, 2}};
        HistoryTablesChanged();
        for (int d = 1; d <= 2; ++d)
            for (int place = 1; place <= 2; ++place)
                AddCompetitionPlacing(1, Leagues[league].finalOrder[d - 1][place - 1], kBrazil, d, -1, -1, place);
        const std::vector<SummaryRow> rows = DivisionChampionRows(league, 2);
        ASSERT_EQ(rows.size(), 6u);
        EXPECT_EQ(rows[0].text, "1ª Divisão");
        const bool of20 = format == kDivisionsOf20;
        const PrizePair first = DivisionPrize(1, of20);
        EXPECT_EQ(first.champion, of20 ? 7000000 : 5000000);
        EXPECT_NE(rows[1].text.find(of20 ? "($7 milhões)" : "($5 milhões)"), std::string::npos)
            << rows[1].text;
        EXPECT_EQ(rows[1].icon, kSummaryChampion);
        EXPECT_EQ(rows[2].icon, kSummaryRunnerUp);
        EXPECT_NE(rows[5].text.find(PrizeText(DivisionPrize(2, of20).runnerUp)), std::string::npos);
    }
    EXPECT_EQ(PrizeText(1500000), " ($1.5 milhão)");
    EXPECT_EQ(PrizeText(3500000), " ($3.5 milhões)");
    EXPECT_EQ(PrizeText(750000), " ($750 mil)");
    EXPECT_EQ(PrizeText(1250000), " ($1 milhão 250 mil)");
    EXPECT_EQ(CupFinalPrize(4, true).champion, 7000000);
}

TEST(SeasonSummaryView, TheEuropeanCupsChampionWithHisCoachAndPrize)
{
    constexpr int kSpain = 65;
    StartEmptyGame(3, kDivisionsOf20);
    Game.firstContinentalPairOn = 1;
    const int champion = AppendClub(kSpain, 1, 1);
    const int coach = testbuild::AppendCoachOf(champion);
    Clubs[champion].coach = coach;
    Competitions = {TCompetition{}, {4, -1, kConfSouthAmerica}, {4, -1, kConfEurope}, {5, -1, -1}};
    HistoryTablesChanged();
    CurrentLeague = 2;  // the European edition is being played
    AddCompetitionPlacing(4, champion, kSpain, -1, -1, -1, 1);
    AddCoachHonour(4, champion, coach, -1, 1, kSpain);
    const std::vector<SummaryRow> rows = SeasonChampionRows(3);
    ASSERT_EQ(rows.size(), 4u);  // three headings and the European champion
    EXPECT_EQ(rows[2].text, "Liga Campeões");
    EXPECT_EQ(rows[3].club, champion);
    EXPECT_EQ(rows[3].text, "Clube 0 - Téc.:Técnico 0 ($7 milhões)");
}

}  // namespace

}  // namespace tarvelon
