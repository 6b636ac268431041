// The set-up's choices around the matches: headings, clock speed, the list of human matches, the
// day's globals, and the silent day of a state nobody watches.
#include <gtest/gtest.h>

#include "core/draws/state_championship.h"
#include "core/format/names.h"
#include "core/matchday_rules/end_of_matchday.h"
#include "core/matchday_rules/matchday_setup.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/season/competitions.h"
#include "core/season/competition_kind.h"
#include "tests/core/dayrules_world.h"

namespace tarvelon {
namespace {

using namespace dayrules;

class Setup : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildDayWorld(20, 11);
        matchdaytest::PrepareLineups();
    }
};

TEST_F(Setup, TheNationalCupHeadingNamesTheStageAndTheLeg)
{
    SetToday(4, kKindNationalCup);
    Game.NationalCupStage = 2;
    Game.NationalCupLeg = 2;
    AddFixtureToday(0, 1, kKindNationalCup, 0);
    MatchdayDayIndex = 1;
    SetupLeagueCupMatchday(kKindNationalCup);
    EXPECT_EQ(MatchdayDayIndex, 4);
    EXPECT_EQ(MatchdayRoundText, " - Oitavas de Final - 2º jogo");
    EXPECT_EQ(MatchdayHeading, "Copa " + CountryPhrase(29) + " - Oitavas de Final - 2º jogo");
    // a league nobody watches keeps the texts of the last shown one
    SilentMatchday = true;
    Game.NationalCupStage = 5;
    SetupLeagueCupMatchday(kKindNationalCup);
    EXPECT_EQ(MatchdayRoundText, " - Oitavas de Final - 2º jogo");
    EXPECT_EQ(MatchCount, 1);
    EXPECT_GT(Matches[1].attendance, 0);
}

TEST_F(Setup, TheClockRunsAtTheHumanSpeedOnlyWhenAHumanSideTakesPart)
{
    EXPECT_EQ(DayClockInterval(kKindNationalLeague), 100);
    EXPECT_EQ(DayClockInterval(kKindFriendlies), 800);
    Clubs[4].IsHuman = 1;
    Clubs[4].FirstContinentalEntry = 1;
    Clubs[4].Country = 11;  // a South American club
    Game.HumanClubCount = 1;
    Game.HumanClubs[0] = 4;
    for (int i = 1; i < 6; ++i)
        Game.HumanClubs[i] = -1;
    EXPECT_EQ(DayClockInterval(kKindNationalLeague), 800);
    CurrentLeague = kRegionSouthAmerica;
    EXPECT_EQ(DayClockInterval(kKindFirstContinentalCup), 800);
    CurrentLeague = kRegionEurope;
    EXPECT_EQ(DayClockInterval(kKindFirstContinentalCup), 100);
    EXPECT_EQ(DayClockInterval(kKindWorldCup), 100);
    Game.InstantPlay = 1;
    EXPECT_EQ(DayClockInterval(kKindFriendlies), 1);
}

TEST_F(Setup, AtMostSixMatchesAreListedAsHumanAndTheDayStartsAfresh)
{
    SetToday(6, kKindNationalLeague);
    Game.DayKind = kKindNationalLeague;
    for (int c = 0; c < 16; c += 2) {
        Clubs[c].IsHuman = 1;
        AddFixtureToday(c, c + 1, kKindNationalLeague, 0);
    }
    MatchdayHeading = "old";
    SetupMatchdayOfToday();
    EXPECT_EQ(MatchdayDayIndex, 6);
    EXPECT_EQ(MatchCount, 8);
    EXPECT_EQ(HumanMatchCount, 6);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(HumanMatches[i], i);
    EXPECT_NE(MatchdayHeading, "old");
    EXPECT_FALSE(SilentMatchday);
}

TEST_F(Setup, AStateNobodyWatchesIsPlayedSilentlyToTheEnd)
{
    TStateChampionship& state = StateChampionships[18];
    state.active = 1;
    state.groupCount = 1;
    for (int p = 0; p < 6; ++p)
        state.groups[0][p] = 1 + 3 * p;
    CurrentState = 18;
    SilentMatchday = true;
    SetToday(3, kKindStateChampionship);
    Game.StateStage = 1;
    AddFixtureToday(1, 4, kKindStateChampionship, 18);
    AddFixtureToday(7, 10, kKindStateChampionship, 18);
    AddFixtureToday(13, 16, kKindStateChampionship, 18);
    SimulateStateMatchdaySilent();
    EXPECT_EQ(state.roundDone, 1);
    for (const TFixture& f : Fixtures) {
        EXPECT_EQ(f.played, 1);
        EXPECT_GT(f.attendance, 0);
    }
    EXPECT_EQ(MatchReports.size(), 3u);
    EXPECT_EQ(MatchReports[0].region, 18);
    EXPECT_TRUE(MatchEvents.empty());
    ExpectTableAddsUp(kKindStateChampionship);
}

// Goals of a state match must be tallied under that state's championship and tier, the entry its
// top scorer and champion are looked up by; states 1 and 18 with tiers 1 and 2 tell the keys apart.
TEST_F(Setup, AStateMatchCountsForItsStateAndTier)
{
    Competitions = {TCompetition{}, {kKindStateChampionship, 1, 1}, {kKindStateChampionship, 2, 1},
                    {kKindStateChampionship, 18, 1}, {kKindStateChampionship, 18, 2}};
    TStateChampionship& state = StateChampionships[18];
    state.active = 1;
    state.groupCount = 2;
    for (int p = 0; p < 6; ++p) {
        state.groups[0][p] = 1 + p;
        state.groups[1][p] = 7 + p;
    }
    for (int club = 1; club <= 12; ++club) {
        Clubs[club].State = 18;
        Clubs[club].stateGroup = club <= 6 ? 1 : 2;
    }
    CurrentState = 18;
    SetToday(3, kKindStateChampionship);
    Game.StateStage = 1;
    AddFixtureToday(1, 2, kKindStateChampionship, 18);
    AddFixtureToday(7, 8, kKindStateChampionship, 18);
    SetupStateMatchday();
    ASSERT_EQ(MatchCount, 2);
    EXPECT_EQ(Matches[1].competition, 3);
    EXPECT_EQ(Matches[2].competition, 4);
    EXPECT_EQ(Matches[1].competition, FindCompetition(kKindStateChampionship, -1, -1, 1, 18));
}

TEST_F(Setup, ADayWithNothingToPlayBuildsNoMatch)
{
    SetToday(9, kKindNationalLeague);
    SetupLeagueCupMatchday(kKindNationalLeague);
    EXPECT_EQ(MatchCount, 0);
    EndOfMatchday();
    EXPECT_TRUE(MatchReports.empty());
    SetToday(9, kKindFriendlies);
    SetupFriendliesMatchday();
    EXPECT_EQ(MatchCount, 0);
    Game.TournamentStage = 9;
    SetupWorldCupMatchday();
    EXPECT_EQ(MatchCount, 0);
}

}  // namespace
}  // namespace tarvelon
