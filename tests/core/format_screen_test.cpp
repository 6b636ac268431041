#include <gtest/gtest.h>

#include "core/format/screen_size.h"
#include "core/hooks.h"

namespace tarvelon {
namespace {

void SetScreen(int width, int height)
{
    Hooks().screenWidth = [width] { return width; };
    Hooks().screenHeight = [height] { return height; };
}

TEST(ScreenSize, ClassesOfTheKnownSizes)
{
    const struct {
        int width, height, sizeClass;
    } sizes[] = {{640, 480, 0},  {800, 600, 1},  {1024, 768, 2},  {1152, 864, 3}, {1280, 720, 4},
                 {1280, 960, 5}, {1280, 1024, 6}, {1920, 1080, 7}, {600, 800, 7}};
    for (const auto& s : sizes) {
        SetScreen(s.width, s.height);
        EXPECT_EQ(GetScreenSizeClass(), s.sizeClass) << s.width << "x" << s.height;
    }
}

TEST(ScreenSize, WideAndNarrowAroundOnePointThirtyFour)
{
    SetScreen(1920, 1080);
    EXPECT_TRUE(IsWideScreen());
    EXPECT_FALSE(IsNarrowScreen());
    SetScreen(1280, 1024);
    EXPECT_FALSE(IsWideScreen());
    EXPECT_TRUE(IsNarrowScreen());
    SetScreen(1340, 1000);  // exactly 1.34: neither
    EXPECT_FALSE(IsWideScreen());
    EXPECT_FALSE(IsNarrowScreen());
    SetScreen(800, 0);  // no height known: neither, and no division by zero
    EXPECT_FALSE(IsWideScreen());
    EXPECT_FALSE(IsNarrowScreen());
    EXPECT_FALSE(IsScreenScale150());
}

}  // namespace
}  // namespace tarvelon
