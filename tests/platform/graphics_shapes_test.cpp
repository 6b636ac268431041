// Regions and clipping, the drawing origin, edges, frame controls, themes, fonts, metrics,
// bitmaps and image lists.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <algorithm>
#include <QImage>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/font_faces.h"
#include "platform/graphics/image_list.h"
#include "platform/graphics/system_metrics.h"
#include "platform/graphics/themes.h"

namespace tarvelon {
namespace {

struct ShapesFixture : ::testing::Test {
    QImage image{60, 40, QImage::Format_RGB32};
    TCanvas canvas{&image};
    void SetUp() override { image.fill(Qt::white); }
    TColor At(int x, int y) const { return canvas.Pixel(x, y); }
};

TEST(Geometry, RectangleHelpers)
{
    TRect r = Rect(0, 0, 10, 10);
    EXPECT_TRUE(PtInRect(r, Point(9, 9)));
    EXPECT_FALSE(PtInRect(r, Point(10, 5)));
    TRect common;
    EXPECT_TRUE(IntersectRect(common, r, Rect(5, 5, 20, 20)));
    EXPECT_EQ(common, Rect(5, 5, 10, 10));
    EXPECT_FALSE(IntersectRect(common, r, Rect(10, 0, 20, 10)));
    EXPECT_TRUE(IsRectEmpty(common));
    InflateRect(r, 2, 1);
    EXPECT_EQ(r, Rect(-2, -1, 12, 11));
    OffsetRect(r, 2, 1);
    EXPECT_EQ(r, Rect(0, 0, 14, 12));
    TRect both;
    UnionRect(both, Rect(0, 0, 2, 2), Rect(5, 5, 6, 8));
    EXPECT_EQ(both, Rect(0, 0, 6, 8));
    EXPECT_EQ(Bounds(3, 4, 5, 6), Rect(3, 4, 8, 10));
}

TEST_F(ShapesFixture, RegionsCombineAndClip)
{
    TRegion left = TRegion::FromRect(Rect(0, 0, 30, 40));
    TRegion disc = TRegion::FromEllipse(Rect(20, 0, 60, 40));
    TRegion both;
    both.Combine(left, disc, RGN_AND);
    EXPECT_TRUE(both.Contains(25, 20));
    EXPECT_FALSE(both.Contains(10, 20));
    TRegion either;
    either.Combine(left, disc, RGN_OR);
    EXPECT_TRUE(either.Contains(10, 20));
    EXPECT_TRUE(either.Contains(50, 20));
    TRegion diff;
    diff.Combine(left, disc, RGN_DIFF);
    EXPECT_FALSE(diff.Contains(25, 20));
    EXPECT_TRUE(diff.Contains(5, 5));
    const TRegion triangle = TRegion::FromPolygon({{0, 0}, {40, 0}, {0, 40}});
    EXPECT_TRUE(triangle.Contains(5, 5));
    EXPECT_FALSE(triangle.Contains(35, 35));

    canvas.SetClipRegion(triangle);
    canvas.Brush.SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 60, 40));
    canvas.Pen.SetColor(clBlue);
    canvas.MoveTo(0, 30);
    canvas.LineTo(60, 30);
    EXPECT_EQ(At(5, 5), clRed);
    EXPECT_EQ(At(35, 35), clWhite);
    EXPECT_EQ(At(2, 30), clBlue);
    EXPECT_EQ(At(50, 30), clWhite);
    EXPECT_EQ(canvas.ClipRect(), triangle.BoundingBox());
    canvas.IntersectClipRect(Rect(0, 0, 4, 4));
    canvas.Brush.SetColor(clLime);
    canvas.FillRect(Rect(0, 0, 60, 40));
    EXPECT_EQ(At(2, 2), clLime);
    EXPECT_EQ(At(6, 6), clRed);
    canvas.ResetClip();
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 60, 40));
}

TEST_F(ShapesFixture, ExcludedRectanglesHalftoneAndWidePens)
{
    canvas.ExcludeClipRect(Rect(10, 10, 20, 20));
    canvas.Brush.SetPattern(HalftonePattern(clBtnHighlight, clScrollBar));
    canvas.FillRect(Rect(0, 0, 30, 30));
    EXPECT_EQ(At(15, 15), clWhite);  // excluded
    EXPECT_EQ(At(2, 2), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(3, 2), ColorToRGB(clScrollBar));
    EXPECT_EQ(At(3, 3), ColorToRGB(clBtnHighlight));
    canvas.ResetClip();
    canvas.Brush.SetPattern(QImage());
    canvas.Brush.SetColor(clYellow);

    canvas.Pen.SetWidth(3);
    canvas.Pen.SetStyle(psInsideFrame);
    canvas.Rectangle(35, 5, 55, 25);
    EXPECT_EQ(At(35, 10), clBlack);
    EXPECT_EQ(At(37, 10), clBlack);
    EXPECT_EQ(At(38, 10), clYellow);
    EXPECT_EQ(At(54, 24), clBlack);
    EXPECT_EQ(At(55, 24), clWhite);
    EXPECT_EQ(At(34, 10), clWhite);
    canvas.Pen.SetStyle(psSolid);
    canvas.Rectangle(35, 30, 55, 38);
    EXPECT_EQ(At(34, 34), clBlack);  // a solid wide pen is centred on the outline
    EXPECT_EQ(At(33, 34), clWhite);
}

TEST_F(ShapesFixture, OriginMovesDrawingButNotTheImageClip)
{
    canvas.SetOrigin({20, 10});
    canvas.Brush.SetColor(clBlue);
    canvas.FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(canvas.Pixel(0, 0), clBlue);
    EXPECT_EQ(image.pixel(20, 10) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    canvas.SetClipRegion(TRegion::FromRect(Rect(0, 0, 22, 40)));  // image coordinates
    canvas.Brush.SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(image.pixel(21, 12) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(23, 12) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(canvas.ClipRect(), Rect(-20, -10, 2, 30));
    canvas.SetOrigin({0, 0});
    canvas.SetPixel(59, 39, clBlack);
    EXPECT_EQ(At(59, 39), clWhite);  // outside the clip
    canvas.ResetClip();
    canvas.SetPixel(59, 39, clBlack);
    EXPECT_EQ(At(59, 39), clBlack);
    EXPECT_EQ(At(60, 0), clNone);
}

TEST_F(ShapesFixture, CopyDrawAndStretch)
{
    canvas.Brush.SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 4, 4));
    canvas.CopyRect(Rect(10, 10, 18, 18), canvas, Rect(0, 0, 4, 4));
    EXPECT_EQ(At(17, 17), clRed);
    EXPECT_EQ(At(18, 18), clWhite);
    canvas.CopyMode = cmSrcInvert;
    canvas.CopyRect(Rect(10, 10, 14, 14), canvas, Rect(0, 0, 4, 4));
    EXPECT_EQ(At(11, 11), clBlack);  // red xor red

    TBitmap bitmap(4, 2);
    bitmap.Canvas().Brush.SetColor(clLime);
    bitmap.Canvas().FillRect(Rect(0, 0, 4, 2));
    bitmap.Canvas().SetPixel(0, 1, clFuchsia);  // bottom-left: the automatic transparent colour
    bitmap.Canvas().SetPixel(3, 0, clFuchsia);
    bitmap.SetTransparent(true);
    canvas.Draw(30, 30, bitmap);
    EXPECT_EQ(At(31, 30), clLime);
    EXPECT_EQ(At(33, 30), clWhite);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    canvas.StretchDraw(Rect(40, 30, 48, 34), bitmap);
    EXPECT_EQ(At(42, 30), clLime);
    EXPECT_EQ(At(47, 30), clWhite);
}

TEST_F(ShapesFixture, BitmapRowsAndFormats)
{
    TBitmap bitmap(3, 2);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    bitmap.Canvas().Brush.SetColor(RGB(10, 20, 30));
    bitmap.Canvas().FillRect(Rect(0, 0, 3, 2));
    const std::uint8_t* row = bitmap.ScanLine(1);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row[0], 30);  // blue, green, red
    EXPECT_EQ(row[1], 20);
    EXPECT_EQ(row[2], 10);
    EXPECT_EQ(bitmap.ScanLine(2), nullptr);
    bitmap.ScanLine(0)[3 * 2 + 2] = 255;
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), RGB(255, 20, 30));

    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(bitmap.ScanLine(0)[3], 255);  // opaque
    EXPECT_EQ(bitmap.ScanLine(1)[4], 30);
    bitmap.SetSize(5, 3);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(bitmap.Canvas().Pixel(4, 2), clWhite);

    TBitmap copy;
    ASSERT_TRUE(copy.LoadFromBytes(bitmap.SaveToBytes()));
    EXPECT_EQ(copy.Width(), 5);
    EXPECT_EQ(copy.Canvas().Pixel(0, 0), RGB(10, 20, 30));
    EXPECT_FALSE(copy.LoadFromBytes(TBytes{'B', 'M', 0}));
    EXPECT_TRUE(copy.Empty());
}

TEST_F(ShapesFixture, AlphaOfThirtyTwoBitBitmapsCountsOnlyWhenDefined)
{
    TBitmap bitmap(2, 1, pf32bit);
    std::uint8_t* row = bitmap.ScanLine(0);
    const std::uint8_t pixels[8] = {0, 0, 255, 0, 0, 0, 255, 255};  // red, alpha 0 then 255
    std::copy(pixels, pixels + 8, row);
    canvas.Draw(0, 0, bitmap);
    EXPECT_EQ(At(0, 0), clRed);  // afIgnored: drawn opaque
    bitmap.SetAlphaFormat(afDefined);
    canvas.Draw(0, 1, bitmap);
    EXPECT_EQ(At(0, 1), clWhite);
    EXPECT_EQ(At(1, 1), clRed);
}

TEST_F(ShapesFixture, EdgesUseTheSystemColoursAndAdjust)
{
    TRect rect = Rect(2, 2, 22, 12);
    DrawEdge(canvas, rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_EQ(rect, Rect(4, 4, 20, 10));
    EXPECT_EQ(At(2, 5), ColorToRGB(cl3DLight));
    EXPECT_EQ(At(21, 5), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(At(3, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(20, 5), ColorToRGB(clBtnShadow));
    rect = Rect(30, 2, 50, 12);
    DrawEdge(canvas, rect, EDGE_SUNKEN, BF_TOP | BF_MIDDLE);
    EXPECT_EQ(At(35, 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(35, 3), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(At(35, 8), ColorToRGB(clBtnFace));
    EXPECT_EQ(rect, Rect(30, 2, 50, 12));

    TRect button = Rect(2, 20, 19, 37);
    DrawFrameControl(canvas, button, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_ADJUSTRECT);
    EXPECT_EQ(button, Rect(4, 22, 17, 35));
    EXPECT_EQ(At(10, 28), ColorToRGB(clBtnText));  // the arrow in the middle
    TRect check = Rect(30, 20, 43, 33);
    DrawFrameControl(canvas, check, DFC_BUTTON, DFCS_BUTTONCHECK);
    EXPECT_EQ(At(36, 26), ColorToRGB(clWindow));
    DrawFrameControl(canvas, check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    EXPECT_EQ(At(36, 28), ColorToRGB(clWindowText));
}

TEST_F(ShapesFixture, ThemedPartsDrawAndTheSwitchHolds)
{
    EXPECT_TRUE(IsThemed());
    SetThemed(false);
    EXPECT_FALSE(IsThemed());
    SetThemed(true);
    EXPECT_TRUE(DrawThemeBackground(canvas, "Button", BP_PUSHBUTTON, PBS_PRESSED, Rect(0, 0, 40, 20)));
    EXPECT_NE(At(20, 10), clWhite);
    EXPECT_TRUE(DrawThemeBackground(canvas, "listview", LVP_LISTITEM, LISS_SELECTED, Rect(0, 25, 40, 35)));
    EXPECT_EQ(At(20, 30), ColorToRGB(clHighlight));
    EXPECT_FALSE(DrawThemeBackground(canvas, "window", 1, 1, Rect(0, 0, 10, 10)));
    EXPECT_FALSE(DrawThemeBackground(canvas, "button", 99, 1, Rect(0, 0, 10, 10)));
    for (const char* themeClass : {"scrollbar", "combobox", "spin", "edit", "header", "treeview"})
        EXPECT_TRUE(DrawThemeBackground(canvas, themeClass, themeClass == std::string("treeview") ? TVP_GLYPH : 1, 1,
                                        Rect(42, 0, 60, 18)))
            << themeClass;
}

// A disabled checked box shows its tick greyed, not in the enabled text colour.
TEST_F(ShapesFixture, ADisabledThemedTickIsGreyed)
{
    const auto darkest = [this](int left) {
        int darkest = 255 * 3;
        for (int y = 2; y < 16; ++y)
            for (int x = left + 2; x < left + 16; ++x) {
                const TColor c = At(x, y);
                darkest = std::min(darkest, GetRValue(c) + GetGValue(c) + GetBValue(c));
            }
        return darkest;
    };
    ASSERT_TRUE(DrawThemeBackground(canvas, "button", BP_CHECKBOX, CBS_CHECKEDNORMAL, Rect(0, 0, 18, 18)));
    ASSERT_TRUE(DrawThemeBackground(canvas, "button", BP_CHECKBOX, CBS_CHECKEDDISABLED, Rect(30, 0, 48, 18)));
    EXPECT_LT(darkest(0), 120);
    EXPECT_GT(darkest(30), 200) << "the tick of a disabled box is drawn as dark as an enabled one";
}

TEST(Fonts, SizesFacesAndChanges)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    EXPECT_EQ(font.Size(), 10);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
    font.SetSize(12);  // no change: same height
    EXPECT_EQ(changes, 2);
    font.SetStyle({fsBold, fsUnderline});
    EXPECT_TRUE(font.Style().Contains(fsUnderline));
    EXPECT_FALSE(font.Style().Contains(fsItalic));
    TFont other;
    other.Assign(font);
    EXPECT_TRUE(other.SameAs(font));

    EXPECT_EQ(ResolveFontFamily("arial"), "Liberation Sans");
    EXPECT_EQ(ResolveFontFamily("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(ResolveFontFamily("Courier New"), "Liberation Mono");
    for (const char* face : {"Tahoma", "Verdana", "Segoe UI", "Symbol", "Arial Black"})
        EXPECT_EQ(ResolveFontFamily(face), "DejaVu Sans") << face;
    EXPECT_EQ(ResolveFontFamily("Fonte Inexistente"), "Liberation Sans");
    font.SetName("Arial");
    const QFont qt = font.ToQFont();
    EXPECT_EQ(qt.pixelSize(), 16);
    EXPECT_TRUE(qt.bold());
    EXPECT_TRUE(qt.underline());
    EXPECT_EQ(QFontInfo(qt).family(), "Liberation Sans");
}

TEST(SystemMetrics, FixedPartsAndTheScreen)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 17);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    EXPECT_GT(GetSystemMetrics(SM_CYSCREEN), 0);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ToQColor(clHighlight), QColor(0, 120, 215));
}

TEST(ImageLists, StripsMasksAndDisabledLook)
{
    TBitmap strip(48, 16);
    strip.Canvas().Brush.SetColor(clFuchsia);
    strip.Canvas().FillRect(Rect(0, 0, 48, 16));
    strip.Canvas().Brush.SetColor(clRed);
    strip.Canvas().FillRect(Rect(4, 4, 12, 12));
    strip.Canvas().Brush.SetColor(clBlue);
    strip.Canvas().FillRect(Rect(20, 4, 28, 12));
    TImageList list(16, 16);
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(changes, 1);

    QImage target(40, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    TCanvas canvas(&target);
    list.Draw(canvas, 0, 0, 1, true);
    EXPECT_EQ(canvas.Pixel(8, 8), clBlue);
    EXPECT_EQ(canvas.Pixel(1, 1), clWhite);  // masked
    list.Draw(canvas, 20, 0, 0, false);
    const TColor greyed = canvas.Pixel(28, 8);
    EXPECT_EQ(GetRValue(greyed), GetGValue(greyed));
    EXPECT_GT(GetRValue(greyed), 128);
    list.Draw(canvas, 0, 0, 7, true);  // out of range: nothing
    EXPECT_EQ(canvas.Pixel(8, 8), clBlue);

    TBitmap one;
    EXPECT_TRUE(list.GetBitmap(0, one));
    EXPECT_EQ(one.Width(), 16);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    list.SetSize(24, 18);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

TEST(Blits, RasterOperationsAndMulDiv)
{
    QImage from(4, 4, QImage::Format_RGB32), to(8, 8, QImage::Format_RGB32);
    from.fill(qRgb(255, 255, 255));
    to.fill(qRgb(0, 0, 255));
    TCanvas source(&from), dest(&to);
    ASSERT_TRUE(BitBlt(dest, 0, 0, 4, 4, source, 0, 0, SRCINVERT));
    EXPECT_EQ(dest.Pixel(1, 1), RGB(255, 255, 0));
    EXPECT_EQ(dest.Pixel(5, 5), clBlue);
    ASSERT_TRUE(BitBlt(dest, 0, 0, 4, 4, source, 0, 0, SRCINVERT));
    EXPECT_EQ(dest.Pixel(1, 1), clBlue);
    ASSERT_TRUE(StretchBlt(dest, 0, 0, 8, 8, source, 0, 0, 4, 4, SRCCOPY));
    EXPECT_EQ(dest.Pixel(7, 7), clWhite);
    ASSERT_TRUE(BitBlt(dest, 2, 2, 2, 2, source, 0, 0, BLACKNESS));
    EXPECT_EQ(dest.Pixel(3, 3), clBlack);
    EXPECT_EQ(dest.Brush.Color(), clWhite);
    EXPECT_FALSE(BitBlt(dest, 0, 0, 1, 1, source, 0, 0, 0x12345678));

    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(-8, 96, 72), -11);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

}  // namespace
}  // namespace tarvelon
