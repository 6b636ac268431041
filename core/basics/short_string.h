#pragma once
// A stored text of at most N characters: one length byte, then N bytes of CP1252.
// It is part of the raw record images, so its size is exactly N + 1 bytes.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/basics/cp1252.h"

namespace tarvelon {

#pragma pack(push, 1)
template <std::size_t N>
struct ShortString {
    static_assert(N >= 1 && N <= 255, "a short string holds 1 to 255 characters");

    std::uint8_t length = 0;
    char bytes[N] = {};

    // The length actually used: a stored length byte larger than the field is clamped to it.
    std::size_t size() const { return std::min<std::size_t>(length, N); }
    bool empty() const { return size() == 0; }

    std::string_view raw() const { return std::string_view(bytes, size()); }

    // The text as UTF-8.
    std::string str() const { return Cp1252ToUtf8(raw()); }

    // Stores a UTF-8 text, cut to N characters.
    void set(std::string_view utf8)
    {
        setRaw(Utf8ToCp1252(utf8));
    }

    // Stores CP1252 bytes as they are, cut to N.
    void setRaw(std::string_view cp1252)
    {
        const std::size_t n = std::min(cp1252.size(), N);
        std::memset(bytes, 0, N);
        if (n > 0) {  // an empty view may carry a null pointer, which memcpy must not get
            std::memcpy(bytes, cp1252.data(), n);
        }
        length = static_cast<std::uint8_t>(n);
    }

    void clear() { setRaw({}); }

    ShortString& operator=(std::string_view utf8)
    {
        set(utf8);
        return *this;
    }

    friend bool operator==(const ShortString& a, const ShortString& b) { return a.raw() == b.raw(); }
};
#pragma pack(pop)

static_assert(sizeof(ShortString<30>) == 31);

}  // namespace tarvelon
