// Custom-drawn windows keep their picture in a backing image: Paint draws into it clipped to what
// is invalid, the screen shows it, drawing outside Paint reaches the screen too, graphic controls
// draw on their parent's picture, and scrolling moves the picture by a blit.
#include <gtest/gtest.h>

#include <QBitmap>

#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/graphic_control.h"
#include "platform/forms/translucency.h"
#include "platform/graphics/canvas.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::GrabbedPixel;
using test::Pump;

constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kGreen = 0x00FF00;

unsigned PixelOf(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

// Fills its client area with `fill` and a red square at (10, 10, 30, 30); counts its paints and
// keeps the clip of the last one.
class TProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TColor fill = clBlue;
    int paints = 0;
    TRegion lastClip;

protected:
    void Paint() override
    {
        ++paints;
        lastClip = Canvas().ClipRegion();
        Canvas().Brush.SetColor(fill);
        Canvas().FillRect(ClientRect());
        Canvas().Brush.SetColor(clRed);
        Canvas().FillRect(Rect(10, 10, 30, 30));
    }
};

class TGreenBox : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas().Brush.SetColor(clLime);
        Canvas().FillRect(ClientRect());
    }
};

// Each row y is drawn in a colour of its own, so a scroll shows which row went where.
class TStripes : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    static TColor RowColor(int y) { return RGB(y * 2 % 256, 255 - y, 40); }

protected:
    void Paint() override
    {
        for (int y = 0; y < ClientHeight(); ++y) {
            Canvas().Brush.SetColor(RowColor(y));
            Canvas().FillRect(Rect(0, y, ClientWidth(), y + 1));
        }
    }
};

unsigned Rgb(TColor color)
{
    return static_cast<unsigned>(GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color));
}

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 300, 200);
        form->SetColor(clWhite);
        probe = new TProbe(form);
        probe->SetParent(form);
        probe->SetBounds(20, 20, 100, 80);
        form->Show();
        Pump();
        probe->Update();
    }
    void TearDown() override { Free(form); }

    TForm* form = nullptr;
    TProbe* probe = nullptr;
};

TEST_F(PaintTest, PaintDrawsIntoTheBackingImageAndTheScreenShowsIt)
{
    EXPECT_GE(probe->paints, 1);
    EXPECT_EQ(PixelOf(probe->BackingImage(), 15, 15), kRed);
    EXPECT_EQ(PixelOf(probe->BackingImage(), 5, 5), kBlue);
    EXPECT_EQ(GrabbedPixel(probe->Widget(), 15, 15), kRed);
    EXPECT_EQ(GrabbedPixel(probe->Widget(), 50, 50), kBlue);
    // The form's picture holds the control at its place.
    EXPECT_EQ(GrabbedPixel(form->Widget(), 20 + 15, 20 + 15), kRed);
    EXPECT_EQ(GrabbedPixel(form->Widget(), 200, 150), 0xFFFFFFu);
}

TEST_F(PaintTest, InvalidatedRectanglesMakeOnePaintClippedToTheirUnion)
{
    const int before = probe->paints;
    probe->fill = clLime;
    probe->InvalidateRect(Rect(0, 0, 10, 10));
    probe->InvalidateRect(Rect(50, 50, 60, 60));
    EXPECT_EQ(probe->paints, before);  // nothing painted until the paint message comes
    Pump(20);
    EXPECT_EQ(probe->paints, before + 1);
    TRegion expected = TRegion::FromRect(Rect(0, 0, 10, 10));
    expected.Combine(expected, TRegion::FromRect(Rect(50, 50, 60, 60)), RGN_OR);
    EXPECT_TRUE(probe->lastClip == expected);
    // Only the invalid parts took the new colour.
    EXPECT_EQ(PixelOf(probe->BackingImage(), 5, 5), kGreen);
    EXPECT_EQ(PixelOf(probe->BackingImage(), 55, 55), kGreen);
    EXPECT_EQ(PixelOf(probe->BackingImage(), 40, 40), kBlue);
    EXPECT_TRUE(probe->InvalidRegion().IsEmpty());
}

TEST_F(PaintTest, UpdatePaintsAtOnceAndRepaintInvalidatesEverything)
{
    const int before = probe->paints;
    probe->InvalidateRect(Rect(0, 0, 5, 5));
    probe->Update();
    EXPECT_EQ(probe->paints, before + 1);
    probe->Update();  // nothing invalid: no paint
    EXPECT_EQ(probe->paints, before + 1);
    probe->Repaint();
    EXPECT_EQ(probe->paints, before + 2);
    EXPECT_TRUE(probe->lastClip == TRegion::FromRect(probe->ClientRect()));
}

TEST_F(PaintTest, DrawingOutsidePaintReachesTheScreenAndXorRestores)
{
    const int before = probe->paints;
    probe->Canvas().DrawFocusRect(Rect(40, 40, 60, 60));
    Pump(20);
    EXPECT_EQ(probe->paints, before);
    const unsigned onFrame = GrabbedPixel(probe->Widget(), 40, 40);
    EXPECT_NE(onFrame, kBlue);
    EXPECT_EQ(PixelOf(probe->BackingImage(), 40, 40), onFrame);
    probe->Canvas().DrawFocusRect(Rect(40, 40, 60, 60));
    Pump(20);
    EXPECT_EQ(GrabbedPixel(probe->Widget(), 40, 40), kBlue);
    // Pixels read back from the picture.
    EXPECT_EQ(ColorToRGB(probe->Canvas().Pixel(15, 15)), clRed);
}

TEST_F(PaintTest, GraphicControlDrawsOnItsParentsPictureAtItsPlace)
{
    auto* box = new TGreenBox(form);
    box->SetParent(form);
    box->SetBounds(200, 20, 30, 20);
    EXPECT_TRUE(form->InvalidRegion() == TRegion::FromRect(box->BoundsRect()));
    form->Update();
    EXPECT_EQ(PixelOf(form->BackingImage(), 210, 30), kGreen);
    EXPECT_EQ(PixelOf(form->BackingImage(), 235, 30), 0xFFFFFFu);
    EXPECT_EQ(GrabbedPixel(form->Widget(), 201, 21), kGreen);
    // Its canvas outside Paint draws at its place too.
    box->Canvas().SetPixel(0, 0, clRed);
    EXPECT_EQ(PixelOf(form->BackingImage(), 200, 20), kRed);
    // A clip set on its canvas holds for the next drawing calls.
    box->Canvas().SetClipRect(Rect(0, 0, 5, 5));
    box->Canvas().Brush.SetColor(clBlue);
    box->Canvas().FillRect(box->ClientRect());
    EXPECT_EQ(PixelOf(form->BackingImage(), 202, 22), kBlue);
    EXPECT_EQ(PixelOf(form->BackingImage(), 210, 30), kGreen);
    // Invalidating it invalidates its rectangle of the parent.
    form->Update();
    box->Invalidate();
    EXPECT_TRUE(form->InvalidRegion() == TRegion::FromRect(box->BoundsRect()));
}

TEST_F(PaintTest, TransparentControlCopiesItsParentsPictureUnderIt)
{
    struct TSeeThrough : TCustomControl {
        using TCustomControl::TCustomControl;
        void Paint() override { DrawParentBackground(ClientRect()); }
    };
    form->OnPaint = [this](TObject*) {
        form->Canvas().Brush.SetColor(clLime);
        form->Canvas().FillRect(Rect(150, 20, 160, 30));
    };
    auto* glass = new TSeeThrough(form);
    glass->SetParent(form);
    glass->SetBounds(140, 10, 40, 40);
    form->Invalidate();
    form->Update();
    glass->Update();
    EXPECT_EQ(PixelOf(glass->BackingImage(), 15, 15), kGreen);   // the parent's square at (150, 20)
    EXPECT_EQ(PixelOf(glass->BackingImage(), 2, 2), 0xFFFFFFu);  // the parent's white
}

TEST_F(PaintTest, ResizingKeepsThePictureAndInvalidatesTheWholeWindow)
{
    probe->SetBounds(20, 20, 150, 90);
    EXPECT_EQ(probe->BackingImage().width(), 150);
    EXPECT_EQ(probe->BackingImage().height(), 90);
    EXPECT_EQ(PixelOf(probe->BackingImage(), 15, 15), kRed);
    EXPECT_TRUE(probe->InvalidRegion() == TRegion::FromRect(Rect(0, 0, 150, 90)));
}

class ScrollTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(50, 50, 200, 200);
        stripes = new TStripes(form);
        stripes->SetParent(form);
        stripes->SetBounds(0, 0, 100, 100);
        form->Show();
        Pump();
        stripes->Update();
        ASSERT_TRUE(stripes->InvalidRegion().IsEmpty());
    }
    void TearDown() override { Free(form); }

    unsigned Row(int y) { return PixelOf(stripes->BackingImage(), 50, y); }

    TForm* form = nullptr;
    TStripes* stripes = nullptr;
};

TEST_F(ScrollTest, ScrollingUpMovesThePixelsAndInvalidatesOnlyTheBottomStrip)
{
    stripes->ScrollWindow(0, -10);
    EXPECT_EQ(Row(0), Rgb(TStripes::RowColor(10)));
    EXPECT_EQ(Row(89), Rgb(TStripes::RowColor(99)));
    EXPECT_TRUE(stripes->InvalidRegion() == TRegion::FromRect(Rect(0, 90, 100, 100)));
    stripes->Update();
    EXPECT_EQ(Row(95), Rgb(TStripes::RowColor(95)));
    EXPECT_EQ(GrabbedPixel(stripes->Widget(), 50, 0), Rgb(TStripes::RowColor(10)));
}

TEST_F(ScrollTest, ScrollingClippedLeavesWhatLiesOutsideTheClip)
{
    const TRect clip = Rect(0, 20, 100, 100);
    stripes->ScrollWindow(0, 10, nullptr, &clip);
    EXPECT_EQ(Row(5), Rgb(TStripes::RowColor(5)));
    EXPECT_EQ(Row(19), Rgb(TStripes::RowColor(19)));
    EXPECT_EQ(Row(30), Rgb(TStripes::RowColor(20)));
    EXPECT_EQ(Row(99), Rgb(TStripes::RowColor(89)));
    EXPECT_TRUE(stripes->InvalidRegion() == TRegion::FromRect(Rect(0, 20, 100, 30)));
}

TEST_F(ScrollTest, HorizontalScrollInvalidatesTheUncoveredColumn)
{
    stripes->ScrollWindow(15, 0);
    EXPECT_TRUE(stripes->InvalidRegion() == TRegion::FromRect(Rect(0, 0, 15, 100)));
}

TEST_F(ScrollTest, ScrollByMovesTheChildrenWithThePicture)
{
    auto* box = new TGreenBox(form);
    box->SetParent(form);
    box->SetBounds(120, 120, 10, 10);
    auto* window = new TCustomControl(form);
    window->SetParent(form);
    window->SetBounds(150, 150, 10, 10);
    form->Update();
    form->ScrollBy(-5, -7);
    EXPECT_EQ(box->Left(), 115);
    EXPECT_EQ(box->Top(), 113);
    EXPECT_EQ(window->Widget()->geometry(), QRect(145, 143, 10, 10));
    EXPECT_EQ(PixelOf(form->BackingImage(), 116, 114), kGreen);
}

TEST(WindowShapeTest, WindowRegionShapesTheWidget)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 40, 40);
    const TRegion triangle = TRegion::FromPolygon({Point(0, 0), Point(40, 0), Point(0, 40)}, WINDING);
    form.SetWindowRgn(&triangle);
    form.Show();
    EXPECT_TRUE(form.Widget()->mask().contains(QPoint(2, 2)));
    EXPECT_FALSE(form.Widget()->mask().contains(QPoint(38, 38)));
    form.SetWindowRgn(nullptr);
    EXPECT_TRUE(form.Widget()->mask().isEmpty());
}

TEST(LayeredWindowTest, LayeredFormKeepsPerPixelAlpha)
{
    TForm form(nullptr);
    form.SetLayered(true);
    form.SetBorderStyle(bsNone);
    form.Show();
    QImage picture(60, 30, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int x = 0; x < 30; ++x)
        for (int y = 0; y < 30; ++y)
            picture.setPixel(x, y, qRgba(255, 0, 0, 128));
    form.UpdateLayered(picture);
    EXPECT_EQ(form.Width(), 60);
    EXPECT_EQ(form.Height(), 30);
    EXPECT_TRUE(form.Widget()->testAttribute(Qt::WA_TranslucentBackground));
    Pump(20);
    // The fully transparent pixels are no part of the window; the others are shown as the window
    // system can: blended by a compositing manager, else opaque over the windows behind (none here).
    EXPECT_FALSE(form.Widget()->mask().contains(QPoint(45, 10)));
    const QColor shown = form.Widget()->grab().toImage().pixelColor(10, 10);
    if (WindowSystemShowsTranslucency()) {
        EXPECT_EQ(shown.alpha(), 128);
        EXPECT_EQ(shown.red(), 255);
    } else {
        EXPECT_EQ(shown.alpha(), 255);
        EXPECT_NEAR(shown.red(), 128, 2);
    }
}

}  // namespace
}  // namespace tarvelon
