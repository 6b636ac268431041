// The grid's selection: the selected cell, the row flags of multi-selection, moving the selection
// by rows, columns and pages, and scrolling it into view.
#include <algorithm>
#include <cstdlib>

#include "grid/dg_columns.h"
#include "grid/dg_custom_grid_control.h"

namespace tarvelon {

// ---- Selected row and column ------------------------------------------------------------------

void TDgCustomGridControl::SetSelectedRow(int index)
{
    if (RowCount() < 1 || index < -1 || index > RowCount() - 1)
        return;
    LeaveInputLine();
    SelectCell(selectedColumn_, index, 0, true);
}

void TDgCustomGridControl::SetSelectedColumn(int index)
{
    if (columns_->Count() == 0 || index < 0 || index > columns_->Count() - 1)
        return;
    SelectCell(index, selectedRow_, 0, true);
}

void TDgCustomGridControl::SelectCell(int aCol, int aRow, TShiftState shift, bool clearOthers)
{
    if (!DoBeforeSelect(aCol, aRow))
        return;
    bool shiftOrCtrl = (shift & (ssShift | ssCtrl)) != 0;
    if ((stateFlags_ & gfMultiSelected) != 0 && !shiftOrCtrl && clearOthers)
        ClearMultiSelection();
    if (aCol < 0 || aCol >= columns_->Count() || !columns_->Items(aCol)->Enabled())
        return;
    int oldCol = selectedColumn_;
    int oldRow = selectedRow_;
    selectedColumn_ = aCol;
    selectedRow_ = aRow;
    bool changed = oldCol != aCol || oldRow != aRow;
    bool oldValid = oldCol >= 0 && oldCol < columns_->Count() && oldRow >= 0 && oldRow < RowCount();
    if (changed) {
        if (oldValid)
            DoDeselectCell(oldCol, oldRow);
        EndEditing();
    }
    if (autoScroll_ && aRow >= 0 && aRow < RowCount())
        ScrollToRow(aRow);
    if (inputSelected_) {
        if (oldCol != aCol) {
            DoInputSelectCell(aCol);
            RedrawInputCell(aCol);
            RedrawInputCell(oldCol);
        }
        return;
    }
    if (RowCount() == 0)
        return;
    bool rowChanged = oldRow != aRow;
    bool fullRow = options_.Contains(goSelectFullRow);
    if (fullRow && options_.Contains(goMultiSelect) && (shift & ssCtrl) != 0 && (shift & ssShift) == 0) {
        anchorRow_ = aRow;
        stateFlags_ |= gfMultiSelected;
        SetSelected(aRow, !Selected(aRow));
        if (rowChanged)
            RedrawRow(oldRow);
        RedrawRow(aRow);
        DoSelectCell(aCol, aRow);
        return;
    }
    if (fullRow && options_.Contains(goMultiSelect) && (shift & ssShift) != 0) {
        stateFlags_ |= gfMultiSelected;
        int from = std::min(anchorRow_, aRow);
        int to = std::max(anchorRow_, aRow);
        if (from < 0)
            from = aRow;
        if ((shift & ssCtrl) == 0) {
            for (int row = 0; row < RowCount(); ++row)
                if ((row < from || row > to) && Selected(row))
                    SetSelected(row, false);
        }
        SelectRange(from, to, true);
        if (rowChanged) {
            RedrawRow(aRow);
            RedrawRow(oldRow);
        }
        DoSelectCell(aCol, aRow);
        return;
    }
    if (fullRow) {
        if (rowChanged && (stateFlags_ & gfMultiSelected) == 0 && oldRow >= 0 && oldRow < RowCount())
            SetSelected(oldRow, false);
        if (!rowChanged && oldCol != aCol && appearanceOptions_.Contains(aoIndicateSelectedCell)) {
            RedrawCell(aCol, aRow);
            if (oldCol >= 0 && oldCol < columns_->Count())
                RedrawCell(oldCol, oldRow);
        }
        if (aRow >= 0 && aRow < RowCount())
            SetSelected(aRow, true);
        anchorRow_ = aRow;
        if (!UpdateLocked()) {
            RedrawRow(aRow);
            RedrawRow(oldRow);
            RedrawIndicatorCell(aRow);
            RedrawIndicatorCell(oldRow);
        }
    } else {
        if (!changed) {
            DoSelectCell(aCol, aRow);
            return;
        }
        if (rowChanged) {
            RedrawIndicatorCell(aRow);
            RedrawIndicatorCell(oldRow);
        }
        RedrawCell(aCol, aRow);
        RedrawCell(oldCol, oldRow);
    }
    DoSelectCell(aCol, aRow);
}

bool TDgCustomGridControl::IsCellSelected(int aCol, int aRow)
{
    if (gridStyle_ == gsSlides && !appearanceOptions_.Contains(aoHighlightSlideCells))
        return false;
    if (inputSelected_)
        return false;
    if (aCol < 0 || aCol >= columns_->Count() || columns_->Items(aCol)->Options().Contains(coDontHighlight))
        return false;
    if (appearanceOptions_.Contains(aoHideSelection) && !GridFocused())
        return false;
    bool isSelectedCell = aCol == selectedColumn_ && aRow == selectedRow_;
    bool beingEdited = Editing() && aCol == editCol_ && aRow == editRow_;
    if (options_.Contains(goSelectFullRow)) {
        if (aRow < 0 || aRow >= RowCount() || !Selected(aRow))
            return false;
        if (!isSelectedCell)
            return true;
        return !appearanceOptions_.Contains(aoIndicateSelectedCell) && !beingEdited;
    }
    return isSelectedCell && !beingEdited;
}

void TDgCustomGridControl::ClearMultiSelection()
{
    BeginUpdate();
    ClearSelection();
    EndUpdate();
    stateFlags_ &= ~gfMultiSelected;
    selectedRow_ = -1;
    selectedColumn_ = 0;
}

// ---- Rows ------------------------------------------------------------------------------------------

void TDgCustomGridControl::SelectFirstRow(TShiftState shift)
{
    LeaveInputLine();
    SelectCell(selectedColumn_, firstVisibleRow_, shift, true);
    VertScrollBar().First();
}

void TDgCustomGridControl::SelectLastRow(TShiftState shift)
{
    LeaveInputLine();
    SelectCell(selectedColumn_, lastVisibleRow_, shift, true);
    VertScrollBar().Last();
}

void TDgCustomGridControl::SelectNextRow(TShiftState shift, bool tabAtEnd)
{
    int count = RowCount();
    if (count == 0)
        return;
    int target = -1;
    if (inputSelected_) {
        SetInputSelected(false);
        target = firstVisibleRow_;
    } else {
        if (selectedRow_ < 0)
            return;
        if (selectedRow_ >= count - 1) {
            if (tabAtEnd) {
                SendTab();
                SelectFirstRow(0);
            }
            return;
        }
        for (int row = selectedRow_ + 1; row < count; ++row) {
            if (RowVisible(row) && DoBeforeSelect(selectedColumn_, row)) {
                target = row;
                break;
            }
        }
        if (target < 0)
            return;
    }
    SelectCell(selectedColumn_, target, shift, true);
    int bottom = RowTop(target) + GetRowHeight(target);
    if (target >= topRow_ && bottom >= BodyRect().Bottom)
        VertScrollBar().LineDown();
}

void TDgCustomGridControl::SelectPriorRow(TShiftState shift)
{
    if (selectedRow_ >= 0 && selectedRow_ == firstVisibleRow_ && options_.Contains(goInput) &&
        gridStyle_ == gsReport) {
        SetInputSelected(true);
        return;
    }
    if (inputSelected_ || RowCount() == 0)
        return;
    int target = -1;
    for (int row = selectedRow_ - 1; row >= 0; --row) {
        if (RowVisible(row) && DoBeforeSelect(selectedColumn_, row)) {
            target = row;
            break;
        }
    }
    if (target < 0)
        return;
    SelectCell(selectedColumn_, target, shift, true);
    if (target < topRow_)
        VertScrollBar().LineUp();
}

void TDgCustomGridControl::MoveSelectionBy(int delta)
{
    int row = selectedRow_;
    int steps = std::abs(delta);
    while (steps > 0) {
        int next = row + (delta < 0 ? -1 : 1);
        if (delta < 0 ? next < firstVisibleRow_ : next > lastVisibleRow_)
            break;
        row = next;
        if (RowVisible(row))
            --steps;
    }
    SetSelectedRow(row);
}

// ---- Columns ---------------------------------------------------------------------------------------

void TDgCustomGridControl::SelectColumnInView(TDgCustomColumn* column)
{
    if (column == nullptr)
        return;
    SetSelectedColumn(column->Index());
    ScrollToColumn(column);
}

void TDgCustomGridControl::SelectFirstColumn()
{
    SelectColumnInView(columns_->FirstVisible());
}

void TDgCustomGridControl::SelectLastColumn()
{
    SelectColumnInView(columns_->LastVisible());
}

void TDgCustomGridControl::SelectNeighbourColumn(bool next)
{
    if (selectedColumn_ < 0 || selectedColumn_ >= columns_->Count())
        return;
    TDgCustomColumn* current = columns_->Items(selectedColumn_);
    TDgCustomColumn* column = next ? columns_->NextColumn(current) : columns_->PriorColumn(current);
    SelectCell(column->Index(), selectedRow_, 0, true);
    if (gridStyle_ == gsReport)
        ScrollToColumn(column);
}

void TDgCustomGridControl::SelectNextColumn()
{
    SelectNeighbourColumn(true);
}

void TDgCustomGridControl::SelectPriorColumn()
{
    SelectNeighbourColumn(false);
}

void TDgCustomGridControl::SelectNextCell(bool tabAtEnd)
{
    TDgCustomColumn* last = columns_->LastVisible();
    if (last != nullptr && selectedColumn_ == last->Index()) {
        if (inputSelected_) {
            SendTab();
            return;
        }
        SelectNextRow(0, tabAtEnd);
        SelectFirstColumn();
        return;
    }
    SelectNextColumn();
}

void TDgCustomGridControl::SelectPriorCell()
{
    TDgCustomColumn* first = columns_->FirstVisible();
    if (first != nullptr && selectedColumn_ == first->Index()) {
        if (inputSelected_)
            return;
        SelectPriorRow(0);
        SelectLastColumn();
        return;
    }
    SelectPriorColumn();
}

// ---- Scrolling into view ---------------------------------------------------------------------------

namespace {

int CountVisible(const TDgCustomGridControl& grid, int from, int to)
{
    int count = 0;
    for (int row = from; row < to; ++row)
        count += grid.RowVisible(row) ? 1 : 0;
    return count;
}

}  // namespace

void TDgCustomGridControl::ScrollToRow(int index)
{
    int page = VisibleRowCount(false);
    // The row that lies `page` visible rows below the top row.
    int pageEnd = topRow_;
    for (int seen = 0; pageEnd < RowCount() && seen < page; ++pageEnd)
        seen += RowVisible(pageEnd) ? 1 : 0;
    if (index < pageEnd) {
        if (index >= topRow_)
            return;
        VertScrollBar().MoveBy(-CountVisible(*this, index, topRow_));
        return;
    }
    VertScrollBar().MoveBy(CountVisible(*this, pageEnd, index + 1));
}

void TDgCustomGridControl::ScrollToColumn(TDgCustomColumn* column)
{
    if (column == nullptr || !IsScrollingColumn(column))
        return;
    int x = column->Left() - HorzPosition();
    int move = 0;
    if (x < FixedEdge())
        move = x - FixedEdge();
    else if (x + column->Width() > ClientWidth())
        move = x + column->Width() - ClientWidth();
    if (move == 0)
        return;
    HorzScrollBar().MoveBy(move);
    UpdateEditorBounds();
}

// ---- Input line ------------------------------------------------------------------------------------

void TDgCustomGridControl::SetInputSelected(bool value)
{
    if (value) {
        if (selectedRow_ >= 0 && selectedRow_ < RowCount())
            SetSelected(selectedRow_, false);
    } else {
        EndEditing();
    }
    inputSelected_ = value;
    RedrawRegion(grInput);
    RedrawRegion(grIndicator);
    RedrawSelection();
}

void TDgCustomGridControl::LeaveInputLine()
{
    if (inputSelected_)
        SetInputSelected(false);
}

}  // namespace tarvelon
