#include "core/format/screen_size.h"

#include "core/hooks.h"

namespace tarvelon {

namespace {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

ScreenSize CurrentScreen()
{
    const CoreHooks& hooks = Hooks();
    ScreenSize size;
    if (hooks.screenWidth) size.width = hooks.screenWidth();
    if (hooks.screenHeight) size.height = hooks.screenHeight();
    return size;
}

// Width over height; 1.34 (neither wide nor narrow) when the height is unknown.
double AspectRatio()
{
    const ScreenSize s = CurrentScreen();
    if (s.height <= 0) return 1.34;
    return static_cast<double>(s.width) / s.height;
}

}  // namespace

int ScreenWidth() { return CurrentScreen().width; }

int ScreenWidthOrDesign()
{
    const int width = ScreenWidth();
    return width > 0 ? width : DesignScreenWidth;
}

int GetScreenSizeClass()
{
    struct KnownSize {
        int width, height, sizeClass;
    };
    static constexpr KnownSize kKnown[] = {
        {640, 480, 0},  {800, 600, 1},  {1024, 768, 2},  {1152, 864, 3},
        {1280, 720, 4}, {1280, 960, 5}, {1280, 1024, 6},
    };
    const ScreenSize s = CurrentScreen();
    for (const KnownSize& k : kKnown)
        if (k.width == s.width && k.height == s.height) return k.sizeClass;
    return 7;
}

bool IsWideScreen()
{
    return AspectRatio() > 1.34;
}

bool IsNarrowScreen()
{
    return AspectRatio() < 1.34;
}

bool IsScreenScale150()
{
    return false;
}

}  // namespace tarvelon
