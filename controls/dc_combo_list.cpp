// The combo's drop-down list: a popup window of the items that never takes the focus.
#include <algorithm>

#include "controls/dc_combo.h"
#include "platform/forms/screen.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {

TDcComboList::TDcComboList(TDcCustomCombo* combo) : TCustomControl(combo), combo_(combo)
{
    eraseBackground_ = false;
    SetVisible(false);
}

void TDcComboList::CreateParams(TCreateParams& params)
{
    params.popup = true;
    params.topMost = true;
    params.noActivate = true;
}

int TDcComboList::ItemHeight() const
{
    TCanvas& canvas = const_cast<TDcComboList*>(this)->Canvas();
    canvas.Font.Assign(combo_->Font());
    return canvas.TextHeight("Wg") + 2;
}

int TDcComboList::VisibleCount() const
{
    return std::max(1, std::min(combo_->Items().Count(), combo_->DropDownCount()));
}

int TDcComboList::ItemAt(int y) const
{
    if (y < 1 || y >= ClientHeight() - 1)
        return -1;
    const int index = topIndex_ + (y - 1) / ItemHeight();
    return index < combo_->Items().Count() ? index : -1;
}

void TDcComboList::SetTopIndex(int index)
{
    const int top = std::clamp(index, 0, std::max(0, combo_->Items().Count() - VisibleCount()));
    if (top == topIndex_)
        return;
    topIndex_ = top;
    UpdateScrollBar();
    Invalidate();
}

void TDcComboList::SetHotIndex(int index)
{
    if (index == hotIndex_)
        return;
    hotIndex_ = index;
    if (index >= 0 && index < topIndex_)
        SetTopIndex(index);
    else if (index >= topIndex_ + VisibleCount())
        SetTopIndex(index - VisibleCount() + 1);
    Invalidate();
}

void TDcComboList::UpdateScrollBar()
{
    const int count = combo_->Items().Count();
    const bool scrolls = count > VisibleCount();
    ShowScrollBar(sbVertical, scrolls);
    if (!scrolls)
        return;
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = count - 1;
    info.nPage = static_cast<unsigned>(VisibleCount());
    info.nPos = topIndex_;
    SetScrollInfo(sbVertical, info);
}

void TDcComboList::Open(int hotIndex)
{
    const int height = VisibleCount() * ItemHeight() + 2;
    // The drop width is the list's least width: the list is never narrower than the combo.
    const int width = std::max(combo_->DropWidth(), combo_->Width());
    TPoint at = combo_->ClientToScreen(Point(0, combo_->Height()));
    if (Screen && at.Y + height > Screen->Height())
        at = combo_->ClientToScreen(Point(0, -height));
    topIndex_ = 0;
    hotIndex_ = -1;
    SetBounds(at.X, at.Y, width, height);
    UpdateScrollBar();
    SetHotIndex(hotIndex);
    Show();
    Invalidate();
}

void TDcComboList::ApplicationActivated(bool active)
{
    if (!active)
        combo_->SetDroppedDown(false);
}

void TDcComboList::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(combo_->Color());
    canvas.FillRect(client);
    canvas.Font.Assign(combo_->Font());
    const int itemHeight = ItemHeight();
    const TStrings& items = combo_->Items();
    for (int i = topIndex_; i < items.Count() && i < topIndex_ + VisibleCount(); ++i) {
        TRect row = Rect(1, 1 + (i - topIndex_) * itemHeight, client.Right - 1, 1 + (i - topIndex_ + 1) * itemHeight);
        const bool hot = i == hotIndex_;
        canvas.Brush.SetColor(hot ? clHighlight : combo_->Color());
        canvas.FillRect(row);
        canvas.Font.SetColor(hot ? clHighlightText : combo_->Font().Color());
        canvas.Brush.SetStyle(bsClear);
        TRect text = row;
        text.Left += 2;
        DrawText(canvas, items.Strings(i), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        canvas.Brush.SetStyle(bsSolid);
    }
    canvas.Brush.SetColor(clWindowFrame);
    canvas.FrameRect(client);
}

void TDcComboList::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    const int index = ItemAt(y);
    if (index >= 0 && x >= 0 && x < ClientWidth())
        SetHotIndex(index);
}

void TDcComboList::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || x < 0 || x >= ClientWidth())
        return;
    const int index = ItemAt(y);
    if (index >= 0)
        combo_->ChooseFromList(index);
}

bool TDcComboList::DoMouseWheel(TShiftState, int wheelDelta, TPoint)
{
    SetTopIndex(topIndex_ + (wheelDelta < 0 ? 3 : -3));
    return true;
}

void TDcComboList::ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos)
{
    if (kind != sbVertical)
        return;
    switch (code) {
    case SB_LINEUP: SetTopIndex(topIndex_ - 1); break;
    case SB_LINEDOWN: SetTopIndex(topIndex_ + 1); break;
    case SB_PAGEUP: SetTopIndex(topIndex_ - VisibleCount()); break;
    case SB_PAGEDOWN: SetTopIndex(topIndex_ + VisibleCount()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTopIndex(trackPos); break;
    case SB_TOP: SetTopIndex(0); break;
    case SB_BOTTOM: SetTopIndex(combo_->Items().Count()); break;
    default: break;
    }
}

}  // namespace tarvelon
