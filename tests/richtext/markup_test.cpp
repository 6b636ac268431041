// The caption markup: colours, numbers, attribute values, entities and how tags are recognised.
#include <gtest/gtest.h>

#include "richtext/html_markup.h"

namespace tarvelon {
namespace {

using markup::THTMLTag;

TEST(MarkupColours, NamesPlainThenSystemUnknownBlack)
{
    EXPECT_EQ(HTMLColorFromName("clred"), 0x0000FF);
    EXPECT_EQ(HTMLColorFromName("ClBlue"), 0xFF0000);
    EXPECT_EQ(HTMLColorFromName("CLOLIVE"), 0x008080);
    EXPECT_EQ(HTMLColorFromName("clmaroon"), 0x000080);
    EXPECT_EQ(HTMLColorFromName("clblack"), 0);
    EXPECT_EQ(HTMLColorFromName("clbackground"), SystemColor(1));
    EXPECT_EQ(HTMLColorFromName("clbtnface"), SystemColor(15));
    EXPECT_EQ(HTMLColorFromName("clinfobk"), SystemColor(24));
    EXPECT_EQ(HTMLColorFromName("clhighlighttext"), clHighlightText);
    EXPECT_EQ(HTMLColorFromName("red"), 0);
    EXPECT_EQ(HTMLColorFromName(""), 0);
}

TEST(MarkupColours, HexIsRedGreenBlueUpperCaseOnly)
{
    EXPECT_EQ(HexToColor("#DFDF00"), RGB(0xDF, 0xDF, 0x00));
    EXPECT_EQ(HexToColor("#FFFF00"), clYellow);
    EXPECT_EQ(HexToColor("#102030"), RGB(0x10, 0x20, 0x30));
    // A pair cut short counts 0; lower-case digits are not hex digits.
    EXPECT_EQ(HexToColor("#1020"), RGB(0x10, 0x20, 0));
    EXPECT_EQ(HexToColor("#ff0000"), 0);
    EXPECT_EQ(markup::ValueColor("#FF0000"), clRed);
    EXPECT_EQ(markup::ValueColor("clLime"), clLime);
    EXPECT_EQ(markup::ValueColor("nonsense"), 0);
}

TEST(MarkupNumbers, LeadingDigitsSignsAndHex)
{
    EXPECT_EQ(markup::ValueNumber("150"), 150);
    EXPECT_EQ(markup::ValueNumber("  40"), 40);
    EXPECT_EQ(markup::ValueNumber("8\""), 8);
    EXPECT_EQ(markup::ValueNumber("12px"), 12);
    EXPECT_EQ(markup::ValueNumber("-7"), -7);
    EXPECT_EQ(markup::ValueNumber("-7px"), 7);  // a negative number followed by more loses its sign
    EXPECT_EQ(markup::ValueNumber("+3"), 3);
    EXPECT_EQ(markup::ValueNumber("$1F"), 31);
    EXPECT_EQ(markup::ValueNumber("x10"), 16);
    EXPECT_EQ(markup::ValueNumber("0x0a"), 10);
    // Ten digits read as the bound, before any arithmetic on them.
    EXPECT_EQ(markup::ValueNumber("2147483647"), markup::kMaxValueNumber);
    EXPECT_EQ(markup::ValueNumber("-99999999999999999999"), -markup::kMaxValueNumber);
    EXPECT_EQ(markup::ValueNumber("$FFFFFFFF"), 32767);
    EXPECT_EQ(markup::ValueNumber("32767"), 32767);
    EXPECT_EQ(markup::ValueNumber("abc"), 0);
    EXPECT_EQ(markup::ValueNumber(""), 0);
    EXPECT_GT(markup::ValueNumber("99999999999999"), 0);
}

TEST(MarkupAttributes, QuotedValuesAfterTheName)
{
    std::string value;
    EXPECT_TRUE(markup::AttributeValue("<FONT FACE=\"ARIAL\" SIZE=\"8\">", "SIZE", value));
    EXPECT_EQ(value, "8");
    EXPECT_TRUE(markup::AttributeValue("<font face=\"Arial Black\">", "FACE", value));
    EXPECT_EQ(value, "Arial Black");
    // A name is found wherever it stands first, also inside a longer name.
    EXPECT_TRUE(markup::AttributeValue("<P BGCOLORTO=\"#000000\" BGCOLOR=\"#FFFFFF\">", "BGCOLOR", value));
    EXPECT_EQ(value, "#000000");
    EXPECT_TRUE(markup::AttributeValue("<P BGCOLORTO=\"#00FF00\">", "BGCOLOR", value));
    EXPECT_EQ(value, "#00FF00");
    EXPECT_TRUE(markup::AttributeValue("<P BGCOLOR=\"#FFFFFF\" BGCOLORTO=\"#000000\">", "BGCOLOR", value));
    EXPECT_EQ(value, "#FFFFFF");
    // COLOR needs a blank before it, so BGCOLOR alone gives no font colour.
    EXPECT_FALSE(markup::AttributeValue("<FONT BGCOLOR=\"#FFFFFF\">", " COLOR", value));
    // Values without double quotes are not read.
    EXPECT_FALSE(markup::AttributeValue("<FONT SIZE=3>", "SIZE", value));
    EXPECT_TRUE(markup::LetterValue("<IND x=\"150\">", 'x', 4, value));
    EXPECT_EQ(value, "150");
    EXPECT_TRUE(markup::LetterValue("<R angle=\"90\">", 'a', 2, value));
    EXPECT_EQ(value, "90");
    EXPECT_TRUE(markup::FirstQuotedValue("<A name=\"x\" href=\"y\">", value));
    EXPECT_EQ(value, "x");
}

TEST(MarkupEntities, WholeTextAndRunEntities)
{
    std::string text = "a &AMP; b &quot;c&quot; &copy;&euro;&trade;&sect;&permil;&reg;&para;";
    markup::ReplaceTextEntities(text);
    EXPECT_EQ(text, "a && b \"c\" ©€™§‰®¶");
    std::string run = "x&nbsp;&lt;b&gt;";
    markup::ReplaceRunEntities(run);
    EXPECT_EQ(run, "x <b>");
    std::string hash = "a <#1 b> c>";
    markup::ReduceHashTag(hash);
    EXPECT_EQ(hash, "a #1 b c>");
}

TEST(MarkupLineBreaks, CRToBROrDroppedLFAlwaysDropped)
{
    EXPECT_EQ(LineBreaksToBR("a\r\nb\nc\r", true), "a<BR>bc<BR>");
    EXPECT_EQ(LineBreaksToBR("a\r\nb\nc\r", false), "abc");
    std::string text = "Gol de <b>Fulano</B>";
    EXPECT_TRUE(ReplaceFirstText("</b>", "!", text));
    EXPECT_EQ(text, "Gol de <b>Fulano!");
    EXPECT_FALSE(ReplaceFirstText("<i>", "", text));
}

TEST(MarkupTags, ChosenByLetterAndNextCharacters)
{
    struct Case {
        const char* text;
        THTMLTag tag;
        bool closing;
    };
    const Case cases[] = {
        {"<B>", THTMLTag::Bold, false},          {"<b>", THTMLTag::Bold, false},
        {"<BLINK>", THTMLTag::Blink, false},     {"<BODY bgcolor=\"clred\">", THTMLTag::Body, false},
        {"<BR>", THTMLTag::LineBreak, false},    {"<br/>", THTMLTag::LineBreak, false},
        {"<BIG>", THTMLTag::None, false},        {"<SHAD>", THTMLTag::Shadow, false},
        {"<shad>", THTMLTag::Shadow, false},     {"<S>", THTMLTag::Strike, false},
        {"<SUB>", THTMLTag::Subscript, false},   {"<sup>", THTMLTag::Superscript, false},
        {"<SPAN>", THTMLTag::None, false},       {"<U>", THTMLTag::Underline, false},
        {"<UL>", THTMLTag::List, false},         {"<IND x=\"40\">", THTMLTag::Indent, false},
        {"<IMG src=\"idx:1\">", THTMLTag::Image, false}, {"<I>", THTMLTag::Italic, false},
        {"<HR>", THTMLTag::Rule, false},         {"<HI>", THTMLTag::Highlight, false},
        {"<OF x=\"3\">", THTMLTag::Offset, false}, {"<OL>", THTMLTag::None, false},
        {"<P align=\"center\">", THTMLTag::Paragraph, false}, {"<FONT size=\"8\">", THTMLTag::Font, false},
        {"<TABLE>", THTMLTag::None, false},      {"<1>", THTMLTag::None, false},
        {"</B>", THTMLTag::Bold, true},          {"</BODY>", THTMLTag::Blink, true},
        {"</SHAD>", THTMLTag::Shadow, true},     {"</SUP>", THTMLTag::Subscript, true},
        {"</STRIKE>", THTMLTag::Strike, true},   {"</U>", THTMLTag::Underline, true},
        {"</UL>", THTMLTag::List, true},         {"</LI>", THTMLTag::ListItem, true},
        {"</P>", THTMLTag::Paragraph, true},     {"</FONT>", THTMLTag::Font, true},
        {"</A>", THTMLTag::Anchor, true},        {"</Z>", THTMLTag::Hidden, true},
        {"</B", THTMLTag::None, true},           {"</IMG>", THTMLTag::None, true},
    };
    for (const Case& c : cases) {
        const markup::TTagKind kind = markup::IdentifyTag(c.text);
        EXPECT_EQ(kind.tag, c.tag) << c.text;
        EXPECT_EQ(kind.closing, c.closing) << c.text;
    }
}

TEST(MarkupPictures, SourcesInTheirOrder)
{
    using markup::TPictureSource;
    EXPECT_EQ(markup::ClassifyPictureSource("idx:3"), TPictureSource::ImageList);
    EXPECT_EQ(markup::ClassifyPictureSource("IDX:0"), TPictureSource::ImageList);
    EXPECT_EQ(markup::ClassifyPictureSource("ssys:c:\\x.txt"), TPictureSource::ShellIcon);
    EXPECT_EQ(markup::ClassifyPictureSource("LSYS:pasta"), TPictureSource::ShellIcon);
    EXPECT_EQ(markup::ClassifyPictureSource("escudo"), TPictureSource::Container);
    EXPECT_EQ(markup::ClassifyPictureSource("res://LOGO"), TPictureSource::Cache);
    EXPECT_EQ(markup::ClassifyPictureSource("c:foo"), TPictureSource::None);
}

}  // namespace
}  // namespace tarvelon
