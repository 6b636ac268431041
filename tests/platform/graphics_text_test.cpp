// DrawText's flags: how they measure and where they place text. The rules are pinned, not the
// font's exact pixels.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/graphics/canvas.h"
#include "platform/graphics/text_draw.h"
#include "platform/graphics/text_layout.h"

namespace tarvelon {
namespace {

struct TextFixture : ::testing::Test {
    QImage image{300, 120, QImage::Format_RGB32};
    TCanvas canvas{&image};
    void SetUp() override
    {
        image.fill(Qt::white);
        canvas.Font.SetName("Arial");
        canvas.Font.SetSize(10);
        canvas.Font.SetColor(clBlack);
        canvas.SetBkMode(TRANSPARENT);
    }
    // The box holding every non-white pixel (empty when none).
    TRect Ink() const
    {
        TRect box{image.width(), image.height(), -1, -1};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box;
    }
    TRect Measure(const std::string& text, unsigned flags, int width = 1000)
    {
        TRect rect = Rect(10, 10, 10 + width, 10);
        DrawText(canvas, text, rect, flags | DT_CALCRECT);
        return rect;
    }
};

TEST_F(TextFixture, CalcRectGrowsWithTheTextAndDrawsNothing)
{
    const TRect shortText = Measure("Gol", DT_SINGLELINE);
    const TRect longText = Measure("Gol de placa", DT_SINGLELINE);
    EXPECT_EQ(shortText.Left, 10);
    EXPECT_GT(shortText.Width(), 10);
    EXPECT_GT(longText.Width(), shortText.Width());
    EXPECT_EQ(shortText.Height(), canvas.TextHeight("Gol"));
    EXPECT_EQ(shortText.Width(), canvas.TextWidth("Gol"));
    EXPECT_EQ(Ink().Right, -1);
    // Ellipsis flags do not shorten what is measured.
    EXPECT_EQ(Measure("Gol de placa", DT_SINGLELINE | DT_END_ELLIPSIS, 20).Width(), longText.Width());
    // External leading only adds.
    EXPECT_GE(Measure("Gol", DT_SINGLELINE | DT_EXTERNALLEADING).Height(), shortText.Height());
}

// Characters of any size, up to the largest a caption's markup can ask for (32,767 points), measure
// a positive height that grows with the size: the font engine's own metrics overflow beyond some
// 18,000 pixels and would give a negative one.
TEST_F(TextFixture, HugeFontsMeasureAPositiveHeight)
{
    int previous = 0;
    for (int points : {10, 1000, 7000, 14000, 20000, 32767}) {
        canvas.Font.SetSize(points);
        const int height = canvas.TextHeight("gh");
        EXPECT_GT(height, 0) << points;
        EXPECT_GE(height, previous) << points;
        previous = height;
    }
}

TEST_F(TextFixture, PrefixRule)
{
    const int amp = Measure("a&b", DT_SINGLELINE | DT_NOPREFIX).Width();
    EXPECT_EQ(Measure("a&&b", DT_SINGLELINE).Width(), amp);
    EXPECT_EQ(Measure("a&b", DT_SINGLELINE).Width(), Measure("ab", DT_SINGLELINE).Width());
    EXPECT_EQ(StripPrefix("&Sair").text, "Sair");
    EXPECT_EQ(StripPrefix("&Sair").underline, 0);
    EXPECT_EQ(StripPrefix("S&&A &x").text, "S&A x");
    EXPECT_EQ(StripPrefix("S&&A &x").underline, 4);
    EXPECT_EQ(StripPrefix("fim&").text, "fim");

    // "&S" underlines the S: ink reaches lower than without the mark.
    TRect rect = Rect(10, 10, 200, 40);
    DrawText(canvas, "&S", rect, DT_SINGLELINE);
    const int withMark = Ink().Bottom;
    image.fill(Qt::white);
    DrawText(canvas, "S", rect, DT_SINGLELINE);
    const int withoutMark = Ink().Bottom;
    EXPECT_GT(withMark, withoutMark);
    image.fill(Qt::white);
    DrawText(canvas, "&S", rect, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(Ink().Bottom, withoutMark);
}

TEST_F(TextFixture, HorizontalAndVerticalPlacement)
{
    TRect rect = Rect(20, 10, 220, 110);
    DrawText(canvas, "Brasil", rect, DT_SINGLELINE | DT_RIGHT);
    const TRect right = Ink();
    EXPECT_LE(right.Right, 220);
    EXPECT_GE(right.Right, 216);
    EXPECT_LT(right.Bottom, 40);

    image.fill(Qt::white);
    DrawText(canvas, "Brasil", rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const TRect centred = Ink();
    EXPECT_NEAR((centred.Left + centred.Right) / 2.0, 120, 3);
    EXPECT_NEAR((centred.Top + centred.Bottom) / 2.0, 60, 4);

    image.fill(Qt::white);
    const int offset = DrawText(canvas, "Brasil", rect, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_EQ(offset, 100);
    EXPECT_LE(Ink().Bottom, 110);
    EXPECT_GE(Ink().Bottom, 100);
}

TEST_F(TextFixture, WordBreakWrapsIntoMoreLines)
{
    const int line = canvas.TextHeight("x");
    const std::string text = "O time venceu o campeonato estadual";
    EXPECT_EQ(Measure(text, 0).Height(), line);
    const TRect narrow = Measure(text, DT_WORDBREAK, 80);
    EXPECT_GE(narrow.Height(), 3 * line);
    EXPECT_EQ(narrow.Height() % line, 0);
    EXPECT_LE(narrow.Width(), 80);
    // A word wider than the box stays whole and widens the measured box.
    const TRect word = Measure("Pneumoultramicroscopico", DT_WORDBREAK, 30);
    EXPECT_EQ(word.Height(), line);
    EXPECT_GT(word.Width(), 30);
    // Line ends break lines unless single-line.
    EXPECT_EQ(Measure("um\r\ndois\ntres", 0).Height(), 3 * line);
    EXPECT_EQ(Measure("um\r\ndois", DT_SINGLELINE).Height(), line);
}

TEST_F(TextFixture, EllipsisShortensWhatIsDrawn)
{
    TRect rect = Rect(10, 10, 70, 40);
    std::string shown;
    DrawTextEx(canvas, "Campeonato Brasileiro", rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr, &shown);
    EXPECT_TRUE(shown.ends_with("..."));
    EXPECT_TRUE(std::string("Campeonato Brasileiro").starts_with(shown.substr(0, shown.size() - 3)));
    EXPECT_LE(canvas.TextWidth(shown), 60);
    EXPECT_LE(Ink().Right, 70);

    DrawTextEx(canvas, "c:/jogos/times/escudos/flamengo.png", rect, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING,
               nullptr, &shown);
    EXPECT_NE(shown.find("..."), std::string::npos);

    // Without an ellipsis flag the text is clipped at the rectangle.
    image.fill(Qt::white);
    DrawText(canvas, "Campeonato Brasileiro", rect, DT_SINGLELINE);
    EXPECT_LE(Ink().Right, 70);
    image.fill(Qt::white);
    DrawText(canvas, "Campeonato Brasileiro", rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(Ink().Right, 70);
}

TEST_F(TextFixture, TabsMarginsEmptyTextAndBrokenWords)
{
    const int line = canvas.TextHeight("x");
    EXPECT_EQ(Measure("", DT_SINGLELINE).Height(), line);
    EXPECT_EQ(Measure("", DT_SINGLELINE).Width(), 0);
    // A tab reaches the next stop of 8 average characters.
    const int stop = 8 * GetTextMetrics(canvas).tmAveCharWidth;
    EXPECT_GE(Measure("a\tb", DT_SINGLELINE | DT_EXPANDTABS).Width(), stop + canvas.TextWidth("b"));
    EXPECT_LT(Measure("a\tb", DT_SINGLELINE | DT_EXPANDTABS).Width(), stop + canvas.TextWidth("b") + canvas.TextWidth(" ") + 1);
    // Margins move the text in from both sides.
    TDrawTextParams params;
    params.iLeftMargin = 7;
    params.iRightMargin = 5;
    TRect rect = Rect(10, 10, 10, 10);
    DrawTextEx(canvas, "Gol", rect, DT_SINGLELINE | DT_CALCRECT, &params);
    EXPECT_EQ(rect.Width(), canvas.TextWidth("Gol") + 12);
    EXPECT_EQ(params.uiLengthDrawn, 3);
    // With the edit-control flag a word wider than the box is broken between characters.
    const TRect broken = Measure("Pneumoultramicroscopico", DT_WORDBREAK | DT_EDITCONTROL, 30);
    EXPECT_GT(broken.Height(), 2 * line);
    EXPECT_LE(broken.Width(), 30);
}

TEST_F(TextFixture, FitCountAndExtents)
{
    int fit = 0;
    std::vector<int> extents;
    const TSize whole = GetTextExtentExPoint(canvas, "abcdef", canvas.TextWidth("abc"), &fit, &extents);
    EXPECT_EQ(fit, 3);
    ASSERT_EQ(extents.size(), 6u);
    EXPECT_EQ(extents.back(), whole.cx);
    EXPECT_TRUE(std::is_sorted(extents.begin(), extents.end()));
}

TEST_F(TextFixture, OpaqueBackgroundFillsBehindText)
{
    canvas.Brush.SetColor(clYellow);  // sets OPAQUE with the brush colour
    TRect rect = Rect(10, 10, 200, 40);
    DrawText(canvas, "Gol", rect, DT_SINGLELINE);
    EXPECT_EQ(canvas.Pixel(11, 11), clYellow);
    canvas.Brush.SetStyle(bsClear);
    image.fill(Qt::white);
    DrawText(canvas, "Gol", rect, DT_SINGLELINE);
    EXPECT_EQ(canvas.Pixel(11, 11), clWhite);
}

}  // namespace
}  // namespace tarvelon
