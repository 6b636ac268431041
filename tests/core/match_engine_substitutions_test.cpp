// Substitutes for a starter or a pitch slot, and the computer clubs' own changes.
#include <algorithm>

#include "core/match/match_events_codes.h"
#include "core/match/player_picks.h"
#include "core/match/substitutions.h"
#include "tests/core/match_engine_fixture.h"

namespace tarvelon::testing {
namespace {

// A hand-made 4-4-2 line-up (formation slots 1, 22, 24, 11, 13, 14, 16, 2, 9, 6, 8) with a bench of
// a keeper, a full back, a centre back, two midfielders and two forwards.
class Substitutions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetTestGame(41);
        club = AddClub("Clube");
        AddClub("Outro");
        L = AddEmptyLineup();
        Clubs[club].LineupIndex = L;
        const int slots[11] = {22, 24, 11, 13, 14, 16, 2, 9, 6, 8, 1};
        const int positions[11] = {4, 4, 3, 3, 3, 3, 1, 1, 2, 2, 0};
        for (int k = 1; k <= 11; ++k)
            PlaceStarter(L, k, AddTestPlayer(positions[k - 1], 60, 100, 25, club), slots[k - 1]);
        const int benchPositions[7] = {0, 1, 2, 3, 3, 4, 4};
        for (int b = 0; b < 7; ++b)
            Lineups[L].bench[b] = AddTestPlayer(benchPositions[b], 55, 100, 25, club);
        ResetMatchday(1);
        Matches[1].club[0] = club;
        Matches[1].club[1] = 1;
        Matches[1].lineup[0] = L;
        Matches[1].lineup[1] = -1;
        Matches[1].subsLeft[0] = 3;
    }
    TLineup& lineup() { return Lineups[L]; }
    int club = -1;
    int L = -1;
};

TEST_F(Substitutions, ReplacementOfTheSamePositionStaysOnTheBenchUntilHeComesOn)
{
    int off = lineup().starters[8];  // a centre back
    int on = AutoSubstitute(L, off);
    EXPECT_EQ(on, lineup().bench[2]);
    EXPECT_EQ(lineup().bench[2], on);  // still on the bench
    EXPECT_EQ(AutoSubstitute(L, lineup().bench[0]), -1);  // not a starter
    EXPECT_EQ(AutoSubstitute(L, lineup().starters[0]), lineup().bench[5]);
    EXPECT_EQ(AutoSubstitute(L, lineup().starters[10]), lineup().bench[0]);
    Players[off].OnPitch = 0;
    BringOn(L, off, on);
    EXPECT_EQ(lineup().bench[2], -1);
    EXPECT_EQ(lineup().starters[8], on);
    EXPECT_EQ(lineup().pitchSlots[8], 6);
    EXPECT_TRUE(Players[on].OnPitch);
    EXPECT_TRUE(Players[on].PlayedThisRound);
}

TEST_F(Substitutions, StandInsFollowTheSubstitutesOrderAndEmptyBenchPlacesAreSkipped)
{
    lineup().bench[2] = -1;  // no centre back left: a full back stands in
    lineup().bench[1] = 0;   // ... nor a full back: a midfielder
    EXPECT_EQ(AutoSubstitute(L, lineup().starters[8]), lineup().bench[3]);
    std::fill(lineup().bench, lineup().bench + 7, -1);
    EXPECT_EQ(AutoSubstitute(L, lineup().starters[8]), -1);
}

TEST_F(Substitutions, SlotSearchDoesNotTakeAnyoneOffTheBenchWhenNobodyComesOff)
{
    for (int k = 1; k <= 6; ++k)
        Players[lineup().starters[k - 1]].OnPitch = 0;  // nobody left at slots 10..25
    const TLineup before = lineup();
    PlayerPair pair = AutoSubstituteForSlot(L, -1, 3, 1);
    EXPECT_EQ(pair.first, -1);
    EXPECT_EQ(pair.second, before.bench[2]);
    EXPECT_TRUE(std::equal(before.bench, before.bench + 7, lineup().bench));
}

TEST_F(Substitutions, SlotSearchTakesOffTheMostAdvancedPlayerAndLooksAtFourPositions)
{
    PlayerPair pair = AutoSubstituteForSlot(L, -1, 1, 1);
    EXPECT_EQ(pair.first, lineup().starters[1]);  // slot 24 is searched before 22
    EXPECT_EQ(pair.second, lineup().bench[0]);
    lineup().bench[0] = -1;  // no keeper: only centre back, full back, midfielder are tried
    pair = AutoSubstituteForSlot(L, -1, 1, 1);
    EXPECT_EQ(pair.second, lineup().bench[2]);
    PlayerPair untouched{7, 8};
    EXPECT_EQ(AutoSubstituteForSlot(L, lineup().bench[3], -1, -1, untouched).first, 7);  // not a starter
    EXPECT_EQ(AutoSubstituteForSlot(L, -1, 1, 0).first, -1);  // another mode takes nobody off
}

TEST_F(Substitutions, MissingKeeperIsReplacedByABenchKeeperInTheKeepersPlace)
{
    int keeper = lineup().starters[10];
    Players[keeper].OnPitch = 0;  // sent off
    PlayerPair change = AutoSubstitution(L, 1, 1);
    int forward = change.first;
    ASSERT_GT(forward, 0);
    EXPECT_EQ(lineup().starters[1], 0);  // the forward at slot 24 came off and his place was emptied
    EXPECT_EQ(change.second, lineup().starters[10]);
    EXPECT_EQ(Players[change.second].Position, 0);
    EXPECT_EQ(lineup().pitchSlots[10], 1);
    EXPECT_FALSE(Players[forward].OnPitch);
    EXPECT_EQ(Matches[1].subsLeft[0], 2);
    EXPECT_EQ(lineup().bench[0], -1);
    EXPECT_EQ(lineup().keeper, 0);  // the newcomer counts from the step's recomputation on
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().keeper, 55);
}

TEST_F(Substitutions, ThinDefenceGetsACentreBackAtSlotSixOrEight)
{
    Players[lineup().starters[8]].OnPitch = 0;  // both centre backs sent off: slots 6 and 8 still held
    Players[lineup().starters[9]].OnPitch = 0;
    EXPECT_EQ(AutoSubstitution(L, 1, 1).first, -1);  // the starters still hold their slots
    lineup().starters[8] = 0;
    lineup().starters[9] = 0;
    PlayerPair change = AutoSubstitution(L, 1, 1);
    ASSERT_GT(change.second, 0);
    int place = std::find(lineup().starters, lineup().starters + 11, change.second) - lineup().starters;
    EXPECT_EQ(lineup().pitchSlots[place], 6);
    EXPECT_EQ(Players[change.second].Position, 2);
}

TEST_F(Substitutions, TiredPlayersAreChangedAfterHalfTimeOnlyWithTwoChangesLeft)
{
    for (int k = 1; k <= 11; ++k)
        Players[lineup().starters[k - 1]].Energy = 50;
    Matches[1].tick = 92;
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(AutoSubstitution(L, 1, 1).first, -1);
    Matches[1].tick = 120;
    Matches[1].subsLeft[0] = 1;
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(AutoSubstitution(L, 1, 1).first, -1);
    Matches[1].subsLeft[0] = 3;
    PlayerPair change;
    for (int i = 0; i < 50 && change.first <= 0; ++i)
        change = AutoSubstitution(L, 1, 1);
    EXPECT_GT(change.first, 0);
    EXPECT_EQ(Matches[1].subsLeft[0], 2);
    Matches[1].subsLeft[0] = 0;
    for (int k = 1; k <= 11; ++k)
        Players[lineup().starters[k - 1]].OnPitch = 0;
    EXPECT_EQ(AutoSubstitution(L, 1, 1).first, -1);  // none left
}

TEST_F(Substitutions, ComputerSubstitutionIsRecordedAndCountsTheNewcomersGame)
{
    Players[lineup().starters[10]].OnPitch = 0;
    Matches[1].tick = 3;  // the step makes it tick 4
    Matches[1].sideInPossession = 1;
    Matches[1].ballZone = 5;
    int event = MatchStep(1);
    ASSERT_GE(event, 0);
    const TMatchEventEntry& e = MatchEvents[event];
    EXPECT_EQ(e.code, meSubstitution);
    EXPECT_EQ(e.club, club);
    EXPECT_EQ(e.second, lineup().starters[10]);
    EXPECT_EQ(e.tick, 4);
    EXPECT_EQ(Players[e.second].careerGames, 1);
}

}  // namespace
}  // namespace tarvelon::testing
