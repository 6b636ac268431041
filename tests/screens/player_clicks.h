#pragma once
// The player's clicks on the game's controls, as real mouse events: at a point of a window, in the
// middle of a control, on the box of a check box or radio button, on a grid's row, on the tick box
// of a country in the new game's list.
#include <gtest/gtest.h>

#include <string>

#include "grid/dg_grid.h"
#include "platform/forms/win_control.h"
#include "screens/common/tick_list.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon::test {

inline void ClickAt(QWidget* widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Pump();
}

inline void Click(TWinControl* control)
{
    ASSERT_NE(control, nullptr);
    ClickAt(control->Widget(), QPoint(control->Width() / 2, control->Height() / 2));
}

inline void ClickBox(TWinControl* control)
{
    ASSERT_NE(control, nullptr);
    ClickAt(control->Widget(), QPoint(7, control->Height() / 2));
}

// The first row whose cell in `column` reads `text`; -1 when none does.
inline int RowWithText(TDataGrid& grid, const char* column, const std::string& text)
{
    for (int row = 0; row < grid.RowCount(); ++row)
        if (grid.GetCellTextByName(column, row) == text)
            return row;
    return -1;
}

// A row scrolled into view and clicked at `x`.
inline void ClickRow(TDataGrid& grid, int row, int x)
{
    grid.ScrollToRow(row);
    Pump();
    ClickAt(grid.Widget(), QPoint(x, grid.RowTop(row) + 5));
}

inline void TickCountry(TTickList& list, int country)
{
    for (int row = 0; row < list.RowCount(); ++row)
        if (list.Id(row) == country)
            ClickAt(list.Grid().Widget(), QPoint(37, list.Grid().RowTop(row) + 10));
}

}  // namespace tarvelon::test
