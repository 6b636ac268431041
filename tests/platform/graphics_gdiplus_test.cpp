// The anti-aliased drawing layer: brushes put the expected colours at probe points, pens leave
// their gaps, images keep their transparency and colour key, strings follow their format.
#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "platform/graphics/gdiplus.h"
#include "platform/graphics/hatch_patterns.h"

namespace tarvelon {
namespace {

constexpr ARGB kRed = MakeARGB(255, 255, 0, 0);
constexpr ARGB kBlue = MakeARGB(255, 0, 0, 255);
constexpr ARGB kWhite = MakeARGB(255, 255, 255, 255);

struct GdiplusFixture : ::testing::Test {
    QImage image{120, 80, QImage::Format_RGB32};
    TCanvas canvas{&image};
    void SetUp() override { image.fill(Qt::white); }
    QRgb At(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
};

TEST(HatchPatterns, FiftyThreeDistinctPatterns)
{
    std::set<THatchPattern> seen;
    for (int style = 0; style < HatchStyleTotal; ++style)
        seen.insert(HatchPattern(style));
    EXPECT_EQ(seen.size(), 53u);
    // The percentage styles grow darker step by step.
    int previous = 0;
    for (int style = HatchStyle05Percent; style <= HatchStyle90Percent; ++style) {
        int ink = 0;
        for (std::uint8_t row : HatchPattern(style))
            ink += std::popcount(row);
        EXPECT_GT(ink, previous);
        previous = ink;
    }
}

TEST_F(GdiplusFixture, HatchFillFollowsItsPattern)
{
    TGPGraphics graphics(canvas);
    graphics.FillRectangle(TGPHatchBrush(HatchStyleCross, kRed, kBlue), 0, 0, 16, 16);
    EXPECT_EQ(At(0, 0), 0xFF0000u);   // both lines
    EXPECT_EQ(At(5, 0), 0xFF0000u);   // horizontal line
    EXPECT_EQ(At(0, 5), 0xFF0000u);   // vertical line
    EXPECT_EQ(At(3, 3), 0x0000FFu);   // between them
    EXPECT_EQ(At(8, 8), 0xFF0000u);   // the pattern repeats every 8 pixels
    EXPECT_EQ(At(16, 0), 0xFFFFFFu);  // outside
}

TEST_F(GdiplusFixture, LinearGradientsRunFromColourToColour)
{
    TGPGraphics graphics(canvas);
    graphics.FillRectangle(TGPLinearGradientBrush({0, 0, 100, 10}, kRed, kBlue, LinearGradientModeHorizontal), 0, 0, 100, 10);
    EXPECT_GT(qRed(At(1, 5)), 240);
    EXPECT_GT(qBlue(At(98, 5)), 240);
    EXPECT_NEAR(qRed(At(50, 5)), 128, 8);
    EXPECT_NEAR(qBlue(At(50, 5)), 128, 8);

    // Forward diagonal: the other two corners get the middle colour.
    graphics.FillRectangle(TGPLinearGradientBrush({0, 20, 100, 40}, kRed, kBlue, LinearGradientModeForwardDiagonal), 0, 20, 100, 40);
    EXPECT_NEAR(qRed(At(99, 20)), 128, 12);
    EXPECT_NEAR(qRed(At(0, 59)), 128, 12);
    EXPECT_GT(qRed(At(0, 20)), 240);

    // 90 degrees, scalable: the same as vertical.
    graphics.FillRectangle(TGPLinearGradientBrush({0, 62, 40, 16}, kRed, kBlue, 90.0f, true), 0, 62, 40, 16);
    EXPECT_GT(qRed(At(20, 62)), 230);
    EXPECT_GT(qBlue(At(20, 77)), 230);

    // Two points.
    graphics.FillRectangle(TGPLinearGradientBrush(TGPPointF{50, 0}, TGPPointF{110, 0}, kRed, kBlue), 50, 62, 60, 16);
    EXPECT_GT(qRed(At(51, 70)), 240);
    EXPECT_GT(qBlue(At(109, 70)), 235);
}

TEST_F(GdiplusFixture, GammaBlendAndPresetColours)
{
    TGPGraphics graphics(canvas);
    const ARGB black = MakeARGB(255, 0, 0, 0);
    TGPLinearGradientBrush plain({0, 0, 100, 10}, black, kWhite, LinearGradientModeHorizontal);
    TGPLinearGradientBrush gamma({0, 10, 100, 10}, black, kWhite, LinearGradientModeHorizontal);
    gamma.SetGammaCorrection(true);
    graphics.FillRectangle(plain, 0, 0, 100, 10);
    graphics.FillRectangle(gamma, 0, 10, 100, 10);
    EXPECT_GT(qRed(At(50, 15)), qRed(At(50, 5)) + 30);  // light mixes brighter

    TGPLinearGradientBrush blended({0, 20, 100, 10}, black, kWhite, LinearGradientModeHorizontal);
    blended.SetBlend({0.0f, 1.0f, 1.0f}, {0.0f, 0.5f, 1.0f});
    graphics.FillRectangle(blended, 0, 20, 100, 10);
    EXPECT_GT(qRed(At(60, 25)), 245);  // all white past the middle
    EXPECT_NEAR(qRed(At(25, 25)), 128, 10);

    TGPLinearGradientBrush preset({0, 30, 100, 10}, black, black, LinearGradientModeHorizontal);
    preset.SetInterpolationColors({kRed, MakeARGB(255, 0, 255, 0), kBlue}, {0.0f, 0.5f, 1.0f});
    graphics.FillRectangle(preset, 0, 30, 100, 10);
    EXPECT_GT(qGreen(At(50, 35)), 240);
    EXPECT_GT(qRed(At(1, 35)), 240);
}

TEST_F(GdiplusFixture, PathGradientFromCentreToOutline)
{
    TGPGraphics graphics(canvas);
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(10, 10, 60, 40);
    TGPPathGradientBrush brush(ellipse);
    brush.SetCenterColor(kRed);
    brush.SetSurroundColors({kBlue});
    EXPECT_NEAR(brush.CenterPoint().X, 40, 0.5);
    graphics.FillPath(brush, ellipse);
    EXPECT_GT(qRed(At(40, 30)), 235);
    EXPECT_LT(qBlue(At(40, 30)), 20);
    EXPECT_GT(qBlue(At(12, 30)), 200);
    EXPECT_EQ(At(11, 11), 0xFFFFFFu);  // outside the ellipse

    // Filling more than the brush's path paints nothing beyond the path, right up to its edge.
    image.fill(Qt::white);
    graphics.FillRectangle(brush, 0, 0, 120, 80);
    EXPECT_EQ(At(8, 30), 0xFFFFFFu);
    EXPECT_EQ(At(40, 8), 0xFFFFFFu);
    EXPECT_EQ(At(16, 14), 0xFFFFFFu);  // off the ellipse near its corner box
    EXPECT_GT(qBlue(At(12, 30)), 200);

    // The shadow's look: transparent at the outline, solid inside.
    image.fill(Qt::white);
    TGPGraphicsPath box;
    box.AddRectangle({0, 0, 100, 60});
    TGPPathGradientBrush shadow(box);
    shadow.SetInterpolationColors({0, MakeARGB(180, 0, 0, 0), MakeARGB(180, 0, 0, 0)}, {0.0f, 0.1f, 1.0f});
    graphics.FillPath(shadow, box);
    EXPECT_GT(qRed(At(0, 30)), 230);
    EXPECT_NEAR(qRed(At(50, 30)), 75, 8);
}

TEST_F(GdiplusFixture, PensDrawOnWholePixelsAndDashesLeaveGaps)
{
    TGPGraphics graphics(canvas);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.DrawLine(TGPPen(MakeARGB(255, 0, 0, 0), 1), 0, 10, 100, 10);
    EXPECT_EQ(At(50, 10), 0x000000u);
    EXPECT_EQ(At(50, 9), 0xFFFFFFu);
    EXPECT_EQ(At(50, 11), 0xFFFFFFu);

    TGPPen dashed(MakeARGB(255, 0, 0, 0), 1);
    dashed.SetDashStyle(DashStyleDash);
    graphics.SetSmoothingMode(SmoothingModeNone);
    graphics.DrawLine(dashed, 0, 20, 100, 20);
    int ink = 0, runs = 0;
    bool inside = false;
    for (int x = 0; x < 100; ++x) {
        const bool dark = At(x, 20) == 0;
        ink += dark;
        runs += dark && !inside;
        inside = dark;
    }
    EXPECT_NEAR(ink, 75, 4);  // three on, one off
    EXPECT_NEAR(runs, 25, 2);

    TGPPen custom(MakeARGB(255, 0, 0, 0), 2);
    custom.SetDashPattern({1, 4});
    graphics.DrawLine(custom, 0, 30, 100, 30);
    int customInk = 0;
    for (int x = 0; x < 100; ++x)
        customInk += At(x, 30) == 0;
    EXPECT_NEAR(customInk, 20, 4);
}

TEST_F(GdiplusFixture, ImagesWithAlphaColourKeyAndOpacity)
{
    TGPBitmap picture(4, 2);
    for (int x = 0; x < 4; ++x) {
        picture.SetPixel(x, 0, MakeARGB(255, 255, 0, 255));  // the key colour
        picture.SetPixel(x, 1, kBlue);
    }
    picture.SetPixel(0, 1, MakeARGB(0, 0, 0, 255));  // fully transparent
    TGPGraphics graphics(canvas);
    graphics.DrawImage(picture, 10, 10);
    EXPECT_EQ(At(10, 10), 0xFF00FFu);
    EXPECT_EQ(At(10, 11), 0xFFFFFFu);
    EXPECT_EQ(At(11, 11), 0x0000FFu);

    TGPImageAttributes key;
    key.SetColorKey(MakeARGB(0, 250, 0, 250), MakeARGB(255, 255, 5, 255));
    graphics.DrawImage(picture, {20, 10, 4, 2}, 0, 0, 4, 2, UnitPixel, &key);
    EXPECT_EQ(At(21, 10), 0xFFFFFFu);  // key pixels untouched
    EXPECT_EQ(At(21, 11), 0x0000FFu);

    TGPImageAttributes half;
    half.SetOpacity(0.5f);
    graphics.DrawImage(picture, {30, 10, 4, 2}, 0, 0, 4, 2, UnitPixel, &half);
    EXPECT_NEAR(qRed(At(31, 11)), 128, 3);
    EXPECT_EQ(picture.GetPixel(1, 1), kBlue);

    // Stretched to twice the size.
    graphics.SetInterpolationMode(InterpolationModeNearestNeighbor);
    graphics.DrawImage(picture, 40, 10, 8, 4);
    EXPECT_EQ(At(43, 13), 0x0000FFu);
    EXPECT_EQ(At(47, 10), 0xFF00FFu);
}

TEST_F(GdiplusFixture, ClipLimitsEveryFill)
{
    TGPGraphics graphics(canvas);
    graphics.SetClip(TGPRectF{10, 10, 20, 20});
    graphics.FillRectangle(TGPSolidBrush(kRed), 0, 0, 100, 60);
    EXPECT_EQ(At(15, 15), 0xFF0000u);
    EXPECT_EQ(At(5, 15), 0xFFFFFFu);
    EXPECT_EQ(At(30, 15), 0xFFFFFFu);
    TGPGraphicsPath hole;
    hole.AddRectangle({12, 12, 4, 4});
    graphics.SetClip(hole, CombineModeExclude);
    graphics.FillRectangle(TGPSolidBrush(kBlue), 0, 0, 100, 60);
    EXPECT_EQ(At(13, 13), 0xFF0000u);
    EXPECT_EQ(At(20, 20), 0x0000FFu);
    graphics.ResetClip();
    graphics.SetClip(TRegion::FromEllipse(Rect(60, 0, 100, 40)));
    graphics.FillRectangle(TGPSolidBrush(kBlue), 0, 0, 120, 80);
    EXPECT_EQ(At(80, 20), 0x0000FFu);
    EXPECT_EQ(At(61, 1), 0xFFFFFFu);
}

TEST_F(GdiplusFixture, DrawingOnACanvasFollowsItsOriginAndClip)
{
    canvas.SetOrigin({50, 20});
    canvas.SetClipRegion(TRegion::FromRect(Rect(50, 20, 60, 30)));  // image coordinates
    int changes = 0;
    canvas.OnChange = [&] { ++changes; };
    TGPGraphics graphics(canvas);
    graphics.FillRectangle(TGPSolidBrush(kRed), 0, 0, 20, 20);
    EXPECT_EQ(At(50, 20), 0xFF0000u);
    EXPECT_EQ(At(59, 29), 0xFF0000u);
    EXPECT_EQ(At(60, 25), 0xFFFFFFu);
    EXPECT_EQ(At(5, 5), 0xFFFFFFu);
    EXPECT_EQ(changes, 1);
    // Classic drawing and anti-aliased drawing take turns freely.
    canvas.ResetClip();
    canvas.Brush.SetColor(clBlue);
    canvas.FillRect(Rect(0, 0, 2, 2));
    graphics.FillRectangle(TGPSolidBrush(kRed), 1, 0, 1, 1);
    EXPECT_EQ(At(50, 20), 0x0000FFu);
    EXPECT_EQ(At(51, 20), 0xFF0000u);
}

TEST_F(GdiplusFixture, StringsMeasureAndPlaceByTheirFormat)
{
    TGPGraphics graphics(canvas);
    const TGPFont font("Arial", 10);
    EXPECT_EQ(font.Status(), Ok);
    EXPECT_EQ(TGPFont("Fonte Inexistente", 10).Status(), FontFamilyNotFound);
    TGPRectF shortBox, longBox, trailing;
    const TGPStringFormat format;
    graphics.MeasureString("Gol", font, {0, 0, 0, 0}, format, &shortBox);
    graphics.MeasureString("Gol de placa", font, {0, 0, 0, 0}, format, &longBox);
    EXPECT_GT(longBox.Width, shortBox.Width);
    EXPECT_NEAR(shortBox.Height, longBox.Height, 0.01);

    // Trailing blanks count only when the format asks for them.
    TGPRectF blank, counted;
    graphics.MeasureString("Gol ", font, {0, 0, 0, 0}, format, &blank);
    EXPECT_FLOAT_EQ(blank.Width, shortBox.Width);
    graphics.MeasureString("Gol ", font, {0, 0, 0, 0}, TGPStringFormat(StringFormatFlagsMeasureTrailingSpaces), &counted);
    EXPECT_GT(counted.Width, shortBox.Width);

    int lines = 0;
    graphics.MeasureString("O time venceu o campeonato", font, {0, 0, 70, 200}, format, &trailing, nullptr, &lines);
    EXPECT_GE(lines, 3);
    TGPStringFormat noWrap(StringFormatFlagsNoWrap);
    graphics.MeasureString("O time venceu o campeonato", font, {0, 0, 70, 200}, noWrap, &trailing, nullptr, &lines);
    EXPECT_EQ(lines, 1);

    int fitted = 0;
    TGPStringFormat ellipsis(StringFormatFlagsNoWrap);
    ellipsis.SetTrimming(StringTrimmingEllipsisCharacter);
    graphics.MeasureString("Campeonato Brasileiro", font, {0, 0, 60, 20}, ellipsis, &trailing, &fitted);
    EXPECT_LT(fitted, 21);
    EXPECT_LE(trailing.Width, 60.5);

    // Centred in the box; the prefix mark is hidden or shown as asked.
    TGPStringFormat centred;
    centred.SetAlignment(StringAlignmentCenter);
    centred.SetLineAlignment(StringAlignmentCenter);
    centred.SetHotkeyPrefix(HotkeyPrefixShow);
    graphics.DrawString("&Sair", font, {0, 0, 120, 80}, centred, TGPSolidBrush(MakeARGB(255, 0, 0, 0)));
    int left = 120, right = 0, top = 80, bottom = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            if (qGray(At(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_NEAR((left + right) / 2.0, 60, 3);
    EXPECT_NEAR((top + bottom) / 2.0, 40, 5);
    TGPRectF withMark, without;
    graphics.MeasureString("&Sair", font, {0, 0, 0, 0}, centred, &withMark);
    graphics.MeasureString("Sair", font, {0, 0, 0, 0}, centred, &without);
    EXPECT_FLOAT_EQ(withMark.Width, without.Width);
    TGPStringFormat literal;  // no prefix processing: the "&" is drawn
    TGPRectF ampersand;
    graphics.MeasureString("&Sair", font, {0, 0, 0, 0}, literal, &ampersand);
    EXPECT_GT(ampersand.Width, without.Width);
    // The typographic format has no margin around the text.
    TGPRectF tight;
    graphics.MeasureString("Sair", font, {0, 0, 0, 0}, TGPStringFormat::GenericTypographic(), &tight);
    EXPECT_NEAR(without.Width - tight.Width, 2 * font.SizeInPixels() / 6, 0.5);
}

TEST(GdiplusPaths, FiguresJoinAndClose)
{
    TGPGraphicsPath path;
    path.AddLine(0, 0, 10, 0);
    path.AddLine(10, 10, 0, 10);  // joined to the first line's end
    path.CloseFigure();
    EXPECT_TRUE(path.IsVisible(5, 5));
    EXPECT_FALSE(path.IsVisible(15, 5));
    EXPECT_FLOAT_EQ(path.GetBounds().Width, 10);
    // An arc starts where its angle says, clockwise from the x axis.
    TGPGraphicsPath arc;
    arc.AddArc(0, 0, 20, 20, 90, 90);  // from the bottom to the left
    EXPECT_NEAR(arc.LastPoint().X, 0, 0.01);
    EXPECT_NEAR(arc.LastPoint().Y, 10, 0.01);
    TGPGraphicsPath start;
    start.AddArc(0, 0, 20, 20, 90, 0);
    EXPECT_NEAR(start.ToQPainterPath().elementAt(0).x, 10, 0.01);
    EXPECT_NEAR(start.ToQPainterPath().elementAt(0).y, 20, 0.01);
    // Closed figures of their own do not join the open one.
    TGPGraphicsPath two;
    two.AddLine(0, 0, 5, 0);
    two.AddEllipse(20, 20, 10, 10);
    two.AddLine(50, 50, 60, 50);
    EXPECT_FALSE(two.IsVisible(10, 10));
    EXPECT_TRUE(two.IsVisible(25, 25));
    // Winding fills the middle of a doubly wound star; alternate leaves it empty.
    const std::vector<TGPPointF> star = {{20, 0}, {30, 40}, {0, 15}, {40, 15}, {10, 40}};
    TGPGraphicsPath alternate(FillModeAlternate), winding(FillModeWinding);
    alternate.AddPolygon(star);
    winding.AddPolygon(star);
    EXPECT_FALSE(alternate.IsVisible(20, 20));
    EXPECT_TRUE(winding.IsVisible(20, 20));
}

TEST(GdiplusPaths, RegionsCombine)
{
    TGPRegion region(TGPRectF{0, 0, 10, 10});
    region.Union(TGPRegion(TGPRectF{20, 0, 10, 10}));
    EXPECT_TRUE(region.IsVisible(25, 5));
    region.Exclude(TGPRegion(TGPRectF{0, 0, 5, 10}));
    EXPECT_FALSE(region.IsVisible(2, 5));
    EXPECT_TRUE(region.IsVisible(7, 5));
    region.Xor(TGPRegion(TGPRectF{5, 0, 20, 10}));
    EXPECT_FALSE(region.IsVisible(7, 5));
    EXPECT_TRUE(region.IsVisible(15, 5));
    EXPECT_TRUE(region.IsVisible(27, 5));
    TGPRegion everything;
    EXPECT_TRUE(everything.IsInfinite());
    EXPECT_TRUE(everything.IsVisible(-5000, 5000));
    everything.MakeEmpty();
    EXPECT_FALSE(everything.IsVisible(0, 0));
}

TEST_F(GdiplusFixture, MoreGradientShapes)
{
    TGPGraphics graphics(canvas);
    // Backward diagonal: colour 1 at the top-right corner.
    graphics.FillRectangle(TGPLinearGradientBrush({0, 0, 100, 40}, kRed, kBlue, LinearGradientModeBackwardDiagonal), 0, 0, 100, 40);
    EXPECT_GT(qRed(At(99, 0)), 240);
    EXPECT_GT(qBlue(At(0, 39)), 240);
    EXPECT_NEAR(qRed(At(0, 0)), 128, 12);
    // 45 degrees not scaled: perpendicular bands at 45 degrees, colour 1 at the top-left corner.
    image.fill(Qt::white);
    graphics.FillRectangle(TGPLinearGradientBrush({0, 0, 100, 40}, kRed, kBlue, 45.0f, false), 0, 0, 100, 40);
    EXPECT_GT(qRed(At(0, 0)), 240);
    EXPECT_GT(qBlue(At(99, 39)), 240);
    EXPECT_NEAR(qRed(At(30, 10)), qRed(At(10, 30)), 6);  // same band
    // Path gradient with one colour per corner of a square.
    image.fill(Qt::white);
    TGPGraphicsPath square;
    square.AddPolygon({{0, 0}, {60, 0}, {60, 60}, {0, 60}});
    TGPPathGradientBrush corners(square);
    corners.SetCenterColor(kWhite);
    corners.SetSurroundColors({kRed, kRed, kBlue, kBlue});
    graphics.FillPath(corners, square);
    EXPECT_GT(qRed(At(30, 1)), 200);   // the top edge runs red to red
    EXPECT_LT(qBlue(At(30, 1)), 40);
    EXPECT_GT(qBlue(At(30, 58)), 200);  // the bottom one blue to blue
    EXPECT_GT(qGreen(At(30, 30)), 230); // white in the middle
}

TEST_F(GdiplusFixture, ColourMatrixAndWideCaps)
{
    TGPBitmap picture(2, 1);
    picture.SetPixel(0, 0, MakeARGB(255, 200, 100, 50));
    picture.SetPixel(1, 0, MakeARGB(255, 10, 20, 30));
    TGPImageAttributes swap;
    TColorMatrix matrix{};
    matrix[0][2] = 1;  // red into blue
    matrix[2][0] = 1;  // blue into red
    matrix[1][1] = 1;
    matrix[3][3] = 1;
    swap.SetColorMatrix(matrix);
    const QImage swapped = swap.Apply(picture.Pixels());
    EXPECT_EQ(swapped.pixel(0, 0), qRgb(50, 100, 200));

    TGPGraphics graphics(canvas);
    TGPPen round(MakeARGB(255, 0, 0, 0), 8);
    round.SetLineCap(LineCapRound, LineCapRound, LineCapFlat);
    graphics.DrawLine(round, 20, 20, 60, 20);
    EXPECT_EQ(At(17, 20), 0x000000u);  // the round cap reaches past the end
    TGPPen flat(MakeARGB(255, 0, 0, 0), 8);
    graphics.DrawLine(flat, 20, 50, 60, 50);
    EXPECT_EQ(At(17, 50), 0xFFFFFFu);
    EXPECT_EQ(At(21, 50), 0x000000u);
}

TEST(GdiplusImages, DecodedFilesReportFormatAndSize)
{
    QImage source(5, 3, QImage::Format_RGB32);
    source.fill(qRgb(10, 200, 30));
    TBitmap bitmap;
    bitmap.AssignImage(source);
    const TBytes bmp = bitmap.SaveToBytes();
    const TGPImage image = TGPImage::FromBytes(bmp);
    EXPECT_EQ(image.Status(), Ok);
    EXPECT_EQ(image.RawFormat(), TImageFormat::Bmp);
    EXPECT_EQ(image.Width(), 5);
    EXPECT_EQ((image.PixelFormat() >> 8) & 0xFF, 24);
    EXPECT_EQ(image.GetPixel(4, 2), MakeARGB(255, 10, 200, 30));
    EXPECT_NE(TGPImage::FromBytes(TBytes{1, 2, 3}).Status(), Ok);

    // Rows of pixels in, a bitmap out.
    const std::uint8_t rows[2 * 8] = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 255, 9, 9, 9, 0};
    TGPBitmap fromRows(2, 2, 8, PixelFormat32bppARGB, rows);
    EXPECT_EQ(fromRows.GetPixel(0, 0), MakeARGB(255, 0, 0, 255));
    EXPECT_EQ(AlphaOf(fromRows.GetPixel(1, 0)), 128);
    TBitmap flat;
    fromRows.ToBitmap(flat, clWhite);
    EXPECT_EQ(flat.Canvas().Pixel(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(flat.Canvas().Pixel(1, 1), clWhite);
}

}  // namespace
}  // namespace tarvelon
