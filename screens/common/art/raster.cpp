#include "screens/common/art/raster.h"

#include "core/basics/color.h"

namespace tarvelon::art {

Rgba FromColor(int color)
{
    return {static_cast<std::uint8_t>(RedOf(color)), static_cast<std::uint8_t>(GreenOf(color)),
            static_cast<std::uint8_t>(BlueOf(color)), 255};
}

}  // namespace tarvelon::art
