// The grid under the mouse: selecting by click, clicks and double clicks on cells, header-click
// sorting with the row sort's random draws, column resizing by the split and column dragging.
#include "tests/grid/gridcontrol_support.h"

#include "core/basics/random.h"
#include "grid/dg_column_drag_box.h"
#include "grid/dg_style_display.h"

namespace tarvelon {
namespace {

using namespace test;

class GridMouseTest : public GridFixture {};

TEST_F(GridMouseTest, ClickingACellSelectsItsRowAndReadsTheHiddenId)
{
    std::vector<std::pair<int, int>> clicks;
    grid->OnCellClick = [&](TObject*, int c, int r) { clicks.push_back({c, r}); };
    ClickCell(points, 4);
    EXPECT_EQ(grid->SelectedRow(), 4);
    EXPECT_EQ(grid->SelectedColumn(), points->Index());
    EXPECT_TRUE(grid->Selected(4));
    EXPECT_EQ(grid->GetCellTextByName("id", "Selected"), "15");
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], std::make_pair(points->Index(), 4));
    EXPECT_TRUE(grid->Focused());
    // Another row: the old one loses its flag.
    ClickCell(name, 6);
    EXPECT_FALSE(grid->Selected(4));
    EXPECT_TRUE(grid->Selected(6));
    EXPECT_EQ(grid->GetCellTextByName("id", "Selected"), "17");
}

TEST_F(GridMouseTest, ACellClickNeedsPressAndReleaseOnTheSameCell)
{
    int clicks = 0;
    grid->OnCellClick = [&](TObject*, int, int) { ++clicks; };
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(ColumnMiddle(name), RowMiddle(1)), Qt::LeftButton, Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(ColumnMiddle(name), RowMiddle(2)), Qt::LeftButton, Qt::NoButton);
    Pump();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(grid->SelectedRow(), 1);
}

TEST_F(GridMouseTest, TheSecondPressOfADoubleClickFiresOnlyTheDoubleClick)
{
    int clicks = 0, doubles = 0;
    grid->OnCellClick = [&](TObject*, int, int) { ++clicks; };
    grid->OnCellDblClick = [&](TObject*, int c, int r) {
        ++doubles;
        EXPECT_EQ(r, 3);
    };
    QPoint at(ColumnMiddle(name), RowMiddle(3));
    Click(at);
    EXPECT_EQ(clicks, 1);
    grid->SetSelectedRow(5);
    SendMouse(W(), QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(grid->SelectedRow(), 5);
    SendMouse(W(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Pump();
    EXPECT_EQ(clicks, 2);
}

TEST_F(GridMouseTest, HeaderClicksSortAscendingThenDescendingWithTheRandomDraws)
{
    int headerClicks = 0, sortEvents = 0, afterSort = 0;
    grid->OnHeaderClick = [&](TObject*, int c) { ++headerClicks; };
    grid->OnSortColumn = [&](TObject*, int c, bool ascending) { ++sortEvents; };
    grid->OnAfterSort = [&](TObject*, int c) {
        ++afterSort;
        EXPECT_EQ(c, points->Index());
    };
    ClickCell(name, 2);  // Porto Manso
    RandSeed = 1234;
    ClickHeader(points);
    EXPECT_TRUE(points->Sorted());
    EXPECT_EQ(points->SortKind(), skAscending);
    EXPECT_EQ(grid->GetCellTextByName("pts", 0), "12");
    EXPECT_EQ(grid->GetCellTextByName("pts", 11), "41");
    // The sort drew its pivots from the game's one generator.
    EXPECT_NE(RandSeed, 1234);
    // The selected club stays selected.
    EXPECT_EQ(grid->GetCellTextByName("name", "Selected"), "Porto Manso");
    ClickHeader(points);
    EXPECT_EQ(points->SortKind(), skDescending);
    EXPECT_EQ(grid->GetCellTextByName("pts", 0), "41");
    EXPECT_EQ(grid->GetCellTextByName("name", "Selected"), "Porto Manso");
    EXPECT_EQ(headerClicks, 2);
    EXPECT_EQ(sortEvents, 2);
    EXPECT_EQ(afterSort, 2);
}

TEST_F(GridMouseTest, TheSameSeedGivesTheSameRandomSequenceAfterASort)
{
    auto drawsAfterSort = [&]() {
        Fill(Clubs());
        points->SetSorted(false);
        RandSeed = 99;
        ClickHeader(points);
        return std::vector<int>{Random(1000), Random(1000), Random(1000)};
    };
    EXPECT_EQ(drawsAfterSort(), drawsAfterSort());
}

TEST_F(GridMouseTest, HeadersWithoutCanClickNeitherFireNorSort)
{
    int headerClicks = 0;
    grid->OnHeaderClick = [&](TObject*, int) { ++headerClicks; };
    points->SetOptions(points->Options() - TColumnOptions{coCanClick});
    ClickHeader(points);
    EXPECT_EQ(headerClicks, 0);
    EXPECT_FALSE(points->Sorted());
}

TEST_F(GridMouseTest, PressingOneHeaderAndReleasingOnAnotherClicksButDoesNotSort)
{
    std::vector<int> headerClicks;
    grid->OnHeaderClick = [&](TObject*, int c) { headerClicks.push_back(c); };
    grid->SetOptions(grid->Options() + TGridOptions{goDisableColumnMoving});
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(ColumnMiddle(name), 9), Qt::LeftButton, Qt::LeftButton);
    MoveMouse(W(), QPoint(ColumnMiddle(points), 9), Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(ColumnMiddle(points), 9), Qt::LeftButton, Qt::NoButton);
    Pump();
    ASSERT_EQ(headerClicks.size(), 1u);
    EXPECT_EQ(headerClicks[0], name->Index());
    EXPECT_FALSE(name->Sorted());
    EXPECT_FALSE(points->Sorted());
}

TEST_F(GridMouseTest, DraggingTheSplitResizesTheColumnButNeverBelowItsMinimum)
{
    int resized = 0;
    grid->OnColumnResize = [&](TObject*, int c) { ++resized; };
    int headerClicks = 0;
    grid->OnHeaderClick = [&](TObject*, int) { ++headerClicks; };
    int edge = grid->ColumnScreenLeft(name) + name->Width();
    MoveMouse(W(), QPoint(edge, 9));
    EXPECT_EQ(grid->EdgeColumn(), name);
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(edge, 9), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(grid->InputState() & isColumnResizing);
    MoveMouse(W(), QPoint(edge + 30, 9), Qt::LeftButton);
    EXPECT_EQ(grid->ResizeDelta(), 30);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(edge + 30, 9), Qt::LeftButton, Qt::NoButton);
    Pump();
    EXPECT_EQ(name->Width(), 180);
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(headerClicks, 0);
    EXPECT_FALSE(name->Sorted());
    EXPECT_EQ(grid->ColumnScreenLeft(crest), 180);
    // To the left: MinWidth holds.
    name->SetMinWidth(40);
    edge = grid->ColumnScreenLeft(name) + name->Width();
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(edge, 9), Qt::LeftButton, Qt::LeftButton);
    MoveMouse(W(), QPoint(5, 9), Qt::LeftButton);
    EXPECT_EQ(grid->ResizeDelta(), 40 - 180);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(5, 9), Qt::LeftButton, Qt::NoButton);
    Pump();
    EXPECT_EQ(name->Width(), 40);
}

TEST_F(GridMouseTest, AColumnDragStartsOnlyAfterMoreThanThreePixels)
{
    QPoint start(ColumnMiddle(points), 9);
    SendMouse(W(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    MoveMouse(W(), start + QPoint(3, 0), Qt::LeftButton);
    EXPECT_FALSE(grid->InputState() & isColumnMoving);
    MoveMouse(W(), start + QPoint(4, 0), Qt::LeftButton);
    EXPECT_TRUE(grid->InputState() & isColumnMoving);
    EXPECT_TRUE(grid->ColumnDragBox().Visible());
    EXPECT_EQ(grid->ColumnDragBox().Column(), points);
    EXPECT_FALSE(grid->ColumnDragBox().Display().ShowSortArrow);
}

TEST_F(GridMouseTest, DroppingTheDragBoxPastAColumnsMiddleMovesTheColumnThere)
{
    std::vector<int> moves;
    grid->OnColumnMove = [&](TObject*, int c, int from, int to) { moves.push_back(to); };
    QPoint start(ColumnMiddle(points), 9);
    SendMouse(W(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    MoveMouse(W(), start + QPoint(10, 0), Qt::LeftButton);
    ASSERT_TRUE(grid->InputState() & isColumnMoving);
    TColumnDragBox& box = grid->ColumnDragBox();
    // Over the name column's left half: the column lands before it.
    QPoint target = grid->Widget()->mapToGlobal(QPoint(grid->ColumnScreenLeft(name) + 10, 9));
    grid->DragBoxMove(&box, target.x(), target.y());
    EXPECT_TRUE(grid->DragArrowTop().Visible());
    // Over its own right half it would move one place right: the arrows stand at its right edge.
    QPoint own = grid->Widget()->mapToGlobal(QPoint(ColumnMiddle(points) + 5, 9));
    grid->DragBoxMove(&box, own.x(), own.y());
    EXPECT_TRUE(grid->DragArrowTop().Visible());
    const QPoint rightEdge = grid->Widget()->mapToGlobal(QPoint(grid->ColumnScreenLeft(points) + points->Width(), 0));
    EXPECT_EQ(grid->DragArrowTop().Left() + 4, rightEdge.x());
    grid->DragBoxDrop(&box, target.x(), target.y());
    EXPECT_EQ(points->Position(), 0);
    EXPECT_EQ(name->Position(), 1);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), 0);
    EXPECT_FALSE(grid->InputState() & isColumnMoving);
}

// A column dropped on its own header follows the drop rule: past its middle it takes its own
// position plus 1, before its middle the previous column's.
TEST_F(GridMouseTest, AColumnDroppedOnItsOwnHeaderMovesOnePlace)
{
    std::vector<int> moves;
    grid->OnColumnMove = [&](TObject*, int, int, int to) { moves.push_back(to); };
    TColumnDragBox& box = grid->ColumnDragBox();
    auto dragOntoItself = [&](int offsetFromMiddle) {
        const QPoint start(ColumnMiddle(points), 9);
        SendMouse(W(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        MoveMouse(W(), start + QPoint(4, 0), Qt::LeftButton);
        ASSERT_TRUE(box.Visible());
        const QPoint drop = W()->mapToGlobal(QPoint(ColumnMiddle(points) + offsetFromMiddle, 9));
        MoveMouse(box.Widget(), box.Widget()->mapFromGlobal(drop), Qt::LeftButton);
        SendMouse(box.Widget(), QEvent::MouseButtonRelease, box.Widget()->mapFromGlobal(drop), Qt::LeftButton,
                  Qt::NoButton);
        Pump();
        EXPECT_FALSE(box.Visible());
    };
    ASSERT_EQ(points->Position(), 2);
    dragOntoItself(points->Width() / 4);
    EXPECT_EQ(points->Position(), 3);
    EXPECT_EQ(progress->Position(), 2);
    EXPECT_EQ(moves, std::vector<int>{3});
    dragOntoItself(-points->Width() / 4);
    EXPECT_EQ(points->Position(), 2);
    EXPECT_EQ(progress->Position(), 3);
    EXPECT_EQ(moves, (std::vector<int>{3, 2}));
}

TEST(DragArrowTest, ArrowsAreNinePixelShapesPointingUpOrDown)
{
    TRegion up = TDragArrow::ShapeRegion(1);
    EXPECT_TRUE(up.Contains(4, 1));
    EXPECT_TRUE(up.Contains(4, 7));
    EXPECT_FALSE(up.Contains(0, 8));
    TRegion down = TDragArrow::ShapeRegion(2);
    EXPECT_TRUE(down.Contains(4, 7));
    EXPECT_FALSE(down.Contains(0, 1));
    EXPECT_TRUE(TDragArrow::ShapeRegion(0).IsEmpty());
}

TEST_F(GridMouseTest, TheDragBoxDropsOnlyOnTheLeftButton)
{
    TColumnDragBox& box = grid->ColumnDragBox();
    box.SetBounds(200, 200, 60, 18);
    int drops = 0;
    box.OnDrop = [&](TObject*, int, int) { ++drops; };
    box.ShowForColumn(30, 9, false, points);
    ASSERT_TRUE(box.Visible());
    SendMouse(box.Widget(), QEvent::MouseButtonRelease, QPoint(30, 9), Qt::RightButton, Qt::LeftButton);
    EXPECT_TRUE(box.Visible());
    EXPECT_EQ(drops, 0);
    SendMouse(box.Widget(), QEvent::MouseButtonRelease, QPoint(30, 9), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(box.Visible());
    EXPECT_EQ(drops, 1);
}

TEST_F(GridMouseTest, MultiSelectTogglesWithCtrlAndExtendsWithShift)
{
    grid->SetOptions(grid->Options() + TGridOptions{goMultiSelect});
    ClickCell(name, 1);
    ClickCell(name, 4, Qt::ShiftModifier);
    EXPECT_EQ(grid->SelectedCount(), 4);
    ClickCell(name, 6, Qt::ControlModifier);
    EXPECT_EQ(grid->SelectedCount(), 5);
    ClickCell(name, 6, Qt::ControlModifier);
    EXPECT_FALSE(grid->Selected(6));
    EXPECT_EQ(grid->SelectedCount(), 4);
    // A plain click clears the multi-selection.
    ClickCell(name, 8);
    EXPECT_EQ(grid->SelectedCount(), 1);
    EXPECT_TRUE(grid->Selected(8));
}

}  // namespace
}  // namespace tarvelon
