// Anchors of the text engine: which link lies under a point, their numbering and rectangles, and
// their colours with and without hover mode.
#include <gtest/gtest.h>

#include "platform/graphics/image_list.h"
#include "tests/richtext/engine_support.h"

namespace tarvelon {
namespace {

using testing::Reddish;
using testing::TSheet;

class EngineAnchors : public ::testing::Test {
protected:
    // Hit test at (x, y) the way the controls do it: laid out, nothing drawn.
    bool HitAt(const std::string& text, int x, int y, THTMLDrawResult& result)
    {
        THTMLDrawParams params;
        params.NoDraw = true;
        params.X = x;
        params.Y = y;
        params.Images = &images;
        result = sheet.Draw(text, TRect{0, 0, 400, 200}, params);
        return sheet.lastHit;
    }
    int W(const std::string& text) { return sheet.canvas.TextWidth(text); }
    int H() { return sheet.canvas.TextHeight("gh"); }
    TSheet sheet;
    TImageList images{16, 16};
};

TEST_F(EngineAnchors, PointOnTheLinkTextGivesItsLinkNumberAndRectangle)
{
    const std::string text = "abc <A href=\"http://tarvelon.example\">link</A> def";
    THTMLDrawResult result;
    const int x = W("abc ") + W("link") / 2;
    EXPECT_TRUE(HitAt(text, x, H() / 2, result));
    EXPECT_EQ(result.AnchorValue, "http://tarvelon.example");
    EXPECT_EQ(result.HoverAnchor, 1);
    EXPECT_EQ(result.AnchorCount, 1);
    EXPECT_EQ(result.HoverRect, (TRect{W("abc "), 0, W("abc ") + W("link"), H()}));
    EXPECT_EQ(result.PlainText, "abc link def");

    EXPECT_FALSE(HitAt(text, W("ab"), H() / 2, result));
    EXPECT_EQ(result.AnchorValue, "");
    EXPECT_EQ(result.HoverAnchor, -1);
    EXPECT_EQ(result.AnchorCount, 1);
    // Beside the text but below its line: no hit.
    EXPECT_FALSE(HitAt(text, x, H() + 3, result));
    EXPECT_EQ(result.AnchorValue, "");
    EXPECT_EQ(result.HoverAnchor, -1);
}

TEST_F(EngineAnchors, AnchorsAreNumberedInTextOrder)
{
    const std::string text = "<A href=\"um\">um</A> e <A href=\"dois\">dois</A> e <A href=\"tres\">tres</A>";
    THTMLDrawResult result;
    EXPECT_TRUE(HitAt(text, W("um e ") + 2, 5, result));
    EXPECT_EQ(result.AnchorValue, "dois");
    EXPECT_EQ(result.HoverAnchor, 2);
    EXPECT_EQ(result.AnchorCount, 3);
    // The link is the first quoted value, whatever its attribute.
    EXPECT_TRUE(HitAt("<A name=\"primeiro\" href=\"segundo\">x</A>", 2, 5, result));
    EXPECT_EQ(result.AnchorValue, "primeiro");
}

TEST_F(EngineAnchors, HitTestsFollowAlignedLinesAndLaterLines)
{
    const std::string centred = "<P align=\"center\"><A href=\"c\">meio</A>";
    THTMLDrawResult result;
    EXPECT_TRUE(HitAt(centred, 200, 5, result));
    EXPECT_EQ(result.AnchorValue, "c");
    EXPECT_GE(result.HoverRect.Left, 200 - W("meio") / 2 - 1);
    // Where the link would stand unaligned there is nothing.
    EXPECT_FALSE(HitAt(centred, 2, 5, result));
    EXPECT_EQ(result.AnchorValue, "");

    const std::string twoLines = "primeira linha<BR>x <A href=\"b\">baixo</A>";
    EXPECT_TRUE(HitAt(twoLines, W("x ") + 3, H() + H() / 2, result));
    EXPECT_EQ(result.HoverRect.Top, H());
    EXPECT_EQ(result.HoverRect.Bottom, 2 * H());
    EXPECT_FALSE(HitAt(twoLines, W("x ") + 3, H() / 2, result));
}

TEST_F(EngineAnchors, TheHoverRectangleReachesTheBottomOfATallerLine)
{
    // Later text of the line is taller than the link: the link stands on the line's bottom, and so
    // must the rectangle the label repaints for it.
    const std::string text = "<A href=\"l\">link</A> <FONT size=\"24\">Grande</FONT>";
    THTMLDrawResult result;
    ASSERT_TRUE(HitAt(text, W("link") / 2, sheet.Draw(text).MeasuredHeight - 3, result));
    EXPECT_EQ(result.HoverRect.Top, 0);
    EXPECT_EQ(result.HoverRect.Bottom, result.MeasuredHeight);
    EXPECT_GT(result.MeasuredHeight, H());
}

TEST_F(EngineAnchors, PictureInsideAnAnchorIsHit)
{
    QImage square(16, 16, QImage::Format_RGB32);
    square.fill(Qt::green);
    images.AddImage(square);
    const std::string text = "ver <A href=\"escudo\"><IMG src=\"idx:0\"></A>";
    THTMLDrawResult result;
    EXPECT_TRUE(HitAt(text, W("ver ") + 8, 8, result));
    EXPECT_EQ(result.AnchorValue, "escudo");
    EXPECT_FALSE(HitAt("ver <IMG src=\"idx:0\">", W("ver ") + 8, 8, result));
}

TEST_F(EngineAnchors, WithoutHoverEveryAnchorIsUnderlinedInTheURLColour)
{
    THTMLDrawParams params;
    params.URLColor = clRed;
    sheet.Draw("<A href=\"a\">oooo</A>", params);
    TSheet plain;
    plain.canvas.Font.SetColor(clRed);
    plain.Draw("oooo");
    EXPECT_GT(sheet.Count(sheet.Inked(), Reddish), 10);
    EXPECT_GT(sheet.Inked().Bottom, plain.Inked().Bottom);  // the underline
    // Colour and underline end with the anchor.
    TSheet after;
    after.Draw("<A href=\"a\">o</A>oooo", params);
    EXPECT_EQ(after.Count(TRect{W("o") + 1, 0, 400, 200}, Reddish), 0);
}

TEST_F(EngineAnchors, HoverModeColoursOnlyTheHoveredAnchor)
{
    THTMLDrawParams params;
    params.Hover = true;
    params.HoverLink = 2;
    params.HoverColor = clYellow;
    params.HoverFontColor = clRed;
    params.URLColor = clBlue;
    sheet.Draw("<A href=\"1\">um</A> <A href=\"2\">dois</A>", params);
    const int second = W("um ");
    EXPECT_EQ(sheet.CountColor(TRect{0, 0, second - 2, 40}, clYellow), 0);
    EXPECT_GT(sheet.CountColor(TRect{second, 0, second + W("dois"), 40}, clYellow), 20);
    EXPECT_GT(sheet.Count(TRect{second, 0, second + W("dois"), 40}, Reddish), 5);
    EXPECT_GT(sheet.Count(TRect{0, 0, second - 2, 40}, testing::Bluish), 5);
    EXPECT_EQ(sheet.CountColor(TRect{second + W("dois") + 1, 0, 400, 200}, clYellow), 0);
}

TEST_F(EngineAnchors, FocusedAnchorIsReportedAndFramed)
{
    THTMLDrawParams params;
    params.FocusLink = 1;
    const THTMLDrawResult result = sheet.Draw("<A href=\"a\">um</A> <A href=\"b\">dois</A>", TRect{10, 10, 400, 200}, params);
    EXPECT_EQ(result.FocusAnchor, "b");
    // The dotted frame stands one pixel left of the anchor.
    const int frameX = 10 + W("um ") - 1;
    int marked = 0;
    for (int y = 10; y < 10 + H(); ++y)
        marked += sheet.At(frameX, y) != clWhite;
    EXPECT_GT(marked, 2);
    TSheet unfocused;
    EXPECT_EQ(unfocused.Draw("<A href=\"a\">um</A>", TRect{10, 10, 400, 200}).FocusAnchor, "");
}

TEST_F(EngineAnchors, PlainTextIsRecordedOncePerCall)
{
    EXPECT_EQ(sheet.Draw("a<BR><B>b</B> c").PlainText, "a\rb c");
    THTMLDrawParams params;
    params.NoDraw = true;
    EXPECT_EQ(sheet.Draw("a<BR>b", params).PlainText, "a\rb");
}

}  // namespace
}  // namespace tarvelon
