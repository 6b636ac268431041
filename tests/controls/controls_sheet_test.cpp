// Renders a sample sheet of the drawn controls (kept as controls_sheet.png, see sample_picture.h) and
// probes each control at a known place.
#include <gtest/gtest.h>

#include <vector>

#include "controls/dc_smooth_progress_bar.h"
#include "controls/gdip_fill.h"
#include "controls/grad_button.h"
#include "controls/gradient.h"
#include "controls/progress_cyl.h"
#include "platform/forms/form.h"
#include "tests/controls/controls_test_support.h"
#include "tests/support/sample_picture.h"

namespace tarvelon {
namespace {

// A window that paints a row of fills of different kinds.
class TFillSampler : public TCustomControl {
public:
    explicit TFillSampler(TComponent* owner) : TCustomControl(owner) {}

protected:
    void Paint() override
    {
        Canvas().Brush.SetColor(clWhite);
        Canvas().FillRect(ClientRect());
        TGPGraphics graphics(Canvas());
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        float x = 8;
        auto next = [&](TGDIPFill& fill) {
            fill.Fill(&graphics, TGPRectF{x, 8, 90, 50});
            x += 100;
        };
        TGDIPFill glossy;
        glossy.SetColor(0xF7E0C8);
        glossy.SetColorTo(0xE8B480);
        glossy.SetColorMirror(0xD89048);
        glossy.SetColorMirrorTo(0xF0C090);
        glossy.SetGradientMirrorType(gtVertical);
        glossy.SetRounding(8);
        glossy.SetBorderColor(0x804000);
        next(glossy);
        TGDIPFill radial;
        radial.SetGradientType(gtRadial);
        radial.SetColor(0x306A30);
        radial.SetColorTo(0x90FF90);
        radial.SetRounding(6);
        next(radial);
        TGDIPFill hatch;
        hatch.SetGradientType(gtHatch);
        hatch.SetHatchStyle(HatchStyleDiagonalBrick);
        hatch.SetColor(0x0000A0);
        hatch.SetColorTo(0xE0E0FF);
        hatch.SetBorderColor(clBlack);
        next(hatch);
        TGDIPFill shadow;
        shadow.SetGradientType(gtHorizontal);
        shadow.SetColor(0x00FFFF);
        shadow.SetColorTo(0x0080FF);
        shadow.SetShadowColor(clBlack);
        shadow.SetShadowOffset(5);
        shadow.SetRounding(10);
        next(shadow);
        TGDIPFill angled;
        angled.SetGradientType(gtAngle);
        angled.SetAngle(45);
        angled.SetColor(clWhite);
        angled.SetColorTo(0x800000);
        angled.SetBorderColor(0x800000);
        angled.SetBorderWidth(2);
        angled.SetRounding(4);
        angled.SetRoundingType(rtLeft);
        next(angled);
        TGDIPFill pictured;
        pictured.SetGradientType(gtTexture);
        pictured.SetBackGroundPicturePosition(ppTiled);
        pictured.BackGroundPicture().LoadFromStream(
            test::EncodeAs(test::SolidImage(8, 8, 0x3060C0, 0xF0F0F0), "PNG"));
        pictured.SetRounding(12);
        next(pictured);
    }
};

TEST(ControlsSheet, RendersEveryDrawnControl)
{
    auto* form = new TForm(nullptr);
    form->SetBounds(50, 50, 640, 400);
    form->SetColor(0x306A30);

    auto* background = new TGradient(form);
    background->SetParent(form);
    background->SetBounds(0, 300, 640, 100);
    background->SetStyle(gsRadialBR);
    background->SetColorBegin(clYellow);
    background->SetColorEnd(clGray);
    const TGradientStyle styles[] = {gsLinearH, gsDiamond, gsButterfly, gsArrowR, gsRadialC, gsRadialRect};
    for (int i = 0; i < 6; ++i) {
        auto* sample = new TGradient(form);
        sample->SetParent(form);
        sample->SetBounds(8 + 104 * i, 235, 96, 56);
        sample->SetStyle(styles[i]);
        sample->SetColorBegin(clBlue);
        sample->SetColorEnd(clBlack);
        sample->SetReverse(i % 2 == 1);
        sample->SetBorderWidth(i == 4 ? 2 : 0);
    }

    auto* fills = new TFillSampler(form);
    fills->SetParent(form);
    fills->SetBounds(0, 0, 640, 66);

    const TColorScheme schemes[] = {csNeoDesert, csNeoSky, csNeoGrass, csNeoSilver, csNeoRose, csNeoSun,
                                    csDesert, csGrass, csSky, csSun, csRose, csSilver};
    std::vector<TGradButton*> buttons;
    for (int i = 0; i < 12; ++i) {
        auto* button = new TGradButton(form);
        button->SetParent(form);
        button->SetBounds(8 + 104 * (i % 6), 74 + 32 * (i / 6), 96, 25);
        button->SetColorScheme(schemes[i]);
        button->SetCaption(i == 0 ? "&Jogar >>" : i == 1 ? "Continuar >>" : "Botão " + std::to_string(i + 1));
        buttons.push_back(button);
    }
    buttons[4]->SetEnabled(false);
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush.SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 16, 16));
    glyph.Canvas().Brush.SetColor(clGreen);
    glyph.Canvas().Ellipse(1, 1, 15, 15);
    buttons[7]->SetGlyph(glyph);
    buttons[8]->SetGlyph(glyph);
    buttons[8]->SetLayout(TGradButton::blGlyphRight);

    auto* smooth = new TDcSmoothProgressBar(form);
    smooth->SetParent(form);
    smooth->SetBounds(8, 146, 300, 20);
    smooth->SetGlowAnimation(false);
    smooth->SetProgressAnimation(false);
    smooth->Appearance().ProgressFill().SetColor(0x40C040);
    smooth->Appearance().ProgressFill().SetColorTo(0x208020);
    smooth->Appearance().BackGroundFill().SetColor(0xF0F0F0);
    smooth->Appearance().BackGroundFill().SetColorTo(0xC0C0C0);
    smooth->Appearance().BackGroundFill().SetBorderColor(0x404040);
    smooth->Appearance().SetValueVisible(true);
    smooth->Appearance().SetValueType(vtPercentage);
    smooth->SetPosition(64);
    auto* glowing = new TDcSmoothProgressBar(form);
    glowing->SetParent(form);
    glowing->SetBounds(8, 172, 300, 17);
    glowing->SetProgressAnimation(false);
    glowing->SetPosition(80);
    for (int i = 0; i < 40; ++i)
        glowing->AnimationTick();

    auto* cylinder = new TProgressCyl(form);
    cylinder->SetParent(form);
    cylinder->SetBounds(320, 146, 200, 22);
    cylinder->Font().SetColor(clWhite);
    cylinder->SetForeColor(0x00A000);
    cylinder->SetPosition(42);
    auto* inverted = new TProgressCyl(form);
    inverted->SetParent(form);
    inverted->SetBounds(320, 176, 200, 22);
    inverted->SetForeColor(0xC06000);
    inverted->SetFontEffect(feInvert);
    inverted->SetPosition(77);
    auto* upright = new TProgressCyl(form);
    upright->SetParent(form);
    upright->SetBounds(540, 74, 26, 150);
    upright->SetOrientation(pbVertical);
    upright->SetForeColor(0x0000C0);
    upright->SetPosition(60);

    form->Show();
    test::Pump();
    buttons[2]->SetFocus();
    test::MoveMouse(buttons[1]->Widget(), QPoint(20, 10));
    test::SendMouse(buttons[3]->Widget(), QEvent::MouseButtonPress, QPoint(20, 10), Qt::LeftButton, Qt::LeftButton);
    test::Pump(50);
    form->Repaint();
    const QImage sheet = form->Widget()->grab().toImage();
    test::SendMouse(buttons[3]->Widget(), QEvent::MouseButtonRelease, QPoint(20, 10), Qt::LeftButton, Qt::NoButton);
    ASSERT_TRUE(tarvelon::testing::KeepSamplePicture(sheet, "controls_sheet.png"));
    EXPECT_EQ(sheet.width(), 640);
    tarvelon::testing::KeepSamplePicture(sheet.copy(0, 66, 640, 140).scaled(1280, 280), "controls_sheet_zoom.png");
    // Each control at a known place: the smooth bar green up to 64 % and grey after it; the cylinders
    // green up to 42 %, blue up to 77 %, and the upright one red from the bottom up to 60 %; the first
    // gradient sample blue at its left edge and black at its right.
    const auto leads = [&](int x, int y, int channel) {
        const QRgb p = sheet.pixel(x, y);
        const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
        return c[channel] > c[(channel + 1) % 3] + 40 && c[channel] > c[(channel + 2) % 3] + 40;
    };
    constexpr int kRed = 0, kGreen = 1, kBlue = 2;
    EXPECT_TRUE(leads(60, 152, kGreen));
    EXPECT_FALSE(leads(260, 152, kGreen));
    EXPECT_GT(qRed(sheet.pixel(260, 152)), 0xB0);
    EXPECT_TRUE(leads(340, 151, kGreen));
    EXPECT_FALSE(leads(490, 151, kGreen));
    EXPECT_TRUE(leads(340, 181, kBlue));
    EXPECT_TRUE(leads(553, 210, kRed));
    EXPECT_FALSE(leads(553, 90, kRed));
    EXPECT_TRUE(leads(10, 263, kBlue));
    EXPECT_LT(qBlue(sheet.pixel(102, 263)), 0x40);
    // The line-up screen's background: yellow in the bottom-right corner, grey far from it.
    EXPECT_PIXEL(sheet, 637, 397, 0xFFFF00u, 12);
    EXPECT_PIXEL(sheet, 1, 301, 0x808080u, 12);
    Free(form);
}

}  // namespace
}  // namespace tarvelon
