// Names the players typed, put into rich texts and captions, show exactly as typed: in the canvas
// text engine, in the anti-aliased one, and in a plain caption.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/html_draw_gdip.h"
#include "core/basics/literal_text.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/text_layout.h"
#include "tests/controls/shown_text.h"

namespace tarvelon {
namespace {

const std::string kNames[] = {
    "Lat <b>neg</b>", "<b>Dois</b><i>x&amp;", "&a", "Tom & Jerry", "x&", "a&&b", "&lt;&gt;&nbsp;&quot;",
    "<#1>", "&copy;&euro;", "Zé <shad>Ç</shad>", "<IND x=\"200\">", "&amp;amp;",
};

// What the anti-aliased engine shows: it draws every "&" as it is.
std::string ShownByGdipEngine(const std::string& markup)
{
    QImage image(600, 60, QImage::Format_ARGB32);
    TGPGraphics graphics(image);
    TFont font;
    THTMLDrawGDIPParams params;
    params.MeasureOnly = true;
    THTMLDrawGDIPResult result;
    HTMLDrawGDIP(graphics, font, markup, TRect{0, 0, 600, 60}, params, result);
    return result.PlainText;
}

TEST(NamesInTexts, MarkupShowsTheNameLiterallyInBothEngines)
{
    for (const std::string& name : kNames) {
        EXPECT_EQ(test::ShownMarkup(MarkupLiteral(name)), name) << name;
        EXPECT_EQ(ShownByGdipEngine(MarkupLiteral(name)), name) << name;
        // Inside the game's own markup the name stays itself and the markup keeps working.
        const std::string text = "<B><SHAD>" + MarkupLiteral(name) + "</SHAD></B> e <U>fim</U>";
        EXPECT_EQ(test::ShownMarkup(text), name + " e fim") << name;
        EXPECT_EQ(ShownByGdipEngine(text), name + " e fim") << name;
    }
}

TEST(NamesInTexts, CaptionShowsTheNameWithoutAnUnderlinedLetter)
{
    for (const std::string& name : kNames) {
        const TPrefixedText shown = StripPrefix(QString::fromStdString(CaptionLiteral(name)));
        EXPECT_EQ(shown.text.toStdString(), name);
        EXPECT_EQ(shown.underline, -1) << name;
    }
}

}  // namespace
}  // namespace tarvelon
