// What the text engine draws where: pixel probes of colours, shadows, backgrounds, pictures and
// rules at the places the markup puts them.
#include <gtest/gtest.h>

#include "platform/graphics/image_list.h"
#include "richtext/html_draw_engine.h"
#include "tests/richtext/engine_support.h"

namespace tarvelon {
namespace {

using testing::Bluish;
using testing::Dark;
using testing::Reddish;
using testing::TSheet;

TEST(EnginePaint, FontColourHexIsReadAfterUpperCasing)
{
    TSheet sheet;
    sheet.Draw("<FONT color=\"#ff0000\">Vermelho</FONT>");
    const TRect ink = sheet.Inked();
    EXPECT_GT(sheet.Count(ink, Reddish), 20);
    EXPECT_EQ(sheet.Count(ink, Dark), 0);
    TSheet named;
    named.Draw("<FONT COLOR=\"clBlue\">Azul</FONT> preto");
    EXPECT_GT(named.Count(named.Inked(), Bluish), 20);
    EXPECT_GT(named.Count(named.Inked(), Dark), 20);
}

TEST(EnginePaint, FixedColoursIgnoreColourMarkup)
{
    TSheet sheet;
    THTMLDrawParams params;
    params.FixedColors = true;
    sheet.Draw("<FONT color=\"#FF0000\" bgcolor=\"#00FF00\">Vermelho</FONT> <A href=\"x\">link</A>", params);
    EXPECT_EQ(sheet.Count(sheet.Inked(), Reddish), 0);
    EXPECT_EQ(sheet.CountColor(sheet.Inked(), clLime), 0);
    EXPECT_EQ(sheet.Count(sheet.Inked(), Bluish), 0);
}

TEST(EnginePaint, BoldDrawsMoreInk)
{
    TSheet plain;
    plain.Draw("Campeonato");
    TSheet bold;
    bold.Draw("<B>Campeonato</B>");
    EXPECT_GT(bold.Count(bold.Inked(), Dark), plain.Count(plain.Inked(), Dark) * 11 / 10);
}

TEST(EnginePaint, ShadowIsTheRunMovedByTheOffsetInTheShadowColour)
{
    for (int offset : {1, 3}) {
        THTMLDrawParams params;
        params.ShadowOffset = offset;
        params.ShadowColor = clRed;
        TSheet text;
        text.canvas.Font.SetColor(clBlue);
        text.Draw("<SHAD>Gols</SHAD>", TRect{10, 10, 300, 100}, params);
        TSheet plain;
        plain.canvas.Font.SetColor(clBlue);
        plain.Draw("Gols", TRect{10, 10, 300, 100});
        // The shadow alone: the same text in red, moved by the offset.
        TSheet shadow;
        shadow.canvas.Font.SetColor(clRed);
        shadow.Draw("Gols", TRect{10 + offset, 10 + offset, 300 + offset, 100 + offset});
        const TRect both = text.Inked();
        EXPECT_EQ(both.Left, plain.Inked().Left) << offset;
        EXPECT_EQ(both.Top, plain.Inked().Top) << offset;
        EXPECT_EQ(both.Right, shadow.Inked().Right) << offset;
        EXPECT_EQ(both.Bottom, shadow.Inked().Bottom) << offset;
        EXPECT_EQ(shadow.Inked().Left, plain.Inked().Left + offset) << offset;
        EXPECT_GT(text.Count(both, Reddish), 10) << offset;
        EXPECT_GT(text.Count(both, Bluish), 10) << offset;
    }
    TSheet off;
    THTMLDrawParams params;
    params.ShadowOffset = 2;
    params.ShadowColor = clRed;
    off.Draw("<SHAD>a</SHAD>b", params);
    const int aRight = off.canvas.TextWidth("a");
    EXPECT_GT(off.Count(TRect{0, 0, aRight + 3, 40}, Reddish), 0);
    EXPECT_EQ(off.Count(TRect{aRight + 3, 0, 400, 40}, Reddish), 0);
}

TEST(EnginePaint, ImageListPictureDrawsAtThePenAndOutOfRangeDrawsNothing)
{
    TImageList images(12, 12);
    QImage square(12, 12, QImage::Format_RGB32);
    square.fill(Qt::red);
    for (int i = 0; i < 3; ++i)
        images.AddImage(square);
    THTMLDrawParams params;
    params.Images = &images;
    TSheet sheet;
    sheet.Draw("ab<IMG src=\"idx:1\">c", TRect{5, 7, 400, 200}, params);
    const int x = 5 + sheet.canvas.TextWidth("ab");
    EXPECT_EQ(sheet.CountColor(TRect{x, 7, x + 12, 19}, clRed), 144);
    EXPECT_EQ(sheet.CountColor(TRect{0, 0, 400, 200}, clRed), 144);
    TSheet missing;
    missing.Draw("ab<IMG src=\"idx:5\">c", TRect{5, 7, 400, 200}, params);
    EXPECT_EQ(missing.CountColor(TRect{0, 0, 400, 200}, clRed), 0);
    TSheet stretched;
    stretched.Draw("<IMG src=\"IDX:0\" width=\"30\" height=\"20\">", TRect{0, 0, 400, 200}, params);
    EXPECT_EQ(stretched.CountColor(TRect{0, 0, 400, 200}, clRed), 12 * 12);  // image lists keep their size
}

TEST(EnginePaint, PictureAlignPlacesTheTextAgainstATallPicture)
{
    TImageList images(10, 60);
    QImage bar(10, 60, QImage::Format_RGB32);
    bar.fill(Qt::blue);
    images.AddImage(bar);
    THTMLDrawParams params;
    params.Images = &images;
    // Bottom of the text right of the picture.
    auto textBottom = [&](const std::string& align) {
        TSheet sheet;
        sheet.Draw("<IMG src=\"idx:0\"" + align + ">Xy", params);
        int bottom = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 12; x < 100; ++x)
                if (sheet.At(x, y) != clWhite)
                    bottom = y + 1;
        return bottom;
    };
    const int bottom = textBottom("");
    const int top = textBottom(" align=\"top\"");
    const int middle = textBottom(" align=\"middle\"");
    EXPECT_GT(bottom, 45);
    EXPECT_LT(top, 25);
    EXPECT_GT(middle, top);
    EXPECT_LT(middle, bottom);
}

TEST(EnginePaint, BackgroundsOfFontParagraphBodyAndHighlight)
{
    TSheet font;
    font.Draw("<FONT bgcolor=\"#00FF00\">fundo</FONT> sem");
    const int fundo = font.canvas.TextWidth("fundo");
    EXPECT_GT(font.CountColor(TRect{0, 0, fundo, 10}, clLime), fundo * 5);
    EXPECT_EQ(font.CountColor(TRect{fundo + 1, 0, 400, 40}, clLime), 0);

    TSheet paragraph;
    paragraph.Draw("<P bgcolor=\"#00FF00\">linha um<BR>linha dois</P>fora", TRect{0, 0, 200, 200});
    const int h = paragraph.canvas.TextHeight("gh");
    EXPECT_EQ(paragraph.At(199, 1), clLime);
    EXPECT_EQ(paragraph.At(199, h + 1), clLime);
    EXPECT_EQ(paragraph.At(199, 2 * h + 1), clWhite);
    EXPECT_EQ(paragraph.At(250, 1), clWhite);

    // BGCOLOR is found inside BGCOLORTO: alone, or written first, BGCOLORTO gives both colours.
    for (const char* text : {"<P bgcolorto=\"#00FF00\">linha</P>", "<P bgcolorto=\"#00FF00\" bgcolor=\"#FF0000\">linha</P>"}) {
        TSheet band;
        band.Draw(text, TRect{0, 0, 200, 200});
        EXPECT_EQ(band.At(0, 1), clLime) << text;
        EXPECT_EQ(band.At(199, 1), clLime) << text;
        EXPECT_EQ(band.CountColor(TRect{0, 0, 200, 200}, clRed), 0) << text;
    }

    TSheet body;
    body.Draw("<BODY bgcolor=\"#0000FF\">texto", TRect{10, 10, 100, 50});
    EXPECT_EQ(body.At(8, 20), clBlue);  // two pixels left of the rectangle
    EXPECT_EQ(body.At(99, 49), clBlue);
    EXPECT_EQ(body.At(100, 20), clWhite);
    EXPECT_EQ(body.At(7, 20), clWhite);

    TSheet gradient;
    gradient.Draw("<BODY bgcolor=\"#000000\" bgcolorto=\"#FFFFFF\">", TRect{0, 0, 128, 20});
    EXPECT_EQ(gradient.At(0, 5), clBlack);
    EXPECT_LT(GetRValue(gradient.At(30, 5)), GetRValue(gradient.At(90, 5)));
    TSheet vertical;
    vertical.Draw("<BODY bgcolor=\"#000000\" bgcolorto=\"#FFFFFF\" dir=\"V\">", TRect{0, 0, 20, 128});
    EXPECT_EQ(vertical.At(5, 0), vertical.At(15, 0));
    EXPECT_LT(GetRValue(vertical.At(5, 30)), GetRValue(vertical.At(5, 90)));

    TSheet highlight;
    highlight.Draw("<HI>realce</HI>");
    EXPECT_GT(highlight.CountColor(highlight.Inked(), ColorToRGB(clHighlight)), 20);
}

TEST(EnginePaint, ErrorUnderlineIsARedZigzagUnderTheRun)
{
    TSheet sheet;
    sheet.Draw("<E>errro</E> certo");
    const int width = sheet.canvas.TextWidth("errro");
    int reds = 0, rows = 0;
    for (int y = 0; y < 40; ++y) {
        int inRow = 0;
        for (int x = 0; x < 400; ++x)
            if (sheet.At(x, y) == clRed) {
                ++inRow;
                EXPECT_LE(x, width + 1);
            }
        reds += inRow;
        rows += inRow > 0;
    }
    EXPECT_GE(reds, width);
    EXPECT_EQ(rows, 3);  // bottom - 1, bottom and bottom + 1
}

TEST(EnginePaint, RuleRunsFromTheLineStartToTheRightEdge)
{
    TSheet sheet;
    sheet.Draw("acima<HR>abaixo", TRect{20, 0, 300, 200});
    const int h = sheet.canvas.TextHeight("gh");
    EXPECT_EQ(sheet.CountColor(TRect{20, h + 1, 300, h + 2}, clBlack), 280);
    EXPECT_EQ(sheet.At(19, h + 1), clWhite);
    EXPECT_EQ(sheet.At(300, h + 1), clWhite);
}

TEST(EnginePaint, CentredParagraphCentresItsLinesUntilAnotherParagraph)
{
    TSheet sheet(400, 200);
    sheet.Draw("<P align=\"center\">meio<BR>meio tambem<BR><P align=\"left\">esquerda", TRect{0, 0, 400, 200});
    const int h = sheet.canvas.TextHeight("gh");
    auto rowInk = [&](int line) {
        TRect box{400, 0, 0, 0};
        for (int y = line * h; y < (line + 1) * h; ++y)
            for (int x = 0; x < 400; ++x)
                if (sheet.At(x, y) != clWhite) {
                    box.Left = std::min(box.Left, x);
                    box.Right = std::max(box.Right, x + 1);
                }
        return box;
    };
    for (int line : {0, 1}) {
        const TRect ink = rowInk(line);
        EXPECT_NEAR((ink.Left + ink.Right) / 2, 200, 3) << line;
    }
    EXPECT_LT(rowInk(2).Left, 3);
    TSheet right;
    right.Draw("<P align=\"right\">direita", TRect{0, 0, 400, 200});
    EXPECT_GE(right.Inked().Right, 396);
}

TEST(EnginePaint, UnderlineAndStrikeOutDrawLines)
{
    TSheet plain;
    plain.Draw("oooo");
    TSheet underlined;
    underlined.Draw("<U>oooo</U>");
    TSheet struck;
    struck.Draw("<S>oooo</S>");
    const int base = plain.Count(plain.Inked(), Dark);
    EXPECT_GT(underlined.Count(underlined.Inked(), Dark), base);
    EXPECT_GT(struck.Count(struck.Inked(), Dark), base);
    EXPECT_GT(underlined.Inked().Bottom, plain.Inked().Bottom);
}

TEST(EnginePaint, BlinkTextTakesTheStartingBrushColourWhileOff)
{
    TSheet sheet;
    THTMLDrawParams params;
    params.BlinkOn = false;
    sheet.Draw("<BLINK>pisca</BLINK>", params);
    EXPECT_EQ(sheet.CountNot(TRect{0, 0, 400, 200}, clWhite), 0);
    params.BlinkOn = true;
    sheet.Draw("<BLINK>pisca</BLINK>", params);
    EXPECT_GT(sheet.CountNot(TRect{0, 0, 400, 200}, clWhite), 20);
}

TEST(EnginePaint, NoDrawAndTextBelowTheRectangleDrawNothing)
{
    TSheet sheet;
    THTMLDrawParams params;
    params.NoDraw = true;
    sheet.Draw("<B>nada</B><BODY bgcolor=\"clred\">", params);
    EXPECT_EQ(sheet.CountNot(TRect{0, 0, 400, 200}, clWhite), 0);
    TSheet cut;
    const int h = cut.canvas.TextHeight("gh");
    cut.Draw("um<BR>dois<BR>tres", TRect{0, 0, 200, h + h / 2});
    EXPECT_EQ(cut.CountNot(TRect{0, 2 * h, 400, 200}, clWhite), 0);
}

TEST(EnginePaint, GradientBandsRoundTheirColoursAndPlaces)
{
    TSheet sheet(20, 10);
    DrawGradientGDI(sheet.canvas, clBlack, clWhite, true, TRect{0, 0, 8, 4}, 4);
    const int expected[8] = {0, 0, 64, 64, 128, 128, 191, 191};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(sheet.At(x, 1), RGB(expected[x], expected[x], expected[x])) << x;
    EXPECT_EQ(sheet.At(8, 1), clWhite);
    DrawGradientGDI(sheet.canvas, clBlack, clWhite, false, TRect{10, 0, 14, 8}, 0, clRed);
    EXPECT_EQ(sheet.At(10, 0), clRed);
    EXPECT_EQ(sheet.At(13, 7), clRed);
    EXPECT_EQ(sheet.At(11, 3), clBlack);  // one step: the start colour all over
    EXPECT_EQ(sheet.At(14, 3), clWhite);
}

TEST(EnginePaint, RotatedFontIsTurnedAndGivenBack)
{
    TSheet sheet;
    EXPECT_EQ(htmldraw::SelectRotatedFont(sheet.canvas, 45), 0);
    EXPECT_EQ(sheet.canvas.Font.Orientation(), 450);
    EXPECT_EQ(htmldraw::SelectRotatedFont(sheet.canvas, 90), 450);
    sheet.canvas.Font.SetOrientation(0);
    // Text after </R> stands upright again: as wide as without the turned run.
    THTMLDrawParams params;
    params.SizeOnly = true;
    EXPECT_EQ(sheet.Draw("<R a=\"90\">x</R>abc", params).MeasuredWidth,
              sheet.Draw("xabc", params).MeasuredWidth);
    TSheet upright;
    upright.Draw("<R a=\"90\"></R>abc", TRect{0, 0, 400, 200});
    TSheet plain;
    plain.Draw("abc", TRect{0, 0, 400, 200});
    EXPECT_EQ(upright.Inked(), plain.Inked());
}

TEST(EnginePaint, OffsetMovesThisAndLaterLinesRight)
{
    TSheet sheet;
    const int h = sheet.canvas.TextHeight("gh");
    const THTMLDrawResult result = sheet.Draw("<OF x=\"50\">abc<BR>def</OF><BR>ghi", TRect{0, 0, 400, 200});
    EXPECT_EQ(result.MeasuredWidth, 50 + sheet.canvas.TextWidth("abc") + 2);
    EXPECT_EQ(sheet.CountNot(TRect{0, 0, 50, 2 * h}, clWhite), 0);
    EXPECT_GT(sheet.CountNot(TRect{50, 0, 100, h}, clWhite), 10);
    EXPECT_GT(sheet.CountNot(TRect{50, h, 100, 2 * h}, clWhite), 10);
    EXPECT_GT(sheet.CountNot(TRect{0, 2 * h, 50, 3 * h}, clWhite), 10);
}

TEST(EnginePaint, ScaledImageListPicturesAreStretchedByTheFactor)
{
    TImageList images(8, 8);
    QImage square(8, 8, QImage::Format_RGB32);
    square.fill(Qt::red);
    images.AddImage(square);
    THTMLDrawParams params;
    params.Images = &images;
    params.ScaleImages = true;
    params.ResFactor = 2.0;
    TSheet sheet;
    sheet.Draw("<IMG src=\"idx:0\">", params);
    EXPECT_EQ(sheet.CountColor(TRect{0, 0, 400, 200}, clRed), 16 * 16);
}

}  // namespace
}  // namespace tarvelon
