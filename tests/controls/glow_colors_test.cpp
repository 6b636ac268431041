// The glossy button's colour arithmetic and the default colours of its appearance.
#include <gtest/gtest.h>

#include "controls/dc_glow_button_appearance.h"
#include "controls/dc_glow_button_colors.h"

namespace tarvelon {
namespace {

TEST(GlowColors, BrightnessScalesNonZeroChannelsAndLiftsZeroOnes)
{
    EXPECT_EQ(ChangeBrightness(0x000000, 20), 0x141414);
    EXPECT_EQ(ChangeBrightness(0xFFFFFF, 20), 0xFFFFFF);
    // 229.5 goes to the even 230; 182.4 to 182.
    EXPECT_EQ(ChangeBrightness(0xFFFFFF, -10), 0xE6E6E6);
    EXPECT_EQ(ChangeBrightness(0xC0C0C0, -5), 0xB6B6B6);
    EXPECT_EQ(ChangeBrightness(0x000000, -20), 0x000000);
    EXPECT_EQ(ChangeBrightnessRGB(0xF5F0E1, -10, -10, 0), 0xF5D8CA);
    // System colours are resolved first.
    EXPECT_EQ(ChangeBrightness(clWindow, 0), ColorToRGB(clWindow));
}

TEST(GlowColors, BlendTakesEndsAtTheLimitsAndRoundsHalvesToEven)
{
    EXPECT_EQ(BlendColor(0x123456, 0x654321, 100), 0x123456);
    EXPECT_EQ(BlendColor(0x123456, 0x654321, 150), 0x123456);
    EXPECT_EQ(BlendColor(0x123456, 0x654321, 0), 0x654321);
    EXPECT_EQ(BlendColor(0xFFFFFF, 0x000000, 50), 0x808080);
    EXPECT_EQ(BlendColor(0xF5F0E1, 0xFFFFFF, 40), RGB(243, 249, 251));
}

TEST(GlowColors, AppearanceDefaultsAreTheComputedTable)
{
    TGlowButtonAppearance a;
    EXPECT_EQ(a.BorderColor(), 0xC0C0C0);
    EXPECT_EQ(a.BorderColorHot(), 0xFF0000);
    EXPECT_EQ(a.BorderColorDown(), 0x800000);
    EXPECT_EQ(a.ColorDown(), 0xF5D8CA);
    EXPECT_EQ(a.ColorDownTo(), 0xF9BDA0);
    EXPECT_EQ(a.ColorChecked(), 0xF5D8CA);
    EXPECT_EQ(a.ColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(a.ColorMirrorDown(), 0xF5B49C);
    EXPECT_EQ(a.ColorMirrorDownTo(), 0xFFDFDC);
    EXPECT_EQ(a.ColorMirrorCheckedTo(), 0xFFDFDC);
    EXPECT_EQ(a.ColorDisabled(), 0xF2F2F2);
    EXPECT_EQ(a.ColorMirrorDisabled(), 0xB6B6B6);
    EXPECT_EQ(a.ColorMirrorDisabledTo(), 0xF2F2F2);
    EXPECT_EQ(a.Gradient(), ggVertical);
    EXPECT_EQ(a.GradientMirrorChecked(), ggVertical);
    EXPECT_EQ(a.GradientHot(), ggRadial);
    EXPECT_TRUE(a.SystemFont());
}

TEST(GlowColors, AppearanceSettersSignalOnlyRealChangesAndAssignCopiesAll)
{
    TGlowButtonAppearance a;
    int changes = 0;
    a.OnChange = [&changes](TObject*) { ++changes; };
    a.SetBorderColor(0xC0C0C0);
    a.SetGradient(ggVertical);
    EXPECT_EQ(changes, 0);
    a.SetBorderColorHot(0x008000);
    a.SetGradientHot(ggDiagonalForward);
    EXPECT_EQ(changes, 2);

    TGlowButtonAppearance b;
    b.Assign(a);
    EXPECT_EQ(b.BorderColorHot(), 0x008000);
    EXPECT_EQ(b.GradientHot(), ggDiagonalForward);
    EXPECT_EQ(b.ColorMirrorDisabled(), 0xB6B6B6);
}

}  // namespace
}  // namespace tarvelon
