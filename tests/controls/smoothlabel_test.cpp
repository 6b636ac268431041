// The smooth label: its caption drawn with its own brush at its place, the shadow caption, the
// fill, and the change signalling, probed on the form's picture.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/dc_smooth_label.h"
#include "platform/forms/form.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

struct Box {
    int left = 10000, top = 10000, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    int CentreX() const { return (left + right) / 2; }
};

// Bounding box of the pixels of the label's area that pass the test.
template <typename Test>
Box PixelsWhere(const QImage& image, const TRect& area, Test test)
{
    Box box;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (test(QColor(image.pixel(x, y)))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

bool Reddish(const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }
bool Bluish(const QColor& c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; }
bool Dark(const QColor& c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; }

class SmoothLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(40, 40, 400, 200);
        form->SetColor(clWhite);
        label = new TDcSmoothLabel(form);
        label->SetParent(form);
        label->SetBounds(20, 20, 280, 50);
        label->Caption().Font().SetName("Arial");
        label->Caption().Font().SetStyle(TFontStyles{fsBold});
        label->Caption().SetText("Clube Aurora");
        form->Show();
        test::Pump();
    }
    void TearDown() override { delete form; }

    const QImage& Picture()
    {
        form->Update();
        return form->BackingImage();
    }
    TRect Area() const { return label->BoundsRect(); }

    TForm* form = nullptr;
    TDcSmoothLabel* label = nullptr;
};

TEST_F(SmoothLabelTest, DefaultsAsCreated)
{
    TDcSmoothLabel fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 280);
    EXPECT_EQ(fresh.Height(), 50);
    EXPECT_TRUE(fresh.Transparent());
    EXPECT_FALSE(fresh.WordWrap());
    EXPECT_EQ(fresh.Caption().Font().Name(), "Tahoma");
    EXPECT_EQ(fresh.Caption().Font().Size(), 20);
    EXPECT_EQ(fresh.Caption().ColorStart(), 0xFFE09F);
    EXPECT_EQ(fresh.Caption().ColorEnd(), 0x754F00);
    EXPECT_EQ(fresh.Caption().Location(), plCenterCenter);
    EXPECT_EQ(fresh.CaptionShadowOffsetLeft(), 1);
    EXPECT_EQ(fresh.Version(), "1.5.0.0");
}

TEST_F(SmoothLabelTest, SolidCaptionIsCentredInItsColour)
{
    label->Caption().SetGradientType(gtSolid);
    label->Caption().SetColorStart(0x0000FF);
    const Box red = PixelsWhere(Picture(), Area(), Reddish);
    ASSERT_FALSE(red.Empty());
    EXPECT_NEAR(red.CentreX(), 20 + 140, 8);
    // The transparent label shows the form around the text.
    EXPECT_EQ(Picture().pixel(22, 22) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(SmoothLabelTest, VerticalGradientRunsOverTheLettersOwnHeight)
{
    label->Caption().SetColorStart(0x0000FF);
    label->Caption().SetColorEnd(0xFF0000);
    const QImage& image = Picture();
    const Box red = PixelsWhere(image, Area(), Reddish);
    const Box blue = PixelsWhere(image, Area(), Bluish);
    ASSERT_FALSE(red.Empty());
    ASSERT_FALSE(blue.Empty());
    EXPECT_LT(red.top, blue.top);
    EXPECT_LT(red.bottom, blue.bottom);

    label->Caption().SetColorEnd(clNone);
    EXPECT_TRUE(PixelsWhere(Picture(), Area(), Bluish).Empty());
    EXPECT_FALSE(PixelsWhere(Picture(), Area(), Reddish).Empty());
}

TEST_F(SmoothLabelTest, PlacesFollowTheLocation)
{
    label->Caption().SetGradientType(gtSolid);
    label->Caption().SetColorStart(0x0000FF);
    label->Caption().SetLocation(plTopLeft);
    const Box topLeft = PixelsWhere(Picture(), Area(), Reddish);
    label->Caption().SetLocation(plBottomRight);
    const Box bottomRight = PixelsWhere(Picture(), Area(), Reddish);
    EXPECT_LT(topLeft.left, 20 + 12);
    EXPECT_GT(bottomRight.right, 20 + 280 - 14);
    EXPECT_GT(bottomRight.top, topLeft.top);
    label->Caption().SetLocation(plCustom);
    label->Caption().SetLeft(100);
    label->Caption().SetTop(0);
    const Box custom = PixelsWhere(Picture(), Area(), Reddish);
    EXPECT_NEAR(custom.left, 20 + 100, 6);
}

TEST_F(SmoothLabelTest, ShadowCaptionIsDrawnFirstAtItsOffsetOnlyWithText)
{
    label->Caption().SetGradientType(gtSolid);
    label->Caption().SetColorStart(0x0000FF);
    label->CaptionShadow().SetGradientType(gtSolid);
    label->CaptionShadow().SetColorStart(clBlack);
    label->CaptionShadow().Font().SetName("Arial");
    label->CaptionShadow().Font().SetStyle(TFontStyles{fsBold});
    label->SetCaptionShadowVisible(true);
    EXPECT_TRUE(PixelsWhere(Picture(), Area(), Dark).Empty());  // no shadow text yet
    label->CaptionShadow().SetText("Clube Aurora");
    label->SetCaptionShadowOffsetLeft(3);
    label->SetCaptionShadowOffsetTop(3);
    const Box shadow = PixelsWhere(Picture(), Area(), Dark);
    const Box text = PixelsWhere(Picture(), Area(), Reddish);
    ASSERT_FALSE(shadow.Empty());
    EXPECT_NEAR(shadow.right - text.right, 3, 1);
    EXPECT_NEAR(shadow.bottom - text.bottom, 3, 1);
}

TEST_F(SmoothLabelTest, OpaqueLabelPaintsItsFillBehindTheText)
{
    label->Fill().SetGradientType(gtSolid);
    label->Fill().SetColor(0x00FF00);
    label->Fill().SetBorderColor(clNone);
    label->SetTransparent(false);
    EXPECT_EQ(Picture().pixel(24, 24) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(SmoothLabelTest, TinyLabelPaintsNothingAndLongTextStaysOnOneLine)
{
    label->Caption().SetGradientType(gtSolid);
    label->Caption().SetColorStart(0x0000FF);
    label->SetHeight(1);
    EXPECT_TRUE(PixelsWhere(Picture(), Rect(20, 20, 300, 21), Reddish).Empty());
    label->SetBounds(20, 20, 120, 120);
    label->Caption().SetText("Clube Aurora contra Ferroviário Lunar");
    const Box oneLine = PixelsWhere(Picture(), Area(), Reddish);
    label->SetWordWrap(true);
    const Box wrapped = PixelsWhere(Picture(), Area(), Reddish);
    EXPECT_LT(oneLine.bottom - oneLine.top, 40);
    EXPECT_GT(wrapped.bottom - wrapped.top, 60);
}

TEST_F(SmoothLabelTest, ChangesAreSignalledOncePerRealChange)
{
    int changes = 0;
    label->OnChange = [&changes](TObject*) { ++changes; };
    label->Caption().SetText("Clube Aurora");
    label->SetTransparent(true);
    EXPECT_EQ(changes, 0);
    label->Caption().SetColorStart(0x123456);
    label->Caption().Font().SetSize(12);
    label->SetWordWrap(true);
    EXPECT_EQ(changes, 3);

    TDcSmoothLabel copy(nullptr);
    copy.Assign(*label);
    EXPECT_EQ(copy.Caption().Text(), "Clube Aurora");
    EXPECT_EQ(copy.Caption().ColorStart(), 0x123456);
    EXPECT_TRUE(copy.WordWrap());
    // The font is not part of the caption's copy.
    EXPECT_EQ(copy.Caption().Font().Size(), 20);
}

}  // namespace
}  // namespace tarvelon
