#pragma once
// Colours as the settings file stores them: a standard colour name ("clRed", ...) when the colour
// has one, else "$" and eight hexadecimal digits 00BBGGRR.
#include <optional>
#include <string>
#include <string_view>

#include "core/basics/color.h"

namespace tarvelon {

std::string ColorToText(TColor color);

// A colour name (in any case) or a number as the standard conversion reads it; nothing when the
// text is neither.
std::optional<TColor> TextToColor(std::string_view text);

}  // namespace tarvelon
