// The grid control: construction, properties, access by column name, events and the reactions to
// the column collection.
#include "grid/dg_custom_grid_control.h"

#include <QString>
#include <stdexcept>

#include "grid/dg_columns.h"
#include "grid/dg_edit.h"
#include "grid/dg_style_display.h"
#include "grid/dg_sysutils.h"

namespace tarvelon {

namespace {

bool SameText(const std::string& a, const char* b)
{
    return QString::fromStdString(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

TDgCustomGridControl::TDgCustomGridControl(TComponent* owner) : TDgScrollControl(owner)
{
    SetBounds(Left(), Top(), 250, 150);
    columns_ = std::make_unique<TDgColumns>(this, this);
    displays_[0] = std::make_unique<TDefaultStyleDisplay>(this);
    displays_[1] = std::make_unique<TFlatStyleDisplay>(this);
    displays_[2] = std::make_unique<TOldStyleDisplay>(this);
    displays_[3] = std::make_unique<TOutlookStyleDisplay>(this);
    displays_[4] = std::make_unique<TVistaStyleDisplay>(this);
    display_ = displays_[0].get();
    for (auto& display : displays_)
        display->Canvas = &Canvas();
    SetTabStop(true);
    SetWindowEdge(weStatic);  // bsSingle: the thin static edge
    RecomputeGridLines();
}

TDgCustomGridControl::~TDgCustomGridControl()
{
    destroying_ = true;
    SetDestroying();
    inplaceEdit_ = nullptr;
    columns_.reset();
}

// ---- Properties ---------------------------------------------------------------------------

void TDgCustomGridControl::SetAppearanceOptions(TAppearanceOptions value)
{
    appearanceOptions_ = value;
    RecomputeGridLines();
    Invalidate();
    RedrawWindowFrame();
}

void TDgCustomGridControl::SetBorderStyle(TFormBorderStyle value)
{
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    SetWindowEdge(value == bsSingle ? weStatic : weNone);
    Invalidate();
}

void TDgCustomGridControl::SetGridCaption(const std::string& caption)
{
    SetCaption(caption);
    TRect body = BodyRect();
    InvalidateRect(Rect(body.Left, body.Top, ClientWidth(), body.Bottom));
}

void TDgCustomGridControl::SetEnableVisualStyles(bool value)
{
    enableVisualStyles_ = value;
    Invalidate();
    RedrawWindowFrame();
}

void TDgCustomGridControl::SetFixedCols(int value)
{
    fixedCols_ = value;
    columns_->Layout();
    Invalidate();
}

void TDgCustomGridControl::SetFooterSize(int value)
{
    footerSize_ = value;
    Invalidate();
}

void TDgCustomGridControl::SetGridLinesColor(TColor value)
{
    gridLinesColor_ = value;
    Invalidate();
}

void TDgCustomGridControl::SetGridLinesStyle(TGridLinesStyle value)
{
    gridLinesStyle_ = value;
    RecomputeGridLines();
    Invalidate();
}

void TDgCustomGridControl::SetGridStyle(TGridStyle value)
{
    if (gridStyle_ == value)
        return;
    if (value == gsSlides) {
        EndEditing();
        inputSelected_ = false;
    }
    gridStyle_ = value;
    Invalidate();
    UpdateEditorBounds();
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
}

void TDgCustomGridControl::SetHeaderSize(int value)
{
    headerSize_ = value;
    Invalidate();
    UpdateEditorBounds();
}

void TDgCustomGridControl::SetHeaderStyle(THeaderStyle value)
{
    if (headerStyle_ == value)
        return;
    headerStyle_ = value;
    display_ = displays_[static_cast<std::size_t>(value)].get();
    Invalidate();
}

void TDgCustomGridControl::SetHideScrollBar(bool value)
{
    hideScrollBar_ = value;
    VertScrollBar().SetAutoHide(value);
}

void TDgCustomGridControl::SetHighlightedTextColor(TColor value)
{
    highlightedTextColor_ = value;
    RedrawSelection();
}

void TDgCustomGridControl::SetInactiveSelectionColor(TColor value)
{
    inactiveSelectionColor_ = value;
    Invalidate();
}

void TDgCustomGridControl::SetInputSize(int value)
{
    inputSize_ = value;
    Invalidate();
}

void TDgCustomGridControl::SetOptions(TGridOptions value)
{
    bool indicatorChanged = value.Contains(goIndicator) != options_.Contains(goIndicator);
    options_ = value;
    if (indicatorChanged)
        columns_->Layout();
    RecomputeGridLines();
    Invalidate();
    UpdateEditorBounds();
    UpdateHorzScrollBar();
}

void TDgCustomGridControl::SetRowSize(int value)
{
    if (value < 1)
        return;
    rowSize_ = value;
    RedrawRegion(grBody);
    RedrawRegion(grInput);
    RedrawRegion(grIndicator);
    UpdateEditorBounds();
}

void TDgCustomGridControl::SetSlidesOptions(TSlidesOptions value)
{
    slidesOptions_ = value;
    Invalidate();
}

void TDgCustomGridControl::SetSlideSelectionColor(TColor value)
{
    slideSelectionColor_ = value;
    Invalidate();
}

void TDgCustomGridControl::SetSlideSize(int value)
{
    slideSize_ = value;
    UpdateVertScrollBar();
    Invalidate();
}

void TDgCustomGridControl::SetSortedStyle(TSortedStyle value)
{
    sortedStyle_ = value;
    Invalidate();
}

void TDgCustomGridControl::RecomputeGridLines()
{
    lines_ = {0, 0, 0, 0, 0};
    if (options_.Contains(goGrid)) {
        bool threeD = appearanceOptions_.Contains(ao3DGridLines);
        if (gridLinesStyle_ != lsHorizontalOnly && gridLinesStyle_ != lsActiveHorzOnly) {
            lines_[2] = 1;
            lines_[0] = threeD ? 1 : 0;
        }
        if (gridLinesStyle_ != lsVerticalOnly) {
            lines_[3] = 1;
            lines_[1] = threeD ? 1 : 0;
        }
    }
    lines_[4] = lines_[1] + lines_[3];
}

// ---- Rows -----------------------------------------------------------------------------------

int TDgCustomGridControl::SelectedCount() const
{
    int count = 0;
    for (int row = 0; row < RowCount(); ++row)
        count += Selected(row) ? 1 : 0;
    return count;
}

void TDgCustomGridControl::ClearRows()
{
    topRow_ = 0;
    selectedColumn_ = 0;
    selectedRow_ = -1;
    EndEditing();
}

void TDgCustomGridControl::ClearSelection()
{
    for (int row = 0; row < RowCount(); ++row)
        if (Selected(row))
            SetSelected(row, false);
}

void TDgCustomGridControl::DeleteRow(int)
{
    EndEditing();
}

void TDgCustomGridControl::RowAdded(int index)
{
    EndEditing();
    if (index < firstVisibleRow_)
        firstVisibleRow_ = index;
    if (VertScrollBar().Position() == 0)
        topRow_ = firstVisibleRow_;
}

void TDgCustomGridControl::RowsChanged()
{
    Invalidate();
    EndEditing();
}

void TDgCustomGridControl::RowVisibilityChanged(int, bool)
{
    RecomputeVisibleRows();
}

void TDgCustomGridControl::RecomputeVisibleRows()
{
    int count = RowCount();
    firstVisibleRow_ = 0;
    while (firstVisibleRow_ < count && !RowVisible(firstVisibleRow_))
        ++firstVisibleRow_;
    lastVisibleRow_ = count - 1;
    while (lastVisibleRow_ > 0 && !RowVisible(lastVisibleRow_))
        --lastVisibleRow_;
    if (firstVisibleRow_ >= count)
        firstVisibleRow_ = 0;
    if (lastVisibleRow_ < 0)
        lastVisibleRow_ = 0;
}

// ---- Access by column name ------------------------------------------------------------------

TDgCustomColumn* TDgCustomGridControl::ColumnByName(const std::string& name) const
{
    return columns_->ColumnByName(name);
}

int TDgCustomGridControl::ResolveRow(const std::string& aRow) const
{
    if (SameText(aRow, "First"))
        return 0;
    if (SameText(aRow, "Last"))
        return RowCount() - 1;
    if (SameText(aRow, "Selected"))
        return selectedRow_;
    return StrToInt(aRow);
}

int TDgCustomGridControl::ResolveColumn(const std::string& aCol) const
{
    if (SameText(aCol, "First"))
        return 0;
    if (SameText(aCol, "Last"))
        return columns_->Count() - 1;
    if (SameText(aCol, "Selected"))
        return selectedColumn_;
    if (TDgCustomColumn* column = ColumnByName(aCol))
        return column->Index();
    std::int32_t index = 0;
    if (!TryStrToInt32(aCol, index))
        throw std::runtime_error("Invalid Rowname '" + aCol + "' for '" + ClassName() + ":" + Name() + "'.");
    return index;
}

void TDgCustomGridControl::ResolveCellAddress(const std::string& aCol, const std::string& aRow, int& col,
                                              int& row) const
{
    row = ResolveRow(aRow);
    col = ResolveColumn(aCol);
}

std::string TDgCustomGridControl::GetCellTextByName(const std::string& aCol, const std::string& aRow)
{
    int col = 0, row = 0;
    ResolveCellAddress(aCol, aRow, col, row);
    return GetCellText(col, row);
}

std::string TDgCustomGridControl::GetCellTextByName(const std::string& aCol, int aRow)
{
    return GetCellText(ResolveColumn(aCol), aRow);
}

void TDgCustomGridControl::SetCellTextByName(const std::string& aCol, const std::string& aRow,
                                             const std::string& value)
{
    int col = 0, row = 0;
    ResolveCellAddress(aCol, aRow, col, row);
    SetCellText(col, row, value);
}

void TDgCustomGridControl::SetCellTextByName(const std::string& aCol, int aRow, const std::string& value)
{
    SetCellText(ResolveColumn(aCol), aRow, value);
}

// ---- Sorting and updating -------------------------------------------------------------------

void TDgCustomGridControl::SortColumn(TDgCustomColumn* column)
{
    if (column == nullptr || !column->Options().Contains(coCanSort))
        return;
    EndEditing();
    sortedColumn_ = column;
    DoSortColumn(column->Index(), column->SortKind() == skAscending);
}

void TDgCustomGridControl::BeginUpdate()
{
    ++updateCount_;
}

void TDgCustomGridControl::EndUpdate()
{
    if (updateCount_ > 0)
        --updateCount_;
    if (updateCount_ != 0)
        return;
    RedrawRegion(grBody);
    if (options_.Contains(goHeader))
        RedrawRegion(grHeader);
    if (options_.Contains(goIndicator))
        RedrawRegion(grIndicator);
    UpdateVertScrollBar();
}

bool TDgCustomGridControl::GridFocused() const
{
    if (Focused())
        return true;
    return inplaceEdit_ != nullptr && inplaceEdit_->Focused();
}

// ---- Column collection reactions ------------------------------------------------------------

void TDgCustomGridControl::ColumnChanged(TDgCustomColumn* column, int kind, int parameter)
{
    if (!HandleAllocated() || StorageGone())
        return;
    switch (kind) {
    case ccInputValue:
        RedrawInputCell(column->Index());
        break;
    case ccPosition:
        DoColumnMove(column->Index(), parameter, column->Position());
        Invalidate();
        break;
    case ccSlideBounds:
        Invalidate();
        DoSlideChange(column->Index());
        break;
    case ccSortedSet:
    case ccSortKind:
        if (column->Sorted()) {
            RedrawColumn(column, grHeader);
            SortColumn(column);
        }
        break;
    case ccAppearance:
        RedrawColumn(column, 0);
        break;
    case ccVisible:
        UpdateHorzScrollBar();
        Invalidate();
        break;
    case ccSortedCleared:
        RedrawColumn(column, grHeader);
        if (appearanceOptions_.Contains(aoIndicateSortedColumn))
            RedrawColumn(column, grBody);
        if (sortedColumn_ == column)
            sortedColumn_ = nullptr;
        break;
    case ccWidth:
        if (!UpdateLocked() && parameter != 0) {
            int right = ColumnScreenLeft(column) + column->Width() - parameter;
            TRect moving = Rect(right, 0, ClientWidth(), ClientHeight());
            if (gridStyle_ == gsSlides)
                moving.Bottom = headerSize_;
            ScrollWindow(parameter, 0, &moving, &moving);
            InvalidateRect(Rect(right - 1 + std::min(parameter, 0), 0, right + std::max(parameter, 0) + 1,
                                moving.Bottom));
        }
        DoColumnResize(column->Index());
        UpdateHorzScrollBar();
        break;
    default:
        break;
    }
    if (kind == ccPosition || kind == ccSortedSet || kind == ccVisible || kind == ccWidth)
        UpdateEditorBounds();
}

void TDgCustomGridControl::ColumnListChanging(int operation, int, int)
{
    if (StorageGone())
        return;
    if (operation == 1 || operation == 2)
        EndEditing();
    UpdateHorzScrollBar();
}

void TDgCustomGridControl::ColumnListChanged(int operation, int, int)
{
    if (StorageGone())
        return;
    if (operation != 2)
        UpdateEditorBounds();
    Invalidate();
}

// ---- Focus and size -------------------------------------------------------------------------

void TDgCustomGridControl::DoEnter()
{
    TDgScrollControl::DoEnter();
    KeyboardFocusChanged();
}

// The selection is drawn by whether the grid has the focus: a dialog opening over the grid's window
// or closing again changes that without an exit or an entry.
void TDgCustomGridControl::KeyboardFocusChanged()
{
    if (StorageGone())
        return;
    RedrawRegion(grIndicator);
    RedrawSelection();
}

void TDgCustomGridControl::DoExit()
{
    if (StorageGone()) {
        TDgScrollControl::DoExit();
        return;
    }
    if (Editing() || InputEditing()) {
        // The focus may have gone to our own editor: only a real exit applies and ends it.
        if (inplaceEdit_ == nullptr || !inplaceEdit_->Focused()) {
            ApplyEditing();
            EndEditing();
        }
    }
    TDgScrollControl::DoExit();
    RedrawSelection();
}

void TDgCustomGridControl::Resize()
{
    TDgScrollControl::Resize();
    if (!HandleAllocated() || StorageGone())
        return;
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
}

void TDgCustomGridControl::ChangeScale(int m, int d)
{
    TDgScrollControl::ChangeScale(m, d);
    if (m == d || d == 0)
        return;
    auto scaled = [m, d](int length) { return MulDiv(length, m, d); };
    columns_->ChangeScale(m, d);
    headerSize_ = scaled(headerSize_);
    footerSize_ = scaled(footerSize_);
    inputSize_ = scaled(inputSize_);
    slideSize_ = scaled(slideSize_);
    SetRowSize(scaled(rowSize_));
    for (int row = 0; row < RowCount(); ++row)
        SetRowHeight(row, scaled(GetRowHeight(row)));
    Invalidate();
    UpdateEditorBounds();
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
}

void TDgCustomGridControl::FontChanged()
{
    TDgScrollControl::FontChanged();
    if (columns_)
        columns_->ParentFontChanged();
}

// ---- Event firing ---------------------------------------------------------------------------

void TDgCustomGridControl::DoAfterEdit(int c, int r, const std::string& v) { if (OnAfterEdit) OnAfterEdit(this, c, r, v); }
void TDgCustomGridControl::DoAfterRowMove(int f, int t) { if (OnAfterRowMove) OnAfterRowMove(this, f, t); }
void TDgCustomGridControl::DoAfterSort(int c) { if (OnAfterSort) OnAfterSort(this, c); }
void TDgCustomGridControl::DoApplyEditText(int c, int r, std::string& v) { if (OnApplyEditText) OnApplyEditText(this, c, r, v); }

bool TDgCustomGridControl::DoBeforeEdit(int c, int r)
{
    bool accept = true;
    if (OnBeforeEdit)
        OnBeforeEdit(this, c, r, accept);
    return accept;
}

bool TDgCustomGridControl::DoBeforeSelect(int c, int r)
{
    bool accept = true;
    if (OnBeforeSelect)
        OnBeforeSelect(this, c, r, accept);
    return accept;
}

void TDgCustomGridControl::DoCellClick(int c, int r) { if (OnCellClick) OnCellClick(this, c, r); }
void TDgCustomGridControl::DoCellColoring(int c, int r, TColor& cell, TColor& grid, TCellState s)
{
    if (OnCellColoring)
        OnCellColoring(this, c, r, cell, grid, s);
}
void TDgCustomGridControl::DoCellDblClick(int c, int r) { if (OnCellDblClick) OnCellDblClick(this, c, r); }
void TDgCustomGridControl::DoChange(int c, int r) { if (OnChange) OnChange(this, c, r); }
void TDgCustomGridControl::DoChangeRowHeight(int i, int h) { if (OnChangeRowHeight) OnChangeRowHeight(this, i, h); }
void TDgCustomGridControl::DoColumnMove(int c, int f, int t) { if (OnColumnMove) OnColumnMove(this, c, f, t); }
void TDgCustomGridControl::DoColumnResize(int c) { if (OnColumnResize) OnColumnResize(this, c); }
void TDgCustomGridControl::DoCustomDrawCell(int c, int r, TRect rect, TCellState s)
{
    if (OnCustomDrawCell)
        OnCustomDrawCell(this, c, r, rect, s);
}
void TDgCustomGridControl::DoDeselectCell(int c, int r) { if (OnDeselectCell) OnDeselectCell(this, c, r); }
void TDgCustomGridControl::DoDrawCellBackground(int c, int r, TRect rect, TCellState s, bool& fill)
{
    if (OnDrawCellBackground)
        OnDrawCellBackground(this, c, r, rect, s, fill);
}
void TDgCustomGridControl::DoEdit(int c, int r, const std::string& v) { if (OnEdit) OnEdit(this, c, r, v); }

bool TDgCustomGridControl::DoEditAccept(int c, int r, const std::string& v)
{
    bool accept = true;
    if (OnEditAccept)
        OnEditAccept(this, c, r, v, accept);
    return accept;
}

void TDgCustomGridControl::DoEditExit() { if (OnEditExit) OnEditExit(this); }
void TDgCustomGridControl::DoEditText(int c, int r, std::string& v) { if (OnEditText) OnEditText(this, c, r, v); }
void TDgCustomGridControl::DoFooterClick(int c) { if (OnFooterClick) OnFooterClick(this, c); }
void TDgCustomGridControl::DoHeaderClick(int c) { if (OnHeaderClick) OnHeaderClick(this, c); }
void TDgCustomGridControl::DoHeaderDblClick(int c) { if (OnHeaderDblClick) OnHeaderDblClick(this, c); }

bool TDgCustomGridControl::DoInputAccept()
{
    bool accept = true;
    if (OnInputAccept)
        OnInputAccept(this, accept);
    return accept;
}

void TDgCustomGridControl::DoInputAdded() { if (OnInputAdded) OnInputAdded(this); }
void TDgCustomGridControl::DoInputSelectCell(int c) { if (OnInputSelectCell) OnInputSelectCell(this, c); }
void TDgCustomGridControl::DoPostDraw() { if (OnPostDraw) OnPostDraw(this); }

bool TDgCustomGridControl::DoRowMove(int f, int t)
{
    bool accept = true;
    if (OnRowMove)
        OnRowMove(this, f, t, accept);
    return accept;
}

void TDgCustomGridControl::DoSelectCell(int c, int r) { if (OnSelectCell) OnSelectCell(this, c, r); }
void TDgCustomGridControl::DoSlideChange(int c) { if (OnSlideChange) OnSlideChange(this, c); }
void TDgCustomGridControl::DoSlideColoring(int i, TColor& slide, TColor& grid, TSlideState s)
{
    if (OnSlideColoring)
        OnSlideColoring(this, i, slide, grid, s);
}
void TDgCustomGridControl::DoSortColumn(int c, bool a) { if (OnSortColumn) OnSortColumn(this, c, a); }

}  // namespace tarvelon
