#include "controls/dc_glow_button_colors.h"

#include <algorithm>

namespace tarvelon {
namespace {

// numerator / 100 rounded to the nearest whole number, halves to the even neighbour (exact, so
// 255 darkened by 10 % is 229.5 and goes to 230).
int RoundHundredths(int numerator)
{
    int whole = numerator / 100;
    const int rest = numerator % 100;
    if (rest > 50 || (rest == 50 && whole % 2 != 0))
        ++whole;
    return whole;
}

int ScaleChannel(int channel, int percent)
{
    if (channel == 0)
        return std::max(0, percent);
    return std::clamp(RoundHundredths(channel * std::min(100, 100 + percent)), 0, 255);
}

}  // namespace

TColor ChangeBrightnessRGB(TColor color, int percentRed, int percentGreen, int percentBlue)
{
    const TColor rgb = ColorToRGB(color);
    return RGB(ScaleChannel(GetRValue(rgb), percentRed), ScaleChannel(GetGValue(rgb), percentGreen),
               ScaleChannel(GetBValue(rgb), percentBlue));
}

TColor ChangeBrightness(TColor color, int percent)
{
    return ChangeBrightnessRGB(color, percent, percent, percent);
}

TColor BlendColor(TColor c1, TColor c2, int percent)
{
    if (percent >= 100)
        return c1;
    if (percent < 1)
        return c2;
    const TColor a = ColorToRGB(c1);
    const TColor b = ColorToRGB(c2);
    auto mix = [percent](int x, int y) { return std::min(255, RoundHundredths(percent * x + (100 - percent) * y)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

}  // namespace tarvelon
