// The header looks: the classic raised header, the pressed header inverted, the sort arrow and
// its room, and the Outlook and Vista looks.
#include "tests/grid/gridcontrol_support.h"

#include "grid/dg_shared_common.h"
#include "grid/dg_style_display.h"
#include "platform/graphics/themes.h"

namespace tarvelon {
namespace {

using namespace test;

class LooksTest : public GridFixture {
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        image = QImage(200, 18, QImage::Format_RGB32);
        image.fill(Qt::black);
        canvas.SetTarget(&image);
    }
    template <typename Look>
    void Draw(TDgCustomColumn* column, bool themed = false)
    {
        Look look(grid);
        look.Canvas = &canvas;
        look.Themed = themed;
        look.DrawHeader(column, Rect(0, 0, column->Width(), 18));
    }
    unsigned At(int x, int y) const { return image.pixel(x, y) & 0xFFFFFFu; }
    // Rightmost x in [0, right) whose pixel is dark (caption text) on the row band.
    int RightmostDark(int right)
    {
        int found = -1;
        for (int y = 3; y < 15; ++y)
            for (int x = 0; x < right; ++x)
                if ((At(x, y) & 0xFF) < 0x80 && ((At(x, y) >> 8) & 0xFF) < 0x80)
                    found = std::max(found, x);
        return found;
    }

    QImage image;
    TCanvas canvas;
};

TEST_F(LooksTest, ClassicDefaultHeaderOfAMiddleColumnHasNotchedSides)
{
    Draw<TDefaultStyleDisplay>(points);
    int right = points->Width();
    EXPECT_EQ(At(5, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(At(5, 17), Rgb(clBtnShadow));
    EXPECT_EQ(At(0, 1), Rgb(clBtnFace));
    EXPECT_EQ(At(0, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(At(right - 1, 1), Rgb(clBtnFace));
    EXPECT_EQ(At(right - 1, 5), Rgb(clBtnShadow));
    EXPECT_EQ(At(right - 5, 8), Rgb(clBtnFace));
}

TEST_F(LooksTest, TheOnlyVisibleColumnGetsAPlainRaisedFrame)
{
    for (TDgCustomColumn* column : {static_cast<TDgCustomColumn*>(crest), static_cast<TDgCustomColumn*>(points),
                                    static_cast<TDgCustomColumn*>(progress)})
        column->SetVisible(false);
    Draw<TDefaultStyleDisplay>(name);
    EXPECT_EQ(At(0, 1), Rgb(clBtnHighlight));
    EXPECT_EQ(At(name->Width() - 1, 1), Rgb(clBtnShadow));
}

TEST_F(LooksTest, ThePressedClassicHeaderIsInverted)
{
    SetThemed(false);
    grid->Invalidate();
    int left = grid->ColumnScreenLeft(progress);
    int x = left + progress->Width() - 10;
    EXPECT_EQ(Pixel(x, 9), Rgb(clBtnFace));
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(x, 9), Qt::LeftButton, Qt::LeftButton);
    Pump();
    EXPECT_EQ(grid->PressedHeaderColumn(), progress);
    EXPECT_EQ(Pixel(x, 9), Rgb(clBtnFace) ^ 0xFFFFFFu);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(x, 9), Qt::LeftButton, Qt::NoButton);
    Pump();
    EXPECT_EQ(Pixel(x, 9), Rgb(clBtnFace));
    SetThemed(true);
}

TEST_F(LooksTest, TheThemedHeaderUnderTheMouseIsDrawnHotAndThePressedOneDown)
{
    // A spot of the header's face clear of the caption, right of the centred "Forma".
    const QPoint face(grid->ColumnScreenLeft(progress) + progress->Width() - 8, 9);
    const unsigned normal = Pixel(face.x(), face.y());
    MoveMouse(W(), face);
    Pump();
    EXPECT_EQ(grid->HotHeaderColumn(), progress);
    const unsigned hot = Pixel(face.x(), face.y());
    EXPECT_NE(hot, normal);
    SendMouse(W(), QEvent::MouseButtonPress, face, Qt::LeftButton, Qt::LeftButton);
    Pump();
    EXPECT_EQ(grid->PressedHeaderColumn(), progress);
    const unsigned pressed = Pixel(face.x(), face.y());
    EXPECT_NE(pressed, normal);
    EXPECT_NE(pressed, hot);
    SendMouse(W(), QEvent::MouseButtonRelease, face, Qt::LeftButton, Qt::NoButton);
    MoveMouse(W(), QPoint(ColumnMiddle(points), RowMiddle(3)));
    Pump();
    EXPECT_EQ(grid->HotHeaderColumn(), nullptr);
    EXPECT_EQ(Pixel(face.x(), face.y()), normal);
}

TEST_F(LooksTest, TheSortArrowHidesWhenTheColumnIsTooNarrowUnlessHideArrowIsOff)
{
    points->Header().SetCaption("");
    points->SetSorted(true);
    // Arrow at text left (2) + text width (2) + 19 = 23: its right end 31 is inside a 50-pixel column.
    Draw<TDefaultStyleDisplay>(points, true);
    EXPECT_EQ(At(23 + 4, 9 - 4 + 1), Rgb(clGrayText));
    points->SetWidth(30);
    image.fill(Qt::black);
    Draw<TDefaultStyleDisplay>(points, true);
    EXPECT_NE(At(23 + 4, 9 - 4 + 1), Rgb(clGrayText));
    points->Header().SetHideArrow(false);
    image.fill(Qt::black);
    Draw<TDefaultStyleDisplay>(points, true);
    EXPECT_EQ(At(23 + 4, 9 - 4 + 1), Rgb(clGrayText));
}

TEST_F(LooksTest, ARightAlignedSortedCaptionLeavesRoomForTheArrow)
{
    progress->SetWidth(150);
    progress->Header().SetAlignment(taRightJustify);
    Draw<TDefaultStyleDisplay>(progress);
    int unsortedEnd = RightmostDark(150);
    EXPECT_GT(unsortedEnd, 150 - 12);
    progress->SetSorted(true);
    image.fill(Qt::black);
    TStyleDisplay plain(grid);
    plain.Canvas = &canvas;
    plain.ShowSortArrow = false;
    canvas.Brush.SetColor(clWhite);
    canvas.FillRect(Rect(0, 0, 200, 18));
    plain.DrawHeader(progress, Rect(0, 0, 150, 18));
    int sortedEnd = RightmostDark(150);
    EXPECT_LE(sortedEnd, 150 - 31);
    EXPECT_GT(sortedEnd, 150 - 31 - 6);
}

TEST_F(LooksTest, AMultiLineCaptionIsPlacedByItsWidestLineAndBreaksOnlyAtItsLineBreaks)
{
    image = QImage(200, 40, QImage::Format_RGB32);
    canvas.SetTarget(&image);
    TStyleDisplay plain(grid);
    plain.Canvas = &canvas;
    plain.ShowSortArrow = false;
    auto drawOnWhite = [&](int width) {
        canvas.Brush.SetColor(clWhite);
        canvas.FillRect(Rect(0, 0, 200, 40));
        plain.DrawHeader(progress, Rect(0, 0, width, 36));
    };
    progress->Header().SetMultiLine(true);

    // Right-aligned: the widest line ends at the right edge less the 2 pixels of the text width.
    progress->Header().SetAlignment(taRightJustify);
    progress->Header().SetCaption("Marcados\r\nGols");
    drawOnWhite(150);
    EXPECT_GT(RightmostDark(150), 150 - 2 - 6);

    // Too long for its column, a caption without a line break stays on one line.
    progress->Header().SetAlignment(taLeftJustify);
    progress->Header().SetCaption("Gols marcados");
    drawOnWhite(50);
    canvas.Font.Assign(progress->Font());
    const int lineHeight = canvas.TextHeight("Gg");
    int secondLineInk = 0;
    for (int y = lineHeight + 1; y < 36; ++y)
        for (int x = 0; x < 50; ++x)
            secondLineInk += (At(x, y) & 0xFF) < 0x80 ? 1 : 0;
    EXPECT_GT(RightmostDark(50), 0);
    EXPECT_EQ(secondLineInk, 0);
}

TEST_F(LooksTest, VistaDrawsItsOwnArrowAtTheTopOfASortedHeader)
{
    points->Header().SetCaption("");
    Draw<TVistaStyleDisplay>(points);
    EXPECT_EQ(At(10, 9), Rgb(RGB(240, 240, 240)));
    points->SetSorted(true);
    image.fill(Qt::black);
    Draw<TVistaStyleDisplay>(points);
    EXPECT_EQ(At(5, 0), Rgb(RGB(175, 220, 240)));
    EXPECT_EQ(At(5, 10), 0xFFFFFFu);
    // No grey arrow beside the caption: the look lacks none of its own.
    EXPECT_NE(At(27, 6), Rgb(clGrayText));
    EXPECT_EQ(TVistaStyleDisplay(grid).GetStyleFeatures() & sfDrawsOwnArrow, sfDrawsOwnArrow);
}

TEST_F(LooksTest, OutlookBlendsItsBottomRowsFromShadowIntoTheFace)
{
    Draw<TOutlookStyleDisplay>(points);
    EXPECT_EQ(At(10, 15), Rgb(TGraphicsProvider::BlendColor(clBtnShadow, clBtnFace, 50)));
    EXPECT_EQ(At(10, 16), Rgb(TGraphicsProvider::BlendColor(clBtnShadow, clBtnFace, 100)));
    EXPECT_EQ(At(10, 17), Rgb(TGraphicsProvider::BlendColor(clBtnShadow, clBtnFace, 150)));
    EXPECT_EQ(At(40, 5), Rgb(clBtnFace));
}

TEST_F(LooksTest, HeaderStyleChoosesTheLook)
{
    grid->SetHeaderStyle(hsVista);
    EXPECT_NE(dynamic_cast<TVistaStyleDisplay*>(&grid->CurrentDisplay()), nullptr);
    grid->SetHeaderStyle(hsFlatBorders);
    EXPECT_NE(dynamic_cast<TFlatStyleDisplay*>(&grid->CurrentDisplay()), nullptr);
    grid->SetHeaderStyle(hsAuto);
    EXPECT_NE(dynamic_cast<TDefaultStyleDisplay*>(&grid->CurrentDisplay()), nullptr);
}

}  // namespace
}  // namespace tarvelon
