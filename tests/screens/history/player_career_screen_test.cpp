// A player's career (TForm16) on a seeded game with some matchdays played: his heading and his
// matches of the season as the appearance tables hold them, the career pages forth and back by the
// rows a page holds, and a match opens its report.
#include <QWidget>
#include <algorithm>

#include "controls/dc_smooth_panel.h"
#include "controls/grad_button.h"
#include "core/history/career_text.h"
#include "core/records/history_records.h"
#include "core/history/season_lines.h"
#include "core/records/appearance_records.h"
#include "core/tables.h"
#include "core/views/player_matches.h"
#include "screens/common/subjects.h"
#include "screens/history/player_career_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class PlayerCareerScreenTest : public ViewsScreenTest {
protected:
    // A starter of the first archived match: he has matches this season.
    static int PlayerWithMatches() { return Appearances.empty() ? SubjectPlayer() : Appearances.front().player; }
};

TEST_F(PlayerCareerScreenTest, ShowsTheHeadingAndTheSeasonsMatchesWithTheirRatings)
{
    SelectedRecord = PlayerWithMatches();
    auto* form = Open<TForm16>("TForm16");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Player, SelectedRecord);
    const auto rows = PlayerSeasonMatches(form->Player);
    ASSERT_FALSE(rows.empty());
    ASSERT_EQ(form->gridview1->RowCount(), static_cast<int>(rows.size()));
    int started = 0;
    for (const TAppearance& a : Appearances)
        started += a.player == form->Player;
    EXPECT_GE(form->gridview1->RowCount(), started > 0 ? 1 : 0);
    for (int i = 0; i < form->gridview1->RowCount(); ++i) {
        EXPECT_EQ(form->gridview1->GetCellTextByName("colid", std::to_string(i)), std::to_string(rows[i].report));
        EXPECT_EQ(form->gridview1->GetCellTextByName("colnota", std::to_string(i)), rows[i].rating);
    }
    EXPECT_EQ(form->infojt->Caption().HTMLText(), PlayerCareerText(form->Player, 0).text);
    EXPECT_FALSE(form->GradButton2->Visible());  // one page
    EXPECT_FALSE(form->GradButton3->Visible());

    auto seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(form->gridview1, 0);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm52"});
    EXPECT_EQ(MatchReportIndex, rows[0].report);
}

// The heading shows goals and cards as the match icons: a yellow and a red card stand in its first line.
TEST_F(PlayerCareerScreenTest, TheCareerHeadingShowsTheCardIcons)
{
    SelectedRecord = PlayerWithMatches();
    auto* form = Open<TForm16>("TForm16");
    ASSERT_NE(form, nullptr);
    const QImage shown = form->infojt->Widget()->grab().toImage();
    bool yellow = false, red = false;
    for (int y = 0; y < 24; ++y)
        for (int x = 180; x < std::min(shown.width(), 340); ++x) {
            const QColor c = shown.pixelColor(x, y);
            yellow = yellow || (c.red() > 200 && c.green() > 170 && c.blue() < 90);
            red = red || (c.red() > 170 && c.green() < 70 && c.blue() < 70);
        }
    EXPECT_TRUE(yellow);
    EXPECT_TRUE(red);
}

TEST_F(PlayerCareerScreenTest, CareerPagesGoForthAndBackByTheRowsAPageHolds)
{
    const int player = PlayerWithMatches();
    // The suite's game is shared: the made-up seasons leave with this test.
    struct SeasonLinesKept {
        std::vector<TPlayerSeasonStats> lines = PlayerSeasonStats;
        ~SeasonLinesKept()
        {
            PlayerSeasonStats = lines;
            HistoryTablesChanged();
        }
    } kept;
    for (int season = -40; season < 0; ++season)  // forty past seasons, one club each
        PlayerSeasonStats.push_back({player, 1, 0, 0, 10, 0, season, season % 3 == 0 ? 0 : 1});
    HistoryTablesChanged();
    SelectedRecord = player;
    auto* form = Open<TForm16>("TForm16");
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->GradButton2->Visible());
    EXPECT_FALSE(form->GradButton3->Visible());
    Click(form->GradButton2);  // ">>"
    EXPECT_EQ(form->PageFirstRow, kPlayerCareerPageRows);
    EXPECT_EQ(form->infojt->Caption().HTMLText(), PlayerCareerText(player, kPlayerCareerPageRows).text);
    EXPECT_TRUE(form->GradButton3->Visible());
    Click(form->GradButton2);
    EXPECT_EQ(form->PageFirstRow, 2 * kPlayerCareerPageRows);
    EXPECT_FALSE(form->GradButton2->Visible());  // the last page
    Click(form->GradButton3);  // "<<" lands on the page before, not three rows into it
    EXPECT_EQ(form->PageFirstRow, kPlayerCareerPageRows);
    EXPECT_EQ(form->infojt->Caption().HTMLText(), PlayerCareerText(player, kPlayerCareerPageRows).text);
    Click(form->GradButton3);
    EXPECT_EQ(form->PageFirstRow, 0);
    EXPECT_FALSE(form->GradButton3->Visible());
}

}  // namespace
}  // namespace tarvelon
