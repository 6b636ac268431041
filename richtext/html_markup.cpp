#include "richtext/html_markup.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace tarvelon {

namespace {

struct TNamedColor {
    const char* name;
    TColor color;
};

constexpr std::array<TNamedColor, 16> kPlainColors{{
    {"clred", 0x0000FF},   {"clblack", 0x000000},  {"clblue", 0xFF0000},  {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},  {"clyellow", 0x00FFFF}, {"clfuchsia", 0xFF00FF}, {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},  {"clsilver", 0xC0C0C0}, {"clgray", 0x808080},  {"clolive", 0x008080},
    {"clnavy", 0x800000},  {"clpurple", 0x800080}, {"clteal", 0x808000},  {"clmaroon", 0x000080},
}};

// The system colours in the order of their indexes, from 1.
constexpr std::array<const char*, 24> kSystemColorNames{
    "clbackground", "clactivecaption", "clinactivecaption", "clmenu", "clwindow", "clwindowframe",
    "clmenutext", "clwindowtext", "clcaptiontext", "clactiveborder", "clinactiveborder",
    "clappworkspace", "clhighlight", "clhighlighttext", "clbtnface", "clbtnshadow", "clgraytext",
    "clbtntext", "clinactivecaptiontext", "clbtnhighlight", "cl3ddkshadow", "cl3dlight", "clinfotext",
    "clinfobk",
};

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int HexDigitAnyCase(char c) { return HexDigit(UpperChar(c)); }

// Two upper-case hex digits from `from`; a pair cut short (or not hex) counts 0.
int HexPair(const std::string& text, std::size_t from)
{
    if (from + 2 > text.size())
        return 0;
    const int high = HexDigit(text[from]);
    const int low = HexDigit(text[from + 1]);
    return (high < 0 || low < 0) ? 0 : high * 16 + low;
}

void ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement, bool& replaced)
{
    std::size_t at = markup::FindNoCase(text, pattern);
    while (at != std::string::npos) {
        text.replace(at, pattern.size(), replacement);
        replaced = true;
        at = markup::FindNoCase(text, pattern, at + replacement.size());
    }
}

}  // namespace

TColor HTMLColorFromName(const std::string& name)
{
    const std::string lower = markup::LowerAscii(name);
    for (const TNamedColor& entry : kPlainColors)
        if (lower == entry.name && entry.color != 0)
            return entry.color;
    for (std::size_t i = 0; i < kSystemColorNames.size(); ++i)
        if (lower == kSystemColorNames[i])
            return SystemColor(static_cast<int>(i) + 1);
    return 0;
}

TColor HexToColor(const std::string& text)
{
    return RGB(HexPair(text, 1), HexPair(text, 3), HexPair(text, 5));
}

std::string LineBreaksToBR(const std::string& text, bool toBR)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '\r') {
            if (toBR)
                result += "<BR>";
        } else if (c != '\n') {
            result += c;
        }
    }
    return result;
}

bool ReplaceFirstText(const std::string& pattern, const std::string& replacement, std::string& text)
{
    if (pattern.empty())
        return false;
    const std::size_t at = markup::FindNoCase(text, pattern);
    if (at == std::string::npos)
        return false;
    text.replace(at, pattern.size(), replacement);
    return true;
}

namespace markup {

std::string UpperAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = UpperChar(c);
    return result;
}

std::string LowerAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = LowerChar(c);
    return result;
}

std::size_t FindNoCase(std::string_view text, std::string_view pattern, std::size_t from)
{
    if (pattern.empty() || pattern.size() > text.size())
        return std::string::npos;
    for (std::size_t at = from; at + pattern.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < pattern.size() && UpperChar(text[at + i]) == UpperChar(pattern[i]))
            ++i;
        if (i == pattern.size())
            return at;
    }
    return std::string::npos;
}

int ValueNumber(std::string_view value)
{
    std::size_t at = 0;
    while (at < value.size() && value[at] == ' ')
        ++at;
    bool negative = false;
    if (at < value.size() && (value[at] == '-' || value[at] == '+')) {
        negative = value[at] == '-';
        ++at;
    }
    int base = 10;
    if (at < value.size() && (value[at] == '$' || value[at] == 'x' || value[at] == 'X')) {
        base = 16;
        ++at;
    } else if (at + 1 < value.size() && value[at] == '0' && (value[at + 1] == 'x' || value[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }
    long long number = 0;
    std::size_t digits = 0;
    for (; at < value.size(); ++at, ++digits) {
        const int digit = base == 16 ? HexDigitAnyCase(value[at]) : (IsDigit(value[at]) ? value[at] - '0' : -1);
        if (digit < 0)
            break;
        number = std::min<long long>(number * base + digit, kMaxValueNumber);
    }
    if (digits == 0)
        return 0;
    const bool stoppedEarly = at < value.size();
    return static_cast<int>((negative && !stoppedEarly) ? -number : number);
}

TColor ValueColor(const std::string& value)
{
    if (!value.empty() && value[0] == '#')
        return HexToColor(value);
    return HTMLColorFromName(value);
}

bool AttributeValue(std::string_view tag, std::string_view attribute, std::string& value, std::size_t from)
{
    const std::size_t at = FindNoCase(tag, attribute, from);
    if (at == std::string::npos)
        return false;
    return QuotedValueFrom(tag, at + attribute.size(), value);
}

bool LetterValue(std::string_view tag, char letter, std::size_t from, std::string& value)
{
    const std::size_t at = FindNoCase(tag, std::string_view(&letter, 1), from);
    return at != std::string::npos && QuotedValueFrom(tag, at + 1, value);
}

bool FirstQuotedValue(std::string_view tag, std::string& value) { return QuotedValueFrom(tag, 0, value); }

bool QuotedValueFrom(std::string_view tag, std::size_t at, std::string& value)
{
    const std::size_t open = tag.find('"', at);
    if (open == std::string::npos)
        return false;
    const std::size_t close = tag.find('"', open + 1);
    if (close == std::string::npos)
        return false;
    value.assign(tag.substr(open + 1, close - open - 1));
    return true;
}

void ReplaceTextEntities(std::string& text)
{
    static const std::pair<std::string_view, std::string_view> kEntities[] = {
        {"&amp;", "&&"}, {"&quot;", "\""},   {"&sect;", "§"},    {"&permil;", "‰"}, {"&reg;", "®"},
        {"&copy;", "©"}, {"&para;", "¶"},    {"&trade;", "™"},   {"&euro;", "€"},
    };
    bool replaced = true;
    while (replaced) {
        replaced = false;
        for (const auto& [entity, character] : kEntities)
            ReplaceAll(text, entity, character, replaced);
    }
}

void ReplaceRunEntities(std::string& run)
{
    bool replaced = false;
    ReplaceAll(run, "&nbsp;", " ", replaced);
    ReplaceAll(run, "&lt;", "<", replaced);
    ReplaceAll(run, "&gt;", ">", replaced);
}

void ReduceHashTag(std::string& text)
{
    const std::size_t at = text.find("<#");
    if (at == std::string::npos)
        return;
    text.erase(at, 1);
    const std::size_t close = text.find('>', at);
    if (close != std::string::npos)
        text.erase(close, 1);
}

namespace {

THTMLTag OpeningTag(std::string_view text, char letter, char next)
{
    switch (letter) {
    case 'A': return THTMLTag::Anchor;
    case 'B':
        if (next == '>') return THTMLTag::Bold;
        if (next == 'L') return THTMLTag::Blink;
        if (next == 'O') return THTMLTag::Body;
        if (next == 'R') return THTMLTag::LineBreak;
        return THTMLTag::None;
    case 'E': return THTMLTag::ErrorLine;
    case 'F': return THTMLTag::Font;
    case 'H':
        if (next == 'I') return THTMLTag::Highlight;
        if (next == 'R') return THTMLTag::Rule;
        return THTMLTag::None;
    case 'I':
        if (next == '>') return THTMLTag::Italic;
        if (next == 'M') return THTMLTag::Image;
        if (next == 'N') return THTMLTag::Indent;
        return THTMLTag::None;
    case 'L': return THTMLTag::ListItem;
    case 'O': return next == 'F' ? THTMLTag::Offset : THTMLTag::None;
    case 'P': return THTMLTag::Paragraph;
    case 'R': return THTMLTag::Rotate;
    case 'S':
        if (FindNoCase(text.substr(0, 5), "<SUB>") == 0) return THTMLTag::Subscript;
        if (FindNoCase(text.substr(0, 5), "<SUP>") == 0) return THTMLTag::Superscript;
        if (next == '>') return THTMLTag::Strike;
        if (next == 'H') return THTMLTag::Shadow;
        return THTMLTag::None;
    case 'U': return next == '>' ? THTMLTag::Underline : THTMLTag::List;
    case 'Z': return THTMLTag::Hidden;
    default: return THTMLTag::None;
    }
}

THTMLTag ClosingTag(char letter, char next)
{
    switch (letter) {
    case 'A': return THTMLTag::Anchor;
    case 'B': return next == '>' ? THTMLTag::Bold : THTMLTag::Blink;
    case 'E': return THTMLTag::ErrorLine;
    case 'F': return THTMLTag::Font;
    case 'H': return next == 'I' ? THTMLTag::Highlight : THTMLTag::None;
    case 'I': return next == '>' ? THTMLTag::Italic : THTMLTag::None;
    case 'L': return THTMLTag::ListItem;
    case 'O': return next == 'F' ? THTMLTag::Offset : THTMLTag::None;
    case 'P': return THTMLTag::Paragraph;
    case 'R': return THTMLTag::Rotate;
    case 'S':
        if (next == 'U') return THTMLTag::Subscript;
        if (next == 'H') return THTMLTag::Shadow;
        return THTMLTag::Strike;
    case 'U': return next == '>' ? THTMLTag::Underline : THTMLTag::List;
    case 'Z': return THTMLTag::Hidden;
    default: return THTMLTag::None;
    }
}

char UpperAt(std::string_view text, std::size_t at) { return at < text.size() ? UpperChar(text[at]) : '\0'; }

}  // namespace

TTagKind IdentifyTag(std::string_view text)
{
    TTagKind kind;
    if (text.size() < 2 || text[0] != '<')
        return kind;
    if (IsLetter(text[1])) {
        kind.tag = OpeningTag(text, UpperAt(text, 1), UpperAt(text, 2));
        return kind;
    }
    if (text[1] != '/' || text.size() < 3 || !IsLetter(text[2]))
        return kind;
    kind.closing = true;
    const std::size_t close = text.find('>');
    const std::size_t length = close == std::string::npos ? text.size() : close + 1;
    if (length >= 4)
        kind.tag = ClosingTag(UpperAt(text, 2), UpperAt(text, 3));
    return kind;
}

TPictureSource ClassifyPictureSource(const std::string& source)
{
    if (FindNoCase(source, "IDX:") != std::string::npos)
        return TPictureSource::ImageList;
    if (FindNoCase(source, "SSYS:") != std::string::npos || FindNoCase(source, "LSYS:") != std::string::npos)
        return TPictureSource::ShellIcon;
    if (source.find(':') == std::string::npos)
        return TPictureSource::Container;
    if (source.find("://") != std::string::npos)
        return TPictureSource::Cache;
    return TPictureSource::None;
}

std::string ScaleIndents(std::string_view text, const std::function<int(int)>& scaled)
{
    std::string result;
    std::size_t done = 0;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        const TTagKind kind = IdentifyTag(text.substr(at));
        const std::size_t end = text.find('>', at);
        std::string value;
        if (kind.tag != THTMLTag::Indent || kind.closing || end == std::string_view::npos ||
            !LetterValue(text.substr(at, end - at), 'x', 1, value))
            continue;
        result.append(text.substr(done, at - done));
        result += "<IND x=\"" + std::to_string(scaled(ValueNumber(value))) + "\">";
        done = end + 1;
    }
    result.append(text.substr(done));
    return result;
}

}  // namespace markup
}  // namespace tarvelon
