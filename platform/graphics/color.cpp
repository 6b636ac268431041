#include "platform/graphics/color.h"

#include <QColor>
#include <array>

namespace tarvelon {

namespace {

// One fixed scheme (a light desktop of today) so that screens and tests look the same everywhere.
constexpr std::array<TColor, COLOR_COUNT> kSystemColors = {
    RGB(200, 200, 200),  // scroll bar
    RGB(0, 0, 0),        // desktop
    RGB(153, 180, 209),  // active caption
    RGB(191, 205, 219),  // inactive caption
    RGB(240, 240, 240),  // menu
    RGB(255, 255, 255),  // window
    RGB(100, 100, 100),  // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(0, 0, 0),        // caption text
    RGB(180, 180, 180),  // active border
    RGB(244, 247, 252),  // inactive border
    RGB(171, 171, 171),  // application workspace
    RGB(0, 120, 215),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(240, 240, 240),  // button face
    RGB(160, 160, 160),  // button shadow
    RGB(109, 109, 109),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(0, 0, 0),        // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(105, 105, 105),  // 3D dark shadow
    RGB(227, 227, 227),  // 3D light
    RGB(0, 0, 0),        // tooltip text
    RGB(255, 255, 225),  // tooltip background
    RGB(0, 0, 0),        // (unused index 25)
    RGB(0, 102, 204),    // hot-tracked item
    RGB(185, 209, 234),  // gradient of the active caption
    RGB(215, 228, 242),  // gradient of the inactive caption
    RGB(51, 153, 255),   // highlighted menu item
    RGB(240, 240, 240),  // menu bar
};

}  // namespace

TColor GetSysColor(int index)
{
    if (index < 0 || index >= COLOR_COUNT)
        return clBlack;
    return kSystemColors[static_cast<std::size_t>(index)];
}

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color))
        return GetSysColor(color & 0xFF);
    return color & 0xFFFFFF;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

}  // namespace tarvelon
