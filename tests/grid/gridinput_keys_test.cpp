// The grid's keyboard: arrows, Home/End and page keys move the selection and keep it in view;
// typed letters search the rows by the search column.
#include "tests/grid/gridcontrol_support.h"

#include "platform/forms/timer.h"

namespace tarvelon {
namespace {

using namespace test;

class GridKeysTest : public GridFixture {
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        std::vector<ClubRow> many = Clubs();
        for (int i = 0; i < 18; ++i)
            many.push_back({"Clube Reserva", i % 3, i, 50, 100 + i});
        Fill(many);
        grid->SetFocus();
        Pump();
    }
    // The selected row lies wholly inside the body.
    bool SelectedInView()
    {
        int row = grid->SelectedRow();
        return row >= grid->TopRow() && grid->RowTop(row) + grid->GetRowHeight(row) <= grid->BodyRect().Bottom;
    }
};

TEST_F(GridKeysTest, DownAndUpMoveTheSelectionAndScrollItIntoView)
{
    ClickCell(name, 0);
    for (int i = 0; i < 20; ++i)
        Key(Qt::Key_Down);
    EXPECT_EQ(grid->SelectedRow(), 20);
    EXPECT_GT(grid->TopRow(), 0);
    EXPECT_TRUE(SelectedInView());
    EXPECT_TRUE(grid->Selected(20));
    EXPECT_FALSE(grid->Selected(19));
    for (int i = 0; i < 25; ++i)
        Key(Qt::Key_Up);
    EXPECT_EQ(grid->SelectedRow(), 0);
    EXPECT_EQ(grid->TopRow(), 0);
    // The scrolled picture shows the selection where the row now is.
    grid->SetSelectedRow(1);
    Pump();
    EXPECT_EQ(Pixel(grid->ColumnScreenLeft(name) + name->Width() - 6, RowMiddle(1)), Rgb(clHighlight));
}

TEST_F(GridKeysTest, DownPastTheBottomScrollsByOneRow)
{
    ClickCell(name, 0);
    int page = grid->VisibleRowCount();
    for (int i = 0; i < page - 1; ++i)
        Key(Qt::Key_Down);
    EXPECT_EQ(grid->TopRow(), 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->SelectedRow(), page);
    EXPECT_EQ(grid->TopRow(), 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->TopRow(), 2);
    SendWheel(W(), QPoint(50, 50), -120);
    Pump();
    EXPECT_EQ(grid->TopRow(), 3);
}

TEST_F(GridKeysTest, DownOnTheLastRowStays)
{
    grid->SetSelectedRow(grid->RowCount() - 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->SelectedRow(), grid->RowCount() - 1);
}

TEST_F(GridKeysTest, HomeAndEndGoToTheFirstAndLastRows)
{
    ClickCell(name, 3);
    Key(Qt::Key_End);
    EXPECT_EQ(grid->SelectedRow(), grid->RowCount() - 1);
    EXPECT_TRUE(SelectedInView());
    Key(Qt::Key_Home);
    EXPECT_EQ(grid->SelectedRow(), 0);
    EXPECT_EQ(grid->TopRow(), 0);
}

TEST_F(GridKeysTest, PageDownGoesToThePagesLastRowThenAPageOn)
{
    ClickCell(name, 0);
    int page = grid->VisibleRowCount();
    ASSERT_GT(page, 3);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(grid->SelectedRow(), page - 1);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(grid->SelectedRow(), 2 * page - 1);
    EXPECT_TRUE(SelectedInView());
    Key(Qt::Key_PageUp);
    EXPECT_EQ(grid->SelectedRow(), grid->TopRow());
}

TEST_F(GridKeysTest, TypingSearchesTheSearchColumnAndWrapsToTheTop)
{
    ClickCell(points, 5);
    // From row 6 on nothing starts with "s": the search wraps to the top.
    Key(Qt::Key_S, Qt::NoModifier, "s");
    EXPECT_EQ(grid->SelectedRow(), 1);
    Key(Qt::Key_E, Qt::NoModifier, "e");
    EXPECT_EQ(grid->SearchText(), "se");
    EXPECT_EQ(NameAt(grid->SelectedRow()), "Serra Azul FC");
    // Half a second without a key starts a new search.
    ASSERT_TRUE(PumpUntil([&] { return grid->SearchText().empty(); }, 2000));
    Key(Qt::Key_P, Qt::NoModifier, "P");
    EXPECT_EQ(NameAt(grid->SelectedRow()), "Porto Manso");
    EXPECT_TRUE(SelectedInView());
}

TEST_F(GridKeysTest, TheWheelScrollsARowAtATime)
{
    SendWheel(W(), QPoint(50, 50), -120);
    Pump();
    EXPECT_GT(grid->TopRow(), 0);
    int top = grid->TopRow();
    SendWheel(W(), QPoint(50, 50), 120);
    Pump();
    EXPECT_LT(grid->TopRow(), top);
}

}  // namespace
}  // namespace tarvelon
