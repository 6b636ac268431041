#include "grid/dg_scroll_control.h"

#include <algorithm>
#include <cstdlib>

#include "grid/dg_cursors.h"
#include "platform/forms/input_state.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/graphics/system_metrics.h"

namespace tarvelon {

// ---- TDgCustomScrollControl

TDgCustomScrollControl::TDgCustomScrollControl(TComponent* owner) : TCustomControl(owner)
{
}

void TDgCustomScrollControl::ScrollContent(TDgCustomScrollBar* scrollBar, int dx, int dy)
{
    const TScrollBarKind kind = scrollBar->Kind();
    BeforeScroll(kind);
    if (dx != 0)
        ScrollWindow(dx, dy, nullptr, &HorzClipRect);
    else
        ScrollWindow(dx, dy, nullptr, &VertClipRect);
    AfterScroll(kind);
}

// ---- TDgScrollControl

namespace {

// The roll speed: the farther the mouse from where the middle button went down, the shorter the
// wait between two lines.
int RollInterval(int distance)
{
    return std::max(1, 100 - distance);
}

TDgScrollKind ScrollKindOfCode(TScrollCode code, TDgScrollKind previous)
{
    switch (code) {
    case SB_LINEUP:
    case SB_LINEDOWN: return skLine;
    case SB_PAGEUP:
    case SB_PAGEDOWN: return skPage;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return skThumb;
    case SB_TOP:
    case SB_BOTTOM: return skTopBottom;
    default: return previous;
    }
}

}  // namespace

TDgScrollControl::TDgScrollControl(TComponent* owner) : TDgCustomScrollControl(owner)
{
    eraseBackground_ = false;
    horzScrollBar_ = std::make_unique<TDgScrollBar>(this, nullptr);
    vertScrollBar_ = std::make_unique<TDgScrollBar>(this, nullptr);
    rollShadow_ = new TRollShadow(this);
    rollShadow_->SetParent(this);
    rollShadow_->SetVisible(false);
    rollTimer_ = new TTimer(this);
    rollTimer_->SetEnabled(false);
    rollTimer_->SetInterval(1);
    rollTimer_->OnTimer = [this](TObject*) { RollTimerTick(); };
    horzScrollBar_->SetKind(sbHorizontal);
    vertScrollBar_->SetKind(sbVertical);
    LoadRollCursors();
}

TDgScrollControl::~TDgScrollControl()
{
    if (rolling_)
        StopRolling();
}

void TDgScrollControl::CreateWnd()
{
    TDgCustomScrollControl::CreateWnd();
    horzScrollBar_->Update();
    vertScrollBar_->Update();
}

void TDgScrollControl::EnabledChanged()
{
    TDgCustomScrollControl::EnabledChanged();
    Invalidate();
    horzScrollBar_->Update();
    vertScrollBar_->Update();
}

void TDgScrollControl::ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos)
{
    TDgScrollBar& bar = kind == sbHorizontal ? *horzScrollBar_ : *vertScrollBar_;
    bar.SetLastScrollKind(ScrollKindOfCode(code, bar.LastScrollKind()));
    bool moves = true;
    int position = bar.Position();
    switch (code) {
    case SB_LINEUP: position -= bar.SmallChange(); break;
    case SB_LINEDOWN: position += bar.SmallChange(); break;
    case SB_PAGEUP: position -= bar.LargeChange(); break;
    case SB_PAGEDOWN: position += bar.LargeChange(); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = trackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = bar.Max(); break;
    default: moves = false; break;
    }
    if (moves) {
        if (position < 1)
            position = 0;
        // The last position at which a full page still shows, as the window's bar counts it.
        if (position > bar.Max() - bar.PageSize())
            position = bar.Max() - bar.PageSize() + 1;
        bar.MoveTo(position);
    }
    if (kind == sbHorizontal)
        DoHorzScroll(bar.Position());
    else
        DoVertScroll(bar.Position());
}

void TDgScrollControl::DoHorzScroll(int position)
{
    if (OnHorzScroll)
        OnHorzScroll(this, position);
}

void TDgScrollControl::DoVertScroll(int position)
{
    if (OnVertScroll)
        OnVertScroll(this, position);
}

bool TDgScrollControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    if (mouseWheelEnabled_)
        return true;
    return TDgCustomScrollControl::DoMouseWheelDown(shift, mousePos);
}

bool TDgScrollControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    if (mouseWheelEnabled_)
        return true;
    return TDgCustomScrollControl::DoMouseWheelUp(shift, mousePos);
}

void TDgScrollControl::FocusIfOnForm()
{
    if (ParentForm() && CanFocus())
        SetFocus();
}

void TDgScrollControl::SendTab()
{
    if (Parent())
        Parent()->PostKeyDown(VK_TAB);
}

void TDgScrollControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbMiddle && rollEnabled_)
        StartRolling(x, y);
    TDgCustomScrollControl::MouseDown(button, shift, x, y);
}

void TDgScrollControl::MouseMove(TShiftState shift, int x, int y)
{
    if (rolling_) {
        rollDirection_ = 0;
        const int dy = y - rollOrigin_.Y;
        TCursor cursor = crRoll;
        if (dy < -5) {
            cursor = crRollUp;
            rollDirection_ = rdUp;
        } else if (dy >= 6) {
            cursor = crRollDown;
            rollDirection_ = rdDown;
        }
        Screen->SetCursor(cursor);
        rollShadow_->SetCursor(cursor);
    }
    TDgCustomScrollControl::MouseMove(shift, x, y);
}

void TDgScrollControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (rolling_)
        StopRolling();
    TDgCustomScrollControl::MouseUp(button, shift, x, y);
}

void TDgScrollControl::StartRolling(int x, int y)
{
    rolling_ = true;
    rollDirection_ = 0;
    rollShadow_->SetCursor(crRoll);
    rollOrigin_ = Point(x, y);
    rollShadow_->SetPoint(ClientToScreen(rollOrigin_));
    rollShadow_->Show();
    rollTimer_->SetInterval(1);
    rollTimer_->SetEnabled(true);
    SetMouseCapture(true);
}

void TDgScrollControl::StopRolling()
{
    rollTimer_->SetEnabled(false);
    rolling_ = false;
    rollDirection_ = 0;
    rollShadow_->Hide();
    Screen->SetCursor(crDefault);
    SetMouseCapture(false);
}

void TDgScrollControl::RollTimerTick()
{
    const TPoint cursor = ScreenToClient(GetCursorPos());
    rollTimer_->SetInterval(RollInterval(std::abs(cursor.Y - rollOrigin_.Y)));
    if (rollDirection_ & rdUp)
        vertScrollBar_->LineUp();
    if (rollDirection_ & rdDown)
        vertScrollBar_->LineDown();
}

// ---- TDgControl

TDgControl::TDgControl(TComponent* owner) : TDgCustomScrollControl(owner)
{
    eraseBackground_ = false;
    repeatDelayTimer_ = std::make_unique<TTimer>(nullptr);
    repeatDelayTimer_->SetEnabled(false);
    repeatDelayTimer_->SetInterval(300);
    repeatDelayTimer_->OnTimer = [this](TObject*) {
        repeatDelayTimer_->SetEnabled(false);
        repeatTimer_->SetEnabled(true);
    };
    horzScrollBar_ = std::make_unique<TDgVertScrollBar>(this, &Canvas());
    repeatTimer_ = std::make_unique<TTimer>(nullptr);
    repeatTimer_->SetEnabled(false);
    repeatTimer_->SetInterval(50);
    repeatTimer_->OnTimer = [this](TObject*) { RepeatStep(); };
    vertScrollBar_ = std::make_unique<TDgVertScrollBar>(this, &Canvas());
    horzScrollBar_->SetKind(sbHorizontal);
    vertScrollBar_->SetKind(sbVertical);
}

TDgControl::~TDgControl() = default;

int TDgControl::InnerWidth() const
{
    int width = ClientWidth() - 4;
    if (vertScrollBar_->Visible())
        width -= GetSystemMetrics(SM_CXVSCROLL);
    return width;
}

int TDgControl::InnerHeight() const
{
    return ClientHeight() - 4;
}

TRect TDgControl::InnerRect() const
{
    return Rect(2, 2, 2 + InnerWidth(), 2 + InnerHeight());
}

TRect TDgControl::ScrollBarRect() const
{
    const TRect inner = InnerRect();
    return Rect(inner.Right, inner.Top, inner.Right + vertScrollBar_->GetButtonSize(), 2 + InnerHeight());
}

void TDgControl::Paint()
{
    TDgCustomScrollControl::Paint();
    PaintBorder();
    if (vertScrollBar_->Visible())
        vertScrollBar_->Paint();
}

void TDgControl::PaintBorder()
{
    TCanvas& canvas = Canvas();
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(clBlack);
    canvas.FrameRect(ClientRect());
    canvas.Brush.SetColor(Color());
    canvas.FrameRect(Rect(1, 1, ClientWidth() - 1, ClientHeight() - 1));
}

bool TDgControl::ThumbDragging() const
{
    return (vertScrollBar_->ThumbState() & dsPressed) != 0;
}

void TDgControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TDgVertScrollBar& bar = *vertScrollBar_;
    const TPoint point = Point(x, y);
    if (button == mbLeft && bar.Visible() && PtInRect(bar.GetBoundsRect(), point)) {
        const TRect thumb = bar.ThumbRect();
        if (PtInRect(bar.DownButtonRect(), point)) {
            bar.SetDownState(bar.DownState() | dsPressed);
            bar.MoveTo(bar.Position() + 1);
            InvalidateRect(bar.DownButtonRect());
            StartRepeat(raLineDown);
        } else if (PtInRect(bar.UpButtonRect(), point)) {
            bar.SetUpState(bar.UpState() | dsPressed);
            bar.MoveTo(bar.Position() - 1);
            InvalidateRect(bar.UpButtonRect());
            StartRepeat(raLineUp);
        } else if (y >= thumb.Bottom) {
            bar.PageDown();
            StartRepeat(raPageDown);
        } else if (y < thumb.Top) {
            bar.PageUp();
            StartRepeat(raPageUp);
        } else if (bar.Max() > 0) {
            bar.SetThumbState(bar.ThumbState() | dsPressed);
        }
    }
    TDgCustomScrollControl::MouseDown(button, shift, x, y);
}

void TDgControl::MouseMove(TShiftState shift, int x, int y)
{
    TDgVertScrollBar& bar = *vertScrollBar_;
    if (!PtInRect(bar.GetBoundsRect(), Point(x, y)) && !ThumbDragging())
        bar.ClearStates(dsHot);
    else
        bar.MouseMove(shift, x, y);
    TDgCustomScrollControl::MouseMove(shift, x, y);
}

void TDgControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    vertScrollBar_->ClearStates(dsPressed);
    StopRepeat();
    Invalidate();
    TDgCustomScrollControl::MouseUp(button, shift, x, y);
}

void TDgControl::MouseLeave()
{
    vertScrollBar_->ClearStates(dsHot);
    TDgCustomScrollControl::MouseLeave();
}

void TDgControl::StartRepeat(TDgRepeatAction action)
{
    repeatAction_ = action;
    repeatTimer_->SetEnabled(false);
    repeatDelayTimer_->SetEnabled(true);
}

void TDgControl::StopRepeat()
{
    repeatAction_ = raNone;
    repeatAction2_ = 0;
    repeatDelayTimer_->SetEnabled(false);
    repeatTimer_->SetEnabled(false);
}

void TDgControl::RepeatStep()
{
    TDgVertScrollBar& bar = *vertScrollBar_;
    switch (repeatAction_) {
    case raLineUp: bar.MoveTo(bar.Position() - 1); break;
    case raLineDown: bar.MoveTo(bar.Position() + 1); break;
    case raPageUp: bar.PageUp(); break;
    case raPageDown: bar.PageDown(); break;
    default: break;
    }
}

}  // namespace tarvelon
