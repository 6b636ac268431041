// The coach titles and rankings and the clubs' rankings on a small made-up game: the orders and
// their tie-breaks, what "Internacional" leaves out, and a coach's titles text.
#include <gtest/gtest.h>

#include "core/views/coach_honours.h"
#include "core/views/rankings.h"
#include "tests/core/views_world.h"

using namespace tarvelon;
using namespace tarvelon::viewsworld;

namespace {

class ViewsRankings : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build();
        for (int c = 0; c < 4; ++c) {
            TCoach coach{};
            coach.name.set("Téc " + std::string(1, static_cast<char>('A' + c)));
            coach.club = c < 3 ? c : -1;
            coach.country = c < 3 ? kBrazil : 65;
            Coaches.push_back(coach);
        }
        Coaches.push_back(TCoach{});  // a free entry
    }
};

TEST_F(ViewsRankings, CoachesRankByPointsThenTitlesThenClubAndTheirKeyCountry)
{
    Coaches[0].nationalRankingPoints = 50;
    Coaches[1].nationalRankingPoints = 50;
    Coaches[1].titles[4] = 1;  // a club world cup breaks the tie
    Coaches[2].nationalRankingPoints = 80;
    Coaches[0].titles[2] = 3;
    Coaches[3].worldRankingPoints = 90;
    Coaches[3].titles[2] = 2;  // a Spaniard's state titles do not count
    const auto brazil = CoachRankingRows(kBrazil);
    ASSERT_EQ(brazil.size(), 3u);
    EXPECT_EQ(brazil[0].coach, 2);
    EXPECT_EQ(brazil[1].coach, 1);
    EXPECT_EQ(brazil[2].coach, 0);
    EXPECT_EQ(brazil[2].stateTitles, 3);
    const auto world = CoachRankingRows(-1);
    ASSERT_EQ(world.size(), 4u);
    EXPECT_EQ(world[0].coach, 3);
    EXPECT_EQ(world[0].stateTitles, 0);
    EXPECT_EQ(world[1].coach, 1);  // no world points: the club world cup first
    EXPECT_EQ(world[2].coach, 0);  // then the state titles of a Brazilian
    EXPECT_EQ(world[3].coach, 2);
    EXPECT_EQ(CoachRankingRows(65).size(), 1u);  // a coach without a club ranks under his country
}

// Coaches equal on every key (no club, the same points and titles) end as the game's record sort
// leaves them, not in table order.
TEST_F(ViewsRankings, CoachesEqualOnEveryKeyFollowTheGamesSort)
{
    Coaches.clear();
    for (int c = 0; c < 12; ++c) {
        TCoach coach{};
        coach.name.set("Livre " + std::to_string(c));
        coach.club = -1;
        coach.country = 65;
        coach.worldRankingPoints = c % 2;
        Coaches.push_back(coach);
    }
    std::vector<int> order;
    for (const CoachRankingRow& row : CoachRankingRows(-1))
        order.push_back(row.coach);
    EXPECT_EQ(order, (std::vector<int>{9, 7, 11, 3, 1, 5, 4, 2, 6, 8, 10, 0}));
}

TEST_F(ViewsRankings, ACoachsTitlesTextAndGallery)
{
    Competitions.push_back({1, 65, 1});  // 7: Spanish first division
    Competitions.push_back({7, -1, -1}); // 8: World Cup
    Clubs[3].Country = 65;
    Placings = {{1, 1, 0, 1, 0}, {2, 7, 3, 1, 0}, {3, 1, 0, 1, 0}, {2, 5, 0, 1, 0}, {3, 2, 1, 1, 0},
                {1, 8, 0, 1, 0}, {1, 3, 0, 2, 0}, {4, 1, 0, 1, 1}};
    EXPECT_EQ(CoachTitlesText(0), "Copa do Mundo:1\r\nLibertadores:1\r\nNacional 1ª divisão:3 (Brasileiro:2Espanhol:1)"
                                  "\r\nNacional 2ª divisão:1\r\n");
    const auto rows = CoachTitleRows(0);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_TRUE(rows[0].heading);
    EXPECT_EQ(rows[1].year, "2010");
    EXPECT_EQ(rows[2].year, "2012");
    EXPECT_EQ(rows[3].heading, true);
    EXPECT_EQ(rows[4].text, "Brisa");
    EXPECT_TRUE(CoachTitleRows(2).empty());
    EXPECT_EQ(CoachNameHeading(0), "<B><FONT color=\"#D9D900\"><SHAD>Téc A</SHAD></FONT></B>");
}

TEST_F(ViewsRankings, ClubsRankByTitlePointsAndByAllTheirPoints)
{
    Clubs[4].Country = 65;
    Clubs[0].honourPoints[0] = 10;
    Clubs[1].honourPoints[2] = 30;  // state points: out of "Internacional"
    Clubs[2].honourPoints[3] = 20;
    Clubs[4].honourPoints[4] = 15;
    // The placing ranking's rows come in club order, for the screen's grid to rank.
    const auto national = PlacingRankingRows(0, false);
    ASSERT_EQ(national.size(), 5u);
    EXPECT_EQ(national[1].club, 1);
    EXPECT_EQ(national[1].total, 30);
    EXPECT_EQ(national[1].columns[2], "30 pts");
    const auto international = PlacingRankingRows(0, true);
    ASSERT_EQ(international.size(), 6u);
    EXPECT_EQ(international[1].total, 0);  // its state points do not count
    EXPECT_EQ(international[2].total, 20);
    EXPECT_EQ(international[4].club, 4);
    EXPECT_EQ(international[4].total, 15);
    Clubs[0].allTimeRecord[0][kAllTimePoints] = 20;
    Clubs[0].allTimeRecord[0][kAllTimeGoalsFor] = 15;
    Clubs[0].allTimeRecord[0][kAllTimeGoalsAgainst] = 10;
    Clubs[1].allTimeRecord[1][kAllTimePoints] = 20;
    Clubs[1].allTimeRecord[1][kAllTimeGoalsFor] = 9;
    Clubs[1].allTimeRecord[1][kAllTimeGoalsAgainst] = 2;  // better difference
    Clubs[2].allTimeRecord[2][kAllTimePoints] = 25;        // state points
    const auto points = PointsRankingRows(0, false);
    EXPECT_EQ(points[0].club, 2);
    EXPECT_EQ(points[1].club, 1);
    EXPECT_EQ(points[2].club, 0);
    EXPECT_EQ(points[2].columns[0], "(20/15/10)");
    const auto world = PointsRankingRows(0, true);
    EXPECT_EQ(world[0].club, 1);
    EXPECT_EQ(world[1].club, 0);
}

}  // namespace
