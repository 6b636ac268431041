#include "editor/model/editor_text.h"

#include <algorithm>
#include <cctype>

namespace tarvelon {

bool EndsWithNoCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string StripExtensionNoCase(std::string_view text, std::string_view suffix)
{
    if (!EndsWithNoCase(text, suffix))
        return std::string(text);
    return std::string(text.substr(0, text.size() - suffix.size()));
}

}  // namespace tarvelon
