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
#include "core/basics/datetime.h"
#include "core/records/match_records.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "grid/dg_sysutils.h"
#include "screens/common/view_helpers.h"
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
    for (const PlayerMatchRow& m : rows) {
        int row = 0;
        while (row < form->gridview1->RowCount() && CellInt(*form->gridview1, "colid", row, -1) != m.report)
            ++row;
        ASSERT_LT(row, form->gridview1->RowCount()) << m.report;
        EXPECT_EQ(form->gridview1->GetCellTextByName("colnota", std::to_string(row)), m.rating);
    }
    EXPECT_EQ(form->infojt->Caption().HTMLText(), PlayerCareerText(form->Player, 0).text);
    EXPECT_FALSE(form->GradButton2->Visible());  // one page
    EXPECT_FALSE(form->GradButton3->Visible());

    auto seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(form->gridview1, 0);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm52"});
    EXPECT_EQ(MatchReportIndex, CellInt(*form->gridview1, "colid", 0, -1));
}

// The matches stand in date order, and a click on "Data" orders them by date, not by the text
// of the date: 27/02 comes before 06/03.
TEST_F(PlayerCareerScreenTest, TheDateColumnOrdersTheMatchesByDate)
{
    test::GameKeptAside kept;
    SelectedRecord = PlayerWithMatches();
    std::vector<int> reports;
    for (const PlayerMatchRow& m : PlayerSeasonMatches(SelectedRecord))
        reports.push_back(m.report);
    ASSERT_GE(reports.size(), 3u);
    const TDateTime dates[] = {EncodeDate(2011, 3, 6), EncodeDate(2012, 1, 15), EncodeDate(2011, 2, 27)};
    for (std::size_t i = 0; i < reports.size(); ++i)
        MatchReports[static_cast<std::size_t>(reports[i])].date = i < 3 ? dates[i] : EncodeDate(2010, 1, 1);
    auto* form = Open<TForm16>("TForm16");
    ASSERT_NE(form, nullptr);
    TDataGrid* grid = form->gridview1;
    auto shownDates = [grid] {
        std::vector<TDateTime> shown;
        for (int row = 0; row < grid->RowCount(); ++row)
            shown.push_back(StrToDateTime(grid->GetCellTextByName("coldata", std::to_string(row))));
        return shown;
    };
    auto ascending = shownDates();
    EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end()));
    TDgCustomColumn* data = grid->ColumnByName("coldata");
    for (int click = 0; click < 2; ++click) {
        Click(grid, QPoint(data->Left() + data->Width() / 2, 8));
        const auto shown = shownDates();
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()) || std::is_sorted(shown.rbegin(), shown.rend()))
            << "after click " << click + 1;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), dates[2]), 1);
    }
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
