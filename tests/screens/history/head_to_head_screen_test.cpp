// The meetings of two clubs (TForm15) on a seeded game with some matchdays played: it opens on the
// pair of its subject with every past game and the sums from each side; the same club twice does
// nothing, another pair chosen with keys and shown by the button or Enter replaces it; its "X" closes
// it with the mouse.
#include "controls/grad_button.h"
#include "core/records/history_records.h"
#include "core/tables.h"
#include "core/views/meetings.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/subjects.h"
#include "screens/history/head_to_head_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class HeadToHeadScreenTest : public ViewsScreenTest {};

int Meetings(int a, int b)
{
    int count = 0;
    for (const TPastMatch& m : PastMatches)
        count += (m.homeClub == a && m.awayClub == b) || (m.homeClub == b && m.awayClub == a);
    return count;
}

void ExpectPair(TForm15* form, int a, int b)
{
    EXPECT_EQ(form->Label1->Caption(), Clubs[a].name.str());
    EXPECT_EQ(form->Label2->Caption(), Clubs[b].name.str());
    const auto rows = MeetingRows(a, b);
    ASSERT_EQ(form->Gridview1->RowCount(), Meetings(a, b));
    for (int i = 0; i < form->Gridview1->RowCount(); ++i) {
        EXPECT_EQ(form->Gridview1->GetCellTextByName("colt1", std::to_string(i)), rows[i].homeName);
        EXPECT_EQ(form->Gridview1->GetCellTextByName("colp", std::to_string(i)), rows[i].score);
        EXPECT_EQ(form->Gridview1->GetCellTextByName("colcamp", std::to_string(i)), rows[i].competition);
    }
    EXPECT_EQ(form->Label4->Caption(), MeetingCountText(Meetings(a, b)));
    EXPECT_EQ(form->Label5->Caption(), MeetingSummaryTexts(a, b).first);
    EXPECT_EQ(form->Label6->Caption(), MeetingSummaryTexts(a, b).second);
}

TEST_F(HeadToHeadScreenTest, OpensOnItsPairAndShowsAnotherPairChosenWithKeys)
{
    HeadToHeadClubs = {SubjectClub(), SubjectRivalClub()};
    auto* form = Open<TForm15>("TForm15");
    ASSERT_NE(form, nullptr);
    ASSERT_GE(Meetings(HeadToHeadClubs[0], HeadToHeadClubs[1]), 1);
    ExpectPair(form, HeadToHeadClubs[0], HeadToHeadClubs[1]);
    EXPECT_EQ(form->c1->Items().Count(), static_cast<int>(Clubs.size()));

    // The same club in both boxes: the button and Enter do nothing.
    form->c2->SetItemIndex(form->c1->ItemIndex());
    Click(form->bt3);
    PressKey(form, Qt::Key_Return);
    ExpectPair(form, HeadToHeadClubs[0], HeadToHeadClubs[1]);

    PressKey(form->c2, Qt::Key_Down);
    const int other = form->ItemClubs[form->c2->ItemIndex()];
    Click(form->bt3);
    ExpectPair(form, HeadToHeadClubs[0], other);

    PressKey(form->c1, Qt::Key_Home);
    const int first = form->ItemClubs[0];
    PressKey(form, Qt::Key_Return);
    ExpectPair(form, first, other);
}

TEST_F(HeadToHeadScreenTest, ClubsThatNeverMetShowNoGames)
{
    HeadToHeadClubs = {-1, -1};
    auto* form = Open<TForm15>("TForm15");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Label1->Caption(), "");
    EXPECT_EQ(form->Gridview1->RowCount(), 0);
    const int last = static_cast<int>(Clubs.size()) - 1;  // two national teams, in no club's results
    form->ShowHeadToHead(last, last - 1);
    EXPECT_EQ(form->Label4->Caption(), "0 jogos");
    EXPECT_EQ(form->Label5->Caption(), "");
    EXPECT_EQ(form->Gridview1->RowCount(), 0);
}

TEST_F(HeadToHeadScreenTest, TheXButtonClosesTheScreenWithTheMouse)
{
    HeadToHeadClubs = {SubjectClub(), SubjectRivalClub()};
    const int open = Screen->FormCount();
    auto* form = Open<TForm15>("TForm15");
    ASSERT_NE(form, nullptr);
    auto* close = dynamic_cast<TGradButton*>(Child(form, "GradButton1"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->Caption(), "X");
    // The player clicks where the button is drawn, at the top right of the screen.
    EXPECT_GT(close->Left(), form->c2->Left() + form->c2->Width());
    EXPECT_LE(close->Left() + close->Width(), form->ClientWidth());
    const QPoint at(close->Left() + close->Width() / 2, close->Top() + close->Height() / 2);
    QWidget* under = form->Widget()->childAt(at);
    ASSERT_NE(under, nullptr);
    const QPoint inside = under->mapFrom(form->Widget(), at);
    test::SendMouse(under, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(under, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), open);
}

}  // namespace
}  // namespace tarvelon
