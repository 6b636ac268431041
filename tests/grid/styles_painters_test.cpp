// The column painters in the clubs table: progress bars (empty, overfull, boxes, colour bounds),
// crest images, and the tree column's indent and its locked button.
#include "tests/grid/gridcontrol_support.h"

#include "grid/dg_column_painters.h"

namespace tarvelon {
namespace {

using namespace test;

class PainterTest : public GridFixture {
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        progress->SetHighValueColor(RGB(0, 160, 0));
        progress->SetProgressColor(RGB(0, 0, 200));
        progress->SetLowValueColor(RGB(200, 0, 0));
    }
    // The bar's inner area of a row: cell less the margin (2), less the frame and gap (2).
    TRect Inner(int row)
    {
        TRect cell = grid->GetCellRect(progress->Index(), row);
        return Rect(cell.Left + 4, cell.Top + 4, cell.Right - 4, cell.Bottom - 4);
    }
    void SetForm(int row, const std::string& value)
    {
        grid->SetCellTextByName("form", row, value);
        Pump();
    }
};

TEST_F(PainterTest, AnEmptyProgressCellWithHideWhenEmptyStaysEmpty)
{
    progress->SetHideWhenEmpty(true);
    SetForm(11, "0");
    TRect cell = grid->GetCellRect(progress->Index(), 11);
    // Not even the frame.
    EXPECT_EQ(Pixel(cell.Left + 2, cell.Top + 9), Rgb(clWindow));
    EXPECT_EQ(Pixel(cell.Left + 10, cell.Top + 2), Rgb(clWindow));
    progress->SetHideWhenEmpty(false);
    grid->Invalidate();
    Pump();
    EXPECT_EQ(Pixel(cell.Left + 2, cell.Top + 9), Rgb(RGB(0x80, 0x80, 0x80)));
}

TEST_F(PainterTest, ABarAboveTheMaximumStopsAtTheFramesInnerEdge)
{
    SetForm(0, "250");
    TRect inner = Inner(0);
    int y = (inner.Top + inner.Bottom) / 2;
    EXPECT_EQ(Pixel(inner.Right - 1, y), Rgb(RGB(0, 160, 0)));
    // The gap between bar and frame stays in the column's colour.
    EXPECT_EQ(Pixel(inner.Right, y), Rgb(clWindow));
    EXPECT_EQ(Pixel(inner.Right + 1, y), Rgb(RGB(0x80, 0x80, 0x80)));
}

TEST_F(PainterTest, BoundsChooseTheBarColour)
{
    // Both bounds at 0: every value takes the high colour.
    SetForm(2, "50");
    TRect inner = Inner(2);
    EXPECT_EQ(Pixel(inner.Left + 1, inner.Top + 2), Rgb(RGB(0, 160, 0)));
    progress->SetHighValueBound(70);
    progress->SetLowValueBound(20);
    grid->Invalidate();
    Pump();
    EXPECT_EQ(Pixel(inner.Left + 1, inner.Top + 2), Rgb(RGB(0, 0, 200)));
    SetForm(2, "20");
    EXPECT_EQ(Pixel(inner.Left + 1, inner.Top + 2), Rgb(RGB(200, 0, 0)));
    SetForm(2, "70");
    EXPECT_EQ(Pixel(inner.Left + 1, inner.Top + 2), Rgb(RGB(0, 160, 0)));
}

TEST_F(PainterTest, HalfABarIsHalfTheInnerWidth)
{
    SetForm(3, "50");
    TRect inner = Inner(3);
    int half = inner.Left + inner.Width() / 2;
    EXPECT_EQ(Pixel(half - 1, inner.Top + 2), Rgb(RGB(0, 160, 0)));
    EXPECT_EQ(Pixel(half + 1, inner.Top + 2), Rgb(clWindow));
}

TEST_F(PainterTest, AZeroMaximumDrawsAnEmptyFrame)
{
    progress->SetMax(0);
    SetForm(5, "30");
    TRect inner = Inner(5);
    EXPECT_EQ(Pixel(inner.Left + 1, inner.Top + 2), Rgb(clWindow));
    EXPECT_EQ(Pixel(inner.Left - 2, inner.Top + 2), Rgb(RGB(0x80, 0x80, 0x80)));
}

TEST_F(PainterTest, BoxesAreNeverDrawnInPart)
{
    progress->SetProgressStyle(TProgressStyle::psBoxes);
    SetForm(4, "100");
    TRect inner = Inner(4);
    int box = static_cast<int>(inner.Height() / 1.5 + 0.5);
    int y = inner.Top + 2;
    int x = inner.Left;
    int whole = 0;
    while (x + box <= inner.Right) {
        EXPECT_EQ(Pixel(x, y), Rgb(RGB(0, 160, 0)));
        EXPECT_EQ(Pixel(x + box - 1, y), Rgb(RGB(0, 160, 0)));
        EXPECT_EQ(Pixel(x + box, y), Rgb(clWindow));
        x += box + 2;
        ++whole;
    }
    EXPECT_GT(whole, 3);
    // What is left after the last whole box stays empty.
    for (; x < inner.Right; ++x)
        EXPECT_EQ(Pixel(x, y), Rgb(clWindow));
}

TEST_F(PainterTest, ACrestIndexBeyondTheImagesDrawsNothing)
{
    TRect cell = grid->GetCellRect(crest->Index(), 1);
    int cx = (cell.Left + cell.Right) / 2;
    int cy = (cell.Top + cell.Bottom) / 2;
    EXPECT_EQ(Pixel(cell.Left + 4, cy), Rgb(clBlue));
    grid->SetCellTextByName("crest", 1, "3");
    Pump();
    for (int x = cell.Left; x < cell.Right; ++x)
        ASSERT_EQ(Pixel(x, cy), Rgb(clWindow)) << x;
    (void)cx;
}

TEST_F(PainterTest, TopLevelTreeRowsStartTheirTextSixteenPixelsIn)
{
    TDgTreeColumn tree(nullptr);
    TTreeColumnDisplay painter(&tree);
    painter.Rect = Rect(100, 40, 200, 58);
    painter.Level = 0;
    EXPECT_EQ(painter.GetTextRect().Left, 100 + 2 + 16);
    painter.Level = 2;
    EXPECT_EQ(painter.GetTextRect().Left, 100 + 2 + 2 * 19 + 16);
    EXPECT_EQ(TTreeColumnDisplay::ButtonBox(2, 18), Rect(40, 4, 49, 13));
}

TEST_F(PainterTest, ALockedTreeButtonIgnoresKeysAndClicks)
{
    TDgTreeColumn tree(nullptr);
    TTreeColumnPlay play(&tree);
    play.Rect = Rect(0, 0, 100, 18);
    int toggles = 0;
    play.OnToggle = [&](TColumnPlay*) { ++toggles; };
    char32_t plus = U'+';
    play.KeyPress(plus);
    play.MouseUp(mbLeft, 0, 6, 8);
    play.MouseUp(mbLeft, 0, 60, 8);
    EXPECT_EQ(toggles, 2);
    tree.SetExpandLock(true);
    play.KeyPress(plus);
    play.MouseUp(mbLeft, 0, 6, 8);
    EXPECT_EQ(toggles, 2);
}

}  // namespace
}  // namespace tarvelon
