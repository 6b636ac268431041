#pragma once
// Texts inside records and data files are CP1252 (Western European); inside the program they are UTF-8.
#include <string>
#include <string_view>

namespace tarvelon {

std::string Cp1252ToUtf8(std::string_view bytes);

// Characters with no CP1252 form become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// The first `count` characters of a UTF-8 text (never a part of one).
std::string Utf8Left(std::string_view utf8, std::size_t count);

}  // namespace tarvelon
