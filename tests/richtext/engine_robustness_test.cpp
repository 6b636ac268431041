// Any text, however broken its markup, is laid out in finite time, measures the same as it paints,
// and leaves the canvas as it was.
#include <gtest/gtest.h>

#include <random>

#include "platform/graphics/image_list.h"
#include "tests/richtext/engine_support.h"

namespace tarvelon {
namespace {

using testing::TSheet;

std::string RandomMarkup(std::mt19937& random)
{
    static const char* const kPieces[] = {
        "Gol ", "de ", "placa", "Fulano", "  ", "&amp;", "&lt;", "&gt;", "&nbsp;", "&euro;", " & ", "&",
        "<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<S>", "</S>", "<SHAD>", "</SHAD>", "<SUB>", "<SUP>",
        "</SUB>", "<BR>", "<HR>", "<UL>", "</UL>", "<LI>", "</LI>", "<Z>", "</Z>", "<E>", "</E>", "<HI>",
        "</HI>", "<BLINK>", "</BLINK>", "<A href=\"x\">", "</A>", "<FONT size=\"3\" color=\"#FF0000\">",
        "<FONT face=\"Arial Black\" bgcolor=\"clyellow\">", "</FONT>", "<P align=\"center\">",
        "<P align=\"right\" bgcolor=\"#00FF00\">", "<P bgcolor=\"clred\" bgcolorto=\"clblue\">", "</P>",
        "<IND x=\"150\">", "<IND x=\"-20\">", "<OF x=\"30\">", "</OF>", "<R a=\"45\">", "</R>",
        "<IMG src=\"idx:0\">", "<IMG src=\"idx:9\" align=\"middle\">", "<IMG src=\"idx:0\" width=\"500\" height=\"4\">",
        "<IMG src=\"http://x\">", "<BODY bgcolor=\"#123456\">", "<", ">", "</", "<#", "</>", "<1>", "\r", "\n",
        "Palavraenormesemespacosnenhumaquepassadaborda", "ção", "\t",
    };
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> count(0, 40);
    std::string text;
    for (int i = count(random); i > 0; --i)
        text += kPieces[piece(random)];
    return text;
}

TEST(EngineRobustness, RandomMarkupMeasuresAsItPaintsAndRestoresTheCanvas)
{
    std::mt19937 random(20261207);
    TImageList images(16, 16);
    QImage square(16, 16, QImage::Format_RGB32);
    square.fill(Qt::red);
    images.AddImage(square);
    THTMLPictureCache cache;
    for (int round = 0; round < 300; ++round) {
        const std::string text = RandomMarkup(random);
        const int width = 40 + round % 300;
        for (bool wrap : {true, false}) {
            TSheet sheet(400, 300);
            THTMLDrawParams params;
            params.Images = &images;
            params.PictureCache = &cache;
            params.WordWrap = wrap;
            params.X = round % 200;
            params.Y = round % 50;
            THTMLDrawParams sizing = params;
            sizing.SizeOnly = true;
            const TRect tall{0, 0, width, 100000};
            const THTMLDrawResult size = sheet.Draw(text, tall, sizing);
            const THTMLDrawResult painted = sheet.Draw(text, tall, params);
            params.NoDraw = true;
            const THTMLDrawResult hit = sheet.Draw(text, tall, params);
            EXPECT_EQ(size.MeasuredHeight, painted.MeasuredHeight) << text;
            EXPECT_EQ(size.MeasuredWidth, painted.MeasuredWidth) << text;
            EXPECT_EQ(size.PlainText, painted.PlainText) << text;
            EXPECT_EQ(hit.MeasuredHeight, painted.MeasuredHeight) << text;
            EXPECT_EQ(size.AnchorCount, painted.AnchorCount) << text;
            EXPECT_GT(size.MeasuredHeight, 0) << text;
            EXPECT_EQ(sheet.canvas.Font.Name(), "Arial");
            EXPECT_TRUE(sheet.canvas.Font.Style().Empty());
            EXPECT_EQ(sheet.canvas.Font.Orientation(), 0);
        }
    }
    EXPECT_EQ(cache.Count(), 1);  // one entry for the one address, however often it is drawn
}

}  // namespace
}  // namespace tarvelon
