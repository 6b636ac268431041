// How the text engine measures and breaks lines: relations between measured sizes, never font
// pixels.
#include <gtest/gtest.h>

#include "platform/graphics/image_list.h"
#include "tests/richtext/engine_support.h"

namespace tarvelon {
namespace {

using testing::TSheet;

THTMLDrawParams SizeOnly()
{
    THTMLDrawParams params;
    params.SizeOnly = true;
    return params;
}

class EngineLayout : public ::testing::Test {
protected:
    THTMLDrawResult Measure(const std::string& text, int width = 400)
    {
        return sheet.Draw(text, TRect{0, 0, width, 200}, SizeOnly());
    }
    int Width(const std::string& text) { return Measure(text).MeasuredWidth; }
    int Height(const std::string& text, int width = 400) { return Measure(text, width).MeasuredHeight; }
    int LineHeight() { return Height("gh"); }
    TSheet sheet{400, 200};
};

TEST_F(EngineLayout, EmptyTextIsOneTextHighAndNoWidth)
{
    const THTMLDrawResult empty = Measure("");
    EXPECT_EQ(empty.MeasuredHeight, sheet.canvas.TextHeight("gh"));
    EXPECT_EQ(empty.MeasuredWidth, 0);
    EXPECT_EQ(Measure("   ").MeasuredWidth, 0);
}

TEST_F(EngineLayout, WidthIsWidestLinePlusTwoWithoutTrailingBlank)
{
    const int abc = sheet.canvas.TextWidth("abc");
    EXPECT_EQ(Width("abc"), abc + 2);
    EXPECT_EQ(Width("abc <BR>x"), abc + 2);
    EXPECT_EQ(Width("x<BR>abc"), abc + 2);
    EXPECT_EQ(Height("x<BR>abc"), 2 * LineHeight());
    // Blanks at both ends of every line are removed.
    EXPECT_EQ(Width("   abc   "), abc + 2);
}

TEST_F(EngineLayout, WordsWrapAtBlanksInsideTheRectangle)
{
    const std::string text = "o time venceu o jogo de ontem por tres gols a zero e subiu na tabela";
    const int single = Width(text);
    const THTMLDrawResult wrapped = Measure(text, 120);
    EXPECT_GT(single, 120);
    EXPECT_LE(wrapped.MeasuredWidth, 120 + 2);
    EXPECT_GE(wrapped.MeasuredHeight, 3 * LineHeight());
    EXPECT_EQ(wrapped.MeasuredHeight % LineHeight(), 0);
    EXPECT_EQ(wrapped.PlainText, text);
}

TEST_F(EngineLayout, WordWiderThanTheRectangleStandsAloneUnbroken)
{
    const std::string word = "Pentacampeonatomundialissimo";
    const THTMLDrawResult result = Measure("um " + word + " dois", 60);
    EXPECT_EQ(result.MeasuredHeight, 3 * LineHeight());
    EXPECT_EQ(result.MeasuredWidth, sheet.canvas.TextWidth(word + " ") - sheet.canvas.TextWidth(" ") + 2);
}

TEST_F(EngineLayout, WithoutWordWrapALongLineIsCutWithAnEllipsis)
{
    THTMLDrawParams params;
    params.WordWrap = false;
    const std::string text = "uma linha muito comprida que passa da borda do retangulo";
    const THTMLDrawResult result = sheet.Draw(text, TRect{10, 10, 110, 190}, params);
    EXPECT_EQ(result.MeasuredHeight, LineHeight());
    EXPECT_GT(result.MeasuredWidth, 100);
    EXPECT_EQ(sheet.CountNot(TRect{110, 0, 400, 200}, clWhite), 0);
    EXPECT_GT(sheet.CountNot(TRect{10, 10, 110, 40}, clWhite), 20);
}

TEST_F(EngineLayout, LineAfterABreakStartsAtTheLeftEdge)
{
    sheet.Draw("x<BR>     x", TRect{20, 0, 400, 200});
    const int h = LineHeight();
    const TRect first = [&] {
        TSheet probe;
        probe.Draw("x", TRect{20, 0, 400, 200});
        return probe.Inked();
    }();
    int secondLeft = 400;
    for (int y = h; y < 2 * h; ++y)
        for (int x = 0; x < 400; ++x)
            if (sheet.At(x, y) != clWhite)
                secondLeft = std::min(secondLeft, x);
    EXPECT_EQ(secondLeft, first.Left);
}

TEST_F(EngineLayout, SuperscriptAndSubscriptAddAQuarterOfTheTextHeight)
{
    const int h = Height("a");
    EXPECT_EQ(Height("a<SUP>2</SUP>"), h + h / 4);
    EXPECT_EQ(Height("H<SUB>2</SUB>O"), h + h / 4);
    EXPECT_EQ(Height("a<SUP>2</SUP>b<SUB>3</SUB>"), h + 2 * (h / 4));
    // The extras belong to their line only.
    EXPECT_EQ(Height("a<SUP>2</SUP><BR>b"), h + h / 4 + h);
}

TEST_F(EngineLayout, SuperscriptStandsAboveTheBaselineAndSubscriptBelow)
{
    const int h = Height("a");
    auto inkRows = [this](const std::string& text, int fromX) {
        TSheet probe;
        probe.Draw(text);
        const int split = fromX;
        TRect ink{0, 400, 0, 0};
        for (int y = 0; y < 200; ++y)
            for (int x = split; x < 400; ++x)
                if (probe.At(x, y) != clWhite) {
                    ink.Top = std::min(ink.Top, y);
                    ink.Bottom = std::max(ink.Bottom, y + 1);
                }
        return ink;
    };
    const int a = sheet.canvas.TextWidth("x");
    const TRect normal = inkRows("xx", a);
    const TRect raised = inkRows("x<SUP>x</SUP>", a);
    const TRect lowered = inkRows("x<SUB>x</SUB>", a);
    // The whole line moves down by the extra; the raised run sits that much higher than the rest.
    EXPECT_EQ(raised.Bottom, normal.Bottom);
    EXPECT_EQ(lowered.Bottom, normal.Bottom + h / 4);
}

TEST_F(EngineLayout, SizeOnlyCoversLinesBeyondTheRectangle)
{
    const std::string text = "1<BR>2<BR>3<BR>4<BR>5<BR>6<BR>7<BR>8";
    const int h = LineHeight();
    const THTMLDrawResult all = sheet.Draw(text, TRect{0, 0, 100, 2 * h}, SizeOnly());
    EXPECT_EQ(all.MeasuredHeight, 8 * h);
    THTMLDrawParams drawing;
    const THTMLDrawResult cut = sheet.Draw(text, TRect{0, 0, 100, 2 * h}, drawing);
    EXPECT_LT(cut.MeasuredHeight, 8 * h);
    EXPECT_GE(cut.MeasuredHeight, 2 * h);
    EXPECT_EQ(all.PlainText, "1\r2\r3\r4\r5\r6\r7\r8");
}

TEST_F(EngineLayout, LineSpacingIsAddedToEveryLine)
{
    THTMLDrawParams params = SizeOnly();
    params.LineSpacing = 5;
    EXPECT_EQ(sheet.Draw("a<BR>b<BR>c", TRect{0, 0, 400, 200}, params).MeasuredHeight, 3 * (LineHeight() + 5));
}

TEST_F(EngineLayout, EmptyLinesBetweenBreaksAreOneTextHigh)
{
    EXPECT_EQ(Height("a<BR><BR>b"), 3 * LineHeight());
}

TEST_F(EngineLayout, IndentMovesThePenRightButNeverLeft)
{
    EXPECT_EQ(Width("<IND x=\"40\">Gols"), 40 + sheet.canvas.TextWidth("Gols") + 2);
    EXPECT_EQ(Width("Gols:<IND x=\"150\">71"), 150 + sheet.canvas.TextWidth("71") + 2);
    const std::string wide = "uma legenda bem larga de duzentos pixels";
    const int wideWidth = sheet.canvas.TextWidth(wide);
    ASSERT_GT(wideWidth, 150);
    EXPECT_EQ(Width(wide + "<IND x=\"150\">x"), wideWidth + sheet.canvas.TextWidth("x") + 2);
}

TEST_F(EngineLayout, FontSizesFromOneToFiveAreClassicOthersArePoints)
{
    auto heightAt = [this](int points) {
        TSheet probe;
        probe.canvas.Font.SetSize(points);
        return probe.Draw("gh", SizeOnly()).MeasuredHeight;
    };
    EXPECT_EQ(Height("<FONT size=\"3\">gh</FONT>"), heightAt(12));
    EXPECT_EQ(Height("<FONT size=\"1\">gh</FONT>"), heightAt(8));
    EXPECT_EQ(Height("<FONT size=\"5\">gh</FONT>"), heightAt(16));
    EXPECT_EQ(Height("<FONT size=\"9\">gh</FONT>"), heightAt(9));
    // The number is read up to its closing quote and beyond, so a minus sign is lost: -3 is size 3.
    EXPECT_EQ(Height("<FONT size=\"-3\">gh</FONT>"), heightAt(12));
    EXPECT_EQ(Height("<FONT size=\"+5\" face=\"Arial\">gh</FONT>"), heightAt(16));
    // </FONT> gives back the base font's size.
    EXPECT_EQ(Height("<FONT size=\"1\">gh</FONT><BR>gh"), heightAt(8) + heightAt(10));
    // A FONT tag without its ">" changes nothing.
    EXPECT_EQ(Height("gh<FONT size=\"5\""), heightAt(10));
}

TEST_F(EngineLayout, BoldMakesTextWiderAndIsTurnedOffByItsClosingTag)
{
    const int plain = Width("Campeonato");
    EXPECT_GT(Width("<B>Campeonato</B>"), plain);
    EXPECT_EQ(Width("<B></B>Campeonato"), plain);
    EXPECT_EQ(Width("<B>x</B><BR>Campeonato"), plain);
    // Bold goes on into the next line until it is closed.
    EXPECT_GT(Width("<B>x<BR>Campeonato"), plain);
}

TEST_F(EngineLayout, EntitiesShowCharactersNotTags)
{
    const THTMLDrawResult result = Measure("a &lt;b&gt; c");
    EXPECT_EQ(result.PlainText, "a <b> c");
    EXPECT_EQ(result.MeasuredWidth, sheet.canvas.TextWidth("a <b> c") + 2);
    EXPECT_EQ(Measure("R&amp;D &copy; &euro;").PlainText, "R&&D © €");
    EXPECT_EQ(Measure("<#1 do ranking>").PlainText, "#1 do ranking");
    EXPECT_EQ(Measure("gol&nbsp;de placa").PlainText, "gol de placa");
}

TEST_F(EngineLayout, MalformedTagsCutTheRest)
{
    EXPECT_EQ(Measure("x <b").PlainText, "x ");
    EXPECT_EQ(Measure("ab<").PlainText, "ab");
    EXPECT_EQ(Measure("ab</B").PlainText, "ab");
    EXPECT_EQ(Measure("a<TABLE>b<1>c</>d").PlainText, "abcd");
}

TEST_F(EngineLayout, HiddenTextIsMeasuredIntoThePlainTextButTakesNoWidth)
{
    const THTMLDrawResult result = Measure("a<Z>segredo</Z>b");
    EXPECT_EQ(result.PlainText, "asegredob");
    EXPECT_EQ(result.MeasuredWidth, sheet.canvas.TextWidth("ab") + 2);
}

TEST_F(EngineLayout, ListItemsOneBulletLineEach)
{
    const int h = LineHeight();
    const THTMLDrawResult open = Measure("<UL><LI>a<LI>b");
    const THTMLDrawResult closed = Measure("<UL><LI>a</LI><LI>b</LI>");
    // The list opens a line of its own, then one line per item.
    EXPECT_EQ(open.MeasuredHeight, 3 * h);
    EXPECT_EQ(closed.MeasuredHeight, 3 * h);
    EXPECT_EQ(open.PlainText, "ab");
    // An item of level n is n * 12 pixels in.
    EXPECT_EQ(open.MeasuredWidth, 12 + sheet.canvas.TextWidth("a") + 2);
    EXPECT_EQ(Width("<UL><UL><LI>a</UL></UL>"), 24 + sheet.canvas.TextWidth("a") + 2);
}

TEST_F(EngineLayout, ImagesTakeTheirWidthAndMissingOnesNone)
{
    TImageList images(20, 30);
    QImage square(20, 30, QImage::Format_RGB32);
    square.fill(Qt::red);
    for (int i = 0; i < 3; ++i)
        images.AddImage(square);
    THTMLDrawParams params = SizeOnly();
    params.Images = &images;
    const int a = sheet.canvas.TextWidth("a");
    auto measure = [&](const std::string& text) { return sheet.Draw(text, TRect{0, 0, 400, 200}, params); };
    EXPECT_EQ(measure("a<IMG src=\"idx:2\">").MeasuredWidth, a + 20 + 2);
    EXPECT_EQ(measure("a<IMG src=\"idx:2\">").MeasuredHeight, 30);
    EXPECT_EQ(measure("a<IMG src=\"idx:5\">").MeasuredWidth, a + 2);
    EXPECT_EQ(measure("a<IMG src=\"idx:5\">").MeasuredHeight, LineHeight());
    EXPECT_EQ(measure("a<IMG src=\"escudo\">").MeasuredWidth, a + 2);
    EXPECT_EQ(measure("a<IMG src=\"ssys:c:\\\\x.txt\">").MeasuredWidth, a + 2);
    EXPECT_EQ(measure("a<IMG src=\"http://x/y.png\">").MeasuredWidth, a + 2);
    EXPECT_EQ(measure("a<IMG src=\"idx:0\" width=\"40\" height=\"10\">").MeasuredWidth, a + 40 + 2);
    // WRAP: the picture does not raise the line.
    EXPECT_EQ(measure("a<IMG src=\"idx:0\" wrap>").MeasuredHeight, LineHeight());
    // A picture that does not fit the rest of the line goes to the next one.
    const THTMLDrawResult narrow = sheet.Draw("abcdef<IMG src=\"idx:0\">", TRect{0, 0, sheet.canvas.TextWidth("abcdef") + 10, 200}, params);
    EXPECT_EQ(narrow.MeasuredHeight, LineHeight() + 30);
}

TEST_F(EngineLayout, CallLeavesTheCanvasAsItFoundIt)
{
    sheet.canvas.Brush.SetColor(clAqua);
    sheet.canvas.Pen.SetColor(clLime);
    THTMLDrawParams params;
    sheet.Draw("<B><I><FONT color=\"clred\" size=\"5\" face=\"Courier New\" bgcolor=\"clyellow\">x<HR>"
               "<HI>y<P bgcolor=\"clblue\">z<R a=\"45\">w<UL><LI>q",
               params);
    EXPECT_EQ(sheet.canvas.Font.Name(), "Arial");
    EXPECT_EQ(sheet.canvas.Font.Size(), 10);
    EXPECT_EQ(sheet.canvas.Font.Color(), clBlack);
    EXPECT_TRUE(sheet.canvas.Font.Style().Empty());
    EXPECT_EQ(sheet.canvas.Font.Orientation(), 0);
    EXPECT_EQ(sheet.canvas.Brush.Color(), clAqua);
    EXPECT_EQ(sheet.canvas.Brush.Style(), bsSolid);
    EXPECT_EQ(sheet.canvas.Pen.Color(), clLime);
}

}  // namespace
}  // namespace tarvelon
