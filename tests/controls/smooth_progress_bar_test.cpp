// The smooth progress bar: clamping, the glide toward a new position tick by tick, the sweeping
// glow, the real 10 ms timer, and what it paints (probed on its backing image).
#include <gtest/gtest.h>

#include <vector>

#include "controls/dc_smooth_progress_bar.h"
#include "platform/forms/form.h"
#include "tests/controls/controls_test_support.h"

namespace tarvelon {
namespace {

class SmoothProgressBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 100);
        form->SetColor(clRed);
        bar = new TDcSmoothProgressBar(form);
        bar->SetParent(form);
        bar->SetBounds(10, 10, 150, 17);
        bar->OnPositionChanged = [this](TObject*, double value) { changes.push_back(value); };
        TGDIPFill& back = bar->Appearance().BackGroundFill();
        back.SetGradientType(gtSolid);
        back.SetColor(0xFF0000);  // blue
        TGDIPFill& done = bar->Appearance().ProgressFill();
        done.SetGradientType(gtSolid);
        done.SetColor(0x00FF00);  // green
        form->Show();
        test::Pump();
    }
    void TearDown() override { Free(form); }
    QImage Picture()
    {
        bar->Repaint();
        return bar->BackingImage().copy();
    }
    TForm* form = nullptr;
    TDcSmoothProgressBar* bar = nullptr;
    std::vector<double> changes;
};

TEST_F(SmoothProgressBarTest, Defaults)
{
    TDcSmoothProgressBar fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 150);
    EXPECT_EQ(fresh.Height(), 17);
    EXPECT_EQ(fresh.Maximum(), 100);
    EXPECT_EQ(fresh.Minimum(), 0);
    EXPECT_EQ(fresh.Step(), 10);
    EXPECT_TRUE(fresh.ProgressAnimation());
    EXPECT_TRUE(fresh.GlowAnimation());
    EXPECT_TRUE(fresh.TabStop());
    EXPECT_EQ(fresh.Version(), "1.0.4.2");
    EXPECT_EQ(fresh.GlowPosition(), -40);
    EXPECT_EQ(fresh.GlowClock(), 3000);
    EXPECT_EQ(fresh.Appearance().ValueFormat(), "%.0f%%");
}

TEST_F(SmoothProgressBarTest, WithoutAnimationPositionsAreClampedAndShownAtOnce)
{
    bar->SetProgressAnimation(false);
    changes.clear();
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(changes, std::vector<double>{100});
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(80);
    bar->SetMaximum(50);
    EXPECT_EQ(bar->Position(), 50);
    bar->SetMinimum(60);
    EXPECT_EQ(bar->Position(), 60);
}

TEST_F(SmoothProgressBarTest, GlideTakesAFifteenthOfTheDistanceEachTick)
{
    bar->SetGlowAnimation(false);
    bar->SetPosition(100);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_TRUE(bar->Animating());
    bar->AnimationTick();
    EXPECT_NEAR(bar->Position(), 6.6667, 1e-3);
    bar->AnimationTick();
    EXPECT_NEAR(bar->Position(), 12.8889, 1e-3);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_NEAR(changes[1], 12.8889, 1e-3);
    // A new position during the glide is shown at once, then glides on from there.
    bar->SetPosition(40);
    EXPECT_EQ(bar->Position(), 40);
    bar->AnimationTick();
    EXPECT_EQ(bar->Position(), 40);
    EXPECT_FALSE(bar->Animating());
    // Turning the animation off mid-glide jumps to the target.
    bar->SetPosition(90);
    bar->AnimationTick();
    EXPECT_LT(bar->Position(), 90);
    bar->SetProgressAnimation(false);
    EXPECT_EQ(bar->Position(), 90);
}

TEST_F(SmoothProgressBarTest, TheTimerDrivesTheGlide)
{
    bar->SetGlowAnimation(false);
    bar->SetPosition(100);
    EXPECT_TRUE(test::PumpUntil([&] { return bar->Position() > 90; }, 3000));
    EXPECT_TRUE(test::PumpUntil([&] { return !bar->Animating(); }, 6000));
    EXPECT_EQ(bar->Position(), 100);
}

TEST_F(SmoothProgressBarTest, GlowSweepsThenWaitsOneAndAHalfSeconds)
{
    bar->SetProgressAnimation(false);
    bar->SetPosition(50);
    const TGPRectF done = bar->Appearance().ProgressRect(bar->ClientRect(), 0, 100, 50);
    EXPECT_FLOAT_EQ(done.Width, 74.5f);
    bar->AnimationTick();
    EXPECT_EQ(bar->GlowPosition(), -37);
    int ticks = 1;
    while (bar->GlowPosition() >= 0 && ticks < 100) {
        bar->AnimationTick();
        ++ticks;
    }
    while (bar->GlowPosition() > -60 && ticks < 100) {
        bar->AnimationTick();
        ++ticks;
    }
    EXPECT_EQ(bar->GlowPosition(), -60);
    EXPECT_EQ(bar->GlowClock(), 0);
    EXPECT_EQ(ticks, 39);  // the 39th tick takes it to -40 + 3 * 39 = 77, past 74.5
    for (int i = 0; i < 150; ++i)
        bar->AnimationTick();
    EXPECT_EQ(bar->GlowPosition(), -60);
    bar->AnimationTick();
    EXPECT_EQ(bar->GlowPosition(), -57);
    // No glow while the bar is empty.
    bar->SetPosition(0);
    bar->AnimationTick();
    EXPECT_EQ(bar->GlowPosition(), -57);
}

TEST_F(SmoothProgressBarTest, PaintsDoneAndRemainingPartsAndTheGlow)
{
    bar->SetGlowAnimation(false);
    bar->SetProgressAnimation(false);
    bar->SetPosition(50);
    QImage image = Picture();
    EXPECT_PIXEL(image, 40, 9, 0x00FF00u, 8);
    EXPECT_PIXEL(image, 110, 9, 0x0000FFu, 8);
    EXPECT_GT(test::Rgb(image, 110, 2) >> 16, 0x40u);  // glass on the upper band
    bar->SetGlowAnimation(true);
    for (int i = 0; i < 27; ++i)
        bar->AnimationTick();  // glow at -40 + 81 = 41
    image = Picture();
    const unsigned bright = test::Rgb(image, 41, 9);
    EXPECT_GT(bright >> 16, 0x60u);
    EXPECT_PIXEL(image, 5, 9, 0x00FF00u, 30);
    // A see-through background shows the form's red.
    bar->Appearance().BackGroundFill().SetOpacity(0);
    bar->Appearance().SetTransparent(true);
    bar->SetGlowAnimation(false);
    image = Picture();
    EXPECT_PIXEL(image, 110, 9, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 40, 9, 0x00FF00u, 0);
}

TEST_F(SmoothProgressBarTest, AssignCopiesSettingsAndLook)
{
    TDcSmoothProgressBar copy(nullptr);
    bar->SetProgressAnimation(false);
    bar->SetStep(5);
    bar->SetPosition(30);
    bar->Appearance().SetValueVisible(true);
    copy.Assign(*bar);
    EXPECT_EQ(copy.Step(), 5);
    EXPECT_EQ(copy.Position(), 30);
    EXPECT_FALSE(copy.ProgressAnimation());
    EXPECT_TRUE(copy.Appearance().ValueVisible());
    EXPECT_EQ(copy.Appearance().ProgressFill().Color(), 0x00FF00);
}

}  // namespace
}  // namespace tarvelon
