// Drop-downs: the combo editor's list opens under it without taking the focus, sized by its items,
// inside the work area; it picks with the mouse, closes on an outside click, Escape, Alt+Up or
// when the program loses the activation; its bar repeats while an arrow is held.
#include <gtest/gtest.h>

#include <cmath>

#include "grid/dg_combo_box.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;

class PopupListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(80, 80, 360, 240);
        combo = new TDgComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(20, 20, 120, 21);
        combo->SetTabStop(true);
        for (const char* item : {"Atlético", "Botafogo", "Bangu"})
            combo->Items().Add(item);
        form->Show();
        Pump(10);
        combo->SetFocus();
        Pump(10);
    }
    void TearDown() override { Free(form); }

    void FillItems(int count)
    {
        combo->Items().Clear();
        for (int i = 0; i < count; ++i)
            combo->Items().Add("Clube " + std::to_string(i));
    }
    void PressButton()
    {
        QWidget* button = combo->Button().Widget();
        test::SendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    }
    // Mouse input while the list holds the capture reaches the list in its own coordinates.
    void ReleaseOnList(QPoint local)
    {
        test::SendMouse(combo->List().Widget(), QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
    }
    void ClickOnList(QPoint local)
    {
        QWidget* list = combo->List().Widget();
        test::SendMouse(list, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(list, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
    }

    TForm* form = nullptr;
    TDgComboBox* combo = nullptr;
};

TEST_F(PopupListTest, TheListOpensUnderTheEditorWithoutTakingTheFocus)
{
    PressButton();
    TDgPopupList& list = combo->List();
    ASSERT_TRUE(combo->Dropped());
    EXPECT_TRUE(list.Visible());
    EXPECT_FALSE(list.Closed());
    EXPECT_TRUE(combo->Button().Down());
    EXPECT_TRUE(combo->Focused());
    const TPoint corner = combo->ClientToScreen(Point(-1, combo->ClientHeight()));
    EXPECT_EQ(list.Left(), corner.X);
    EXPECT_EQ(list.Top(), corner.Y);
    // Three items of 16 pixels and the frame; no bar.
    EXPECT_EQ(list.ClientHeight(), 52);
    EXPECT_EQ(list.Width(), 120);
    EXPECT_FALSE(list.VertScrollBar().Visible());
    EXPECT_TRUE(list.MouseCapture());
}

// With real clicks: the arrow opens the list (its own release swallowed) and closes it again; in
// list style a click on the text opens it too, with the arrow shown pressed.
TEST_F(PopupListTest, TheArrowOpensAndClosesAndAListStyleTextClickOpens)
{
    QWidget* button = combo->Button().Widget();
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(combo->Dropped());
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(combo->Dropped());
    EXPECT_TRUE(combo->List().FirstUpSeen());
    EXPECT_TRUE(combo->Button().Down());
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(combo->Dropped());
    EXPECT_FALSE(combo->Button().Down());
    QTest::mouseClick(combo->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 5));
    EXPECT_FALSE(combo->Dropped());
    combo->SetStyle(dsDropDownList);
    QTest::mouseClick(combo->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 5));
    EXPECT_TRUE(combo->Dropped());
    EXPECT_TRUE(combo->Button().Down());
    QTest::mouseClick(combo->List().Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 2 + 16 + 5));
    EXPECT_FALSE(combo->Dropped());
    EXPECT_EQ(combo->Text(), "Botafogo");
}

TEST_F(PopupListTest, TwentyItemsShowEightRowsAndABar)
{
    FillItems(20);
    combo->DropDown();
    TDgPopupList& list = combo->List();
    EXPECT_EQ(list.VisibleCount(), 8);
    EXPECT_TRUE(list.VertScrollBar().Visible());
    EXPECT_EQ(list.VertScrollBar().Max(), 12);
    EXPECT_EQ(list.ClientHeight(), 8 * 16 + 4);
}

// The chosen item shows when the list opens, also the first time and after the items changed.
TEST_F(PopupListTest, TheChosenItemShowsWhenTheListOpens)
{
    TDgPopupList& list = combo->List();
    const auto shows = [&list](int index) {
        return list.HoverIndex() == index && list.TopIndex() <= index && list.TopIndex() + list.VisibleCount() > index;
    };
    FillItems(20);
    combo->SetItemIndex(15);
    combo->DropDown();
    EXPECT_TRUE(shows(15));
    combo->SetDropped(false);
    FillItems(40);
    combo->SetItemIndex(35);
    combo->DropDown();
    EXPECT_TRUE(shows(35));
}

TEST_F(PopupListTest, TheListIsAsWideAsTheEditorAtLeast)
{
    combo->SetListWidth(80);
    combo->DropDown();
    EXPECT_EQ(combo->List().Width(), 120);
    combo->SetDropped(false);
    combo->SetListWidth(200);
    combo->DropDown();
    EXPECT_EQ(combo->List().Width(), 200);
}

TEST_F(PopupListTest, AClickPicksAnItemAfterTheOpeningReleaseIsSwallowed)
{
    std::vector<std::string> events;
    combo->OnSelect = [&](TObject*) { events.push_back("select " + combo->Text()); };
    combo->OnCloseUp = [&](TObject*) { events.push_back("closeup"); };
    combo->OnChange = [&](TObject*) { events.push_back("change " + combo->Text()); };
    PressButton();
    ReleaseOnList(QPoint(10, -5));  // the opening click's release, outside the list
    EXPECT_TRUE(combo->Dropped());
    EXPECT_TRUE(combo->List().FirstUpSeen());
    ClickOnList(QPoint(20, 2 + 16 + 5));  // the second row
    EXPECT_FALSE(combo->Dropped());
    EXPECT_FALSE(combo->List().Visible());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Botafogo");
    EXPECT_FALSE(combo->Button().Down());
    EXPECT_EQ(events, (std::vector<std::string>{"change Botafogo", "select Botafogo", "closeup"}));
}

TEST_F(PopupListTest, AClickOutsideClosesWithoutPicking)
{
    combo->SetItemIndex(0);
    PressButton();
    ReleaseOnList(QPoint(10, -5));
    ClickOnList(QPoint(300, 300));
    EXPECT_FALSE(combo->Dropped());
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_FALSE(combo->List().MouseCapture());
}

TEST_F(PopupListTest, AltArrowsToggleAndEscapeClosesKeepingTheItem)
{
    combo->SetItemIndex(2);
    QWidget* edit = combo->Widget();
    test::PressKey(edit, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(combo->Dropped());
    EXPECT_EQ(combo->List().HoverIndex(), 2);
    test::PressKey(edit, Qt::Key_Up, Qt::AltModifier);
    EXPECT_FALSE(combo->Dropped());
    test::PressKey(edit, Qt::Key_Down, Qt::AltModifier);
    test::PressKey(edit, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
    EXPECT_FALSE(combo->Dropped());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "Bangu");
}

// However the list was closed before (a pick, Alt+Up, the editor hidden), the release of the
// click that opens it again is swallowed and the list stays open for the pick.
TEST_F(PopupListTest, TheOpeningReleaseIsSwallowedEveryTimeTheListOpens)
{
    QWidget* edit = combo->Widget();
    auto openWithAClick = [this] {
        PressButton();
        ReleaseOnList(QPoint(10, -5));
        return combo->Dropped();
    };
    ASSERT_TRUE(openWithAClick());
    ClickOnList(QPoint(20, 2 + 5));  // a pick
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(openWithAClick());
    test::PressKey(edit, Qt::Key_Up, Qt::AltModifier);
    ASSERT_FALSE(combo->Dropped());
    EXPECT_TRUE(openWithAClick());
    combo->Hide();
    combo->Show();
    combo->SetFocus();
    Pump(10);
    ASSERT_FALSE(combo->Dropped());
    EXPECT_TRUE(openWithAClick());
    ClickOnList(QPoint(20, 2 + 2 * 16 + 5));
    EXPECT_EQ(combo->Text(), "Bangu");
}

TEST_F(PopupListTest, LosingTheActivationOrHidingTheEditorCloses)
{
    combo->DropDown();
    combo->List().ApplicationActivated(false);
    EXPECT_FALSE(combo->Dropped());
    combo->DropDown();
    combo->Hide();
    EXPECT_FALSE(combo->Dropped());
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(PopupListTest, UpAndDownMoveTheItemWithinTheList)
{
    QWidget* edit = combo->Widget();
    test::PressKey(edit, Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 0);
    test::PressKey(edit, Qt::Key_Up);
    EXPECT_EQ(combo->ItemIndex(), 0);
    for (int i = 0; i < 5; ++i)
        test::PressKey(edit, Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 2);
    test::SendWheel(edit, QPoint(5, 5), 120);
    EXPECT_EQ(combo->ItemIndex(), 1);
}

// While the list is open the arrows step from the item under the mouse, and the list highlights
// the new item even when it is the one chosen before.
TEST_F(PopupListTest, UpAndDownWhileOpenStepFromTheHighlightedItem)
{
    combo->SetItemIndex(1);
    QWidget* edit = combo->Widget();
    test::PressKey(edit, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->Dropped());
    TDgPopupList& list = combo->List();
    test::MoveMouse(list.Widget(), QPoint(20, 2 + 2 * 16 + 5));
    ASSERT_EQ(list.HoverIndex(), 2);
    test::PressKey(edit, Qt::Key_Up);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(list.HoverIndex(), 1);
    EXPECT_EQ(combo->Text(), "Botafogo");
    combo->Items().Clear();
    combo->SetItemIndex(-1);
    test::PressKey(edit, Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), -1);
}

// The open list never takes the focus: a wheel turned over it reaches the editor, which moves the
// list by one item a notch.
TEST_F(PopupListTest, TheWheelOverTheOpenListScrollsIt)
{
    FillItems(20);
    combo->SetItemIndex(0);
    combo->DropDown();
    TDgPopupList& list = combo->List();
    test::SendWheel(list.Widget(), QPoint(20, 20), -120);
    EXPECT_EQ(list.TopIndex(), 1);
    test::SendWheel(list.Widget(), QPoint(20, 20), 120);
    EXPECT_EQ(list.TopIndex(), 0);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(combo->Dropped());
}

TEST_F(PopupListTest, ListStyleChoosesByFirstLetterWithoutWrapping)
{
    combo->SetStyle(dsDropDownList);
    EXPECT_FALSE(combo->CanEdit());
    EXPECT_TRUE(combo->ReadOnly());
    QWidget* edit = combo->Widget();
    test::PressKey(edit, Qt::Key_B, Qt::NoModifier, "b");
    EXPECT_EQ(combo->ItemIndex(), 1);
    test::PressKey(edit, Qt::Key_B, Qt::NoModifier, "B");
    EXPECT_EQ(combo->ItemIndex(), 2);
    test::PressKey(edit, Qt::Key_B, Qt::NoModifier, "b");
    EXPECT_EQ(combo->ItemIndex(), 2);
    test::PressKey(edit, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "Atlético");
}

TEST_F(PopupListTest, TheTextFollowsTheItemAndItsDisplayMode)
{
    combo->Items().Clear();
    combo->Items().Add("1=Série A");
    combo->Items().Add("2=Série B");
    combo->SetDisplayMode(dmValueList);
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Série B");
    combo->SetDisplayMode(dmNameList);
    combo->SetItemIndex(0);
    EXPECT_EQ(combo->Text(), "1");
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->Text(), "");
    combo->SetDisplayMode(dmDefault);
    combo->SetItemIndex(0);
    combo->SetText("2=SÉRIE b");
    EXPECT_EQ(combo->ItemIndex(), 0);  // a text that matches an item (ignoring case) keeps the index
    combo->SetText("Série C");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(PopupListTest, ADropDownPastTheWorkAreaIsMovedUp)
{
    const TRect work = Screen->MonitorWorkAreaRect(Rect(0, 0, 10, 10));
    combo->DropDown();
    TDgPopupList& list = combo->List();
    list.Popup(work.Left + 10, work.Bottom - 20);
    EXPECT_EQ(list.Top() + list.Height(), work.Bottom);
    list.Popup(work.Right - 10, work.Top + 10);
    EXPECT_EQ(list.Left() + list.Width(), work.Right);
}

TEST_F(PopupListTest, HoldingTheDownArrowRepeatsAfterAPause)
{
    FillItems(30);
    combo->DropDown();
    TDgPopupList& list = combo->List();
    ReleaseOnList(QPoint(5, -5));
    const TRect down = list.VertScrollBar().DownButtonRect();
    const QPoint at((down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2);
    QWidget* widget = list.Widget();
    test::SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(list.VertScrollBar().Position(), 1);
    Pump(220);
    EXPECT_EQ(list.VertScrollBar().Position(), 1);
    Pump(380);
    const int held = list.VertScrollBar().Position();
    EXPECT_GE(held, 3);
    EXPECT_LE(held, 8);
    test::SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Pump(120);
    EXPECT_EQ(list.VertScrollBar().Position(), held);
    EXPECT_TRUE(combo->Dropped());  // a release inside the list on no item keeps it open
}

TEST_F(PopupListTest, TheHoverFollowsTheMouseAndScrollsWithWholeItems)
{
    FillItems(30);
    combo->DropDown();
    TDgPopupList& list = combo->List();
    test::MoveMouse(list.Widget(), QPoint(20, 2 + 3 * 16 + 1));
    EXPECT_EQ(list.HoverIndex(), 3);
    list.SetItemIndex(20);
    EXPECT_EQ(list.TopIndex(), 13);
    EXPECT_EQ(list.HoverIndex(), 20);
    list.SetItemIndex(5);
    EXPECT_EQ(list.TopIndex(), 5);
}

TEST_F(PopupListTest, TheThumbFollowsTheMouseAndTheTrackPagesByTen)
{
    FillItems(40);
    combo->DropDown();
    TDgPopupList& list = combo->List();
    ReleaseOnList(QPoint(5, -5));
    TDgVertScrollBar& bar = list.VertScrollBar();
    EXPECT_EQ(bar.LargeChange(), 10);
    // The thumb is as long as the share of the items that shows.
    EXPECT_EQ(bar.PageSize(), static_cast<int>(std::nearbyint(bar.TrackLength() * (8.0 / 40))));
    QWidget* widget = list.Widget();
    const TRect thumb = bar.ThumbRect();
    const QPoint grip(thumb.Left + 3, thumb.Top + 2);
    test::MoveMouse(widget, grip);
    EXPECT_TRUE(bar.ThumbState() & dsHot);
    test::SendMouse(widget, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(bar.ThumbState() & dsPressed);
    const int y = bar.Top() + bar.GetButtonSize() + bar.TrackLength() / 2;
    test::MoveMouse(widget, QPoint(grip.x(), y), Qt::LeftButton);
    EXPECT_EQ(bar.Position(), bar.PositionAt(y));
    EXPECT_NEAR(bar.Position(), bar.Max() / 2, 1);
    test::SendMouse(widget, QEvent::MouseButtonRelease, QPoint(grip.x(), y), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(bar.ThumbState() & dsPressed);
    const int before = bar.Position();
    const TRect below = bar.ThumbRect();
    const QPoint track(below.Left + 3, below.Bottom + 2);
    test::SendMouse(widget, QEvent::MouseButtonPress, track, Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(widget, QEvent::MouseButtonRelease, track, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(bar.Position(), std::min(before + 10, bar.Max()));
    EXPECT_TRUE(combo->Dropped());
}

TEST_F(PopupListTest, ADropDownLeftOfTheWorkAreaIsMovedRight)
{
    const TRect work = Screen->MonitorWorkAreaRect(Rect(0, 0, 10, 10));
    combo->DropDown();
    combo->List().Popup(work.Left - 50, work.Top + 5);
    EXPECT_EQ(combo->List().Left(), work.Left);
}

// A drop-down wider than the work area, opened left of it, is pulled in by both edges in turn:
// the right edge is the one that holds.
TEST_F(PopupListTest, ADropDownWiderThanTheWorkAreaKeepsItsRightEdgeInside)
{
    const TRect work = Screen->MonitorWorkAreaRect(Rect(0, 0, 10, 10));
    combo->SetListWidth(work.Width() + 200);
    combo->DropDown();
    TDgPopupList& list = combo->List();
    list.Popup(work.Left - 50, work.Top + 5);
    EXPECT_EQ(list.Left() + list.Width(), work.Right);
}

TEST(ItemDisplayTextTest, NamesValuesAndWholeLines)
{
    EXPECT_EQ(ItemDisplayText("2=Zagueiro", dmDefault), "2=Zagueiro");
    EXPECT_EQ(ItemDisplayText("2=Zagueiro", dmNameList), "2");
    EXPECT_EQ(ItemDisplayText("2=Zagueiro", dmValueList), "Zagueiro");
    EXPECT_EQ(ItemDisplayText("2=Zagueiro", dmIndentList), "Zagueiro");
    EXPECT_EQ(ItemDisplayText("Lateral", dmValueList), "");
}

}  // namespace
}  // namespace tarvelon
