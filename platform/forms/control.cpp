#include "platform/forms/control.h"

#include <algorithm>
#include <cstdlib>

#include "platform/forms/drag_drop.h"
#include "platform/forms/form.h"
#include "platform/forms/input_state.h"
#include "platform/forms/win_control.h"

namespace tarvelon {
namespace {

constexpr int kWheelDelta = 120;


}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>())
{
    font_->OnChange = [this] { FontPropertyChanged(); };
}

TControl::~TControl()
{
    SetDestroying();
    ForgetControl(this);
    if (parent_)
        parent_->RemoveControl(this);
    font_->OnChange = nullptr;
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent_ == parent)
        return;
    if (parent == this)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
    ParentFontChanged();
    ParentColorChanged();
}

TForm* TControl::ParentForm() const
{
    const TControl* control = this;
    while (control) {
        if (auto* form = dynamic_cast<TForm*>(const_cast<TControl*>(control)))
            return form;
        control = control->parent_;
    }
    return nullptr;
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TControl::ConstrainSize(int& width, int& height) const
{
    if (constraints_.MaxWidth > 0)
        width = std::min(width, constraints_.MaxWidth);
    if (constraints_.MaxHeight > 0)
        height = std::min(height, constraints_.MaxHeight);
    if (constraints_.MinWidth > 0)
        width = std::max(width, constraints_.MinWidth);
    if (constraints_.MinHeight > 0)
        height = std::max(height, constraints_.MinHeight);
}

void TControl::SetConstraints(const TSizeConstraints& constraints)
{
    constraints_ = constraints;
    SetBounds(left_, top_, width_, height_);
}

void TControl::SetAction(TBasicAction* action) { ReplaceNotified(action_, action); }

void TControl::SetBounds(int left, int top, int width, int height)
{
    ConstrainSize(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const TRect old = BoundsRect();
    const bool resized = width != width_ || height != height_;
    StoreBounds(left, top, width, height);
    if (parent_ && visible_) {
        parent_->InvalidateRect(old);
        parent_->InvalidateRect(BoundsRect());
    }
    if (parent_ && align_ != alNone)
        parent_->Realign();
    if (resized)
        Resize();
}

void TControl::StoreBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
}

void TControl::SetClientSize(int width, int height)
{
    SetBounds(left_, top_, width + (width_ - ClientWidth()), height + (height_ - ClientHeight()));
}

TPoint TControl::ClientOrigin() const
{
    if (!parent_)
        return Point(left_, top_);
    const TPoint origin = parent_->ClientOrigin();
    return Point(origin.X + left_, origin.Y + top_);
}

TPoint TControl::ClientToScreen(TPoint point) const
{
    const TPoint origin = ClientOrigin();
    return Point(point.X + origin.X, point.Y + origin.Y);
}

TPoint TControl::ScreenToClient(TPoint point) const
{
    const TPoint origin = ClientOrigin();
    return Point(point.X - origin.X, point.Y - origin.Y);
}

void TControl::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    VisibleChanged();
}

bool TControl::Showing() const
{
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::SetAlign(TAlign align)
{
    if (align_ == align)
        return;
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void TControl::SetFont(const TFont& font)
{
    font_->Assign(font);
}

void TControl::SetParentFont(bool parentFont)
{
    if (parentFont_ == parentFont)
        return;
    parentFont_ = parentFont;
    if (parentFont_)
        ApplyParentFont();
}

void TControl::SetColor(TColor color)
{
    parentColor_ = false;
    if (color_ == color)
        return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor)
{
    if (parentColor_ == parentColor)
        return;
    parentColor_ = parentColor;
    if (parentColor_)
        ApplyParentColor();
}

void TControl::SetText(const std::string& text)
{
    if (text_ == text)
        return;
    text_ = text;
    TextChanged();
}

bool TControl::ShowHint() const
{
    if (parentShowHint_ && parent_)
        return parent_->ShowHint();
    return showHint_;
}

void TControl::SetShowHint(bool showHint)
{
    showHint_ = showHint;
    parentShowHint_ = false;
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor_ == cursor)
        return;
    cursor_ = cursor;
    if (auto* window = dynamic_cast<TWinControl*>(this))
        window->ApplyCursor(cursor);
}

void TControl::Invalidate()
{
    if (parent_ && visible_)
        parent_->InvalidateRect(BoundsRect());
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (parent_) {
        parent_->MoveControlInZOrder(this, true);
        return;
    }
    // A window of its own comes over the other windows.
    auto* window = dynamic_cast<TWinControl*>(this);
    if (window && window->HandleAllocated())
        window->Widget()->raise();
}

void TControl::SendToBack()
{
    if (parent_)
        parent_->MoveControlInZOrder(this, false);
}

bool TControl::MouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool capture)
{
    if (capture)
        SetCaptureControl(this);
    else if (MouseCapture())
        SetCaptureControl(nullptr);
}

void TControl::BeginDrag(bool immediate, int threshold)
{
    DragManager().Begin(this, immediate, threshold);
}

void TControl::EndDrag(bool drop)
{
    if (Dragging())
        DragManager().Finish(drop);
}

bool TControl::Dragging() const
{
    return DragManager().Source() == this;
}

void TControl::HandleMouseDown(TMouseButton button, TShiftState shift, int x, int y, bool doubleClick)
{
    doubleClick = doubleClick && doubleClicks_;
    if (button == mbLeft && captureMouse_)
        SetMouseCapture(true);
    if (doubleClick) {
        if (button == mbLeft && clickEvents_)
            DblClick();
        MouseDown(button, shift | ssDouble, x, y);
        return;
    }
    if (button == mbLeft && clickEvents_)
        clicked_ = true;
    if (button == mbLeft && dragMode_ == dmAutomatic) {
        BeginDrag(false);
        return;
    }
    MouseDown(button, shift, x, y);
}

void TControl::HandleDoubleClickAfterPress(TMouseButton button)
{
    if (button != mbLeft || !clickEvents_ || !doubleClicks_)
        return;  // a push button's second press stands: its release clicks
    clicked_ = false;
    DblClick();
}

void TControl::HandleCancelMode()
{
    clicked_ = false;
    SetMouseCapture(false);
}

void TControl::HandleMouseMove(TShiftState shift, int x, int y)
{
    MouseMove(shift, x, y);
}

void TControl::HandleMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && captureMouse_)
        SetMouseCapture(false);
    if (button == mbLeft && clicked_) {
        clicked_ = false;
        if (PtInRect(ClientRect(), Point(x, y)))
            Click();
    }
    MouseUp(button, shift, x, y);
    if (button == mbRight) {
        bool handled = false;
        DoContextPopup(Point(x, y), handled);
    }
}

void TControl::SetPopupMenu(TComponent* menu) { ReplaceNotified(popupMenu_, menu); }

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_)
        popupMenu_ = nullptr;
    if (operation == opRemove && component == action_)
        action_ = nullptr;
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled)
{
    if (OnContextPopup)
        OnContextPopup(this, mousePos, handled);
    if (handled)
        return;
    for (TControl* control = this; control; control = control->parent_) {
        if (control->popupMenu_) {
            handled = true;
            if (ShowPopupMenu)
                ShowPopupMenu(control->popupMenu_, this, ClientToScreen(mousePos));
            return;
        }
    }
}

bool TControl::HandleMouseWheel(TShiftState shift, int wheelDelta, TPoint screenPos)
{
    for (TControl* control = this; control; control = control->parent_) {
        if (control->Enabled() && control->DoMouseWheel(shift, wheelDelta, screenPos))
            return true;
    }
    return false;
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
    else if (action_)
        action_->Execute();
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    if (handled)
        return true;
    // One Down or Up per whole notch; parts of a notch wait for the rest.
    wheelAccumulator_ += wheelDelta;
    while (std::abs(wheelAccumulator_) >= kWheelDelta && !handled) {
        const bool down = wheelAccumulator_ < 0;
        wheelAccumulator_ += down ? kWheelDelta : -kWheelDelta;
        handled = down ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
    }
    if (handled)
        wheelAccumulator_ = 0;
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}

bool TControl::HintShow(THintInfo& info)
{
    return true;
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept)
{
    accept = static_cast<bool>(OnDragOver);
    if (OnDragOver)
        OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y)
{
    if (OnDragDrop)
        OnDragDrop(this, source, x, y);
}

void TControl::DoStartDrag(TObject*& dragObject)
{
    if (OnStartDrag)
        OnStartDrag(this, dragObject);
}

void TControl::DoEndDrag(TObject* target, int x, int y)
{
    if (OnEndDrag)
        OnEndDrag(this, target, x, y);
}

void TControl::FontChanged()
{
    Invalidate();
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::EnabledChanged()
{
    Invalidate();
}

void TControl::TextChanged()
{
    Invalidate();
}

void TControl::VisibleChanged()
{
    if (parent_) {
        parent_->InvalidateRect(BoundsRect());
        if (align_ != alNone)
            parent_->Realign();
    }
}

void TControl::ParentFontChanged()
{
    if (parentFont_)
        ApplyParentFont();
}

void TControl::ParentColorChanged()
{
    if (parentColor_)
        ApplyParentColor();
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::ChangeScale(int m, int d)
{
    if (m == d || d == 0)
        return;
    SetBounds(MulDiv(left_, m, d), MulDiv(top_, m, d), MulDiv(left_ + width_, m, d) - MulDiv(left_, m, d),
              MulDiv(top_ + height_, m, d) - MulDiv(top_, m, d));
    if (!parentFont_) {
        font_->SetHeight(MulDiv(font_->Height(), m, d));
        parentFont_ = false;
    }
}

void TControl::FontPropertyChanged()
{
    if (!applyingParentFont_)
        parentFont_ = false;
    FontChanged();
}

void TControl::ApplyParentFont()
{
    if (!parent_)
        return;
    applyingParentFont_ = true;
    font_->Assign(parent_->Font());
    applyingParentFont_ = false;
}

void TControl::ApplyParentColor()
{
    if (!parent_ || color_ == parent_->Color())
        return;
    color_ = parent_->Color();
    ColorChanged();
}

}  // namespace tarvelon
