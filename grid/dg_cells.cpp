// The cell store: rows and their cells, kept column by column.
#include "grid/dg_cells.h"

#include <algorithm>

#include "grid/dg_columns.h"

namespace tarvelon {

TCells::TCells(TObject* grid, TDgColumns* columns) : grid_(grid), columns_(columns) {}

TCells::~TCells()
{
    ClearRows();
    for (auto& cells : columnCells_)
        FreeColumn(cells);
    columnCells_.clear();
}

// ---- cells and rows by index ----

void TCells::CheckRow(int index) const
{
    if (index < 0 || index >= static_cast<int>(rows_.size()))
        throw EListError(index);
}

void TCells::CheckColumn(int index) const
{
    if (index < 0 || index >= ColumnCount())
        throw EListError(index);
}

TCell* TCells::GetCell(int ACol, int ARow)
{
    currentCol_ = ACol;
    currentRow_ = ARow;
    CheckColumn(ACol);
    auto& cells = columnCells_[static_cast<std::size_t>(ACol)];
    if (ARow < 0 || ARow >= static_cast<int>(cells.size()))
        throw EListError(ARow);
    return cells[static_cast<std::size_t>(ARow)];
}

TRow* TCells::GetRow(int index) const
{
    CheckRow(index);
    return rows_[static_cast<std::size_t>(index)];
}

int TCells::IndexOfRow(const TRow* row) const
{
    auto it = std::find(rows_.begin(), rows_.end(), row);
    return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

// ---- creating cells ----

TCell* TCells::MakeCell(TCellKind kind, TDgCustomColumn* column, TCellCreation creation)
{
    switch (kind) {
    case ckIncrement:
        if (creation == TCellCreation::Insert)
            return new TIntegerCell(this);
        return new TIncrementCell(this);
    case ckBoolean:
        return new TBooleanCell(this);
    case ckDateTime:
        return new TDateTimeCell(this);
    case ckFloat:
        return new TFloatCell(this);
    case ckGuid:
        if (creation == TCellCreation::Append)
            return new TGuidCell(this);
        return new TStringCell(this);
    case ckInteger:
        return new TIntegerCell(this);
    case ckVirtual:
        return new TVirtualCell(this, column);
    default:
        return new TStringCell(this);
    }
}

// A new cell for `column`, with the column's font style and colour, reporting its changes.
TCell* TCells::NewCell(int column, TCellCreation creation)
{
    TDgCustomColumn* col = columns_->Items(column);
    TCell* cell = MakeCell(col->Kind(), col, creation);
    cell->FontStyle = col->Font().Style();
    cell->SetColor(col->Color());
    cell->Flags &= static_cast<std::uint8_t>(~TCell::QuietFlag);
    return cell;
}

TRow* TCells::NewRow()
{
    auto* row = new TRow;
    row->RowHeight = DefaultRowHeight;
    return row;
}

std::vector<TCell*> TCells::NewColumnCells(int column, TCellCreation creation)
{
    std::vector<TCell*> cells;
    cells.reserve(static_cast<std::size_t>(rowCount_));
    for (int r = 0; r < rowCount_; ++r)
        cells.push_back(NewCell(column, creation));
    return cells;
}

void TCells::FreeColumn(std::vector<TCell*>& cells)
{
    for (TCell* cell : cells)
        delete cell;
    cells.clear();
}

// ---- row operations ----

void TCells::AddRows(int count)
{
    for (int n = 0; n < count; ++n) {
        rows_.push_back(NewRow());
        ++visibleRowCount_;
        for (int c = 0; c < ColumnCount(); ++c)
            columnCells_[static_cast<std::size_t>(c)].push_back(NewCell(c, TCellCreation::Append));
        ++rowCount_;
    }
    sortValid_ = false;
}

void TCells::InsertRow(int index)
{
    if (index < 0 || index > static_cast<int>(rows_.size()))
        throw EListError(index);
    for (int c = 0; c < ColumnCount(); ++c) {
        auto& cells = columnCells_[static_cast<std::size_t>(c)];
        cells.insert(cells.begin() + index, NewCell(c, TCellCreation::Insert));
    }
    rows_.insert(rows_.begin() + index, NewRow());
    ++visibleRowCount_;
    ++rowCount_;
    sortValid_ = false;
}

void TCells::InsertChildRow(int parentIndex, int index)
{
    TRow* parent = GetRow(parentIndex);
    if (index < 0 || index > static_cast<int>(rows_.size()))
        throw EListError(index);
    TRow* row = NewRow();
    row->ParentRow = parent;
    row->Shown = parent->Expanded;
    row->Level = parent->Level + 1;
    ++parent->ChildCount;
    rows_.insert(rows_.begin() + index, row);
    ++rowCount_;
    if (parent->Expanded)
        ++visibleRowCount_;
    for (int c = 0; c < ColumnCount(); ++c) {
        auto& cells = columnCells_[static_cast<std::size_t>(c)];
        cells.insert(cells.begin() + index, NewCell(c, TCellCreation::InsertChild));
    }
}

void TCells::DeleteRow(int index)
{
    TRow* row = GetRow(index);
    for (auto& cells : columnCells_) {
        delete cells.at(static_cast<std::size_t>(index));
        cells.erase(cells.begin() + index);
    }
    --rowCount_;
    // The counter holds one per row less one per cleared flag: take back exactly what this row adds.
    visibleRowCount_ -= 1 - (row->Visible ? 0 : 1) - (row->Shown ? 0 : 1);
    rows_.erase(rows_.begin() + index);
    delete row;
}

void TCells::ClearRows()
{
    for (auto& cells : columnCells_)
        FreeColumn(cells);
    for (TRow* row : rows_)
        delete row;
    rows_.clear();
    rowCount_ = 0;
    visibleRowCount_ = 0;
    sortValid_ = false;
}

namespace {

template <typename T>
void MoveItem(std::vector<T>& list, int from, int to)
{
    if (from < 0 || from >= static_cast<int>(list.size()))
        throw EListError(from);
    if (to < 0 || to >= static_cast<int>(list.size()))
        throw EListError(to);
    T item = list[static_cast<std::size_t>(from)];
    list.erase(list.begin() + from);
    list.insert(list.begin() + to, item);
}

}  // namespace

void TCells::MoveRow(int fromIndex, int toIndex)
{
    MoveItem(rows_, fromIndex, toIndex);
    for (auto& cells : columnCells_)
        MoveItem(cells, fromIndex, toIndex);
    sortValid_ = false;
}

void TCells::SwapRows(int index1, int index2)
{
    CheckRow(index1);
    CheckRow(index2);
    std::swap(rows_[static_cast<std::size_t>(index1)], rows_[static_cast<std::size_t>(index2)]);
    for (auto& cells : columnCells_)
        std::swap(cells.at(static_cast<std::size_t>(index1)), cells.at(static_cast<std::size_t>(index2)));
}

void TCells::ReverseRows()
{
    for (int i = 0; i < rowCount_ / 2; ++i)
        SwapRows(i, rowCount_ - 1 - i);
}

void TCells::SetRowShown(int index, bool value)
{
    TRow* row = GetRow(index);
    if (row->Shown == value)
        return;
    row->Shown = value;
    visibleRowCount_ += value ? 1 : -1;
}

void TCells::SetRowVisible(int index, bool value)
{
    TRow* row = GetRow(index);
    if (row->Visible == value)
        return;
    row->Visible = value;
    visibleRowCount_ += value ? 1 : -1;
}

int TCells::DescendantCount(int index) const
{
    int level = GetRow(index)->Level;
    int count = 0;
    for (int r = index + 1; r < static_cast<int>(rows_.size()) && rows_[static_cast<std::size_t>(r)]->Level > level; ++r)
        ++count;
    return count;
}

int TCells::ChildRunCount(int index) const
{
    int level = GetRow(index)->Level + 1;
    int count = 0;
    for (int r = index + 1; r < static_cast<int>(rows_.size()) && rows_[static_cast<std::size_t>(r)]->Level == level; ++r)
        ++count;
    return count;
}

// ---- column operations ----

void TCells::ColumnsChanged(int operation, int index1, int index2)
{
    switch (operation) {
    case 0:  // added at the end: cells of the kind of the last column
        columnCells_.push_back({});
        columnCells_.back() = NewColumnCells(columns_->Count() - 1, TCellCreation::Append);
        break;
    case 1:  // deleted
        CheckColumn(index1);
        FreeColumn(columnCells_[static_cast<std::size_t>(index1)]);
        columnCells_.erase(columnCells_.begin() + index1);
        if (columnCells_.empty())
            ClearRows();  // no column left: the rows go too, not only their count
        break;
    case 2:  // all cleared
        for (auto& cells : columnCells_)
            FreeColumn(cells);
        columnCells_.clear();
        ClearRows();
        break;
    case 3: {  // inserted at index1
        if (index1 < 0 || index1 > ColumnCount())
            throw EListError(index1);
        std::vector<TCell*> cells = NewColumnCells(index1, TCellCreation::Insert);
        sortValid_ = false;
        columnCells_.insert(columnCells_.begin() + index1, std::move(cells));
        break;
    }
    case 4:  // moved
        MoveItem(columnCells_, index1, index2);
        break;
    default:
        break;
    }
}

// ---- notifications ----

void TCells::CellChanged()
{
    if (OnCellChange)
        OnCellChange(this, currentCol_, currentRow_);
    sortValid_ = false;
}

void TCells::CompareCells(TCell* cell1, TCell* cell2, int& compare)
{
    if (OnCompare)
        OnCompare(this, cell1, cell2, compare);
}

}  // namespace tarvelon
