#pragma once
// Money and number texts of the screens: amounts in thousands with words, compact amounts,
// digit groups. Amounts are whole money units (not Currency).
#include <cstdint>
#include <string>

namespace tarvelon {

// "1 milhão 500 mil", "25 milhões 300 mil", "0 mil"; 1..999 and -999..-1 as the plain number.
// Amounts are cut to the thousand, never rounded.
std::string FormatMoneyWords(std::int32_t amount);
// The same for amounts that may pass 32 bits (cash, account sums): billions keep every digit.
std::string FormatMoneyWords64(std::int64_t amount);

// "1 234 k" for 1,234,567; below 10,000, negatives and from 1,000,000,000 the plain number.
std::string FormatMoneyShort(std::int64_t amount);

// "1 000" for 1,000: digits grouped by three with a blank between groups, within
// -9,999,999 .. 99,999,999; any other value is written as the plain number.
std::string FormatThousands(std::int32_t value);

// The amount as by the mask "# ### ### ##0": every value grouped by three with blanks, no
// leading blanks, at least one digit; amounts past 32 bits (cash, account sums) keep every digit.
std::string FormatMoney(std::int64_t amount);
inline std::string FormatMoney64(std::int64_t amount) { return FormatMoney(amount); }

// The auction screen shows a plain 0 through this.
int GetZero();

}  // namespace tarvelon
