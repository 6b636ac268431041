// The five header looks: default (classic 3D or themed), flat, old, Outlook and Vista.
#include "grid/dg_columns.h"
#include "grid/dg_custom_grid_control.h"
#include "grid/dg_shared_draw.h"
#include "grid/dg_style_display.h"
#include "grid/dg_themes_support.h"

namespace tarvelon {

// ---- Default ----------------------------------------------------------------------------------

void TDefaultStyleDisplay::DrawHeaderBackground(const TRect& rect, int state)
{
    if (Themed) {
        ThemeRect(Owner, C(), rect, "header", HP_HEADERITEM, HIS_NORMAL);
        return;
    }
    TRect r = rect;
    if (state == 0) {
        Fill(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), clBtnFace);
        RaisedFrame(r, clBtnHighlight, clBtnShadow);
        return;
    }
    Fill(Rect(r.Left + 1, r.Top, r.Right, r.Bottom), clBtnFace);
    Line(r.Left, r.Top, r.Left, r.Bottom, clBtnHighlight);
    Line(r.Left, r.Top + 1, r.Right, r.Top + 1, clBtnHighlight);
    Line(r.Left, r.Top, r.Right, r.Top, clBtnShadow);
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clBtnShadow);
    Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, clBtnShadow);
    Pixel(r.Left, r.Top, clBtnFace);
    Pixel(r.Right - 1, r.Bottom - 1, clBtnFace);
}

void TDefaultStyleDisplay::DrawIndicatorFill(const TRect& rect)
{
    if (Themed)
        ThemeRect(Owner, C(), rect, "header", HP_HEADERITEMLEFT, HIS_NORMAL);
    else
        TStyleDisplay::DrawIndicatorFill(rect);
}

void TDefaultStyleDisplay::DrawHeaderItem(TDgCustomColumn* column, const TRect& rect)
{
    if (Themed)
        DrawHeaderItemThemed(column, rect);
    else
        DrawHeaderItemClassic(column, rect);
}

void TDefaultStyleDisplay::DrawHeaderItemThemed(TDgCustomColumn* column, const TRect& rect)
{
    int state = HIS_NORMAL;
    if (IsPressed(column))
        state = HIS_PRESSED;
    else if (IsHot(column))
        state = HIS_HOT;
    ThemeRect(Owner, C(), rect, "header", HP_HEADERITEM, state);
}

void TDefaultStyleDisplay::DrawHeaderItemClassic(TDgCustomColumn* column, const TRect& r)
{
    TColor face = column->Header().Color();
    Fill(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), face);
    if (IsOnlyVisible(column)) {
        RaisedFrame(r, clBtnHighlight, clBtnShadow);
        return;
    }
    Line(r.Left, r.Top, r.Right, r.Top, clBtnHighlight);
    if (IsFirstVisible(column)) {
        Line(r.Left, r.Top + 1, r.Left, r.Bottom - 1, clBtnHighlight);
    } else {
        Line(r.Left, r.Top + 2, r.Left, r.Bottom - 2, clBtnHighlight);
        Pixel(r.Left, r.Top + 1, face);
        Pixel(r.Left, r.Bottom - 2, face);
    }
    Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, clBtnShadow);
    if (IsLastVisible(column)) {
        Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clBtnShadow);
    } else {
        Line(r.Right - 1, r.Top + 2, r.Right - 1, r.Bottom - 2, clBtnShadow);
        Pixel(r.Right - 1, r.Top + 1, face);
        Pixel(r.Right - 1, r.Bottom - 2, face);
    }
}

// ---- Flat -------------------------------------------------------------------------------------

void TFlatStyleDisplay::DrawHeaderItemClassic(TDgCustomColumn* column, const TRect& r)
{
    Fill(r, column->Header().Color());
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clGrayText);
    Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, clGrayText);
}

void TFlatStyleDisplay::DrawHeaderFill(const TRect& rect)
{
    Fill(rect, clBtnFace);
}

void TFlatStyleDisplay::DrawHeaderBackground(const TRect& r, int)
{
    Fill(r, clBtnFace);
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clGrayText);
    Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, clGrayText);
}

void TFlatStyleDisplay::DrawIndicatorCell(const TRect& r, int)
{
    Fill(r, clBtnFace);
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clGrayText);
    Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, clGrayText);
}

// ---- Old --------------------------------------------------------------------------------------

void TOldStyleDisplay::DrawHeaderItem(TDgCustomColumn*, const TRect& r)
{
    Fill(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), clBtnFace);
    RaisedFrame(r, clBtnHighlight, clWindowFrame);
}

void TOldStyleDisplay::DrawHeaderBackground(const TRect& r, int)
{
    DrawHeaderItem(nullptr, r);
}

void TOldStyleDisplay::DrawIndicatorCell(const TRect& r, int)
{
    DrawHeaderItem(nullptr, r);
}

// ---- Outlook ----------------------------------------------------------------------------------

void TOutlookStyleDisplay::BlendedBottom(const TRect& r, TColor into)
{
    const int weights[3] = {50, 100, 150};
    for (int i = 0; i < 3; ++i) {
        int y = r.Bottom - 3 + i;
        Line(r.Left, y, r.Right, y, DgSharedDraw::BlendColor(clBtnShadow, into, weights[i]));
    }
}

void TOutlookStyleDisplay::DrawHeaderItemClassic(TDgCustomColumn* column, const TRect& r)
{
    TColor face = column->Header().Color();
    Fill(Rect(r.Left, r.Top, r.Right, r.Bottom - 3), face);
    bool inner = !IsFirstVisible(column) && !IsLastVisible(column);
    int top = inner ? r.Top + 2 : r.Top;
    int bottom = inner ? r.Bottom - 4 : r.Bottom;
    Line(r.Left, top, r.Left, bottom, clBtnHighlight);
    Line(r.Right - 1, top, r.Right - 1, bottom, clBtnShadow);
    BlendedBottom(r, face);
}

void TOutlookStyleDisplay::DrawHeaderFill(const TRect& r)
{
    Fill(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), clBtnFace);
    RaisedFrame(r, clBtnHighlight, clBtnShadow);
}

void TOutlookStyleDisplay::DrawHeaderBackground(const TRect& r, int)
{
    Fill(Rect(r.Left, r.Top, r.Right, r.Bottom - 3), clBtnFace);
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom - 3, clBtnShadow);
    BlendedBottom(r, clBtnFace);
}

// ---- Vista ------------------------------------------------------------------------------------

void TVistaStyleDisplay::DrawHeaderItemClassic(TDgCustomColumn* column, const TRect& r)
{
    TRect inner = Rect(r.Left + 1, r.Top, r.Right - 1, r.Bottom);
    if (column->Sorted()) {
        DgSharedDraw::DrawGradientV(C(), Rect(inner.Left, inner.Top, inner.Right, inner.Top + 6),
                                    RGB(175, 220, 240), clWhite);
        Fill(Rect(inner.Left, inner.Top + 6, inner.Right, inner.Bottom), clWhite);
        int x = (r.Left + r.Right) / 2 - 3;
        int y = r.Top;
        C().Pen.SetColor(clWhite);
        C().Brush.SetStyle(bsSolid);
        C().Brush.SetColor(clWhite);
        if (column->SortKind() == skAscending)
            C().Polygon({Point(x, y + 3), Point(x + 3, y), Point(x + 6, y + 3)});
        else
            C().Polygon({Point(x, y), Point(x + 3, y + 3), Point(x + 6, y)});
    } else {
        Fill(inner, RGB(240, 240, 240));
    }
    Line(r.Left, r.Top, r.Left, r.Bottom, clWhite);
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clBtnFace);
}

void TVistaStyleDisplay::DrawIndicatorCell(const TRect& r, int)
{
    Fill(Rect(r.Left + 1, r.Top, r.Right - 1, r.Bottom), RGB(240, 240, 240));
    Line(r.Left, r.Top, r.Left, r.Bottom, clWhite);
    Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom, clBtnFace);
}

}  // namespace tarvelon
