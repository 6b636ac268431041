// The zone ratings of hand-made line-ups, rule by rule.
#include "core/vocab/tactics_board.h"
#include "tests/core/match_engine_fixture.h"

namespace tarvelon::testing {
namespace {

class LineupRatings : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetTestGame(11);
        AddClub("Clube");
        L = AddEmptyLineup();
    }
    const TLineup& lineup() const { return Lineups[L]; }
    int L = -1;
};

TEST_F(LineupRatings, LoneMidfielderRatesHisZoneAndTheEmptyDefenceCutsEverything)
{
    PlaceStarter(L, 1, AddTestPlayer(3, 80), 12);
    ComputeLineupRatings(L);
    for (int z = 1; z <= 12; ++z) {
        EXPECT_EQ(lineup().attack[z - 1], z == 5 ? 8 : 0) << z;
        EXPECT_EQ(lineup().defence[z - 1], z == 5 ? 8 : 0) << z;
    }
    EXPECT_EQ(lineup().keeper, 0);
}

TEST_F(LineupRatings, TwoCentreBacksLeaveTheRatingsUncut)
{
    PlaceStarter(L, 1, AddTestPlayer(2, 50), 4);
    PlaceStarter(L, 2, AddTestPlayer(2, 40), 7);
    PlaceStarter(L, 3, AddTestPlayer(3, 80), 11);
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().defence[1], 90);  // zone 2: both centre backs
    EXPECT_EQ(lineup().attack[4], 80);   // zones 5 and 6: the midfielder
    EXPECT_EQ(lineup().attack[5], 80);
    EXPECT_EQ(lineup().defence[0], 0);
}

TEST_F(LineupRatings, OutOfPositionCountsSeventyPercentAndSharesRoundHalfToEven)
{
    PlaceStarter(L, 1, AddTestPlayer(2, 50), 4);
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 7);
    PlaceStarter(L, 3, AddTestPlayer(4, 80), 12);      // a forward in midfield: round(56)
    PlaceStarter(L, 4, AddTestPlayer(3, 81, 50), 15);  // 40.5 rounds to 40
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().attack[4], 56);
    EXPECT_EQ(lineup().attack[7], 40);
}

TEST_F(LineupRatings, OutfieldPlayerInGoalCutsTheSumsAsTheyStandWhenHisPlaceIsReached)
{
    int outfieldKeeper = AddTestPlayer(3, 60, 50);
    // Keeper last: the defence before him is cut.
    PlaceStarter(L, 1, AddTestPlayer(2, 50), 4);
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 7);
    PlaceStarter(L, 11, outfieldKeeper, 1);
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().keeper, 3);       // round(30 * 0.1)
    EXPECT_EQ(lineup().defence[1], 5);   // 100 * 0.05

    // Keeper first: the defenders after him add their full share.
    Lineups[L] = TLineup{};
    PlaceStarter(L, 1, outfieldKeeper, 1);
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 4);
    PlaceStarter(L, 3, AddTestPlayer(2, 50), 7);
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().keeper, 3);
    EXPECT_EQ(lineup().defence[1], 100);
}

TEST_F(LineupRatings, PlayersOffThePitchCountNowhereNotEvenInGoal)
{
    int keeper = AddTestPlayer(0, 70);
    PlaceStarter(L, 1, AddTestPlayer(2, 50), 4);
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 7);
    PlaceStarter(L, 11, keeper, 1);
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().keeper, 70);
    Players[keeper].OnPitch = 0;  // sent off
    Players[Lineups[L].starters[0]].OnPitch = 0;
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().keeper, 0);
    EXPECT_EQ(lineup().defence[1], 3);  // one centre back left: n = 1 cuts 50 * 0.3, then zone 2 * 0.2
}

TEST_F(LineupRatings, EmptyPlacesAndSlotsOffTheBoardAreSkipped)
{
    PlaceStarter(L, 1, AddTestPlayer(2, 50), 4);
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 7);
    Lineups[L].starters[2] = 0;
    Lineups[L].pitchSlots[2] = 12;
    Lineups[L].starters[3] = -3;
    Lineups[L].pitchSlots[3] = 12;
    PlaceStarter(L, 5, AddTestPlayer(3, 90), 0);
    PlaceStarter(L, 6, AddTestPlayer(3, 90), 31);
    Lineups[L].starters[6] = 999999;  // no such player
    Lineups[L].pitchSlots[6] = 12;
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().attack[4], 0);
    EXPECT_EQ(lineup().defence[1], 100);
    EXPECT_EQ(FormatFormation(L), "2-0-0");
}

TEST_F(LineupRatings, FourDefendersAcrossTheBackCutKeeperGoalRowAndAttack)
{
    PlaceStarter(L, 1, AddTestPlayer(2, 50), 3);  // zones 2, 3
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 4);  // zone 2
    PlaceStarter(L, 3, AddTestPlayer(2, 50), 5);  // zones 2, 1
    PlaceStarter(L, 4, AddTestPlayer(2, 50), 6);  // zones 2, 3
    PlaceStarter(L, 5, AddTestPlayer(3, 50), 12); // zone 5
    PlaceStarter(L, 11, AddTestPlayer(0, 50), 1);
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().keeper, 45);
    EXPECT_EQ(lineup().defence[1], 140);  // 200 * 0.7
    EXPECT_EQ(lineup().defence[0], 35);   // 50 * 0.7
    EXPECT_EQ(lineup().defence[4], 50);   // zone 5 keeps its defence
    EXPECT_EQ(lineup().attack[4], 35);    // every attack * 0.7
}

TEST_F(LineupRatings, CrowdedAttackAndMidfieldAreCut)
{
    PlaceStarter(L, 1, AddTestPlayer(2, 50), 4);
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 7);
    for (int i = 0; i < 4; ++i)
        PlaceStarter(L, 3 + i, AddTestPlayer(4, 50), 20 + i);  // zones 11 (x4), 10, 12
    ComputeLineupRatings(L);
    EXPECT_EQ(lineup().attack[10], 60);   // 200 * 0.3
    EXPECT_EQ(lineup().defence[10], 80);  // 200 * 0.4
    EXPECT_EQ(lineup().defence[1], 40);   // 100 * 0.4

    Lineups[L] = TLineup{};
    PlaceStarter(L, 1, AddTestPlayer(2, 50), 4);
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 7);
    int slots[6] = {10, 11, 12, 13, 14, 15};
    for (int i = 0; i < 6; ++i)
        PlaceStarter(L, 3 + i, AddTestPlayer(3, 50), slots[i]);
    ComputeLineupRatings(L);
    // Zone 5 (slots 11, 12, 13): 150 halved for the crowded centre, halved again for the crowded midfield.
    EXPECT_EQ(lineup().defence[4], 38);
    EXPECT_EQ(lineup().attack[4], 150);
}

// After a play the engine refreshes the ratings: a changed starter or slot is seen on its own, a
// changed player once it is reported; nothing changed, nothing is recomputed.
TEST_F(LineupRatings, RefreshSeesChangedStartersSlotsAndReportedPlayers)
{
    const int back = AddTestPlayer(2, 50);
    PlaceStarter(L, 1, back, 4);
    PlaceStarter(L, 2, AddTestPlayer(2, 50), 7);
    PlaceStarter(L, 3, AddTestPlayer(3, 80), 12);
    ComputeLineupRatings(L);
    RefreshLineupRatings(L);
    EXPECT_EQ(lineup().attack[4], 80);

    Lineups[L].pitchSlots[2] = 15;  // the midfielder moves from zone 5 to zone 8
    RefreshLineupRatings(L);
    EXPECT_EQ(lineup().attack[4], 0);
    EXPECT_EQ(lineup().attack[7], 80);

    const int midfielder = AddTestPlayer(3, 60);
    PlaceStarter(L, 3, midfielder, 15);  // another midfielder in his place
    RefreshLineupRatings(L);
    EXPECT_EQ(lineup().attack[7], 60);

    Players[midfielder].Strength = 70;
    AllLineupRatingInputsChanged();
    RefreshLineupRatings(L);
    EXPECT_EQ(lineup().attack[7], 70);

    Players[back].Energy = 50;
    LineupRatingInputsChanged(L);
    RefreshLineupRatings(L);
    EXPECT_EQ(lineup().defence[1], 75);  // zone 2: 25 + 50
}

TEST_F(LineupRatings, FormationTextCountsDefenceMidfieldAndAttack)
{
    for (int formation = 1; formation <= FormationCount; ++formation) {
        Lineups[L] = TLineup{};
        for (int place = 1; place <= 11; ++place)
            PlaceStarter(L, place == 1 ? 11 : place - 1, AddTestPlayer(3, 50), FormationSlots[formation][place]);
        EXPECT_EQ(FormatFormation(L), FormationNames[formation]) << formation;
    }
    // Formation 4 ("4-4-2"): the goalkeeper sent off, a defender put in goal, a forward sent off.
    Lineups[L] = TLineup{};
    for (int place = 1; place <= 11; ++place)
        PlaceStarter(L, place == 1 ? 11 : place - 1, AddTestPlayer(3, 50), FormationSlots[4][place]);
    ASSERT_EQ(Lineups[L].pitchSlots[6], 2);
    ASSERT_EQ(Lineups[L].pitchSlots[0], 22);
    Players[Lineups[L].starters[10]].OnPitch = 0;
    Lineups[L].pitchSlots[6] = 1;
    Players[Lineups[L].starters[0]].OnPitch = 0;
    EXPECT_EQ(FormatFormation(L), "3-4-1");
}

}  // namespace
}  // namespace tarvelon::testing
