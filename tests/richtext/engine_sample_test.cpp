// A page of rich texts as the game's screens write them, drawn for a person to look at
// (kept as richtext_engine.png, see tests/support/sample_picture.h), with a few sanity probes.
#include <gtest/gtest.h>

#include "platform/graphics/image_list.h"
#include "tests/richtext/engine_support.h"
#include "tests/support/sample_picture.h"

namespace tarvelon {
namespace {

using testing::TSheet;

TEST(EngineSample, PageOfGameTexts)
{
    TSheet sheet(640, 480, RGB(0, 90, 40));
    TImageList images(16, 16);
    QImage ball(16, 16, QImage::Format_ARGB32);
    ball.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5) < 56)
                ball.setPixelColor(x, y, (x + y) % 5 ? Qt::white : Qt::black);
    images.AddImage(ball);
    THTMLDrawParams params;
    params.Images = &images;
    params.ShadowOffset = 1;
    params.ShadowColor = clBlack;
    sheet.canvas.Font.SetColor(clWhite);
    sheet.canvas.Font.SetSize(8);
    sheet.canvas.Font.SetStyle(TFontStyles{fsBold});

    const std::string texts[] = {
        "<SHAD><FONT size=\"10\" face=\"Arial Black\" color=\"#DFDF00\">Campeonato Brasileiro</FONT></SHAD>",
        "<SHAD><IND x=\"40\">Jogos:<IND x=\"150\"><FONT color=\"#FFFF00\">38</FONT><BR>"
        "<IND x=\"40\">Gols:<IND x=\"150\"><FONT color=\"#FFFF00\">71</FONT></SHAD>",
        "<P align=\"center\"><U>Artilheiro</U> <IMG src=\"idx:0\"> Fulano de Tal (12)</P>",
        "<B>Negrito</B> normal <I>itálico</I> <S>riscado</S> <FONT bgcolor=\"clyellow\" color=\"clblack\">fundo</FONT> "
        "x<SUP>2</SUP> H<SUB>2</SUB>O <E>erro</E> <HI>realce</HI> &lt;tag&gt; &copy; &euro;",
        "<UL><LI>primeiro item<LI>segundo item<UL><LI>nível dois</UL></UL>",
        "<A href=\"http://tarvelon.example\">um link</A> e <A href=\"x\">outro</A> texto longo que quebra a linha "
        "quando passa da borda direita do retângulo de texto.<HR>depois da régua",
        "<P align=\"right\" bgcolor=\"#204060\">à direita com fundo</P>",
    };
    int y = 8;
    for (const std::string& text : texts) {
        const TRect rect{10, y, 330, 470};
        THTMLDrawParams sizing = params;
        sizing.SizeOnly = true;
        THTMLDrawResult size;
        HTMLDrawGDI(sheet.canvas, text, rect, sizing, size);
        sheet.canvas.Pen.SetColor(RGB(0, 60, 25));
        sheet.canvas.Brush.SetStyle(bsClear);
        sheet.canvas.Rectangle(rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Top + size.MeasuredHeight + 1);
        const THTMLDrawResult drawn = sheet.Draw(text, rect, params);
        EXPECT_EQ(drawn.MeasuredHeight, size.MeasuredHeight) << text;
        y += size.MeasuredHeight + 8;
    }
    // The same texts squeezed into a narrow column without word wrap: lines end in "...".
    THTMLDrawParams ellipsis = params;
    ellipsis.WordWrap = false;
    sheet.Draw("<B>Um texto comprido demais para a coluna estreita</B>", TRect{350, 8, 470, 40}, ellipsis);
    sheet.Draw("<BODY bgcolor=\"#FFFFFF\" bgcolorto=\"#3060C0\"><FONT color=\"clblack\">corpo em degradê</FONT>",
               TRect{350, 60, 590, 100}, params);
    ASSERT_TRUE(tarvelon::testing::KeepSamplePicture(sheet.image, "richtext_engine.png"));
    EXPECT_GT(sheet.CountNot(TRect{10, 8, 330, 30}, RGB(0, 90, 40)), 50);
}

}  // namespace
}  // namespace tarvelon
