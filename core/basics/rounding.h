#pragma once
// Reals become integers by rounding to the nearest integer, ties to even, wherever the rules round.
#include <cmath>
#include <cstdint>

namespace tarvelon {

inline std::int64_t Round(double value)
{
    // Below 2^51 in size, adding and taking away 1.5 * 2^52 leaves the integer that the default
    // rounding mode (to nearest, ties to even) makes of it, as nearbyint would, without a call.
    constexpr double kShift = 6755399441055744.0;
    if (value > -2251799813685248.0 && value < 2251799813685248.0) {
        const double shifted = value + kShift;
        return static_cast<std::int64_t>(shifted - kShift);
    }
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
