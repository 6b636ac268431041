#include "platform/graphics/hatch_patterns.h"

namespace tarvelon {

namespace {

// Ordered-dither thresholds: the first n cells of this order spread n pixels evenly over 8 x 8.
constexpr int kDither[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
};

constexpr THatchPattern Dithered(int pixels)
{
    THatchPattern pattern{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (kDither[y][x] < pixels)
                pattern[y] |= static_cast<std::uint8_t>(0x80 >> x);
    return pattern;
}

constexpr THatchPattern Repeat4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d)
{
    return {a, b, c, d, a, b, c, d};
}

constexpr std::array<THatchPattern, HatchStyleTotal> kPatterns = {{
    {0xFF, 0, 0, 0, 0, 0, 0, 0},                              // horizontal
    {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},         // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},         // forward diagonal "\"
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},         // backward diagonal "/"
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},         // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},         // diagonal cross
    Dithered(3),                                              // 5 %
    Dithered(6),                                              // 10 %
    Dithered(13),                                             // 20 %
    Dithered(16),                                             // 25 %
    Dithered(19),                                             // 30 %
    Dithered(26),                                             // 40 %
    Dithered(32),                                             // 50 %
    Dithered(38),                                             // 60 %
    Dithered(45),                                             // 70 %
    Dithered(48),                                             // 75 %
    Dithered(51),                                             // 80 %
    Dithered(58),                                             // 90 %
    Repeat4(0x88, 0x44, 0x22, 0x11),                          // light downward diagonal
    Repeat4(0x11, 0x22, 0x44, 0x88),                          // light upward diagonal
    Repeat4(0xCC, 0x66, 0x33, 0x99),                          // dark downward diagonal
    Repeat4(0x33, 0x66, 0xCC, 0x99),                          // dark upward diagonal
    {0xE0, 0x70, 0x38, 0x1C, 0x0E, 0x07, 0x83, 0xC1},         // wide downward diagonal
    {0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1, 0x83},         // wide upward diagonal
    Repeat4(0x88, 0x88, 0x88, 0x88),                          // light vertical
    Repeat4(0xFF, 0, 0, 0),                                   // light horizontal
    Repeat4(0xAA, 0xAA, 0xAA, 0xAA),                          // narrow vertical
    Repeat4(0xFF, 0, 0xFF, 0),                                // narrow horizontal
    Repeat4(0xCC, 0xCC, 0xCC, 0xCC),                          // dark vertical
    Repeat4(0xFF, 0xFF, 0, 0),                                // dark horizontal
    {0, 0, 0, 0, 0x88, 0x44, 0x22, 0x11},                     // dashed downward diagonal
    {0, 0, 0, 0, 0x11, 0x22, 0x44, 0x88},                     // dashed upward diagonal
    {0xF0, 0, 0, 0, 0x0F, 0, 0, 0},                           // dashed horizontal
    {0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08},         // dashed vertical
    {0x80, 0x04, 0x20, 0x01, 0x40, 0x08, 0x02, 0x10},         // small confetti
    {0xB1, 0x30, 0x03, 0x1B, 0xD8, 0xC0, 0x0C, 0x8D},         // large confetti
    {0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18},         // zigzag
    {0, 0x18, 0xA4, 0x03, 0, 0x18, 0xA4, 0x03},               // wave
    {0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81},         // diagonal brick
    {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},         // horizontal brick
    {0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51},         // weave
    {0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0},         // plaid
    {0, 0x10, 0x08, 0x10, 0, 0x01, 0x80, 0x01},               // divot
    {0xAA, 0, 0x80, 0, 0x80, 0, 0x80, 0},                     // dotted grid
    {0x80, 0, 0x22, 0, 0x08, 0, 0x22, 0},                     // dotted diamond
    {0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01},         // shingle
    {0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99},         // trellis
    {0x77, 0x89, 0x8F, 0x8F, 0x77, 0x98, 0xF8, 0xF8},         // sphere
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},         // small grid
    Repeat4(0x99, 0x66, 0x66, 0x99),                          // small checker board
    {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F},         // large checker board
    {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41, 0x80},         // outlined diamond
    {0x08, 0x1C, 0x3E, 0x7F, 0x3E, 0x1C, 0x08, 0},            // solid diamond
}};

}  // namespace

THatchPattern HatchPattern(int style)
{
    if (style < 0 || style >= HatchStyleTotal)
        style = HatchStyleHorizontal;
    return kPatterns[static_cast<std::size_t>(style)];
}

}  // namespace tarvelon
