#include <gtest/gtest.h>

#include "core/records/match_records.h"
#include "core/match/substitutions.h"
#include "core/tables.h"

using namespace tarvelon;

namespace {

// A line-up that lost its keeper: ten outfield starters, all in defence, and a full bench.
class LostKeeperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameTables();
        Clubs.assign(2, TClub{});
        Players.assign(30, TPlayer{});
        for (int p = 1; p < 30; ++p) {
            Players[p].Club = 0;
            Players[p].Position = 2;
            Players[p].Strength = 50;
            Players[p].Energy = 90;
        }
        TLineup lineup{};
        const int defenceSlots[10] = {2, 3, 4, 5, 6, 7, 8, 9, 2, 3};
        for (int k = 0; k < 10; ++k) {
            lineup.starters[k] = 1 + k;
            lineup.pitchSlots[k] = defenceSlots[k];
            Players[1 + k].OnPitch = 1;
        }
        lineup.starters[10] = 11;  // the keeper, sent off
        lineup.pitchSlots[10] = 1;
        Players[11].Position = 0;
        for (int b = 0; b < 7; ++b)
            lineup.bench[b] = 12 + b;
        Players[12].Position = 0;  // a keeper on the bench
        Lineups.assign(1, lineup);
        LineupCount = 1;
        Matches.assign(kMatchSlots, jogos{});
        Matches[1].lineup[0] = 0;
        Matches[1].subsLeft[0] = 3;
        Matches[1].tick = 40;
    }
};

}  // namespace

TEST_F(LostKeeperTest, BenchKeeperStaysOnTheBenchWhenNobodyCanMakeRoom)
{
    const TLineup before = Lineups[0];
    const PlayerPair pair = AutoSubstitution(0, 1, 1);
    EXPECT_LE(pair.second, 0);
    EXPECT_EQ(Matches[1].subsLeft[0], 3);
    for (int b = 0; b < 7; ++b)
        EXPECT_EQ(Lineups[0].bench[b], before.bench[b]) << "bench place " << b + 1;
    EXPECT_FALSE(Players[12].OnPitch);
}

TEST_F(LostKeeperTest, BenchKeeperLeavesTheBenchWhenHeComesOn)
{
    Lineups[0].pitchSlots[9] = 20;  // a forward can make room for him
    const PlayerPair pair = AutoSubstitution(0, 1, 1);
    EXPECT_EQ(pair.first, 10);
    EXPECT_EQ(pair.second, 12);
    EXPECT_EQ(Matches[1].subsLeft[0], 2);
    EXPECT_EQ(Lineups[0].bench[0], -1);
    EXPECT_EQ(Lineups[0].starters[10], 12);
    EXPECT_TRUE(Players[12].OnPitch);
    EXPECT_FALSE(Players[10].OnPitch);
}
