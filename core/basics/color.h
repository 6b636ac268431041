#pragma once
// A colour as the screens store it: red + green * 256 + blue * 65536 (bytes 00BBGGRR).
#include <cstdint>

namespace tarvelon {

using TColor = std::int32_t;

constexpr TColor RgbColor(int red, int green, int blue)
{
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr int RedOf(TColor color) { return color & 0xFF; }
constexpr int GreenOf(TColor color) { return (color >> 8) & 0xFF; }
constexpr int BlueOf(TColor color) { return (color >> 16) & 0xFF; }

}  // namespace tarvelon
