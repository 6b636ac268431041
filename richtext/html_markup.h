#pragma once
// The mini-HTML markup of the rich-text captions: colours, numbers and attribute values, character
// entities, tag recognition and picture sources. Texts are UTF-8; every rule of the markup looks
// at ASCII characters only, so multi-byte characters pass through untouched.
#include <functional>
#include <string>
#include <string_view>

#include "platform/graphics/color.h"

namespace tarvelon {

// Colour of a colour name ("clred", "clbtnface", ...), compared after lower-casing; black (0) for
// an unknown name. Plain colours are looked up first, system colours only when that gave 0.
TColor HTMLColorFromName(const std::string& name);

// "#RRGGBB" with upper-case hex digits: red + green*256 + blue*65536. A pair cut short counts 0.
TColor HexToColor(const std::string& text);

// Every CR becomes "<BR>" when `toBR` is set, else it is dropped; LF is always dropped.
std::string LineBreaksToBR(const std::string& text, bool toBR);

// Replaces the first occurrence of `pattern` (ignoring case); true when there was one.
bool ReplaceFirstText(const std::string& pattern, const std::string& replacement, std::string& text);

namespace markup {

std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
// Position of `pattern` in `text` from `from` on, ignoring ASCII case; npos when absent.
std::size_t FindNoCase(std::string_view text, std::string_view pattern, std::size_t from = 0);

// The largest size a markup number takes (pixels, points, degrees, picture indexes): the captions
// add and multiply these numbers, and no caption needs more than a 16-bit coordinate.
inline constexpr int kMaxValueNumber = 32767;

// A number of a value: leading blanks, an optional sign, then decimal digits up to the first other
// character; "$", "x", "X" or "0x" in front read hexadecimal. No digits read 0; a negative number
// followed by other characters loses its sign. Numbers beyond +-kMaxValueNumber read as that bound.
int ValueNumber(std::string_view value);

// A colour value: "#RRGGBB" or a colour name.
TColor ValueColor(const std::string& value);

// The text between the first two double quotes after `attribute` in `tag` (searched from `from`,
// ignoring case). The name is found wherever it stands, also inside a longer name: BGCOLOR is found
// in BGCOLORTO when that comes first. False when the attribute or its quoted value is missing.
bool AttributeValue(std::string_view tag, std::string_view attribute, std::string& value, std::size_t from = 0);
// The text between the first two double quotes from `at` on.
bool QuotedValueFrom(std::string_view tag, std::size_t at, std::string& value);
// The value after the first occurrence of a single letter (ignoring case) from `from` on, as the
// offset, indent and rotation tags find their number ("x", "a").
bool LetterValue(std::string_view tag, char letter, std::size_t from, std::string& value);
// The first double-quoted value of the tag, whatever its attribute (the anchor's link).
bool FirstQuotedValue(std::string_view tag, std::string& value);

// Whole-text entities (&amp; &quot; &sect; &permil; &reg; &copy; &para; &trade; &euro;), replaced
// round after round until a round finds none.
void ReplaceTextEntities(std::string& text);
// Entities replaced in each text run just before it is measured or drawn: &nbsp; &lt; &gt;.
void ReplaceRunEntities(std::string& run);
// The first "<#" loses its "<" and the first ">" after it, so it shows as text.
void ReduceHashTag(std::string& text);

// What a tag does, by its letter and the one or two characters after it.
enum class THTMLTag {
    None, Anchor, Bold, Blink, Body, LineBreak, ErrorLine, Font, Highlight, Rule, Italic, Image,
    Indent, ListItem, Offset, Paragraph, Rotate, Strike, Shadow, Subscript, Superscript,
    Underline, List, Hidden,
};
struct TTagKind {
    THTMLTag tag = THTMLTag::None;
    bool closing = false;
};
// The tag at the start of `text` (which starts with "<"). Closing tags shorter than "</X>" and
// tags of unknown letters or endings give THTMLTag::None.
TTagKind IdentifyTag(std::string_view text);

// Where a picture of IMG SRC or of a BODY picture attribute comes from.
enum class TPictureSource { ImageList, ShellIcon, Container, Cache, None };
TPictureSource ClassifyPictureSource(const std::string& source);

// The text with the position of every indent tag passed through `scaled`: a caption whose font grows
// with its form keeps its columns apart. The other tags and the text stay as they are.
std::string ScaleIndents(std::string_view text, const std::function<int(int)>& scaled);

}  // namespace markup
}  // namespace tarvelon
