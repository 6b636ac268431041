// The crowd of a club match: the rules of each competition, the stadium's limits, the ticket prices
// of a human club, and arithmetic that never wraps round.
#include <gtest/gtest.h>

#include <limits>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/matchday_rules/attendance.h"
#include "tests/core/dayrules_world.h"

namespace tarvelon {
namespace {

using dayrules::BuildDayWorld;

constexpr int kHome = 3;
constexpr int kAway = 4;

class Attendance : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildDayWorld(20, 4242);
        Game.LeagueRound = 3;
        Game.LeagueTurn = 1;
        Clubs[kHome].SupportersMood = 60;
    }
};

TEST_F(Attendance, LeagueCrowdOfAKnownClubWithAFixedSeedAndItsGate)
{
    RandSeed = 77;
    const SectorCrowd crowd = LeagueAttendance(kHome, kAway);
    // P = Random(20) + 60 x 0.8 per sector, then 15 % more in sectors 1 and 2 for a stronger visitor
    EXPECT_EQ(crowd, (SectorCrowd{6118, 21252, 1530, 360}));
    EXPECT_EQ(TotalAttendance(crowd), crowd[0] + crowd[1] + crowd[2] + crowd[3]);
    // first-division reference prices 10, 15, 25 and 80
    EXPECT_EQ(MatchGate(kHome, crowd), 6118 * 10 + 21252 * 15 + 1530 * 25 + 360 * 80);
}

TEST_F(Attendance, EveryCompetitionWithAFixedSeed)
{
    Game.NationalCupStage = 3;
    Game.StateStage = 2;
    Game.FirstContinentalStage = 5;
    Game.SecondContinentalStage = 2;
    CurrentLeague = 1;
    const int kinds[] = {0, 2, 3, 4, 6};
    std::vector<SectorCrowd> crowds;
    for (int kind : kinds) {
        RandSeed = 1000 + kind;
        crowds.push_back(AttendanceOfKind(kind, kHome, kAway));
    }
    EXPECT_EQ(crowds, (std::vector<SectorCrowd>{
                          {1805, 7000, 570, 132}, {8740, 25480, 2700, 558}, {7220, 24920, 2940, 462},
                          {6840, 18200, 2280, 462}, {2660, 8400, 780, 204}}));
    for (int kind : {5, 7, 8, 9})
        EXPECT_EQ(AttendanceOfKind(kind, kHome, kAway), SectorCrowd{});
}

TEST_F(Attendance, NeverAboveTheSeatsAndAtLeastTheMinimums)
{
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed = seed;
        const int home = static_cast<int>(seed % 20);
        const int away = static_cast<int>((seed * 7 + 3) % 20);
        Clubs[home].SupportersMood = static_cast<int>(seed % 101);
        for (int kind : {0, 1, 2, 3, 4, 6}) {
            const SectorCrowd crowd = AttendanceOfKind(kind, home, away);
            for (int s = 0; s < 4; ++s) {
                EXPECT_GE(crowd[s], 0);
                // the minimums may fill a small sector beyond its seats; a large one never overflows
                if (Clubs[home].SectorSeats[s] >= 300) {
                    EXPECT_LE(crowd[s], Clubs[home].SectorSeats[s]) << "kind " << kind << " sector " << s + 1;
                }
            }
            EXPECT_GE(crowd[0], 50);
            EXPECT_GE(crowd[1], 50);
        }
    }
}

TEST_F(Attendance, ATinySectorStillReportsTheMinimumCrowd)
{
    Clubs[kHome].SectorSeats[0] = 20;
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        RandSeed = seed;
        const int sector1 = LeagueAttendance(kHome, kAway)[0];
        EXPECT_GE(sector1, 50);
        EXPECT_LT(sector1, 150);
    }
}

TEST_F(Attendance, AHumanClubsCheaperTicketsBringSixtyPerCentMoreUpToTheSeats)
{
    Clubs[kHome].SectorSeats[1] = 100000;
    RandSeed = 5;
    const int reference = LeagueAttendance(kHome, kAway)[1];
    Clubs[kHome].IsHuman = 1;
    Clubs[kHome].SectorPrices[1] = TicketPrices[1].sectors[1] - 5;
    RandSeed = 5;
    EXPECT_EQ(LeagueAttendance(kHome, kAway)[1], reference + Round(reference * 0.12 * 5));
    Clubs[kHome].SectorPrices[1] = TicketPrices[1].sectors[1] - 20;  // 240 % more: the stadium is the limit
    RandSeed = 5;
    EXPECT_EQ(LeagueAttendance(kHome, kAway)[1], 100000);
}

TEST_F(Attendance, AHumanClubsDearTicketsEmptyTheSectorDownToTheMinimum)
{
    Clubs[kHome].IsHuman = 1;
    Clubs[kHome].SectorPrices[1] = TicketPrices[1].sectors[1] + 50;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        RandSeed = seed;
        const int sector2 = LeagueAttendance(kHome, kAway)[1];
        EXPECT_GE(sector2, 50);  // emptied to 0, then the minimum 50 + Random(200)
        EXPECT_LT(sector2, 250);
    }
}

TEST_F(Attendance, TheFirstRoundOfTheSeasonIgnoresTheMood)
{
    Game.LeagueRound = 1;
    Clubs[kHome].SupportersMood = 0;
    RandSeed = 9;
    const SectorCrowd gloomy = LeagueAttendance(kHome, kAway);
    Clubs[kHome].SupportersMood = 100;
    RandSeed = 9;
    EXPECT_EQ(LeagueAttendance(kHome, kAway), gloomy);
    Game.LeagueRound = 2;
    RandSeed = 9;
    EXPECT_NE(LeagueAttendance(kHome, kAway), gloomy);
}

TEST_F(Attendance, ANationalCupTieOfNoDivisionRuleUsesTheMood)
{
    Game.LeagueFormat = kDivisionsOf20;
    Clubs[kHome].Division = 3;
    Clubs[kAway].Division = 3;
    Game.NationalCupStage = 5;
    Clubs[kHome].SupportersMood = 0;
    Clubs[kHome].SectorSeats[1] = 10000;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        RandSeed = seed;
        EXPECT_LE(NationalCupAttendance(kHome, kAway)[1], 2900) << "Random(30) per cent of 10000 at mood 0";
    }
    Clubs[kAway].Division = 1;  // a first-division visitor fills it: 100 % at the final
    RandSeed = 1;
    EXPECT_EQ(NationalCupAttendance(kHome, kAway)[1], 10000);
}

TEST_F(Attendance, HugeStadiumsAndPricesNeverWrapRound)
{
    TClub& home = Clubs[kHome];
    home.IsHuman = 1;
    for (int s = 0; s < 4; ++s) {
        home.SectorSeats[s] = std::numeric_limits<std::int32_t>::max();
        home.SectorPrices[s] = -1000000;  // far below the reference
    }
    Clubs[kHome].Division = 1;
    for (int kind : {0, 1, 2, 3, 4, 6}) {
        RandSeed = 3;
        const SectorCrowd crowd = AttendanceOfKind(kind, kHome, kAway);
        for (int s = 0; s < 4; ++s)
            EXPECT_GE(crowd[s], 0);
        EXPECT_EQ(TotalAttendance(crowd), std::numeric_limits<std::int32_t>::max());
    }
    for (int s = 0; s < 4; ++s)
        home.SectorPrices[s] = 1000000;
    const SectorCrowd full{2000000000, 2000000000, 2000000000, 2000000000};
    EXPECT_EQ(MatchGate(kHome, full), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(MatchGate(-1, full), 0);
    // Every sector full at the largest price a saved game holds: the four sectors' takings together
    // passed 64 bits.
    const SectorCrowd fullest{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX};
    for (int s = 0; s < 4; ++s)
        home.SectorPrices[s] = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(MatchGate(kHome, fullest), std::numeric_limits<std::int32_t>::max());
    for (int s = 0; s < 4; ++s)
        home.SectorPrices[s] = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(MatchGate(kHome, fullest), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(AttendanceOfKind(1, 999, kAway), SectorCrowd{});
}

}  // namespace
}  // namespace tarvelon
