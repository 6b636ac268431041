#pragma once
// Small text rules of the team editor: file-name suffixes compared without regard to case.
#include <string>
#include <string_view>

namespace tarvelon {

bool EndsWithNoCase(std::string_view text, std::string_view suffix);
// The text without `suffix` when it ends with it in any case, else the text unchanged.
std::string StripExtensionNoCase(std::string_view text, std::string_view suffix);

}  // namespace tarvelon
