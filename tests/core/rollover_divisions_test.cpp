// Promotion and relegation at the end of a season: the divisions rebuilt from their final orders,
// the regional newcomers, the regional fourth division and the coaches of the newcomers.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/basics/random.h"
#include "core/rollover/divisions.h"
#include "tests/core/rollover_world.h"

using namespace tarvelon;
using namespace tarvelon::rollovertest;

namespace {

constexpr int kCountry = 11;
constexpr int kBrazil = 29;

class RolloverDivisions : public ::testing::Test {
protected:
    void SetUp() override { InstallStandInServices(log); }
    void TearDown() override { RemoveServices(); }

    // Division d (1-based), final place p (1-based) of league 0 before the rollover.
    int Final(int d, int p) const { return finals[d - 1][p - 1]; }
    void KeepFinals() { std::copy(&Leagues[0].finalOrder[0][0], &Leagues[0].finalOrder[0][0] + 80, &finals[0][0]); }
    std::vector<int> Division(int d) const
    {
        return std::vector<int>(Leagues[0].divisions[d - 1], Leagues[0].divisions[d - 1] + 20);
    }

    // Every club of the game is in exactly the division its record says, or in none with division 0.
    void ExpectEachClubInOneDivision(int size) const
    {
        std::vector<int> seen(Clubs.size(), 0);
        const TLeague& league = Leagues[0];
        for (int d = 1; d <= league.divisionCount; ++d)
            for (int p = 0; p < size; ++p) {
                const int club = league.divisions[d - 1][p];
                ASSERT_GE(club, 0);
                ++seen[static_cast<std::size_t>(club)];
                EXPECT_EQ(Clubs[static_cast<std::size_t>(club)].Division, d) << "club " << club;
                EXPECT_EQ(league.finalOrder[d - 1][p], club);
            }
        for (std::size_t club = 0; club < Clubs.size(); ++club) {
            EXPECT_LE(seen[club], 1) << "club " << club;
            if (seen[club] == 0) {
                EXPECT_EQ(Clubs[club].Division, 0) << "club " << club;
            }
        }
    }

    ServiceLog log;
    int finals[4][20]{};
};

}  // namespace

TEST(RolloverPromotionOrder, HigherLevelFirstThenHigherKey)
{
    const TPromotionCandidate strong{1, 20, 5}, weak{2, 10, 99}, lucky{3, 20, 50};
    EXPECT_LT(CompareClubsForPromotion(strong, weak), 0);
    EXPECT_GT(CompareClubsForPromotion(weak, strong), 0);
    EXPECT_LT(CompareClubsForPromotion(lucky, strong), 0);
    EXPECT_EQ(CompareClubsForPromotion(strong, strong), 0);
}

TEST_F(RolloverDivisions, NewcomersAreTheShuffledTopTenRegionalClubs)
{
    ResetRolloverGame(2);
    const std::vector<int> levels = {3, 12, 7, 1, 9, 11, 2, 8, 10, 5, 6, 4};  // all different
    AddLeague(kCountry, 1, 20, levels);
    AddClub(kCountry + 1, 0, 25);  // another country's regional club never comes up
    // The expected draw: a key per candidate in club order, the top ten by level, then the shuffle.
    RandSeed = 4242;
    for (std::size_t i = 0; i < levels.size(); ++i) Random(100);
    std::vector<int> byLevel;
    for (std::size_t i = 0; i < levels.size(); ++i) byLevel.push_back(20 + static_cast<int>(i));
    std::sort(byLevel.begin(), byLevel.end(), [](int a, int b) { return Clubs[a].Level > Clubs[b].Level; });
    int r[11];
    for (int p = 1; p <= 10; ++p) r[p] = byLevel[static_cast<std::size_t>(p - 1)];
    for (int p = 1; p <= 10; ++p) {
        const int q = Random(10) + 1;
        std::swap(r[p], r[q]);
    }

    RandSeed = 4242;
    const std::array<int, 2> newcomers = DrawRegionalNewcomers(kCountry);
    EXPECT_EQ(newcomers[0], r[1]);
    EXPECT_EQ(newcomers[1], r[2]);
    for (int club : newcomers) {
        EXPECT_EQ(Clubs[club].boardConfidence, 100);
        EXPECT_EQ(Clubs[club].SupportersMood, 100);
    }
}

TEST_F(RolloverDivisions, OneDivisionOfTwentyLosesItsLastTwoToTheNewcomers)
{
    ResetRolloverGame(2);
    AddLeague(kCountry, 1, 20, {5, 6});
    std::reverse(Leagues[0].finalOrder[0], Leagues[0].finalOrder[0] + 20);  // the table turned upside down
    KeepFinals();
    RandSeed = 7;
    RollOverDivisions(0);
    const std::vector<int> d1 = Division(1);
    for (int p = 1; p <= 18; ++p) EXPECT_EQ(d1[p - 1], Final(1, p));
    const std::set<int> newcomers{d1[18], d1[19]};
    EXPECT_EQ(newcomers, (std::set<int>{20, 21}));
    EXPECT_EQ(Clubs[Final(1, 19)].Division, 0);
    EXPECT_EQ(Clubs[Final(1, 20)].Division, 0);
    for (int club : newcomers)
        EXPECT_TRUE(std::equal(std::begin(Clubs[club].SectorPrices), std::end(Clubs[club].SectorPrices),
                               std::begin(DefaultTicketPrices[1].sectors)));
    ExpectEachClubInOneDivision(20);
    EXPECT_EQ(Game.LeagueRound, 1);
    EXPECT_EQ(Game.LeagueTurn, 1);
}

TEST_F(RolloverDivisions, FourDivisionsOfTwentySwapFourClubsAtEachBorder)
{
    ResetRolloverGame(2);
    AddLeague(kCountry, 4, 20, {1, 2, 3});
    KeepFinals();
    RollOverDivisions(0);
    for (int d = 1; d <= 4; ++d) {
        const std::vector<int> now = Division(d);
        for (int p = 1; p <= 4; ++p) EXPECT_EQ(now[p - 1], d == 1 ? Final(1, p) : Final(d - 1, 16 + p));
        for (int p = 5; p <= 16; ++p) EXPECT_EQ(now[p - 1], Final(d, p));
        if (d < 4) {
            for (int p = 17; p <= 20; ++p) EXPECT_EQ(now[p - 1], Final(d + 1, p - 16));
        }
    }
    const std::vector<int> d4 = Division(4);
    EXPECT_EQ(d4[16], Final(4, 17));
    EXPECT_EQ(d4[17], Final(4, 18));
    EXPECT_EQ(Clubs[Final(4, 19)].Division, 0);
    EXPECT_EQ(Clubs[Final(4, 20)].Division, 0);
    ExpectEachClubInOneDivision(20);
}

TEST_F(RolloverDivisions, TwoDivisionsOfTenSwapTwoClubs)
{
    ResetRolloverGame(4);
    AddLeague(kCountry, 2, 10, {8, 9});
    KeepFinals();
    RollOverDivisions(0);
    const std::vector<int> d1 = Division(1), d2 = Division(2);
    for (int p = 1; p <= 8; ++p) EXPECT_EQ(d1[p - 1], Final(1, p));
    EXPECT_EQ(d1[8], Final(2, 1));
    EXPECT_EQ(d1[9], Final(2, 2));
    EXPECT_EQ(d2[0], Final(1, 9));
    EXPECT_EQ(d2[1], Final(1, 10));
    for (int p = 3; p <= 8; ++p) EXPECT_EQ(d2[p - 1], Final(2, p));
    EXPECT_EQ((std::set<int>{d2[8], d2[9]}), (std::set<int>{20, 21}));
    EXPECT_EQ(Clubs[Final(2, 9)].Division, 0);
    EXPECT_EQ(Clubs[Final(2, 10)].Division, 0);
    EXPECT_EQ(d1[10], -1);  // slots past a division of ten are untouched
    ExpectEachClubInOneDivision(10);
}

// A country with fewer clubs than places leaves holes in its lowest division; the day's tables rank
// the clubs listed and fill the places after them with 0. Those places move up and down as holes:
// club 0 is not listed in them.
TEST_F(RolloverDivisions, ADivisionsHolesStayHolesThroughTheTurn)
{
    ResetRolloverGame(4);
    AddLeague(kCountry, 2, 10, {});
    TLeague& league = Leagues[0];
    for (int p = 7; p < 10; ++p) {  // gone to another country: no regional newcomer either
        Clubs[static_cast<std::size_t>(league.divisions[1][p])].Country = kBrazil;
        league.divisions[1][p] = -1;
    }
    for (auto& order : league.finalOrder) std::fill(order + 10, order + kClubsPerDivision, 0);
    std::fill(league.finalOrder[1] + 7, league.finalOrder[1] + 10, 0);  // ranked: seven clubs, then 0
    RollOverDivisions(0);
    std::vector<int> listed;
    for (int d = 0; d < 2; ++d)
        for (int p = 0; p < 10; ++p)
            if (league.divisions[d][p] != -1) listed.push_back(league.divisions[d][p]);
    EXPECT_EQ(listed.size(), 17u);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(std::adjacent_find(listed.begin(), listed.end()), listed.end()) << "a club listed twice";
    EXPECT_EQ(std::count(std::begin(league.divisions[1]), std::end(league.divisions[1]), -1), 13);
}

TEST_F(RolloverDivisions, FourDivisionsOfTenChainTheirBorders)
{
    ResetRolloverGame(4);
    AddLeague(kCountry, 4, 10, {8, 9, 10});
    KeepFinals();
    RollOverDivisions(0);
    for (int d = 2; d <= 4; ++d) {
        const std::vector<int> now = Division(d);
        EXPECT_EQ(now[0], Final(d - 1, 9));
        EXPECT_EQ(now[1], Final(d - 1, 10));
        for (int p = 3; p <= 8; ++p) EXPECT_EQ(now[p - 1], Final(d, p));
        if (d < 4) {
            EXPECT_EQ(now[8], Final(d + 1, 1));
            EXPECT_EQ(now[9], Final(d + 1, 2));
        }
    }
    ExpectEachClubInOneDivision(10);
}

TEST_F(RolloverDivisions, OneRegionalCandidateTakesOnlyTheFirstPlace)
{
    ResetRolloverGame(2);
    AddLeague(kCountry, 1, 20, {7});
    KeepFinals();
    RollOverDivisions(0);
    const std::vector<int> d1 = Division(1);
    EXPECT_EQ(d1[18], 20);
    EXPECT_EQ(d1[19], Final(1, 20));  // no second newcomer: the 20th stays
    EXPECT_EQ(Clubs[Final(1, 19)].Division, 0);
    EXPECT_EQ(Clubs[Final(1, 20)].Division, 1);
    ExpectEachClubInOneDivision(20);
}

TEST_F(RolloverDivisions, NoRegionalCandidateKeepsTheLowestDivisionWhole)
{
    ResetRolloverGame(2);
    AddLeague(kCountry, 2, 20, {});
    KeepFinals();
    RollOverDivisions(0);
    EXPECT_EQ(Division(2)[18], Final(2, 19));
    EXPECT_EQ(Division(2)[19], Final(2, 20));
    ExpectEachClubInOneDivision(20);
}

TEST_F(RolloverDivisions, RegionalFourthDivisionAlwaysStartsWithThreeDivisions)
{
    ResetRolloverGame(2);
    Game.RegionalFourthDivision = 1;
    AddLeague(kBrazil, 4, 20, {4, 5});
    KeepFinals();
    RollOverDivisions(0);
    EXPECT_EQ(Leagues[0].divisionCount, 3);
    for (int p = 0; p < 20; ++p) {
        EXPECT_EQ(Leagues[0].divisions[3][p], -1);
        EXPECT_EQ(Leagues[0].finalOrder[3][p], -1);
    }
    for (int p = 5; p <= 20; ++p) EXPECT_EQ(Clubs[Final(4, p)].Division, 0);  // the old fourth division's stayers
    ExpectEachClubInOneDivision(20);

    ResetRolloverGame(2);  // another country keeps its fourth division
    Game.RegionalFourthDivision = 1;
    AddLeague(kCountry, 4, 20, {4, 5});
    RollOverDivisions(0);
    EXPECT_EQ(Leagues[0].divisionCount, 4);
}

TEST_F(RolloverDivisions, NewcomerWithoutCoachTakesARegionalClubsCoachAndStrayCoachesGoFree)
{
    ResetRolloverGame(2);
    AddLeague(kCountry, 1, 20, {9});
    const int newcomer = 20;
    const int newcomerCoach = Clubs[newcomer].coach;
    Clubs[newcomer].coach = -1;             // the newcomer has no coach ...
    Coaches[newcomerCoach].club = newcomer; // ... though its old coach still points at it
    Clubs[0].IsHuman = 1;
    Coaches[0].human = 1;
    Clubs[0].coach = -1;  // a human coach is never set free here
    KeepFinals();

    RollOverDivisions(0);
    // The first computer-run club of the game in division 0 with a named coach: the club that has
    // just gone down in 19th place.
    const int donor = Final(1, 19);
    ASSERT_EQ(Clubs[donor].Division, 0);
    EXPECT_EQ(log.dismissals, (std::vector<std::pair<int, int>>{{donor, donor}}));
    EXPECT_EQ(log.hirings, (std::vector<std::pair<int, int>>{{newcomer, donor}}));
    EXPECT_EQ(Clubs[newcomer].coach, donor);
    EXPECT_EQ(Coaches[newcomerCoach].club, -1);
    EXPECT_EQ(Coaches[newcomerCoach].active, 0);
    EXPECT_EQ(Coaches[0].club, 0);
}

TEST_F(RolloverDivisions, NewcomerWithACoachKeepsHim)
{
    ResetRolloverGame(2);
    AddLeague(kCountry, 1, 20, {9});
    RollOverDivisions(0);
    EXPECT_TRUE(log.dismissals.empty());
    EXPECT_TRUE(log.hirings.empty());
    EXPECT_EQ(Clubs[20].coach, 20);
}
