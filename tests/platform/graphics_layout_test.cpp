// The line breaker shared by DrawText and DrawString, measured with a fixed width per character
// so that every rule can be pinned exactly.
#include <gtest/gtest.h>

#include "platform/graphics/raster_ops.h"
#include "platform/graphics/text_layout.h"

namespace tarvelon {
namespace {

// Every character is 10 pixels wide.
const TTextMeasure kMono = [](const QString& text) { return 10.0 * text.size(); };

std::vector<QString> Lines(const QString& text, TTextLayoutOptions options)
{
    std::vector<QString> result;
    for (const TTextLine& line : LayoutText(text, kMono, options))
        result.push_back(line.text);
    return result;
}

TEST(TextLayout, WrapsAtBlanksAndDropsThemAtLineEnds)
{
    TTextLayoutOptions options;
    options.maxWidth = 100;
    options.wordWrap = true;
    EXPECT_EQ(Lines("um dois tres quatro", options), (std::vector<QString>{"um dois", "tres", "quatro"}));
    EXPECT_EQ(Lines("abcdefghij klm", options), (std::vector<QString>{"abcdefghij", "klm"}));
    // A first line keeps its leading blanks; wrapped lines start at their first word.
    EXPECT_EQ(Lines("  ab      cdefghijk", options), (std::vector<QString>{"  ab", "cdefghijk"}));
    // A word longer than the line stays whole, or is broken when asked.
    EXPECT_EQ(Lines("abcdefghijklmno pq", options), (std::vector<QString>{"abcdefghijklmno", "pq"}));
    options.breakLongWords = true;
    EXPECT_EQ(Lines("abcdefghijklmno pq", options), (std::vector<QString>{"abcdefghij", "klmno pq"}));
    EXPECT_EQ(Lines("", options), (std::vector<QString>{""}));
}

TEST(TextLayout, LineEndsUnlessSingleLine)
{
    TTextLayoutOptions options;
    EXPECT_EQ(Lines("a\r\nb\rc\nd", options), (std::vector<QString>{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\n\nb", options), (std::vector<QString>{"a", "", "b"}));
    options.singleLine = true;
    EXPECT_EQ(Lines("a\r\nb", options), (std::vector<QString>{"ab"}));
}

TEST(TextLayout, TrimmingKinds)
{
    TTextLayoutOptions options;
    options.maxWidth = 100;
    const QString text = "Vasco da Gama campeao";
    options.trimming = TTrimming::EndEllipsis;
    EXPECT_EQ(Lines(text, options).front(), "Vasco d...");
    options.trimming = TTrimming::WordEllipsis;
    EXPECT_EQ(Lines(text, options).front(), "Vasco...");
    options.trimming = TTrimming::Character;
    EXPECT_EQ(Lines(text, options).front(), "Vasco da G");
    options.trimming = TTrimming::Word;
    EXPECT_EQ(Lines(text, options).front(), "Vasco da");
    options.trimming = TTrimming::PathEllipsis;
    options.maxWidth = 130;
    EXPECT_EQ(Lines("c:/times/escudos/gol.png", options).front(), "c:.../gol.png");
    options.maxWidth = 100;  // not even the file name fits: an end ellipsis
    EXPECT_EQ(Lines("c:/times/escudos/gol.png", options).front(), "c:/time...");
    // What fits is left alone.
    options.trimming = TTrimming::EndEllipsis;
    EXPECT_EQ(Lines("Gol", options).front(), "Gol");
    // A box narrower than the ellipsis keeps what of it fits.
    options.maxWidth = 20;
    EXPECT_EQ(Lines("Campeao", options).front(), "..");
}

TEST(TextLayout, MnemonicFollowsTheCharacterThroughLayout)
{
    TTextLayoutOptions options;
    options.prefix = TPrefixMode::Show;
    options.maxWidth = 60;
    options.wordWrap = true;
    const std::vector<TTextLine> lines = LayoutText("Menu &Sair agora", kMono, options);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text, "Sair");
    EXPECT_EQ(lines[0].underline, -1);
    EXPECT_EQ(lines[1].underline, 0);
    // Cut away by an ellipsis, the mark goes too.
    TTextLayoutOptions cut;
    cut.prefix = TPrefixMode::Show;
    cut.maxWidth = 60;
    cut.trimming = TTrimming::EndEllipsis;
    EXPECT_EQ(LayoutText("Campe&onato", kMono, cut).front().underline, -1);
    EXPECT_EQ(LayoutText("C&ampeonato", kMono, cut).front().underline, 1);
    cut.prefix = TPrefixMode::Hide;
    EXPECT_EQ(LayoutText("C&ampeonato", kMono, cut).front().underline, -1);
    EXPECT_EQ(LayoutText("C&ampeonato", kMono, cut).front().text, "Cam...");
    cut.prefix = TPrefixMode::None;
    EXPECT_EQ(LayoutText("a&b", kMono, cut).front().text, "a&b");
}

TEST(TextLayout, TabsAndFitting)
{
    TTextLayoutOptions options;
    options.tabWidth = 80;
    EXPECT_EQ(Lines("ab\tc", options).front(), "ab      c");
    EXPECT_EQ(Lines("abcdefgh\tc", options).front(), "abcdefgh        c");
    EXPECT_EQ(FitCount("abcdef", 35, kMono), 3);
    EXPECT_EQ(FitCount("abcdef", 5, kMono), 0);
    EXPECT_EQ(FitCount("abcdef", 1000, kMono), 6);
    EXPECT_EQ(FitWithSuffix("abcdef", "..", 50, kMono), "abc..");
}

TEST(PenModes, EveryOperationOnRedAndBlue)
{
    const QRgb pen = 0xFF0000, dest = 0x0000FF;  // red pen over blue
    const struct {
        TPenMode mode;
        QRgb expected;
    } cases[] = {
        {pmBlack, 0x000000},       {pmWhite, 0xFFFFFF},      {pmNop, 0x0000FF},        {pmNot, 0xFFFF00},
        {pmCopy, 0xFF0000},        {pmNotCopy, 0x00FFFF},    {pmMergePenNot, 0xFFFF00}, {pmMaskPenNot, 0xFF0000},
        {pmMergeNotPen, 0x00FFFF}, {pmMaskNotPen, 0x0000FF}, {pmMerge, 0xFF00FF},      {pmNotMerge, 0x00FF00},
        {pmMask, 0x000000},        {pmNotMask, 0xFFFFFF},    {pmXor, 0xFF00FF},        {pmNotXor, 0x00FF00},
    };
    for (const auto& c : cases) {
        const QRgb result = ApplyPenMode(c.mode, pen, dest);
        EXPECT_EQ(result & 0xFFFFFF, c.expected) << "mode " << c.mode;
        EXPECT_EQ(result >> 24, 0xFFu);
    }
}

}  // namespace
}  // namespace tarvelon
