#include "platform/stdctrls/containers.h"

#include <algorithm>

#include "platform/forms/text_utils.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {
namespace {

// A bevel of `width` lines: light above and left, dark below and right (the other way round
// when lowered); the rectangle shrinks by what was drawn.
void Frame3D(TCanvas& canvas, TRect& rect, TBevelCut cut, int width)
{
    if (cut == bvNone)
        return;
    const TColor top = cut == bvRaised ? clBtnHighlight : cut == bvLowered ? clBtnShadow : clBtnFace;
    const TColor bottom = cut == bvRaised ? clBtnShadow : cut == bvLowered ? clBtnHighlight : clBtnFace;
    canvas.Pen.SetWidth(1);
    for (int i = 0; i < width; ++i) {
        canvas.Pen.SetColor(top);
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right - 1, rect.Top);
        canvas.Pen.SetColor(bottom);
        canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
        canvas.LineTo(rect.Left - 1, rect.Bottom - 1);
        InflateRect(rect, -1, -1);
    }
}

}  // namespace

// ---- TPanel

TPanel::TPanel(TComponent* owner) : TCustomControl(owner)
{
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut cut)
{
    bevelOuter_ = cut;
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut cut)
{
    bevelInner_ = cut;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int width)
{
    bevelWidth_ = std::max(1, width);
    Realign();
    Invalidate();
}

void TPanel::SetBorderWidth(int width)
{
    borderWidth_ = std::max(0, width);
    Realign();
    Invalidate();
}

void TPanel::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

int TPanel::FrameWidth() const
{
    int width = borderWidth_ + (borderStyle_ == bsSingle ? 1 : 0);
    if (bevelOuter_ != bvNone)
        width += bevelWidth_;
    if (bevelInner_ != bvNone)
        width += bevelWidth_;
    return width;
}

void TPanel::AlignControls(TRect& rect)
{
    const int frame = FrameWidth();
    InflateRect(rect, -frame, -frame);
    TCustomControl::AlignControls(rect);
}

void TPanel::SetParentBackground(bool shown)
{
    parentBackground_ = shown;
    Invalidate();
}

void TPanel::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (parentBackground_) {
        DrawParentBackground(rect);
    } else {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(Color());
        canvas.FillRect(rect);
    }
    if (borderStyle_ == bsSingle) {
        canvas.Brush.SetColor(clWindowFrame);
        canvas.FrameRect(rect);
        InflateRect(rect, -1, -1);
    }
    Frame3D(canvas, rect, bevelOuter_, bevelWidth_);
    InflateRect(rect, -borderWidth_, -borderWidth_);
    Frame3D(canvas, rect, bevelInner_, bevelWidth_);
    if (Caption().empty())
        return;
    canvas.Brush.SetStyle(bsClear);
    canvas.Font.Assign(Font());
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    flags |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    DrawText(canvas, Caption(), rect, flags);
}

// ---- TScrollBox

TScrollBox::TScrollBox(TComponent* owner) : TCustomControl(owner)
{
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

int TScrollBox::ContentExtent(TScrollBarKind kind) const
{
    const int range = kind == sbVertical ? vertRange_ : horzRange_;
    if (range > 0)
        return range;
    int extent = 0;
    const int offset = kind == sbVertical ? vertPos_ : horzPos_;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (child->Visible())
            extent = std::max(extent, kind == sbVertical ? child->Top() + child->Height() : child->Left() + child->Width());
    }
    return extent + offset;
}

void TScrollBox::UpdateScrollBars()
{
    for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
        const int page = kind == sbVertical ? ClientHeight() : ClientWidth();
        const int extent = ContentExtent(kind);
        const bool needed = extent > page;
        ShowScrollBar(kind, needed);
        TScrollInfo info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = std::max(0, extent - 1);
        info.nPage = static_cast<unsigned>(std::max(0, kind == sbVertical ? ClientHeight() : ClientWidth()));
        int& position = kind == sbVertical ? vertPos_ : horzPos_;
        const int limit = std::max(0, extent - static_cast<int>(info.nPage));
        if (position > limit)
            ScrollTo(kind, limit);
        info.nPos = position;
        SetScrollInfo(kind, info);
    }
}

void TScrollBox::SetVertRange(int range)
{
    vertRange_ = range;
    UpdateScrollBars();
}

void TScrollBox::SetHorzRange(int range)
{
    horzRange_ = range;
    UpdateScrollBars();
}

void TScrollBox::SetVertPosition(int position)
{
    ScrollTo(sbVertical, position);
    SetScrollPos(sbVertical, vertPos_);
}

void TScrollBox::SetHorzPosition(int position)
{
    ScrollTo(sbHorizontal, position);
    SetScrollPos(sbHorizontal, horzPos_);
}

void TScrollBox::ScrollTo(TScrollBarKind kind, int position)
{
    const int page = kind == sbVertical ? ClientHeight() : ClientWidth();
    position = std::clamp(position, 0, std::max(0, ContentExtent(kind) - page));
    int& current = kind == sbVertical ? vertPos_ : horzPos_;
    const int delta = current - position;
    current = position;
    if (delta != 0)
        ScrollBy(kind == sbHorizontal ? delta : 0, kind == sbVertical ? delta : 0);
}

void TScrollBox::ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos)
{
    const int page = kind == sbVertical ? ClientHeight() : ClientWidth();
    int position = kind == sbVertical ? vertPos_ : horzPos_;
    switch (code) {
    case SB_LINEUP: position -= 8; break;
    case SB_LINEDOWN: position += 8; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = trackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = ContentExtent(kind); break;
    default: return;
    }
    ScrollTo(kind, position);
    SetScrollPos(kind, kind == sbVertical ? vertPos_ : horzPos_);
}

bool TScrollBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetVertPosition(vertPos_ - wheelDelta / 120 * 24);
    return true;
}

void TScrollBox::Resize()
{
    TCustomControl::Resize();
    if (!Loading())
        UpdateScrollBars();
}

// ---- TNotebook

TPage::TPage(TComponent* owner) : TCustomControl(owner)
{
    SetAlign(alClient);
    SetParentColor(true);
    SetVisible(false);
}

TNotebook::TNotebook(TComponent* owner) : TCustomControl(owner)
{
    SetBounds(0, 0, 150, 150);
}

int TNotebook::PageCount() const
{
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i)
        count += dynamic_cast<TPage*>(Controls(i)) ? 1 : 0;
    return count;
}

TPage* TNotebook::Page(int index) const
{
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* page = dynamic_cast<TPage*>(Controls(i)); page && index-- == 0)
            return page;
    }
    return nullptr;
}

void TNotebook::SetPageIndex(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    const bool changed = index != pageIndex_;
    pageIndex_ = index;
    ShowCurrentPage();
    if (changed && !Loading() && OnPageChanged)
        OnPageChanged(this);
}

void TNotebook::ShowCurrentPage()
{
    for (int i = 0; i < PageCount(); ++i)
        Page(i)->SetVisible(i == pageIndex_);
}

std::string TNotebook::ActivePage() const
{
    TPage* page = Page(pageIndex_);
    return page ? page->Caption() : std::string();
}

void TNotebook::SetActivePage(const std::string& name)
{
    for (int i = 0; i < PageCount(); ++i) {
        if (SameText(Page(i)->Caption(), name)) {
            SetPageIndex(i);
            return;
        }
    }
}

std::vector<std::string> TNotebook::PageNames() const
{
    std::vector<std::string> names;
    for (int i = 0; i < PageCount(); ++i)
        names.push_back(Page(i)->Caption());
    return names;
}

void TNotebook::SetPageNames(const std::vector<std::string>& names)
{
    while (PageCount() > static_cast<int>(names.size()))
        Free(Page(PageCount() - 1));
    while (PageCount() < static_cast<int>(names.size())) {
        auto* page = new TPage(Owner() ? Owner() : this);
        page->SetParent(this);
    }
    for (int i = 0; i < PageCount(); ++i)
        Page(i)->SetCaption(names[static_cast<std::size_t>(i)]);
    ShowCurrentPage();
}

void TNotebook::Loaded()
{
    TCustomControl::Loaded();
    ShowCurrentPage();
}

}  // namespace tarvelon
