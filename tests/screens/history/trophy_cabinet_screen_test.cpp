// A club's trophy cabinet (TForm74) on a seeded game: a club without titles shows the empty cabinet;
// a Brazilian club with league and state titles shows their trophies left to right with captions
// and counts, the trophy pictures drawn where they stand.
#include "core/records/history_records.h"
#include "core/tables.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/subjects.h"
#include "screens/history/trophy_cabinet_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class TrophyCabinetScreenTest : public ViewsScreenTest {};

int BrazilianClub()
{
    int club = 0;
    while (Clubs[club].Country != 29)
        ++club;
    return club;
}

TEST_F(TrophyCabinetScreenTest, AnEmptyCabinetThenTheTrophiesOfABrazilianClub)
{
    const int club = BrazilianClub();
    TrophyCabinetClub = club;
    auto* form = Open<TForm74>("TForm74");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Label2->Visible());
    EXPECT_FALSE(form->captions[0]->Visible());
    form->Close();
    test::Pump();

    ClubPlacings.push_back({club, 1, 1, 1, 1});
    ClubPlacings.push_back({club, 2, 1, 1, 1});
    ClubPlacings.push_back({club, 3, 1, 1, 2});  // a second-division title is not shown
    Clubs[club].stateTitles = 1;
    form = Open<TForm74>("TForm74");
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->Label2->Visible());
    EXPECT_EQ(form->Label1->Caption(), Clubs[club].name.str());
    EXPECT_EQ(form->captions[0]->Caption(), "Brasileiro");
    EXPECT_EQ(form->counts[0]->Caption(), "[2]");
    EXPECT_EQ(form->counts[1]->Caption(), "[1]");
    EXPECT_FALSE(form->captions[2]->Visible());
    TImage* league = form->Trophy("tr_nacbra");
    TImage* state = form->Trophy("tr_estadual");
    ASSERT_TRUE(league && state);
    EXPECT_TRUE(league->Visible());
    EXPECT_EQ(league->Left(), 22);
    EXPECT_GT(state->Left(), league->Left() + league->Width());
    EXPECT_FALSE(form->Trophy("tr_mundial")->Visible());
    form->Repaint();
    test::Pump();
    // The cup's metal stands in the middle of the league trophy.
    const QColor metal(test::GrabbedPixel(form->Widget(), league->Left() + 40, league->Top() + 30));
    EXPECT_GT(metal.red(), 150);
    EXPECT_GT(metal.red(), metal.blue() + 40);
}

}  // namespace
}  // namespace tarvelon
