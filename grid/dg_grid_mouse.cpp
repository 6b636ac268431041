// The grid's mouse: pressing and releasing cells, headers, footer, indicator and input line,
// double clicks, column and row resizing, column and row moving, and the hints under the mouse.
#include <algorithm>

#include "grid/dg_column_drag_box.h"
#include "grid/dg_column_painters.h"
#include "grid/dg_columns.h"
#include "grid/dg_custom_grid.h"
#include "grid/dg_edit.h"
#include "grid/dg_shared_common.h"
#include "grid/dg_style_display.h"
#include "platform/forms/input_state.h"
#include "platform/forms/screen.h"

namespace tarvelon {

namespace {

// Feature bits of a column kind read by the input side.
constexpr int kfHasPlay = 1;   // the tree column: its mouse element acts without coEditing
constexpr int kfFitsWidth = 8;  // a double click on the column's edge fits it to its rows

}  // namespace

bool TDgCustomGrid::PreparePlay(TDgCustomColumn* column, int aRow)
{
    TColumnPlay* play = column->Play();
    if (play == nullptr)
        return false;
    play->Col = column->Index();
    play->Row = aRow;
    play->Canvas = &Canvas();
    play->Rect = GetCellRect(column->Index(), aRow);
    play->TextValue = GetCellText(column->Index(), aRow);
    play->OnApply = [this](TColumnPlay* element) { ApplyPlayValue(*element); };
    play->OnToggle = [this](TColumnPlay* element) { ToggleExpanded(element->Row); };
    if (auto* tree = dynamic_cast<TTreeColumnPlay*>(play))
        tree->Level = RowLevel(aRow);
    return true;
}

// ---- Mouse down -------------------------------------------------------------------------------

void TDgCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TDgCustomGridControl::MouseDown(button, shift, x, y);
    mouseDownPoint_ = Point(x, y);
    downCell_ = CellAtPos(x, y);
    if ((shift & ssDouble) != 0) {
        DoubleClickPress(x, y);
        return;
    }
    if (Visible() && Enabled() && !Focused())
        SetFocus();
    if (columns_->Count() == 0 || button == mbMiddle)
        return;
    TGridArea area = GetGridArea(x, y);
    if (button == mbLeft && options_.Contains(goHeader) && area == gaHeader) {
        if (TDgCustomColumn* edge = ColumnEdgeAtPos(x)) {
            StartColumnResize(edge);
            return;
        }
    }
    switch (area) {
    case gaCells:
        CellPress(button, shift, x, y);
        break;
    case gaHeader:
        HeaderPress(button, shift, x, y);
        break;
    case gaIndicator:
        IndicatorPress(x, y);
        break;
    case gaInput:
        break;
    default:
        ApplyEditing();
        EndEditing();
        break;
    }
}

void TDgCustomGrid::DoubleClickPress(int x, int y)
{
    if (edgeColumn_ != nullptr && (edgeColumn_->GetFeatures() & kfFitsWidth) != 0) {
        FitColumnToRows(edgeColumn_);
        edgeColumn_ = nullptr;
    } else {
        switch (GetGridArea(x, y)) {
        case gaCells: {
            TPoint cell = CellAtPos(x, y);
            if (cell.X >= 0 && cell.Y >= 0 && cell.Y < RowCount())
                DoCellDblClick(cell.X, cell.Y);
            break;
        }
        case gaHeader:
            if (TDgCustomColumn* column = ColumnAtPos(x))
                DoHeaderDblClick(column->Index());
            break;
        case gaIndicator:
            if (options_.Contains(goRowResizing)) {
                int row = RowEdgeAtPos(x, y);
                if (row >= 0)
                    SetRowHeight(row, GetRowBestHeight(row));
            }
            break;
        default:
            break;
        }
    }
    mouseDownPoint_ = Point(-1, -1);
}

void TDgCustomGrid::FitColumnToRows(TDgCustomColumn* column)
{
    column->SetWidth(GetColumnBestWidth(column, false, true));
}

void TDgCustomGrid::StartColumnResize(TDgCustomColumn* column)
{
    inputState_ |= isColumnResizing;
    resizeColumn_ = column;
    resizeDelta_ = 0;
    int x0 = ColumnScreenLeft(column);
    resizeLineStart_ = column->Index() == 0 ? x0 : x0 - 1;
    resizeLineEnd_ = x0 + column->Width() - 1;
    DrawResizeLines();
}

void TDgCustomGrid::DrawResizeLines()
{
    // The guide lines are drawn inverted straight on the picture: drawing one again erases it.
    TCanvas& canvas = Canvas();
    canvas.ResetClip();
    canvas.Pen.SetMode(pmNot);
    canvas.MoveTo(resizeLineStart_, 0);
    canvas.LineTo(resizeLineStart_, ClientHeight());
    canvas.MoveTo(resizeLineEnd_, 0);
    canvas.LineTo(resizeLineEnd_, ClientHeight());
    canvas.Pen.SetMode(pmCopy);
    Invalidate();
}

void TDgCustomGrid::DrawRowResizeLine(int y)
{
    TCanvas& canvas = Canvas();
    canvas.ResetClip();
    canvas.Pen.SetMode(pmNot);
    canvas.MoveTo(0, y);
    canvas.LineTo(ClientWidth(), y);
    canvas.Pen.SetMode(pmCopy);
}

void TDgCustomGrid::CellPress(TMouseButton button, TShiftState shift, int x, int y)
{
    if (Editing() || InputEditing()) {
        ApplyEditing();
        EndEditing();
    }
    if (gridStyle_ == gsReport && InputSelected())
        SetInputSelected(false);
    TPoint cell = CellAtPos(x, y);
    clickedSelected_ = cell.X == selectedColumn_ && cell.Y == selectedRow_;
    bool clearOthers = button == mbLeft;
    if (options_.Contains(goMultiSelect) && options_.Contains(goSelectFullRow) && cell.Y >= 0 &&
        cell.Y < RowCount() && Selected(cell.Y) && DragMode() == dmAutomatic) {
        clearOthers = false;
        deferredSelect_ = true;
    }
    if (cell.Y < 0)
        return;
    moveRowSource_ = cell.Y;
    int col = cell.X;
    int row = cell.Y;
    if (row < 0 || row >= RowCount())
        row = selectedRow_;
    if (col < 0 || col >= columns_->Count())
        col = selectedColumn_;
    if (col >= 0 && col < columns_->Count() && row >= 0 && row < RowCount() && !readOnly_) {
        TDgCustomColumn* column = columns_->Items(col);
        bool acts = column->Options().Contains(coEditing) || (column->GetFeatures() & kfHasPlay) != 0;
        if (acts && PreparePlay(column, row)) {
            TRect rect = GetCellRect(col, row);
            column->Play()->MouseDown(button, shift, x - rect.Left, y - rect.Top);
        }
    }
    SelectCell(col, row, shift, clearOthers);
    if (gridStyle_ == gsReport && row >= 0 && row < RowCount()) {
        int bottom = RowTop(row) + GetRowHeight(row);
        if (bottom > BodyRect().Bottom)
            ScrollToRow(row);
    }
}

void TDgCustomGrid::HeaderPress(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button != mbLeft || (shift & ssDouble) != 0)
        return;
    downColumn_ = ColumnAtPos(x);
    if (downColumn_ != nullptr && downColumn_->Options().Contains(coCanClick)) {
        inputState_ |= isHeaderPressed;
        pressedColumn_ = downColumn_;
        RedrawColumn(pressedColumn_, grHeader);
    } else {
        downColumn_ = nullptr;
    }
}

void TDgCustomGrid::IndicatorPress(int x, int y)
{
    if (options_.Contains(goRowResizing)) {
        int row = RowEdgeAtPos(x, y);
        if (row >= 0) {
            resizeRow_ = row;
            resizeRowPoint_ = y;
            DrawRowResizeLine(y);
            return;
        }
    }
    TPoint cell = CellAtPos(IndicatorWidth() + 1, y);
    if (cell.Y >= 0 && cell.Y < RowCount())
        SelectCell(selectedColumn_, cell.Y, 0, true);
}

// ---- Mouse move -------------------------------------------------------------------------------

void TDgCustomGrid::MouseMove(TShiftState shift, int x, int y)
{
    TDgCustomGridControl::MouseMove(shift, x, y);
    TPoint oldHover = hoverCell_;
    hoverCell_ = Point(-1, -1);
    if (columns_->Count() == 0 || Rolling())
        return;
    if ((inputState_ & isColumnResizing) != 0 && resizeColumn_ != nullptr) {
        DrawResizeLines();
        int s = IsScrollingColumn(resizeColumn_) ? HorzPosition() : 0;
        resizeDelta_ = x - (resizeColumn_->Left() + resizeColumn_->Width()) + s;
        if (resizeColumn_->Width() + resizeDelta_ < resizeColumn_->MinWidth())
            resizeDelta_ = resizeColumn_->MinWidth() - resizeColumn_->Width();
        resizeLineEnd_ = resizeColumn_->Left() + resizeColumn_->Width() + resizeDelta_ - 1 - s;
        DrawResizeLines();
        return;
    }
    if (resizeRow_ >= 0) {
        DrawRowResizeLine(resizeRowPoint_);
        resizeRowPoint_ = std::max(y, RowTop(resizeRow_) + 8);
        DrawRowResizeLine(resizeRowPoint_);
        return;
    }
    if ((inputState_ & isColumnMoving) != 0)
        return;
    TGridArea area = GetGridArea(x, y);
    if (area != gaHeader)
        LeaveHeader();
    switch (area) {
    case gaHeader:
        HeaderMove(shift, x, y);
        break;
    case gaFooter:
        FooterMove(x, y);
        break;
    case gaCells:
        hoverCell_ = oldHover;
        CellMove(shift, x, y);
        break;
    case gaIndicator:
        IndicatorMove(x, y);
        break;
    default:
        hintKind_ = hkNone;
        HideHint();
        SetCursor(crDefault);
        break;
    }
}

void TDgCustomGrid::LeaveHeader()
{
    edgeColumn_ = nullptr;
    if (hoverColumn_ != nullptr) {
        RedrawColumn(hoverColumn_, grHeader);
        hoverColumn_ = nullptr;
    }
    if (hintKind_ == hkHeader) {
        hintKind_ = hkNone;
        HideHint();
    }
}

void TDgCustomGrid::HeaderMove(TShiftState shift, int x, int y)
{
    edgeColumn_ = ColumnEdgeAtPos(x);
    SetCursor(edgeColumn_ != nullptr ? crHorzSplit : crDefault);
    bool moving = downColumn_ != nullptr && (shift & ssLeft) != 0 &&
                  !downColumn_->Options().Contains(coDisableMoving) && !options_.Contains(goDisableColumnMoving);
    if (moving && MovedBeyond(Point(x, y), mouseDownPoint_, 3)) {
        inputState_ |= isColumnMoving;
        pressedColumn_ = nullptr;
        RedrawColumn(downColumn_, grHeader);
        dragBox_->Canvas().Font.Assign(Font());
        TPoint screen = ClientToScreen(Point(ColumnScreenLeft(downColumn_), 0));
        dragBox_->SetBounds(screen.X, screen.Y, downColumn_->Width(), headerSize_);
        TPoint boxPoint = dragBox_->ScreenToClient(ClientToScreen(Point(x, y)));
        dragBox_->ShowForColumn(boxPoint.X, boxPoint.Y, false, downColumn_);
        return;
    }
    TDgCustomColumn* old = hoverColumn_;
    hoverColumn_ = ColumnAtPos(x);
    if (hoverColumn_ != nullptr && !hoverColumn_->Header().Hint().empty()) {
        if (hoverColumn_ != hintHeaderColumn_) {
            ShowHintAt(hkHeader, hoverColumn_->Header().Hint(), Point(ColumnScreenLeft(hoverColumn_), headerSize_ + 2),
                       ClientWidth());
            hintHeaderColumn_ = hoverColumn_;
        }
    } else if (hintKind_ == hkHeader) {
        hintKind_ = hkNone;
        HideHint();
    }
    if ((display_->GetStyleFeatures() & sfTracksMouse) != 0 && old != hoverColumn_) {
        if (hoverColumn_ != nullptr)
            RedrawColumn(hoverColumn_, grHeader);
        if (old != nullptr)
            RedrawColumn(old, grHeader);
    }
}

void TDgCustomGrid::FooterMove(int x, int y)
{
    TDgCustomColumn* column = ColumnAtPos(x);
    if (column != nullptr && !column->Footer().Hint().empty()) {
        if (column != hintFooterColumn_) {
            ShowHintAt(hkFooter, column->Footer().Hint(), Point(ColumnScreenLeft(column), ClientHeight() + 2),
                       ClientWidth());
            hintFooterColumn_ = column;
        }
    } else if (hintKind_ == hkFooter) {
        hintKind_ = hkNone;
        HideHint();
    }
}

bool TDgCustomGrid::TextFits(int aCol, int aRow)
{
    TDgCustomColumn* column = columns_->Items(aCol);
    TColumnDisplay* painter = column->Display();
    if (painter == nullptr)
        return true;
    TRect rect = GetCellRect(aCol, aRow);
    PrepareCellPainter(aCol, aRow, *painter, rect);
    TCellState state = CellPaintState(aCol, aRow);
    PrepareCellFont(aCol, aRow, state);
    int width = gridStyle_ == gsSlides ? column->SlideBounds().Width() : column->Width();
    return width >= painter->GetContentWidth() + 5;
}

void TDgCustomGrid::CellMove(TShiftState shift, int x, int y)
{
    TPoint cell = CellAtPos(x, y);
    TPoint old = hoverCell_;
    hoverCell_ = cell;
    bool valid = cell.X >= 0 && cell.Y >= 0 && cell.Y < RowCount();
    if (valid && !readOnly_) {
        TDgCustomColumn* column = columns_->Items(cell.X);
        if (column->Play() != nullptr && PreparePlay(column, cell.Y)) {
            TRect rect = GetCellRect(cell.X, cell.Y);
            column->Play()->MouseMove(shift, x - rect.Left, y - rect.Top);
        }
    }
    if (moveRowSource_ != -1 && options_.Contains(goRowMoving) && (shift & ssLeft) != 0 &&
        ((inputState_ & isRowMoving) != 0 || MovedBeyond(Point(x, y), mouseDownPoint_, 3))) {
        inputState_ |= isRowMoving;
        int target = DropRowAt(y);
        if (target != moveRowShown_) {
            const int shown = moveRowShown_;
            moveRowShown_ = -1;
            DrawRowMoveIndicator(shown);
            if (target == firstVisibleRow_ && topRow_ > 0)
                VertScrollBar().LineUp();
            moveRowTarget_ = target;
            moveRowShown_ = target;
            DrawRowMoveIndicator(target);
        }
        return;
    }
    if (!valid) {
        SetCursor(crDefault);
        hintKind_ = hkNone;
        HideHint();
        return;
    }
    if (Editing() && cell.X == editCol_ && cell.Y == editRow_) {
        HideHint();
        return;
    }
    TDgCustomColumn* column = columns_->Items(cell.X);
    SetCursor(column->Cursor());
    if (old.X == cell.X && old.Y == cell.Y)
        return;
    if (column->Options().Contains(coShowTextFitHint) && !TextFits(cell.X, cell.Y)) {
        TRect rect = GetCellRect(cell.X, cell.Y);
        ShowHintAt(hkTextFit, GetCellText(cell.X, cell.Y), Point(rect.Left, rect.Top), ClientWidth());
        return;
    }
    std::string hint;
    GetCellHint(cell.X, cell.Y, hint);
    if (hint.empty()) {
        hintKind_ = hkNone;
        HideHint();
        return;
    }
    TRect rect = GetCellRect(cell.X, cell.Y);
    ShowHintAt(hkCell, hint, Point(rect.Left, rect.Bottom), 250);
}

void TDgCustomGrid::IndicatorMove(int x, int y)
{
    if (options_.Contains(goRowResizing) && RowEdgeAtPos(x, y) >= 0) {
        SetCursor(crVertSplit);
        return;
    }
    int lastBottom = RowCount() > 0 ? RowTop(lastVisibleRow_) + GetRowHeight(lastVisibleRow_) : BodyRect().Top;
    SetCursor(y >= BodyRect().Top && y <= lastBottom ? crIndicatorSelect : crDefault);
}

void TDgCustomGrid::MouseLeave()
{
    // A cell's whole text is shown in a hint laid over the cell, under the mouse: the window
    // system takes the mouse from the grid as the hint appears, though it has not moved off the
    // grid. That is no leave; the hint stays until the mouse moves on.
    if (hintKind_ == hkTextFit && PtInRect(ClientRect(), ScreenToClient(GetCursorPos())))
        return;
    TDgCustomGridControl::MouseLeave();
    hintKind_ = hkNone;
    HideHint();
    if (hoverColumn_ != nullptr) {
        RedrawColumn(hoverColumn_, grHeader);
        hoverColumn_ = nullptr;
    }
    hoverCell_ = Point(-1, -1);
}

// ---- Row moving -------------------------------------------------------------------------------

int TDgCustomGrid::DropRowAt(int y) const
{
    int bottom = BodyRect().Top;
    for (int row = topRow_; row < RowCount(); ++row) {
        if (!RowVisible(row))
            continue;
        int top = bottom;
        bottom += GetRowHeight(row) + LineSpacing();
        if (y < bottom)
            return y > (top + bottom) / 2 ? row + 1 : row;
    }
    return moveRowSource_;
}

int TDgCustomGrid::RowMoveMarkerY(int row) const
{
    return row < RowCount() ? RowTop(row) : RowTop(RowCount() - 1) + GetRowHeight(RowCount() - 1);
}

// The drop marker of a row move lies in a strip around the top edge of the drop row; it is drawn
// by Paint while a move is under way, so showing or hiding it repaints that strip.
void TDgCustomGrid::DrawRowMoveIndicator(int row)
{
    if (row < 0 || RowCount() == 0)
        return;
    const int y = RowMoveMarkerY(row);
    InvalidateRect(Rect(0, y - 6, ClientWidth(), y + 7));
    Update();
}

// Two red arrow outlines of 8 points at both ends, pointing inwards, and a red line between them.
void TDgCustomGrid::PaintRowMoveMarker(TCanvas& canvas)
{
    if (moveRowShown_ < 0 || RowCount() == 0)
        return;
    const int y = RowMoveMarkerY(moveRowShown_);
    const int right = std::min(ClientWidth(), IndicatorWidth() + columns_->TotalWidth()) - 1;
    canvas.Pen.SetColor(clRed);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetMode(pmCopy);
    canvas.Polyline({Point(0, y - 2), Point(4, y - 2), Point(4, y - 5), Point(9, y), Point(4, y + 5), Point(4, y + 2),
                     Point(0, y + 2), Point(0, y - 2)});
    canvas.Polyline({Point(right, y - 2), Point(right - 4, y - 2), Point(right - 4, y - 5), Point(right - 9, y),
                     Point(right - 4, y + 5), Point(right - 4, y + 2), Point(right, y + 2), Point(right, y - 2)});
    canvas.MoveTo(9, y);
    canvas.LineTo(right - 9, y);
}

void TDgCustomGrid::Paint()
{
    TDgCustomGridControl::Paint();
    PaintRowMoveMarker(Canvas());
}

void TDgCustomGrid::EndRowMove(int y)
{
    int target = DropRowAt(y);
    const int shown = moveRowShown_;
    moveRowShown_ = -1;
    DrawRowMoveIndicator(shown);
    if (target > moveRowSource_)
        --target;
    // A row dropped on its own place is still a move: it is reported and the row is selected.
    if (DoRowMove(moveRowSource_, target)) {
        MoveRow(moveRowSource_, target);
        DoAfterRowMove(moveRowSource_, target);
        SetSelectedRow(target);
    }
    inputState_ &= ~isRowMoving;
    Invalidate();
}

// ---- Mouse up ---------------------------------------------------------------------------------

void TDgCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TDgCustomGridControl::MouseUp(button, shift, x, y);
    TDgCustomColumn* downColumn = downColumn_;
    downColumn_ = nullptr;
    mouseDownPoint_ = Point(-1, -1);
    if ((inputState_ & isRowMoving) != 0)
        EndRowMove(y);
    moveRowSource_ = -1;
    inputState_ &= ~isHeaderPressed;
    if ((inputState_ & isColumnResizing) != 0) {
        inputState_ &= ~isColumnResizing;
        DrawResizeLines();
        TDgCustomColumn* column = resizeColumn_;
        resizeColumn_ = nullptr;
        edgeColumn_ = nullptr;
        if (column != nullptr)
            column->SetWidth(column->Width() + resizeDelta_);
        Invalidate();
        return;
    }
    if (resizeRow_ >= 0) {
        DrawRowResizeLine(resizeRowPoint_);
        int row = resizeRow_;
        resizeRow_ = -1;
        int height = resizeRowPoint_ - RowTop(row);
        SetRowHeight(row, height);
        Invalidate();
    }
    if (pressedColumn_ != nullptr) {
        TDgCustomColumn* pressed = pressedColumn_;
        pressedColumn_ = nullptr;
        DoHeaderClick(pressed->Index());
        RedrawColumn(pressed, grHeader);
    }
    if (button != mbLeft) {
        EndEditing();
        return;
    }
    switch (GetGridArea(x, y)) {
    case gaCells:
        CellRelease(button, shift, x, y);
        break;
    case gaFooter:
        if (TDgCustomColumn* column = ColumnAtPos(x))
            DoFooterClick(column->Index());
        break;
    case gaHeader:
        downColumn_ = downColumn;
        SortByHeaderClick(x);
        downColumn_ = nullptr;
        break;
    case gaInput:
        EditInputCell(ColumnAtPos(x), "");
        break;
    default:
        break;
    }
    if (deferredSelect_) {
        deferredSelect_ = false;
        SelectCell(selectedColumn_, selectedRow_, 0, true);
    }
}

void TDgCustomGrid::SortByHeaderClick(int x)
{
    TDgCustomColumn* column = ColumnAtPos(x);
    if (column == nullptr || column != downColumn_ || !column->Options().Contains(coCanSort))
        return;
    if (!column->Sorted())
        column->SetSorted(true);
    else
        column->SetSortKind(column->SortKind() == skAscending ? skDescending : skAscending);
}

void TDgCustomGrid::CellRelease(TMouseButton button, TShiftState shift, int x, int y)
{
    TPoint cell = CellAtPos(x, y);
    bool sameCell = cell.X == downCell_.X && cell.Y == downCell_.Y;
    if (cell.X >= 0 && cell.Y >= 0 && cell.Y < RowCount() && sameCell)
        DoCellClick(cell.X, cell.Y);
    if (cell.X < 0 || cell.X >= columns_->Count())
        return;
    if (InputSelected()) {
        if (cell.Y == -1)
            EditInputCell(columns_->Items(cell.X), "");
        return;
    }
    if (!sameCell || cell.Y < 0 || cell.Y >= RowCount())
        return;
    TDgCustomColumn* column = columns_->Items(cell.X);
    TRect rect = GetCellRect(cell.X, cell.Y);
    bool acts = column->Options().Contains(coEditing) || (column->GetFeatures() & kfHasPlay) != 0;
    if (acts && !readOnly_ && PreparePlay(column, cell.Y))
        column->Play()->MouseUp(button, shift, x - rect.Left, y - rect.Top);
    int textLeft = rect.Left;
    if ((column->GetFeatures() & kfHasPlay) != 0)
        textLeft += RowLevel(cell.Y) * TTreeColumnDisplay::LevelIndent + 16;
    bool inside = PtInRect(rect, Point(x, y)) && x >= textLeft;
    if (inside && (!options_.Contains(goSecondClickEdit) || clickedSelected_))
        EditCell(cell.X, cell.Y, "");
}

}  // namespace tarvelon
