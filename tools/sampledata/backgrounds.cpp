#include "tools/sampledata/backgrounds.h"

#include <algorithm>
#include <cmath>

namespace tarvelon::sampledata {

namespace {

constexpr double kTwoPi = 6.283185307179586;

std::uint8_t Channel(double value) { return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0)); }

// Waves with whole numbers of periods across the tile, so its edges meet.
double Waves(double u, double v)
{
    return std::sin(kTwoPi * (2 * u + v)) * 0.5 + std::sin(kTwoPi * (3 * v - u)) * 0.35 +
           std::sin(kTwoPi * (5 * u + 4 * v)) * 0.15;
}

}  // namespace

std::string ScreenBackgroundJpeg()
{
    return EncodeJpeg(DrawScreenBackground(), 88);
}

Image DrawScreenBackground()
{
    return Render(256, 256, 1, [](double u, double v) {
        const double w = Waves(u, v) * 9;
        return Rgba{Channel(196 + w), Channel(208 + w), Channel(222 + w * 0.8), 255};
    });
}

Image DrawBuilderBackground()
{
    return Render(128, 128, 1, [](double u, double v) {
        const bool light = static_cast<int>(u * 4) % 2 == 0;
        const double w = Waves(u * 2, v) * 5;
        const double base = light ? 1.0 : 0.88;
        return Rgba{Channel(40 * base + w * 0.5), Channel(120 * base + w), Channel(52 * base + w * 0.5), 255};
    });
}

}  // namespace tarvelon::sampledata
