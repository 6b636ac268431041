// The coach ranking (TForm47) on a seeded game with some matchdays played: opened for a coach of
// another country it ranks that country with his row chosen; the order is the ranking's; a click on
// a row shows that coach; "Internacional" ranks every coach by world points while the chosen coach's
// points line keeps his national points; the link opens his trophy gallery.
#include "controls/dc_smooth_panel.h"
#include "core/history/career_text.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "core/views/rankings.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/common/subjects.h"
#include "screens/history/coach_ranking_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class CoachRankingScreenTest : public ViewsScreenTest {};

// The coach of the first club of the last league (another country than the human club's).
int ForeignCoach()
{
    const int club = Leagues.back().divisions[0][0];
    return Clubs[club].coach;
}

void ExpectRanking(TForm47* form, int country)
{
    const auto rows = CoachRankingRows(country);
    ASSERT_EQ(form->gridview1->RowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < form->gridview1->RowCount(); ++i)
        EXPECT_EQ(form->gridview1->GetCellTextByName("id", i), std::to_string(rows[i].coach));
}

TEST_F(CoachRankingScreenTest, OpensOnTheChosenCoachsCountryAndFollowsClicksAndTheChooser)
{
    ASSERT_GE(Leagues.size(), 2u);
    const int coach = ForeignCoach();
    ASSERT_GE(coach, 0);
    const int country = Clubs[Coaches[coach].club].Country;
    SelectedRecord = coach;
    auto* form = Open<TForm47>("TForm47");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(SelectedRecord, -1);
    EXPECT_EQ(form->combopais->ItemIndex(), static_cast<int>(Leagues.size()) - 1);
    ExpectRanking(form, country);
    EXPECT_EQ(form->SelectedCoach(), coach);
    EXPECT_EQ(form->label13->HTMLText().front(), CoachNameHeading(coach));

    form->gridview1->ScrollToRow(0);
    test::Pump();
    ClickRow(form->gridview1, 1);
    const int second = CoachRankingRows(country)[1].coach;
    EXPECT_EQ(form->SelectedCoach(), second);
    EXPECT_EQ(form->label13->HTMLText().front(), CoachNameHeading(second));
    EXPECT_EQ(form->infojt->Caption().HTMLText(), CoachCareerText(second, 0).text);

    // The world ranking orders by world points, but the chosen coach's points line stays his national points.
    const CoachRankingRow best = CoachRankingRows(-1).front();
    const int national = Coaches[best.coach].nationalRankingPoints;
    Coaches[best.coach].nationalRankingPoints = Coaches[best.coach].worldRankingPoints + 7;
    PressKey(form->combopais, Qt::Key_End);  // "Internacional"
    EXPECT_EQ(form->combopais->Items().Strings(form->combopais->ItemIndex()), "Internacional");
    ExpectRanking(form, -1);
    EXPECT_EQ(form->SelectedCoach(), best.coach);
    EXPECT_EQ(form->label53->HTMLText().front(), CoachPointsHeading(Coaches[best.coach].nationalRankingPoints));
    Coaches[best.coach].nationalRankingPoints = national;

    auto seen = CloseWhatOpens(Screen->FormCount());
    Click(Child(form, "Label4"));
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm19"});
}

// Pixels of the coach ranking's row in the human coach's dark green text.
int HumanGreenPixels(TDataGrid* grid, int row)
{
    const QImage image = grid->Widget()->grab().toImage();
    int count = 0;
    for (int y = grid->RowTop(row); y < grid->RowTop(row) + grid->GetRowHeight(row); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(0, 0x40, 0) ? 1 : 0;
    return count;
}

// The human coach's row is written bold in dark green, but in the selection's own text colour while
// it is the selected row (dark green on the selection's green could not be read).
TEST_F(CoachRankingScreenTest, TheHumanCoachsRowIsDarkGreenUnlessSelected)
{
    SelectedRecord = Game.CurrentHumanCoach;
    auto* form = Open<TForm47>("TForm47");
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->SelectedCoach(), Game.CurrentHumanCoach);
    const int row = form->gridview1->SelectedRow();
    form->gridview1->SetFocus();
    test::Pump();
    EXPECT_EQ(HumanGreenPixels(form->gridview1, row), 0);

    const int other = row == 0 ? 1 : 0;
    form->gridview1->ScrollToRow(other);
    test::Pump();
    ClickRow(form->gridview1, other);
    form->gridview1->ScrollToRow(row);
    test::Pump();
    EXPECT_GT(HumanGreenPixels(form->gridview1, row), 10);
}

}  // namespace
}  // namespace tarvelon
