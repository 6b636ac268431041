#include "grid/dg_scroll_bar.h"

#include <algorithm>

#include "core/basics/rounding.h"
#include "grid/dg_scroll_control.h"
#include "grid/dg_themes_support.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/system_metrics.h"

namespace tarvelon {

// ---- TDgCustomScrollBar

TDgCustomScrollBar::TDgCustomScrollBar(TDgCustomScrollControl* control, TCanvas* canvas)
    : canvas_(canvas), control_(control)
{
}

void TDgCustomScrollBar::SetAutoHide(bool value)
{
    autoHide_ = value;
    SetVisible(!(max_ == 0 && value));
    Update();
}

void TDgCustomScrollBar::SetEnabled(bool value)
{
    enabled_ = value;
    Update();
}

void TDgCustomScrollBar::SetKind(TScrollBarKind kind)
{
    kind_ = kind;
    bar_ = kind == sbHorizontal ? 0 : 1;
}

void TDgCustomScrollBar::SetMax(int value)
{
    if (value == max_)
        return;
    max_ = std::max(0, value);
    SetVisible(max_ > pageSize_ || !autoHide_);
    Update();
    if (max_ < position_)
        MoveTo(max_);
}

void TDgCustomScrollBar::SetPageSize(int value)
{
    if (value == pageSize_)
        return;
    pageSize_ = std::max(1, value);
    Update();
}

void TDgCustomScrollBar::SetVisible(bool value)
{
    visible_ = value;
}

void TDgCustomScrollBar::MoveTo(int p)
{
    prevPosition_ = position_;
    int q = std::min(p, max_);
    if (p < min_)
        q = min_;
    position_ = std::max(0, q);
    Update();
    if (updateCount_ > 0)
        return;
    if (kind_ == sbHorizontal) {
        const int delta = control_->GetHorzScrollDelta(prevPosition_, position_);
        control_->ScrollContent(this, delta, 0);
    } else {
        const int delta = control_->GetVertScrollDelta(prevPosition_, position_);
        control_->ScrollContent(this, 0, delta);
    }
}

void TDgCustomScrollBar::SendScroll(TScrollCode code)
{
    if (max_ >= 1)
        control_->PerformScroll(kind_, code);
}

void TDgCustomScrollBar::LineUp()
{
    SendScroll(SB_LINEUP);
}

void TDgCustomScrollBar::LineDown()
{
    SendScroll(SB_LINEDOWN);
}

void TDgCustomScrollBar::PageUp()
{
    SendScroll(SB_PAGEUP);
}

void TDgCustomScrollBar::PageDown()
{
    SendScroll(SB_PAGEDOWN);
}

// ---- TDgScrollBar

void TDgScrollBar::SetVisible(bool value)
{
    TDgCustomScrollBar::SetVisible(value);
    Control()->ShowScrollBar(Kind(), value);
}

void TDgScrollBar::Update()
{
    if (updating_ || !Control()->HandleAllocated())
        return;
    updating_ = true;
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!AutoHide())
        info.fMask |= SIF_DISABLENOSCROLL;
    info.nMin = Min();
    info.nMax = Max();
    info.nPage = static_cast<unsigned>(std::max(0, PageSize()));
    info.nPos = Position();
    info.nTrackPos = 0;
    if (Max() > 0)
        Control()->EnableScrollBar(Kind(), Control()->Enabled() && Enabled());
    Control()->SetScrollInfo(Kind(), info, true);
    updating_ = false;
}

// ---- TDgVertScrollBar

TDgVertScrollBar::TDgVertScrollBar(TDgCustomScrollControl* control, TCanvas* canvas)
    : TDgCustomScrollBar(control, canvas)
{
    SetPageSize(8);
}

void TDgVertScrollBar::Update()
{
    Control()->Invalidate();
}

int TDgVertScrollBar::GetButtonSize() const
{
    return GetSystemMetrics(SM_CXVSCROLL);
}

void TDgVertScrollBar::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

TRect TDgVertScrollBar::UpButtonRect() const
{
    return Rect(left_, top_, left_ + width_, top_ + GetButtonSize());
}

TRect TDgVertScrollBar::DownButtonRect() const
{
    const int bottom = top_ + height_;
    return Rect(left_, bottom - GetButtonSize(), left_ + width_, bottom);
}

TRect TDgVertScrollBar::ThumbRect() const
{
    if (Max() < 1)
        return Rect(left_, top_ + GetButtonSize(), left_, top_ + GetButtonSize());
    const double step = static_cast<double>(TrackLength() - PageSize()) / Max();
    const int top = static_cast<int>(Round(Position() * step)) + GetButtonSize() + top_;
    return Rect(left_, top, left_ + width_, top + PageSize());
}

int TDgVertScrollBar::PositionAt(int y) const
{
    if (Max() < 1)
        return 0;
    return static_cast<int>(Round((y - (GetButtonSize() + top_)) / (static_cast<double>(TrackLength()) / Max())));
}

void TDgVertScrollBar::SetPartState(unsigned& field, unsigned state, const TRect& part)
{
    if (field == state)
        return;
    field = state;
    Control()->InvalidateRect(part);
}

void TDgVertScrollBar::SetUpState(unsigned state)
{
    SetPartState(upState_, state, UpButtonRect());
}

void TDgVertScrollBar::SetDownState(unsigned state)
{
    SetPartState(downState_, state, DownButtonRect());
}

void TDgVertScrollBar::SetThumbState(unsigned state)
{
    SetPartState(thumbState_, state, ThumbRect());
}

void TDgVertScrollBar::ClearStates(unsigned states)
{
    SetUpState(upState_ & ~states);
    SetDownState(downState_ & ~states);
    SetThumbState(thumbState_ & ~states);
}

void TDgVertScrollBar::MouseMove(TShiftState shift, int x, int y)
{
    const TPoint point = Point(x, y);
    const auto hot = [&](unsigned state, const TRect& part) {
        return PtInRect(part, point) ? (state | dsHot) : (state & ~dsHot);
    };
    SetUpState(hot(upState_, UpButtonRect()));
    SetDownState(hot(downState_, DownButtonRect()));
    SetThumbState(hot(thumbState_, ThumbRect()));
    if (thumbState_ & dsPressed)
        MoveTo(PositionAt(y));
}

void TDgVertScrollBar::Paint()
{
    const int button = GetButtonSize();
    const int trackTop = top_ + button;
    const int trackBottom = top_ + height_ - button;
    if (Max() < 1) {
        PaintTrack(GetBoundsRect(), false);
        return;
    }
    const TRect thumb = ThumbRect();
    PaintTrack(Rect(left_, trackTop, left_ + width_, thumb.Top), false);
    PaintThumb();
    PaintTrack(Rect(left_, thumb.Bottom, left_ + width_, trackBottom), false);
    PaintButton(UpButtonRect(), true);
    PaintButton(DownButtonRect(), false);
}

void TDgVertScrollBar::PaintTrack(const TRect& rect, bool pressed)
{
    TCanvas& canvas = *Canvas();
    if (rect.Bottom <= rect.Top)
        return;
    if (IsThemed()) {
        ThemeRect(Control(), canvas, rect, "scrollbar", SBP_LOWERTRACKVERT, SCRBS_NORMAL);
        return;
    }
    if (pressed) {
        canvas.Brush.SetColor(cl3DDkShadow);
        canvas.Brush.SetStyle(bsSolid);
    } else {
        canvas.Brush.SetPattern(HalftonePattern(clBtnHighlight, clScrollBar));
    }
    canvas.FillRect(rect);
    canvas.Brush.SetPattern(QImage());
    canvas.Brush.SetStyle(bsSolid);
}

namespace {

int ThemedState(unsigned state)
{
    return (state & dsPressed) ? 3 : (state & dsHot) ? 2 : 1;
}

}  // namespace

void TDgVertScrollBar::PaintButton(const TRect& rect, bool up)
{
    TCanvas& canvas = *Canvas();
    const unsigned state = up ? upState_ : downState_;
    if (IsThemed()) {
        ThemeRect(Control(), canvas, rect, "scrollbar", SBP_ARROWBTN, ThemedState(state) + (up ? 0 : 4));
        return;
    }
    unsigned flags = (up ? DFCS_SCROLLUP : DFCS_SCROLLDOWN) | DFCS_ADJUSTRECT;
    if (state & dsPressed)
        flags |= DFCS_FLAT;
    if (!Enabled())
        flags |= DFCS_INACTIVE;
    TRect box = rect;
    DrawFrameControl(canvas, box, DFC_SCROLL, flags);
}

void TDgVertScrollBar::PaintThumb()
{
    TCanvas& canvas = *Canvas();
    TRect thumb = ThumbRect();
    if (IsThemed()) {
        ThemeRect(Control(), canvas, thumb, "scrollbar", SBP_THUMBBTNVERT, ThemedState(thumbState_));
        if (thumb.Height() > 16)
            ThemeRect(Control(), canvas, thumb, "scrollbar", SBP_GRIPPERVERT, 2);
        return;
    }
    DrawEdge(canvas, thumb, EDGE_RAISED, BF_RECT | BF_ADJUST);
    canvas.Brush.SetColor(clBtnFace);
    canvas.Brush.SetStyle(bsSolid);
    canvas.FillRect(thumb);
}

}  // namespace tarvelon
