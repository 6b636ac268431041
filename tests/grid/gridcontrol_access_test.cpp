// Reading and writing cells by column name, the selection rules of SelectCell, scrolling rows
// into view and the grid's fixed property values.
#include "tests/grid/gridcontrol_support.h"

namespace tarvelon {
namespace {

using namespace test;

class GridAccessTest : public GridFixture {};

TEST_F(GridAccessTest, TheWordsFirstLastAndSelectedAreKnownInAnyCase)
{
    grid->SetSelectedRow(4);
    EXPECT_EQ(grid->GetCellTextByName("name", "fIRST"), "Atlético Vale Verde");
    EXPECT_EQ(grid->GetCellTextByName("name", "LAST"), "Juventude Marajá");
    EXPECT_EQ(grid->GetCellTextByName("id", "selected"), "15");
    EXPECT_EQ(grid->GetCellTextByName("First", "3"), "União Ribeira");
    EXPECT_EQ(grid->GetCellTextByName("ID", 0), "11");
    grid->SetSelectedColumn(points->Index());
    EXPECT_EQ(grid->GetCellTextByName("Selected", "Selected"), "30");
    grid->SetCellTextByName("pts", "Last", "13");
    EXPECT_EQ(grid->GetCellTextByName("2", 11), "13");
}

TEST_F(GridAccessTest, AnUnknownColumnNameRaisesTheInvalidRownameMessage)
{
    try {
        grid->GetCellTextByName("pontos", 0);
        FAIL() << "no exception";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "Invalid Rowname 'pontos' for 'TDataGrid:ClubsGrid'.");
    }
}

TEST_F(GridAccessTest, WithoutASelectedRowTheIdReadFailsTheBoundsCheck)
{
    grid->SetSelectedRow(-1);
    EXPECT_EQ(grid->SelectedRow(), -1);
    try {
        grid->GetCellTextByName("id", "Selected");
        FAIL() << "no exception";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "Cell out of bounds (4, -1)");
    }
}

TEST_F(GridAccessTest, SelectedRowMinusOneDeselectsThroughSelectCell)
{
    std::vector<std::string> log;
    grid->OnDeselectCell = [&](TObject*, int c, int r) { log.push_back("deselect " + std::to_string(r)); };
    grid->OnSelectCell = [&](TObject*, int c, int r) { log.push_back("select " + std::to_string(r)); };
    grid->SetSelectedRow(2);
    grid->SetSelectedRow(-1);
    EXPECT_EQ(log, (std::vector<std::string>{"select 2", "deselect 2", "select -1"}));
    Fill({});
    log.clear();
    grid->SetSelectedRow(-1);
    grid->SetSelectedRow(0);
    EXPECT_TRUE(log.empty());
}

TEST_F(GridAccessTest, SelectingTheSameCellFiresOnlyBeforeSelectAndSelect)
{
    grid->SetOptions(TGridOptions{goHeader});
    grid->SetSelectedRow(1);
    std::vector<std::string> log;
    grid->OnBeforeSelect = [&](TObject*, int, int, bool&) { log.push_back("before"); };
    grid->OnDeselectCell = [&](TObject*, int, int) { log.push_back("deselect"); };
    grid->OnSelectCell = [&](TObject*, int, int) { log.push_back("select"); };
    grid->SelectCell(grid->SelectedColumn(), 1, 0, true);
    EXPECT_EQ(log, (std::vector<std::string>{"before", "select"}));
}

TEST_F(GridAccessTest, ADisabledColumnCannotBeSelected)
{
    grid->SetSelectedRow(1);
    points->SetEnabled(false);
    std::vector<std::string> log;
    grid->OnBeforeSelect = [&](TObject*, int, int, bool&) { log.push_back("before"); };
    grid->OnSelectCell = [&](TObject*, int, int) { log.push_back("select"); };
    grid->SelectCell(points->Index(), 3, 0, true);
    EXPECT_EQ(log, std::vector<std::string>{"before"});
    EXPECT_EQ(grid->SelectedRow(), 1);
}

TEST_F(GridAccessTest, AnEmptyGridStoresTheSelectedCellWithoutSelectEvent)
{
    Fill({});
    int selects = 0;
    grid->OnSelectCell = [&](TObject*, int, int) { ++selects; };
    grid->SelectCell(points->Index(), 0, 0, true);
    EXPECT_EQ(grid->SelectedColumn(), points->Index());
    EXPECT_EQ(selects, 0);
}

TEST_F(GridAccessTest, ARefusedBeforeSelectLeavesTheSelection)
{
    grid->SetSelectedRow(1);
    grid->OnBeforeSelect = [&](TObject*, int, int r, bool& accept) { accept = r != 5; };
    grid->SetSelectedRow(5);
    EXPECT_EQ(grid->SelectedRow(), 1);
}

TEST_F(GridAccessTest, AutoScrollBringsTheSelectedRowIntoView)
{
    std::vector<ClubRow> many = Clubs();
    for (int i = 0; i < 30; ++i)
        many.push_back({"Clube Reserva", 0, i, 10, 200 + i});
    Fill(many);
    grid->SetSelectedRow(35);
    EXPECT_EQ(grid->TopRow(), 0);
    grid->SetAutoScroll(true);
    grid->SetSelectedRow(36);
    EXPECT_GT(grid->TopRow(), 0);
    EXPECT_LE(grid->RowTop(36) + grid->GetRowHeight(36), grid->BodyRect().Bottom);
    grid->SetSelectedRow(2);
    EXPECT_EQ(grid->TopRow(), 2);
}

TEST_F(GridAccessTest, VersionStaysAndDefaultsAreThoseOfANewGrid)
{
    grid->SetVersion("9.9");
    EXPECT_EQ(grid->Version(), "4.6");
    TDataGrid fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 250);
    EXPECT_EQ(fresh.Height(), 150);
    EXPECT_EQ(fresh.Options(), TGridOptions{goHeader});
    EXPECT_EQ(fresh.AppearanceOptions(), (TAppearanceOptions{aoHideSelection, aoHighlightSlideCells}));
    EXPECT_EQ(fresh.HeaderSize(), 18);
    EXPECT_EQ(fresh.RowSize(), 16);
    EXPECT_EQ(fresh.SelectedRow(), -1);
    EXPECT_TRUE(fresh.TabStop());
    fresh.SetRowSize(0);
    EXPECT_EQ(fresh.RowSize(), 16);
}

TEST_F(GridAccessTest, ClearRowsResetsTheSelectionAndThePosition)
{
    std::vector<ClubRow> many = Clubs();
    for (int i = 0; i < 30; ++i)
        many.push_back({"Clube Reserva", 0, i, 10, 200 + i});
    Fill(many);
    grid->VertScrollBar().MoveTo(10);
    EXPECT_GT(grid->TopRow(), 0);
    grid->SetSelectedRow(20);
    grid->ClearRows();
    EXPECT_EQ(grid->RowCount(), 0);
    EXPECT_EQ(grid->TopRow(), 0);
    EXPECT_EQ(grid->SelectedRow(), -1);
    EXPECT_EQ(grid->VertScrollBar().Position(), 0);
}

}  // namespace
}  // namespace tarvelon
