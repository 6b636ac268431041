// A club's record (TForm55) on a seeded game with some matchdays played and two more seasons of
// history added: the seasons newest first as the tables hold them, summary rows drawn on their
// colour, and the titles line.
#include <algorithm>

#include "core/records/history_records.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/views/club_record.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/subjects.h"
#include "screens/history/club_record_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class ClubRecordScreenTest : public ViewsScreenTest {};

TEST_F(ClubRecordScreenTest, ShowsEachSeasonNewestFirstWithItsCompetitionsAndTheTitles)
{
    const int club = SubjectClub();
    const int rival = SubjectOtherClub();
    const int played = Game.Season;
    Game.Season = played + 2;  // two seasons later, the first one's history kept
    PastMatches.push_back({club, rival, 3, 1, played + 2, 1});
    PastMatches.push_back({rival, club, 0, 0, played + 2, 2});
    ClubPlacings.push_back({club, played, 1, 1, 1});
    Clubs[club].stateTitles = 2;
    RecordClub = club;
    auto* form = Open<TForm55>("TForm55");
    ASSERT_NE(form, nullptr);
    const auto rows = ClubRecordRows(club);
    ASSERT_EQ(form->Grid->RowCount(), static_cast<int>(rows.size()));
    EXPECT_EQ(form->Grid->GetCellTextByName("colano", "0"), std::to_string(2009 + played + 2));
    EXPECT_EQ(form->Grid->GetCellTextByName("colj", "0"), "2");
    EXPECT_EQ(form->Grid->GetCellTextByName("colcampeonato", "2"), "Copa");
    for (int i = 0; i < form->Grid->RowCount(); ++i) {
        EXPECT_EQ(form->Grid->GetCellTextByName("colcolocacao", std::to_string(i)), rows[i].placing);
        EXPECT_EQ(form->Grid->GetCellTextByName("colgp", std::to_string(i)), std::to_string(rows[i].goalsFor));
    }
    EXPECT_EQ(form->Label5->Caption(), Clubs[club].name.str());
    EXPECT_EQ(form->Label1->Caption(), "Títulos");
    EXPECT_EQ(form->Label2->Caption(), "Nacional:1; Estadual:2; ");

    form->Grid->SetSelectedRow(-1);
    form->Repaint();
    test::Pump();
    const int x = form->Grid->ColumnByName("coltecnicos")->Left() + form->Grid->ColumnByName("coltecnicos")->Width() - 10;
    EXPECT_EQ(test::GrabbedPixel(WidgetOf(form->Grid), x, form->Grid->RowTop(0) + 4), 0xFFFFC1u);  // $C1FFFF
    EXPECT_NE(test::GrabbedPixel(WidgetOf(form->Grid), x, form->Grid->RowTop(1) + 4), 0xFFFFC1u);
    Game.Season = played;
}

TEST_F(ClubRecordScreenTest, ColumnsOfTheirWidthsSortAlphabeticallyOnAHeaderClick)
{
    RecordClub = SubjectClub();
    auto* form = Open<TForm55>("TForm55");
    ASSERT_NE(form, nullptr);
    const std::pair<const char*, int> widths[] = {{"colano", 50}, {"colcampeonato", 110}, {"colj", 30},
                                                  {"colgc", 30}, {"coltecnicos", 200}};
    for (const auto& [column, width] : widths)
        EXPECT_EQ(form->Grid->ColumnByName(column)->Width(), width) << column;
    ASSERT_GE(form->Grid->RowCount(), 2);
    TDgCustomColumn* games = form->Grid->ColumnByName("colj");
    Click(form->Grid, QPoint(games->Left() + games->Width() / 2, 8));
    std::vector<std::string> shown;
    for (int row = 0; row < form->Grid->RowCount(); ++row)
        shown.push_back(form->Grid->GetCellTextByName("colj", std::to_string(row)));
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()) || std::is_sorted(shown.rbegin(), shown.rend()));
}

}  // namespace
}  // namespace tarvelon
