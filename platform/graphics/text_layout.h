#pragma once
// Breaking a text into the lines that are drawn: explicit line ends, word wrapping, the "&"
// mnemonic rule, tab expansion and the ways a too-long line is shortened. Shared by the classic
// DrawText and by the anti-aliased DrawString, which differ only in how they measure and place.
#include <QString>
#include <functional>
#include <vector>

namespace tarvelon {

// Width of a piece of text in pixels.
using TTextMeasure = std::function<double(const QString&)>;

enum class TPrefixMode {
    None,  // "&" is an ordinary character
    Show,  // "&x" underlines x, "&&" is one "&"
    Hide,  // as Show, without the underline
};

enum class TTrimming {
    None,          // a too-long line runs past the width
    Character,     // cut at a character
    Word,          // cut at a word
    EndEllipsis,   // cut at a character, "..." appended
    WordEllipsis,  // cut at a word, "..." appended
    PathEllipsis,  // characters before the last path separator replaced by "..."
};

struct TTextLayoutOptions {
    double maxWidth = 0;          // width of the box; 0 or less: no limit
    bool singleLine = false;      // line ends are not breaks
    bool wordWrap = false;        // break at blanks to fit maxWidth
    bool breakLongWords = false;  // a word wider than the box is broken between characters
    TTrimming trimming = TTrimming::None;
    TPrefixMode prefix = TPrefixMode::None;
    double tabWidth = 0;          // tab stop distance; 0: tabs stay as they are
};

struct TTextLine {
    QString text;
    int underline = -1;  // index in text of the mnemonic character, or -1
    double width = 0;
};

// The text without its "&" marks, and the index of the character that "&" marks (-1 if none).
struct TPrefixedText {
    QString text;
    int underline = -1;
};
TPrefixedText StripPrefix(const QString& text);

std::vector<TTextLine> LayoutText(const QString& text, const TTextMeasure& measure, const TTextLayoutOptions& options);

// The longest start of `text` that fits `maxWidth` together with `suffix` (which is appended).
QString FitWithSuffix(const QString& text, const QString& suffix, double maxWidth, const TTextMeasure& measure);

// How many characters of `text` fit in `maxWidth`, measuring each start of the text.
int FitCount(const QString& text, double maxWidth, const TTextMeasure& measure);

}  // namespace tarvelon
