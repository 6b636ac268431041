#include "tools/sampledata/crest_art.h"

#include <cmath>

#include "tools/sampledata/club_catalogue.h"
#include "tools/sampledata/glyphs.h"

namespace tarvelon::sampledata {

namespace {

// The shield: straight sides down to the middle, then curving in to a point at the bottom. The
// half-width at height v (or -1 outside its top and bottom); `scale` shrinks the shield about its
// centre (the inner edge of the border).
double ShieldHalfWidth(double v, double scale)
{
    v = 0.5 + (v - 0.5) / scale;
    constexpr double kTop = 0.03, kWaist = 0.5, kBottom = 0.97, kHalfWidth = 0.45;
    if (v < kTop || v > kBottom) {
        return -1.0;
    }
    if (v <= kWaist) {
        return kHalfWidth * scale;
    }
    const double t = (v - kWaist) / (kBottom - kWaist);
    return kHalfWidth * std::sqrt(1.0 - t * t) * (1.0 - 0.3 * t) * scale;
}

// Whether the pattern paints the point in the second colour.
bool PatternMark(int pattern, double u, double v)
{
    switch (pattern) {
    case 1: return static_cast<int>(u * 7) % 2 == 1;                          // vertical stripes
    case 2: return v > 0.36 && v < 0.58;                                      // band across
    case 3: return std::abs(u - v * 0.9 + 0.05) < 0.12;                       // sash
    case 4: return u > 0.5;                                                   // halves
    case 5: { const double d = v - 0.25 - std::abs(u - 0.5) * 1.1; return d > 0 && d < 0.16; }  // chevron
    case 6: return v < 0.3;                                                   // top band
    case 7: return (u > 0.5) != (v > 0.5);                                    // quarters
    default: return false;                                                    // plain
    }
}

Rgba Darker(Rgba c, double factor)
{
    return {static_cast<std::uint8_t>(c.r * factor), static_cast<std::uint8_t>(c.g * factor),
            static_cast<std::uint8_t>(c.b * factor), 255};
}

}  // namespace

Image DrawCrest(const CrestDesign& design, int width, int height)
{
    const Rgba back = FromColor(design.backColor);
    const Rgba text = FromColor(design.textColor);
    const Rgba border = Brightness(design.backColor) < 60 ? text : Darker(back, 0.45);
    constexpr double kDiscU = 0.5, kDiscV = 0.45, kDiscRadius = 0.21, kRing = 0.035;
    constexpr double kGlyphW = 0.2, kGlyphH = 0.24;
    // The samples come row by row: the shield's width is worked out once per row.
    double rowV = -1.0, outerHalf = -1.0, innerHalf = -1.0;
    const auto shade = [&](double u, double v) -> Rgba {
        if (v != rowV) {
            rowV = v;
            outerHalf = ShieldHalfWidth(v, 1.0);
            innerHalf = ShieldHalfWidth(v, 0.88);
        }
        const double fromMiddle = std::abs(u - 0.5);
        if (fromMiddle > outerHalf) {
            return {0, 0, 0, 0};
        }
        if (fromMiddle > innerHalf) {
            return border;
        }
        // The disc in the middle, measured in the picture's proportions.
        const double du = (u - kDiscU) * width / height;
        const double dv = v - kDiscV;
        const double r2 = du * du + dv * dv;
        if (r2 < (kDiscRadius - kRing) * (kDiscRadius - kRing)) {
            const int column = static_cast<int>(std::floor((u - (kDiscU - kGlyphW / 2)) / kGlyphW * kGlyphWidth));
            const int row = static_cast<int>(std::floor((v - (kDiscV - kGlyphH / 2)) / kGlyphH * kGlyphHeight));
            return GlyphPixel(design.initial, column, row) ? text : back;
        }
        if (r2 < kDiscRadius * kDiscRadius) {
            return text;
        }
        return PatternMark(design.pattern, u, v) ? text : back;
    };
    return Render(width, height, width < 32 ? 4 : 2, shade);
}

}  // namespace tarvelon::sampledata
