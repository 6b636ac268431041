// The grid with row storage: every row and cell operation of the grid control on one cell store.
#include "grid/dg_grid.h"

#include <set>

#include "core/basics/cp1252.h"
#include "grid/dg_scroll_bar.h"

namespace tarvelon {

TDataGrid::TDataGrid(TComponent* owner) : TDgCustomGrid(owner)
{
    store_ = std::make_unique<TCells>(this, &Columns());
    store_->DefaultRowHeight = RowSize();
    store_->OnCellChange = [this](TCells*, int aCol, int aRow) { CellChanged(aCol, aRow); };
    store_->OnCompare = [this](TCells*, TCell* a, TCell* b, int& compare) { DoCompare(a, b, compare); };
    store_->CellColorQuery = [this](int aCol, int aRow) { return GetCellColor(aCol, aRow); };
    store_->CellTextColorQuery = [this](int aCol, int aRow) { return GetCellTextColor(aCol, aRow); };
}

TDataGrid::~TDataGrid()
{
    SetDestroying();  // the bases' teardown must not reach the storage any more
    store_->OnCellChange = nullptr;
    store_->ClearRows();
}

// ---- events ----

void TDataGrid::DoCellFormating(int aCol, int aRow, TColor& textColor, TFontStyles& fontStyle, TCellState state)
{
    if (OnCellFormating)
        OnCellFormating(this, aCol, aRow, textColor, fontStyle, state);
}

void TDataGrid::DoCompare(TCell* cell1, TCell* cell2, int& compare)
{
    if (OnCompare)
        OnCompare(this, cell1, cell2, compare);
}

void TDataGrid::DoExpand(int aRow)
{
    if (OnExpand)
        OnExpand(this, aRow);
}

void TDataGrid::CellChanged(int aCol, int aRow)
{
    if (UpdateLocked())
        return;
    RedrawCell(aCol, aRow);
    DoChange(aCol, aRow);
}

// ---- cells ----

int TDataGrid::RowCount() const { return store_->RowCount(); }

TCell* TDataGrid::GetCell(int aCol, int aRow) { return store_->GetCell(aCol, aRow); }

TCell* TDataGrid::GetCellByName(const std::string& aCol, const std::string& aRow)
{
    int col = 0, row = 0;
    ResolveCellAddress(aCol, aRow, col, row);
    return GetCell(col, row);
}

void TDataGrid::CheckCell(int aCol, int aRow) const
{
    if (aRow < 0 || aRow > RowCount() - 1 || aCol < 0 || aCol > Columns().Count() - 1)
        throw std::runtime_error("Cell out of bounds (" + std::to_string(aCol) + ", " + std::to_string(aRow) + ")");
}

std::string TDataGrid::GetCellText(int aCol, int aRow)
{
    CheckCell(aCol, aRow);
    return GetCell(aCol, aRow)->AsString();
}

void TDataGrid::SetCellText(int aCol, int aRow, const std::string& value)
{
    CheckCell(aCol, aRow);
    GetCell(aCol, aRow)->SetAsString(value);
}

bool TDataGrid::IsCellEmpty(int aCol, int aRow) const { return store_->GetCell(aCol, aRow)->IsEmpty(); }

TCellInfo TDataGrid::CellInfo(int aCol, int aRow)
{
    TCellInfo info;
    info.Col = aCol;
    info.Row = aRow;
    TCell* cell = GetCell(aCol, aRow);
    switch (Columns().Items(aCol)->Kind()) {
    case ckIncrement:
        info.IntValue = aRow;
        break;
    case ckBoolean:
        info.BoolValue = cell->AsBoolean();
        break;
    case ckDateTime:
        info.DateValue = cell->AsDateTime();
        break;
    case ckFloat:
        info.FloatValue = cell->AsFloat();
        break;
    case ckObject:
        info.ObjectValue = cell;
        break;
    case ckInteger:
        info.IntValue = cell->AsInteger();
        break;
    case ckGuid:
    case ckText:
    case ckVirtual:
        info.TextValue = cell->AsString();
        break;
    default:
        break;
    }
    return info;
}

std::string TDataGrid::DisplayText(int aCol, int aRow) { return Columns().Items(aCol)->GetDrawText(CellInfo(aCol, aRow)); }

TColor TDataGrid::GetCellColorBase(int aCol, int aRow)
{
    if (Columns().Items(aCol)->ParentCellColor())
        return TDgCustomGrid::GetCellColorBase(aCol, aRow);
    return GetCell(aCol, aRow)->Color();
}

void TDataGrid::GetCellHint(int aCol, int aRow, std::string& hint)
{
    hint = GetCell(aCol, aRow)->Hint();
    TDgCustomGrid::GetCellHint(aCol, aRow, hint);
}

bool TDataGrid::PrepareCellFont(int aCol, int aRow, TCellState state)
{
    TDgCustomGrid::PrepareCellFont(aCol, aRow, state);
    TFontStyles style = GetCell(aCol, aRow)->FontStyle;
    if (state.Contains(csBoldTextSelection))
        style.Include(fsBold);
    TColor textColor = Canvas().Font.Color();
    DoCellFormating(aCol, aRow, textColor, style, state);
    Canvas().Font.SetColor(textColor);
    Canvas().Font.SetStyle(style);
    return true;
}

void TDataGrid::PrepareDisplay(int aCol, int aRow, TColumnDisplay& display) { display.Info = CellInfo(aCol, aRow); }

// A play element (check box or tree button) changed its value: the edit-accept question, the write, the report.
void TDataGrid::ApplyPlayValue(TColumnPlay& play)
{
    if (!DoEditAccept(play.Col, play.Row, play.TextValue))
        return;
    TCell* cell = GetCell(play.Col, play.Row);
    TCellKind kind = Columns().Items(play.Col)->Kind();
    if (kind == ckBoolean)
        cell->SetAsBoolean(play.BoolValue);
    else if (kind == ckInteger)
        cell->SetAsInteger(play.IntValue);
    DoAfterEdit(play.Col, play.Row, GetCell(play.Col, play.Row)->AsString());
}

// ---- rows ----

int TDataGrid::GetRowHeight(int index) const
{
    int height = store_->GetRow(index)->RowHeight;
    if (OnMeasuringRowHeight)
        OnMeasuringRowHeight(const_cast<TDataGrid*>(this), index, height);
    return height;
}

// The height a row takes in the body: its own, or a slide's in the slides layout.
int TDataGrid::RowStep(int index) const { return GridStyle() == gsSlides ? SlideSize() : GetRowHeight(index); }

void TDataGrid::SetRowHeight(int index, int height)
{
    TRow* row = store_->GetRow(index);
    if (row->RowHeight == height)
        return;
    row->RowHeight = height;
    DoChangeRowHeight(index, height);
    RedrawRowsFrom(index);  // the row and those below it move by the difference
    UpdateVertScrollBar();
}

bool TDataGrid::RowVisible(int index) const
{
    TRow* row = store_->GetRow(index);
    return row->Visible && row->Shown;
}

void TDataGrid::SetRowVisible(int index, bool value)
{
    if (store_->GetRow(index)->Visible == value)
        return;
    store_->SetRowVisible(index, value);
    RowVisibilityChanged(index, value);
    RedrawRowsFrom(index);
    UpdateVertScrollBar();
}

int TDataGrid::RowLevel(int index) const { return store_->GetRow(index)->Level; }
int TDataGrid::RowChildCount(int index) const { return store_->GetRow(index)->ChildCount; }
bool TDataGrid::RowExpanded(int index) const { return store_->GetRow(index)->Expanded; }
int TDataGrid::ScrollRowCount() const { return store_->VisibleRowCount(); }

void TDataGrid::SetRowSize(int value)
{
    TDgCustomGrid::SetRowSize(value);
    store_->DefaultRowHeight = RowSize();
}

bool TDataGrid::Selected(int index) const { return store_->GetRow(index)->Selected; }

void TDataGrid::SetSelected(int index, bool value)
{
    if (index < 0 || index >= RowCount())
        return;
    TRow* row = store_->GetRow(index);
    if (row->Selected == value)
        return;
    row->Selected = value;
    if (!UpdateLocked())
        RedrawRow(index);
}

void TDataGrid::SelectRange(int fromRow, int toRow, bool value)
{
    if (fromRow < 0 || fromRow >= RowCount() || toRow < 0 || toRow >= RowCount())
        return;
    for (int r = fromRow; r <= toRow; ++r)
        store_->GetRow(r)->Selected = value;
    if (!UpdateLocked())
        for (int r = fromRow; r <= toRow; ++r)
            RedrawRow(r);
}

int TDataGrid::AddRow(int count)
{
    if (count < 1)
        return lastAddedRow_;
    int oldCount = RowCount();
    store_->AddRows(count);
    if (Options().Contains(goUseDefaultValues)) {
        for (int r = oldCount; r < RowCount(); ++r)
            for (int c = 0; c < Columns().Count(); ++c)
                if (!Columns().Items(c)->DefaultValue().empty())
                    SetCellText(c, r, Columns().Items(c)->DefaultValue());
    }
    if (!UpdateLocked()) {
        if (GridLinesStyle() == lsFramed && Options().Contains(goGrid) && RowCount() >= 2 && oldCount >= 1)
            RedrawRow(oldCount - 1);  // its frame line moves to the new last row
        RedrawRowsFrom(oldCount);
    }
    lastAddedRow_ = RowCount() - 1;
    lastVisibleRow_ = RowCount() - 1;
    RefreshLayout();
    return RowCount() - 1;
}

void TDataGrid::FastAddRow(int count)
{
    store_->AddRows(count);
    lastAddedRow_ = RowCount() - 1;
    RefreshLayout();
}

void TDataGrid::InsertRow(int index)
{
    RowAdded(index);
    lastAddedRow_ = index;
    store_->InsertRow(index);
    RedrawRowsFrom(index);
    if (selectedRow_ >= index)
        ++selectedRow_;  // the selected record moves down with its row; one above the insertion stays
    if (index > lastVisibleRow_)
        lastVisibleRow_ = index;
    RefreshLayout();
}

int TDataGrid::AddChildRow(int parentIndex, bool asLast)
{
    int index = parentIndex + 1 + (asLast ? store_->DescendantCount(parentIndex) : 0);
    bool firstChild = store_->GetRow(parentIndex)->ChildCount == 0;
    store_->InsertChildRow(parentIndex, index);
    if (store_->GetRow(parentIndex)->Expanded)
        RedrawRowsFrom(index);
    if (firstChild)
        RedrawRow(parentIndex);
    lastAddedRow_ = index;
    RefreshLayout();
    return index;
}

void TDataGrid::DeleteRow(int index)
{
    TDgCustomGrid::DeleteRow(index);
    TRow* row = store_->GetRow(index);
    if (row->ChildCount > 0) {
        for (int d = store_->DescendantCount(index); d > 0; --d)
            store_->DeleteRow(index + d);
        row->ChildCount = 0;
    }
    if (row->ParentRow)
        --row->ParentRow->ChildCount;
    bool wasVisible = RowVisible(index);
    store_->DeleteRow(index);
    if (wasVisible) {
        if (index < firstVisibleRow_ || index >= lastVisibleRow_)
            RecomputeVisibleRows();
        else
            --lastVisibleRow_;
        if (index < topRow_ && topRow_ >= 1)
            --topRow_;
    }
    RedrawRowsFrom(index);
    KeepSelectionAfterDelete(index);
    RefreshLayout();
}

// The selection follows its record when a row above it goes; when the selected row itself goes, the
// row that takes its place (or the new last row) becomes the selected one and is drawn so.
void TDataGrid::KeepSelectionAfterDelete(int index)
{
    const bool selectedGone = index == selectedRow_;
    if (index < selectedRow_)
        --selectedRow_;
    if (selectedRow_ >= RowCount())
        selectedRow_ = RowCount() - 1;
    if (selectedGone && selectedRow_ >= 0 && Options().Contains(goSelectFullRow))
        SetSelected(selectedRow_, true);
}

void TDataGrid::ClearRows()
{
    TDgCustomGrid::ClearRows();
    store_->ClearRows();
    firstVisibleRow_ = 0;
    lastVisibleRow_ = 0;
    VertScrollBar().SetPosition(0);
    RefreshLayout();
}

void TDataGrid::MoveRow(int fromIndex, int toIndex)
{
    if (fromIndex == toIndex)
        return;
    bool visible = RowVisible(fromIndex);
    store_->MoveRow(fromIndex, toIndex);
    if (visible) {
        RecomputeVisibleRows();
        RedrawRowsFrom(std::min(fromIndex, toIndex));
    }
}

void TDataGrid::SwapRows(int index1, int index2)
{
    store_->SwapRows(index1, index2);
    if (!UpdateLocked()) {
        RedrawRow(index1);
        RedrawRow(index2);
    }
}

void TDataGrid::SortColumn(TDgCustomColumn* column)
{
    SortColumn(column, column && column->SortKind() == skAscending);
}

void TDataGrid::SortColumn(TDgCustomColumn* column, bool ascending)
{
    TDgCustomGrid::SortColumn(column);
    if (!column || !column->Options().Contains(coCanSort))
        return;
    TRow* selected = selectedRow_ >= 0 && selectedRow_ < RowCount() ? store_->GetRow(selectedRow_) : nullptr;
    store_->Sort(column->Index(), column->SortType(), ascending ? skAscending : skDescending,
                 column->Options().Contains(coFullResort));
    if (selected) {
        selectedRow_ = store_->IndexOfRow(selected);
        if (selectedRow_ > -1)
            ScrollToRow(selectedRow_);
    }
    RecomputeVisibleRows();
    RefreshLayout();
    DoAfterSort(column->Index());
}

void TDataGrid::SetExpanded(int index, bool value)
{
    TRow* row = store_->GetRow(index);
    if (row->ChildCount == 0 || row->Expanded == value)
        return;
    int level = row->Level;
    int end = index + 1 + store_->DescendantCount(index);
    if (!value) {
        for (int r = index + 1; r < end; ++r)
            store_->SetRowShown(r, false);
    } else {
        for (int r = index + 1; r < end;) {
            TRow* child = store_->GetRow(r);
            store_->SetRowShown(r, true);
            // The descendants of a collapsed child stay hidden.
            r += 1 + (child->Expanded || child->Level <= level ? 0 : store_->DescendantCount(r));
        }
    }
    row->Expanded = value;
    RecomputeVisibleRows();
    RefreshLayout();
    RedrawRow(index);
    DoExpand(index);
}

void TDataGrid::ToggleExpanded(int row) { SetExpanded(row, !store_->GetRow(row)->Expanded); }

// ---- footer ----

double TDataGrid::FooterValue(int column, TFormulaKind kind, bool visibleOnly)
{
    auto skipped = [&](int r) { return visibleOnly && !RowVisible(r); };
    auto value = [&](int r) { return skipped(r) ? 0.0 : GetCell(column, r)->AsFloat(); };
    int rows = RowCount();
    switch (kind) {
    case fkCount:
        return rows;
    case fkDistinct: {
        std::set<std::string> texts;
        for (int r = 0; r < rows; ++r) {
            std::string key = Utf8ToCp1252(GetCell(column, r)->AsString());
            for (char& c : key)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            texts.insert(key);
        }
        return static_cast<double>(texts.size());
    }
    case fkSum:
    case fkAverage: {
        double sum = value(0);
        for (int r = 1; r < rows; ++r)
            if (!skipped(r))
                sum += value(r);
        return kind == fkSum ? sum : sum / rows;
    }
    case fkMaximum:
    case fkMinimum: {
        double best = value(0);
        for (int r = 1; r < rows; ++r) {
            if (skipped(r))
                continue;
            double v = value(r);
            if (kind == fkMaximum ? v > best : v < best)
                best = v;
        }
        return best;
    }
    case fkCustom: {
        double v = value(0);
        if (OnColumnFooterValue)
            OnColumnFooterValue(this, column, v);
        return v;
    }
    default:
        return 0;
    }
}

void TDataGrid::RefreshFooter(bool visibleOnly)
{
    for (int c = 0; c < Columns().Count(); ++c) {
        TColumnFooter& footer = Columns().Items(c)->Footer();
        if (footer.FormulaKind() == fkNone)
            continue;
        if (RowCount() == 0) {
            footer.SetCaption("0");
            continue;
        }
        double v = FooterValue(c, footer.FormulaKind(), visibleOnly);
        if (OnFooterCalculate)
            OnFooterCalculate(this, c, v);
        footer.SetCaption(FloatToStr(v));
    }
}

// ---- columns ----

void TDataGrid::ColumnListChanged(int operation, int index1, int index2)
{
    TDgCustomGrid::ColumnListChanged(operation, index1, index2);
    if (store_)
        store_->ColumnsChanged(operation, index1, index2);
}

}  // namespace tarvelon
