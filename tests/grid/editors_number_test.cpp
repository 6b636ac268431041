// Text and number editors: typed characters and pastes pass the number rules, the value reads
// within its range and writes back formatted, the spin arrows step it.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLineEdit>

#include "grid/dg_number_edit.h"
#include "grid/dg_sysutils.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;

class EditorsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(60, 60, 320, 200);
        number = new TDgSpinEdit(form);
        number->SetParent(form);
        number->SetBounds(10, 10, 120, 22);
        text = new TDgEdit(form);
        text->SetParent(form);
        text->SetBounds(10, 50, 120, 22);
        form->Show();
        Pump(10);
    }
    void TearDown() override { Free(form); }

    // Types one character as the keyboard does (key down, character, key up).
    static void Type(TWinControl* editor, char c)
    {
        const int key = c >= 'a' && c <= 'z' ? Qt::Key_A + (c - 'a') : c == '-' ? Qt::Key_Minus
                        : c == '+'                                   ? Qt::Key_Plus
                        : c == ','                                   ? Qt::Key_Comma
                        : c >= '0' && c <= '9'                       ? Qt::Key_0 + (c - '0')
                                                                     : Qt::Key_unknown;
        test::PressKey(editor->Widget(), key, Qt::NoModifier, QString(QChar(c)));
    }
    void Select(int start, int length)
    {
        number->SetSelStart(start);
        number->SetSelLength(length);
    }

    TForm* form = nullptr;
    TDgSpinEdit* number = nullptr;
    TDgEdit* text = nullptr;
};

TEST_F(EditorsTest, ASignGoesOnlyInFrontAndOnlyOnce)
{
    number->SetText("12");
    Select(1, 0);
    Type(number, '-');
    EXPECT_EQ(number->Text(), "12");
    Select(0, 0);
    Type(number, '-');
    EXPECT_EQ(number->Text(), "-12");
    Select(0, 0);
    Type(number, '+');
    EXPECT_EQ(number->Text(), "-12");
    Select(0, 3);
    Type(number, '+');
    EXPECT_EQ(number->Text(), "+");
    number->SetOptions(TDgNumberEditOptions{eoAllowFloat});
    number->SetText("7");
    Select(0, 0);
    Type(number, '-');
    EXPECT_EQ(number->Text(), "7");
}

TEST_F(EditorsTest, OneDecimalSeparatorUnlessTheSelectionCoversIt)
{
    number->SetText("1,5");
    Select(3, 0);
    Type(number, ',');
    EXPECT_EQ(number->Text(), "1,5");
    Select(1, 1);
    Type(number, ',');
    EXPECT_EQ(number->Text(), "1,5");
    Select(1, 2);
    Type(number, '7');
    EXPECT_EQ(number->Text(), "17");
    number->SetOptions(TDgNumberEditOptions{eoAllowSigns});
    Select(2, 0);
    Type(number, ',');
    EXPECT_EQ(number->Text(), "17");
}

TEST_F(EditorsTest, LettersAreDroppedAndTypingCanBeSwitchedOffOrFree)
{
    number->SetText("");
    Type(number, 'x');
    Type(number, '4');
    EXPECT_EQ(number->Text(), "4");
    number->SetOptions(TDgNumberEditOptions{eoAllowFloat, eoDisableTyping});
    int keyDowns = 0;
    number->OnKeyDown = [&](TObject*, unsigned short&, TShiftState) { ++keyDowns; };
    Type(number, '5');
    test::PressKey(number->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(number->Text(), "4");
    EXPECT_EQ(keyDowns, 1);  // the digit's key down; Backspace is swallowed before the event
    number->SetOptions(TDgNumberEditOptions{eoAllowAll});
    Type(number, 'x');
    EXPECT_EQ(number->Text(), "4x");
}

TEST_F(EditorsTest, APasteKeepsOnlyTheNumber)
{
    QApplication::clipboard()->setText("a1b2c,d5e");
    number->SetText("");
    test::PressKey(number->Widget(), Qt::Key_V, Qt::ControlModifier, "v");
    EXPECT_EQ(number->Text(), "12,5");
    // No second separator from a paste when the text keeps one outside the selection.
    QApplication::clipboard()->setText("3,25");
    number->SetText("1,5");
    Select(3, 0);
    number->PasteFromClipboard();
    EXPECT_EQ(number->Text(), "1,5325");
    // Signs only when the selection starts at 0; a pasted value is limited by the range.
    number->SetMax(100);
    QApplication::clipboard()->setText("-250");
    number->SetText("");
    number->PasteFromClipboard();
    EXPECT_EQ(number->Text(), "0");
    number->SetOptions(TDgNumberEditOptions{eoAllowFloat, eoDisablePaste});
    number->SetText("9");
    number->PasteFromClipboard();
    EXPECT_EQ(number->Text(), "9");
}

TEST_F(EditorsTest, APasteWithoutDigitsPastesNothing)
{
    std::string reported;
    Application->OnException = [&](TObject*, const std::exception& error) { reported = error.what(); };
    QApplication::clipboard()->setText("abc");
    number->SetText("8");
    number->PasteFromClipboard();
    EXPECT_EQ(number->Text(), "8");
    EXPECT_FALSE(reported.empty());
    Application->OnException = nullptr;
}

TEST_F(EditorsTest, NullTextStandsForZero)
{
    number->SetNullText("-");
    EXPECT_EQ(number->Text(), "-");
    EXPECT_EQ(number->Value(), 0);
    number->SetValue(4);
    EXPECT_EQ(number->Text(), "4");
    number->SetValue(0);
    EXPECT_EQ(number->Text(), "-");
    // An empty text reads as Min then.
    number->SetMin(2);
    number->SetMax(9);
    number->SetText("");
    EXPECT_EQ(number->Value(), 2);
}

TEST_F(EditorsTest, ValuesReadWithinTheRangeAndBadTextsKeepTheLastGoodValue)
{
    number->SetText("");
    EXPECT_EQ(number->Value(), 0);
    EXPECT_EQ(number->Text(), "0");  // an empty editor shows the formatted zero once read
    number->SetMin(-5);
    number->SetMax(10);
    number->SetText("42");
    EXPECT_EQ(number->Value(), 10);
    number->SetText("-42");
    EXPECT_EQ(number->Value(), -5);
    number->SetText("3,5");
    EXPECT_EQ(number->Value(), 3.5);
    number->SetText("3,5,");
    EXPECT_EQ(number->Value(), 3.5);
    number->SetText("+");
    EXPECT_EQ(number->Value(), 0);
    EXPECT_EQ(number->GetAsInteger(), 0);
    number->SetText("2,5");
    EXPECT_EQ(number->GetAsInteger(), 2);  // ties to even
}

TEST_F(EditorsTest, TheFormatFollowsPrecisionOptionsAndTextAfter)
{
    number->SetValue(2.6);
    EXPECT_EQ(number->Text(), "2,6");  // floats allowed and no decimals asked: the shortest form
    number->SetOptions(TDgNumberEditOptions{eoAllowSigns});
    number->SetValue(2.6);
    EXPECT_EQ(number->Text(), "3");
    number->SetOptions(TDgNumberEditOptions{eoAllowFloat});
    number->SetPrecision(2);
    number->SetValue(2.6);
    EXPECT_EQ(number->Text(), "2,60");
    number->SetTextAfter(" kg");
    EXPECT_EQ(number->Text(), "2,60 kg");
    EXPECT_EQ(number->Value(), 2.6);
    number->SetFormatting(true);
    number->SetValue(9);
    EXPECT_EQ(number->Text(), "2,60 kg");
}

TEST_F(EditorsTest, SpinStepsStopAtTheRange)
{
    number->SetMax(10);
    number->SetMin(0);
    number->SetPrecision(1);
    number->SetValue(9.5);
    number->Spin(spUp);
    EXPECT_EQ(number->Value(), 9.5);
    number->Spin(spDown);
    EXPECT_EQ(number->Value(), 8.5);
    number->SetMax(0);
    number->SetMin(0);
    number->SetValue(1000000);
    number->Spin(spUp);
    EXPECT_EQ(number->Value(), 1000001);
    // Below zero only with signs.
    number->SetOptions(TDgNumberEditOptions{eoAllowFloat});
    number->SetValue(0);
    number->Spin(spDown);
    EXPECT_EQ(number->Value(), 0);
    number->SetReadOnly(true);
    number->Spin(spUp);
    EXPECT_EQ(number->Value(), 0);
}

TEST_F(EditorsTest, TheArrowsKeysAndWheelStep)
{
    std::vector<TDgSpinPart> spins;
    number->OnSpin = [&](TObject*, TDgSpinPart part) { spins.push_back(part); };
    number->SetValue(5);
    TDgSpinButtons& buttons = number->Buttons();
    ASSERT_TRUE(buttons.Visible());
    EXPECT_EQ(buttons.Width(), 17);
    // Inside the edit's frame: at its right, one pixel below its top, down to its bottom.
    const TRect inner = number->DisplayClientRect();
    EXPECT_EQ(buttons.Left() + buttons.Width(), inner.Right);
    EXPECT_EQ(buttons.Top(), inner.Top + 1);
    EXPECT_EQ(buttons.Top() + buttons.Height(), inner.Bottom);
    QWidget* arrows = buttons.Widget();
    test::SendMouse(arrows, QEvent::MouseButtonPress, QPoint(5, 2), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(number->Value(), 6);
    EXPECT_TRUE(number->Focused());
    Pump(250);
    EXPECT_EQ(number->Value(), 6);  // nothing more before 400 ms
    Pump(300);
    EXPECT_GT(number->Value(), 7);  // then every 20 ms
    test::SendMouse(arrows, QEvent::MouseButtonRelease, QPoint(5, 2), Qt::LeftButton, Qt::NoButton);
    const double held = number->Value();
    Pump(100);
    EXPECT_EQ(number->Value(), held);

    number->SetValue(5);
    test::SendKey(number->Widget(), QEvent::KeyPress, Qt::Key_Down);
    test::SendKey(number->Widget(), QEvent::KeyRelease, Qt::Key_Down);
    EXPECT_EQ(number->Value(), 4);
    test::SendWheel(number->Widget(), QPoint(10, 10), 120);
    EXPECT_EQ(number->Value(), 5);
    test::SendWheel(number->Widget(), QPoint(10, 10), -120);
    EXPECT_EQ(number->Value(), 4);
    EXPECT_EQ(spins.back(), spDown);
    // The arrows keep the text clear of them.
    EXPECT_EQ(number->TextMarginRight(), 17);
}

// Over the editor both arrows light, over the arrows the one under the mouse; leaving the editor
// from the arrows puts them out.
TEST_F(EditorsTest, TheArrowsLightWhileTheMouseIsOverTheEditor)
{
    TDgSpinButtons& buttons = number->Buttons();
    test::MoveMouse(number->Widget(), QPoint(20, 5));
    EXPECT_EQ(buttons.HotPart(), spBoth);
    test::MoveMouse(buttons.Widget(), QPoint(5, 2));
    EXPECT_EQ(buttons.HotPart(), spUp);
    test::MoveMouse(form->Widget(), QPoint(300, 180));
    EXPECT_EQ(buttons.HotPart(), spNone);
}

TEST_F(EditorsTest, ThePlainEditorConvertsAndRaisesOnBadTexts)
{
    text->SetAsFloat(2.5);
    EXPECT_EQ(text->Text(), "2,5");
    EXPECT_EQ(text->GetAsFloat(), 2.5);
    text->SetAsInteger(-7);
    EXPECT_EQ(text->GetAsInteger(), -7);
    text->SetAsBoolean(true);
    EXPECT_TRUE(text->GetAsBoolean());
    text->SetText("abc");
    EXPECT_THROW(text->GetAsInteger(), EConvertError);
    EXPECT_THROW(text->GetAsFloat(), EConvertError);
    EXPECT_THROW(text->GetAsBoolean(), EConvertError);
    EXPECT_EQ(text->GetAsString(), "abc");
    text->CaretToEnd();
    EXPECT_EQ(text->SelStart(), 3);
}

TEST_F(EditorsTest, GlyphAndPreviewMoveTheTextRight)
{
    EXPECT_EQ(text->TextMarginLeft(), 0);
    EXPECT_FALSE(text->Info().Visible());
    text->SetShowPreview(true);
    EXPECT_EQ(text->TextMarginLeft(), 25);
    EXPECT_TRUE(text->Info().Visible());
    EXPECT_EQ(text->Info().Width(), 20);
    // The strip stands inside the edit's frame, as tall as the space within it.
    const TRect inner = text->DisplayClientRect();
    EXPECT_EQ(text->Info().Left(), inner.Left);
    EXPECT_EQ(text->Info().Top(), inner.Top);
    EXPECT_EQ(text->Info().Height(), inner.Height());
    text->EditMargins().SetLeft(3);
    EXPECT_EQ(text->TextMarginLeft(), 31);
    text->Glyph().SetSize(16, 16);
    text->GlyphChanged();
    EXPECT_EQ(text->TextMarginLeft(), 51);
    EXPECT_EQ(text->Info().Width(), 40);
    EXPECT_EQ(text->GetPreviewRect().Left, 20);
    int clicks = 0;
    text->OnGlyphClick = [&](TObject*) { ++clicks; };
    test::SendMouse(text->Info().Widget(), QEvent::MouseButtonPress, QPoint(4, 8), Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(text->Info().Widget(), QEvent::MouseButtonRelease, QPoint(4, 8), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
}

// A press at the left edge, inside the frame up to two pixels right of the strip, selects the text.
TEST_F(EditorsTest, APressAtTheLeftEdgeSelectsTheWholeText)
{
    text->SetText("Bangu");
    text->SetFocus();
    Pump(10);
    const QPoint edge(text->DisplayClientRect().Left + text->InfoWidth() + 2, 10);
    text->SetSelStart(5);
    test::SendMouse(text->Widget(), QEvent::MouseButtonPress, edge, Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(text->Widget(), QEvent::MouseButtonRelease, edge, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(text->SelLength(), 5);
    test::SendMouse(text->Widget(), QEvent::MouseButtonPress, QPoint(60, 10), Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(text->Widget(), QEvent::MouseButtonRelease, QPoint(60, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(text->SelLength(), 0);
}

TEST_F(EditorsTest, TabStaysOnlyWhenWanted)
{
    EXPECT_FALSE(text->DialogCode() & DLGC_WANTTAB);
    EXPECT_TRUE(text->DialogCode() & DLGC_WANTARROWS);
    text->SetWantTabs(true);
    EXPECT_TRUE(text->DialogCode() & DLGC_WANTTAB);
}

TEST_F(EditorsTest, ASentCharacterPassesTheFilters)
{
    number->SetText("");
    number->SendChar(U'a');
    number->SendChar(U'5');
    EXPECT_EQ(number->Text(), "5");
    text->SetText("");
    text->SendChar(U'é');
    EXPECT_EQ(text->Text(), "é");
}

}  // namespace
}  // namespace tarvelon
