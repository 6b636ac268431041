// The fill painter: each fill kind probed on a white image, the glossy mirror split, corners,
// border, shadow, pictures, change notification; then the progress and dialog-button painters.
#include <gtest/gtest.h>

#include "controls/gdip_fill.h"
#include "tests/controls/controls_test_support.h"

namespace tarvelon {
namespace {

using test::Near;
using test::Rgb;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x00FF00;

// Whether the channel at `shift` of 0xRRGGBB is strong and the others weak.
bool Mostly(unsigned rgb, int shift)
{
    for (int other = 0; other < 24; other += 8) {
        const unsigned value = (rgb >> other) & 0xFF;
        if (other == shift ? value < 0xE8 : value > 0x70)
            return false;
    }
    return true;
}

class FillTest : public ::testing::Test {
protected:
    FillTest() : image(100, 60, QImage::Format_ARGB32) { image.fill(Qt::white); }
    TGPRectF Paint(TGPRectF rect = {0, 0, 100, 60})
    {
        TGPGraphics graphics(image);
        return fill.Fill(&graphics, rect);
    }
    QImage image;
    TGDIPFill fill;
};

TEST_F(FillTest, DefaultsAreAVerticalSilverGradient)
{
    EXPECT_EQ(fill.Color(), 0xC0C0C0);
    EXPECT_EQ(fill.ColorTo(), 0x808080);
    EXPECT_EQ(fill.ColorMirror(), clNone);
    EXPECT_EQ(fill.GradientType(), gtVertical);
    EXPECT_EQ(fill.GradientMirrorType(), gtSolid);
    EXPECT_EQ(fill.BackGroundPictureMode(), pmOutsideFill);
    EXPECT_EQ(fill.PictureWidth(), 50);
    EXPECT_EQ(fill.BorderColor(), clNone);
    EXPECT_EQ(fill.BorderWidth(), 1);
    EXPECT_EQ(fill.RoundingType(), rtBoth);
    EXPECT_EQ(fill.ShadowColor(), 0x808080);
    EXPECT_EQ(GDIPFillClipboardFormatName(), "GDI+ Fill");
}

TEST_F(FillTest, SolidFillsTheRectangle)
{
    fill.SetGradientType(gtSolid);
    fill.SetColor(kRed);
    fill.SetOpacity(255);
    const TGPRectF done = Paint({10, 10, 50, 30});
    EXPECT_PIXEL(image, 30, 25, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 70, 25, 0xFFFFFFu, 0);
    EXPECT_FLOAT_EQ(done.Width, 50);
    fill.SetOpacity(128);
    image.fill(Qt::white);
    Paint();
    EXPECT_PIXEL(image, 30, 25, 0xFF7F7Fu, 2);
}

TEST_F(FillTest, LinearGradientsRunInTheirDirections)
{
    fill.SetColor(kRed);
    fill.SetColorTo(kBlue);
    struct Case {
        TDcGradientType type;
        int angle;
        QPoint redEnd;
        QPoint blueEnd;
    };
    const Case cases[] = {
        {gtVertical, 0, {50, 1}, {50, 58}},        {gtHorizontal, 0, {1, 30}, {98, 30}},
        {gtForwardDiagonal, 0, {1, 1}, {98, 58}},  {gtBackwardDiagonal, 0, {98, 1}, {1, 58}},
        {gtAngle, 0, {1, 30}, {98, 30}},           {gtAngle, 90, {50, 1}, {50, 58}},
        {gtAngle, 180, {98, 30}, {1, 30}},
    };
    for (const Case& c : cases) {
        fill.SetGradientType(c.type);
        fill.SetAngle(c.angle);
        image.fill(Qt::white);
        Paint();
        SCOPED_TRACE(testing::Message() << "kind " << c.type << " angle " << c.angle);
        // Gamma-corrected: the ends are near their colours, the middle mixes both.
        EXPECT_TRUE(Mostly(Rgb(image, c.redEnd.x(), c.redEnd.y()), 16)) << test::Hex(Rgb(image, c.redEnd.x(), c.redEnd.y()));
        EXPECT_TRUE(Mostly(Rgb(image, c.blueEnd.x(), c.blueEnd.y()), 0)) << test::Hex(Rgb(image, c.blueEnd.x(), c.blueEnd.y()));
        const unsigned middle = Rgb(image, 50, 30);
        EXPECT_GT(middle >> 16, 0x40u);
        EXPECT_GT(middle & 0xFF, 0x40u);
    }
}

TEST_F(FillTest, MissingColoursFallBack)
{
    // No second colour: solid first colour, whatever the kind.
    fill.SetColor(kGreen);
    fill.SetColorTo(clNone);
    fill.SetGradientType(gtHorizontal);
    Paint();
    EXPECT_PIXEL(image, 1, 30, 0x00FF00u, 0);
    EXPECT_PIXEL(image, 98, 30, 0x00FF00u, 0);
    // No first colour: nothing but the border.
    fill.SetColor(clNone);
    fill.SetBorderColor(kBlue);
    image.fill(Qt::white);
    Paint({10, 10, 40, 30});
    EXPECT_PIXEL(image, 30, 25, 0xFFFFFFu, 0);
    EXPECT_PIXEL(image, 10, 25, 0x0000FFu, 0);
    EXPECT_PIXEL(image, 50, 25, 0x0000FFu, 0);
}

TEST_F(FillTest, HatchUsesForeAndBackColours)
{
    fill.SetGradientType(gtHatch);
    fill.SetHatchStyle(HatchStyleCross);
    fill.SetColor(kRed);
    fill.SetColorTo(kBlue);
    Paint();
    int red = 0;
    int blue = 0;
    for (int y = 16; y < 24; ++y) {
        for (int x = 16; x < 24; ++x) {
            red += Rgb(image, x, y) == 0xFF0000u;
            blue += Rgb(image, x, y) == 0x0000FFu;
        }
    }
    EXPECT_EQ(red + blue, 64);
    EXPECT_EQ(red, 15);  // one row and one column of each 8 x 8 cell
}

TEST_F(FillTest, TiledTextureAndPlacedPictures)
{
    fill.SetGradientType(gtTexture);
    fill.SetBackGroundPicturePosition(ppTiled);
    fill.BackGroundPicture().LoadFromStream(test::PngBytes(4, 4, 0x0000FF) /*blue*/);
    TDcGDIPPicture checker;
    checker.LoadFromStream(test::EncodeAs(test::SolidImage(4, 4, 0x0000FF, 0xFF0000), "PNG"));
    fill.SetBackGroundPicture(checker);
    Paint();
    EXPECT_PIXEL(image, 8, 8, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 9, 9, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 10, 10, 0x0000FFu, 0);
    EXPECT_PIXEL(image, 50, 42, 0x0000FFu, 0);

    // A placed background picture with gtTexture: at its own size where the position says.
    fill.SetBackGroundPicturePosition(ppBottomRight);
    image.fill(Qt::white);
    Paint();
    EXPECT_PIXEL(image, 97, 57, 0xFF0000u, 0);   // top-left quarter of the 4 x 4 at (96, 56)
    EXPECT_PIXEL(image, 99, 59, 0x0000FFu, 0);
    EXPECT_PIXEL(image, 50, 30, 0xFFFFFFu, 0);

    // The foreground picture, any kind: centred, or stretched to a custom size.
    fill.SetGradientType(gtSolid);
    fill.SetColor(kGreen);
    fill.Picture().LoadFromStream(test::PngBytes(4, 4, 0xFF00FF));
    fill.SetPicturePosition(ppCenterCenter);
    image.fill(Qt::white);
    Paint();
    EXPECT_PIXEL(image, 49, 29, 0xFF00FFu, 0);
    EXPECT_PIXEL(image, 45, 29, 0x00FF00u, 0);
    fill.SetPictureSize(psCustom);
    fill.SetPictureWidth(20);
    fill.SetPictureHeight(10);
    image.fill(Qt::white);
    Paint();
    EXPECT_PIXEL(image, 42, 26, 0xFF00FFu, 0);
    EXPECT_PIXEL(image, 38, 26, 0x00FF00u, 0);
}

TEST(FillPicturePlacement, EveryPositionRule)
{
    const TRect box = Rect(10, 20, 110, 70);  // 100 x 50
    auto placed = [&](TFillPicturePosition position) { return PlacePicture(box, 10, 6, position, 3, 4); };
    EXPECT_EQ(placed(ppTopLeft), Rect(10, 20, 20, 26));
    EXPECT_EQ(placed(ppTopCenter), Rect(55, 20, 65, 26));
    EXPECT_EQ(placed(ppTopRight), Rect(100, 20, 110, 26));
    EXPECT_EQ(placed(ppBottomLeft), Rect(10, 64, 20, 70));
    EXPECT_EQ(placed(ppBottomCenter), Rect(55, 64, 65, 70));
    EXPECT_EQ(placed(ppBottomRight), Rect(100, 64, 110, 70));
    EXPECT_TRUE(IsRectEmpty(placed(ppTiled)));
    EXPECT_EQ(placed(ppStretched), box);
    EXPECT_EQ(placed(ppCenterLeft), Rect(10, 42, 20, 48));
    EXPECT_EQ(placed(ppCenterCenter), Rect(55, 42, 65, 48));
    EXPECT_EQ(placed(ppCenterRight), Rect(100, 42, 110, 48));
    EXPECT_EQ(placed(ppCustom), Rect(3, 4, 13, 10));  // not relative to the box
}

TEST_F(FillTest, MirrorSplitsTheHeightWithTwoRowsOfOverlap)
{
    fill.SetGradientType(gtSolid);
    fill.SetColor(kRed);
    fill.SetColorMirror(kBlue);
    fill.SetColorMirrorTo(clNone);
    fill.SetOpacityMirror(128);
    Paint({0, 0, 100, 40});
    EXPECT_PIXEL(image, 50, 18, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 50, 19, 0x7F0080u, 2);  // half blue over red: both parts
    EXPECT_PIXEL(image, 50, 20, 0x7F0080u, 2);
    EXPECT_PIXEL(image, 50, 21, 0x7F7FFFu, 2);  // half blue over white: lower part only
    EXPECT_PIXEL(image, 50, 39, 0x7F7FFFu, 2);
    EXPECT_PIXEL(image, 50, 40, 0xFFFFFFu, 0);

    // A linear mirror starts with a solid row of its first colour.
    fill.SetOpacityMirror(255);
    fill.SetGradientMirrorType(gtVertical);
    fill.SetColorMirrorTo(kGreen);
    image.fill(Qt::white);
    Paint({0, 0, 100, 40});
    EXPECT_PIXEL(image, 50, 19, 0x0000FFu, 0);
    EXPECT_TRUE(Mostly(Rgb(image, 50, 39), 8));
}

TEST_F(FillTest, RoundedCornersFollowTheRoundingTypeAndMirrorMapping)
{
    fill.SetGradientType(gtSolid);
    fill.SetColor(kRed);
    fill.SetRounding(10);
    Paint({0, 0, 100, 60});
    EXPECT_PIXEL(image, 1, 1, 0xFFFFFFu, 0);
    EXPECT_PIXEL(image, 98, 58, 0xFFFFFFu, 0);
    EXPECT_PIXEL(image, 10, 10, 0xFF0000u, 0);
    fill.SetRoundingType(rtTop);
    image.fill(Qt::white);
    Paint();
    EXPECT_PIXEL(image, 1, 1, 0xFFFFFFu, 0);
    EXPECT_PIXEL(image, 1, 58, 0xFF0000u, 0);
    fill.SetRoundingType(rtRight);
    image.fill(Qt::white);
    Paint();
    EXPECT_PIXEL(image, 1, 1, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 98, 1, 0xFFFFFFu, 0);
    EXPECT_PIXEL(image, 98, 58, 0xFFFFFFu, 0);
    // A hatch ignores the mirror for splitting, but a mirror colour rounds only the top corners.
    fill.SetRoundingType(rtBoth);
    fill.SetGradientType(gtHatch);
    fill.SetHatchStyle(HatchStyle50Percent);
    fill.SetColorTo(kRed);
    fill.SetColorMirror(kBlue);
    image.fill(Qt::white);
    Paint();
    EXPECT_PIXEL(image, 1, 1, 0xFFFFFFu, 0);
    EXPECT_PIXEL(image, 1, 58, 0xFF0000u, 0);
    EXPECT_PIXEL(image, 50, 50, 0xFF0000u, 0);  // no blue lower part
}

TEST_F(FillTest, RadialUpperPartRunsFromTheTopCentre)
{
    fill.SetGradientType(gtRadial);
    fill.SetColor(kRed);
    fill.SetColorTo(kBlue);
    Paint();
    EXPECT_PIXEL(image, 50, 1, 0x0000FFu, 60);
    EXPECT_PIXEL(image, 1, 58, 0xFF0000u, 10);
}

TEST_F(FillTest, OnePixelHighIsALineInTheBorderColourOnly)
{
    fill.SetGradientType(gtSolid);
    fill.SetColor(kRed);
    fill.SetBorderColor(clBlack);
    Paint({0, 30, 100, 1});
    int dark = 0;
    for (int y = 28; y < 33; ++y) {
        for (int x = 0; x < 100; ++x) {
            const unsigned rgb = Rgb(image, x, y);
            EXPECT_NE(rgb, 0xFF0000u);
            dark += rgb != 0xFFFFFFu;
        }
    }
    EXPECT_GE(dark, 100);
    const TGPRectF inner = fill.InnerRect();
    EXPECT_FLOAT_EQ(inner.X, 1);
}

TEST_F(FillTest, ShadowTakesABandOffTheRightAndBottom)
{
    fill.SetGradientType(gtSolid);
    fill.SetColor(kRed);
    fill.SetShadowColor(clBlack);
    fill.SetShadowOffset(4);
    const TGPRectF done = Paint({0, 0, 60, 50});
    EXPECT_FLOAT_EQ(done.Width, 56);
    EXPECT_FLOAT_EQ(done.Height, 46);
    EXPECT_PIXEL(image, 30, 25, 0xFF0000u, 0);
    const unsigned band = Rgb(image, 57, 25);
    EXPECT_NE(band, 0xFFFFFFu);
    EXPECT_TRUE(Near(band & 0xFF, (band >> 16) & 0xFF, 2)) << test::Hex(band);  // grey, not red
    EXPECT_PIXEL(image, 30, 48, band, 50);
    EXPECT_PIXEL(image, 70, 25, 0xFFFFFFu, 0);
}

TEST(FillChanges, EachChangeNotifiesOnceAndAssignCopiesThroughSetters)
{
    TGDIPFill fill;
    int changes = 0;
    fill.OnChange = [&](TObject*) { ++changes; };
    fill.SetColor(0xC0C0C0);
    fill.SetRounding(0);
    EXPECT_EQ(changes, 0);
    fill.SetColor(kRed);
    EXPECT_EQ(changes, 1);
    fill.Picture().LoadFromStream(test::PngBytes(2, 2, 0));
    EXPECT_EQ(changes, 2);
    fill.BeginUpdate();
    fill.SetColorTo(kBlue);
    fill.EndUpdate();
    EXPECT_EQ(changes, 2);

    TGDIPFill source;
    source.SetColor(kRed);        // same as fill's: no change
    source.SetColorTo(kGreen);    // differs
    source.SetRounding(6);        // differs
    source.SetBorderOpacity(10);  // differs
    TGDIPFill target;
    target.SetColor(kRed);
    int targetChanges = 0;
    target.OnChange = [&](TObject*) { ++targetChanges; };
    target.Assign(source);
    EXPECT_EQ(targetChanges, 5);  // three values, and one notice for each picture
    EXPECT_EQ(target.ColorTo(), kGreen);
    EXPECT_EQ(target.Rounding(), 6);
    EXPECT_EQ(target.BorderOpacity(), 10);
}

// ---- progress painter ----------------------------------------------------------------------------

class ProgressPainterTest : public ::testing::Test {
protected:
    ProgressPainterTest() : image(200, 20, QImage::Format_ARGB32)
    {
        image.fill(Qt::white);
        progress.BackGroundFill().SetGradientType(gtSolid);
        progress.BackGroundFill().SetColor(kBlue);
        progress.ProgressFill().SetGradientType(gtSolid);
        progress.ProgressFill().SetColor(kRed);
    }
    void Draw(double value, double minimum = 0, double maximum = 100)
    {
        image.fill(Qt::white);
        TGPGraphics graphics(image);
        progress.Draw(graphics, Rect(0, 0, 200, 20), minimum, maximum, value);
    }
    QImage image;
    TGDIPProgress progress;
};

TEST_F(ProgressPainterTest, DonePartFollowsTheValue)
{
    Draw(50);
    EXPECT_PIXEL(image, 60, 10, 0xFF0000u, 10);
    EXPECT_PIXEL(image, 140, 10, 0x0000FFu, 10);
    const TGPRectF half = progress.ProgressRect(Rect(0, 0, 200, 20), 0, 100, 50);
    EXPECT_FLOAT_EQ(half.Width, 99.5f);
    // At the minimum no progress fill is painted; above the maximum the bar is full.
    Draw(0);
    EXPECT_PIXEL(image, 5, 10, 0x0000FFu, 30);
    Draw(150);
    EXPECT_PIXEL(image, 190, 10, 0xFF0000u, 30);
    EXPECT_FLOAT_EQ(progress.ProgressRect(Rect(0, 0, 200, 20), 0, 100, 150).Width, 199);
    EXPECT_FLOAT_EQ(progress.ProgressRect(Rect(0, 0, 200, 20), 5, 5, 150).Width, 0);
}

TEST_F(ProgressPainterTest, BordersShrinkTheInsideAndTheDonePart)
{
    progress.BackGroundFill().SetBorderColor(clBlack);
    progress.BackGroundFill().SetBorderWidth(3);
    EXPECT_EQ(progress.InsideRect(Rect(0, 0, 200, 20)), Rect(2, 2, 197, 17));
    progress.BackGroundFill().SetBorderWidth(1);
    EXPECT_EQ(progress.InsideRect(Rect(0, 0, 200, 20)), Rect(1, 1, 198, 18));
    progress.ProgressFill().SetBorderColor(clBlack);
    progress.ProgressFill().SetBorderWidth(2);
    const TGPRectF done = progress.ProgressRect(Rect(0, 0, 200, 20), 0, 100, 100);
    EXPECT_FLOAT_EQ(done.X, 2);
    EXPECT_FLOAT_EQ(done.Y, 2);
    EXPECT_FLOAT_EQ(done.Width, 195);
    EXPECT_FLOAT_EQ(done.Height, 15);
}

TEST_F(ProgressPainterTest, EndsAreShadedAndTheGlassLightensTheTop)
{
    Draw(0);
    const unsigned top = Rgb(image, 100, 2);
    const unsigned middle = Rgb(image, 100, 10);
    EXPECT_GT(top >> 16, middle >> 16);           // glass whitens the upper band
    EXPECT_LT(Rgb(image, 1, 10) & 0xFF, middle & 0xFF);  // the left end is darker
    progress.SetTransparent(true);
    Draw(50);
    EXPECT_PIXEL(image, 150, 10, 0xFFFFFFu, 0);   // no background, no glass
    EXPECT_PIXEL(image, 50, 10, 0xFF0000u, 0);
}

TEST_F(ProgressPainterTest, ValueTextFormatAndFont)
{
    EXPECT_EQ(progress.ValueText(0, 100, 42.4), "42%");
    EXPECT_EQ(progress.ValueText(0, 100, 150), "100%");
    EXPECT_EQ(progress.ValueText(0, 50, 150), "50%");
    progress.SetValueType(vtPercentage);
    EXPECT_EQ(progress.ValueText(0, 50, 25), "50%");
    EXPECT_EQ(progress.ValueText(0, 50, 80), "100%");
    EXPECT_EQ(progress.ValueText(7, 7, 80), "7%");
    EXPECT_EQ(FormatProgressValue("%s%d", 3), "%s%d");  // not one number: shown as it is
    EXPECT_EQ(FormatProgressValue("%5.1f km", 3.14), "  3.1 km");

    progress.SetValueVisible(true);
    progress.SetTransparent(true);
    progress.ProgressFill().SetColor(clNone);
    progress.Font().SetColor(kBlue);
    progress.ProgressFont().SetColor(kGreen);
    progress.Font().SetSize(10);
    progress.ProgressFont().SetSize(10);
    auto count = [&](unsigned rgb, int from, int to) {
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = from; x < to; ++x)
                n += Near(Rgb(image, x, y), rgb, 60);
        return n;
    };
    Draw(90);  // centre over the done part: the progress font
    EXPECT_GT(count(0x00FF00u, 80, 120), 5);
    EXPECT_EQ(count(0x0000FFu, 80, 120), 0);
    Draw(10);
    EXPECT_GT(count(0x0000FFu, 80, 120), 5);
    // Centred over a done part narrower than the text: from the inside's left edge.
    progress.SetValuePosition(vpProgressCenter);
    Draw(2);
    EXPECT_GT(count(0x0000FFu, 0, 25), 5);
    EXPECT_EQ(count(0x0000FFu, 80, 200), 0);
}

TEST(DialogButtonPainter, GlossyBodyFocusFrameAndPictureBesideTheCaption)
{
    QImage image(120, 40, QImage::Format_ARGB32);
    image.fill(Qt::white);
    TGDIPDialogButton button;
    EXPECT_EQ(button.Layout(), blPictureLeft);
    EXPECT_EQ(button.Spacing(), 3);
    int changes = 0;
    button.OnChange = [&](TObject*) { ++changes; };
    button.SetSpacing(3);
    button.SetLayout(blPictureLeft);
    EXPECT_EQ(changes, 0);
    button.Font().SetColor(clBlack);
    EXPECT_EQ(changes, 1);
    TDcGDIPPicture picture;
    picture.LoadFromStream(test::PngBytes(8, 8, 0x00FF00));
    {
        TGPGraphics graphics(image);
        button.Draw(graphics, "&Sim", 0, 0, 120, 40, kBlue, kRed, 2, 255, 255, true, false, &picture, false);
    }
    EXPECT_PIXEL(image, 60, 35, 0x0000FFu, 10);      // lower half: the colour
    EXPECT_GT(Rgb(image, 60, 5) >> 16, 0x30u);        // upper half: whitened
    EXPECT_PIXEL(image, 60, 0, 0xFF0000u, 10);       // focus frame
    int green = 0;
    int greenLeft = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (Rgb(image, x, y) == 0x00FF00u) {
                ++green;
                greenLeft += x < 60;
            }
    EXPECT_EQ(green, 64);
    EXPECT_EQ(greenLeft, 64);
}

}  // namespace
}  // namespace tarvelon
