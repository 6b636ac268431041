#pragma once
// Dates are day counts since 30 December 1899 in a double; the whole part is the day.
#include <string>

namespace tarvelon {

using TDateTime = double;

struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
};

TDateTime EncodeDate(int year, int month, int day);
// A date before the year 1 or after 9999 reads as the first or the last day of that range.
DateParts DecodeDate(TDateTime date);

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// "dd/mm/yyyy", the Brazilian short date.
std::string DateToStr(TDateTime date);

// Reads "d/m/yyyy" or "dd/mm/yyyy"; false when the text is not a valid date.
bool TryStrToDate(const std::string& text, TDateTime& date);

}  // namespace tarvelon
