#pragma once
// Money: a 64-bit integer scaled by 10,000 (whole units times 10,000), as stored in the records.
// Some accounts and ticket prices are plain 32-bit whole units instead; their fields say so.
#include <cstdint>
#include <limits>

#include "core/basics/rounding.h"

namespace tarvelon {

using Currency = std::int64_t;

inline constexpr Currency kCurrencyScale = 10000;

inline constexpr Currency CurrencyFromUnits(std::int64_t units) { return units * kCurrencyScale; }

// Whole units, truncated towards zero.
inline constexpr std::int64_t CurrencyUnits(Currency value) { return value / kCurrencyScale; }

inline constexpr double CurrencyToDouble(Currency value) { return static_cast<double>(value) / kCurrencyScale; }

// A club's cash moved by a whole-unit amount (negative: paid out). Every payment goes through here:
// a saved game may hold cash and wages near the largest amounts it keeps, and a season of wages of a
// squad of such players can leave Currency's range, so the amount and the sum stop at the 64-bit
// range's ends instead of wrapping round.
inline void AddUnitsToCash(Currency& cash, std::int64_t units)
{
    constexpr Currency kMost = std::numeric_limits<Currency>::max();
    constexpr Currency kLeast = std::numeric_limits<Currency>::min();
    Currency amount = 0;
    if (__builtin_mul_overflow(units, kCurrencyScale, &amount))
        amount = units < 0 ? kLeast : kMost;
    if (__builtin_add_overflow(cash, amount, &cash))
        cash = amount < 0 ? kLeast : kMost;
}

// Whole units, rounded to the nearest (ties to even): what a fee, a bill or a price counts of an amount.
inline std::int64_t RoundedUnits(Currency value) { return Round(CurrencyToDouble(value)); }

}  // namespace tarvelon
