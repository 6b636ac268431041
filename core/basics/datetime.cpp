#include "core/basics/datetime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarvelon {

namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

DateParts CivilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp + (mp < 10 ? 3 : -9);
    return DateParts{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

const long long kEpochOffset = DaysFromCivil(1899, 12, 30);

// The whole days of a date, held within the years 1 to 9999: beyond them there is no calendar
// date, and a real such as 1E300 has no integer to convert to.
long long WholeDays(TDateTime date)
{
    constexpr double kFirstDay = -693593.0;  // 01/01/0001
    constexpr double kLastDay = 2958465.0;   // 31/12/9999
    if (std::isnan(date))
        return 0;
    return static_cast<long long>(std::clamp(std::floor(date), kFirstDay, kLastDay));
}

}  // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

TDateTime EncodeDate(int year, int month, int day)
{
    return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset);
}

DateParts DecodeDate(TDateTime date)
{
    if (!std::isfinite(date))
        return DateParts{};
    return CivilFromDays(WholeDays(date) + kEpochOffset);
}

int DayOfWeek(TDateTime date)
{
    // 30/12/1899 was a Saturday (7).
    const long long days = WholeDays(date);
    long long r = ((days % 7) + 7 + 6) % 7;  // 0 = Sunday
    return static_cast<int>(r) + 1;
}

std::string DateToStr(TDateTime date)
{
    const DateParts p = DecodeDate(date);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", p.day, p.month, p.year);
    return buf;
}

bool TryStrToDate(const std::string& text, TDateTime& date)
{
    int d = 0, m = 0, y = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d/%d/%d%c", &d, &m, &y, &tail) != 3)
        return false;
    if (m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m) || y < 1 || y > 9999)
        return false;
    date = EncodeDate(y, m, d);
    return true;
}

}  // namespace tarvelon
