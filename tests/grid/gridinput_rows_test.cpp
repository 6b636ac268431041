// Rows and columns sized by the mouse: a row edge dragged in the indicator, a column fitted to its
// rows by a double click on its edge, a row moved by dragging, and the hints under the mouse.
#include "tests/grid/gridcontrol_support.h"

#include "platform/forms/hint_window.h"
#include "platform/forms/input_state.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tarvelon {
namespace {

using namespace test;

class GridRowsTest : public GridFixture {};

TEST_F(GridRowsTest, DraggingARowEdgeResizesItButNeverBelowEightPixels)
{
    grid->SetOptions(grid->Options() + TGridOptions{goIndicator, goRowResizing});
    std::vector<int> heights;
    grid->OnChangeRowHeight = [&](TObject*, int index, int height) { heights.push_back(height); };
    int bottom = grid->RowTop(1) + grid->GetRowHeight(1);
    EXPECT_EQ(grid->RowEdgeAtPos(5, bottom - 1), 1);
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(5, bottom - 1), Qt::LeftButton, Qt::LeftButton);
    MoveMouse(W(), QPoint(5, bottom + 9), Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(5, bottom + 9), Qt::LeftButton, Qt::NoButton);
    Pump();
    // The new height is the line's y less the row's top.
    EXPECT_EQ(grid->GetRowHeight(1), 27);
    EXPECT_EQ(grid->RowTop(2), grid->RowTop(1) + 27);
    ASSERT_FALSE(heights.empty());
    EXPECT_EQ(heights.back(), 27);
    bottom = grid->RowTop(1) + 27;
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(5, bottom - 1), Qt::LeftButton, Qt::LeftButton);
    MoveMouse(W(), QPoint(5, grid->RowTop(1) - 30), Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(5, grid->RowTop(1) - 30), Qt::LeftButton, Qt::NoButton);
    Pump();
    EXPECT_EQ(grid->GetRowHeight(1), 8);
}

TEST_F(GridRowsTest, ADoubleClickOnARowEdgeFitsTheRowToItsTallestCellButNotBelowRowSize)
{
    grid->SetOptions(grid->Options() + TGridOptions{goIndicator, goRowResizing});
    name->Font().SetHeight(-30);
    TCanvas& canvas = grid->Canvas();
    canvas.Font.Assign(name->Font());
    int tall = canvas.TextHeight("Wg");
    ASSERT_GT(tall, 18);
    std::vector<int> heights;
    grid->OnChangeRowHeight = [&](TObject*, int index, int height) { heights.push_back(height); };
    auto doubleClickEdgeOf = [&](int row) {
        int bottom = grid->RowTop(row) + grid->GetRowHeight(row);
        ASSERT_EQ(grid->RowEdgeAtPos(5, bottom - 1), row);
        SendMouse(W(), QEvent::MouseButtonPress, QPoint(5, bottom - 1), Qt::LeftButton, Qt::LeftButton);
        SendMouse(W(), QEvent::MouseButtonRelease, QPoint(5, bottom - 1), Qt::LeftButton, Qt::NoButton);
        SendMouse(W(), QEvent::MouseButtonDblClick, QPoint(5, bottom - 1), Qt::LeftButton, Qt::LeftButton);
        SendMouse(W(), QEvent::MouseButtonRelease, QPoint(5, bottom - 1), Qt::LeftButton, Qt::NoButton);
        Pump();
    };
    doubleClickEdgeOf(1);
    EXPECT_EQ(grid->GetRowHeight(1), tall);
    ASSERT_FALSE(heights.empty());
    EXPECT_EQ(heights.back(), tall);
    // Without the tall column the row falls back to the grid's row size, never below it.
    name->SetVisible(false);
    doubleClickEdgeOf(1);
    EXPECT_EQ(grid->GetRowHeight(1), 18);
}

TEST_F(GridRowsTest, ADoubleClickOnAColumnEdgeFitsTheColumnToItsLongestCell)
{
    name->SetWidth(60);
    int edge = grid->ColumnScreenLeft(name) + name->Width();
    MoveMouse(W(), QPoint(edge, 9));
    ASSERT_EQ(grid->EdgeColumn(), name);
    // The first click of the double click, then the double click that stands for the second press.
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(edge, 9), Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(edge, 9), Qt::LeftButton, Qt::NoButton);
    MoveMouse(W(), QPoint(edge, 9));
    SendMouse(W(), QEvent::MouseButtonDblClick, QPoint(edge, 9), Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(edge, 9), Qt::LeftButton, Qt::NoButton);
    Pump();
    TCanvas& canvas = grid->Canvas();
    canvas.Font.Assign(name->Font());
    int longest = canvas.TextWidth("Ferroviário Campo Alto");
    EXPECT_GE(name->Width(), longest + 5);
    EXPECT_LE(name->Width(), longest + 12);
    // The progress column's kind does not fit itself.
    int progressEdge = grid->ColumnScreenLeft(progress) + progress->Width();
    MoveMouse(W(), QPoint(progressEdge, 9));
    SendMouse(W(), QEvent::MouseButtonDblClick, QPoint(progressEdge, 9), Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(progressEdge, 9), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(progress->Width(), 100);
}

TEST_F(GridRowsTest, ARowDraggedBelowAnotherMovesThere)
{
    grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
    std::vector<std::pair<int, int>> moved;
    grid->OnAfterRowMove = [&](TObject*, int from, int to) { moved.push_back({from, to}); };
    QPoint from(ColumnMiddle(name), RowMiddle(1));
    SendMouse(W(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    QPoint to(ColumnMiddle(name), grid->RowTop(4) + 3);
    MoveMouse(W(), to, Qt::LeftButton);
    EXPECT_TRUE(grid->InputState() & isRowMoving);
    SendMouse(W(), QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    Pump();
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], std::make_pair(1, 3));
    EXPECT_EQ(NameAt(3), "Serra Azul FC");
    EXPECT_EQ(NameAt(1), "Porto Manso");
    EXPECT_EQ(grid->SelectedRow(), 3);
}

TEST_F(GridRowsTest, ARowDroppedOnItsOwnPlaceIsStillReportedAndTheMarkerIsRed)
{
    grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
    std::vector<std::pair<int, int>> moved;
    grid->OnAfterRowMove = [&](TObject*, int from, int to) { moved.push_back({from, to}); };
    const std::string before = NameAt(2);
    grid->SetFocus();
    ClickCell(name, 5);
    QPoint from(ColumnMiddle(name), RowMiddle(2));
    SendMouse(W(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    // Dragged to the top edge of row 4: the marker is a red line with a red arrow at either end.
    const int edge = grid->RowTop(4);
    MoveMouse(W(), QPoint(ColumnMiddle(name), edge + 3), Qt::LeftButton);
    ASSERT_TRUE(grid->InputState() & isRowMoving);
    const int right = std::min(grid->ClientWidth(), grid->IndicatorWidth() + grid->Columns().TotalWidth()) - 1;
    EXPECT_EQ(Pixel(ColumnMiddle(name), edge), Rgb(clRed));
    EXPECT_EQ(Pixel(0, edge), Rgb(clRed));
    EXPECT_EQ(Pixel(9, edge), Rgb(clRed));
    EXPECT_EQ(Pixel(4, edge - 5), Rgb(clRed));
    EXPECT_EQ(Pixel(right, edge + 2), Rgb(clRed));
    EXPECT_EQ(Pixel(right - 9, edge), Rgb(clRed));
    // Back over its own row and released there.
    QPoint back(ColumnMiddle(name), RowMiddle(2) - 2);
    MoveMouse(W(), back, Qt::LeftButton);
    EXPECT_NE(Pixel(ColumnMiddle(name), edge), Rgb(clRed));
    SendMouse(W(), QEvent::MouseButtonRelease, back, Qt::LeftButton, Qt::NoButton);
    Pump();
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], std::make_pair(2, 2));
    EXPECT_EQ(NameAt(2), before);
    EXPECT_EQ(grid->SelectedRow(), 2);
    EXPECT_NE(Pixel(ColumnMiddle(name), grid->RowTop(2)), Rgb(clRed));
}

TEST_F(GridRowsTest, DeletingRowsLeavesTheSelectedRecordDrawnSelected)
{
    grid->SetFocus();
    // A spot of a row clear of the texts: the left end of the points cell (numbers lie right).
    const auto spot = [&](int row) { return Pixel(grid->ColumnScreenLeft(points) + 3, grid->RowTop(row) + 2); };
    ClickCell(name, 3);
    ASSERT_EQ(spot(3), Rgb(clHighlight));
    grid->DeleteRow(3);  // the selected row goes: the next record takes its place
    EXPECT_EQ(grid->SelectedRow(), 3);
    EXPECT_EQ(NameAt(3), "Estrela do Cerrado");
    EXPECT_TRUE(grid->Selected(3));
    EXPECT_EQ(spot(3), Rgb(clHighlight));
    EXPECT_NE(spot(2), Rgb(clHighlight));
    EXPECT_NE(spot(4), Rgb(clHighlight));
    grid->DeleteRow(0);  // a row above it goes: the selection stays on its record
    EXPECT_EQ(grid->SelectedRow(), 2);
    EXPECT_EQ(NameAt(2), "Estrela do Cerrado");
    EXPECT_EQ(spot(2), Rgb(clHighlight));
    EXPECT_NE(spot(3), Rgb(clHighlight));
    const int last = grid->RowCount() - 1;
    ClickCell(name, last);
    grid->DeleteRow(last);  // the last row goes: the new last row is the selected one
    EXPECT_EQ(grid->SelectedRow(), last - 1);
    EXPECT_EQ(spot(last - 1), Rgb(clHighlight));
}

TEST_F(GridRowsTest, ATextThatDoesNotFitShowsItselfAsAHint)
{
    name->SetWidth(100);
    form->SetFocus();
    Pump(10);
    MoveMouse(W(), QPoint(ColumnMiddle(name), RowMiddle(8)));
    Pump();
    EXPECT_EQ(grid->HintKind(), hkTextFit);
    ASSERT_NE(grid->HintWindow(), nullptr);
    EXPECT_TRUE(grid->HintWindow()->Visible());
    EXPECT_EQ(grid->HintWindow()->Caption(), "Ferroviário Campo Alto");
    // The hint, laid over the cell under the mouse, lets the mouse through; the window system's
    // leave as it appears, with the mouse still over the grid, keeps it; a real leave hides it.
    EXPECT_TRUE(grid->HintWindow()->Widget()->windowFlags().testFlag(Qt::WindowTransparentForInput));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(W(), &leave);
    Pump();
    EXPECT_EQ(grid->HintKind(), hkTextFit);
    EXPECT_TRUE(grid->HintWindow()->Visible());
    MoveMouse(W(), QPoint(ColumnMiddle(name), RowMiddle(8)));
    SetLastMousePos(grid->ClientToScreen(Point(-20, -20)));
    QCoreApplication::sendEvent(W(), &leave);
    Pump();
    EXPECT_FALSE(grid->HintWindow()->Visible());
    // A short name fits: no hint.
    MoveMouse(W(), QPoint(ColumnMiddle(name), RowMiddle(2)));
    Pump();
    EXPECT_EQ(grid->HintKind(), hkNone);
    EXPECT_FALSE(grid->HintWindow()->Visible());
}

TEST_F(GridRowsTest, AHeaderHintShowsBelowTheHeader)
{
    points->Header().SetHint("Pontos ganhos");
    MoveMouse(W(), QPoint(ColumnMiddle(points), 9));
    Pump();
    EXPECT_EQ(grid->HintKind(), hkHeader);
    ASSERT_NE(grid->HintWindow(), nullptr);
    QPoint below = grid->Widget()->mapToGlobal(QPoint(grid->ColumnScreenLeft(points), 18 + 2));
    EXPECT_EQ(grid->HintWindow()->Left(), below.x());
    EXPECT_EQ(grid->HintWindow()->Top(), below.y());
    MoveMouse(W(), QPoint(ColumnMiddle(name), 9));
    Pump();
    EXPECT_EQ(grid->HintKind(), hkNone);
}

}  // namespace
}  // namespace tarvelon
