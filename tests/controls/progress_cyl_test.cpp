// The cylinder progress bar: geometry (percentage, fill edge, shading step), the exact shade of
// rows, bevels and frame, the text and its effects, and the setters' rules.
#include <gtest/gtest.h>

#include <cmath>

#include "controls/progress_cyl.h"
#include "platform/forms/form.h"
#include "tests/controls/controls_test_support.h"

namespace tarvelon {
namespace {

class ProgressCylTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 200);
        bar = new TProgressCyl(form);
        bar->SetParent(form);
        bar->SetBounds(10, 10, 150, 22);
        form->Show();
        test::Pump();
    }
    void TearDown() override { Free(form); }
    // The bar's picture, in its own coordinates.
    QImage Picture()
    {
        form->Repaint();
        return form->BackingImage().copy(10, 10, bar->Width(), bar->Height());
    }
    // trunc((|counter| * step * -1 + 255) * k) for each channel of a colour, as 0xRRGGBB.
    static unsigned Shade(TColor color, const TPCColorStyle& style, int counter, int step)
    {
        const TChannelFactors k = CylinderColorFactors(color, style);
        auto channel = [&](int i) { return unsigned(CylinderShade(counter, step, style, k[std::size_t(i)])); };
        return channel(2) << 16 | channel(1) << 8 | channel(0);
    }
    TForm* form = nullptr;
    TProgressCyl* bar = nullptr;
};

TEST_F(ProgressCylTest, DefaultsAndColourFactors)
{
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Text(), "%");
    EXPECT_EQ(bar->ForeColor(), clWhite);
    EXPECT_EQ(bar->Font().Name(), "Arial");
    EXPECT_TRUE(bar->Font().Style().Contains(fsBold));
    EXPECT_EQ(bar->FontEffect(), feShadowBottomRight);
    EXPECT_EQ(bar->ForeStyle().LightAngle(), -3.0f);
    // With the initial style k = (255 + 3c) / 1020: white gives 1, black a quarter.
    const TChannelFactors white = CylinderColorFactors(clWhite, bar->ForeStyle());
    EXPECT_FLOAT_EQ(white[0], 1.0f);
    EXPECT_FLOAT_EQ(CylinderColorFactors(clBlack, bar->ForeStyle())[1], 0.25f);
}

TEST_F(ProgressCylTest, GeometryOfTheFillEdge)
{
    // o = 2 * BevelWidth + BorderWidth = 4; s = 255 div (22 - 8).
    EXPECT_EQ(bar->ShadeStep(), 18);
    EXPECT_EQ(bar->FillEdge(), 5);  // at Min: one filled column (4) and the line
    bar->SetPosition(50);
    EXPECT_EQ(bar->Percentage(), 50);
    EXPECT_EQ(bar->FillEdge(), 75);  // e = 75 + 8 - 4
    bar->SetPosition(333);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(bar->FillEdge(), 146);
    bar->SetCylinderEffect(ceLow);
    EXPECT_EQ(bar->ShadeStep(), 102 / 14);
    // Vertical: filled from the bottom; at Min the line falls just below the bar area.
    bar->SetBounds(10, 10, 22, 150);
    bar->SetOrientation(pbVertical);
    EXPECT_EQ(bar->FontOrientation(), foBottomToTop);
    bar->SetPosition(0);
    EXPECT_EQ(bar->FillEdge(), 146);
    bar->SetPosition(50);
    EXPECT_EQ(bar->FillEdge(), 146 - 71);
}

TEST_F(ProgressCylTest, TheFillEdgeRoundsEachProductOnce)
{
    // f = 1/100 in single precision is a little below 0.01: 150 x 1 x f is 1.4999... and rounds to
    // 1, so e = 1 + 8 - 0 = 9 and the edge is 5, the floor of one filled column.
    bar->SetPosition(1);
    EXPECT_EQ(bar->FillEdge(), 5);
    bar->SetPosition(5);
    EXPECT_EQ(bar->FillEdge(), 15 - 4);
    bar->SetPosition(97);
    EXPECT_EQ(bar->FillEdge(), 145 - 4);
    bar->SetPosition(50);
    EXPECT_EQ(bar->FillEdge(), 75);
}

TEST_F(ProgressCylTest, ShadesAreTruncatedFromTheExactProduct)
{
    // A bar 208 high has 200 shaded rows: step 255 div 200 = 1, counter -66 at row 4. At counter 5
    // a channel of 153 has k = 0.7 in single precision (just below), and 250 x k = 174.99..., so 174.
    EXPECT_EQ(CylinderShade(5, 1, bar->ForeStyle(), CylinderColorFactors(0x999999, bar->ForeStyle())[0]), 174);
    bar->SetShowText(false);
    bar->SetBounds(10, 10, 150, 208);
    form->SetBounds(100, 100, 300, 260);
    bar->SetForeColor(0x999999);
    bar->SetPosition(100);
    ASSERT_EQ(bar->ShadeStep(), 1);
    const QImage image = Picture();
    EXPECT_PIXEL(image, 20, 4 + 66 - 5, 0xAEAEAEu, 0);
    EXPECT_PIXEL(image, 20, 4 + 66 + 5, 0xAEAEAEu, 0);
    EXPECT_PIXEL(image, 20, 4 + 66, 0xB2B2B2u, 0);  // 255 x 0.7
}

TEST_F(ProgressCylTest, RowsAreShadedAroundAThirdOfTheHeight)
{
    bar->SetShowText(false);
    bar->SetForeLineColor(clRed);
    bar->SetPosition(50);
    const QImage image = Picture();
    const TPCColorStyle& fore = bar->ForeStyle();
    const TPCColorStyle& back = bar->BackStyle();
    // Counter trunc(14 / -3) = -4 at row 4, 0 at row 8.
    for (int row : {5, 8, 12, 16}) {  // rows 4 and 17 carry the frame
        SCOPED_TRACE(row);
        EXPECT_PIXEL(image, 20, row, Shade(clWhite, fore, row - 8, 18), 0);
        EXPECT_PIXEL(image, 75, row, Shade(clRed, fore, row - 8, 18), 0);
        EXPECT_PIXEL(image, 130, row, Shade(clBtnFace, back, row - 8, 18), 0);
    }
    EXPECT_PIXEL(image, 20, 8, 0xFFFFFFu, 0);
}

TEST_F(ProgressCylTest, BevelsAndFrame)
{
    bar->SetShowText(false);
    const QImage image = Picture();
    const unsigned shadow = test::RgbOf(ColorToRGB(clBtnShadow));
    const unsigned highlight = test::RgbOf(ColorToRGB(clBtnHighlight));
    const unsigned face = test::RgbOf(ColorToRGB(clBtnFace));
    EXPECT_PIXEL(image, 0, 10, shadow, 0);       // outer lowered: dark top-left
    EXPECT_PIXEL(image, 149, 10, highlight, 0);  // light bottom-right
    EXPECT_PIXEL(image, 1, 10, face, 0);         // the gap
    EXPECT_PIXEL(image, 3, 10, highlight, 0);    // inner raised: light top-left
    EXPECT_PIXEL(image, 146, 10, shadow, 0);
    EXPECT_PIXEL(image, 4, 10, 0x000000u, 0);    // frame of the bar area
    EXPECT_PIXEL(image, 60, 17, 0x000000u, 0);
    bar->SetBevelColor(0x808080);
    const QImage grey = Picture();
    EXPECT_PIXEL(grey, 0, 10, 0x404040u, 0);
    EXPECT_PIXEL(grey, 3, 10, 0xC0C0C0u, 0);
}

TEST_F(ProgressCylTest, TextWithShadowOrInverted)
{
    bar->SetPosition(50);
    EXPECT_EQ(bar->ShownText(), "50%");
    bar->Font().SetColor(clWhite);
    bar->SetForeColor(clBlack);
    bar->SetBackColor(clBlack);
    bar->SetFontShadowColor(clRed);
    QImage image = Picture();
    int white = 0;
    int red = 0;
    for (int y = 4; y < 18; ++y)
        for (int x = 55; x < 95; ++x) {
            white += test::Near(test::Rgb(image, x, y), 0xFFFFFFu, 40);
            red += test::Near(test::Rgb(image, x, y), 0xFF0000u, 60);
        }
    EXPECT_GT(white, 10);
    EXPECT_GT(red, 5);
    // Inverted: the text shows as the inverse of the bar under it.
    bar->SetFontEffect(feInvert);
    image = Picture();
    white = red = 0;
    for (int y = 4; y < 18; ++y)
        for (int x = 55; x < 95; ++x) {
            const unsigned rgb = test::Rgb(image, x, y);
            white += (rgb >> 16) > 0xA0 && ((rgb >> 8) & 0xFF) > 0xA0 && (rgb & 0xFF) > 0xA0;
            red += test::Near(rgb, 0xFF0000u, 60);
        }
    EXPECT_GT(white, 0);
    EXPECT_EQ(red, 0);
    bar->SetPosition(100);
    EXPECT_EQ(bar->ShownText(), "100%");
    bar->SetTextDone("Fim");
    EXPECT_EQ(bar->ShownText(), "Fim");
}

TEST_F(ProgressCylTest, SetterRules)
{
    bar->SetMin(100);
    EXPECT_EQ(bar->Min(), 99);
    bar->SetMin(0);
    bar->SetMax(0);
    EXPECT_EQ(bar->Max(), 1);
    bar->SetMax(100);
    bar->ForeStyle().SetIntensity(0);
    bar->ForeStyle().SetLightAngle(0);
    bar->ForeStyle().SetRangeRGB(0);
    EXPECT_EQ(bar->ForeStyle().Intensity(), 4.0f);
    EXPECT_EQ(bar->ForeStyle().LightAngle(), -3.0f);
    EXPECT_EQ(bar->ForeStyle().RangeRGB(), 255);
    bar->SetBevelWidth(6);  // would leave no bar area
    EXPECT_EQ(bar->BevelWidth(), 1);
    bar->SetBevelWidth(2);
    EXPECT_EQ(bar->BevelWidth(), 2);
    TPCColorStyle style;
    style.SetLightAngle(-2);
    bar->SetBackStyle(style);
    EXPECT_EQ(bar->BackStyle().LightAngle(), -2.0f);
}

TEST_F(ProgressCylTest, SamePositionTwiceFiresAndRepaintsOnce)
{
    int done = 0;
    bar->OnProgressDone = [&](TObject*) { ++done; };
    form->Update();
    bar->SetPosition(100);
    EXPECT_EQ(done, 1);
    EXPECT_FALSE(form->InvalidRegion().IsEmpty());
    form->Update();
    const int paints = bar->PaintCount();
    bar->SetPosition(100);
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(form->InvalidRegion().IsEmpty());
    form->Update();
    EXPECT_EQ(bar->PaintCount(), paints);
}

TEST_F(ProgressCylTest, MouseEnterAndLeaveReachTheHandlers)
{
    int enters = 0;
    int leaves = 0;
    bar->OnMouseEnter = [&](TObject*) { ++enters; };
    bar->OnMouseLeave = [&](TObject*) { ++leaves; };
    test::MoveMouse(form->Widget(), QPoint(50, 20));
    test::MoveMouse(form->Widget(), QPoint(250, 150));
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

}  // namespace
}  // namespace tarvelon
