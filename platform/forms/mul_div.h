#pragma once
// value * m / d rounded to the nearest integer (halves away from zero), as scaling a form needs.
namespace tarvelon {

inline int MulDiv(int value, int m, int d)
{
    if (d == 0)
        return value;
    const long long product = static_cast<long long>(value) * m;
    const long long half = ((product >= 0) == (d >= 0) ? d : -d) / 2;
    return static_cast<int>((product + half) / d);
}

}  // namespace tarvelon
