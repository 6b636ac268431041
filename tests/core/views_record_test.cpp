// A club's record season by season on a small made-up game: the seasons shown and their order, the
// counts of each season and competition, the placing texts of past and running seasons (an empty
// placing where none was recorded), the coaches and the titles line.
#include <gtest/gtest.h>

#include "core/views/club_record.h"
#include "core/views/trophy_cabinet.h"
#include "tests/core/views_world.h"

using namespace tarvelon;
using namespace tarvelon::viewsworld;

namespace {

class ViewsRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build();
        Game.Season = 3;
        for (const char* name : {"Téc A", "Téc B"}) {
            TCoach coach{};
            coach.name.set(name);
            Coaches.push_back(coach);
        }
    }
};

TEST_F(ViewsRecord, EachSeasonSumsItsGamesThenListsItsCompetitionsNewestFirst)
{
    PastMatches = {{0, 1, 2, 0, 1, 1}, {1, 0, 1, 1, 1, 1}, {0, 2, 0, 3, 1, 2}, {2, 3, 4, 4, 1, 1},
                   {3, 0, 1, 2, 3, 0}, {0, 4, 1, 0, 3, 1}};
    CoachSeasons = {{0, 0, 0, 0, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 1},
                    {1, 0, 0, 0, 0, 0, 1, 1}};
    ClubPlacings = {{0, 1, 1, 3, 1}, {0, 1, 2, 4, 0}};
    Clubs[0].Division = 1;
    const auto rows = ClubRecordRows(0);
    ASSERT_EQ(rows.size(), 6u);  // season 3: summary + 2 kinds; season 2: none; season 1: summary + 2 kinds
    EXPECT_TRUE(rows[0].summary);
    EXPECT_EQ(rows[0].year, "2012");
    EXPECT_EQ(rows[0].games, 2);
    EXPECT_EQ(rows[0].wins, 2);
    EXPECT_EQ(rows[1].competition, "Amistosos");
    EXPECT_EQ(rows[1].placing, "");
    EXPECT_EQ(rows[2].competition, "Camp.Brasileiro");
    EXPECT_EQ(rows[2].placing, "Na 1ª divisão");
    EXPECT_EQ(rows[3].year, "2010");
    EXPECT_EQ(rows[3].coaches, "Téc A,Téc B");
    EXPECT_EQ(rows[3].games, 3);
    EXPECT_EQ(rows[3].wins, 1);
    EXPECT_EQ(rows[3].losses, 1);
    EXPECT_EQ(rows[3].draws, 1);
    EXPECT_EQ(rows[3].goalsFor, 3);
    EXPECT_EQ(rows[3].goalsAgainst, 4);
    EXPECT_EQ(rows[4].competition, "Camp.Brasileiro");
    EXPECT_EQ(rows[4].placing, "3º - 1ª divisão");
    EXPECT_EQ(rows[5].competition, "Copa");
    EXPECT_EQ(rows[5].placing, "Elim. na Semi-final");
    EXPECT_TRUE(ClubRecordRows(5).empty());
}

TEST_F(ViewsRecord, PlacingTextsOfCupsAndSeasonsWithoutARecordedPlacing)
{
    ClubPlacings = {{0, 1, 2, 6, 0}, {0, 1, 4, 7, 0}, {0, 1, 5, 20, 0}, {0, 2, 4, 4, 0}, {0, 1, 3, 2, 1}};
    EXPECT_EQ(ClubPlacingText(0, 2, 1), "Campeão");
    EXPECT_EQ(ClubPlacingText(0, 4, 1), "Vice-Campeão");
    EXPECT_EQ(ClubPlacingText(0, 4, 2), "Elim. na Oitavas");
    EXPECT_EQ(ClubPlacingText(0, 5, 1), "Elim. semi-final");
    EXPECT_EQ(ClubPlacingText(0, 3, 1), "2º - 1ª divisão");
    EXPECT_EQ(ClubPlacingText(0, 1, 2), "");  // no placing recorded: nothing, never a stale one
    EXPECT_EQ(ClubPlacingText(0, 2, 2), "");
    Game.StateStage = 3;
    EXPECT_EQ(ClubPlacingText(0, 3, 3), "");  // the running state championship
    Clubs[0].nationalCupEntry = 1;
    Game.NationalCupStage = 3;
    EXPECT_EQ(ClubPlacingText(0, 2, 3), "Joga Quartas");
    Clubs[0].FirstContinentalEntry = 1;
    Game.FirstContinentalStage = 2;
    EXPECT_EQ(ClubPlacingText(0, 4, 3), "Joga 1ª Fase");
    EXPECT_EQ(FirstContinentalCupName(0), "Libertadores");
    // A champion's record holds place 1: the season and the one running read "Campeão".
    ClubPlacings.push_back({0, 2, 6, 1, 8});
    ClubPlacings.push_back({0, 3, 4, 1, 8});
    ClubPlacings.push_back({0, 3, 2, 1, 6});
    EXPECT_EQ(ClubPlacingText(0, 6, 2), "Campeão");
    Clubs[0].FirstContinentalEntry = 0;
    Clubs[0].nationalCupEntry = 0;
    EXPECT_EQ(ClubPlacingText(0, 4, 3), "Campeão");
    EXPECT_EQ(ClubPlacingText(0, 2, 3), "Campeão");
    Clubs[1].Country = 65;  // Spain
    EXPECT_EQ(SecondContinentalCupName(1), "Liga Europa");
}

TEST_F(ViewsRecord, TheTitlesLineCountsEachKindAndLowerDivisionsApart)
{
    ClubPlacings = {{0, 1, 1, 1, 1}, {0, 2, 1, 1, 2}, {0, 3, 2, 6, 0}, {0, 1, 2, 1, 0}, {0, 1, 4, 1, 0},
                    {1, 1, 1, 1, 1}};
    Clubs[0].stateTitles = 3;
    EXPECT_EQ(ClubTitlesLine(0), "Nacional:1; 2ª divisão:1; Copa:1; Libertadores:1; Estadual:3; ");
    EXPECT_EQ(ClubTitlesLine(2), "");
}

}  // namespace

namespace {

TEST_F(ViewsRecord, TheCabinetShowsFirstDivisionAndCupTitlesInItsOrder)
{
    ClubPlacings = {{0, 1, 1, 1, 1}, {0, 2, 1, 1, 1}, {0, 3, 1, 1, 2}, {0, 1, 3, 1, 0}, {1, 1, 1, 1, 2}};
    Clubs[0].stateTitles = 1;
    const auto shelf = CabinetTrophies(0);
    ASSERT_EQ(shelf.size(), 2u);
    EXPECT_EQ(shelf[0].picture, "tr_nacbra");
    EXPECT_EQ(shelf[0].caption, "Brasileiro");
    EXPECT_EQ(shelf[0].count, 2);
    EXPECT_EQ(shelf[1].picture, "tr_estadual");
    EXPECT_EQ(shelf[1].count, 1);  // the club's own state-title count
    EXPECT_TRUE(CabinetTrophies(1).empty());  // only a second-division title
    Clubs[2].Country = 65;
    ClubPlacings.push_back({2, 1, 4, 1, 0});
    ClubPlacings.push_back({2, 1, 2, 1, 0});
    const auto spain = CabinetTrophies(2);
    ASSERT_EQ(spain.size(), 2u);
    EXPECT_EQ(spain[0].caption, "Liga Campeões");
    EXPECT_EQ(spain[1].picture, "tr_copaesp");
}

}  // namespace
