// The other layouts of the grid: the input line above the rows, the footer below them, and the
// slides style with one card per row.
#include "tests/grid/gridcontrol_support.h"

#include "grid/dg_edit.h"
#include "platform/graphics/themes.h"

namespace tarvelon {
namespace {

using namespace test;

class GridLayoutsTest : public GridFixture {};

TEST_F(GridLayoutsTest, TheInputLineSitsBelowTheHeaderAndAddsARowOnEnter)
{
    grid->SetOptions(grid->Options() + TGridOptions{goInput});
    EXPECT_EQ(grid->RegionRect(grInput).Top, 18);
    EXPECT_EQ(grid->BodyRect().Top, 18 + 16 + 6);
    grid->SetFocus();
    int added = 0;
    grid->OnInputAdded = [&](TObject*) { ++added; };
    Click(QPoint(ColumnMiddle(name), 18 + 8));
    ASSERT_TRUE(grid->InputEditing());
    ASSERT_TRUE(grid->InputSelected());
    TDgCustomEdit* editor = grid->InplaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Top(), 18);
    EXPECT_EQ(editor->Left(), grid->ColumnScreenLeft(name));
    editor->SetFocus();
    editor->SetText("Nova Era FC");
    PressKey(editor->Widget(), Qt::Key_Return);
    Pump();
    EXPECT_EQ(added, 1);
    EXPECT_EQ(grid->RowCount(), 13);
    EXPECT_EQ(NameAt(12), "Nova Era FC");
    EXPECT_EQ(name->InputValue(), "");
}

TEST_F(GridLayoutsTest, LeavingTheInputLineForTheFirstOrLastRowRepaintsItUnselected)
{
    grid->SetOptions(grid->Options() + TGridOptions{goInput});
    grid->SetFocus();
    ClickCell(name, 0);
    const QPoint inputCell(ColumnMiddle(points), 18 + 3);
    Key(Qt::Key_Up);
    ASSERT_TRUE(grid->InputSelected());
    EXPECT_EQ(Pixel(inputCell.x(), inputCell.y()), Rgb(clHighlight));
    Key(Qt::Key_End);
    EXPECT_FALSE(grid->InputSelected());
    EXPECT_EQ(grid->SelectedRow(), grid->RowCount() - 1);
    EXPECT_EQ(Pixel(inputCell.x(), inputCell.y()), Rgb(points->Color()));
    Key(Qt::Key_Up);
    Key(Qt::Key_Home);
    Key(Qt::Key_Up);
    ASSERT_TRUE(grid->InputSelected());
    Key(Qt::Key_Home);
    EXPECT_FALSE(grid->InputSelected());
    EXPECT_EQ(Pixel(inputCell.x(), inputCell.y()), Rgb(points->Color()));
}

TEST_F(GridLayoutsTest, ASingleBorderIsAOnePixelFrameAroundTheClientArea)
{
    const int plainWidth = grid->ClientWidth();
    const int plainHeight = grid->ClientHeight();
    grid->SetBorderStyle(bsSingle);
    Pump();
    EXPECT_EQ(grid->EdgeWidth(), 1);
    EXPECT_EQ(grid->ClientWidth(), plainWidth - 2);
    EXPECT_EQ(grid->ClientHeight(), plainHeight - 2);
    // A click in the header's middle, moved by the edge, still sorts the column it is over.
    int headerClicks = -1;
    grid->OnHeaderClick = [&](TObject*, int column) { headerClicks = column; };
    Click(QPoint(ColumnMiddle(points) + 1, 9 + 1));
    Pump();
    EXPECT_EQ(headerClicks, points->Index());
    grid->SetBorderStyle(bsNone);
    EXPECT_EQ(grid->EdgeWidth(), 0);
    EXPECT_EQ(grid->ClientWidth(), plainWidth);
}

TEST_F(GridLayoutsTest, TheFrameIsTheThemedListBorderOrTheClassicStaticEdge)
{
    grid->SetBorderStyle(bsSingle);
    Pump();
    const int width = grid->Width();
    const int height = grid->Height();
    QImage themed(width, height, QImage::Format_RGB32);
    themed.fill(Qt::magenta);
    TCanvas canvas(&themed);
    ASSERT_TRUE(DrawThemeBackground(canvas, "listview", LVP_LISTITEM, 0, Rect(0, 0, width, height)));
    const QPoint ring[] = {{width / 2, 0}, {0, height / 2}, {width / 2, height - 1}, {width - 1, height / 2}};
    for (QPoint at : ring)
        EXPECT_EQ(GrabbedPixel(W(), at.x(), at.y()), themed.pixel(at) & 0xFFFFFFu) << at.x() << "," << at.y();

    grid->SetEnableVisualStyles(false);
    Pump();
    EXPECT_EQ(GrabbedPixel(W(), width / 2, 0), Rgb(clBtnShadow));
    EXPECT_EQ(GrabbedPixel(W(), 0, height / 2), Rgb(clBtnShadow));
    EXPECT_EQ(GrabbedPixel(W(), width / 2, height - 1), Rgb(clBtnHighlight));
    EXPECT_EQ(GrabbedPixel(W(), width - 1, height / 2), Rgb(clBtnHighlight));
    // Inside the frame the header begins at once.
    EXPECT_EQ(GrabbedPixel(W(), ColumnMiddle(progress) + 1, 1), Pixel(ColumnMiddle(progress), 0));
}

TEST_F(GridLayoutsTest, TheFooterShowsTheColumnsFormulaValue)
{
    grid->SetOptions(grid->Options() + TGridOptions{goFooter});
    points->Footer().SetFormulaKind(fkSum);
    grid->RefreshFooter(false);
    EXPECT_EQ(points->Footer().Caption(), "317");
    TRect footer = grid->RegionRect(grFooter);
    EXPECT_EQ(footer.Top, grid->ClientHeight() - 22);
    EXPECT_EQ(grid->BodyRect().Bottom, grid->ClientHeight() - 22);
    // The caption is drawn inside the points column's footer cell.
    grid->Invalidate();
    Pump();
    int dark = 0;
    int left = grid->ColumnScreenLeft(points);
    for (int y = footer.Top; y < footer.Bottom; ++y)
        for (int x = left; x < left + points->Width(); ++x)
            dark += (Pixel(x, y) & 0xFF) < 0x60 ? 1 : 0;
    EXPECT_GT(dark, 10);
}

TEST_F(GridLayoutsTest, SlidesShowOneCardPerRowWithTheSelectedOneFramed)
{
    grid->SetSlideSize(40);
    name->SlideBounds().SetLeft(60);
    name->SlideBounds().SetTop(4);
    name->SlideBounds().SetWidth(150);
    grid->SetGridStyle(gsSlides);
    grid->SetFocus();
    grid->SetSelectedRow(1);
    Pump();
    EXPECT_EQ(grid->BodyRect().Top, 18);
    EXPECT_EQ(grid->RowTop(1), 18 + 40);
    TRect cell = grid->GetCellRect(name->Index(), 1);
    EXPECT_EQ(cell.Left, 60);
    EXPECT_EQ(cell.Top, 18 + 40 + 4);
    // The focused slide's two-pixel frame in the selection colour.
    EXPECT_EQ(Pixel(0, 18 + 40 + 10), Rgb(clHighlight));
    EXPECT_EQ(Pixel(1, 18 + 40 + 10), Rgb(clHighlight));
    EXPECT_EQ(Pixel(2, 18 + 40 + 10), Rgb(clWindow));
    EXPECT_NE(Pixel(0, 18 + 80 + 10), Rgb(clHighlight));
    // A click in the second card selects its row.
    Click(QPoint(100, 18 + 80 + 4 + 8));
    EXPECT_EQ(grid->SelectedRow(), 2);
}

}  // namespace
}  // namespace tarvelon
