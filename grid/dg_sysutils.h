#pragma once
// The class library's text conversions that the grid's cells and columns rely on: numbers, booleans,
// dates and GUIDs to and from text, with the player's (Brazilian) number and date formats. A text
// that is not a valid value raises EConvertError, which reaches the screen that wrote it.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/basics/datetime.h"

namespace tarvelon {

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A list addressed outside its items ("List index out of bounds (5)").
class EListError : public std::out_of_range {
public:
    explicit EListError(int index);
};

struct TFormatSettings {
    char DecimalSeparator = ',';
    char ThousandSeparator = '.';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongTimeFormat = "hh:nn:ss";
};

// The format settings every conversion below reads.
extern TFormatSettings FormatSettings;

std::string IntToStr(std::int64_t value);
std::int32_t StrToInt(const std::string& text);
bool TryStrToInt32(const std::string& text, std::int32_t& value);

// Shortest general form with up to 15 significant digits ("2,5", "1E20", "1E-5").
std::string FloatToStr(double value);
double StrToFloat(const std::string& text);
bool TryStrToFloat(const std::string& text, double& value);
// Masks with '0' and '#' digit places, '.' decimal point, ',' thousands, "E+"/"E-", quoted literals
// and up to three sections (positive;negative;zero).
std::string FormatFloat(const std::string& mask, double value);

// "True" / "False".
std::string BoolToStr(bool value);
bool StrToBool(const std::string& text);

// The short date, followed by the long time when the time of day is not midnight.
std::string DateTimeToStr(TDateTime value);
TDateTime StrToDateTime(const std::string& text);
TDateTime StrToDateTimeDef(const std::string& text, TDateTime fallback);
bool TryStrToDateTime(const std::string& text, TDateTime& value);
// Tokens d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss, '/' and ':' as the separators, quoted literals.
std::string FormatDateTime(const std::string& mask, TDateTime value);
// Today's date (no time of day) from the computer's clock.
TDateTime Date();

struct TGUID {
    std::uint32_t D1 = 0;
    std::uint16_t D2 = 0;
    std::uint16_t D3 = 0;
    std::array<std::uint8_t, 8> D4{};
    friend bool operator==(const TGUID&, const TGUID&) = default;
};

// A new random GUID from the platform (never from the game's random generator).
TGUID CreateGuid();
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hexadecimal.
std::string GUIDToString(const TGUID& guid);
TGUID StringToGUID(const std::string& text);

}  // namespace tarvelon
