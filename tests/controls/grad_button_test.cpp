// The gradient push button on a shown form: colour schemes, what each state paints (probed on
// the backing image), mouse, keyboard, Default / Cancel, accelerators, ModalResult and the glyph.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/dc_smooth_gdip.h"
#include "controls/grad_button.h"
#include "platform/forms/form.h"
#include "tests/controls/controls_test_support.h"

namespace tarvelon {
namespace {

using test::MoveMouse;
using test::PressKey;
using test::RgbOf;
using test::SendKey;
using test::SendMouse;

class GradButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 120);
        button = new TGradButton(form);
        button->SetParent(form);
        button->SetLeft(20);
        button->SetTop(20);
        button->OnClick = [this](TObject*) { ++clicks; };
        other = new TGradButton(form);
        other->SetParent(form);
        other->SetBounds(150, 20, 75, 25);
        other->OnClick = [this](TObject*) { ++otherClicks; };
        form->Show();
        test::Pump();
    }
    void TearDown() override { Free(form); }

    // The button's picture as painted now.
    QImage Picture(TGradButton* which = nullptr)
    {
        which = which ? which : button;
        which->Repaint();
        return which->BackingImage().copy();
    }
    QWidget* W() { return button->Widget(); }

    TForm* form = nullptr;
    TGradButton* button = nullptr;
    TGradButton* other = nullptr;
    int clicks = 0;
    int otherClicks = 0;
};

TEST_F(GradButtonTest, DefaultsLoadTheNeoDesertSchemeWithWhiteGradientEnds)
{
    EXPECT_EQ(button->Width(), 75);
    EXPECT_EQ(button->Height(), 25);
    EXPECT_EQ(button->ColorScheme(), csNeoDesert);
    EXPECT_TRUE(button->Gradient());
    EXPECT_TRUE(button->Ctl3D());
    EXPECT_TRUE(button->TabStop());
    EXPECT_TRUE(button->HotTrack());
    EXPECT_TRUE(button->TransparentGlyph());
    EXPECT_EQ(button->Spacing(), 4);
    EXPECT_EQ(button->ColorFace(), 0xC6ECFF);
    EXPECT_EQ(button->ColorGrad(), 0x37BEFF);
    EXPECT_EQ(button->OverColorGrad(), 0xFFFFFF);
    EXPECT_EQ(button->DownColorGrad(), 0xFFFFFF);
    EXPECT_EQ(button->DisabledColorGrad(), 0xFFFFFF);
    EXPECT_EQ(button->ColorFocusRect(), 0x4080FF);
}

TEST_F(GradButtonTest, SchemesAndSingleColours)
{
    button->SetColorScheme(csNeoSilver);
    std::vector<TColor> before;
    for (int i = 0; i < kGradButtonColorCount; ++i)
        before.push_back(button->ButtonColor(i));
    button->SetColorFace(0x123456);
    EXPECT_EQ(button->ColorScheme(), csCustom);
    for (int i = 1; i < kGradButtonColorCount; ++i)
        EXPECT_EQ(button->ButtonColor(i), before[std::size_t(i)]) << i;
    // A classic scheme keeps the four gradient ends of the previous one and turns the gradient off.
    button->SetColorScheme(csGrass);
    EXPECT_EQ(button->ColorScheme(), csGrass);
    EXPECT_FALSE(button->Gradient());
    EXPECT_EQ(button->ColorGrad(), 0xBCBCBC);
    EXPECT_EQ(button->OverColorGrad(), 0xA6A6A6);
    EXPECT_EQ(button->DownColorGrad(), 0xDADADA);
    EXPECT_EQ(button->DisabledColorGrad(), 0xFFFFFF);
    EXPECT_EQ(button->ColorFace(), 0x98EBB7);
    EXPECT_EQ(button->ColorFocusRect(), 0x00A421);
    EXPECT_EQ(button->ButtonColor(gcDownFace + gcLight), 0x177D3E);  // sunken: light edge is dark
    button->SetColorScheme(csCustom);
    EXPECT_EQ(button->ColorFace(), 0x98EBB7);
}

TEST_F(GradButtonTest, NormalStatePaintsFaceBorderAndEdges)
{
    button->SetColorScheme(csGrass);
    const QImage image = Picture();
    EXPECT_PIXEL(image, 40, 12, RgbOf(0x98EBB7), 0);
    EXPECT_PIXEL(image, 0, 0, RgbOf(0x156F37), 0);
    EXPECT_PIXEL(image, 74, 24, RgbOf(0x156F37), 0);
    EXPECT_PIXEL(image, 1, 12, RgbOf(0xCBF5DB), 0);   // light edge left and top
    EXPECT_PIXEL(image, 40, 1, RgbOf(0xCBF5DB), 0);
    EXPECT_PIXEL(image, 73, 12, RgbOf(0x24B95C), 0);  // dark edge right and bottom
    EXPECT_PIXEL(image, 40, 23, RgbOf(0x24B95C), 0);
    button->SetCtl3D(false);
    EXPECT_PIXEL(Picture(), 1, 12, RgbOf(0x98EBB7), 0);
}

TEST_F(GradButtonTest, GradientRowsRunFromFaceToGradientColour)
{
    const QImage image = Picture();
    auto expected = [](int row) {
        const TColor from = 0xC6ECFF;
        const TColor to = 0x37BEFF;
        int channels[3];
        for (int i = 0; i < 3; ++i) {
            const double start = (from >> (8 * i)) & 0xFF;
            const double end = (to >> (8 * i)) & 0xFF;
            channels[i] = RoundEven(start + (end - start) / 25 * row);
        }
        return unsigned(channels[0] << 16 | channels[1] << 8 | channels[2]);
    };
    for (int row : {2, 7, 12, 17, 22})
        EXPECT_PIXEL(image, 40, row, expected(row), 0);
}

TEST_F(GradButtonTest, MouseOverPressAndReleasePaintTheirStatesAndClick)
{
    button->SetColorScheme(csGrass);
    MoveMouse(W(), QPoint(30, 10));
    EXPECT_EQ(button->State(), 1);
    EXPECT_PIXEL(Picture(), 40, 12, RgbOf(0x68E196), 0);
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(30, 10), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(button->State(), 2);
    QImage pressed = Picture();
    EXPECT_PIXEL(pressed, 40, 12, RgbOf(0x4EDC83), 0);
    EXPECT_PIXEL(pressed, 1, 12, RgbOf(0x177D3E), 0);   // sunken edge
    EXPECT_PIXEL(pressed, 73, 12, RgbOf(0x89E7AC), 0);
    EXPECT_TRUE(button->Focused());
    EXPECT_PIXEL(pressed, 3, 12, RgbOf(0x00A421), 0);   // focus rectangle
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(30, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->State(), 1);
    MoveMouse(form->Widget(), QPoint(250, 100));
    EXPECT_EQ(button->State(), 0);
    // Without hot tracking the mouse over changes nothing.
    button->SetHotTrack(false);
    MoveMouse(W(), QPoint(30, 10));
    EXPECT_EQ(button->State(), 0);
}

TEST_F(GradButtonTest, ReleaseOutsideKeepsThePressedLookUntilTheMouseLeaves)
{
    MoveMouse(W(), QPoint(30, 10));
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(30, 10), Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(120, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->State(), 2);
    MoveMouse(form->Widget(), QPoint(250, 100));
    EXPECT_EQ(button->State(), 0);
    // On the edge itself (x = 0) the release is not strictly inside: the state stays.
    MoveMouse(W(), QPoint(30, 10));
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(30, 10), Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(0, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->State(), 0);  // the click showed the normal state
}

TEST_F(GradButtonTest, DisabledColoursWinOverTheMouseState)
{
    button->SetColorScheme(csGrass);
    MoveMouse(W(), QPoint(30, 10));
    button->SetEnabled(false);
    const QImage image = Picture();
    EXPECT_PIXEL(image, 40, 12, RgbOf(0xE2E2E2), 0);
    EXPECT_PIXEL(image, 0, 0, RgbOf(0xC4C4C4), 0);
}

TEST_F(GradButtonTest, SpaceAndEnterStayWithTheButton)
{
    std::vector<std::string> log;
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { log.push_back("form down " + std::to_string(key)); };
    form->OnKeyUp = [&](TObject*, unsigned short& key, TShiftState) { log.push_back("form up " + std::to_string(key)); };
    button->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { log.push_back("down"); };
    button->OnKeyPress = [&](TObject*, char32_t& key) { log.push_back("press " + std::to_string(int(key))); };
    button->SetFocus();
    test::Pump();
    ASSERT_TRUE(button->Focused());
    SendKey(W(), QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(button->State(), 2);
    EXPECT_EQ(clicks, 0);
    SendKey(W(), QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(button->State(), 0);
    EXPECT_EQ(clicks, 1);
    PressKey(W(), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(clicks, 2);
    PressKey(W(), Qt::Key_X, Qt::NoModifier, "x");
    EXPECT_EQ(log, (std::vector<std::string>{"press 32", "press 120"}));
    // Tab still moves the focus on.
    PressKey(W(), Qt::Key_Tab);
    test::Pump();
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(clicks, 2);
}

TEST_F(GradButtonTest, DefaultAndCancelAnswerEnterAndEscape)
{
    other->SetFocus();
    test::Pump();
    button->SetCancel(true);
    PressKey(other->Widget(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 0);
    button->SetCancel(false);
    PressKey(other->Widget(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
    // A focused push button takes Enter itself, also beside a Default button placed before it.
    PressKey(other->Widget(), Qt::Key_Return);
    EXPECT_EQ(otherClicks, 1);
    button->SetDefault(true);
    PressKey(other->Widget(), Qt::Key_Return);
    EXPECT_EQ(otherClicks, 2);
    EXPECT_EQ(clicks, 1);
    // From a control that is no button, Enter goes to the Default button; Escape does not.
    auto* plain = new TCustomControl(form);
    plain->SetParent(form);
    plain->SetBounds(20, 60, 40, 20);
    plain->SetTabStop(true);
    test::Pump();
    plain->SetFocus();
    test::Pump();
    PressKey(plain->Widget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    PressKey(plain->Widget(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 2);
    // With a Cancel button beside it, Escape presses the Cancel one, whatever their order.
    other->SetCancel(true);
    PressKey(plain->Widget(), Qt::Key_Escape);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(otherClicks, 3);
    // Tab and the arrows move the focus and press nothing.
    PressKey(plain->Widget(), Qt::Key_Tab);
    PressKey(W(), Qt::Key_Down);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(otherClicks, 3);
}

// A greyed button takes no click, ever: not from the mouse, not as the form's Default button.
TEST_F(GradButtonTest, ADisabledButtonTakesNoClickFromTheMouseOrTheKeys)
{
    button->SetEnabled(false);
    QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks, 0);
    button->SetDefault(true);
    other->SetFocus();
    test::Pump();
    PressKey(other->Widget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(otherClicks, 1);  // the focused button takes Enter instead
    button->SetEnabled(true);
    QTest::mouseClick(W(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}

TEST_F(GradButtonTest, AcceleratorAndModalResult)
{
    button->SetCaption("&Jogar");
    other->SetFocus();
    test::Pump();
    SendKey(other->Widget(), QEvent::KeyPress, Qt::Key_J, Qt::AltModifier, "j");
    EXPECT_EQ(clicks, 1);
    // The focused button does not want characters: a plain letter is an accelerator too.
    PressKey(other->Widget(), Qt::Key_J, Qt::NoModifier, "j");
    EXPECT_EQ(clicks, 2);
    button->SetEnabled(false);
    SendKey(other->Widget(), QEvent::KeyPress, Qt::Key_J, Qt::AltModifier, "j");
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(IsAccelerator(U'C', "A&&B&c"));
    EXPECT_FALSE(IsAccelerator(U'b', "A&&B&c"));
    EXPECT_FALSE(IsAccelerator(U's', "Sair"));

    other->SetModalResult(mrOk);
    PressKey(other->Widget(), Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(GradButtonTest, GlyphSitsBesideTheCaptionAndMovesWhenPressed)
{
    // 16 x 16 red glyph whose top-left colour (magenta) is transparent.
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush.SetColor(0x0000FF);
    glyph.Canvas().FillRect(Rect(0, 0, 16, 16));
    glyph.Canvas().SetPixel(0, 0, 0xFF00FF);
    glyph.Canvas().SetPixel(1, 0, 0xFF00FF);
    button->SetColorScheme(csGrass);
    button->SetGlyph(glyph);
    QImage image = Picture();
    const unsigned face = RgbOf(0x98EBB7);
    EXPECT_PIXEL(image, 29, 4, face, 0);           // transparent corner
    EXPECT_PIXEL(image, 29, 5, 0xFF0000u, 0);      // glyph at left 29, top 4
    EXPECT_PIXEL(image, 44, 19, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 45, 12, face, 0);
    MoveMouse(W(), QPoint(30, 10));
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(30, 10), Qt::LeftButton, Qt::LeftButton);
    image = Picture();
    EXPECT_PIXEL(image, 30, 6, 0xFF0000u, 0);      // one pixel right and down
    EXPECT_PIXEL(image, 45, 20, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 29, 12, RgbOf(0x4EDC83), 0);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(30, 10), Qt::LeftButton, Qt::NoButton);
    // Opaque glyph: the corner colour is drawn as well.
    button->SetTransparentGlyph(false);
    MoveMouse(form->Widget(), QPoint(250, 100));
    EXPECT_PIXEL(Picture(), 29, 4, RgbOf(0xFF00FF), 0);
    // With a caption the spacing separates them: glyph left moves by spacing div 2 + mod 2.
    button->SetCaption("OK");
    button->SetSpacing(5);
    image = Picture();
    int leftmostRed = 75;
    for (int x = 0; x < 75; ++x)
        if (test::Rgb(image, x, 12) == 0xFF0000u) {
            leftmostRed = x;
            break;
        }
    TBitmap probe(10, 10);
    probe.Canvas().Font.Assign(button->Font());
    const int tw = probe.Canvas().TextWidth("OK");
    EXPECT_EQ(leftmostRed, (75 - tw) / 2 - 8 - 3);
    // On the right: left of the glyph at tx + tw - gw div 2 + spacing div 2 + spacing mod 2.
    button->SetLayout(TGradButton::blGlyphRight);
    image = Picture();
    int rightmostRed = -1;
    for (int x = 74; x >= 0; --x)
        if (test::Rgb(image, x, 12) == 0xFF0000u) {
            rightmostRed = x;
            break;
        }
    EXPECT_EQ(rightmostRed, (75 - tw) / 2 + tw - 8 + 3 + 15);
}

}  // namespace
}  // namespace tarvelon
