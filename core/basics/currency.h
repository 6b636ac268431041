#pragma once
// Money: a 64-bit integer scaled by 10,000 (whole units times 10,000), as stored in the records.
// Some accounts and ticket prices are plain 32-bit whole units instead; their fields say so.
#include <cstdint>

namespace tarvelon {

using Currency = std::int64_t;

inline constexpr Currency kCurrencyScale = 10000;

inline constexpr Currency CurrencyFromUnits(std::int64_t units) { return units * kCurrencyScale; }

// Whole units, truncated towards zero.
inline constexpr std::int64_t CurrencyUnits(Currency value) { return value / kCurrencyScale; }

inline constexpr double CurrencyToDouble(Currency value) { return static_cast<double>(value) / kCurrencyScale; }

}  // namespace tarvelon
