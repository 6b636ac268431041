#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/season/pairing.h"

namespace tarvelon {
namespace {

using PairingFn = TPairing (*)(int, int, int);

TEST(Pairing20, TheFirstTwoRoundsAsListed)
{
    const TPairing round1[10] = {{1, 20}, {2, 19}, {3, 18}, {4, 17}, {5, 16},
                                 {6, 15}, {7, 14}, {8, 13}, {9, 12}, {10, 11}};
    const TPairing round2[10] = {{20, 11}, {12, 10}, {13, 9}, {14, 8}, {15, 7},
                                 {16, 6},  {17, 5},  {18, 4}, {19, 3}, {1, 2}};
    for (int m = 1; m <= 10; ++m) {
        EXPECT_EQ(GetPairing20(1, 1, m), round1[m - 1]) << m;
        EXPECT_EQ(GetPairing20(2, 1, m), round2[m - 1]) << m;
    }
}

TEST(Pairing20, TheSecondLegIsPlayedAtTheOtherGround)
{
    EXPECT_EQ(GetPairing20(3, 1, 2), (TPairing{3, 1}));
    EXPECT_EQ(GetPairing20(3, 2, 2), (TPairing{1, 3}));
}

// Every club plays once per round, and over the rounds every club meets every other exactly once,
// as often at home in the first leg as the return match puts him away.
void ExpectRoundRobin(PairingFn pairing, int clubs)
{
    std::set<std::pair<int, int>> met;
    for (int round = 1; round < clubs; ++round) {
        std::set<int> playing;
        for (int m = 1; m <= clubs / 2; ++m) {
            const TPairing p = pairing(round, 1, m);
            ASSERT_GE(p.home, 1);
            ASSERT_LE(p.home, clubs);
            ASSERT_GE(p.away, 1);
            ASSERT_LE(p.away, clubs);
            EXPECT_TRUE(playing.insert(p.home).second) << "round " << round;
            EXPECT_TRUE(playing.insert(p.away).second) << "round " << round;
            EXPECT_TRUE(met.insert({std::min(p.home, p.away), std::max(p.home, p.away)}).second);
            EXPECT_EQ(pairing(round, 2, m), (TPairing{p.away, p.home}));
        }
        EXPECT_EQ(static_cast<int>(playing.size()), clubs);
    }
    EXPECT_EQ(static_cast<int>(met.size()), clubs * (clubs - 1) / 2);
}

TEST(Pairing, CircleTablesAreFullRoundRobins)
{
    ExpectRoundRobin(GetPairing20, 20);
    ExpectRoundRobin(GetPairing10, 10);
    ExpectRoundRobin(GetPairing6, 6);
    ExpectRoundRobin(GetPairing4, 4);
}

TEST(Pairing4, FixedGroupTable)
{
    EXPECT_EQ(GetPairing4(1, 1, 1), (TPairing{1, 2}));
    EXPECT_EQ(GetPairing4(1, 1, 2), (TPairing{3, 4}));
    EXPECT_EQ(GetPairing4(2, 1, 2), (TPairing{4, 2}));
    EXPECT_EQ(GetPairing4(3, 1, 1), (TPairing{4, 1}));
    EXPECT_EQ(GetPairing4(3, 2, 1), (TPairing{1, 4}));
    EXPECT_EQ(GetPairing4(3, 7, 2), (TPairing{3, 2}));  // any leg but 1 swaps
}

TEST(Pairing, RoundsAndMatchesOutsideTheTableGiveNoPlaces)
{
    EXPECT_EQ(GetPairing20(20, 1, 1), TPairing{});
    EXPECT_EQ(GetPairing10(1, 1, 6), TPairing{});
    EXPECT_EQ(GetPairing6(0, 1, 1), TPairing{});
    EXPECT_EQ(GetPairing4(4, 1, 1), TPairing{});
    EXPECT_EQ(GetPairing4(1, 1, 0), TPairing{});
}

}  // namespace
}  // namespace tarvelon
