// What the rich-text check box and radio button draw, probed at known pixels of their windows:
// the box of each look at its place (left or right, top, centre or bottom), the checked, grayed
// and disabled looks, the caption beside the box, grey when disabled, the focus rectangle, and
// the parent showing through a transparent control.
#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/graphics/themes.h"
#include "richtext/html_button_bitmaps.h"
#include "richtext/html_check_box.h"
#include "richtext/html_radio.h"
#include "tests/richtext/checkradio_test_support.h"

namespace tarvelon {
namespace {

using test::CountPixels;
using test::IsDark;
using test::Picture;
using test::Rgb;
using test::RgbOf;

class CheckRadioPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetThemed(false);
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 300, 200);
        form->SetColor(RGB(0, 128, 0));
        box = new THTMLCheckBox(form);
        box->SetParent(form);
        box->SetBounds(10, 10, 150, 24);
        box->SetColor(clWhite);
        box->SetCaption("Som");
        radio = new THTMLRadioButton(form);
        radio->SetParent(form);
        radio->SetBounds(10, 50, 150, 24);
        radio->SetColor(clWhite);
        radio->SetCaption("Opção");
        test::ShowActive(form);
    }
    void TearDown() override
    {
        Free(form);
        SetThemed(true);
    }

    TForm* form = nullptr;
    THTMLCheckBox* box = nullptr;
    THTMLRadioButton* radio = nullptr;
};

// The dark pixels inside the classic box's face (13 x 13 at (0, 4)).
int DarkInsideBox(const QImage& image, int left = 0, int top = 4)
{
    return CountPixels(image, QRect(left + 3, top + 3, 7, 7), IsDark);
}

TEST_F(CheckRadioPaintTest, TheClassicBoxShowsItsStateAtTheTopLeft)
{
    QImage image = Picture(box);
    EXPECT_EQ(Rgb(image, 6, 10), 0xFFFFFFu) << "an empty box has a white face";
    EXPECT_EQ(DarkInsideBox(image), 0);
    box->SetChecked(true);
    image = Picture(box);
    EXPECT_GT(DarkInsideBox(image), 5) << "the tick";
    // Grayed: the inactive look, a face that is not white, no tick.
    box->SetState(cbGrayed);
    image = Picture(box);
    EXPECT_NE(Rgb(image, 6, 10), 0xFFFFFFu);
    EXPECT_EQ(DarkInsideBox(image), 0);
}

TEST_F(CheckRadioPaintTest, TheBoxFollowsAlignmentAndVerticalPlace)
{
    box->SetChecked(true);
    box->SetButtonVertAlign(tlBottom);  // top = 24 - 17 = 7
    QImage image = Picture(box);
    EXPECT_GT(DarkInsideBox(image, 0, 7), 5);
    box->SetButtonVertAlign(tlCenter);  // top = 12 - 6 = 6
    box->SetAlignment(taRightJustify);  // left = 150 - 13
    image = Picture(box);
    EXPECT_GT(DarkInsideBox(image, 137, 6), 5);
    // The caption runs from the left edge to 12 + 5 left of the box's right.
    const QRect ink = test::BoundsOf(image, QRect(0, 0, 136, 24), IsDark);
    EXPECT_LE(ink.left(), 2);
    EXPECT_LT(ink.right(), 150 - 17);
}

TEST_F(CheckRadioPaintTest, TheCaptionStartsBesideTheBoxAndTurnsGreyWhenDisabled)
{
    box->Font().SetColor(clBlack);
    QImage image = Picture(box);
    // Classic box: caption from x = 0 + 12 + 5, top = 4 + 4.
    const QRect caption(17, 8, 100, 16);
    const QRect ink = test::BoundsOf(image, QRect(14, 0, 136, 24), IsDark);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 17);
    EXPECT_LE(ink.left(), 19);
    EXPECT_GE(ink.top(), 8);
    box->SetEnabled(false);
    image = Picture(box);
    EXPECT_EQ(CountPixels(image, caption, IsDark), 0);
    EXPECT_GT(CountPixels(image, caption, [](unsigned c) { return c == 0x808080u; }), 5);
    // The white copy one pixel down and right shows only against a non-white face.
    box->SetColor(clSilver);
    image = Picture(box);
    EXPECT_GT(CountPixels(image, caption, [](unsigned c) { return c == 0xFFFFFFu; }), 2);
    // The disabled box is drawn inactive: no white face.
    EXPECT_NE(Rgb(image, 6, 10), 0xFFFFFFu);
}

TEST_F(CheckRadioPaintTest, TheFocusedControlFramesItsCaption)
{
    radio->SetFocus();
    const QImage before = Picture(box);
    box->SetFocus();
    const QImage after = Picture(box);
    // The dotted frame runs along the caption's top from its left (17, 8).
    int changed = 0;
    for (int x = 17; x < 40; ++x)
        changed += Rgb(before, x, 8) != Rgb(after, x, 8);
    EXPECT_GT(changed, 5);
}

TEST_F(CheckRadioPaintTest, TheOwnBitmapsDrawTransparentlyInTheirPlaces)
{
    box->SetButtonType(btVelmar);
    box->SetChecked(true);
    QImage image = Picture(box);
    const TBitmap& bitmap = ButtonBitmap("HTMBCHK01");
    ASSERT_EQ(bitmap.Width(), 13);
    ASSERT_EQ(bitmap.Height(), 13);
    // Velmar: at the top (y 0); the tick's colour at (6, 8).
    EXPECT_EQ(Rgb(image, 6, 8), 0x1E8C2Au);
    // Disabled: "HTMBCHK02", grey tick.
    box->SetEnabled(false);
    image = Picture(box);
    EXPECT_EQ(Rgb(image, 6, 8), 0x909090u);
    // The radio's corners keep the control's face: the key colour never shows.
    radio->SetButtonType(btWinXP);  // unthemed: the desktop bitmaps, 2 from the top
    radio->SetChecked(true);
    image = Picture(radio);
    EXPECT_EQ(Rgb(image, 0, 2), 0xFFFFFFu);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 13, 16), [](unsigned c) { return c == 0xFF00FFu; }), 0);
    EXPECT_EQ(Rgb(image, 6, 8), 0x21A121u) << "the dot of HTMBRAD05";
    EXPECT_TRUE(ButtonBitmap("HTMBXXX01").Empty());
}

TEST_F(CheckRadioPaintTest, DruskDrawsATickInCheckColorAndTheRadioADiamond)
{
    box->SetButtonType(btDrusk);
    box->SetCheckColor(clRed);
    box->SetChecked(true);
    QImage image = Picture(box);
    // 12 x 12 at (1, 4): face of button colour, tick in red.
    EXPECT_EQ(Rgb(image, 2, 14), RgbOf(clBtnFace));
    EXPECT_GT(CountPixels(image, QRect(1, 4, 12, 12), [](unsigned c) { return c == 0xFF0000u; }), 6);
    box->SetState(cbGrayed);
    image = Picture(box);
    EXPECT_EQ(Rgb(image, 7, 10), RgbOf(clBtnShadow));
    radio->SetButtonType(btDrusk);
    image = Picture(radio);
    // Diamond centred at (7, 10): its tip at the top, the corners of its box untouched.
    EXPECT_EQ(Rgb(image, 7, 4), RgbOf(clGray));
    EXPECT_EQ(Rgb(image, 1, 4), 0xFFFFFFu);
}

TEST_F(CheckRadioPaintTest, ThemedBoxesDrawWhereTheDesktopIsThemed)
{
    SetThemed(true);
    box->SetButtonType(btTheme);
    QImage plain = Picture(box);
    box->SetChecked(true);
    QImage checked = Picture(box);
    int changed = 0;
    for (int y = 4; y < 18; ++y)
        for (int x = 0; x < 13; ++x)
            changed += Rgb(plain, x, y) != Rgb(checked, x, y);
    EXPECT_GT(changed, 4);
    // Without a theme btTheme falls back to the classic look.
    SetThemed(false);
    box->Invalidate();
    EXPECT_GT(DarkInsideBox(Picture(box)), 5);
}

TEST_F(CheckRadioPaintTest, ATransparentControlShowsItsParent)
{
    box->SetTransparent(true);
    const QImage image = Picture(box);
    EXPECT_EQ(Rgb(image, 140, 2), 0x008000u);
    box->SetTransparent(false);
    EXPECT_EQ(Rgb(Picture(box), 140, 2), 0xFFFFFFu);
}

}  // namespace
}  // namespace tarvelon
