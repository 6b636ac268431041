// The anti-aliased text engine: line layout and measures, hit tests of anchors, and what it paints
// (colours, shadows, bold, backgrounds) probed on an image.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/gdip_picture_container.h"
#include "controls/html_draw_gdip.h"
#include "tests/controls/controls_test_support.h"

namespace tarvelon {
namespace {

class GdipTextTest : public ::testing::Test {
protected:
    GdipTextTest() : image(300, 120, QImage::Format_ARGB32)
    {
        image.fill(Qt::white);
        font.SetName("Arial");
        font.SetSize(14);
        font.SetColor(clBlack);
    }
    THTMLDrawGDIPResult Measure(const std::string& text, TRect rect = TRect{0, 0, 300, 120})
    {
        TGPGraphics graphics(image);
        THTMLDrawGDIPParams params;
        params.MeasureOnly = true;
        THTMLDrawGDIPResult result;
        HTMLDrawGDIP(graphics, font, text, rect, params, result);
        return result;
    }
    THTMLDrawGDIPResult Draw(const std::string& text, THTMLDrawGDIPParams params = {})
    {
        TGPGraphics graphics(image);
        THTMLDrawGDIPResult result;
        HTMLDrawGDIP(graphics, font, text, TRect{0, 0, 300, 120}, params, result);
        return result;
    }
    int GH()
    {
        TGPGraphics graphics(image);
        return MeasureTextHeightGDIP(graphics, "gh", font);
    }
    // Pixels in the box whose colour passes the test.
    template <typename Test>
    int Count(const TRect& box, Test test) const
    {
        int n = 0;
        for (int y = box.Top; y < box.Bottom; ++y)
            for (int x = box.Left; x < box.Right; ++x)
                n += test(QColor(image.pixel(x, y))) ? 1 : 0;
        return n;
    }
    QImage image;
    TFont font;
};

bool Reddish(const QColor& c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
bool Greenish(const QColor& c) { return c.green() > 150 && c.red() < 90 && c.blue() < 90; }
bool Dark(const QColor& c) { return c.red() < 80 && c.green() < 80 && c.blue() < 80; }

TEST_F(GdipTextTest, EmptyTextMeasuresOneTextHeight)
{
    const auto result = Measure("");
    EXPECT_EQ(result.TextHeight, GH() + 2);
    EXPECT_EQ(result.TextWidth, 0);
    EXPECT_EQ(result.AnchorIndexUnderPoint, -1);
}

TEST_F(GdipTextTest, LineBreaksMakeLinesWithSpacingBetween)
{
    const auto result = Measure("a<BR>b");
    EXPECT_EQ(result.PlainText, "a\rb");
    EXPECT_EQ(result.TextHeight, 2 * GH() + 2 + 2);
    // A carriage return counts as a line break; line feeds vanish.
    EXPECT_EQ(Measure("a\r\nb").TextHeight, result.TextHeight);
}

TEST_F(GdipTextTest, WrapsAtBlanksButNeverInsideAWordSplitByTags)
{
    const int one = Measure("abcd").TextHeight;
    const int abcd = Measure("abcd").TextWidth;
    EXPECT_EQ(Measure("ab<B>cd</B> ef", TRect{0, 0, abcd + 4, 100}).TextHeight, 2 * GH() + 2 + 2);
    EXPECT_EQ(Measure("ab<B>cd</B>ef", TRect{0, 0, abcd + 4, 100}).TextHeight, one);
    // A word longer than the rectangle keeps its own line.
    EXPECT_EQ(Measure("abcdefghijklmnop", TRect{0, 0, 5, 100}).TextHeight, one);
    // Measuring keeps every line however small the rectangle.
    EXPECT_EQ(Measure("a<BR>b<BR>c", TRect{0, 0, 300, 2}).TextHeight, 3 * GH() + 4 + 2);
}

TEST_F(GdipTextTest, BoldIsWiderAndSubscriptMakesTheLineTaller)
{
    EXPECT_GT(Measure("<B>rtrtrtrt</B>").TextWidth, Measure("rtrtrtrt").TextWidth);
    const auto sub = Measure("x<SUB>2</SUB>");
    EXPECT_EQ(sub.TextHeight, Measure("x2").TextHeight + GH() / 2);
}

TEST_F(GdipTextTest, FontColourAndEntities)
{
    const auto result = Draw("<FONT color=\"#FF0000\">MMMM</FONT> &amp;&lt;");
    EXPECT_GT(Count(TRect{0, 0, 80, 30}, Reddish), 20);
    EXPECT_EQ(result.PlainText.substr(result.PlainText.size() - 2), "&<");
}

TEST_F(GdipTextTest, ShadowIsDrawnOffsetInTheShadowColour)
{
    THTMLDrawGDIPParams params;
    params.ShadowColor = clLime;
    params.ShadowOffset = 4;
    Draw("<SHAD>MMMM</SHAD>", params);
    EXPECT_GT(Count(TRect{0, 0, 90, 40}, Greenish), 10);
    EXPECT_GT(Count(TRect{0, 0, 90, 40}, Dark), 10);
    // Without <SHAD> nothing green.
    image.fill(Qt::white);
    Draw("MMMM", params);
    EXPECT_EQ(Count(TRect{0, 0, 90, 40}, Greenish), 0);
}

// A shadow that runs over several lines is drawn under each of them, each shadow the offset below
// its own line, as the line's drawing starts from the state its measuring started from.
TEST_F(GdipTextTest, AShadowOverTwoLinesFollowsEachLine)
{
    THTMLDrawGDIPParams params;
    params.ShadowColor = clLime;
    params.ShadowOffset = 2;
    const THTMLDrawGDIPResult drawn = Draw("<SHAD>MMMM<BR>MMMM</SHAD>", params);
    const int line = (drawn.TextHeight - 2) / 2;
    ASSERT_GT(line, 10);
    EXPECT_GT(Count(TRect{0, 0, 120, line}, Greenish), 10) << "the first line's shadow";
    EXPECT_GT(Count(TRect{0, line + 3, 120, 2 * line + 6}, Greenish), 10) << "the second line's shadow";
    // A shadow that starts on the second line is drawn there only.
    image.fill(Qt::white);
    Draw("MMMM<BR><SHAD>MMMM</SHAD>", params);
    EXPECT_EQ(Count(TRect{0, 0, 120, line}, Greenish), 0);
    EXPECT_GT(Count(TRect{0, line + 3, 120, 2 * line + 6}, Greenish), 10);
}

TEST_F(GdipTextTest, BodyColourPaintsBehindTextButParagraphColourDoesNot)
{
    Draw("<P BGCOLOR=\"#FF0000\">iiii</P>");
    EXPECT_EQ(Count(TRect{0, 0, 60, 25}, Reddish), 0);
    Draw("<BODY BGCOLOR=\"#FF0000\">iiii");
    EXPECT_GT(Count(TRect{0, 0, 60, 25}, Reddish), 50);
    // Nothing right of the text is filled.
    EXPECT_EQ(Count(TRect{150, 0, 300, 120}, Reddish), 0);
}

TEST_F(GdipTextTest, AnchorsAreFoundUnderThePoint)
{
    const std::string text = "ver <A href=\"club:7\">Detalhes</A> aqui";
    THTMLDrawGDIPParams params;
    params.HitTestOnly = true;
    const int wordLeft = Measure("ver ").TextWidth;
    params.X = wordLeft + 10;
    params.Y = GH() / 2;
    auto result = Draw(text, params);
    EXPECT_EQ(result.AnchorUnderPoint, "club:7");
    EXPECT_EQ(result.AnchorCount, 1);
    {
        TGPGraphics graphics(image);
        THTMLDrawGDIPResult again;
        EXPECT_TRUE(HTMLDrawGDIP(graphics, font, text, TRect{0, 0, 300, 120}, params, again));
    }
    params.X = 2;
    result = Draw(text, params);
    EXPECT_EQ(result.AnchorUnderPoint, "");
    // The anchor is drawn in the link colour.
    image.fill(Qt::white);
    THTMLDrawGDIPParams drawing;
    drawing.URLColor = clRed;
    Draw(text, drawing);
    EXPECT_GT(Count(TRect{wordLeft, 0, wordLeft + 60, 30}, Reddish), 10);
}

TEST_F(GdipTextTest, PicturesWithoutAContainerTakeNoRoomAndBrokenTagsEndTheText)
{
    EXPECT_EQ(Measure("ab<IMG SRC=\"i_gol\">cd").TextWidth, Measure("abcd").TextWidth);
    EXPECT_EQ(Measure("ab<FONT size=\"3\"").PlainText, "ab");
    EXPECT_EQ(Measure("ab<").PlainText, "ab");
}

TEST_F(GdipTextTest, ContainerPicturesTakeTheirSizeOrTheGivenOne)
{
    TGDIPPictureContainer container(nullptr);
    TPictureItem& item = container.Items().Add();
    item.Name = "i_gol";
    item.Picture().LoadFromStream(test::PngBytes(16, 16, 0x00FF00));
    THTMLDrawGDIPParams params;
    params.PictureContainer = &container;
    const int plain = Measure("ab").TextWidth;
    params.MeasureOnly = true;
    THTMLDrawGDIPResult result;
    {
        TGPGraphics graphics(image);
        HTMLDrawGDIP(graphics, font, "ab<IMG SRC=\"I_GOL\">", TRect{0, 0, 300, 120}, params, result);
    }
    EXPECT_EQ(result.TextWidth, plain + 16);
    {
        TGPGraphics graphics(image);
        HTMLDrawGDIP(graphics, font, "<IMG SRC=\"i_gol\" WIDTH=\"30\" HEIGHT=\"40\">", TRect{0, 0, 300, 120}, params,
                     result);
    }
    EXPECT_EQ(result.TextHeight, 40 + 2);
    // A picture that does not fit after the text on a line narrower than itself goes to the next line.
    {
        TGPGraphics graphics(image);
        HTMLDrawGDIP(graphics, font, "ab<IMG SRC=\"i_gol\" WIDTH=\"50\" HEIGHT=\"40\">", TRect{0, 0, 60, 120}, params,
                     result);
    }
    EXPECT_EQ(result.TextHeight, GH() + params.LineSpacing + 40 + 2);
    params.MeasureOnly = false;
    Draw("<IMG SRC=\"i_gol\">", params);
    // Drawn at the line's left (one pixel in) and top.
    EXPECT_PIXEL(image, 8, 8, 0x00FF00, 3);
    EXPECT_PIXEL(image, 30, 8, 0xFFFFFF, 3);
}

TEST_F(GdipTextTest, DrawingDropsLinesBelowTheRectangle)
{
    TGPGraphics graphics(image);
    THTMLDrawGDIPParams params;
    THTMLDrawGDIPResult result;
    HTMLDrawGDIP(graphics, font, "a<BR>b<BR>c", TRect{0, 0, 300, GH() + 4}, params, result);
    EXPECT_LT(result.TextHeight, 3 * GH());
}

TEST_F(GdipTextTest, EachListItemsBulletStandsInItsOwnLine)
{
    // The list tag ends the first line; each item makes a line of its own with its bullet at the left.
    Draw("<UL><LI>x<LI>x</UL>");
    const int line = GH() + 2;
    auto bulletIn = [&](int row) { return Count(TRect{1, row * line, 12, (row + 1) * line}, Dark); };
    EXPECT_EQ(bulletIn(0), 0);
    EXPECT_GT(bulletIn(1), 0);
    EXPECT_GT(bulletIn(2), 0);
}

}  // namespace
}  // namespace tarvelon
