#include "core/settings/color_text.h"

#include <array>
#include <cstdio>

#include "core/basics/ascii_text.h"
#include "core/basics/str_to_int.h"

namespace tarvelon {

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

// In this order, so that a colour with two names is written with the first.
constexpr std::array<NamedColor, 20> StandardColors = {{
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},      {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},       {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},      {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

}  // namespace

std::string ColorToText(TColor color)
{
    for (const NamedColor& named : StandardColors)
        if (named.color == color)
            return named.name;
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
    return text;
}

std::optional<TColor> TextToColor(std::string_view text)
{
    for (const NamedColor& named : StandardColors)
        if (SameTextIgnoringCase(named.name, text))
            return named.color;
    return TryStrToInt(text);
}

}  // namespace tarvelon
