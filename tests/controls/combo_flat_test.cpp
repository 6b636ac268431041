// The flat combo box with real mouse and key events: dropping its list down as a popup that leaves
// the focus on the combo, choosing with the mouse and the keys, its flat look and focus colours,
// and its attached label.
#include <gtest/gtest.h>

#include "controls/dc_combo.h"
#include "platform/forms/form.h"
#include "platform/graphics/system_metrics.h"
#include "tests/controls/glow_support.h"

namespace tarvelon {
namespace {

using test::BackingPixel;
using test::MoveMouse;
using test::Rgb;
using test::SendMouse;

constexpr TColor kPitchGreen = 3379527;

class FlatComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(60, 60, 360, 260);
        form->SetColor(0x606060);
        combo = new TDcComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(100, 20, 150, 21);
        combo->SetStyle(csDropDownList);
        combo->Items().Assign({"4-4-2", "4-3-3", "3-5-2", "5-3-2"});
        combo->SetItemIndex(0);
        combo->OnChange = [this](TObject*) { changes.push_back(combo->ItemIndex()); };
        combo->OnDropUp = [this](TObject*) { ++dropUps; };
        other = new TDcComboBox(form);
        other->SetParent(form);
        other->SetBounds(100, 80, 150, 21);
        form->Show();
        test::Pump();
    }
    void TearDown() override { delete form; }

    void Click(QWidget* widget, QPoint at)
    {
        SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    void Key(int key) { test::PressKey(combo->Widget(), key); }

    TForm* form = nullptr;
    TDcComboBox* combo = nullptr;
    TDcComboBox* other = nullptr;
    std::vector<int> changes;
    int dropUps = 0;
};

TEST_F(FlatComboTest, CreatedWithTheDocumentedValues)
{
    EXPECT_EQ(other->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
    EXPECT_FALSE(other->Flat());
    EXPECT_EQ(other->FlatLineColor(), clBlack);
    EXPECT_TRUE(other->FlatParentColor());
    EXPECT_EQ(other->FocusColor(), clNone);
    EXPECT_EQ(other->FocusBorderColor(), clNone);
    EXPECT_TRUE(other->DisabledBorder());
    EXPECT_EQ(other->LabelMargin(), 4);
    EXPECT_EQ(other->Color(), clWindow);
    EXPECT_EQ(other->Version(), "1.3.0.0");
    EXPECT_EQ(other->Label(), nullptr);  // no caption, no label
}

TEST_F(FlatComboTest, ButtonWidthTakesOnlyFourteenToThirtyTwo)
{
    combo->SetButtonWidth(13);
    EXPECT_EQ(combo->ButtonWidth(), 19);
    combo->SetButtonWidth(33);
    EXPECT_EQ(combo->ButtonWidth(), 19);
    combo->SetButtonWidth(14);
    EXPECT_EQ(combo->ButtonWidth(), 14);
    combo->SetButtonWidth(32);
    EXPECT_EQ(combo->ButtonWidth(), 32);
}

TEST_F(FlatComboTest, ClickDropsTheListBelowWithoutTakingTheFocus)
{
    Click(combo->Widget(), QPoint(20, 10));
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(combo->Focused());
    TDcComboList* list = combo->List();
    QWidget* window = list->Widget();
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_EQ(list->ClientOrigin(), combo->ClientToScreen(Point(0, 21)));
    EXPECT_EQ(list->Width(), 150);  // DropWidth 0: the combo's own width
    EXPECT_EQ(list->HotIndex(), 0);
    // A drop width below the combo's leaves the list as wide as the combo.
    combo->SetDropWidth(90);
    EXPECT_EQ(list->Width(), 150);
    EXPECT_EQ(QApplication::focusWidget(), combo->Widget());
    // Clicking the combo again closes it, as the list's own close-up.
    Click(combo->Widget(), QPoint(20, 10));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(dropUps, 1);
    EXPECT_TRUE(changes.empty());
}

TEST_F(FlatComboTest, MousePicksAnItemAndOnChangeFiresOnce)
{
    combo->SetDropWidth(200);
    Click(combo->Widget(), QPoint(20, 10));
    TDcComboList* list = combo->List();
    EXPECT_EQ(list->Width(), 200);
    const int row = list->ItemHeight();
    QWidget* window = list->Widget();
    MoveMouse(window, QPoint(30, 1 + 2 * row + row / 2));
    EXPECT_EQ(list->HotIndex(), 2);
    list->Update();
    // The item under the mouse is highlighted.
    EXPECT_EQ(BackingPixel(list, 150, 1 + 2 * row + 1), Rgb(ColorToRGB(clHighlight)));
    Click(window, QPoint(30, 1 + 2 * row + row / 2));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "3-5-2");
    EXPECT_EQ(changes, std::vector<int>{2});
    EXPECT_EQ(dropUps, 1);
}

TEST_F(FlatComboTest, KeysMoveTheSelectionOrTheOpenListsHighlight)
{
    combo->SetFocus();
    test::Pump();
    Key(Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, std::vector<int>{1});
    Key(Qt::Key_F4);
    ASSERT_TRUE(combo->DroppedDown());
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(combo->List()->HotIndex(), 3);
    EXPECT_EQ(combo->ItemIndex(), 1);
    Key(Qt::Key_Return);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(changes, (std::vector<int>{1, 3}));
    // Escape leaves the selection as it was; at the end the arrow changes nothing.
    test::PressKey(combo->Widget(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->DroppedDown());
    Key(Qt::Key_Up);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 3);
    Key(Qt::Key_Down);
    EXPECT_EQ(changes.size(), 2u);
}

TEST_F(FlatComboTest, PressDragIntoTheListAndReleaseChoosesTheItem)
{
    // The mouse stays with the combo while its button is held: the moves and the release come to it.
    SendMouse(combo->Widget(), QEvent::MouseButtonPress, QPoint(20, 10), Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(combo->DroppedDown());
    const int row = combo->List()->ItemHeight();
    const QPoint overThird(30, 21 + 1 + 2 * row + row / 2);
    MoveMouse(combo->Widget(), overThird, Qt::LeftButton);
    EXPECT_EQ(combo->List()->HotIndex(), 2);
    SendMouse(combo->Widget(), QEvent::MouseButtonRelease, overThird, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, std::vector<int>{2});
    // Without the button held, moving below the combo lights nothing up in an open list.
    Click(combo->Widget(), QPoint(20, 10));
    ASSERT_TRUE(combo->DroppedDown());
    MoveMouse(combo->Widget(), QPoint(30, 21 + 1 + row / 2));
    EXPECT_EQ(combo->List()->HotIndex(), 2);
}

TEST_F(FlatComboTest, TypedLetterGoesToTheNextItemStartingWithIt)
{
    combo->SetFocus();
    test::Pump();
    auto type = [this](int key, const char* text) { test::PressKey(combo->Widget(), key, Qt::NoModifier, text); };
    type(Qt::Key_3, "3");
    EXPECT_EQ(combo->ItemIndex(), 2);
    // Going round from the current item; the same letter again moves on to the next such item.
    type(Qt::Key_4, "4");
    EXPECT_EQ(combo->ItemIndex(), 0);
    type(Qt::Key_4, "4");
    EXPECT_EQ(combo->ItemIndex(), 1);
    type(Qt::Key_X, "x");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes, (std::vector<int>{2, 0, 1}));
    // In the open list the letter moves the highlight only.
    Key(Qt::Key_F4);
    ASSERT_TRUE(combo->DroppedDown());
    type(Qt::Key_5, "5");
    EXPECT_EQ(combo->List()->HotIndex(), 3);
    EXPECT_EQ(combo->ItemIndex(), 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(combo->ItemIndex(), 3);
}

// Alt+F4 is the window's, not the list's: the list stays closed and the form closes.
TEST_F(FlatComboTest, AltF4LeavesTheListClosedAndClosesTheForm)
{
    combo->SetFocus();
    test::Pump();
    test::PressKey(combo->Widget(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(form->Visible());
}

TEST_F(FlatComboTest, PressOutsideClosesTheList)
{
    Click(combo->Widget(), QPoint(20, 10));
    ASSERT_TRUE(combo->DroppedDown());
    Click(form->Widget(), QPoint(20, 200));
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(changes.empty());
}

TEST_F(FlatComboTest, FlatLookFramesInTheParentsColourWithALineAlongTheBottom)
{
    other->SetFocus();  // the unfocused field shows no selection
    test::Pump();
    combo->SetFlat(true);
    combo->SetColor(kPitchGreen);
    combo->SetFlatLineColor(clRed);
    // Face in the control's colour, frame in the form's, the red line up to the button.
    EXPECT_EQ(BackingPixel(combo, 8, 3), Rgb(kPitchGreen));
    EXPECT_EQ(BackingPixel(combo, 0, 5), 0x606060u);
    EXPECT_EQ(BackingPixel(combo, 1, 5), 0x606060u);
    EXPECT_EQ(BackingPixel(combo, 2, 5), Rgb(kPitchGreen));
    EXPECT_EQ(BackingPixel(combo, 5, 20), Rgb(clRed));
    EXPECT_EQ(BackingPixel(combo, 150 - 19 - 4, 20), Rgb(clRed));
    EXPECT_NE(BackingPixel(combo, 150 - 19 - 3, 20), Rgb(clRed));
    combo->SetFlatLineColor(clNone);
    EXPECT_EQ(BackingPixel(combo, 5, 20), 0x606060u);
}

TEST_F(FlatComboTest, FocusColoursComeWithTheFocusAndGoWithIt)
{
    combo->SetFlat(true);
    combo->SetColor(kPitchGreen);
    combo->SetFocusColor(clYellow);
    combo->SetFocusBorderColor(clRed);
    other->SetFocus();
    test::Pump();
    combo->SetFocus();
    test::Pump();
    EXPECT_EQ(combo->Color(), clYellow);
    EXPECT_EQ(BackingPixel(combo, 0, 5), Rgb(clRed));
    other->SetFocus();
    test::Pump();
    EXPECT_EQ(combo->Color(), kPitchGreen);
    // Without a focus colour the colour stays.
    other->SetFlat(true);
    other->SetColor(kPitchGreen);
    combo->SetFocus();
    test::Pump();
    EXPECT_EQ(other->Color(), kPitchGreen);
}

TEST_F(FlatComboTest, HotButtonFollowsTheMouse)
{
    MoveMouse(combo->Widget(), QPoint(20, 10));
    EXPECT_TRUE(combo->MouseInside());
    EXPECT_FALSE(combo->HotButton());
    MoveMouse(combo->Widget(), QPoint(140, 10));
    EXPECT_TRUE(combo->HotButton());
    MoveMouse(form->Widget(), QPoint(10, 200));
    EXPECT_FALSE(combo->MouseInside());
    EXPECT_FALSE(combo->HotButton());
}

TEST_F(FlatComboTest, AttachedLabelStandsBesideAndFollowsVisibility)
{
    combo->SetLabelCaption("Tática:");
    TLabel* label = combo->Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    EXPECT_EQ(label->Top(), 20);
    EXPECT_EQ(label->Left() + label->Width(), 100 - combo->LabelMargin());
    combo->SetLabelPosition(lpTopLeft);
    EXPECT_EQ(label->Left(), 100);
    EXPECT_EQ(label->Top(), 20 - label->Height() - 4);
    combo->SetLeft(120);
    EXPECT_EQ(label->Left(), 120);
    combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    combo->SetVisible(true);
    EXPECT_TRUE(label->Visible());
    combo->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

TEST_F(FlatComboTest, LongListScrollsToKeepTheHighlightInView)
{
    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i)
        names.push_back("Jogador " + std::to_string(i + 1));
    combo->Items().Assign(names);
    combo->SetItemIndex(0);
    combo->SetFocus();
    test::Pump();
    Key(Qt::Key_F4);
    TDcComboList* list = combo->List();
    EXPECT_EQ(list->VisibleCount(), 8);
    EXPECT_EQ(list->Height(), 8 * list->ItemHeight() + 2);
    EXPECT_TRUE(list->ScrollBarVisible(sbVertical));
    for (int i = 0; i < 10; ++i)
        Key(Qt::Key_Down);
    EXPECT_EQ(list->HotIndex(), 10);
    EXPECT_EQ(list->TopIndex(), 3);
    Key(Qt::Key_Return);
    EXPECT_EQ(combo->Text(), "Jogador 11");
    EXPECT_EQ(changes, std::vector<int>{10});
}

TEST_F(FlatComboTest, DisabledWithoutItsBorderGetsTheThinBlueFrame)
{
    combo->SetDisabledBorder(false);
    combo->SetEnabled(false);
    EXPECT_EQ(BackingPixel(combo, 0, 5), Rgb(0xB99D7F));
    EXPECT_EQ(BackingPixel(combo, 75, 20), Rgb(0xB99D7F));
}

}  // namespace
}  // namespace tarvelon
