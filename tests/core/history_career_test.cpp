#include <gtest/gtest.h>

#include "core/history/career_text.h"
#include "core/history/head_to_head.h"
#include "core/records/history_records.h"
#include "core/tables.h"

using namespace tarvelon;

namespace {

void AddPast(int home, int away, int homeGoals, int awayGoals, int season, int kind)
{
    PastMatches.push_back(TPastMatch{home, away, homeGoals, awayGoals, season, kind});
}

}  // namespace

TEST(HeadToHead, CountsBothVenuesFromTheFirstClubsSide)
{
    PastMatches.clear();
    AddPast(1, 2, 3, 1, 1, 1);  // a wins at home
    AddPast(5, 6, 9, 9, 1, 1);  // another pair
    AddPast(2, 1, 2, 2, 1, 1);  // draw away
    AddPast(2, 1, 4, 0, 2, 2);  // a loses away: the last meeting
    AddPast(1, 3, 1, 0, 2, 1);
    const HeadToHead h = SummarizeHeadToHead(1, 2);
    EXPECT_EQ(h.games, 3);
    EXPECT_EQ(h.draws, 1);
    EXPECT_EQ(h.wins, 1);
    EXPECT_EQ(h.losses, 1);
    EXPECT_EQ(h.goalsFor, 3 + 2 + 0);
    EXPECT_EQ(h.goalsAgainst, 1 + 2 + 4);
    ASSERT_TRUE(h.hasLastMeeting);
    EXPECT_EQ(h.lastSeason, 2);
    EXPECT_EQ(h.lastKind, 2);
    EXPECT_EQ(h.lastHomeClub, 2);
    EXPECT_EQ(h.lastAwayClub, 1);
    EXPECT_EQ(h.lastHomeGoals, 4);
    EXPECT_EQ(h.lastAwayGoals, 0);

    const HeadToHead mirrored = SummarizeHeadToHead(2, 1);
    EXPECT_EQ(mirrored.wins, h.losses);
    EXPECT_EQ(mirrored.goalsFor, h.goalsAgainst);
}

TEST(HeadToHead, WithoutAMeetingGivesZerosAndNoLastMatch)
{
    PastMatches.clear();
    AddPast(5, 6, 2, 1, 1, 1);  // the first entry must not pass for a meeting of 1 and 2
    const HeadToHead h = SummarizeHeadToHead(1, 2);
    EXPECT_EQ(h.games + h.draws + h.wins + h.losses + h.goalsFor + h.goalsAgainst, 0);
    EXPECT_FALSE(h.hasLastMeeting);
    EXPECT_EQ(h.lastSeason, 0);
    EXPECT_EQ(h.lastKind, 0);
    EXPECT_EQ(h.lastHomeClub, -1);
    EXPECT_EQ(h.lastAwayClub, -1);
    EXPECT_EQ(h.lastHomeGoals + h.lastAwayGoals, 0);

    PastMatches.clear();
    EXPECT_FALSE(SummarizeHeadToHead(1, 2).hasLastMeeting);
}

class CareerTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clubs.assign(3, TClub{});
        Clubs[1].name.set("Atlético Serrano");
        Clubs[2].name.set("Porto Vermelho");
        CoachSeasons.clear();
        PlayerSeasonStats.clear();
    }
};

TEST_F(CareerTextTest, CoachTableHasItsHeaderLinesAndCareerTotal)
{
    CoachSeasons.push_back(TCoachSeason{7, 38, 20, 8, 45, 1, 1, 1});
    CoachSeasons.push_back(TCoachSeason{8, 10, 1, 1, 1, 0, 2, 1});  // another coach
    CoachSeasons.push_back(TCoachSeason{7, 12, 5, 4, 9, 0, 2, 2});
    const CareerPage page = CoachCareerText(7, 0);
    EXPECT_EQ(page.text,
              "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\">V<IND x=\"235\">D<IND x=\"265\">PR"
              "<IND x=\"297\">Tit.<br>"
              "<IND x=\"5\">2010<IND x=\"40\">Atlético Serrano<IND x=\"173\">38<IND x=\"207\">20<IND x=\"238\">8"
              "<IND x=\"268\">45<IND x=\"300\">1<br>"
              "<IND x=\"5\">2011<IND x=\"40\">Porto Vermelho<IND x=\"173\">12<IND x=\"207\">5<IND x=\"238\">4"
              "<IND x=\"268\">9<IND x=\"300\">0<br>"
              "<b>Total na carreira:<IND x=\"173\">50<IND x=\"207\">25<IND x=\"238\">12<IND x=\"268\">54"
              "<IND x=\"300\">1</b>");
    EXPECT_EQ(page.nextFirstRow, -1);
    EXPECT_EQ(page.previousPage, -1);
}

TEST_F(CareerTextTest, PlayerWithoutSeasonsShowsALineOfZeros)
{
    const CareerPage page = PlayerCareerText(4, -3);
    EXPECT_EQ(page.text,
              "<IND x=\"5\">Ano <IND x=\"40\">Clube <IND x=\"173\">J<IND x=\"205\"><IMG src=\"i_gol\"><IND x=\"235\">"
              "<IMG src=\"i_ca\"><IND x=\"265\"><IMG src=\"i_cv\"><IND x=\"292\"><IMG src=\"i_ct\"><br>"
              "<IND x=\"173\">0<IND x=\"207\">0<IND x=\"238\">0<IND x=\"268\">0<IND x=\"295\">0<br>"
              "<b>Total na carreira:<IND x=\"173\">0<IND x=\"207\">0<IND x=\"238\">0<IND x=\"268\">0"
              "<IND x=\"295\">0</b>");
    EXPECT_EQ(page.nextFirstRow, -1);
}

TEST_F(CareerTextTest, PagesFollowOneAnotherWithoutSkippingASeason)
{
    for (int season = 1; season <= 40; ++season)
        PlayerSeasonStats.push_back(TPlayerSeasonStats{4, season, 0, 0, 1, 0, season, 1});
    int row = 0;
    int shown = 0;
    int pages = 0;
    int expectedYear = 2010;
    while (row >= 0) {
        const CareerPage page = PlayerCareerText(4, row);
        EXPECT_EQ(page.previousPage, row > 0 ? 1 : -1);
        std::size_t at = 0;
        int onPage = 0;
        while ((at = page.text.find("<IND x=\"5\">20", at)) != std::string::npos) {
            EXPECT_EQ(page.text.substr(at + 11, 4), std::to_string(expectedYear++));
            ++onPage;
            at += 4;
        }
        EXPECT_LE(onPage, kPlayerCareerPageRows);
        // Every page ends with the whole career's total: 40 games, goals 1 + 2 + ... + 40.
        EXPECT_NE(page.text.find("Total na carreira:<IND x=\"173\">40<IND x=\"207\">820<"), std::string::npos);
        shown += onPage;
        ++pages;
        row = page.nextFirstRow;
    }
    EXPECT_EQ(shown, 40);
    EXPECT_EQ(pages, 3);
}
