#include "platform/dfm/dfm_values.h"

#include <cctype>
#include <cmath>

#include "platform/forms/text_utils.h"

namespace tarvelon {
namespace {

[[noreturn]] void Wrong(const char* wanted, const TDfmValue& value)
{
    throw TDfmValueError(std::string(wanted) + " was expected, not " + value.Describe());
}

struct NamedColor {
    const char* name;
    TColor color;
};

const NamedColor kColors[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clLtGray", clLtGray}, {"clDkGray", clDkGray}, {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue},
    {"clCream", clCream}, {"clMedGray", clMedGray}, {"clNone", clNone}, {"clDefault", clDefault},
    {"clActiveBorder", clActiveBorder}, {"clActiveCaption", clActiveCaption}, {"clAppWorkSpace", clAppWorkSpace},
    {"clBackground", clBackground}, {"clBtnFace", clBtnFace}, {"clBtnHighlight", clBtnHighlight},
    {"clBtnShadow", clBtnShadow}, {"clBtnText", clBtnText}, {"clCaptionText", clCaptionText},
    {"clGradientActiveCaption", clGradientActiveCaption}, {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clGrayText", clGrayText}, {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clHotLight", clHotLight}, {"clInactiveBorder", clInactiveBorder}, {"clInactiveCaption", clInactiveCaption},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clInfoBk", clInfoBk}, {"clInfoText", clInfoText},
    {"clMenu", clMenu}, {"clMenuBar", clMenuBar}, {"clMenuHighlight", clMenuHighlight}, {"clMenuText", clMenuText},
    {"clScrollBar", clScrollBar}, {"clWindow", clWindow}, {"clWindowFrame", clWindowFrame},
    {"clWindowText", clWindowText},
};

int HexDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

}  // namespace

int DfmInt(const TDfmValue& value)
{
    if (value.kind != TDfmValueKind::Integer)
        Wrong("a whole number", value);
    return static_cast<int>(value.integer);
}

double DfmReal(const TDfmValue& value)
{
    if (value.kind == TDfmValueKind::Integer)
        return static_cast<double>(value.integer);
    if (value.kind != TDfmValueKind::Float)
        Wrong("a number", value);
    return value.real;
}

bool DfmBool(const TDfmValue& value)
{
    if (value.kind == TDfmValueKind::Identifier && SameText(value.text, "True"))
        return true;
    if (value.kind == TDfmValueKind::Identifier && SameText(value.text, "False"))
        return false;
    Wrong("True or False", value);
}

std::string DfmString(const TDfmValue& value)
{
    if (value.kind != TDfmValueKind::String)
        Wrong("a string", value);
    return value.text;
}

bool ColorOfName(const std::string& name, TColor& color)
{
    for (const NamedColor& named : kColors) {
        if (SameText(name, named.name)) {
            color = named.color;
            return true;
        }
    }
    return false;
}

TColor DfmColor(const TDfmValue& value)
{
    if (value.kind == TDfmValueKind::Integer)
        return static_cast<TColor>(value.integer);
    TColor color = clNone;
    if (value.kind == TDfmValueKind::Identifier && ColorOfName(value.text, color))
        return color;
    Wrong("a colour", value);
}

std::vector<std::string> DfmStrings(const TDfmValue& value)
{
    if (value.kind != TDfmValueKind::List)
        Wrong("a list of strings", value);
    std::vector<std::string> strings;
    for (const TDfmValue& element : value.elements)
        strings.push_back(DfmString(element));
    return strings;
}

std::vector<unsigned char> DfmBytes(const TDfmValue& value)
{
    if (value.kind != TDfmValueKind::Binary)
        Wrong("binary data", value);
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i + 1 < value.text.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(HexDigit(value.text[i]) * 16 + HexDigit(value.text[i + 1])));
    return bytes;
}

int DfmEnumValue(const TDfmValue& value, std::initializer_list<std::pair<const char*, int>> names)
{
    if (value.kind == TDfmValueKind::Identifier) {
        for (const auto& [name, number] : names) {
            if (SameText(value.text, name))
                return number;
        }
    }
    std::string known;
    for (const auto& named : names)
        known += (known.empty() ? "" : ", ") + std::string(named.first);
    Wrong(("one of " + known).c_str(), value);
}

std::vector<int> DfmSetValues(const TDfmValue& value, std::initializer_list<std::pair<const char*, int>> names)
{
    if (value.kind != TDfmValueKind::Set)
        Wrong("a set [...]", value);
    std::vector<int> values;
    for (const TDfmValue& element : value.elements)
        values.push_back(DfmEnumValue(element, names));
    return values;
}

TFontStyles DfmFontStyles(const TDfmValue& value)
{
    TFontStyles styles;
    for (int style : DfmSetValues(value, {{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline},
                                          {"fsStrikeOut", fsStrikeOut}}))
        styles.Include(static_cast<TFontStyle>(style));
    return styles;
}

}  // namespace tarvelon
