// Painting of the clubs table: selection colours, grid lines, header, empty rows, the empty
// grid's caption, the indicator, cell colouring, and the sample picture of the whole grid.
#include "tests/grid/gridcontrol_support.h"

#include "platform/graphics/themes.h"
#include "tests/support/sample_picture.h"

namespace tarvelon {
namespace {

using namespace test;

class GridPaintTest : public GridFixture {
protected:
    // A point of a name cell right of its text.
    QPoint NameBackground(int row) { return QPoint(grid->ColumnScreenLeft(name) + name->Width() - 6, RowMiddle(row)); }
    unsigned NamePixel(int row)
    {
        QPoint p = NameBackground(row);
        return Pixel(p.x(), p.y());
    }
};

TEST_F(GridPaintTest, SampleTableIsRenderedForViewing)
{
    grid->SetFocus();
    grid->SetSelectedRow(2);
    progress->SetShowText(true);
    grid->Invalidate();
    Pump(10);
    grid->Update();
    ASSERT_TRUE(tarvelon::testing::KeepSamplePicture(grid->BackingImage(), "grid_sample.png"));
    // Every part at once, in the classic look: indicator, input line, grid lines, footer.
    SetThemed(false);
    grid->SetOptions(grid->Options() + TGridOptions{goIndicator, goInput, goGrid, goFooter});
    points->Footer().SetFormulaKind(fkSum);
    grid->RefreshFooter(false);
    name->SetSorted(true);
    grid->Invalidate();
    Pump(10);
    grid->Update();
    ASSERT_TRUE(tarvelon::testing::KeepSamplePicture(grid->BackingImage(), "grid_sample_parts.png"));
    SetThemed(true);
}

TEST_F(GridPaintTest, TheSelectedRowTakesTheSelectionColourOnlyWhileFocused)
{
    auto* other = new TCustomControl(form);
    other->SetParent(form);
    other->SetBounds(10, 250, 50, 20);
    other->SetTabStop(true);
    Pump();
    other->SetFocus();
    grid->SetSelectedRow(2);
    Pump();
    // aoHideSelection (a default): an unfocused grid shows no selection.
    EXPECT_EQ(NamePixel(2), Rgb(clWindow));
    grid->SetFocus();
    Pump();
    EXPECT_EQ(NamePixel(2), Rgb(clHighlight));
    EXPECT_EQ(NamePixel(1), Rgb(clWindow));
    EXPECT_EQ(NamePixel(3), Rgb(clWindow));
    // Without aoHideSelection the unfocused selection is drawn in the inactive colour.
    grid->SetAppearanceOptions(TAppearanceOptions{aoHighlightSlideCells});
    grid->SetInactiveSelectionColor(RGB(10, 200, 30));
    other->SetFocus();
    Pump();
    ASSERT_FALSE(grid->GridFocused());
    EXPECT_EQ(NamePixel(2), Rgb(RGB(10, 200, 30)));
}

// A dialog over the grid's window takes the focus without an exit: the whole selection is drawn
// unfocused while it is up, and focused again, cells changed meanwhile included, once it is gone.
TEST_F(GridPaintTest, ADialogOverTheWindowRepaintsTheWholeSelection)
{
    grid->SetFocus();
    grid->SetSelectedRow(2);
    Pump();
    ASSERT_EQ(NamePixel(2), Rgb(clHighlight));
    const QPoint pointsCell(grid->ColumnScreenLeft(points) + 4, RowMiddle(2));
    ASSERT_EQ(Pixel(pointsCell.x(), pointsCell.y()), Rgb(clHighlight));

    QWidget dialog;
    dialog.setGeometry(600, 100, 100, 80);
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    Pump(10);
    ASSERT_FALSE(grid->GridFocused());
    EXPECT_EQ(NamePixel(2), Rgb(clWindow));
    grid->SetCellTextByName("name", 2, "Renovado");  // what the dialog changed in the row
    Pump();

    dialog.hide();
    form->Widget()->activateWindow();
    QApplication::setActiveWindow(form->Widget());
    Pump(10);
    ASSERT_TRUE(grid->GridFocused());
    EXPECT_EQ(NamePixel(2), Rgb(clHighlight));
    EXPECT_EQ(Pixel(pointsCell.x(), pointsCell.y()), Rgb(clHighlight));
}

TEST_F(GridPaintTest, GridLinesRunAlongTheBottomAndRightOfEachCell)
{
    grid->SetGridLinesColor(RGB(200, 0, 200));
    grid->SetOptions(grid->Options() + TGridOptions{goGrid});
    Pump();
    EXPECT_EQ(grid->LineBottom(), 1);
    EXPECT_EQ(grid->LineRight(), 1);
    EXPECT_EQ(grid->LineSpacing(), 1);
    TRect cell = grid->GetCellRect(name->Index(), 1);
    EXPECT_EQ(cell.Top, grid->RowTop(1));
    EXPECT_EQ(Pixel(cell.Left + 20, cell.Bottom), Rgb(RGB(200, 0, 200)));
    EXPECT_EQ(Pixel(cell.Right - 1, cell.Top + 3), Rgb(RGB(200, 0, 200)));
    EXPECT_EQ(Pixel(cell.Right - 2, cell.Top + 3), Rgb(clWindow));
    // Each row starts one spacing pixel below the last.
    EXPECT_EQ(grid->RowTop(2) - grid->RowTop(1), 18 + 1);
}

TEST_F(GridPaintTest, LineStylesDecideWhichLinesExist)
{
    grid->SetOptions(grid->Options() + TGridOptions{goGrid});
    grid->SetGridLinesStyle(lsVerticalOnly);
    EXPECT_EQ(grid->LineBottom(), 0);
    EXPECT_EQ(grid->LineSpacing(), 0);
    EXPECT_EQ(grid->LineRight(), 1);
    grid->SetGridLinesStyle(lsHorizontalOnly);
    EXPECT_EQ(grid->LineRight(), 0);
    EXPECT_EQ(grid->LineBottom(), 1);
    grid->SetAppearanceOptions(grid->AppearanceOptions() + TAppearanceOptions{ao3DGridLines});
    grid->SetGridLinesStyle(lsNormal);
    EXPECT_EQ(grid->LineLeft(), 1);
    EXPECT_EQ(grid->LineTop(), 1);
    EXPECT_EQ(grid->LineSpacing(), 2);
    grid->SetOptions(grid->Options() - TGridOptions{goGrid});
    EXPECT_EQ(grid->LineSpacing(), 0);
}

TEST_F(GridPaintTest, EmptyRowsBelowTheDataShowLinesUnlessOnlyActiveRowsHaveThem)
{
    Fill({Clubs()[0], Clubs()[1]});
    grid->SetGridLinesColor(RGB(200, 0, 200));
    grid->SetOptions(grid->Options() + TGridOptions{goGrid});
    Pump();
    // The third line of rows is empty: 18 + 2 * 19 + 16 from the top.
    int emptyBottom = 18 + 2 * 19 + grid->RowSize();
    int x = grid->ColumnScreenLeft(name) + 20;
    EXPECT_EQ(Pixel(x, emptyBottom), Rgb(RGB(200, 0, 200)));
    grid->SetGridLinesStyle(lsActiveRows);
    Pump();
    EXPECT_EQ(Pixel(x, emptyBottom), Rgb(clWindow));
    // The data rows keep theirs.
    EXPECT_EQ(Pixel(x, grid->RowTop(0) + 18), Rgb(RGB(200, 0, 200)));
}

TEST_F(GridPaintTest, FramedLinesAreBlackAlongTheDatasRightAndBottomEdges)
{
    Fill({Clubs()[0], Clubs()[1]});
    grid->SetOptions(grid->Options() + TGridOptions{goGrid});
    grid->SetGridLinesStyle(lsFramed);
    Pump();
    TRect last = grid->GetCellRect(name->Index(), 1);
    EXPECT_EQ(Pixel(last.Left + 20, last.Bottom), Rgb(clBlack));
    TRect first = grid->GetCellRect(name->Index(), 0);
    EXPECT_EQ(Pixel(first.Left + 20, first.Bottom), Rgb(clBtnFace));
    TRect lastColumn = grid->GetCellRect(progress->Index(), 0);
    EXPECT_EQ(Pixel(lastColumn.Right - 1, lastColumn.Top + 4), Rgb(clBlack));
}

TEST_F(GridPaintTest, ClassicHeaderIsARaisedButtonFaceStrip)
{
    SetThemed(false);
    grid->Invalidate();
    Pump();
    int left = grid->ColumnScreenLeft(points);
    EXPECT_EQ(Pixel(left + 3, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(Pixel(left + 3, 17), Rgb(clBtnShadow));
    EXPECT_EQ(Pixel(left + points->Width() - 5, 9), Rgb(clBtnFace));
    EXPECT_EQ(Pixel(left + points->Width() - 1, 9), Rgb(clBtnShadow));
    SetThemed(true);
}

TEST_F(GridPaintTest, AnEmptyGridShowsItsCaptionFourPixelsBelowTheBodyTop)
{
    Fill({});
    grid->SetGridCaption("Nenhum clube");
    Pump();
    EXPECT_EQ(grid->BodyRect().Top, 18);
    int textPixels = 0;
    QImage image = (grid->Update(), grid->BackingImage());
    for (int y = 22; y < 22 + 16; ++y)
        for (int x = 0; x < grid->ClientWidth(); ++x)
            textPixels += (image.pixel(x, y) & 0xFFFFFF) != Rgb(clWindow) ? 1 : 0;
    EXPECT_GT(textPixels, 20);
    // Nothing is written below the caption's line.
    for (int x = 0; x < grid->ClientWidth(); ++x)
        ASSERT_EQ(image.pixel(x, 60) & 0xFFFFFF, Rgb(clWindow));
}

TEST_F(GridPaintTest, TheIndicatorColumnMovesEveryRegionRightByTwelve)
{
    int rangeBefore = grid->Columns().TotalWidth() - grid->ColumnAreaWidth();
    grid->SetOptions(grid->Options() + TGridOptions{goIndicator});
    EXPECT_EQ(grid->BodyRect().Left, 12);
    EXPECT_EQ(grid->RegionRect(grHeader).Left, 12);
    EXPECT_EQ(name->Left(), 12);
    EXPECT_EQ(grid->Columns().TotalWidth() - grid->ColumnAreaWidth(), rangeBefore + 12);
    grid->SetFocus();
    grid->SetSelectedRow(1);
    Pump();
    // The current row's triangle in window text, centred in the 12-pixel cell.
    int y = grid->RowTop(1) + grid->GetRowHeight(1) / 2;
    EXPECT_EQ(Pixel(4, y), Rgb(clWindowText));
    EXPECT_NE(Pixel(4, grid->RowTop(3) + 9), Rgb(clWindowText));
}

TEST_F(GridPaintTest, CellColouringPaintsAlternateRows)
{
    grid->OnCellColoring = [](TObject*, int, int row, TColor& cell, TColor&, TCellState) {
        if (row % 2 == 1)
            cell = RGB(230, 240, 255);
    };
    grid->Invalidate();
    Pump();
    EXPECT_EQ(NamePixel(0), Rgb(clWindow));
    EXPECT_EQ(NamePixel(1), Rgb(RGB(230, 240, 255)));
    EXPECT_EQ(NamePixel(2), Rgb(clWindow));
    EXPECT_EQ(NamePixel(3), Rgb(RGB(230, 240, 255)));
}

TEST_F(GridPaintTest, SortedColumnsDarkenOrWhitenTheirUnselectedCells)
{
    name->SetColor(RGB(100, 100, 100));
    name->SetParentCellColor(true);
    grid->SetSortedStyle(soDarker);
    name->SetSorted(true);
    Pump();
    EXPECT_EQ(NamePixel(5), Rgb(RGB(90, 90, 90)));
    grid->SetSortedStyle(soWhite);
    Pump();
    EXPECT_EQ(NamePixel(5), 0xFFFFFFu);
}

TEST_F(GridPaintTest, EndUpdateWithoutBeginUpdateKeepsTheCountAtZero)
{
    grid->EndUpdate();
    EXPECT_EQ(grid->UpdateCount(), 0);
    grid->BeginUpdate();
    grid->BeginUpdate();
    grid->EndUpdate();
    EXPECT_TRUE(grid->UpdateLocked());
    grid->EndUpdate();
    EXPECT_FALSE(grid->UpdateLocked());
}

}  // namespace
}  // namespace tarvelon
