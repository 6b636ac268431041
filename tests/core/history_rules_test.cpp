#include <gtest/gtest.h>

#include "core/history/history_appenders.h"
#include "core/history/history_lookups.h"
#include "core/records/history_records.h"
#include "core/history/top_scorer.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

using namespace tarvelon;

namespace {

constexpr int kBrazil = 29;

class HistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameTables();
        Game.Season = 3;
        Game.DayKind = 1;
        Game.LeagueClubCount = 4;
        Game.ExtraClubCount = 1;
        Clubs.assign(7, TClub{});
        ClubFinances.assign(7, TClubFinance{});
        for (int c = 0; c < 7; ++c)
            Clubs[c].coach = c < 5 ? c : -1;
        Clubs[5].State = 2;  // national team entry 5 is NationalTeams[2]
        Coaches.assign(5, TCoach{});
        Competitions.assign(1, TCompetition{});
        Competitions.push_back(TCompetition{1, kBrazil, 1});  // 1: first division
        Competitions.push_back(TCompetition{1, kBrazil, 2});  // 2: second division
        Competitions.push_back(TCompetition{2, kBrazil, -1});  // 3: national cup
        Competitions.push_back(TCompetition{7, -1, -1});       // 4: World Cup
        Players.assign(10, TPlayer{});
    }
};

}  // namespace

TEST_F(HistoryTest, PlacingsStoreTheCompetitionAndTheClubsCoach)
{
    AddCompetitionPlacing(1, 2, kBrazil, 2, -1, -1, 4);
    ASSERT_EQ(Placings.size(), 1u);
    EXPECT_EQ(Placings[0].season, 3);
    EXPECT_EQ(Placings[0].competition, 2);
    EXPECT_EQ(Placings[0].club, 2);
    EXPECT_EQ(Placings[0].place, 4);
    EXPECT_EQ(Placings[0].coach, 2);

    AddCompetitionPlacing(7, 5, kBrazil, -1, -1, -1, 1);  // a national team without a coach record
    EXPECT_EQ(Placings[1].competition, 4);
    EXPECT_EQ(Placings[1].coach, kNationalTeamCoachBase + 2);
    AddCompetitionPlacing(10, 1, kBrazil, 1, -1, -1, 1);
    EXPECT_EQ(Placings[2].coach, -1);
    EXPECT_EQ(Placings[2].competition, 0);
}

TEST_F(HistoryTest, ContinentalHonoursRecordTheEdition)
{
    CurrentLeague = 2;
    AddCoachHonour(4, 1, 1, 0, 1, kBrazil);
    AddCoachHonour(1, 1, 1, 1, 2, kBrazil);
    EXPECT_EQ(CoachHonours[0].region, 2);
    EXPECT_EQ(CoachHonours[1].region, kBrazil);
    EXPECT_EQ(FindHonouredCoach(kBrazil, 2, 3, 1, 1), 1);
    EXPECT_EQ(FindHonouredCoach(kBrazil, 2, 3, 1, 2), -1);
    AddClubPlacing(3, 2, 3, 7);
    EXPECT_EQ(ClubPlacings[0].club, 3);
    EXPECT_EQ(ClubPlacings[0].season, 3);
    EXPECT_EQ(ClubPlacings[0].kind, 3);
    EXPECT_EQ(ClubPlacings[0].place, 2);
    EXPECT_EQ(ClubPlacings[0].divisionOrState, 7);
}

TEST_F(HistoryTest, CoachSeasonLineStartsWithOneGameWhateverTheTag)
{
    AddCoachSeasonStat(1, 1, 9, "pr");
    ASSERT_EQ(CoachSeasons.size(), 1u);
    EXPECT_EQ(CoachSeasons[0].games, 1);
    EXPECT_EQ(CoachSeasons[0].rankingPoints, 0);
    EXPECT_EQ(Coaches[1].nationalRankingPoints, 0);

    AddCoachSeasonStat(1, 1, 1, "j");
    AddCoachSeasonStat(1, 1, 1, "v");
    AddCoachSeasonStat(1, 1, 1, "d");
    AddCoachSeasonStat(1, 1, 1, "tit");
    AddCoachSeasonStat(1, 1, 5, "pr");
    Game.DayKind = 3;  // state championship points count only nationally
    AddCoachSeasonStat(1, 1, 4, "pr");
    const TCoachSeason& line = CoachSeasons[0];
    EXPECT_EQ(line.games, 2);
    EXPECT_EQ(line.wins, 1);
    EXPECT_EQ(line.losses, 1);
    EXPECT_EQ(line.titles, 1);
    EXPECT_EQ(line.rankingPoints, 9);
    EXPECT_EQ(Coaches[1].nationalRankingPoints, 9);
    EXPECT_EQ(Coaches[1].worldRankingPoints, 5);

    AddCoachSeasonStat(1, 2, 1, "v");  // another club: a line of its own
    Game.Season = 4;
    AddCoachSeasonStat(1, 1, 1, "v");  // another season too
    EXPECT_EQ(CoachSeasons.size(), 3u);
}

TEST_F(HistoryTest, ChampionsAndPlacedClubs)
{
    AddCompetitionPlacing(1, 2, kBrazil, 1, -1, -1, 1);
    AddCompetitionPlacing(1, 3, kBrazil, 1, -1, -1, 2);
    Game.Season = 4;
    AddCompetitionPlacing(1, 1, kBrazil, 1, -1, -1, 1);
    AddCompetitionPlacing(1, 0, kBrazil, 2, -1, -1, 1);
    EXPECT_EQ(FindLatestLeagueChampion(kBrazil), 1);
    EXPECT_EQ(FindLatestLeagueChampion(5), -1);
    EXPECT_EQ(FindChampion(1, kBrazil, 3), 2);
    EXPECT_EQ(FindChampion(1, kBrazil, 4), 1);
    EXPECT_EQ(FindChampion(2, kBrazil, 4), -1);
    EXPECT_EQ(FindPlacedClub(kBrazil, 2, 3, 1, 1), 3);
    EXPECT_EQ(FindPlacedClub(kBrazil, 1, 4, 1, 2), 0);
    EXPECT_EQ(FindPlacedClub(kBrazil, 3, 4, 1, 1), -1);
}

// A league the competitions table lacks (a damaged save) has its places recorded under no
// competition, as another missing league's are: a lookup of either names no club, not the other's.
TEST_F(HistoryTest, ALeagueMissingFromTheCompetitionsPlacesNoClub)
{
    constexpr int kArgentina = 11;
    AddCompetitionPlacing(1, 2, kArgentina, 1, -1, -1, 1);
    AddCompetitionPlacing(1, 3, kArgentina + 1, 1, -1, -1, 1);
    EXPECT_EQ(Placings.back().competition, 0);
    EXPECT_EQ(FindChampion(1, kArgentina + 1, 3), -1);
    EXPECT_EQ(FindPlacedClub(kArgentina + 1, 1, 3, 1, 1), -1);
    EXPECT_EQ(FindLatestLeagueChampion(kArgentina + 1), -1);
}

TEST_F(HistoryTest, ArchiveLookups)
{
    MatchReports.assign(3, TMatchReport{});
    MatchReports[1].kind = 7;
    MatchReports[1].round = 2;
    MatchReports[1].club[1] = 5;
    MatchReports[2].kind = 7;
    MatchReports[2].round = 2;
    MatchReports[2].club[0] = 5;
    MatchReports[2].date = 40500;
    EXPECT_EQ(FindTournamentMatch(7, 2, 5), 1);
    EXPECT_EQ(FindTournamentMatch(7, 3, 5), -1);

    Fixtures.assign(2, TFixture{});
    Fixtures[1].home = 5;
    Fixtures[1].date = 40500;
    EXPECT_EQ(FindMatchReportOfFixture(1), 2);
    EXPECT_EQ(FindMatchReportOfFixture(0), -1);
    EXPECT_EQ(FindMatchReportOfFixture(7), -1);

    AddTopScorer(3, 1, 4, 9);
    Scorers.push_back(TScorer{3, 3, 2, 6, 11, 5, 12});
    EXPECT_EQ(FindSeasonTopScorer(3, 3), 0);
    EXPECT_EQ(FindSeasonTopScorer(3, 2), -1);
    EXPECT_EQ(FindScorerEntry(11, 3, 3, 12), 1);
    EXPECT_EQ(FindScorerEntry(0, 3, 3, 0), 0);
    EXPECT_EQ(Scorers[0].keyA + Scorers[0].keyB, 0);
}

TEST_F(HistoryTest, LeagueTopScorerIsPaidAndBecomesAStar)
{
    GoalTallies.push_back(TGoalTally{4, 12, 1, 1});
    GoalTallies.push_back(TGoalTally{6, 15, 2, 2});  // second division: not this competition
    GoalTallies.push_back(TGoalTally{7, 12, 1, 2});
    GoalTallies.push_back(TGoalTally{8, 3, 1, 3});
    GoalTallies.push_back(TGoalTally{-1, 40, 1, 3});  // a loaded tally of no player: no top scorer
    AllTimeGoalTallies.push_back(TGoalTally{4, 30, 1, 1});
    AllTimeGoalTallies.push_back(TGoalTally{7, 20, 1, 2});  // fewer all-time goals: wins the tie
    AllTimeGoalTallies.push_back(TGoalTally{7, 99, 2, 2});  // only his first tally counts
    AwardTopScorer(1, kBrazil, 1, -1, -1);
    ASSERT_EQ(Scorers.size(), 1u);
    EXPECT_EQ(Scorers[0].player, 7);
    EXPECT_EQ(Scorers[0].club, 2);
    EXPECT_EQ(Scorers[0].goals, 12);
    EXPECT_EQ(Scorers[0].competition, 1);
    EXPECT_EQ(Clubs[2].cash, CurrencyFromUnits(1500000));
    EXPECT_EQ(ClubFinances[2].prizes, 1500000);
    EXPECT_EQ(Players[7].Star, 1);
    EXPECT_EQ(Players[4].Star, 0);
}

TEST_F(HistoryTest, CupTopScorerIsPaidWithoutStardomAndAnEmptyTallyAwardsNothing)
{
    GoalTallies.push_back(TGoalTally{4, 5, 3, 1});
    AwardTopScorer(2, kBrazil, -1, -1, -1);
    EXPECT_EQ(Clubs[1].cash, CurrencyFromUnits(1000000));
    EXPECT_EQ(ClubFinances[1].prizes, 1000000);
    EXPECT_EQ(Players[4].Star, 0);
    AwardTopScorer(7, kBrazil, -1, -1, -1);
    EXPECT_EQ(Scorers.size(), 1u);
}

TEST(TopScorerRows, MoreGoalsFirstThenFewerAllTimeGoals)
{
    const TTopScorerRow a{1, 10, 5, 0}, b{2, 9, 0, 0}, c{3, 10, 7, 0};
    EXPECT_LT(CompareTopScorerRows(&a, &b), 0);
    EXPECT_GT(CompareTopScorerRows(&b, &a), 0);
    EXPECT_LT(CompareTopScorerRows(&a, &c), 0);
    EXPECT_EQ(CompareTopScorerRows(&a, &a), 0);
}
