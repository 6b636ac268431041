#pragma once
// The game's standard text-to-integer conversion: optional leading blanks, an optional sign, then
// decimal digits, or hexadecimal ones after "$" or "0x". Anything else (an empty text, trailing
// characters, a decimal number outside 32 bits) is not a number.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvelon {

std::optional<std::int32_t> TryStrToInt(std::string_view text);

}  // namespace tarvelon
