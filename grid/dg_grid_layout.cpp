// Where the grid's parts lie: regions, rows, cells, scroll ranges, and what is invalidated when
// something changes.
#include <algorithm>

#include "grid/dg_columns.h"
#include "grid/dg_custom_grid_control.h"
#include "grid/dg_style_display.h"

namespace tarvelon {

// ---- Regions ------------------------------------------------------------------------------------

int TDgCustomGridControl::HorzPosition() const
{
    return const_cast<TDgCustomGridControl*>(this)->HorzScrollBar().Position();
}

TRect TDgCustomGridControl::RegionRect(TGridRegion region) const
{
    int left = IndicatorWidth();
    int stripRight = left + columns_->TotalWidth() - HorzPosition();
    int width = ClientWidth();
    int height = ClientHeight();
    if (gridStyle_ == gsSlides) {
        if (region == grHeader)
            return Rect(left, 0, width, headerSize_);
        if (region == grIndicator)
            return Rect(0, 0, 12, height);
        if (region != grBody)
            return Rect(0, 0, 0, 0);
        return Rect(0, options_.Contains(goHeader) ? headerSize_ : 0, width, height);
    }
    switch (region) {
    case grBody: {
        int top = (options_.Contains(goHeader) ? headerSize_ : 0) +
                  (options_.Contains(goInput) ? inputSize_ + 6 + LineBottom() : 0);
        int bottom = options_.Contains(goFooter) ? height - footerSize_ - 4 - LineBottom() : height;
        return Rect(left, top, std::min(stripRight, width), bottom);
    }
    case grFooter:
        return Rect(left, height - (footerSize_ + 4) - LineBottom(), stripRight, height);
    case grHeader:
        return Rect(left, 0, stripRight, headerSize_);
    case grIndicator:
        return Rect(0, 0, 12, height);
    case grInput: {
        int top = options_.Contains(goHeader) ? headerSize_ : 0;
        return Rect(left, top, stripRight, top + inputSize_ + 6 + LineBottom());
    }
    }
    return Rect(0, 0, 0, 0);
}

bool TDgCustomGridControl::IsScrollingColumn(const TDgCustomColumn* column) const
{
    return column->Position() >= fixedCols_;
}

int TDgCustomGridControl::ColumnScreenLeft(const TDgCustomColumn* column) const
{
    return column->Left() - (IsScrollingColumn(column) ? HorzPosition() : 0);
}

int TDgCustomGridControl::FixedEdge() const
{
    return columns_->FixedWidth() + IndicatorWidth();
}

int TDgCustomGridControl::ColumnAreaWidth() const
{
    return ClientWidth() - IndicatorWidth();
}

// ---- Rows -------------------------------------------------------------------------------------

int TDgCustomGridControl::RowTop(int row) const
{
    if (gridStyle_ == gsSlides) {
        int y = BodyRect().Top + LineTop();
        for (int i = topRow_; i < row && i < RowCount(); ++i)
            if (RowVisible(i))
                y += slideSize_ + LineSpacing();
        return y;
    }
    int y = BodyRect().Top + LineTop();
    int count = RowCount();
    for (int i = topRow_; i < row; ++i) {
        int h = i < count ? (RowVisible(i) ? GetRowHeight(i) : 0) : rowSize_;
        if (h > 0)
            y += h + LineSpacing();
    }
    return y;
}

TRect TDgCustomGridControl::GetCellRect(int aCol, int aRow) const
{
    TDgCustomColumn* column = columns_->Items(aCol);
    if (gridStyle_ == gsSlides) {
        TDgSlideBounds& bounds = column->SlideBounds();
        int top = RowTop(aRow);
        return Bounds(bounds.Left(), top + bounds.Top(), bounds.Width(), bounds.Height());
    }
    int left = ColumnScreenLeft(column);
    int top = RowTop(aRow);
    int height = aRow < RowCount() ? GetRowHeight(aRow) : rowSize_;
    return Rect(left, top, left + column->Width(), top + height);
}

TRect TDgCustomGridControl::GetInputCellRect(TDgCustomColumn* column) const
{
    TRect input = RegionRect(grInput);
    int left = column->Left() - HorzPosition();
    return Bounds(left, input.Top, column->Width(), inputSize_);
}

int TDgCustomGridControl::VisibleRowCount(bool includeAbove) const
{
    TRect body = BodyRect();
    int limit = body.Height();
    int used = 0;
    int count = 0;
    int rows = RowCount();
    auto rowExtent = [&](int i) { return (gridStyle_ == gsSlides ? slideSize_ : GetRowHeight(i)) + LineSpacing(); };
    for (int i = topRow_; i < rows; ++i) {
        if (!RowVisible(i))
            continue;
        if (used + rowExtent(i) > limit)
            return count;
        used += rowExtent(i);
        ++count;
    }
    if (includeAbove) {
        for (int i = topRow_ - 1; i >= 0; --i) {
            if (!RowVisible(i))
                continue;
            if (used + rowExtent(i) > limit)
                break;
            used += rowExtent(i);
            ++count;
        }
    }
    return count;
}

// ---- Scrolling ----------------------------------------------------------------------------------

int TDgCustomGridControl::GetHorzScrollDelta(int oldPos, int newPos)
{
    return oldPos - newPos;
}

int TDgCustomGridControl::GetVertScrollDelta(int oldPos, int newPos)
{
    int steps = newPos - oldPos;
    int pixels = 0;
    int rows = RowCount();
    auto extent = [&](int i) {
        return (gridStyle_ == gsSlides ? slideSize_ : GetRowHeight(i)) + LineTop() + LineBottom();
    };
    while (steps > 0 && topRow_ < rows) {
        if (RowVisible(topRow_)) {
            pixels -= extent(topRow_);
            --steps;
        }
        ++topRow_;
        // Never leave the top row on a hidden row.
        while (topRow_ < rows && !RowVisible(topRow_))
            ++topRow_;
    }
    while (steps < 0 && topRow_ > 0) {
        --topRow_;
        if (RowVisible(topRow_)) {
            pixels += extent(topRow_);
            ++steps;
        }
    }
    UpdateEditorBounds();
    return pixels;
}

void TDgCustomGridControl::UpdateHorzScrollBar()
{
    if (!columns_)
        return;
    TDgScrollBar& bar = HorzScrollBar();
    if (gridStyle_ == gsSlides) {
        bar.SetMax(0);
        return;
    }
    int page = ClientWidth() + 1;
    bar.SetPageSize(page);
    bar.SetLargeChange(std::max(1, page - 10));
    bar.SetMax(columns_->TotalWidth() + IndicatorWidth());
    if (bar.Max() > page) {
        TScrollInfo info;
        info.fMask = SIF_POS;
        if (GetScrollInfo(sbHorizontal, info) && info.nPos != bar.Position()) {
            bar.BeginUpdate();
            bar.MoveTo(info.nPos);
            bar.EndUpdate();
        }
    }
}

void TDgCustomGridControl::UpdateVertScrollBar()
{
    if (StorageGone() || !HandleAllocated())
        return;
    TDgScrollBar& bar = VertScrollBar();
    int n = ScrollRowCount();
    int p = VisibleRowCount(false);
    if (p < n) {
        bar.SetPageSize(p + 1);
        bar.SetLargeChange(p + 1);
        bar.SetMax(n);
    } else {
        bar.SetMax(0);
    }
    if (n <= p + 1) {
        int above = 0;
        for (int i = 0; i < topRow_ && i < RowCount(); ++i)
            above += RowVisible(i) ? 1 : 0;
        bar.BeginUpdate();
        bar.MoveTo(above);
        bar.EndUpdate();
    }
}

void TDgCustomGridControl::RefreshLayout()
{
    RecomputeVisibleRows();
    if (UpdateLocked())
        return;
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
    Invalidate();
}

// ---- Invalidation -------------------------------------------------------------------------------

void TDgCustomGridControl::RedrawRegion(TGridRegion region)
{
    if (!columns_)
        return;
    bool shown = region == grBody || (region == grFooter && options_.Contains(goFooter)) ||
                 (region == grHeader && options_.Contains(goHeader)) ||
                 (region == grIndicator && options_.Contains(goIndicator)) ||
                 (region == grInput && options_.Contains(goInput));
    if (shown)
        InvalidateRect(RegionRect(region));
}

void TDgCustomGridControl::RedrawCell(int aCol, int aRow)
{
    if (aCol < 0 || aCol >= columns_->Count() || aRow < 0 || aRow >= RowCount())
        return;
    TRect rect = GetCellRect(aCol, aRow);
    rect.Right += LineBottom();
    rect.Bottom += LineBottom();
    InvalidateRect(rect);
}

void TDgCustomGridControl::RedrawColumn(TDgCustomColumn* column, int region)
{
    if (UpdateLocked() || column == nullptr)
        return;
    TRect rect = ClientRect();
    if (region >= grBody && region <= grInput)
        rect = RegionRect(static_cast<TGridRegion>(region));
    int left = ColumnScreenLeft(column);
    rect.Left = left;
    rect.Right = left + column->Width();
    InvalidateRect(rect);
}

void TDgCustomGridControl::RedrawRow(int row, bool outlineOnly)
{
    if (row < 0 || row >= RowCount() || UpdateLocked())
        return;
    if (gridStyle_ == gsSlides) {
        int top = RowTop(row);
        InvalidateRect(Rect(0, top - 1, ClientWidth(), top + slideSize_ + LineBottom() + 1));
        return;
    }
    if (row < topRow_ || (lastPaintedRow_ >= 0 && row > lastPaintedRow_))
        return;
    int top = RowTop(row);
    TRect rect = Rect(0, top - LineTop(), BodyRect().Right, top + GetRowHeight(row) + LineBottom());
    if (outlineOnly) {
        InvalidateRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1));
        InvalidateRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
        return;
    }
    InvalidateRect(rect);
}

void TDgCustomGridControl::RedrawIndicatorCell(int row)
{
    if (!options_.Contains(goIndicator) || row < 0 || row >= RowCount())
        return;
    int top = RowTop(row);
    InvalidateRect(Rect(0, top - LineTop(), 12, top + GetRowHeight(row) + LineBottom()));
}

void TDgCustomGridControl::RedrawRowsFrom(int row)
{
    TRect body = BodyRect();
    InvalidateRect(Rect(0, std::max(body.Top, RowTop(row) - LineTop()), ClientWidth(), body.Bottom));
}

void TDgCustomGridControl::RedrawSelection()
{
    if (StorageGone())
        return;
    if (inputSelected_) {
        RedrawRegion(grInput);
        return;
    }
    if (!options_.Contains(goSelectFullRow)) {
        RedrawCell(selectedColumn_, selectedRow_);
        return;
    }
    int pageEnd = topRow_ + VisibleRowCount(false) + 1;
    for (int row = topRow_; row < RowCount() && row <= pageEnd; ++row)
        if (row == selectedRow_ || Selected(row))
            RedrawRow(row);
}

void TDgCustomGridControl::RedrawInputCell(int aCol)
{
    if (!options_.Contains(goInput) || aCol < 0 || aCol >= columns_->Count())
        return;
    InvalidateRect(GetInputCellRect(columns_->Items(aCol)));
}

// ---- Automatic sizing -------------------------------------------------------------------------

int TDgCustomGridControl::GetColumnBestWidth(TDgCustomColumn* column, bool measureHeader, bool measureCells)
{
    int w = 8;
    if (measureHeader) {
        display_->Canvas = &Canvas();
        w = display_->HeaderContentWidth(column);
    }
    if (measureCells) {
        TColumnDisplay* painter = column->Display();
        for (int row = 0; painter != nullptr && row < RowCount(); ++row) {
            if (!RowVisible(row))
                continue;
            PrepareCellPainter(column->Index(), row, *painter, Rect(0, 0, column->Width(), GetRowHeight(row)));
            PrepareCellFont(column->Index(), row, CellPaintState(column->Index(), row));
            w = std::max(w, painter->GetContentWidth());
        }
    }
    return 2 * column->Padding() + w + 5;
}

int TDgCustomGridControl::GetRowBestHeight(int row)
{
    int height = rowSize_;
    for (int c = 0; c < columns_->Count(); ++c) {
        TDgCustomColumn* column = columns_->Items(c);
        TColumnDisplay* painter = column->Display();
        if (!column->Visible() || painter == nullptr)
            continue;
        PrepareCellPainter(c, row, *painter, GetCellRect(c, row));
        PrepareCellFont(c, row, CellPaintState(c, row));
        height = std::max(height, painter->GetContentHeight());
    }
    return height;
}

}  // namespace tarvelon
