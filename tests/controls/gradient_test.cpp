// The gradient background: ramp rules (shift, rotation, reverse), pattern shapes, batching of
// updates, system colours, and the stretched paint with its frame.
#include <gtest/gtest.h>

#include "controls/gradient.h"
#include "platform/forms/form.h"
#include "tests/controls/controls_test_support.h"

namespace tarvelon {
namespace {

constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;

TGradientColor Grey(int v)
{
    return {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v), 0};
}

int RedOf(const TGradientColors& colors, int i)
{
    return colors[std::size_t(i)].red;
}

TEST(GradientRamp, PlainRampRunsFromStartToEnd)
{
    const TGradientColors ramp = BuildGradientRamp(GradientEnds(0x000000, 0x0000FF, false, 0), 0);
    EXPECT_EQ(RedOf(ramp, 0), 0);
    EXPECT_EQ(RedOf(ramp, 100), 100);
    EXPECT_EQ(RedOf(ramp, 255), 255);
    EXPECT_EQ(ramp[100].blue, 0);
    const TGradientColors reversed = BuildGradientRamp(GradientEnds(0x000000, 0x0000FF, true, 0), 0);
    EXPECT_EQ(RedOf(reversed, 0), 255);
    EXPECT_EQ(RedOf(reversed, 255), 0);
    // Truncation toward zero on a falling ramp: 200 - 55 * 100 / 255 = 200 - 21.
    const TGradientColors falling = BuildGradientRamp(GradientEnds(0x0000C8, 0x000091, false, 0), 0);
    EXPECT_EQ(RedOf(falling, 100), 179);
}

TEST(GradientRamp, ShiftMovesOneEndTowardTheOther)
{
    TGradientEnds ends = GradientEnds(kBlack, kWhite, false, 50);
    EXPECT_EQ(ends.start, Grey(128));  // MulDiv(255, 50, 100) = 128 (rounded)
    EXPECT_EQ(ends.end, Grey(255));
    ends = GradientEnds(kBlack, kWhite, false, -50);
    EXPECT_EQ(ends.start, Grey(0));
    EXPECT_EQ(ends.end, Grey(127));
}

TEST(GradientRamp, RotationMovesThePeak)
{
    const TGradientEnds ends = GradientEnds(kBlack, kWhite, false, 0);
    // 100: falling from the end colour at 0 to the start colour at 255.
    TGradientColors ramp = BuildGradientRamp(ends, 100);
    EXPECT_EQ(ramp[0], Grey(255));
    EXPECT_EQ(ramp[255], Grey(0));
    // -100: the same, with a = 255 and no second segment.
    ramp = BuildGradientRamp(ends, -100);
    EXPECT_EQ(ramp[0], Grey(255));
    EXPECT_EQ(ramp[255], Grey(0));
    EXPECT_EQ(ramp[128], Grey(127));
    // 50: p = 128, q = 127: the end colour sits at 127 and falls back to the start at 255.
    ramp = BuildGradientRamp(ends, 50);
    EXPECT_EQ(ramp[0], Grey(0));
    EXPECT_EQ(ramp[126], Grey(252));  // 126 * 255 / 127 truncated
    EXPECT_EQ(ramp[127], Grey(255));
    EXPECT_EQ(ramp[255], Grey(0));
    // -50: a = 128: start colour at 128, back to the end colour at 255.
    ramp = BuildGradientRamp(ends, -50);
    EXPECT_EQ(ramp[0], Grey(255));
    EXPECT_EQ(ramp[128], Grey(0));
    EXPECT_EQ(ramp[255], Grey(255));
}

unsigned PatternRed(TBitmap& pattern, int x, int y)
{
    return pattern.ScanLine(y)[4 * x + 2];
}

TEST(GradientPattern, ShapesAndIndexes)
{
    TGradientColors ramp{};
    for (int i = 0; i < 256; ++i)
        ramp[std::size_t(i)] = {0, 0, std::uint8_t(i), 0};  // red channel = index
    const TGradientEnds ends{Grey(10), Grey(20)};
    TBitmap pattern;
    struct Probe {
        TGradientStyle style;
        int width, height;
        int x, y;
        unsigned index;
    };
    const Probe probes[] = {
        {gsRadialC, 362, 362, 180, 180, 0},   {gsRadialC, 362, 362, 181, 181, 0},
        {gsRadialC, 362, 362, 0, 0, 255},     {gsRadialC, 362, 362, 361, 180, 180},
        {gsRadialT, 362, 181, 180, 0, 0},     {gsRadialT, 362, 181, 180, 100, 100},
        {gsRadialB, 362, 181, 180, 180, 0},   {gsRadialL, 181, 362, 0, 180, 0},
        {gsRadialR, 181, 362, 180, 181, 0},   {gsRadialTL, 181, 181, 3, 4, 5},
        {gsRadialTR, 181, 181, 180, 0, 0},    {gsRadialBL, 181, 181, 0, 180, 0},
        {gsRadialBR, 181, 181, 177, 176, 5},  {gsLinearH, 256, 1, 77, 0, 77},
        {gsLinearV, 1, 256, 0, 77, 77},       {gsReflectedH, 1, 512, 0, 0, 255},
        {gsReflectedH, 1, 512, 0, 255, 0},    {gsReflectedH, 1, 512, 0, 511, 255},
        {gsReflectedV, 512, 1, 300, 0, 44},   {gsDiagonalLF, 128, 129, 127, 128, 255},
        {gsDiagonalLB, 128, 129, 127, 0, 0},  {gsDiagonalRF, 256, 256, 0, 0, 255},
        {gsDiagonalRF, 256, 256, 100, 155, 0}, {gsDiagonalRB, 256, 256, 10, 250, 240},
        {gsArrowL, 129, 256, 0, 0, 255},      {gsArrowL, 129, 256, 10, 200, 190},
        {gsArrowR, 129, 256, 128, 0, 255},    {gsArrowR, 129, 256, 0, 128, 0},
        {gsArrowU, 256, 129, 200, 10, 190},   {gsArrowD, 256, 129, 0, 128, 255},
        {gsDiamond, 256, 256, 0, 0, 255},     {gsDiamond, 256, 256, 200, 10, 190},
        {gsDiamond, 256, 256, 10, 200, 190},  {gsDiamond, 256, 256, 255, 255, 255},
        {gsButterfly, 256, 256, 127, 0, 255}, {gsButterfly, 256, 256, 128, 0, 255},
        {gsButterfly, 256, 256, 0, 128, 0},   {gsButterfly, 256, 256, 128, 255, 255},
        {gsRadialRect, 512, 512, 0, 300, 0},  {gsRadialRect, 512, 512, 255, 256, 255},
    };
    for (const Probe& p : probes) {
        BuildGradientPattern(p.style, ramp, ends, pattern);
        SCOPED_TRACE(testing::Message() << "style " << p.style << " at " << p.x << "," << p.y);
        EXPECT_EQ(pattern.Width(), p.width);
        EXPECT_EQ(pattern.Height(), p.height);
        EXPECT_EQ(PatternRed(pattern, p.x, p.y), p.index);
    }
    BuildGradientPattern(gsCustom, ramp, ends, pattern);
    EXPECT_EQ(pattern.Width(), 2);
    EXPECT_EQ(PatternRed(pattern, 0, 0), 10u);
    EXPECT_EQ(PatternRed(pattern, 1, 1), 10u);
    EXPECT_EQ(PatternRed(pattern, 1, 0), 20u);
    EXPECT_EQ(PatternRed(pattern, 0, 1), 20u);
}

class GradientControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 200);
        gradient = new TGradient(form);
        gradient->SetParent(form);
        gradient->SetBounds(10, 10, 200, 100);
        form->Show();
        test::Pump();
    }
    void TearDown() override { Free(form); }
    QImage Picture()
    {
        form->Repaint();
        return form->BackingImage().copy();
    }
    TForm* form = nullptr;
    TGradient* gradient = nullptr;
};

TEST_F(GradientControlTest, DefaultsAndClampedSettings)
{
    EXPECT_EQ(gradient->ColorBegin(), clWhite);
    EXPECT_EQ(gradient->ColorEnd(), clBtnFace);
    EXPECT_EQ(gradient->Style(), gsRadialC);
    EXPECT_EQ(gradient->BorderColor(), clWindowFrame);
    gradient->SetShift(150);
    EXPECT_EQ(gradient->Shift(), 100);
    gradient->SetShift(-150);
    EXPECT_EQ(gradient->Shift(), -100);
    gradient->SetRotation(101);
    EXPECT_EQ(gradient->Rotation(), 100);
}

TEST_F(GradientControlTest, UpdatesInsideBeginEndBuildThePatternOnce)
{
    const int before = gradient->PatternBuilds();
    gradient->BeginUpdate();
    gradient->SetColorBegin(clBlue);
    gradient->SetStyle(gsLinearH);
    EXPECT_EQ(gradient->PatternBuilds(), before);
    gradient->EndUpdate();
    EXPECT_EQ(gradient->PatternBuilds(), before + 1);
    gradient->SetStyle(gsLinearH);  // unchanged: nothing
    EXPECT_EQ(gradient->PatternBuilds(), before + 1);
}

TEST_F(GradientControlTest, SystemColoursUntilAColourIsSet)
{
    gradient->SetUseSysColors(true);
    EXPECT_TRUE(gradient->UseSysColors());
    EXPECT_EQ(gradient->ColorBegin(), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(gradient->ColorEnd(), GetSysColor(COLOR_GRADIENTACTIVECAPTION));
    gradient->SetColorBegin(clYellow);
    EXPECT_FALSE(gradient->UseSysColors());
}

TEST_F(GradientControlTest, PaintStretchesThePatternInsideTheFrame)
{
    gradient->SetColorBegin(clRed);
    gradient->SetColorEnd(clBlue);
    gradient->SetStyle(gsLinearH);
    QImage image = Picture();
    EXPECT_PIXEL(image, 11, 50, 0xFF0000u, 4);
    EXPECT_PIXEL(image, 208, 50, 0x0000FFu, 4);
    EXPECT_PIXEL(image, 110, 50, 0x7F0080u, 6);
    gradient->SetStyle(gsRadialBL);
    gradient->SetReverse(true);  // the game's line-up screen: start colour in the far corner
    image = Picture();
    EXPECT_PIXEL(image, 10, 109, 0x0000FFu, 4);
    EXPECT_PIXEL(image, 209, 10, 0xFF0000u, 4);
    gradient->SetBorderColor(clLime);
    gradient->SetBorderWidth(3);
    image = Picture();
    EXPECT_PIXEL(image, 12, 50, 0x00FF00u, 0);
    EXPECT_PIXEL(image, 13, 106, 0x0000FFu, 12);
}

}  // namespace
}  // namespace tarvelon
