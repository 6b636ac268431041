#pragma once
// What the player types into the game's fields, read one way everywhere.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelon {

// A whole number of a field: an optional sign, then decimal digits, and nothing else (no blanks,
// no hexadecimal, no decimal point), within 32 bits. Anything else is no number.
std::optional<std::int32_t> ReadWholeNumber(std::string_view text);

// A name of a field without the blanks around it: blanks alone are an empty name.
std::string TypedName(std::string_view text);

// A coach's name as the game keeps it: as typed, cut to the name's 25 characters.
inline constexpr std::size_t kMaxCoachNameLength = 25;
std::string TypedCoachName(std::string_view text);

}  // namespace tarvelon
