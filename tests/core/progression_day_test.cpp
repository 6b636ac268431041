// The day's counters after the last league or state of the day, the choice of the next league or
// state to play, and the scores of the state finals kept for the champions' table.
#include <gtest/gtest.h>

#include "core/draws/state_championship.h"
#include "core/records/matchday_globals.h"
#include "core/progression/day_progression.h"
#include "core/rollover/season_rollover.h"
#include "tests/core/progression_world.h"

namespace tarvelon {
namespace {

using namespace progtest;

class DayProgressionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildClubs(4, 4);
        Leagues.push_back(TLeague{});
        Leagues[1].country = 65;
        SeasonMatchesOver = false;
        for (TStateChampionship& s : StateChampionships)
            s = TStateChampionship{};
    }

    // Plays the rest of the day's leagues as the caller would, then the counters move.
    void FinishLeagueDay()
    {
        CurrentLeague = 0;
        while (LeagueCupAfterMatchday() != NextMatchday::Results) {
        }
    }
};

TEST_F(DayProgressionTest, LeagueRoundsTurnsAndSeasonEnd)
{
    Game.DayKind = kKindNationalLeague;
    Game.LeagueFormat = kDivisionsOf10;
    Game.LeagueRound = 1;
    Game.LeagueTurn = 1;
    for (int day = 1; day <= 9; ++day)
        FinishLeagueDay();
    EXPECT_EQ(Game.LeagueTurn, 2);
    EXPECT_EQ(Game.LeagueRound, 1);
    EXPECT_FALSE(SeasonMatchesOver);
    for (int day = 1; day <= 9; ++day)
        FinishLeagueDay();
    EXPECT_TRUE(SeasonMatchesOver);

    Game.LeagueFormat = kDivisionsOf20;
    Game.LeagueTurn = 1;
    Game.LeagueRound = 19;
    FinishLeagueDay();
    EXPECT_EQ(Game.LeagueTurn, 2);
    EXPECT_EQ(Game.LeagueRound, 1);
}

TEST_F(DayProgressionTest, LeaguesWithHumanClubsOrShownArePlayedOnScreen)
{
    Game.DayKind = kKindNationalLeague;
    Leagues.push_back(TLeague{});
    Leagues[2].humanPresent = 1;
    Leagues[1].shown = 1;
    CurrentLeague = 0;
    EXPECT_EQ(LeagueCupAfterMatchday(), NextMatchday::PlayShown);
    EXPECT_EQ(LeagueCupAfterMatchday(), NextMatchday::PlayShown);
    EXPECT_EQ(CurrentLeague, 2);
    EXPECT_EQ(LeagueCupAfterMatchday(), NextMatchday::Results);
}

TEST_F(DayProgressionTest, ContinentalGroupsTwoTurnsThenLegs)
{
    Game.DayKind = kKindSecondContinentalCup;
    Game.SecondContinentalTurn = 1;
    Game.SecondContinentalStage = 1;
    Game.SecondContinentalLeg = 1;
    const int expected[][3] = {{2, 1, 1}, {3, 1, 1}, {1, 1, 2}, {2, 1, 2}, {3, 1, 2}, {4, 1, 2},
                               {4, 2, 2}, {5, 1, 2}, {5, 2, 2}, {6, 1, 2}, {6, 2, 2}, {7, 1, 2}, {7, 2, 2}, {8, 1, 2}};
    for (const auto& e : expected) {
        CurrentLeague = 1;
        EXPECT_EQ(LeagueCupAfterMatchday(), NextMatchday::PlayShown);  // the second edition
        EXPECT_EQ(LeagueCupAfterMatchday(), NextMatchday::Results);
        EXPECT_EQ(Game.SecondContinentalStage, e[0]);
        EXPECT_EQ(Game.SecondContinentalLeg, e[1]);
        EXPECT_EQ(Game.SecondContinentalTurn, e[2]);
    }
    EXPECT_EQ(Game.FirstContinentalStage, 0);
}

TEST_F(DayProgressionTest, StatesOneAfterAnotherThenStagesAndTurns)
{
    Game.DayKind = kKindStateChampionship;
    Game.StateTurn = 1;
    Game.StateStage = 5;
    for (int s : {3, 18, 25}) {
        StateChampionships[s].active = 1;
        StateChampionships[s].groupCount = 1;
    }
    StateChampionships[18].humanClubPresent = 1;
    CurrentState = 3;
    EXPECT_EQ(StateChampionshipAfterMatchday(), NextMatchday::PlayShown);
    EXPECT_EQ(CurrentState, 18);
    EXPECT_EQ(StateChampionshipAfterMatchday(), NextMatchday::PlaySilent);
    EXPECT_EQ(CurrentState, 25);
    EXPECT_EQ(StateChampionshipAfterMatchday(), NextMatchday::Results);
    EXPECT_EQ(Game.StateTurn, 2);
    EXPECT_EQ(Game.StateStage, 1);
    EXPECT_EQ(CurrentState, 25);  // the last state played stays (a human club plays in 18)

    for (TStateChampionship& s : StateChampionships)
        s.roundDone = 0;
    StateChampionships[18].humanClubPresent = 0;
    CurrentState = 25;
    StateChampionships[3].roundDone = StateChampionships[18].roundDone = 1;
    EXPECT_EQ(StateChampionshipAfterMatchday(), NextMatchday::Results);
    EXPECT_EQ(CurrentState, 25);  // SP is shown when no human club plays
    StateChampionships[25].active = 0;
    EXPECT_EQ(StateShownWithoutHumanClubs(), 18);
}

TEST_F(DayProgressionTest, StateFinalScoresKeptWithTheGroupWinnerFirst)
{
    Game.DayKind = kKindStateChampionship;
    Game.StateTurn = 2;
    StateChampionships[7].active = 1;
    StateChampionships[7].groupCount = 1;
    CurrentState = 7;
    Game.StateStage = 6;  // first leg at the runner-up's ground: 3-1 for the home side
    SetDayMatches({{1, 0, 3, 1}});
    StateChampionshipAfterMatchday();
    EXPECT_EQ(Game.StateStage, 7);
    StateChampionships[7].roundDone = 0;
    SetDayMatches({{0, 1, 2, 0}});  // second leg at the winner's ground
    StateChampionshipAfterMatchday();
    EXPECT_EQ(Game.StateStage, 8);
    const TStateChampionship& s = StateChampionships[7];
    EXPECT_EQ(s.finalGoals[0], 1);
    EXPECT_EQ(s.finalGoals[1], 3);
    EXPECT_EQ(s.finalGoals[2], 2);
    EXPECT_EQ(s.finalGoals[3], 0);
}

TEST_F(DayProgressionTest, FriendliesGoStraightToTheResults)
{
    Game.DayKind = kKindFriendlies;
    EXPECT_EQ(ProgressAfterMatchday(), NextMatchday::Results);
}

}  // namespace
}  // namespace tarvelon
