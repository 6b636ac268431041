#pragma once
// The grid placed on the game's forms: the grid control with its rows and cells kept in one store.
// Screens fill it by column name between BeginUpdate and EndUpdate and read the chosen record back
// from the hidden "id" column of the selected row.
#include <memory>

#include "grid/dg_cells.h"
#include "grid/dg_custom_grid.h"

namespace tarvelon {

using TGridCellFormatingEvent = std::function<void(TObject* sender, int aCol, int aRow, TColor& textColor,
                                                   TFontStyles& fontStyle, TCellState cellState)>;
using TGridCompareEvent = std::function<void(TObject* sender, TCell* cell1, TCell* cell2, int& compare)>;
using TGridRowEvent = std::function<void(TObject* sender, int aRow)>;

class TDataGrid : public TDgCustomGrid {
public:
    explicit TDataGrid(TComponent* owner);
    ~TDataGrid() override;
    std::string ClassName() const override { return "TDataGrid"; }

    TCells& Store() { return *store_; }
    int LastAddedRow() const { return lastAddedRow_; }

    // ---- rows and cells ----
    int RowCount() const override;
    // No bounds check: a bad index raises EListError.
    TCell* GetCell(int aCol, int aRow);
    TCell* GetCellByName(const std::string& aCol, const std::string& aRow);
    // Both raise "Cell out of bounds (col, row)" outside the rows and columns.
    std::string GetCellText(int aCol, int aRow) override;
    void SetCellText(int aCol, int aRow, const std::string& value) override;
    bool IsCellEmpty(int aCol, int aRow) const override;
    // The value of a cell by its column's kind, as painters and display texts take it.
    TCellInfo CellInfo(int aCol, int aRow);
    std::string DisplayText(int aCol, int aRow);

    int GetRowHeight(int index) const override;
    void SetRowHeight(int index, int height);
    bool RowVisible(int index) const override;
    void SetRowVisible(int index, bool value);
    int RowLevel(int index) const override;
    int RowChildCount(int index) const override;
    bool RowExpanded(int index) const override;
    int ScrollRowCount() const override;
    void SetRowSize(int value) override;

    bool Selected(int index) const override;
    void SetSelected(int index, bool value) override;
    void SelectRange(int fromRow, int toRow, bool value) override;

    // Appends rows (default values under goUseDefaultValues); returns the last row's index.
    int AddRow(int count = 1) override;
    // Appends rows without default values or painting of each.
    void FastAddRow(int count);
    void InsertRow(int index);
    // A child row after the parent (asLast: after its last descendant); returns the new index.
    int AddChildRow(int parentIndex, bool asLast);
    void DeleteRow(int index) override;
    void ClearRows() override;
    void MoveRow(int fromIndex, int toIndex);
    void SwapRows(int index1, int index2);
    void SortColumn(TDgCustomColumn* column) override;
    // Sorts by a column in the given direction (SortKind of the column is not changed).
    void SortColumn(TDgCustomColumn* column, bool ascending);
    void SetExpanded(int index, bool value);
    void ToggleExpanded(int row) override;
    void RefreshFooter(bool visibleOnly);

    void ColumnListChanged(int operation, int index1, int index2) override;

    TGridCellFormatingEvent OnCellFormating;
    TGridCompareEvent OnCompare;
    TGridRowEvent OnExpand;

protected:
    virtual void DoCellFormating(int aCol, int aRow, TColor& textColor, TFontStyles& fontStyle, TCellState state);
    virtual void DoCompare(TCell* cell1, TCell* cell2, int& compare);
    virtual void DoExpand(int aRow);

    TColor GetCellColorBase(int aCol, int aRow) override;
    void GetCellHint(int aCol, int aRow, std::string& hint) override;
    bool PrepareCellFont(int aCol, int aRow, TCellState state) override;
    void PrepareDisplay(int aCol, int aRow, TColumnDisplay& display) override;
    void ApplyPlayValue(TColumnPlay& play) override;

private:
    void CheckCell(int aCol, int aRow) const;
    void CellChanged(int aCol, int aRow);
    double FooterValue(int column, TFormulaKind kind, bool visibleOnly);
    int RowStep(int index) const;
    void KeepSelectionAfterDelete(int index);

    std::unique_ptr<TCells> store_;
    int lastAddedRow_ = -1;
};

}  // namespace tarvelon
