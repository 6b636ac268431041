// Text conversions of numbers, booleans, dates and GUIDs, as the class library writes and reads them.
#include "grid/dg_sysutils.h"

#include "core/basics/str_to_int.h"

#include <QDate>
#include <QUuid>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>
#include <algorithm>

namespace tarvelon {

TFormatSettings FormatSettings;

EListError::EListError(int index)
    : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")")
{
}

namespace {

std::string Trimmed(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameTextAscii(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

[[noreturn]] void RaiseConvert(const std::string& text, const char* what)
{
    throw EConvertError("'" + text + "' is not a valid " + what);
}

}  // namespace

// ---- integers ----

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

// The game's one text-to-integer rule (blanks, sign, decimal or "$"/"0x" hexadecimal).
bool TryStrToInt32(const std::string& text, std::int32_t& value)
{
    std::optional<std::int32_t> number = TryStrToInt(text);
    if (number)
        value = *number;
    return number.has_value();
}

std::int32_t StrToInt(const std::string& text)
{
    std::int32_t value = 0;
    if (!TryStrToInt32(text, value))
        RaiseConvert(text, "integer value");
    return value;
}

// ---- floats ----

std::string FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string raw = buffer;
    std::string out;
    std::size_t e = raw.find('e');
    std::string mantissa = e == std::string::npos ? raw : raw.substr(0, e);
    for (char c : mantissa)
        out += c == '.' ? FormatSettings.DecimalSeparator : c;
    if (e != std::string::npos) {
        int exponent = std::atoi(raw.c_str() + e + 1);
        out += "E" + std::to_string(exponent);
    }
    if (out == "-0")
        out = "0";
    return out;
}

// Blanks around, a sign, digits with the decimal separator, an optional exponent.
bool TryStrToFloat(const std::string& text, double& value)
{
    std::string t = Trimmed(text);
    std::string c;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        c += t[i++];
    bool digits = false;
    while (i < t.size() && IsDigit(t[i])) {
        c += t[i++];
        digits = true;
    }
    if (i < t.size() && t[i] == FormatSettings.DecimalSeparator) {
        c += '.';
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            c += t[i++];
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            c += t[i++];
        bool expDigits = false;
        while (i < t.size() && IsDigit(t[i])) {
            c += t[i++];
            expDigits = true;
        }
        if (!expDigits)
            return false;
    }
    if (i != t.size())
        return false;
    errno = 0;
    double result = std::strtod(c.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(result))
        return false;
    value = result;
    return true;
}

double StrToFloat(const std::string& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        RaiseConvert(text, "floating point value");
    return value;
}

namespace {

// One section of a number mask, split into the digit pattern and the literal texts around it.
struct FloatMask {
    std::string prefix, suffix;
    int minInt = 0;       // '0' places before the point
    int minFrac = 0;      // '0' places after the point
    int maxFrac = 0;      // all places after the point
    bool thousands = false;
    bool scientific = false;
    bool expSign = false;  // "E+" always writes the sign
    int expDigits = 0;
};

std::vector<std::string> SplitSections(const std::string& mask)
{
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : mask) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

FloatMask ParseMask(const std::string& section)
{
    FloatMask m;
    bool inDigits = false, afterDigits = false, afterPoint = false;
    std::size_t i = 0;
    auto literal = [&](const std::string& s) { (inDigits || afterDigits ? m.suffix : m.prefix) += s; };
    while (i < section.size()) {
        char c = section[i];
        if (c == '"' || c == '\'') {
            std::size_t end = section.find(c, i + 1);
            if (end == std::string::npos)
                end = section.size();
            literal(section.substr(i + 1, end - i - 1));
            i = end + 1;
            if (inDigits)
                afterDigits = true;
            continue;
        }
        if (!afterDigits && (c == '0' || c == '#')) {
            inDigits = true;
            if (afterPoint) {
                ++m.maxFrac;
                if (c == '0')
                    m.minFrac = m.maxFrac;
            } else if (c == '0') {
                ++m.minInt;
            }
        } else if (!afterDigits && c == '.') {
            inDigits = true;
            afterPoint = true;
        } else if (!afterDigits && c == ',') {
            m.thousands = true;
        } else if (inDigits && !afterDigits && (c == 'E' || c == 'e') && i + 1 < section.size() &&
                   (section[i + 1] == '+' || section[i + 1] == '-')) {
            m.scientific = true;
            m.expSign = section[i + 1] == '+';
            i += 2;
            while (i < section.size() && section[i] == '0') {
                ++m.expDigits;
                ++i;
            }
            afterDigits = true;
            continue;
        } else {
            if (inDigits)
                afterDigits = true;
            literal(std::string(1, c));
        }
        ++i;
    }
    return m;
}

std::string GroupThousands(const std::string& digits)
{
    std::string out;
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (count && count % 3 == 0)
            out.insert(out.begin(), FormatSettings.ThousandSeparator);
        out.insert(out.begin(), *it);
        ++count;
    }
    return out;
}

std::string FormatWithMask(const FloatMask& m, double magnitude)
{
    int exponent = 0;
    if (m.scientific && magnitude != 0) {
        exponent = static_cast<int>(std::floor(std::log10(magnitude))) - (std::max(m.minInt, 1) - 1);
        magnitude /= std::pow(10.0, exponent);
    }
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", m.maxFrac, magnitude);
    std::string fixed = buffer;
    std::size_t point = fixed.find('.');
    std::string intPart = point == std::string::npos ? fixed : fixed.substr(0, point);
    std::string fracPart = point == std::string::npos ? "" : fixed.substr(point + 1);
    while (static_cast<int>(fracPart.size()) > m.minFrac && !fracPart.empty() && fracPart.back() == '0')
        fracPart.pop_back();
    if (intPart == "0" && m.minInt == 0)
        intPart.clear();
    while (static_cast<int>(intPart.size()) < m.minInt)
        intPart.insert(intPart.begin(), '0');
    if (m.thousands)
        intPart = GroupThousands(intPart);
    std::string out = intPart;
    if (!fracPart.empty())
        out += FormatSettings.DecimalSeparator + fracPart;
    if (m.scientific) {
        std::string digits = std::to_string(std::abs(exponent));
        while (static_cast<int>(digits.size()) < m.expDigits)
            digits.insert(digits.begin(), '0');
        out += "E";
        if (exponent < 0)
            out += "-";
        else if (m.expSign)
            out += "+";
        out += digits;
    }
    return out;
}

}  // namespace

std::string FormatFloat(const std::string& mask, double value)
{
    if (mask.empty())
        return FloatToStr(value);
    std::vector<std::string> sections = SplitSections(mask);
    std::size_t chosen = 0;
    bool writeSign = value < 0;
    if (value < 0 && sections.size() > 1 && !sections[1].empty()) {
        chosen = 1;
        writeSign = false;  // the negative section writes its own sign
    }
    FloatMask m = ParseMask(sections[chosen]);
    std::string body = FormatWithMask(m, std::fabs(value));
    bool allZero = body.find_first_not_of("0,.E+-") == std::string::npos;
    if (value == 0 && sections.size() > 2 && !sections[2].empty()) {
        FloatMask zero = ParseMask(sections[2]);
        return zero.prefix + FormatWithMask(zero, 0) + zero.suffix;
    }
    if (allZero)
        writeSign = false;
    return (writeSign ? "-" : "") + m.prefix + body + m.suffix;
}

// ---- booleans ----

std::string BoolToStr(bool value) { return value ? "True" : "False"; }

bool StrToBool(const std::string& text)
{
    if (SameTextAscii(text, "True"))
        return true;
    if (SameTextAscii(text, "False"))
        return false;
    double number = 0;
    if (TryStrToFloat(text, number))
        return number != 0;
    RaiseConvert(text, "boolean value");
}

// ---- dates ----

namespace {

struct TimeParts {
    int hour = 0, minute = 0, second = 0;
};

TimeParts DecodeTime(TDateTime value)
{
    double fraction = std::fabs(value - std::trunc(value));
    auto ms = static_cast<std::int64_t>(std::llround(fraction * 86400000.0));
    if (ms >= 86400000)
        ms = 86399999;
    TimeParts t;
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    return t;
}

const char* const ShortMonthNames[12] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                         "jul", "ago", "set", "out", "nov", "dez"};
const char* const LongMonthNames[12] = {"janeiro", "fevereiro", "março",    "abril",   "maio",     "junho",
                                        "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
const char* const ShortDayNames[7] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
const char* const LongDayNames[7] = {"domingo",     "segunda-feira", "terça-feira", "quarta-feira",
                                     "quinta-feira", "sexta-feira",   "sábado"};

std::string TwoDigits(int n)
{
    char b[16];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

int RunLength(const std::string& mask, std::size_t i)
{
    std::size_t j = i;
    while (j < mask.size() && LowerAscii(mask[j]) == LowerAscii(mask[i]))
        ++j;
    return static_cast<int>(j - i);
}

// Reads up to three numbers separated by `separator`; false when anything else is in the text.
bool ReadNumberGroup(const std::string& text, char separator, std::vector<int>& numbers)
{
    numbers.clear();
    std::string run;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            if (run.empty() || run.size() > 4)
                return false;
            numbers.push_back(std::atoi(run.c_str()));
            run.clear();
        } else if (IsDigit(text[i])) {
            run += text[i];
        } else {
            return false;
        }
    }
    return numbers.size() <= 3;
}

bool TryDatePart(const std::string& text, TDateTime& date)
{
    std::vector<int> n;
    if (!ReadNumberGroup(text, FormatSettings.DateSeparator, n) || n.size() < 2)
        return false;
    int day = n[0], month = n[1];
    int year = n.size() == 3 ? n[2] : QDate::currentDate().year();
    if (n.size() == 3 && year < 100)
        year += 2000 - (year >= 50 ? 100 : 0);  // two-digit years: 50..99 are the 1900s
    if (month < 1 || month > 12 || year < 1 || day < 1 || day > DaysInMonth(year, month))
        return false;
    date = EncodeDate(year, month, day);
    return true;
}

bool TryTimePart(const std::string& text, double& time)
{
    std::vector<int> n;
    if (!ReadNumberGroup(text, FormatSettings.TimeSeparator, n) || n.size() < 2)
        return false;
    int second = n.size() == 3 ? n[2] : 0;
    if (n[0] > 23 || n[1] > 59 || second > 59)
        return false;
    time = (n[0] * 3600 + n[1] * 60 + second) / 86400.0;
    return true;
}

}  // namespace

std::string DateTimeToStr(TDateTime value)
{
    std::string text = FormatDateTime(FormatSettings.ShortDateFormat, value);
    TimeParts t = DecodeTime(value);
    if (t.hour || t.minute || t.second)
        text += " " + FormatDateTime(FormatSettings.LongTimeFormat, value);
    return text;
}

bool TryStrToDateTime(const std::string& text, TDateTime& value)
{
    std::string t = Trimmed(text);
    std::size_t space = t.find(' ');
    std::string first = t.substr(0, space);
    std::string rest = space == std::string::npos ? "" : Trimmed(t.substr(space + 1));
    TDateTime date = 0;
    double time = 0;
    if (first.find(FormatSettings.DateSeparator) == std::string::npos && rest.empty())
        return TryTimePart(first, time) && ((value = time), true);
    if (!TryDatePart(first, date))
        return false;
    if (!rest.empty() && !TryTimePart(rest, time))
        return false;
    value = date >= 0 ? date + time : date - time;
    return true;
}

TDateTime StrToDateTime(const std::string& text)
{
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value))
        RaiseConvert(text, "date and time");
    return value;
}

TDateTime StrToDateTimeDef(const std::string& text, TDateTime fallback)
{
    TDateTime value = 0;
    return TryStrToDateTime(text, value) ? value : fallback;
}

std::string FormatDateTime(const std::string& mask, TDateTime value)
{
    DateParts d = DecodeDate(value);
    TimeParts t = DecodeTime(value);
    std::string out;
    for (std::size_t i = 0; i < mask.size();) {
        char c = LowerAscii(mask[i]);
        int n = RunLength(mask, i);
        if (mask[i] == '"' || mask[i] == '\'') {
            std::size_t end = mask.find(mask[i], i + 1);
            if (end == std::string::npos)
                end = mask.size();
            out += mask.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        switch (c) {
        case 'd':
            if (n == 1)
                out += std::to_string(d.day);
            else if (n == 2)
                out += TwoDigits(d.day);
            else if (n == 3)
                out += ShortDayNames[DayOfWeek(value) - 1];
            else
                out += LongDayNames[DayOfWeek(value) - 1];
            break;
        case 'm':
            if (n == 1)
                out += std::to_string(d.month);
            else if (n == 2)
                out += TwoDigits(d.month);
            else if (n == 3)
                out += ShortMonthNames[d.month - 1];
            else
                out += LongMonthNames[d.month - 1];
            break;
        case 'y':
            out += n <= 2 ? TwoDigits(d.year % 100) : std::to_string(d.year);
            break;
        case 'h':
            out += n == 1 ? std::to_string(t.hour) : TwoDigits(t.hour);
            break;
        case 'n':
            out += n == 1 ? std::to_string(t.minute) : TwoDigits(t.minute);
            break;
        case 's':
            out += n == 1 ? std::to_string(t.second) : TwoDigits(t.second);
            break;
        case '/':
            out.append(n, FormatSettings.DateSeparator);
            break;
        case ':':
            out.append(n, FormatSettings.TimeSeparator);
            break;
        default:
            out.append(mask, i, n);
        }
        i += n;
    }
    return out;
}

TDateTime Date()
{
    QDate today = QDate::currentDate();
    return EncodeDate(today.year(), today.month(), today.day());
}

// ---- GUIDs ----

TGUID CreateGuid()
{
    QUuid uuid = QUuid::createUuid();
    TGUID guid;
    guid.D1 = uuid.data1;
    guid.D2 = uuid.data2;
    guid.D3 = uuid.data3;
    for (int i = 0; i < 8; ++i)
        guid.D4[i] = uuid.data4[i];
    return guid;
}

std::string GUIDToString(const TGUID& g)
{
    char b[64];
    std::snprintf(b, sizeof b, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.D1, g.D2, g.D3, g.D4[0],
                  g.D4[1], g.D4[2], g.D4[3], g.D4[4], g.D4[5], g.D4[6], g.D4[7]);
    return b;
}

TGUID StringToGUID(const std::string& text)
{
    static const char pattern[] = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != sizeof pattern - 1)
        RaiseConvert(text, "GUID value");
    std::vector<std::uint8_t> nibbles;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (pattern[i] != 'X') {
            if (text[i] != pattern[i])
                RaiseConvert(text, "GUID value");
            continue;
        }
        char c = LowerAscii(text[i]);
        if (IsDigit(c))
            nibbles.push_back(static_cast<std::uint8_t>(c - '0'));
        else if (c >= 'a' && c <= 'f')
            nibbles.push_back(static_cast<std::uint8_t>(c - 'a' + 10));
        else
            RaiseConvert(text, "GUID value");
    }
    auto take = [&](std::size_t from, int count) {
        std::uint32_t v = 0;
        for (int k = 0; k < count; ++k)
            v = v << 4 | nibbles[from + k];
        return v;
    };
    TGUID g;
    g.D1 = take(0, 8);
    g.D2 = static_cast<std::uint16_t>(take(8, 4));
    g.D3 = static_cast<std::uint16_t>(take(12, 4));
    for (int k = 0; k < 8; ++k)
        g.D4[k] = static_cast<std::uint8_t>(take(16 + 2 * k, 2));
    return g;
}

}  // namespace tarvelon
