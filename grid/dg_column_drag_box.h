#pragma once
// While a column header is dragged to a new place the grid shows the dragged header in a small
// window that follows the mouse, and two red arrows above and below the header where it would land.
#include <functional>
#include <memory>

#include "grid/dg_flyout_control.h"

namespace tarvelon {

class TDgCustomGridControl;
class TDgCustomColumn;
class TDefaultStyleDisplay;

using TDragBoxEvent = std::function<void(TObject* sender, int x, int y)>;

class TColumnDragBox : public TDgFlyoutControl {
public:
    explicit TColumnDragBox(TDgCustomGridControl* grid);
    ~TColumnDragBox() override;
    std::string ClassName() const override { return "TColumnDragBox"; }

    // Shows the box for the column (unless hidden) and takes the mouse as if pressed.
    void ShowForColumn(int x, int y, bool hidden, TDgCustomColumn* column);
    TDgCustomGridControl* Grid() const { return grid_; }
    TDgCustomColumn* Column() const { return column_; }
    TDefaultStyleDisplay& Display() { return *display_; }

    TDragBoxEvent OnDrop;
    TDragBoxEvent OnMove;

protected:
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;

private:
    TDgCustomGridControl* grid_;
    TDgCustomColumn* column_ = nullptr;
    std::unique_ptr<TDefaultStyleDisplay> display_;
};

// A 9 x 9 red arrow: kind 0 none, 1 pointing up, 2 pointing down.
class TDragArrow : public TDgFlyoutControl {
public:
    explicit TDragArrow(TComponent* owner);
    std::string ClassName() const override { return "TDragArrow"; }

    int Kind() const { return kind_; }
    void SetKind(int kind);
    // The arrow's outline for a kind, in its own coordinates.
    static TRegion ShapeRegion(int kind);

protected:
    void CreateWnd() override;
    void Paint() override;

private:
    void ApplyShape();
    int kind_ = 0;
};

}  // namespace tarvelon
