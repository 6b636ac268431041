#pragma once
// The data of a grid: one cell object per column and row, one row object per row, and the store that
// keeps them column by column. Every cell value reads and writes as boolean, date, float, integer and
// text; each cell class keeps one native value and converts the others, raising the conversion error
// of a text that is not a value.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/basics/datetime.h"
#include "grid/dg_cell_kind.h"
#include "grid/dg_sysutils.h"
#include "platform/forms/object.h"
#include "platform/graphics/color.h"
#include "platform/graphics/font.h"

namespace tarvelon {

class TCells;
class TDgColumns;
class TDgCustomColumn;

class TCell : public TObject {
public:
    explicit TCell(TCells* owner);

    TCells* Owner() const { return owner_; }

    virtual TColor GetDrawColor();
    virtual TColor GetDrawTextColor();

    virtual bool AsBoolean() const = 0;
    virtual TDateTime AsDateTime() const = 0;
    virtual double AsFloat() const = 0;
    virtual std::int32_t AsInteger() const = 0;
    virtual std::string AsString() const = 0;

    // Tells the store that the current cell changed.
    virtual void Changed();
    virtual void SetAsBoolean(bool value);
    virtual void SetAsDateTime(TDateTime value);
    virtual void SetAsFloat(double value);
    virtual void SetAsInteger(std::int32_t value);
    virtual void SetAsString(const std::string& value);
    virtual void Clear();

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    static constexpr std::uint8_t EmptyFlag = 1;
    static constexpr std::uint8_t QuietFlag = 2;  // changes are not reported while set

    TFontStyles FontStyle;
    std::uint8_t Flags = QuietFlag;
    bool IsEmpty() const { return (Flags & EmptyFlag) != 0; }

private:
    TCells* owner_;
    TColor color_ = 0;
    std::string hint_;
};

class TStringCell : public TCell {
public:
    using TCell::TCell;
    bool AsBoolean() const override;
    TDateTime AsDateTime() const override;
    double AsFloat() const override;
    std::int32_t AsInteger() const override;
    std::string AsString() const override { return value_; }
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(std::int32_t value) override;
    void SetAsString(const std::string& value) override;
    void Clear() override;

private:
    std::string value_;
};

class TIntegerCell : public TCell {
public:
    using TCell::TCell;
    bool AsBoolean() const override { return value_ > 0; }
    TDateTime AsDateTime() const override { return 0; }
    double AsFloat() const override { return value_; }
    std::int32_t AsInteger() const override { return value_; }
    std::string AsString() const override { return IntToStr(value_); }
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(std::int32_t value) override;
    void SetAsString(const std::string& value) override;
    void Clear() override;

private:
    std::int32_t value_ = 0;
};

class TFloatCell : public TCell {
public:
    using TCell::TCell;
    bool AsBoolean() const override { return false; }
    TDateTime AsDateTime() const override { return value_; }
    double AsFloat() const override { return value_; }
    std::int32_t AsInteger() const override;
    std::string AsString() const override { return FloatToStr(value_); }
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(std::int32_t value) override;
    void SetAsString(const std::string& value) override;
    void Clear() override;

protected:
    double value_ = 0;
};

class TDateTimeCell : public TFloatCell {
public:
    using TFloatCell::TFloatCell;
    std::string AsString() const override { return DateTimeToStr(value_); }
    void SetAsBoolean(bool value) override;
    void SetAsString(const std::string& value) override;
};

class TBooleanCell : public TCell {
public:
    using TCell::TCell;
    bool AsBoolean() const override { return value_; }
    TDateTime AsDateTime() const override { return 0; }
    double AsFloat() const override { return value_ ? 1.0 : 0.0; }
    std::int32_t AsInteger() const override { return value_ ? 1 : 0; }
    std::string AsString() const override { return BoolToStr(value_); }
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(std::int32_t value) override;
    void SetAsString(const std::string& value) override;
    void Clear() override;

private:
    bool value_ = false;
};

// The row number: reads as the current row + 1 and stores nothing.
class TIncrementCell : public TCell {
public:
    using TCell::TCell;
    bool AsBoolean() const override { return false; }
    TDateTime AsDateTime() const override { return 0; }
    double AsFloat() const override { return Number(); }
    std::int32_t AsInteger() const override { return Number(); }
    std::string AsString() const override { return IntToStr(Number()); }
    void SetAsBoolean(bool) override {}
    void SetAsDateTime(TDateTime) override {}
    void SetAsFloat(double) override {}
    void SetAsInteger(std::int32_t) override {}
    void SetAsString(const std::string&) override {}
    void Clear() override {}

private:
    std::int32_t Number() const;
};

// Cells whose other values go through their text (the GUID and the virtual cell).
class TTextBackedCell : public TCell {
public:
    using TCell::TCell;
    bool AsBoolean() const override { return StrToBool(AsString()); }
    TDateTime AsDateTime() const override { return StrToDateTime(AsString()); }
    double AsFloat() const override { return StrToFloat(AsString()); }
    std::int32_t AsInteger() const override { return StrToInt(AsString()); }
    void SetAsBoolean(bool value) override { SetAsString(BoolToStr(value)); }
    void SetAsDateTime(TDateTime value) override { SetAsString(DateTimeToStr(value)); }
    void SetAsFloat(double value) override { SetAsString(FloatToStr(value)); }
    void SetAsInteger(std::int32_t value) override { SetAsString(IntToStr(value)); }
    void Clear() override { Changed(); }
};

class TGuidCell : public TTextBackedCell {
public:
    explicit TGuidCell(TCells* owner);
    std::string AsString() const override { return GUIDToString(value_); }
    void SetAsString(const std::string& value) override;
    const TGUID& Value() const { return value_; }

private:
    TGUID value_;
};

// A cell whose text lives in its column.
class TVirtualCell : public TTextBackedCell {
public:
    TVirtualCell(TCells* owner, TDgCustomColumn* column);
    std::string AsString() const override;
    void SetAsString(const std::string& value) override;
    TDgCustomColumn* Column() const { return column_; }

private:
    TDgCustomColumn* column_;
};

class TRow : public TObject {
public:
    std::int32_t ChildCount = 0;
    bool Expanded = true;
    std::int32_t Level = 0;
    TRow* ParentRow = nullptr;
    std::int32_t RowHeight = 0;
    bool Selected = false;
    bool Shown = true;    // false while a collapsed ancestor hides the row
    bool Visible = true;  // set by the grid's row visibility
};

using TCellChangeEvent = std::function<void(TCells* sender, int ACol, int ARow)>;
using TCellCompareEvent = std::function<void(TCells* sender, TCell* cell1, TCell* cell2, int& compare)>;

// Which cell class a creating operation makes for a kind (the three operations differ).
enum class TCellCreation { Append, Insert, InsertChild };

class TCells : public TObject {
public:
    TCells(TObject* grid, TDgColumns* columns);
    ~TCells() override;

    TObject* Grid() const { return grid_; }
    TDgColumns* Columns() const { return columns_; }

    int ColumnCount() const { return static_cast<int>(columnCells_.size()); }
    int RowCount() const { return rowCount_; }
    int VisibleRowCount() const { return visibleRowCount_; }
    int CurrentCol() const { return currentCol_; }
    int CurrentRow() const { return currentRow_; }
    bool SortValid() const { return sortValid_; }
    int LastSortColumn() const { return lastSortColumn_; }
    TSortKind LastSortKind() const { return lastSortKind_; }

    int DefaultRowHeight = 0;
    TCellChangeEvent OnCellChange;
    TCellCompareEvent OnCompare;
    // What the grid paints a cell with (the current cell's colours); empty: the cell's own colour.
    std::function<TColor(int ACol, int ARow)> CellColorQuery;
    std::function<TColor(int ACol, int ARow)> CellTextColorQuery;

    // Makes (ACol, ARow) the current cell and returns it; a bad index raises EListError.
    TCell* GetCell(int ACol, int ARow);
    TRow* GetRow(int index) const;
    int IndexOfRow(const TRow* row) const;

    void AddRows(int count);
    void InsertRow(int index);
    void InsertChildRow(int parentIndex, int index);
    void DeleteRow(int index);
    void ClearRows();
    void MoveRow(int fromIndex, int toIndex);
    void SwapRows(int index1, int index2);
    void ReverseRows();

    // 0 added at the end, 1 Index1 deleted, 2 all cleared, 3 inserted at Index1, 4 Index1 moved to Index2.
    void ColumnsChanged(int operation, int index1, int index2);

    void SetRowShown(int index, bool value);
    void SetRowVisible(int index, bool value);
    int DescendantCount(int index) const;
    int ChildRunCount(int index) const;

    // Draws from the game's random generator: one pivot per partition of two or more rows.
    void Sort(int ACol, TSortType sortType, TSortKind sortKind, bool fullResort);

    void CellChanged();
    void CompareCells(TCell* cell1, TCell* cell2, int& compare);

private:
    TCell* NewCell(int column, TCellCreation creation);
    TCell* MakeCell(TCellKind kind, TDgCustomColumn* column, TCellCreation creation);
    TRow* NewRow();
    std::vector<TCell*> NewColumnCells(int column, TCellCreation creation);
    void FreeColumn(std::vector<TCell*>& cells);
    void CheckRow(int index) const;
    void CheckColumn(int index) const;
    void QuickSort(int col, int lo, int hi, TSortType sortType);

    TObject* grid_;
    TDgColumns* columns_;
    int currentCol_ = 0;
    int currentRow_ = 0;
    std::vector<std::vector<TCell*>> columnCells_;
    int rowCount_ = 0;
    std::vector<TRow*> rows_;
    bool sortValid_ = false;
    int lastSortColumn_ = 0;
    TSortKind lastSortKind_ = skAscending;
    int visibleRowCount_ = 0;
};

}  // namespace tarvelon
