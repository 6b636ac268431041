#pragma once
// Reals become integers by rounding to the nearest integer, ties to even, wherever the rules round.
#include <cmath>
#include <cstdint>

namespace tarvelon {

inline std::int64_t Round(double value)
{
    double r = std::nearbyint(value);  // the default rounding mode: to nearest, ties to even
    if (std::isnan(r))
        return 0;
    return static_cast<std::int64_t>(r);
}

// Truncation towards zero.
inline std::int64_t Trunc(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<std::int64_t>(value);
}

}  // namespace tarvelon
