// The pack's shared drawing services: blends on the packed colour, mixes, placing and touching
// rectangles, gradients, one-line texts and the alpha drawing of 32-bit bitmaps.
#include <gtest/gtest.h>

#include <QImage>

#include "grid/dg_shared_common.h"
#include "grid/dg_shared_draw.h"

namespace tarvelon {
namespace {

TEST(SharedServicesTest, TheBlendDividesBy256)
{
    const TColor blended = TGraphicsProvider::BlendColor(clWhite, clBlack, 255);
    EXPECT_EQ(GetRValue(blended), 254);
    EXPECT_EQ(GetGValue(blended), 254);
    EXPECT_EQ(GetBValue(blended), 254);
    // Alpha 0 gives the second colour scaled by 255/256.
    EXPECT_EQ(TGraphicsProvider::BlendColor(clBlack, RGB(200, 100, 40), 0), RGB(199, 99, 39));
    EXPECT_EQ(TMaskProvider::BlendColor(RGB(10, 20, 30), RGB(10, 20, 30), 128), RGB(9, 19, 29));
    EXPECT_EQ(DgSharedDraw::BlendColor(clRed, clBlue, 128), RGB(127, 0, 126));
    EXPECT_THROW(TGraphicsProvider::BlendColor(clRed, clBlue, 256), std::logic_error);
}

TEST(SharedServicesTest, MixesGoFromTheFirstToTheSecondAndResolveSystemColours)
{
    EXPECT_EQ(TGraphicsProvider::MixColors(RGB(0, 100, 200), RGB(100, 0, 50), 0), RGB(0, 100, 200));
    EXPECT_EQ(TGraphicsProvider::MixColors(RGB(0, 100, 200), RGB(100, 0, 50), 1), RGB(100, 0, 50));
    EXPECT_EQ(TGraphicsProvider::MixColors(RGB(0, 0, 0), RGB(5, 3, 1), 0.5), RGB(2, 2, 0));  // ties to even
    EXPECT_EQ(TGraphicsProvider::MixColors(clBtnFace, clBlack, 0), ColorToRGB(clBtnFace));
}

TEST(SharedServicesTest, RectanglesTouchAtSharedEdgesAndObjectsArePlaced)
{
    EXPECT_TRUE(TCalcProvider::RectsTouch(Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));
    EXPECT_FALSE(TCalcProvider::RectsTouch(Rect(0, 0, 10, 10), Rect(11, 0, 20, 10)));
    EXPECT_EQ(TCalcProvider::PlaceInRect(5, 5, Rect(0, 0, 10, 10), 2, 2, 0).X, 3);
    const TPoint corner = TCalcProvider::PlaceInRect(4, 6, Rect(10, 20, 50, 60), 1, 1, 2);
    EXPECT_EQ(corner.X, 44);
    EXPECT_EQ(corner.Y, 52);
    EXPECT_EQ(TCalcProvider::PlaceInRect(4, 6, Rect(10, 20, 50, 60), 0, 0, 3).Y, 23);
    EXPECT_EQ(TCalcProvider::Percent(1, 4), 25);
    const TRect moved = TCalcProvider::ResizeRect(Rect(1, 2, 3, 4), 1, 1, -1, 2);
    EXPECT_EQ(moved.Left, 2);
    EXPECT_EQ(moved.Bottom, 6);
    EXPECT_TRUE(MovedBeyond(Point(5, 0), Point(0, 0), 4));
    EXPECT_FALSE(MovedBeyond(Point(4, -4), Point(0, 0), 4));
    int a = 1, b = 2;
    Swap(a, b);
    EXPECT_EQ(a, 2);
}

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() : image(60, 40, QImage::Format_RGB32), canvas(&image) { image.fill(Qt::white); }
    TColor At(int x, int y) { return canvas.Pixel(x, y); }
    QImage image;
    TCanvas canvas;
};

TEST_F(CanvasTest, GradientsRunRowByRowAndColumnByColumn)
{
    TGraphicsProvider::DrawGradientV(canvas, Rect(0, 0, 10, 10), clBlack, RGB(100, 100, 100));
    EXPECT_EQ(At(3, 0), clBlack);
    EXPECT_EQ(At(3, 5), RGB(50, 50, 50));
    EXPECT_EQ(At(3, 9), RGB(90, 90, 90));
    EXPECT_EQ(At(3, 10), clWhite);
    TGraphicsProvider::DrawGradientH(canvas, Rect(20, 0, 30, 10), clBlack, RGB(100, 0, 0));
    EXPECT_EQ(At(25, 4), RGB(50, 0, 0));
}

TEST_F(CanvasTest, ButtonFramesAndSolidFocus)
{
    TGraphicsProvider::DrawButtonFrame(canvas, Rect(0, 0, 20, 20), true);
    EXPECT_EQ(At(0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(19, 10), ColorToRGB(clWindowFrame));
    EXPECT_EQ(At(10, 10), ColorToRGB(clBtnFace));
    TGraphicsProvider::DrawFocus(canvas, Rect(30, 0, 50, 20), true);
    EXPECT_EQ(At(30, 5), ColorToRGB(clHighlight));
    EXPECT_EQ(At(40, 10), clWhite);
}

TEST_F(CanvasTest, OneLineTextsAreAlignedAndTransparent)
{
    canvas.Brush.SetColor(clYellow);
    canvas.FillRect(Rect(0, 0, 60, 40));
    canvas.Font.SetColor(clBlack);
    DrawTextRect(canvas, Rect(0, 0, 60, 20), false, "W", 1);
    bool darkRight = false, darkLeft = false;
    for (int y = 0; y < 20; ++y) {
        darkRight = darkRight || At(55, y) == clBlack || GetRValue(At(55, y)) < 100;
        darkLeft = darkLeft || GetRValue(At(3, y)) < 100;
    }
    EXPECT_TRUE(darkRight);
    EXPECT_FALSE(darkLeft);
    EXPECT_EQ(At(30, 2), clYellow);  // no background drawn
    EXPECT_EQ(canvas.Brush.Style(), bsSolid);
}

// The measured height breaks lines only where the text breaks them, not at the rectangle's width.
TEST_F(CanvasTest, TextRectHeightsCountTheTextsOwnLines)
{
    const int line = WideTextHeight(canvas, "Atlético Mineiro");
    ASSERT_GT(line, 0);
    EXPECT_EQ(WideTextRectHeight(canvas, "Atlético Mineiro de Belo Horizonte", Rect(0, 0, 20, 10)), line);
    EXPECT_EQ(WideTextRectHeight(canvas, "Atlético\nMineiro", Rect(0, 0, 200, 10)), 2 * line);
}

TEST_F(CanvasTest, ThirtyTwoBitBitmapsAreBlendedByTheirAlpha)
{
    canvas.Brush.SetColor(RGB(0, 0, 200));
    canvas.FillRect(Rect(0, 0, 60, 40));
    TBitmap bitmap(2, 1, pf32bit);
    std::uint8_t* row = bitmap.ScanLine(0);
    const std::uint8_t pixels[8] = {0, 0, 255, 255, 0, 0, 255, 0};  // opaque red, clear red (BGRA)
    std::copy(pixels, pixels + 8, row);
    TDrawProvider::DrawBitmap(canvas, 4, 4, bitmap);
    EXPECT_EQ(At(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(At(5, 4), RGB(0, 0, 200));
    row[4 * 1 + 3] = 128;
    DgSharedDraw::DrawBitmap(canvas, 10, 4, bitmap);
    EXPECT_EQ(At(11, 4), TMaskProvider::BlendColor(RGB(255, 0, 0), RGB(0, 0, 200), 128));
}

TEST(SharedServicesTest, WithoutUnicodeTextsPassTheWesternCodePage)
{
    IsUnicode = false;
    EXPECT_EQ(PlatformText("Ação €"), "Ação €");
    EXPECT_EQ(PlatformText("Łódź"), "?ód?");
    IsUnicode = true;
    EXPECT_EQ(PlatformText("Łódź"), "Łódź");
}

}  // namespace
}  // namespace tarvelon
