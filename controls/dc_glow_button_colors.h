#pragma once
// The glossy button's colour arithmetic: brightening or darkening a colour by a percentage per
// channel, and blending two colours, as its state colours and fades need.
#include "platform/graphics/color.h"

namespace tarvelon {

// Each non-zero channel c becomes Round(min(100, 100 + percent) / 100 * c); a zero channel becomes
// max(0, percent). System colours are resolved first.
TColor ChangeBrightness(TColor color, int percent);
TColor ChangeBrightnessRGB(TColor color, int percentRed, int percentGreen, int percentBlue);

// percent >= 100 gives c1, percent < 1 gives c2; otherwise each channel is
// Round(p * c1 + (1 - p) * c2) with p = percent / 100.
TColor BlendColor(TColor c1, TColor c2, int percent);

}  // namespace tarvelon
