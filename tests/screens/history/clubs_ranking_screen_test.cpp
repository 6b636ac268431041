// The clubs ranking (TForm71) on a seeded game with title points and match points given to a few
// clubs: the placing ranking in its order, the points ranking from its button with the legend, and
// "Internacional" from the chooser for the ranking shown, without the state championship.
#include <set>
#include <utility>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/tables.h"
#include "core/views/rankings.h"
#include "grid/dg_columns.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"
#include "screens/history/clubs_ranking_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class ClubsRankingScreenTest : public ViewsScreenTest {};

void ExpectRows(TDataGrid* grid, const std::string& suffix, const std::vector<ClubRankingRow>& rows)
{
    ASSERT_EQ(grid->RowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < grid->RowCount(); ++i) {
        EXPECT_EQ(grid->GetCellTextByName("colid" + suffix, i), std::to_string(rows[i].club));
        EXPECT_EQ(grid->GetCellTextByName("coltotal" + suffix, i), std::to_string(rows[i].total));
        EXPECT_EQ(grid->GetCellTextByName("colcolocacao" + suffix, i), std::to_string(i + 1));
    }
}

// The placing ranking is ranked by its grid: the same clubs with their totals, best total first
// (equal totals in the grid's own order), numbered down the rows.
void ExpectPlacingRows(TDataGrid* grid, const std::vector<ClubRankingRow>& rows)
{
    ASSERT_EQ(grid->RowCount(), static_cast<int>(rows.size()));
    std::multiset<std::pair<int, int>> expected;
    for (const ClubRankingRow& r : rows)
        expected.insert({r.club, r.total});
    std::multiset<std::pair<int, int>> shown;
    for (int i = 0; i < grid->RowCount(); ++i) {
        const int total = CellInt(*grid, "coltotal1", i, -1);
        shown.insert({CellInt(*grid, "colid1", i, -1), total});
        if (i > 0) {
            EXPECT_LE(total, CellInt(*grid, "coltotal1", i - 1, -1)) << "row " << i;
        }
        EXPECT_EQ(grid->GetCellTextByName("colcolocacao1", i), std::to_string(i + 1));
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(ClubsRankingScreenTest, RanksByPlacingsThenByPointsAndInternationally)
{
    const int a = SubjectClub();
    int b = 0;
    while (b == a || Clubs[b].Country != Clubs[a].Country)
        ++b;
    Clubs[a].honourPoints[0] = 12;
    Clubs[b].honourPoints[2] = 30;  // state points
    Clubs[b].allTimeRecord[0][kAllTimePoints] = 900;
    Clubs[a].allTimeRecord[2][kAllTimePoints] = 2000;  // state points
    const auto seed = RandSeed;
    auto* form = Open<TForm71>("TForm71");
    EXPECT_NE(RandSeed, seed);  // the grid's sort draws its pivots from the game's generator
    ASSERT_NE(form, nullptr);
    const int league = form->PlacingItem;
    ExpectPlacingRows(form->listr1, PlacingRankingRows(league, false));
    EXPECT_EQ(form->listr1->GetCellTextByName("colid1", 0), std::to_string(b));
    EXPECT_EQ(form->listr1->GetCellTextByName("colnacional1", 1), "12 pts");

    Click(form->bt2);
    EXPECT_EQ(form->RankingShown, 2);
    EXPECT_TRUE(form->listr2->Visible());
    EXPECT_FALSE(form->listr1->Visible());
    EXPECT_TRUE(form->Label2->Visible());
    ExpectRows(form->listr2, "2", PointsRankingRows(league, false));
    EXPECT_EQ(form->listr2->GetCellTextByName("colid2", 0), std::to_string(a));

    PressKey(form->combopais, Qt::Key_End);  // "Internacional": points without the state's
    ExpectRows(form->listr2, "2", PointsRankingRows(0, true));
    EXPECT_EQ(form->listr2->GetCellTextByName("colid2", 0), std::to_string(b));
    EXPECT_FALSE(form->listr2->ColumnByName("colestadual2")->Visible());
    EXPECT_EQ(form->listr2->ColumnByName("collibertadores2")->Header().Caption(), "Libert./Liga C.");

    Click(form->bt1);  // the placing ranking follows the chooser
    ExpectPlacingRows(form->listr1, PlacingRankingRows(0, true));
    EXPECT_EQ(form->listr1->GetCellTextByName("colid1", 0), std::to_string(a));
    EXPECT_FALSE(form->Label2->Visible());
}

}  // namespace
}  // namespace tarvelon
