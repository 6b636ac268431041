// The matchday's settling (round blocks lifted, strength and age kept in range, suspensions served)
// reaches the players who need it, although it no longer walks every player with a club.
#include <gtest/gtest.h>

#include "core/club_rosters.h"
#include "core/match/computer_lineups.h"
#include "core/match/player_match_stats.h"
#include "tests/core/test_world.h"

namespace tarvelon {
namespace {

constexpr int kLeague = 1;

class MatchdaySettling : public ::testing::Test {
protected:
    void SetUp() override
    {
        testbuild::StartEmptyGame(1, 20);
        Game.DayKind = kLeague;
        club_ = testbuild::AppendClub(29, 1, 50);
        for (int i = 0; i < 4; ++i)
            players_.push_back(AppendOrdinaryPlayer());
        PlayerClubsChanged();
    }

    int AppendOrdinaryPlayer()
    {
        TPlayer p = testbuild::NumberedPlayer(club_, 3);
        p.Strength = 50;
        p.Age = 25;
        return testbuild::AppendPlayer(p);
    }

    int club_ = -1;
    std::vector<int> players_;
};

TEST_F(MatchdaySettling, TheFirstMatchdayOfAGameSettlesEveryone)
{
    // Records as a club file or a saved game may hold them: nobody marked them.
    Players[players_[0]].Bans[kLeague] = 2;
    Players[players_[1]].YellowCards[kLeague] = 3;
    Players[players_[2]].BlockedThisRound = 1;
    Players[players_[3]].Strength = 0;
    ClampAttributesAndServeSuspensions();
    EXPECT_EQ(Players[players_[0]].Bans[kLeague], 1);
    EXPECT_EQ(Players[players_[1]].YellowCards[kLeague], 0);
    EXPECT_EQ(Players[players_[2]].BlockedThisRound, 0);
    EXPECT_EQ(Players[players_[3]].Strength, 1);
    ClampAttributesAndServeSuspensions();
    EXPECT_EQ(Players[players_[0]].Bans[kLeague], 0) << "a ban of two matches is served over two matchdays";
}

TEST_F(MatchdaySettling, CardsOfAMatchAreServedOnTheMatchdaysAfterIt)
{
    ClampAttributesAndServeSuspensions();  // the game's first matchday: nothing to settle
    const int sentOff = players_[0];
    const int booked = players_[1];
    RecordPlayerStat(sentOff, club_, 1, "cv");
    for (int card = 0; card < 3; ++card)
        RecordPlayerStat(booked, club_, 1, "ca");
    const int ban = Players[sentOff].Bans[kLeague];
    ASSERT_GT(ban, 0);
    for (int served = 1; served <= ban; ++served) {
        ClampAttributesAndServeSuspensions();
        EXPECT_EQ(Players[sentOff].Bans[kLeague], ban - served);
    }
    EXPECT_EQ(Players[booked].YellowCards[kLeague], 0);
    ClampAttributesAndServeSuspensions();
    EXPECT_EQ(Players[sentOff].Bans[kLeague], 0);
}

TEST_F(MatchdaySettling, APlayerWithoutAClubKeepsHisBanUntilHeJoinsOne)
{
    ClampAttributesAndServeSuspensions();
    const int player = players_[0];
    RecordPlayerStat(player, club_, 1, "cv");
    const int ban = Players[player].Bans[kLeague];
    Players[player].Club = -1;
    PlayerClubChanged(player, club_);
    ClampAttributesAndServeSuspensions();
    EXPECT_EQ(Players[player].Bans[kLeague], ban);
    Players[player].Club = club_;
    PlayerClubChanged(player, -1);
    ClampAttributesAndServeSuspensions();
    EXPECT_EQ(Players[player].Bans[kLeague], ban - 1);
}

TEST_F(MatchdaySettling, PlayersAddedDuringTheSeasonAreBroughtIntoRange)
{
    ClampAttributesAndServeSuspensions();
    TPlayer youth = testbuild::NumberedPlayer(club_, 4);
    youth.Strength = 130;
    youth.Age = 12;
    const int added = testbuild::AppendPlayer(youth);
    PlayerClubsChanged();
    ClampAttributesAndServeSuspensions();
    EXPECT_EQ(Players[added].Strength, 100);
    EXPECT_EQ(Players[added].Age, 16);
}

}  // namespace
}  // namespace tarvelon
