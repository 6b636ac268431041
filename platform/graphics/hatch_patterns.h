#pragma once
// The 8 x 8 patterns of the hatch styles: row r of a style is a byte whose bit 7 is the leftmost
// pixel; a set bit is drawn in the foreground colour.
#include <array>
#include <cstdint>

#include "platform/graphics/gdiplus_types.h"

namespace tarvelon {

using THatchPattern = std::array<std::uint8_t, 8>;

// The pattern of `style` (HatchStyleHorizontal's for a style out of range).
THatchPattern HatchPattern(int style);

}  // namespace tarvelon
