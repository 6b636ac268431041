#include "core/basics/literal_text.h"

namespace tarvelon {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::string MarkupLiteral(std::string_view text)
{
    std::string markup;
    markup.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '<':
            markup += "&lt;";
            break;
        case '>':
            markup += "&gt;";
            break;
        case '&':
            markup += "&amp;";
            if (i + 1 == text.size() || IsAsciiLetter(text[i + 1]))
                markup += "<Q>";
            break;
        default:
            markup += text[i];
        }
    }
    return markup;
}

std::string CaptionLiteral(std::string_view text)
{
    std::string caption;
    caption.reserve(text.size());
    for (char c : text) {
        caption += c;
        if (c == '&')
            caption += '&';
    }
    return caption;
}

}  // namespace tarvelon
