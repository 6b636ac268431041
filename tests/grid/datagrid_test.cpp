// The grid with row storage as the screens use it: filling by column name between BeginUpdate and
// EndUpdate, reading the hidden "id" column back, bounds errors, sorting that keeps the selected
// record, tree rows and footers.
#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"

namespace tarvelon {
namespace {

struct Fixture {
    TDataGrid grid{nullptr};
    TDgTextColumn* name;
    TDgNumberColumn* id;
    TDgNumberColumn* goals;
    std::vector<std::pair<int, int>> changes;

    Fixture()
    {
        grid.SetName("GridClubes");
        grid.SetBounds(0, 0, 300, 200);
        name = AddColumn<TDgTextColumn>("nome");
        id = AddColumn<TDgNumberColumn>("id");
        id->SetVisible(false);
        goals = AddColumn<TDgNumberColumn>("gols");
        grid.OnChange = [this](TObject*, int c, int r) { changes.emplace_back(c, r); };
    }

    template <typename T>
    T* AddColumn(const std::string& columnName)
    {
        auto* column = new T(&grid);
        column->SetName(columnName);
        grid.Columns().Add(column);
        return column;
    }

    // As the screens fill a grid: one row per record, by column name.
    void Fill(const std::vector<std::tuple<std::string, int, int>>& records)
    {
        grid.BeginUpdate();
        grid.ClearRows();
        for (auto& [clubName, clubId, clubGoals] : records) {
            grid.AddRow(1);
            int last = grid.RowCount() - 1;
            grid.SetCellTextByName("nome", last, clubName);
            grid.SetCellTextByName("id", last, std::to_string(clubId));
            grid.SetCellTextByName("gols", last, std::to_string(clubGoals));
        }
        grid.EndUpdate();
    }

    std::vector<std::string> Names()
    {
        std::vector<std::string> out;
        for (int r = 0; r < grid.RowCount(); ++r)
            out.push_back(grid.GetCellText(0, r));
        return out;
    }
};

TEST(DataGrid, FillByNameAndReadTheHiddenIdBack)
{
    Fixture f;
    f.Fill({{"Aurora FC", 17, 3}, {"Vila Serrana", 4, 8}, {"Porto Claro", 23, 5}});
    EXPECT_EQ(f.grid.RowCount(), 3);
    EXPECT_TRUE(f.changes.empty());  // nothing reported inside BeginUpdate
    EXPECT_EQ(f.grid.UpdateCount(), 0);
    f.grid.SetSelectedRow(1);
    EXPECT_EQ(f.grid.GetCellTextByName("id", "Selected"), "4");
    EXPECT_EQ(f.grid.GetCellTextByName("ID", "last"), "23");
    EXPECT_EQ(f.grid.GetCellTextByName("nome", "FIRST"), "Aurora FC");
    f.grid.SetCellTextByName("gols", 0, "9");
    ASSERT_EQ(f.changes.size(), 1u);
    EXPECT_EQ(f.changes[0], std::make_pair(2, 0));
}

TEST(DataGrid, UpdateCounterNests)
{
    Fixture f;
    f.grid.BeginUpdate();
    f.grid.BeginUpdate();
    f.grid.EndUpdate();
    EXPECT_EQ(f.grid.UpdateCount(), 1);
    f.grid.AddRow(1);
    f.grid.SetCellText(0, 0, "x");
    EXPECT_TRUE(f.changes.empty());
    f.grid.EndUpdate();
    f.grid.EndUpdate();  // never below zero
    EXPECT_EQ(f.grid.UpdateCount(), 0);
}

TEST(DataGrid, BoundsAndNameErrors)
{
    Fixture f;
    f.Fill({{"A", 1, 0}, {"B", 2, 0}});
    try {
        f.grid.GetCellText(2, f.grid.RowCount());
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Cell out of bounds (2, 2)");
    }
    try {
        f.grid.SetCellText(0, -1, "x");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Cell out of bounds (0, -1)");
    }
    EXPECT_THROW(f.grid.GetCellText(3, 0), std::runtime_error);
    // With no selected row the "Selected" row is -1 and the bounds check answers.
    try {
        f.grid.GetCellTextByName("id", "Selected");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Cell out of bounds (1, -1)");
    }
    try {
        f.grid.GetCellTextByName("pontos", 0);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Invalid Rowname 'pontos' for 'TDataGrid:GridClubes'.");
    }
    EXPECT_THROW(f.grid.SetCellTextByName("gols", 0, "muitos"), EConvertError);
    EXPECT_EQ(f.grid.GetCellTextByName("gols", 0), "0");
}

TEST(DataGrid, AddRowResults)
{
    Fixture f;
    EXPECT_EQ(f.grid.AddRow(0), -1);
    EXPECT_EQ(f.grid.RowCount(), 0);
    EXPECT_EQ(f.grid.AddRow(3), 2);
    EXPECT_EQ(f.grid.AddRow(0), 2);
    EXPECT_EQ(f.grid.LastAddedRow(), 2);
    // Number columns' cells start at 0; default values are written only under goUseDefaultValues.
    f.id->SetDefaultValue("7");
    f.grid.SetOptions(f.grid.Options() + TGridOptions{goUseDefaultValues});
    f.grid.AddRow(1);
    EXPECT_EQ(f.grid.GetCellText(1, 3), "7");
    EXPECT_EQ(f.grid.GetCellText(1, 0), "0");
    f.grid.ClearRows();
    EXPECT_EQ(f.grid.RowCount(), 0);
    EXPECT_EQ(f.grid.VertScrollBar().Position(), 0);
}

TEST(DataGrid, SortKeepsTheSelectedRecordAndFlippingReverses)
{
    Fixture f;
    f.Fill({{"Cedro", 1, 5}, {"Aurora", 2, 9}, {"Brisa", 3, 1}, {"Duna", 4, 9}});
    f.grid.SetSelectedRow(2);  // Brisa
    int afterSort = -2;
    f.grid.OnAfterSort = [&](TObject*, int aCol) { afterSort = aCol; };
    RandSeed = 2024;
    f.grid.SortColumn(f.name);
    EXPECT_EQ(f.Names(), (std::vector<std::string>{"Aurora", "Brisa", "Cedro", "Duna"}));
    EXPECT_EQ(f.grid.GetCellTextByName("id", "Selected"), "3");
    EXPECT_EQ(afterSort, 0);
    std::uint32_t seed = RandSeed;
    f.name->SetSortKind(skDescending);
    f.grid.SortColumn(f.name);
    EXPECT_EQ(f.Names(), (std::vector<std::string>{"Duna", "Cedro", "Brisa", "Aurora"}));
    EXPECT_EQ(RandSeed, seed);
    EXPECT_EQ(f.grid.GetCellTextByName("id", "Selected"), "3");
    f.grid.SortColumn(f.goals);  // numeric, ascending by default
    EXPECT_EQ(f.grid.GetCellText(2, 0), "1");
    EXPECT_EQ(f.grid.GetCellTextByName("id", "Selected"), "3");
    // A column without coCanSort is left as it is.
    f.name->SetOptions(f.name->Options() - TColumnOptions{coCanSort});
    std::vector<std::string> before = f.Names();
    f.grid.SortColumn(f.name);
    EXPECT_EQ(f.Names(), before);
}

TEST(DataGrid, InsertAndDeleteKeepTheSelectedRecord)
{
    Fixture f;
    f.Fill({{"A", 1, 0}, {"B", 2, 0}, {"C", 3, 0}});
    f.grid.SetSelectedRow(1);
    f.grid.InsertRow(0);
    EXPECT_EQ(f.grid.LastAddedRow(), 0);
    EXPECT_EQ(f.grid.GetCellTextByName("id", "Selected"), "2");
    f.grid.InsertRow(4);  // after the selected row: it stays
    EXPECT_EQ(f.grid.GetCellTextByName("id", "Selected"), "2");
    EXPECT_EQ(f.grid.GetCellText(1, 0), "0");  // inserted rows carry no default values
    f.grid.DeleteRow(4);
    f.grid.DeleteRow(3);
    EXPECT_EQ(f.grid.RowCount(), 3);
    EXPECT_LT(f.grid.SelectedRow(), f.grid.RowCount());
}

TEST(DataGrid, TreeRowsExpandAndCollapse)
{
    Fixture f;
    f.Fill({{"Liga", 1, 0}, {"Copa", 2, 0}});
    int a = f.grid.AddChildRow(0, true);
    int b = f.grid.AddChildRow(0, true);
    int c = f.grid.AddChildRow(a, true);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 2);  // under a, before b
    b = 3;
    EXPECT_EQ(f.grid.RowChildCount(0), 2);
    EXPECT_EQ(f.grid.RowLevel(c), 2);
    std::vector<int> expanded;
    f.grid.OnExpand = [&](TObject*, int row) { expanded.push_back(row); };
    f.grid.SetExpanded(a, false);
    f.grid.SetExpanded(0, false);
    EXPECT_EQ(f.grid.ScrollRowCount(), 2);
    f.grid.SetExpanded(0, true);  // the collapsed child keeps its own child hidden
    EXPECT_TRUE(f.grid.RowVisible(a));
    EXPECT_FALSE(f.grid.RowVisible(c));
    EXPECT_TRUE(f.grid.RowVisible(b));
    EXPECT_EQ(f.grid.ScrollRowCount(), 4);
    EXPECT_EQ(expanded, (std::vector<int>{1, 0, 0}));
    f.grid.SetExpanded(4, false);  // no children: nothing
    EXPECT_EQ(expanded.size(), 3u);
    f.grid.DeleteRow(0);  // the whole subtree goes with it
    EXPECT_EQ(f.grid.RowCount(), 1);
    EXPECT_EQ(f.grid.GetCellText(0, 0), "Copa");
}

TEST(DataGrid, Footers)
{
    Fixture f;
    f.goals->Footer().SetFormulaKind(fkAverage);
    f.name->Footer().SetFormulaKind(fkDistinct);
    f.id->Footer().SetFormulaKind(fkMaximum);
    f.grid.RefreshFooter(false);
    EXPECT_EQ(f.goals->Footer().Caption(), "0");
    EXPECT_EQ(f.name->Footer().Caption(), "0");
    f.Fill({{"Aurora", 1, 2}, {"aurora", 5, 4}, {"Brisa", 3, 6}, {"Cedro", 2, 8}});
    f.grid.SetRowVisible(1, false);
    f.grid.SetRowVisible(3, false);
    f.grid.RefreshFooter(true);
    EXPECT_EQ(f.goals->Footer().Caption(), "2");  // (2 + 6) / 4: the visible sum over every row
    EXPECT_EQ(f.name->Footer().Caption(), "3");
    EXPECT_EQ(f.id->Footer().Caption(), "3");
    f.grid.OnFooterCalculate = [](TObject*, int, double& v) { v += 0.5; };
    f.grid.RefreshFooter(false);
    EXPECT_EQ(f.goals->Footer().Caption(), "5,5");
    EXPECT_EQ(f.id->Footer().Caption(), "5,5");
}

TEST(DataGrid, CompareEventSortsAndCellsKeepTheirHints)
{
    Fixture f;
    f.Fill({{"A", 1, 3}, {"B", 2, 1}, {"C", 3, 2}});
    f.goals->SetSortType(stCustom);
    f.grid.OnCompare = [](TObject*, TCell* a, TCell* b, int& compare) {
        compare = b->AsInteger() - a->AsInteger();  // greatest first
    };
    f.grid.SortColumn(f.goals);
    EXPECT_EQ(f.Names(), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(f.grid.DisplayText(2, 0), "3");
    f.changes.clear();
    f.grid.Store().GetCell(0, 0)->SetHint("líder");
    EXPECT_EQ(f.grid.GetCell(0, 0)->Hint(), "líder");
    EXPECT_EQ(f.changes.size(), 1u);  // a hint is a change of the cell
}

}  // namespace
}  // namespace tarvelon
