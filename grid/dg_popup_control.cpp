#include "grid/dg_popup_control.h"

#include <algorithm>

#include "core/basics/rounding.h"
#include "grid/dg_shared_common.h"
#include "grid/dg_sysutils.h"
#include "platform/forms/screen.h"

namespace tarvelon {

std::string ItemDisplayText(const std::string& item, TItemsDisplayMode mode)
{
    const std::size_t equals = item.find('=');
    switch (mode) {
    case dmNameList: return equals == std::string::npos ? item : item.substr(0, equals);
    case dmValueList:
    case dmIndentList: return equals == std::string::npos ? std::string() : item.substr(equals + 1);
    default: return item;
    }
}

// ---- TDgPopupControl

TDgPopupControl::TDgPopupControl(TComponent* editor) : TDgControl(editor), editor_(editor)
{
    SetVisible(false);
}

void TDgPopupControl::CreateParams(TCreateParams& params)
{
    TDgControl::CreateParams(params);
    params.popup = true;
    params.topMost = true;
    params.noActivate = true;
}

void TDgPopupControl::CreateWnd()
{
    TDgControl::CreateWnd();
    VertScrollBar().SetLargeChange(10);
}

void TDgPopupControl::Popup(int x, int y)
{
    const int width = Width();
    const int height = Height();
    // Both edges are judged on the asked rectangle; past both, the right and bottom edges hold.
    const TRect asked = Rect(x, y, x + width, y + height);
    const TRect work = Screen->MonitorWorkAreaRect(asked);
    if (asked.Left < work.Left)
        x = work.Left;
    if (asked.Right > work.Right)
        x = work.Right - width;
    if (asked.Top < work.Top)
        y = work.Top;
    if (asked.Bottom > work.Bottom)
        y = work.Bottom - height;
    SetBounds(x, y, width, height);
    closed_ = false;
    firstUpSeen_ = false;  // the opening click's release is still to come, however it closed last time
    Show();
    BringToFront();
    Invalidate();
    SetMouseCapture(true);
}

void TDgPopupControl::HidePopup()
{
    closed_ = true;
    SetMouseCapture(false);
    Hide();
}

void TDgPopupControl::ClosePopup()
{
    firstUpSeen_ = false;
    if (CloseEditor)
        CloseEditor();
    else
        HidePopup();
    if (OnCloseUp)
        OnCloseUp(this);
}

void TDgPopupControl::DoSelect(const std::string& value)
{
    if (OnSelect)
        OnSelect(this, value);
}

void TDgPopupControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TDgControl::MouseUp(button, shift, x, y);
    if (!firstUpSeen_) {
        // The release of the click that opened the popup.
        firstUpSeen_ = true;
        if (!closed_)
            SetMouseCapture(true);
        return;
    }
    if (PtInRect(ClientRect(), Point(x, y)))
        ClickAt(x, y);
    else if (!closed_)
        ClosePopup();
}

void TDgPopupControl::MouseEnter()
{
    TDgControl::MouseEnter();
    SetMouseCapture(false);
}

void TDgPopupControl::MouseLeave()
{
    TDgControl::MouseLeave();
    if (!closed_)
        SetMouseCapture(true);
}

bool TDgPopupControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (auto* editor = dynamic_cast<TControl*>(editor_))
        return editor->HandleMouseWheel(shift, wheelDelta, mousePos);
    return TDgControl::DoMouseWheel(shift, wheelDelta, mousePos);
}

void TDgPopupControl::ApplicationActivated(bool active)
{
    if (!active && !closed_)
        ClosePopup();
}

// ---- TDgPopupList

TDgPopupList::TDgPopupList(TComponent* editor) : TDgPopupControl(editor)
{
    SetBounds(0, 0, 80, 50);
}

int TDgPopupList::GetItemCount() const
{
    return items_ ? items_->Count() : 0;
}

int TDgPopupList::GetScrollMax() const
{
    return GetItemCount() - VisibleCount();
}

int TDgPopupList::VisibleCount() const
{
    return (ClientHeight() - 4) / itemHeight_;
}

int TDgPopupList::ItemAt(int y) const
{
    return (y - 2) / itemHeight_ + TopIndex();
}

TRect TDgPopupList::ItemRect(int index) const
{
    const int top = (index - TopIndex()) * itemHeight_ + 2;
    return Rect(2, top, InnerWidth() + 2, top + itemHeight_);
}

void TDgPopupList::SetHoverIndex(int index)
{
    prevHoverIndex_ = hoverIndex_;
    hoverIndex_ = index;
    if (prevHoverIndex_ == index)
        return;
    InvalidateRect(ItemRect(prevHoverIndex_));
    InvalidateRect(ItemRect(index));
}

void TDgPopupList::SetItemIndex(int index)
{
    itemIndex_ = index;
    TDgVertScrollBar& bar = VertScrollBar();
    const int top = TopIndex();
    if (index < top)
        bar.MoveBy(index - top);
    else if (index >= top + VisibleCount() - 1)
        bar.MoveBy(index - (top + VisibleCount() - 1));
    SetHoverIndex(index);
}

void TDgPopupList::Popup(int x, int y)
{
    TDgVertScrollBar& bar = VertScrollBar();
    const int count = GetItemCount();
    bar.SetMax(count - VisibleCount());
    bar.SetVisible(count > dropDownCount_);
    bar.SetPageSize(1);
    if (count > 0) {
        const int button = bar.GetButtonSize();
        bar.SetBounds(ClientWidth() - 2 - button, 2, button, ClientHeight() - 4);
        const double share = static_cast<double>(VisibleCount()) / count * 100;
        bar.SetPageSize(static_cast<int>(Round(bar.TrackLength() * share / 100)));
    }
    // The chosen item was looked for before the range fitted these items: bring it into view now.
    if (itemIndex_ >= 0)
        SetItemIndex(itemIndex_);
    TDgPopupControl::Popup(x, y);
}

void TDgPopupList::MouseMove(TShiftState shift, int x, int y)
{
    TDgPopupControl::MouseMove(shift, x, y);
    if (!ThumbDragging() && PtInRect(InnerRect(), Point(x, y)))
        SetHoverIndex(ItemAt(y));
}

void TDgPopupList::ClickAt(int x, int y)
{
    if (!PtInRect(InnerRect(), Point(x, y)))
        return;
    itemIndex_ = ItemAt(y);
    if (itemIndex_ >= 0 && itemIndex_ < GetItemCount())
        DoSelect(items_->Strings(itemIndex_));
}

void TDgPopupList::Paint()
{
    TDgPopupControl::Paint();
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    const TRect inner = InnerRect();
    VertClipRect = inner;
    int y = inner.Top;
    for (int index = TopIndex(); index < GetItemCount() && y < inner.Top + InnerHeight(); ++index) {
        const TRect row = Rect(inner.Left, y, inner.Left + InnerWidth(), y + itemHeight_);
        const bool hot = index == hoverIndex_;
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(hot ? selectionColor_ : Color());
        canvas.Font.SetColor(hot ? highlightTextColor_ : clWindowText);
        canvas.FillRect(row);
        DrawItem(index, row);
        y += itemHeight_;
    }
    if (y < inner.Bottom) {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(Color());
        canvas.FillRect(Rect(inner.Left, y, inner.Right, inner.Bottom));
    }
}

void TDgPopupList::DrawItem(int index, const TRect& rect)
{
    TCanvas& canvas = Canvas();
    int x = rect.Left + 2;
    if (showImages_ && images_) {
        if (index < images_->Count())
            images_->Draw(canvas, x, itemHeight_ / 2 - images_->Height() / 2 + rect.Top, index);
        x = rect.Left + images_->Width() + 5;
    }
    const std::string item = items_->Strings(index);
    if (displayMode_ == dmIndentList) {
        std::int32_t level = 0;
        TryStrToInt32(ItemDisplayText(item, dmNameList), level);
        x += 10 * level;
    }
    DrawTextRect(canvas, Rect(x, rect.Top, rect.Right, rect.Bottom), false, ItemDisplayText(item, displayMode_), 0);
}

}  // namespace tarvelon
