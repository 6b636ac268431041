#include "core/basics/cp1252.h"

#include <cstdint>

namespace tarvelon {

namespace {

// Code points of the bytes 0x80..0x9F; 0 where CP1252 leaves the byte undefined.
const char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one code point at i, advancing i; invalid sequences give U+FFFD and skip one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& i)
{
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) { ++i; return b0; }
    if ((b0 & 0xE0) == 0xC0) { extra = 1; c = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; c = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; c = b0 & 0x07; }
    else { ++i; return 0xFFFD; }
    if (i + extra >= s.size()) { ++i; return 0xFFFD; }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80) { ++i; return 0xFFFD; }
        c = (c << 6) | (b & 0x3F);
    }
    i += extra + 1;
    return c;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b >= 0x80 && b <= 0x9F) {
            const char32_t c = kHigh[b - 0x80];
            AppendUtf8(out, c ? c : b);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = NextCodePoint(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k) {
            if (kHigh[k] != 0 && kHigh[k] == c) {
                mapped = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::size_t Utf8Length(std::string_view utf8)
{
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        NextCodePoint(utf8, i);
        ++n;
    }
    return n;
}

std::string Utf8Left(std::string_view utf8, std::size_t count)
{
    std::size_t bytes = 0;
    for (std::size_t chars = 0; bytes < utf8.size() && chars < count; ++chars) {
        ++bytes;
        while (bytes < utf8.size() && (static_cast<unsigned char>(utf8[bytes]) & 0xC0) == 0x80)
            ++bytes;
    }
    return std::string(utf8.substr(0, bytes));
}

}  // namespace tarvelon
