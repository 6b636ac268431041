#include "grid/dg_flyout_control.h"

namespace tarvelon {

TDgFlyoutControl::TDgFlyoutControl(TComponent* owner) : TCustomControl(owner)
{
    eraseBackground_ = false;
    SetVisible(false);
}

void TDgFlyoutControl::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.popup = true;
    params.topMost = true;
    params.noActivate = true;
}

TRollShadow::TRollShadow(TComponent* owner) : TDgFlyoutControl(owner)
{
    SetBounds(0, 0, 32, 32);
    ApplyShape();
}

TRegion TRollShadow::ShapeRegion()
{
    const TRegion up = TRegion::FromPolygon({Point(-1, 7), Point(7, -1), Point(8, 0), Point(14, 7), Point(0, 6)}, WINDING);
    const TRegion down =
        TRegion::FromPolygon({Point(-1, 15), Point(14, 15), Point(6, 22), Point(6, 22), Point(-1, 14)}, WINDING);
    TRegion shape;
    shape.Combine(up, down, RGN_OR);
    shape.Combine(shape, TRegion::FromEllipse(Rect(5, 9, 10, 14)), RGN_OR);
    return shape;
}

void TRollShadow::ApplyShape()
{
    const TRegion shape = ShapeRegion();
    SetWindowRgn(&shape);
}

void TRollShadow::SetPoint(TPoint point)
{
    ApplyShape();
    point_ = point;
    SetBounds(point.X - 7, point.Y - 11, 32, 32);
}

void TRollShadow::Paint()
{
    Canvas().Brush.SetColor(clGrayText);
    Canvas().Brush.SetStyle(bsSolid);
    Canvas().FillRect(ClientRect());
}

}  // namespace tarvelon
