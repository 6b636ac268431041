#pragma once
// TDgCustomGridControl: the core of the data grid. It owns the columns, lays out and paints the
// header, rows, footer, input line and indicator, keeps the selection, edits cells in place and
// reads and writes cells by column name. Row and cell storage is left to the descendant (TDataGrid).
#include <array>
#include <memory>
#include <string>

#include "grid/dg_columns.h"
#include "grid/dg_grid_types.h"
#include "grid/dg_scroll_control.h"

namespace tarvelon {

class TDgCustomEdit;
class TStyleDisplay;

class TDgCustomGridControl : public TDgScrollControl, public TDgColumnsHost {
public:
    explicit TDgCustomGridControl(TComponent* owner);
    ~TDgCustomGridControl() override;
    std::string ClassName() const override { return "TDgCustomGridControl"; }

    // ---- Properties -------------------------------------------------------------------------
    TAppearanceOptions AppearanceOptions() const { return appearanceOptions_; }
    void SetAppearanceOptions(TAppearanceOptions value);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value) { autoScroll_ = value; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    // Text shown in the body while the grid has no rows (the control's Caption).
    void SetGridCaption(const std::string& caption);
    bool EnableVisualStyles() const { return enableVisualStyles_; }
    void SetEnableVisualStyles(bool value);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    int FooterSize() const { return footerSize_; }
    void SetFooterSize(int value);
    TColor GridLinesColor() const { return gridLinesColor_; }
    void SetGridLinesColor(TColor value);
    TGridLinesStyle GridLinesStyle() const { return gridLinesStyle_; }
    void SetGridLinesStyle(TGridLinesStyle value);
    TGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TGridStyle value);
    int HeaderSize() const { return headerSize_; }
    void SetHeaderSize(int value);
    THeaderStyle HeaderStyle() const { return headerStyle_; }
    void SetHeaderStyle(THeaderStyle value);
    bool HideScrollBar() const { return hideScrollBar_; }
    void SetHideScrollBar(bool value);
    TColor HighlightedTextColor() const { return highlightedTextColor_; }
    void SetHighlightedTextColor(TColor value);
    TColor InactiveSelectionColor() const { return inactiveSelectionColor_; }
    void SetInactiveSelectionColor(TColor value);
    int InputSize() const { return inputSize_; }
    void SetInputSize(int value);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    int RowSize() const { return rowSize_; }
    virtual void SetRowSize(int value);
    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor value) { selectionColor_ = value; }
    TSelectionMoveDirection SelectionMoveDirection() const { return selectionMoveDirection_; }
    void SetSelectionMoveDirection(TSelectionMoveDirection value) { selectionMoveDirection_ = value; }
    TSlidesOptions SlidesOptions() const { return slidesOptions_; }
    void SetSlidesOptions(TSlidesOptions value);
    TColor SlideSelectionColor() const { return slideSelectionColor_; }
    void SetSlideSelectionColor(TColor value);
    int SlideSize() const { return slideSize_; }
    void SetSlideSize(int value);
    TSortedStyle SortedStyle() const { return sortedStyle_; }
    void SetSortedStyle(TSortedStyle value);
    std::string Version() const { return "4.6"; }
    void SetVersion(const std::string&) {}
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    TInputEnterMode InputEnterMode() const { return inputEnterMode_; }
    void SetInputEnterMode(TInputEnterMode value) { inputEnterMode_ = value; }
    THomeEndBehaviour HomeEndBehaviour() const { return homeEndBehaviour_; }
    void SetHomeEndBehaviour(THomeEndBehaviour value) { homeEndBehaviour_ = value; }
    TDgColumns& Columns() { return *columns_; }
    // Grows the columns, rows, header and footer with the control and its font.
    void ChangeScale(int m, int d) override;
    const TDgColumns& Columns() const { return *columns_; }

    // ---- Storage (the descendant keeps rows and cells) --------------------------------------
    virtual int RowCount() const = 0;
    virtual std::string GetCellText(int aCol, int aRow) = 0;
    virtual void SetCellText(int aCol, int aRow, const std::string& value) = 0;
    virtual bool Selected(int index) const = 0;
    virtual void SetSelected(int index, bool value) = 0;
    virtual void SelectRange(int fromRow, int toRow, bool value) = 0;
    virtual int AddRow(int count = 1) = 0;
    // The rows that the vertical scroll bar counts.
    virtual int ScrollRowCount() const = 0;
    virtual int GetRowHeight(int index) const { return rowSize_; }
    virtual bool RowVisible(int index) const { return true; }
    virtual int RowLevel(int index) const { return 0; }
    virtual int RowChildCount(int index) const { return 0; }
    virtual bool RowExpanded(int index) const { return false; }
    virtual bool IsCellEmpty(int aCol, int aRow) const { return false; }
    virtual int SelectedCount() const;
    virtual void ClearRows();
    virtual void ClearSelection();
    virtual void DeleteRow(int index);
    virtual void RowAdded(int index);
    virtual void RowsChanged();
    // The expand state toggle and the value write-back of a column's mouse element (TDataGrid).
    virtual void ToggleExpanded(int row) {}
    // Row moving and resizing by the mouse (the storage carries them out).
    virtual void MoveRow(int fromIndex, int toIndex) {}
    virtual void SetRowHeight(int index, int height) {}
    virtual void ApplyPlayValue(TColumnPlay& play) {}

    // ---- Access by column name --------------------------------------------------------------
    TDgCustomColumn* ColumnByName(const std::string& name) const;
    // Resolves "First", "Last", "Selected" (any case), a column name or a number.
    void ResolveCellAddress(const std::string& aCol, const std::string& aRow, int& col, int& row) const;
    std::string GetCellTextByName(const std::string& aCol, const std::string& aRow);
    std::string GetCellTextByName(const std::string& aCol, int aRow);
    void SetCellTextByName(const std::string& aCol, const std::string& aRow, const std::string& value);
    void SetCellTextByName(const std::string& aCol, int aRow, const std::string& value);

    // ---- Selection ---------------------------------------------------------------------------
    int SelectedRow() const { return selectedRow_; }
    virtual void SetSelectedRow(int index);
    int SelectedColumn() const { return selectedColumn_; }
    void SetSelectedColumn(int index);
    virtual void SelectCell(int aCol, int aRow, TShiftState shift, bool clearOthers);
    bool IsCellSelected(int aCol, int aRow);
    virtual void SelectFirstRow(TShiftState shift);
    virtual void SelectLastRow(TShiftState shift);
    void SelectFirstColumn();
    void SelectLastColumn();
    virtual void SelectNextRow(TShiftState shift, bool tabAtEnd);
    virtual void SelectPriorRow(TShiftState shift);
    void SelectNextColumn();
    void SelectPriorColumn();
    void SelectNextCell(bool tabAtEnd);
    void SelectPriorCell();
    void MoveSelectionBy(int delta);
    void ScrollToRow(int index);
    void ScrollToColumn(TDgCustomColumn* column);
    void ClearMultiSelection();
    bool InputSelected() const { return inputSelected_; }
    void SetInputSelected(bool value);
    // The input line loses the selection, and is repainted as such, when it had it.
    void LeaveInputLine();

    // ---- In-place editing --------------------------------------------------------------------
    virtual void EditCell(int aCol, int aRow, const std::string& text);
    void EditCellWithKey(int aCol, int aRow, char32_t key);
    void EditInputCell(TDgCustomColumn* column, const std::string& text);
    void EditInputCellWithKey(TDgCustomColumn* column, char32_t key);
    virtual bool ApplyEditing();
    virtual void EndEditing();
    virtual void AddInputRow();
    void UpdateEditorBounds();
    bool Editing() const { return (stateFlags_ & gfEditing) != 0; }
    bool InputEditing() const { return (stateFlags_ & gfInputEditing) != 0; }
    int EditCol() const { return editCol_; }
    int EditRow() const { return editRow_; }
    TDgCustomEdit* InplaceEditor() const { return inplaceEdit_; }
    virtual bool CanEdit() const { return true; }

    // ---- Sorting, updating -------------------------------------------------------------------
    virtual void SortColumn(TDgCustomColumn* column);
    TDgCustomColumn* SortedColumn() const { return sortedColumn_; }
    void BeginUpdate();
    void EndUpdate();
    bool UpdateLocked() const { return updateCount_ > 0; }
    int UpdateCount() const { return updateCount_; }
    // True when the grid's window or its in-place editor has the focus.
    virtual bool GridFocused() const;

    // ---- Layout ------------------------------------------------------------------------------
    int IndicatorWidth() const { return options_.Contains(goIndicator) ? 12 : 0; }
    bool ShowsIndicator() const override { return options_.Contains(goIndicator); }
    int HostFixedCols() const override { return fixedCols_; }
    TFont& HostFont() override { return Font(); }
    TCanvas* HostCanvas() override { return &Canvas(); }
    bool HostLoading() const override { return Loading(); }
    bool HostDestroying() const override { return StorageGone(); }
    // True once the grid is being destroyed: the storage may be gone, so nothing asks it.
    bool StorageGone() const { return destroying_ || Destroying() || !columns_; }
    // Grid-line widths: left, top, right, bottom and row spacing.
    int LineLeft() const { return lines_[0]; }
    int LineTop() const { return lines_[1]; }
    int LineRight() const { return lines_[2]; }
    int LineBottom() const { return lines_[3]; }
    int LineSpacing() const { return lines_[4]; }
    TRect RegionRect(TGridRegion region) const;
    TRect BodyRect() const { return RegionRect(grBody); }
    int HorzPosition() const;
    int TopRow() const { return topRow_; }
    int FirstVisibleRow() const { return firstVisibleRow_; }
    int LastVisibleRow() const { return lastVisibleRow_; }
    int RowTop(int row) const;
    virtual TRect GetCellRect(int aCol, int aRow) const;
    TRect GetInputCellRect(TDgCustomColumn* column) const;
    // Left edge of a column on screen (Left less the horizontal position for scrolling columns).
    int ColumnScreenLeft(const TDgCustomColumn* column) const;
    bool IsScrollingColumn(const TDgCustomColumn* column) const;
    // Pixel x where scrolling columns start (fixed columns' width plus the indicator).
    int FixedEdge() const;
    // Width left for the columns (client width less the indicator), used by the columns' auto-size.
    int ColumnAreaWidth() const override;
    int VisibleRowCount(bool includeAbove = false) const;
    virtual void UpdateHorzScrollBar();
    virtual void UpdateVertScrollBar();
    virtual TColor GetCellColor(int aCol, int aRow);
    virtual TColor GetCellTextColor(int aCol, int aRow);
    int GetColumnBestWidth(TDgCustomColumn* column, bool measureHeader, bool measureCells);
    // The height of the row's tallest visible cell content, never below RowSize.
    int GetRowBestHeight(int row);
    TStyleDisplay& CurrentDisplay() const { return *display_; }
    // The header drawn pressed and the one under the mouse (the input side keeps them).
    virtual TDgCustomColumn* PressedHeaderColumn() const { return nullptr; }
    virtual TDgCustomColumn* HotHeaderColumn() const { return nullptr; }
    // Whether the mouse is over the expand button of a tree cell.
    virtual bool ExpandButtonHot(int aCol, int aRow) const { return false; }
    // The column whose input cell is being edited (drawn framed only behind the editor).
    TDgCustomColumn* InputEditingColumn() const;
    bool StylesInUse() const;

    // ---- Invalidation ------------------------------------------------------------------------
    void RedrawRegion(TGridRegion region);
    virtual void RedrawCell(int aCol, int aRow);
    void RedrawColumn(TDgCustomColumn* column, int region) override;
    void RedrawRow(int row, bool outlineOnly = false);
    void RedrawIndicatorCell(int row);
    void RedrawRowsFrom(int row);
    void RedrawSelection();
    void RedrawInputCell(int aCol);
    void RepaintGrid() { Invalidate(); }
    // Scroll bars and the whole view refreshed after the rows changed.
    void RefreshLayout();
    void RecomputeVisibleRows();

    // ---- Column collection callbacks ---------------------------------------------------------
    void ColumnChanged(TDgCustomColumn* column, int kind, int parameter) override;
    void ColumnListChanging(int operation, int index1, int index2) override;
    void ColumnListChanged(int operation, int index1, int index2) override;

    // ---- Events ------------------------------------------------------------------------------
    TGridCellTextEvent OnAfterEdit;
    TGridRowMoveEvent OnAfterRowMove;
    TGridColumnEvent OnAfterSort;
    TGridCellVarTextEvent OnApplyCell;
    TGridCellVarTextEvent OnApplyEditText;
    TGridCellAcceptEvent OnBeforeEdit;
    TGridCellAcceptEvent OnBeforeSelect;
    TGridCellEvent OnCellClick;
    TGridCellColoringEvent OnCellColoring;
    TGridCellEvent OnCellDblClick;
    TGridCellVarTextEvent OnCellHint;
    TGridCellEvent OnChange;
    TGridRowHeightEvent OnChangeRowHeight;
    TGridColumnValueEvent OnColumnFooterValue;
    TGridColumnValueEvent OnFooterCalculate;
    TGridColumnMoveEvent OnColumnMove;
    TGridColumnEvent OnColumnResize;
    TGridCustomDrawCellEvent OnCustomDrawCell;
    TGridCellEvent OnDeselectCell;
    TGridDrawCellBackgroundEvent OnDrawCellBackground;
    TGridCellTextEvent OnEdit;
    TGridEditAcceptEvent OnEditAccept;
    TNotifyEvent OnEditExit;
    TGridCellVarTextEvent OnEditText;
    TGridColumnEvent OnFooterClick;
    TGridColumnEvent OnHeaderClick;
    TGridColumnEvent OnHeaderDblClick;
    TGridAcceptEvent OnInputAccept;
    TNotifyEvent OnInputAdded;
    TGridColumnEvent OnInputSelectCell;
    TGridMeasureRowEvent OnMeasuringRowHeight;
    TNotifyEvent OnPostDraw;
    TGridRowMoveAcceptEvent OnRowMove;
    TGridCellEvent OnSelectCell;
    TGridColumnEvent OnSlideChange;
    TGridSlideColoringEvent OnSlideColoring;
    TGridSortEvent OnSortColumn;

protected:
    // ---- Firing operations: each calls its handler only when one is assigned ------------------
    virtual void DoAfterEdit(int aCol, int aRow, const std::string& value);
    virtual void DoAfterRowMove(int fromPos, int toPos);
    virtual void DoAfterSort(int aCol);
    virtual void DoApplyEditText(int aCol, int aRow, std::string& value);
    virtual bool DoBeforeEdit(int aCol, int aRow);
    virtual bool DoBeforeSelect(int aCol, int aRow);
    virtual void DoCellClick(int aCol, int aRow);
    virtual void DoCellColoring(int aCol, int aRow, TColor& cellColor, TColor& gridColor, TCellState state);
    virtual void DoCellDblClick(int aCol, int aRow);
    virtual void DoChange(int aCol, int aRow);
    virtual void DoChangeRowHeight(int index, int height);
    virtual void DoColumnMove(int aCol, int fromPos, int toPos);
    virtual void DoColumnResize(int aCol);
    virtual void DoCustomDrawCell(int aCol, int aRow, TRect rect, TCellState state);
    virtual void DoDeselectCell(int aCol, int aRow);
    virtual void DoDrawCellBackground(int aCol, int aRow, TRect rect, TCellState state, bool& fill);
    virtual void DoEdit(int aCol, int aRow, const std::string& value);
    virtual bool DoEditAccept(int aCol, int aRow, const std::string& value);
    virtual void DoEditExit();
    virtual void DoEditText(int aCol, int aRow, std::string& value);
    virtual void DoFooterClick(int aCol);
    virtual void DoHeaderClick(int aCol);
    virtual void DoHeaderDblClick(int aCol);
    virtual bool DoInputAccept();
    virtual void DoInputAdded();
    virtual void DoInputSelectCell(int aCol);
    virtual void DoPostDraw();
    virtual bool DoRowMove(int fromPos, int toPos);
    virtual void DoSelectCell(int aCol, int aRow);
    virtual void DoSlideChange(int aCol);
    virtual void DoSlideColoring(int index, TColor& slideColor, TColor& gridColor, TSlideState state);
    virtual void DoSortColumn(int aCol, bool ascending);

    // ---- Painting hooks ----------------------------------------------------------------------
    void Paint() override;
    // With visual styles and a single border the frame is the themed list's border.
    void PaintWindowFrame(TCanvas& canvas) override;
    int GetHorzScrollDelta(int oldPos, int newPos) override;
    int GetVertScrollDelta(int oldPos, int newPos) override;
    virtual void PaintRows();
    virtual void PaintColumnParts();
    virtual void PaintSlidesHeader();
    virtual void PaintSlides();
    virtual void DrawCell(int aCol, int aRow);
    virtual void PaintEmptyCell(int aCol, int aRow, int top);
    virtual void DrawIndicatorCell(int row, bool selected, bool current);
    // Cell font: the column's font, the text colour, bold for a bold selection; true when the
    // content is to be drawn (the storage decides).
    virtual bool PrepareCellFont(int aCol, int aRow, TCellState state);
    virtual TColor GetCellColorBase(int aCol, int aRow);
    virtual void GetCellHint(int aCol, int aRow, std::string& hint);
    // The storage hands a cell's value to the column's painter.
    virtual void PrepareDisplay(int aCol, int aRow, TColumnDisplay& display) {}
    virtual bool OwnDrawing(int aCol, int aRow) { return false; }
    virtual void RowVisibilityChanged(int index, bool visible);
    virtual void AssignEditorEvents();
    // The editor's keys, after the editor's own handling, go on to the grid's key handling.
    virtual void PassEditorKeyDown(unsigned short& key, TShiftState shift) {}
    virtual void PassEditorKeyPress(char32_t& key) {}
    virtual void PassEditorKeyUp(unsigned short& key, TShiftState shift) {}
    // The column's cell state for painting (selection, focus, bold), as DrawCell works it out.
    TCellState CellPaintState(int aCol, int aRow);
    void DrawCellLines(const TRect& rect, TColor gridColor, bool lastRow, bool lastColumn, bool insideData);
    void DrawFocusRectangle();
    TRect FocusRect() const;
    void ClipToCell(const TRect& rect, const TDgCustomColumn* column);
    // Hands the painter the canvas, the rectangle, the row's tree state and the cell's value.
    void PrepareCellPainter(int aCol, int aRow, TColumnDisplay& painter, const TRect& rect);

    void DoEnter() override;
    void DoExit() override;
    void KeyboardFocusChanged() override;
    void Resize() override;
    void FontChanged() override;

    // ---- State -------------------------------------------------------------------------------
    TAppearanceOptions appearanceOptions_{aoHideSelection, aoHighlightSlideCells};
    bool autoScroll_ = false;
    TFormBorderStyle borderStyle_ = bsSingle;
    bool enableVisualStyles_ = true;
    int fixedCols_ = 0;
    int footerSize_ = 18;
    TColor gridLinesColor_ = clBtnFace;
    TGridLinesStyle gridLinesStyle_ = lsNormal;
    TGridStyle gridStyle_ = gsReport;
    int headerSize_ = 18;
    THeaderStyle headerStyle_ = hsAuto;
    bool hideScrollBar_ = true;
    TColor highlightedTextColor_ = clHighlightText;
    TColor inactiveSelectionColor_ = clBtnFace;
    int inputSize_ = 16;
    TGridOptions options_{goHeader};
    bool readOnly_ = false;
    int rowSize_ = 16;
    TColor selectionColor_ = clHighlight;
    TSelectionMoveDirection selectionMoveDirection_ = mdDown;
    TSlidesOptions slidesOptions_{soFrame, soHideSelection};
    TColor slideSelectionColor_ = clWindow;
    int slideSize_ = 80;
    TSortedStyle sortedStyle_ = soDefault;
    bool wantReturns_ = false;
    bool wantTabs_ = false;
    TInputEnterMode inputEnterMode_ = imEditing;
    THomeEndBehaviour homeEndBehaviour_ = hebTopBottom;

    std::unique_ptr<TDgColumns> columns_;
    std::array<std::unique_ptr<TStyleDisplay>, 5> displays_;  // default, flat, old, outlook, vista
    TStyleDisplay* display_ = nullptr;
    int editCol_ = -1;
    int editRow_ = -1;
    int anchorRow_ = -1;
    std::array<int, 5> lines_{0, 0, 0, 0, 0};
    TDgCustomEdit* inplaceEdit_ = nullptr;
    bool suppressChange_ = false;
    int inputColumn_ = -1;
    bool inputSelected_ = false;
    int selectedColumn_ = 0;
    int selectedRow_ = -1;
    TDgCustomColumn* sortedColumn_ = nullptr;
    int updateCount_ = 0;
    int topRow_ = 0;
    int firstVisibleRow_ = 0;
    int lastVisibleRow_ = 0;
    unsigned stateFlags_ = 0;
    TColor slideCaptionColor_ = clGrayText;
    // The last row that the previous paint reached (row redraws stop there).
    int lastPaintedRow_ = -1;
    bool destroying_ = false;

private:
    void RecomputeGridLines();
    void SelectColumnInView(TDgCustomColumn* column);
    void SelectNeighbourColumn(bool next);
    void SetInplaceEdit(TDgCustomEdit* editor);
    // The editor of the column, prepared, holding `shown` (without an edit event).
    TDgCustomEdit* ChooseEditor(TDgCustomColumn* column, bool forInput, const std::string& shown);
    // The editor is prepared holding the cell's own text, or none (a given text or a typed key follows).
    bool BeginCellEdit(int aCol, int aRow, bool withCellText);
    void HookEditor(TDgCustomEdit* editor);
    void EditorKeyDown(unsigned short& key, TShiftState shift);
    void EditorKeyPress(char32_t& key);
    // Whether the edited column's kind keeps the Enter key for its editor.
    bool KeepsEnter() const;
    void EditorKeyUp(unsigned short& key, TShiftState shift);
    bool BeginInputEdit(TDgCustomColumn* column);
    void PlaceCaret(TDgCustomColumn* column);
    void TypeIntoEditor(char32_t key);
    void PaintFreeArea();
    void PaintCaption();
    void PaintSlide(int row, int top);
    int ResolveRow(const std::string& aRow) const;
    int ResolveColumn(const std::string& aCol) const;
};

}  // namespace tarvelon
