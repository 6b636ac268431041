#pragma once
// TDgCustomGrid: the grid control with mouse and keyboard: clicking and selecting cells, sorting
// by a header click, resizing and moving columns and rows by dragging, keyboard navigation,
// typing that starts an edit or searches, and hints over headers, footers and cells.
#include <memory>
#include <string>

#include "grid/dg_custom_grid_control.h"

namespace tarvelon {

class TColumnDragBox;
class TDragArrow;
class THintWindow;
class TTimer;

// The grid's own cursors, drawn in code.
inline constexpr TCursor crHorzSplit = 3000;
inline constexpr TCursor crColumnNoDrag = 3001;
inline constexpr TCursor crVertSplit = 3003;
inline constexpr TCursor crIndicatorSelect = 3006;
// Puts the four cursors into the screen's cursor table.
void LoadGridCursors();

// Bits of the input state.
enum : unsigned {
    isColumnResizing = 1,
    isHeaderPressed = 2,
    isColumnMoving = 4,
    isCellEditing = 8,
    isInputEditing = 0x40,
    isInputSelected = 0x80,
    isRowMoving = 0x200,
};

// What a hint shows.
enum THintKind { hkNone = 0, hkFooter = 1, hkHeader = 2, hkTextFit = 3, hkCell = 4 };

class TDgCustomGrid : public TDgCustomGridControl {
public:
    explicit TDgCustomGrid(TComponent* owner);
    ~TDgCustomGrid() override;
    std::string ClassName() const override { return "TDgCustomGrid"; }

    // ---- Hit testing ---------------------------------------------------------------------------
    TGridArea GetGridArea(int x, int y) const;
    TDgCustomColumn* ColumnAtPos(int x) const;
    // (column index, row index) under a point, (-1, -1) when none.
    TPoint CellAtPos(int x, int y) const;
    TDgCustomColumn* ColumnEdgeAtPos(int x) const;
    int RowEdgeAtPos(int x, int y) const;

    // ---- Input state, as the tests and the looks read it ----------------------------------------
    unsigned InputState() const;
    TDgCustomColumn* PressedHeaderColumn() const override { return pressedColumn_; }
    TDgCustomColumn* HotHeaderColumn() const override { return hoverColumn_; }
    TDgCustomColumn* EdgeColumn() const { return edgeColumn_; }
    int ResizeDelta() const { return resizeDelta_; }
    TPoint HoverCell() const { return hoverCell_; }
    THintKind HintKind() const { return hintKind_; }
    THintWindow* HintWindow() const { return hintWindow_; }
    const std::string& SearchText() const { return searchText_; }
    TTimer& SearchTimer() { return *searchTimer_; }
    TColumnDragBox& ColumnDragBox() { return *dragBox_; }
    TDragArrow& DragArrowTop() { return *arrowTop_; }
    TDragArrow& DragArrowBottom() { return *arrowBottom_; }
    unsigned DialogCode() const override;

    // The column drag box's handlers (screen coordinates).
    void DragBoxMove(TObject* sender, int x, int y);
    void DragBoxDrop(TObject* sender, int x, int y);
    // Creates the hint window when needed.
    void EnsureHintWindow();
    void HideHint();

protected:
    void CreateWnd() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void Paint() override;
    void PassEditorKeyDown(unsigned short& key, TShiftState shift) override;
    void PassEditorKeyPress(char32_t& key) override;
    bool ExpandButtonHot(int aCol, int aRow) const override;
    // Hands a column's mouse element the cell (column, row, canvas, rectangle, callbacks).
    virtual bool PreparePlay(TDgCustomColumn* column, int aRow);
    // The application was deactivated: every drag and press is dropped.
    void ApplicationDeactivated();

private:
    void CellPress(TMouseButton button, TShiftState shift, int x, int y);
    void HeaderPress(TMouseButton button, TShiftState shift, int x, int y);
    void IndicatorPress(int x, int y);
    void DoubleClickPress(int x, int y);
    void FitColumnToRows(TDgCustomColumn* column);
    void StartColumnResize(TDgCustomColumn* column);
    void DrawResizeLines();
    void DrawRowResizeLine(int y);
    void HeaderMove(TShiftState shift, int x, int y);
    void FooterMove(int x, int y);
    void CellMove(TShiftState shift, int x, int y);
    void IndicatorMove(int x, int y);
    void LeaveHeader();
    void CellRelease(TMouseButton button, TShiftState shift, int x, int y);
    void SortByHeaderClick(int x);
    void EndRowMove(int y);
    int DropRowAt(int y) const;
    void DrawRowMoveIndicator(int row);
    int RowMoveMarkerY(int row) const;
    void PaintRowMoveMarker(TCanvas& canvas);
    int DropPosition(int screenX, TDgCustomColumn*& target) const;
    void PlaceArrows(int x, int y, bool hide);
    void ShowHintAt(THintKind kind, const std::string& text, TPoint clientPos, int maxWidth);
    bool TextFits(int aCol, int aRow);
    void IncrementalSearch(char32_t key);
    void PageUp();
    void PageDown();
    void StepBar(TDgScrollBar& bar, bool down, bool page);
    // One wheel notch, when the scroll base answered that the grid scrolls.
    bool WheelStep(bool handled, TShiftState shift, bool down);

    std::unique_ptr<TDragArrow> arrowTop_;
    std::unique_ptr<TDragArrow> arrowBottom_;
    std::unique_ptr<TColumnDragBox> dragBox_;
    TPoint mouseDownPoint_{-1, -1};
    TPoint downCell_{-1, -1};
    TPoint hoverCell_{-1, -1};
    TDgCustomColumn* downColumn_ = nullptr;
    TDgCustomColumn* pressedColumn_ = nullptr;
    TDgCustomColumn* hoverColumn_ = nullptr;
    TDgCustomColumn* resizeColumn_ = nullptr;
    TDgCustomColumn* edgeColumn_ = nullptr;
    int resizeDelta_ = 0;
    int resizeLineStart_ = 0;
    int resizeLineEnd_ = 0;
    int resizeRow_ = -1;
    int resizeRowPoint_ = 0;
    int moveRowSource_ = -1;
    int moveRowTarget_ = -1;
    int moveRowShown_ = -1;
    bool clickedSelected_ = false;
    bool deferredSelect_ = false;
    unsigned inputState_ = 0;
    THintKind hintKind_ = hkNone;
    TDgCustomColumn* hintFooterColumn_ = nullptr;
    TDgCustomColumn* hintHeaderColumn_ = nullptr;
    THintWindow* hintWindow_ = nullptr;
    std::string searchText_;
    std::unique_ptr<TTimer> searchTimer_;
};

}  // namespace tarvelon
