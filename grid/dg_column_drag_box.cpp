// The column drag box and its drop arrows.
#include "grid/dg_column_drag_box.h"

#include "grid/dg_custom_grid_control.h"
#include "grid/dg_style_display.h"
#include "platform/graphics/region.h"

namespace tarvelon {

// ---- Drag box ---------------------------------------------------------------------------------

TColumnDragBox::TColumnDragBox(TDgCustomGridControl* grid)
    : TDgFlyoutControl(grid), grid_(grid), display_(std::make_unique<TDefaultStyleDisplay>(grid))
{
    display_->Canvas = &Canvas();
    SetVisible(false);
}

TColumnDragBox::~TColumnDragBox() = default;

void TColumnDragBox::ShowForColumn(int x, int y, bool hidden, TDgCustomColumn* column)
{
    display_->ShowSortArrow = false;
    Canvas().Font.Assign(grid_->Font());
    if (!hidden)
        Show();
    column_ = column;
    // The box takes the mouse as though it had been pressed on it: it hears every move and the
    // release that follow.
    HandleMouseDown(mbLeft, ssLeft, x, y, false);
}

void TColumnDragBox::MouseMove(TShiftState shift, int x, int y)
{
    TDgFlyoutControl::MouseMove(shift, x, y);
    TPoint screen = ClientToScreen(Point(x, y));
    if (OnMove)
        OnMove(this, screen.X, screen.Y);
    SetBounds(screen.X - ClientWidth() / 2, screen.Y - ClientHeight() + 4, Width(), Height());
}

void TColumnDragBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TDgFlyoutControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    TPoint screen = ClientToScreen(Point(x, y));
    Hide();
    if (OnDrop)
        OnDrop(this, screen.X, screen.Y);
}

void TColumnDragBox::Paint()
{
    TDgFlyoutControl::Paint();
    if (column_ == nullptr)
        return;
    display_->Canvas = &Canvas();
    display_->Themed = grid_->StylesInUse();
    TRect client = ClientRect();
    display_->DrawHeader(column_, client);
    Canvas().Pen.SetColor(clBlack);
    Canvas().MoveTo(0, client.Bottom - 1);
    Canvas().LineTo(client.Right - 1, client.Bottom - 1);
    Canvas().LineTo(client.Right - 1, -1);
}

// ---- Arrows -----------------------------------------------------------------------------------

TDragArrow::TDragArrow(TComponent* owner) : TDgFlyoutControl(owner)
{
    SetBounds(0, 0, 9, 9);
    SetVisible(false);
}

TRegion TDragArrow::ShapeRegion(int kind)
{
    if (kind == 1)
        return TRegion::FromPolygon({Point(-1, 5), Point(4, -1), Point(9, 5), Point(6, 5), Point(6, 9), Point(3, 9),
                                     Point(3, 4), Point(0, 5)},
                                    WINDING);
    if (kind == 2)
        return TRegion::FromPolygon({Point(5, 0), Point(3, 0), Point(3, 4), Point(0, 4), Point(4, 9), Point(9, 4),
                                     Point(6, 4), Point(6, 0)},
                                    WINDING);
    return TRegion();
}

void TDragArrow::SetKind(int kind)
{
    kind_ = kind;
    ApplyShape();
}

void TDragArrow::ApplyShape()
{
    if (!HandleAllocated())
        return;
    if (kind_ == 0) {
        SetWindowRgn(nullptr);
        return;
    }
    TRegion region = ShapeRegion(kind_);
    SetWindowRgn(&region);
}

void TDragArrow::CreateWnd()
{
    TDgFlyoutControl::CreateWnd();
    ApplyShape();
}

void TDragArrow::Paint()
{
    Canvas().Brush.SetStyle(bsSolid);
    Canvas().Brush.SetColor(RGB(255, 0, 0));
    Canvas().FillRect(ClientRect());
}

}  // namespace tarvelon
