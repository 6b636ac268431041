#include "core/format/money_format.h"

#include <cstdint>
#include <cstdlib>

namespace tarvelon {

namespace {

// Characters first..last (1-based, inclusive) of a text, as the money bands cut it.
std::string Piece(const std::string& s, std::size_t first, std::size_t last)
{
    if (first > s.size()) return {};
    return s.substr(first - 1, last - first + 1);
}

// The digits of |value| grouped by three from the right with one blank, and its sign.
std::string GroupDigits(std::int64_t value)
{
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ' ';
        grouped += digits[i];
    }
    return value < 0 ? "-" + grouped : grouped;
}

std::string WordsOfPositive(std::int64_t v, const std::string& s)
{
    if (v < 1000) return s;
    if (v < 10000) return Piece(s, 1, 1) + " mil";
    if (v < 100000) return Piece(s, 1, 2) + " mil";
    if (v < 1000000) return Piece(s, 1, 3) + " mil";
    if (v < 2000000) return Piece(s, 1, 1) + " milhão " + Piece(s, 2, 4) + " mil";
    if (v < 10000000) return Piece(s, 1, 1) + " milhões " + Piece(s, 2, 4) + " mil";
    if (v < 100000000) return Piece(s, 1, 2) + " milhões " + Piece(s, 3, 5) + " mil";
    if (v < 1000000000) return Piece(s, 1, 3) + " milhões " + Piece(s, 4, 6) + " mil";
    const char* billions = v < 2000000000 ? " bilhão " : " bilhões ";
    return Piece(s, 1, 1) + billions + Piece(s, 2, 4) + " milhões " + Piece(s, 5, 7) + " mil";
}

// Negative amounts: the sign takes the first character, so every cut is one place further on.
std::string WordsOfNegative(std::int64_t v, const std::string& s)
{
    if (v > -1000) return s;
    if (v > -10000) return Piece(s, 1, 2) + " mil";
    if (v > -100000) return Piece(s, 1, 3) + " mil";
    if (v > -1000000) return Piece(s, 1, 4) + " mil";
    if (v > -2000000) return Piece(s, 1, 2) + " milhão " + Piece(s, 3, 5) + " mil";
    if (v > -10000000) return Piece(s, 1, 2) + " milhões " + Piece(s, 3, 5) + " mil";
    if (v > -100000000) return Piece(s, 1, 3) + " milhões " + Piece(s, 4, 6) + " mil";
    return s;
}

}  // namespace

std::string FormatMoneyWords(std::int32_t amount)
{
    const std::string s = std::to_string(amount);
    if (amount == 0) return "0 mil";
    std::string text = amount > 0 ? WordsOfPositive(amount, s) : WordsOfNegative(amount, s);
    // A round amount drops its empty thousands ("2 milhões "), the blank before them stays.
    const std::string emptyThousands = "000 mil";
    if (text.size() >= emptyThousands.size() &&
        text.compare(text.size() - emptyThousands.size(), emptyThousands.size(), emptyThousands) == 0)
        text.erase(text.size() - emptyThousands.size());
    return text;
}

std::string FormatMoneyWords64(std::int64_t amount)
{
    if (amount >= INT32_MIN && amount <= INT32_MAX)
        return FormatMoneyWords(static_cast<std::int32_t>(amount));
    const std::string s = std::to_string(amount);
    if (amount < 0)
        return s;  // as the 32-bit texts write every large debt
    const std::size_t n = s.size();
    std::string text = s.substr(0, n - 9) + (amount < 2000000000 ? " bilhão " : " bilhões ") + s.substr(n - 9, 3) +
                       " milhões " + s.substr(n - 6, 3) + " mil";
    const std::string emptyThousands = "000 mil";
    if (text.compare(text.size() - emptyThousands.size(), emptyThousands.size(), emptyThousands) == 0)
        text.erase(text.size() - emptyThousands.size());
    return text;
}

std::string FormatMoneyShort(std::int64_t amount)
{
    const std::string s = std::to_string(amount);
    if (amount < 10000 || amount >= 1000000000) return s;
    if (amount < 100000) return Piece(s, 1, 2) + " k";
    if (amount < 1000000) return Piece(s, 1, 3) + " k";
    if (amount < 10000000) return Piece(s, 1, 1) + " " + Piece(s, 2, 4) + " k";
    if (amount < 100000000) return Piece(s, 1, 2) + " " + Piece(s, 3, 5) + " k";
    return Piece(s, 1, 3) + " " + Piece(s, 4, 6) + " k";
}

std::string FormatThousands(std::int32_t value)
{
    const bool grouped = (value >= 1000 && value <= 99999999) || (value >= -9999999 && value <= -1000);
    return grouped ? GroupDigits(value) : std::to_string(value);
}

std::string FormatMoney(std::int64_t amount)
{
    return GroupDigits(amount);
}

int GetZero()
{
    return 0;
}

}  // namespace tarvelon
