// The canvas's classic drawing rules, probed pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/graphics/canvas.h"

namespace tarvelon {
namespace {

struct CanvasFixture : ::testing::Test {
    QImage image{40, 30, QImage::Format_RGB32};
    TCanvas canvas{&image};
    void SetUp() override { image.fill(Qt::white); }
    TColor At(int x, int y) const { return canvas.Pixel(x, y); }
};

TEST_F(CanvasFixture, FillRectAndRectangleLeaveRightAndBottomEdge)
{
    canvas.Brush.SetColor(clRed);
    canvas.FillRect(Rect(2, 3, 10, 8));
    EXPECT_EQ(At(2, 3), clRed);
    EXPECT_EQ(At(9, 7), clRed);
    EXPECT_EQ(At(10, 7), clWhite);
    EXPECT_EQ(At(9, 8), clWhite);
    EXPECT_EQ(At(1, 3), clWhite);

    canvas.Pen.SetColor(clBlue);
    canvas.Brush.SetColor(clLime);
    canvas.Rectangle(12, 10, 20, 16);
    EXPECT_EQ(At(12, 10), clBlue);
    EXPECT_EQ(At(19, 15), clBlue);
    EXPECT_EQ(At(19, 12), clBlue);
    EXPECT_EQ(At(15, 13), clLime);
    EXPECT_EQ(At(20, 15), clWhite);
    EXPECT_EQ(At(19, 16), clWhite);
}

TEST_F(CanvasFixture, LineToLeavesItsEndPoint)
{
    canvas.Pen.SetColor(clBlack);
    canvas.MoveTo(1, 1);
    canvas.LineTo(10, 1);
    EXPECT_EQ(At(1, 1), clBlack);
    EXPECT_EQ(At(9, 1), clBlack);
    EXPECT_EQ(At(10, 1), clWhite);
    EXPECT_EQ(canvas.PenPos, Point(10, 1));
    canvas.LineTo(10, 8);
    EXPECT_EQ(At(10, 1), clBlack);
    EXPECT_EQ(At(10, 7), clBlack);
    EXPECT_EQ(At(10, 8), clWhite);
}

TEST_F(CanvasFixture, XorLinesTwiceRestore)
{
    canvas.Brush.SetColor(RGB(10, 200, 30));
    canvas.FillRect(Rect(0, 0, 20, 20));
    const QImage before = image.copy();
    canvas.Pen.SetMode(pmXor);
    canvas.Pen.SetColor(clWhite);
    for (int pass = 0; pass < 2; ++pass) {
        canvas.MoveTo(0, 5);
        canvas.LineTo(30, 17);
        canvas.LineTo(3, 25);
        canvas.LineTo(0, 5);
        if (pass == 0) {
            EXPECT_EQ(At(0, 5), RGB(245, 55, 225));
        }
    }
    EXPECT_EQ(image, before);
}

TEST_F(CanvasFixture, WidePenXorTwiceRestores)
{
    const QImage before = image.copy();
    canvas.Pen.SetMode(pmXor);
    canvas.Pen.SetColor(clRed);
    canvas.Pen.SetWidth(3);
    for (int pass = 0; pass < 2; ++pass) {
        canvas.MoveTo(2, 2);
        canvas.LineTo(30, 20);
        if (pass == 0) {
            EXPECT_EQ(At(10, 7) & 0xFF, 0);
            EXPECT_EQ(qAlpha(image.pixel(10, 7)), 255);
        }
    }
    EXPECT_EQ(image, before);
}

TEST_F(CanvasFixture, AssigningPenBrushOrFontKeepsTheCanvasListening)
{
    TBrush clear;
    clear.SetStyle(bsClear);
    canvas.Brush = clear;  // the canvas still hears of it: text becomes transparent
    EXPECT_EQ(canvas.BkMode(), TRANSPARENT);
    TBrush solid;
    solid.SetColor(clYellow);
    canvas.Brush = solid;
    EXPECT_EQ(canvas.BkMode(), OPAQUE);
    EXPECT_EQ(canvas.BkColor(), clYellow);
    TFont red;
    red.SetColor(clRed);
    canvas.Font = red;
    EXPECT_EQ(canvas.TextColor(), clRed);
    int penChanges = 0;
    canvas.Pen.OnChange = [&] { ++penChanges; };
    TPen wide;
    wide.SetWidth(4);
    canvas.Pen = wide;
    EXPECT_EQ(canvas.Pen.Width(), 4);
    EXPECT_EQ(penChanges, 1);
    const TPen copy = canvas.Pen;  // a copy does not call the canvas's listener
    TPen other = copy;
    other.SetColor(clRed);
    EXPECT_EQ(penChanges, 1);
}

TEST_F(CanvasFixture, FocusRectTwiceRestores)
{
    const QImage before = image.copy();
    canvas.DrawFocusRect(Rect(3, 3, 20, 12));
    EXPECT_NE(image, before);
    canvas.DrawFocusRect(Rect(3, 3, 20, 12));
    EXPECT_EQ(image, before);
}
}  // namespace
}  // namespace tarvelon
