#pragma once
// Turning a description's values into what a property wants. Each conversion throws
// TDfmValueError with a readable message when the value has the wrong kind; the form reader
// reports it with the file and line.
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/dfm/dfm_tree.h"
#include "platform/graphics/color.h"
#include "platform/graphics/font.h"

namespace tarvelon {

struct TDfmValueError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int DfmInt(const TDfmValue& value);
double DfmReal(const TDfmValue& value);
bool DfmBool(const TDfmValue& value);
std::string DfmString(const TDfmValue& value);
// A colour: a number or a colour name (clRed, clBtnFace ...).
TColor DfmColor(const TDfmValue& value);
// A list of strings: ('a' 'b').
std::vector<std::string> DfmStrings(const TDfmValue& value);
// Binary data as bytes.
std::vector<unsigned char> DfmBytes(const TDfmValue& value);

// An enumeration value by its name (case ignored), from a table of the type's names.
int DfmEnumValue(const TDfmValue& value, std::initializer_list<std::pair<const char*, int>> names);
template <typename E>
E DfmEnum(const TDfmValue& value, std::initializer_list<std::pair<const char*, int>> names)
{
    return static_cast<E>(DfmEnumValue(value, names));
}
// A set of enumeration names as a list of their values.
std::vector<int> DfmSetValues(const TDfmValue& value, std::initializer_list<std::pair<const char*, int>> names);
TFontStyles DfmFontStyles(const TDfmValue& value);

// The colour of a name (false when the name is not a colour).
bool ColorOfName(const std::string& name, TColor& color);

}  // namespace tarvelon
