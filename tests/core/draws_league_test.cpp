#include <gtest/gtest.h>

#include <map>

#include "tests/core/draws_world.h"

namespace tarvelon {
namespace {

using namespace drawtest;

// Division of every league club as its league lists it; a club listed twice fails the test.
std::map<int, int> ListedDivisions()
{
    std::map<int, int> divisionOf;
    for (const TLeague& league : Leagues) {
        for (int d = 0; d < 4; ++d) {
            for (int club : league.divisions[d]) {
                if (club < 0)
                    continue;
                EXPECT_EQ(divisionOf.count(club), 0u) << "club " << club << " stands in two divisions";
                divisionOf[club] = d + 1;
            }
        }
    }
    return divisionOf;
}

TEST(DrawsLeague, DivisionCountsFollowTheClubCount)
{
    EXPECT_EQ(DivisionCountFor(82, true), 4);
    EXPECT_EQ(DivisionCountFor(81, true), 3);
    EXPECT_EQ(DivisionCountFor(62, true), 3);
    EXPECT_EQ(DivisionCountFor(61, true), 2);
    EXPECT_EQ(DivisionCountFor(45, true), 2);
    EXPECT_EQ(DivisionCountFor(41, true), 1);
    EXPECT_EQ(DivisionCountFor(42, false), 4);
    EXPECT_EQ(DivisionCountFor(32, false), 3);
    EXPECT_EQ(DivisionCountFor(31, false), 2);
    EXPECT_EQ(DivisionCountFor(25, false), 2);
}

TEST(DrawsLeague, BrazilGetsFourDivisionsAndArgentinaTwo)
{
    RandSeed = 1234;
    ResetWorld();
    BuildLeagues();

    ASSERT_EQ(Leagues.size(), 2u);
    EXPECT_EQ(Leagues[0].divisionCount, 4);
    EXPECT_EQ(Leagues[1].divisionCount, 2);
    // Files not playable, of an old format or without a name stay out.
    EXPECT_EQ(Game.LeagueClubCount, kBrazilClubs + kArgentineClubs);
    EXPECT_EQ(static_cast<int>(Clubs.size()), Game.LeagueClubCount);
    EXPECT_EQ(ClubFileNames.size(), Clubs.size());
    EXPECT_EQ(ClubFileNames[0], "br0.tcf");
    EXPECT_EQ(Clubs[0].name.str(), "Brasil 0");
    EXPECT_EQ(Clubs[0].State, BrazilianState(0));

    const std::map<int, int> divisionOf = ListedDivisions();
    EXPECT_EQ(divisionOf.size(), 80u + 40u);
    int regional = 0;
    for (int club = 0; club < static_cast<int>(Clubs.size()); ++club) {
        const auto listed = divisionOf.find(club);
        EXPECT_EQ(Clubs[club].Division, listed == divisionOf.end() ? 0 : listed->second);
        regional += Clubs[club].Division == 0;
    }
    EXPECT_EQ(regional, 30 + 5);
}

TEST(DrawsLeague, DivisionsAreDealtByLevel)
{
    RandSeed = 99;
    ResetWorld();
    BuildLeagues();
    for (const TLeague& league : Leagues) {
        int previous = 99;
        for (int d = 0; d < league.divisionCount; ++d) {
            for (int s = 0; s < 20; ++s) {
                const int club = league.divisions[d][s];
                ASSERT_GE(club, 0);
                EXPECT_LE(Clubs[club].Level, previous);
                previous = Clubs[club].Level;
                EXPECT_EQ(league.finalOrder[d][s], club);
            }
        }
        // No regional club is above the last club of the lowest division.
        for (int club = 0; club < static_cast<int>(Clubs.size()); ++club)
            if (Clubs[club].Country == league.country && Clubs[club].Division == 0)
                EXPECT_LE(Clubs[club].Level, previous);
    }
}

TEST(DrawsLeague, DivisionsOfTenLeaveEmptyPlacesEmpty)
{
    RandSeed = 5;
    ResetWorld(1, 4);
    for (int i = 0; i < 25; ++i)
        Catalogue(MakeHeader(kArgentina, 1 + i % 25, 0, "Clube " + std::to_string(i)), "c.tcf");
    AddCountryClubs(AddLeague(kArgentina), kArgentina);
    EXPECT_EQ(Leagues[0].divisionCount, 2);
    for (int s = 0; s < 10; ++s) {
        EXPECT_GE(Leagues[0].divisions[0][s], 0);
        EXPECT_GE(Leagues[0].divisions[1][s], 0);
    }
    for (int s = 10; s < 20; ++s)
        EXPECT_EQ(Leagues[0].divisions[0][s], -1);
    for (int d = 2; d < 4; ++d)
        for (int s = 0; s < 20; ++s)
            EXPECT_EQ(Leagues[0].divisions[d][s], -1);
}

TEST(DrawsLeague, TheSameSeedDealsTheSameLeagues)
{
    RandSeed = 777;
    ResetWorld();
    BuildLeagues();
    const std::string first = DrawSnapshot();
    RandSeed = 777;
    ResetWorld();
    BuildLeagues();
    EXPECT_EQ(DrawSnapshot(), first);
    RandSeed = 778;
    ResetWorld();
    BuildLeagues();
    EXPECT_NE(DrawSnapshot(), first);
}

}  // namespace
}  // namespace tarvelon
