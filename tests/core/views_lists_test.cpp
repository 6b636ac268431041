// The read-only lists of the season and history views on a small made-up game: the matches of a
// round with their headings, a club's fixtures in date order, the scorers' rankings, a player's
// matches and the meetings of two clubs.
#include <gtest/gtest.h>

#include "core/basics/datetime.h"
#include "core/views/club_fixtures.h"
#include "core/views/meetings.h"
#include "core/views/player_matches.h"
#include "core/views/round_fixtures.h"
#include "core/views/scorer_rows.h"
#include "tests/core/views_world.h"

using namespace tarvelon;
using namespace tarvelon::viewsworld;

namespace {

class ViewsLists : public ::testing::Test {
protected:
    void SetUp() override { Build(); }
};

// Five matches in each of two divisions of ten, round 3 of turn 2; one played.
void AddLeagueRound()
{
    const TDateTime day = EncodeDate(2011, 3, 6);
    for (int division = 0; division < 2; ++division)
        for (int m = 0; m < 5; ++m)
            Fixtures.push_back(MakeFixture(1, 0, 3, 2, (division * 2 + m) % 6, (division * 2 + m + 1) % 6, day));
    Play(Fixtures[1], 2, 1, 12345, 1500000);
    Fixtures.push_back(MakeFixture(1, 0, 4, 2, 0, 1, day + 3));  // another round
    Fixtures.push_back(MakeFixture(3, 0, 3, 2, 0, 1, day));      // another competition
}

TEST_F(ViewsLists, ARoundListsItsMatchesUnderOneHeadingPerDivision)
{
    Game.LeagueFormat = 4;
    AddLeagueRound();
    const auto rows = RoundFixtureRows(1, 0, {3, 2});
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].fixture, kHeadingRow);
    EXPECT_EQ(rows[0].awayName, "1ª divisão");
    EXPECT_EQ(rows[6].fixture, kHeadingRow);
    EXPECT_EQ(rows[6].awayName, "2ª divisão");
    EXPECT_EQ(rows[1].score, "x");
    EXPECT_EQ(rows[1].fixture, kUnplayedMatch);
    EXPECT_EQ(rows[1].attendance, "");
    EXPECT_EQ(rows[2].homeName, "Brisa");
    EXPECT_EQ(rows[2].score, "2 x 1");
    EXPECT_EQ(rows[2].attendance, "12 345");
    EXPECT_EQ(rows[2].gate, "1 milhão 500 mil");
    EXPECT_EQ(rows[2].fixture, 1);
    // A state championship with one group: its matches under "1ª divisão" only.
    StateChampionships[0].groupCount = 1;
    const auto state = RoundFixtureRows(3, 0, {3, 2});
    ASSERT_EQ(state.size(), 2u);
    EXPECT_EQ(state[0].awayName, "1ª divisão");
}

TEST_F(ViewsLists, TheRoundChooserMapsEntriesToRoundsAndOpensOnTheCurrentRound)
{
    EXPECT_EQ(RoundEntryCaption(1, 19), "1ª rodada-1º turno");
    EXPECT_EQ(RoundEntryCaption(22, 19), "3ª rodada-2º turno");
    EXPECT_EQ(RoundCaption({3, 2}), "3ª rodada - 2º turno");
    EXPECT_EQ(RoundOfEntry(6, 3).round, 3);
    EXPECT_EQ(RoundOfEntry(6, 3).turn, 2);
    Game.LeagueFormat = 2;
    Game.LeagueRound = 0;  // before the first round
    Game.LeagueTurn = 1;
    EXPECT_EQ(OpeningRoundEntry(1), 1);
    Game.LeagueRound = 5;
    Game.LeagueTurn = 2;
    EXPECT_EQ(OpeningRoundEntry(1), 24);
    Game.StateStage = 7;  // the state final: its last group round
    EXPECT_EQ(OpeningRoundEntry(3), 10);
    Game.FirstContinentalStage = 4;
    EXPECT_TRUE(ContinentalGroupStageOver(4));
    EXPECT_EQ(OpeningRoundEntry(4), 6);
}

TEST_F(ViewsLists, AClubsFixturesComeInDateOrderWithWeekdayHomeOrAwayAndCompetition)
{
    const TDateTime sunday = EncodeDate(2011, 3, 6);
    Fixtures.push_back(MakeFixture(2, 0, 1, 1, 2, 0, sunday + 3));
    Fixtures.push_back(MakeFixture(1, 0, 1, 1, 0, 1, sunday));
    Fixtures.push_back(MakeFixture(9, 0, 1, 1, 0, 3, sunday + 5));
    Fixtures.push_back(MakeFixture(1, 0, 2, 1, 4, 5, sunday));  // not the club's
    Play(Fixtures[1], 3, 0, 2000, 250000);
    const auto all = ClubFixtureRows(0, -1);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].date, "06/03/2011 - dom");
    EXPECT_EQ(all[0].homeOrAway, "C");
    EXPECT_EQ(all[0].score, "3x0");
    EXPECT_EQ(all[0].gate, "$ 250 mil");
    EXPECT_EQ(all[0].fixture, 1);
    EXPECT_EQ(all[0].competition, "Campeonato Brasileiro");
    EXPECT_EQ(all[1].date, "09/03/2011 - qua");
    EXPECT_EQ(all[1].homeOrAway, "F");
    EXPECT_EQ(all[1].score, "x");
    EXPECT_EQ(all[1].attendance, "");
    EXPECT_EQ(all[1].fixture, -1);
    EXPECT_EQ(all[1].competition, "Copa do Brasil");
    EXPECT_EQ(all[2].competition, "Eurocopa");
    EXPECT_EQ(ClubFixtureRows(0, 2).size(), 1u);
    EXPECT_TRUE(ClubFixtureRows(0, 3).empty());
    EXPECT_TRUE(ClubFixtureRows(-1, -1).empty());
    Clubs[0].firstContinentalGroup = 2;
    EXPECT_EQ(ClubFixtureFilterItems(0), (std::vector<std::string>{"Copa", "Estadual", "Libertadores"}));
    EXPECT_EQ(ClubFixtureFilterKind("Liga Europa"), 6);
    EXPECT_EQ(ClubFixtureFilterKind("Todos os jogos"), -1);
}

// "Jogos" is the goals field of the player's first all-time tally (the matchdays he scored on);
// equal goals rank the fewer games first.
TEST_F(ViewsLists, SeasonScorersRankByGoalsThenFewerGamesFromTheFirstAllTimeTally)
{
    const int ana = AddPlayer("Ana", 0, 4);
    const int bia = AddPlayer("Bia", 1, 4);
    const int caio = AddPlayer("Caio", 2, 3);
    GoalTallies = {{ana, 5, 1, 0}, {bia, 7, 1, 1}, {caio, 5, 1, 2}, {ana, 9, 3, 0}};
    AllTimeGoalTallies = {{caio, 2, 1, 2}, {ana, 4, 1, 0}, {caio, 6, 3, 2}};
    PlayerSeasonStats = {{ana, 5, 0, 0, 11, 0, 2, 0}, {caio, 5, 0, 0, 8, 0, 2, 2}};
    HistoryTablesChanged();
    const auto rows = SeasonScorerRows(1);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].playerName, "Bia");
    EXPECT_EQ(rows[0].games, 0);            // no all-time tally
    EXPECT_EQ(rows[1].playerName, "Caio");  // 5 goals in 2 games before Ana's 4
    EXPECT_EQ(rows[1].games, 2);            // his first tally's, not the season line's 8 games
    EXPECT_EQ(rows[1].clubName, "Cedro");
    EXPECT_EQ(rows[2].games, 4);
    EXPECT_TRUE(SeasonScorerRows(2).empty());
    EXPECT_EQ(ScorerCompetition(1, 0, 2), 2);
    EXPECT_EQ(ScorerCompetition(3, kSaoPaulo, 1), 4);
    EXPECT_EQ(ScorerCompetition(4, 0, 2), 6);
}

TEST_F(ViewsLists, AllTimeScorersLeaveNationalSquadsOutAndNameTheRetired)
{
    const int ana = AddPlayer("Ana", 0, 4);
    const int retired = AddPlayer("Velho", -1, 4);
    const int squad = AddPlayer("Seleção", 40, 4);
    const int none = AddPlayer("Zero", 1, 2);
    Players[ana].careerGoals = 30;
    Players[ana].careerGames = 90;
    Players[retired].careerGoals = 30;
    Players[retired].careerGames = 60;
    Players[squad].careerGoals = 99;
    (void)none;
    const auto rows = AllTimeScorerRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].playerName, "Velho");  // fewer games first
    EXPECT_EQ(rows[0].clubName, "Aposentado");
    EXPECT_EQ(rows[1].games, 90);
    Game.LeagueFormat = 2;
    Leagues[0].divisionCount = 1;
    Game.Season = 1;
    EXPECT_EQ(ScorerCompetitionItems(0),
              (std::vector<std::string>{"Nacional - 1ª divisão", "Copa", "Estadual", "Melhores de Sempre"}));
}

TEST_F(ViewsLists, APlayersMatchesHaveOneRowEachWithHisRating)
{
    const int ana = AddPlayer("Ana", 0, 4);
    const int bia = AddPlayer("Bia", 0, 3);
    for (int day = 0; day < 3; ++day) {
        TMatchReport report{};
        report.club[0] = 0;
        report.club[1] = 1 + day;
        report.goals[0] = day;
        report.goals[1] = 1;
        report.date = EncodeDate(2011, 3, 6 + 7 * day);
        MatchReports.push_back(report);
    }
    Appearances.push_back(TAppearance{0, ana, 9, 7.5f, 0, {}, 0, 0, 0});
    Appearances.push_back(TAppearance{1, ana, 9, 6.0f, 0, {}, 0, 0, 0});
    SubAppearances.push_back(TSubAppearance{ana, bia, 120, 5.5f, 1, 0, 0, 0});  // Ana taken off, Bia on
    SubAppearances.push_back(TSubAppearance{0, ana, 130, 4.0f, 2, 0, 0, 0});    // Ana came on
    // Walked from the last pair to the first: the match he came on in first, with his rating there.
    const auto rows = PlayerSeasonMatches(ana);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].report, 2);
    EXPECT_EQ(rows[0].rating, "4");
    EXPECT_EQ(rows[1].rating, "6");
    EXPECT_EQ(rows[2].date, "06/03/2011");
    EXPECT_EQ(rows[2].match, "Aurora 0 x 1 Brisa");
    EXPECT_EQ(rows[2].rating, "7.5");
    ASSERT_EQ(PlayerSeasonMatches(bia).size(), 1u);
    EXPECT_EQ(PlayerCareerHeading(ana), "<P align=\"center\"><SHAD>A - Ana</SHAD></P>");
    EXPECT_EQ(PreviousCareerPageRow(34), 17);
    EXPECT_EQ(PreviousCareerPageRow(17), 0);
}

TEST_F(ViewsLists, MeetingsListEveryGameOfThePairAndSumThemFromEachSide)
{
    PastMatches = {{0, 1, 2, 0, 1, 1}, {1, 0, 1, 1, 1, 2}, {2, 3, 5, 5, 1, 1}, {1, 0, 0, 2, 2, 9},
                   {0, 1, 1, 0, 2, 0}, {0, 1, 2, 1, 2, 3}};
    const auto rows = MeetingRows(0, 1);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].year, 2010);
    EXPECT_EQ(rows[1].ground, "Estádio Brisa");
    EXPECT_EQ(rows[1].homeName, "Brisa");
    EXPECT_EQ(rows[1].score, "1x1");
    EXPECT_EQ(rows[1].competition, "Copa do Brasil");
    EXPECT_EQ(rows[2].competition, "Eurocopa");
    EXPECT_EQ(rows[3].competition, "Amistoso");
    EXPECT_EQ(rows[4].competition, "Estadual");
    EXPECT_EQ(MeetingCountText(5), "5 jogos");
    EXPECT_EQ(MeetingCountText(1), "1 jogo");
    EXPECT_EQ(MeetingCountText(0), "0 jogos");
    const auto [a, b] = MeetingSummaryTexts(0, 1);
    EXPECT_EQ(a, "4v 0d 8gp 2gc ");
    EXPECT_EQ(b, "0v 4d 2gp 8gc ");
    EXPECT_EQ(MeetingSummaryTexts(0, 5), (std::pair<std::string, std::string>{}));
    const auto byName = ClubsByName();
    EXPECT_EQ(byName.front().first, "Aurora");
    EXPECT_EQ(byName.back().second, 5);
}

// Clubs of one name stand in the order the game's record sort leaves them, not in table order.
TEST_F(ViewsLists, ClubsOfTheSameNameFollowTheGamesSort)
{
    const std::string names = "ABABABABABAB";
    Clubs.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        Clubs[i].name.set(names.substr(i, 1));
    std::vector<int> order;
    for (const auto& [name, club] : ClubsByName())
        order.push_back(club);
    EXPECT_EQ(order, (std::vector<int>{0, 2, 10, 4, 6, 8, 11, 9, 7, 5, 3, 1}));
}

}  // namespace
