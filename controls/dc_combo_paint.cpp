// How the combo draws itself: the plain (native) look, and the flat look painted over it with
// its own drop-down button and borders.
#include "controls/dc_combo.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/system_metrics.h"
#include "platform/graphics/text_draw.h"
#include "platform/graphics/themes.h"

namespace tarvelon {
namespace {

constexpr TColor kDisabledFrame = 0xB99D7F;

void Frame(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(color);
    canvas.FrameRect(rect);
}

}  // namespace

bool TDcCustomCombo::OwnPaint() const
{
    return flat_ || (focusBorderColor_ != clNone && Focused()) || (!Enabled() && IsThemed() && !disabledBorder_);
}

void TDcCustomCombo::Paint()
{
    if (OwnPaint())
        PaintOwn();
    else
        PaintNative();
}

void TDcCustomCombo::DrawNativeButton(const TRect& rect)
{
    TRect button = rect;
    if (IsThemed()) {
        const int state = !Enabled() ? CBXS_DISABLED : DroppedDown() ? CBXS_PRESSED : hotButton_ ? CBXS_HOT : CBXS_NORMAL;
        DrawThemeBackground(Canvas(), "combobox", CP_DROPDOWNBUTTON, state, button);
        return;
    }
    unsigned state = DFCS_SCROLLCOMBOBOX;
    if (DroppedDown())
        state |= DFCS_PUSHED | DFCS_FLAT;
    if (!Enabled())
        state |= DFCS_INACTIVE;
    DrawFrameControl(Canvas(), button, DFC_SCROLL, state);
}

// The standard combo box's look: a sunken (or, without 3D, single) frame, the field and the button.
void TDcCustomCombo::PaintNative()
{
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    if (Ctl3D()) {
        DrawEdge(canvas, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    } else {
        Frame(canvas, r, clWindowFrame);
        InflateRect(r, -1, -1);
    }
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(Enabled() ? Color() : clBtnFace);
    canvas.FillRect(r);
    TRect field = r;
    if (style_ != csSimple) {
        const TRect button = Rect(r.Right - GetSystemMetrics(SM_CXVSCROLL), r.Top, r.Right, r.Bottom);
        DrawNativeButton(button);
        field.Right = button.Left;
    }
    InflateRect(field, -1, -1);
    PaintField(field);
}

void TDcCustomCombo::PaintField(const TRect& field)
{
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    const bool selected = Focused() && !DroppedDown() && style_ == csDropDownList;
    if (selected) {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(clHighlight);
        canvas.FillRect(field);
        canvas.Font.SetColor(clHighlightText);
    } else if (!Enabled()) {
        canvas.Font.SetColor(clGrayText);
    }
    canvas.Brush.SetStyle(bsClear);
    TRect text = field;
    text.Left += 2;
    DrawText(canvas, Text(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selected) {
        canvas.Brush.SetStyle(bsSolid);
        canvas.DrawFocusRect(field);
    }
}

void TDcCustomCombo::DrawDropButton()
{
    TRect button = Rect(ClientWidth() - buttonWidth_ + 2, 0, Width(), Height());
    InflateRect(button, -1, -1);
    if (!IsThemed()) {
        DrawFrameControl(Canvas(), button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
        return;
    }
    int state = CBXS_NORMAL;
    if (!Enabled())
        state = CBXS_DISABLED;
    else if (mouseDown_ && DroppedDown())
        state = CBXS_PRESSED;
    else if (!mouseDown_ && hotButton_ && !DroppedDown())
        state = CBXS_HOT;
    DrawThemeBackground(Canvas(), "combobox", CP_DROPDOWNBUTTON, state, button);
}

// The flat look: the face in the control's colour, its own button, the field, then the borders.
void TDcCustomCombo::PaintOwn()
{
    TCanvas& canvas = Canvas();
    {
        TClipKeeper keep(canvas);
        if (style_ != csSimple) {
            canvas.Brush.SetStyle(bsSolid);
            canvas.Brush.SetColor(Color());
            canvas.FillRect(ClientRect());
            DrawDropButton();
            canvas.ExcludeClipRect(Rect(ClientWidth() - buttonWidth_ - 4, 0, ClientWidth() + 2, Height()));
        }
        PaintNative();
    }
    DrawBorders();
}

bool TDcCustomCombo::BorderHot() const
{
    return (mouseInside_ || Focused()) && focusBorder_;
}

void TDcCustomCombo::DrawBorders()
{
    if (Enabled() && !flat_ && focusBorderColor_ == clNone)
        return;
    TCanvas& canvas = Canvas();
    TClipKeeper keep(canvas);
    TRect r = Rect(0, 0, Width(), Height());
    if (!Enabled() && !disabledBorder_) {
        Frame(canvas, r, kDisabledFrame);
        return;
    }
    if (focusBorderColor_ == clNone) {
        const bool hot = BorderHot();
        const TColor outer = hot ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
        const TColor inner = Color();
        if (hot) {
            DrawEdge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
            Frame(canvas, r, outer);
            InflateRect(r, -1, -1);
            Frame(canvas, r, inner);
        } else {
            Frame(canvas, r, outer);
            InflateRect(r, -1, -1);
            r.Right -= buttonWidth_;
            Frame(canvas, r, outer);
            InflateRect(r, -1, -1);
            Frame(canvas, r, inner);
            r.Right += buttonWidth_;
        }
        if (flat_ && flatLineColor_ != clNone) {
            canvas.Pen.SetStyle(psSolid);
            canvas.Pen.SetColor(flatLineColor_);
            canvas.MoveTo(0, Height() - 1);
            canvas.LineTo(Width() - buttonWidth_ - 3, Height() - 1);
        }
    } else if (Focused()) {
        Frame(canvas, r, focusBorderColor_);
    }
    // On a themed desktop the themed button needs no edge of its own.
    if (style_ == csSimple || IsThemed())
        return;
    canvas.ExcludeClipRect(Rect(ClientWidth() - buttonWidth_ + 4, 4, ClientWidth() - 4, ClientHeight() - 4));
    TRect button = Rect(ClientWidth() - buttonWidth_ - 2, 0, Width(), Height());
    InflateRect(button, -2, -2);
    if (mouseInside_ || Focused()) {
        DrawEdge(canvas, button, etched_ ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (DroppedDown() ? BF_FLAT : 0u));
    } else {
        TRect face = button;
        InflateRect(face, 0, -1);
        face.Right -= 1;
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(clBtnFace);
        canvas.FillRect(face);
    }
}

}  // namespace tarvelon
