// A coach's trophy gallery (TForm19) on a seeded game with titles recorded: his titles grouped
// under their competitions in the order they were won, a title with a former club showing that
// club, heading rows drawn on their colour, and no coach left selected once it closes.
#include "core/format/names.h"
#include "core/records/history_records.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/subjects.h"
#include "screens/history/trophy_gallery_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class TrophyGalleryScreenTest : public ViewsScreenTest {};

TEST_F(TrophyGalleryScreenTest, ListsTheCoachsTitlesByCompetitionInTheOrderWon)
{
    const int club = SubjectClub();
    const int former = SubjectOtherClub();
    const int coach = Clubs[club].coach;
    ASSERT_GE(coach, 0);
    Placings.push_back({2, 2, former, 1, coach});  // a title with his former club
    Placings.push_back({1, 1, club, 1, coach});
    Placings.push_back({3, 1, club, 1, coach});
    Placings.push_back({3, 1, former, 2, coach});  // a second place is no title
    SelectedRecord = coach;
    auto* form = Open<TForm19>("TForm19");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Label1->Caption(), Coaches[coach].name.str());
    ASSERT_EQ(form->grid1->RowCount(), 5);
    const auto cell = [form](const char* column, int row) {
        return form->grid1->GetCellTextByName(column, std::to_string(row));
    };
    EXPECT_EQ(cell("colano", 0), "");
    EXPECT_EQ(cell("colclube", 0), CompetitionName(1));
    EXPECT_EQ(cell("colano", 1), "2010");
    EXPECT_EQ(cell("colano", 2), "2012");
    EXPECT_EQ(cell("colclube", 2), Clubs[club].name.str());
    EXPECT_EQ(cell("colclube", 3), CompetitionName(2));
    EXPECT_EQ(cell("colclube", 4), Clubs[former].name.str());
    EXPECT_EQ(cell("colpais", 4), std::to_string(Clubs[former].Country));

    form->grid1->SetSelectedRow(-1);
    form->Repaint();
    test::Pump();
    const int x = form->grid1->ClientWidth() - 60;
    EXPECT_EQ(test::GrabbedPixel(WidgetOf(form->grid1), x, form->grid1->RowTop(3) + 4), 0xFFD7AEu);  // $AED7FF
    Click(Child(form, "GradButton1"));
    EXPECT_EQ(SelectedRecord, -1);
}

}  // namespace
}  // namespace tarvelon
