#pragma once
// How a screen's grid holds its text, measured by the grid itself with the fonts it draws in: the
// width each visible column needs for its widest text (its heading's and its cells'), and the room
// left at the grid's right. A screen grown for a larger screen is held to what it shows at 800 x 600:
// a column whose text is whole there is whole on the larger screen, and no column is pushed past the
// grid's right edge (a horizontal scroll bar would then hide the last ones).
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "grid/dg_columns.h"
#include "grid/dg_grid.h"
#include "platform/forms/win_control.h"

namespace tarvelon::test {

struct ColumnFit {
    int width = 0;
    int needed = 0;  // the width the column's widest text needs to show whole
    bool Whole() const { return needed <= width; }
};

struct GridFit {
    std::map<std::string, ColumnFit> columns;  // the visible columns, by name
    int spare = 0;       // pixels left at the right of the last column (negative: pushed past the edge)
    int unscaled = 0;    // the grid's frame and vertical scroll bar, which keep their size on a grown form
    int fontHeight = 0;  // the grid's font

    std::string Describe() const
    {
        std::ostringstream text;
        for (const auto& [name, column] : columns)
            text << name << " " << column.width << " (needs " << column.needed << ") ";
        text << "spare " << spare;
        return text.str();
    }
};

// Measured on a grid that holds its rows.
inline GridFit MeasureGrid(TDataGrid& grid)
{
    GridFit fit;
    for (int i = 0; i < grid.Columns().Count(); ++i) {
        TDgCustomColumn* column = grid.Columns().Items(i);
        if (column->Visible())
            fit.columns[column->Name()] = {column->Width(), grid.GetColumnBestWidth(column, true, true)};
    }
    fit.spare = grid.ColumnAreaWidth() - grid.Columns().TotalWidth();
    fit.unscaled = grid.Width() - grid.ColumnAreaWidth();
    fit.fontHeight = grid.Font().Height();
    return fit;
}

// The grid of a squad (more rows than a team's eleven), measured as its screen shows.
inline GridFit MeasureShownSquad(TWinControl& screen, TDataGrid& grid)
{
    screen.Widget()->grab();
    EXPECT_GT(grid.RowCount(), 11);
    return MeasureGrid(grid);
}

// `larger` (the same screen on a larger screen, `at` names it) shows whole every column that
// `design` shows whole, and its columns stay within the grid.
inline void ExpectWholeWhereTheDesignIsWhole(const GridFit& design, const GridFit& larger, const std::string& at)
{
    EXPECT_EQ(larger.columns.size(), design.columns.size()) << at;
    for (const auto& [name, column] : design.columns) {
        if (!column.Whole())
            continue;
        const auto found = larger.columns.find(name);
        if (found == larger.columns.end())
            continue;
        EXPECT_TRUE(found->second.Whole()) << name << " cut at " << at << ": " << larger.Describe();
    }
    EXPECT_GE(larger.spare, 0) << "columns past the grid's edge at " << at << ": " << larger.Describe();
}

}  // namespace tarvelon::test
