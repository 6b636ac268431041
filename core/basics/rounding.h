#pragma once
// Reals become integers by rounding to the nearest integer, ties to even, wherever the rules round.
#include <cmath>
#include <cstdint>
#include <limits>

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
    // Reals beyond 64 bits (a typed "1E300") take the nearer end instead of an undefined conversion.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (r >= kTwoTo63)
        return std::numeric_limits<std::int64_t>::max();
    if (r < -kTwoTo63)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

// Rounded as above and clamped to 32 bits, for the integers of cells, editors and pixels.
inline std::int32_t RoundToInt32(double value)
{
    const std::int64_t r = Round(value);
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (r < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

// Truncation towards zero; beyond 64 bits the nearer end.
inline std::int64_t Trunc(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (value >= kTwoTo63)
        return std::numeric_limits<std::int64_t>::max();
    if (value < -kTwoTo63)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

}  // namespace tarvelon
