#include "richtext/html_label.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/input_state.h"
#include "platform/forms/win_control.h"
#include "platform/graphics/bitmap.h"
#include "richtext/html_links.h"
#include "richtext/html_markup.h"
#include "richtext/picture_store.h"

namespace tarvelon {
namespace {

// A frame of `width` pixels, light on the top and left, dark on the bottom and right; the
// rectangle shrinks by it.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    for (int i = 0; i < width && !IsRectEmpty(rect); ++i) {
        canvas.Pen.SetColor(topLeft);
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right, rect.Top);
        canvas.Pen.SetColor(bottomRight);
        canvas.MoveTo(rect.Right - 1, rect.Top + 1);
        canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
        canvas.LineTo(rect.Left, rect.Bottom - 1);
        InflateRect(rect, -1, -1);
    }
}

void Bevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel, int width)
{
    if (bevel == bvNone)
        return;
    // Every bevel but a lowered one takes the raised colours.
    const bool raised = bevel != bvLowered;
    Frame3D(canvas, rect, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, width);
}

// Removes every text between an opening and a closing tag (either case) and the tags themselves;
// an opening tag without its closing one hides the rest.
std::string RemoveBetween(std::string text, const std::string& open, const std::string& close)
{
    for (;;) {
        const std::size_t from = markup::FindNoCase(text, open);
        if (from == std::string::npos)
            return text;
        const std::size_t to = markup::FindNoCase(text, close, from);
        if (to == std::string::npos)
            return text.substr(0, from);
        text.erase(from, to + close.size() - from);
    }
}

std::string ReplaceAllIgnoringCase(std::string text, const std::string& pattern, const std::string& with)
{
    while (ReplaceFirstText(pattern, with, text)) {
    }
    return text;
}

}  // namespace

TRichLabel::TRichLabel(TComponent* owner)
    : TGraphicControl(owner), pictureCache_(std::make_unique<THTMLPictureCache>())
{
    SetCaption("");
    SetBounds(Left(), Top(), 120, Height() > 0 ? Height() : 17);
}

TRichLabel::~TRichLabel() = default;

void TRichLabel::Changed()
{
    Invalidate();
}

void TRichLabel::SetHTMLText(const std::vector<std::string>& lines)
{
    std::string whole;
    for (const std::string& line : lines)
        whole += line + "\r\n";
    SetHTMLText(whole);
}

void TRichLabel::SetHTMLText(const std::string& text)
{
    htmlText_.assign(1, LineBreaksToBR(text, false));
    pictureCache_->Clear();
    Changed();
}

std::string TRichLabel::GetDisplayText() const
{
    std::string text;
    for (std::size_t i = 0; i < htmlText_.size(); ++i)
        text += (i ? " " : "") + htmlText_[i];
    return text;
}

void TRichLabel::SetAutoSizing(bool autoSizing)
{
    autoSizing_ = autoSizing;
    if (autoSizing) {
        if (Align() == alLeft || Align() == alRight)
            SetWidth(6);
        if (Align() == alTop || Align() == alBottom)
            SetHeight(6);
    }
    Changed();
}

#define TARVELON_LABEL_SETTER(Name, member, Type)  \
    void TRichLabel::Set##Name(Type value)         \
    {                                              \
        member = value;                            \
        Changed();                                 \
    }
TARVELON_LABEL_SETTER(AutoSizeType, autoSizeType_, TAutoSizeType)
TARVELON_LABEL_SETTER(BevelInner, bevelInner_, TPanelBevel)
TARVELON_LABEL_SETTER(BevelOuter, bevelOuter_, TPanelBevel)
TARVELON_LABEL_SETTER(BevelWidth, bevelWidth_, int)
TARVELON_LABEL_SETTER(BorderWidth, borderWidth_, int)
TARVELON_LABEL_SETTER(BorderStyle, borderStyle_, TBorderStyle)
TARVELON_LABEL_SETTER(BorderColor, borderColor_, TColor)
TARVELON_LABEL_SETTER(ColorTo, colorTo_, TColor)
TARVELON_LABEL_SETTER(GradientType, gradientType_, TGradientType)
TARVELON_LABEL_SETTER(LineWidth, lineWidth_, int)
TARVELON_LABEL_SETTER(Ellipsis, ellipsis_, bool)
TARVELON_LABEL_SETTER(Images, images_, TImageList*)
TARVELON_LABEL_SETTER(LineSpacing, lineSpacing_, int)
TARVELON_LABEL_SETTER(VAlignment, vAlignment_, TVAlignment)
TARVELON_LABEL_SETTER(Transparent, transparent_, bool)
#undef TARVELON_LABEL_SETTER

// The colours and the shadow offset repaint only when they change.
#define TARVELON_LABEL_CHANGE_SETTER(Name, member, Type) \
    void TRichLabel::Set##Name(Type value)               \
    {                                                    \
        if (member == value)                             \
            return;                                      \
        member = value;                                  \
        Changed();                                       \
    }
TARVELON_LABEL_CHANGE_SETTER(URLColor, urlColor_, TColor)
TARVELON_LABEL_CHANGE_SETTER(ShadowColor, shadowColor_, TColor)
TARVELON_LABEL_CHANGE_SETTER(ShadowOffset, shadowOffset_, int)
#undef TARVELON_LABEL_CHANGE_SETTER

void TRichLabel::SetPictureContainer(TPictureContainer* container)
{
    if (pictureContainer_)
        pictureContainer_->RemoveFreeNotification(this);
    pictureContainer_ = container;
    if (container)
        container->FreeNotification(this);
    Changed();
}

void TRichLabel::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void TRichLabel::Loaded()
{
    TGraphicControl::Loaded();
    SetCaption("");
}

void TRichLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == pictureContainer_)
        pictureContainer_ = nullptr;
}

bool TRichLabel::HTMLPaint(TCanvas& canvas, const std::string& text, const TRect& rect, int x, int y,
                           int hoverLink, bool noDraw, THTMLDrawResult& result)
{
    THTMLDrawParams params;
    params.Images = images_;
    params.X = x;
    params.Y = y;
    params.FocusLink = -1;
    params.HoverLink = hoverLink;
    params.ShadowOffset = shadowOffset_;
    params.NoDraw = noDraw;
    params.Hover = hover_;
    params.WordWrap = !ellipsis_;
    params.ResFactor = 1.0;
    params.URLColor = urlColor_;
    params.HoverColor = hoverColor_;
    params.HoverFontColor = hoverFontColor_;
    params.ShadowColor = shadowColor_;
    params.PictureCache = pictureCache_.get();
    params.PictureContainer = pictureContainer_;
    params.LineSpacing = lineSpacing_;
    result = THTMLDrawResult();
    const bool hit = HTMLDrawGDI(canvas, text, rect, params, result);
    measuredWidth_ = result.MeasuredWidth;
    measuredHeight_ = result.MeasuredHeight;
    return hit;
}

bool TRichLabel::GrowsHorizontally() const
{
    return (Align() == alNone || Align() == alLeft || Align() == alRight) &&
           (autoSizeType_ == asHorizontal || autoSizeType_ == asBoth);
}

bool TRichLabel::GrowsVertically() const
{
    return (Align() == alNone || Align() == alTop || Align() == alBottom) &&
           (autoSizeType_ == asVertical || autoSizeType_ == asBoth);
}

void TRichLabel::PaintBackground(TCanvas& canvas, const TRect& client)
{
    const bool full = gradientType_ == gtFullHorizontal || gradientType_ == gtFullVertical;
    if (colorTo_ != clNone && full) {
        DrawGradientGDI(canvas, Color(), colorTo_, gradientType_ == gtFullHorizontal, client, client.Width() / 4);
        return;
    }
    canvas.Brush.SetStyle(bsSolid);
    canvas.Brush.SetColor(Color());
    canvas.FillRect(client);
}

void TRichLabel::PaintLineGradient(TCanvas& canvas, const TRect& client)
{
    TRect band = client;
    switch (gradientType_) {
    case gtBottomLine: band.Top = client.Bottom - lineWidth_; break;
    case gtCenterLine:
        band.Top = (client.Height() - lineWidth_) / 2;
        band.Bottom = band.Top + lineWidth_;
        break;
    case gtTopLine: band.Bottom = client.Top + lineWidth_; break;
    default: return;
    }
    DrawGradientGDI(canvas, Color(), colorTo_, true, band, client.Width() / 4);
}

TRect TRichLabel::PaintFrames(TCanvas& canvas, TRect rect)
{
    if (updateCount_ > 0)
        return rect;
    Bevel(canvas, rect, bevelOuter_, bevelWidth_);
    Frame3D(canvas, rect, Color(), Color(), borderWidth_);
    Bevel(canvas, rect, bevelInner_, bevelWidth_);
    if (borderStyle_ == bsSingle && borderWidth_ > 0 && borderColor_ != clNone) {
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(borderColor_);
        TRect ring = rect;
        for (int i = 0; i < borderWidth_ && !IsRectEmpty(ring); ++i) {
            canvas.FrameRect(ring);
            InflateRect(ring, -1, -1);
        }
    }
    if (bevelInner_ != bvNone || bevelOuter_ != bvNone)
        InflateRect(rect, -bevelWidth_, -bevelWidth_);
    if (borderStyle_ == bsSingle)
        InflateRect(rect, -borderWidth_, -borderWidth_);
    return rect;
}

void TRichLabel::PaintLabel(TCanvas& canvas)
{
    canvas.Font = Font();
    TRect rect = PaintFrames(canvas, ClientRect());
    const std::string text = GetDisplayText();
    canvas.Brush.SetColor(Color());
    // Measured without the limits that follow the text.
    const int textRight = rect.Right;
    if (autoSizing_ && GrowsHorizontally())
        rect.Right += 65535;
    if (autoSizing_ && GrowsVertically())
        rect.Bottom += 65535;
    const TPoint mouse = ScreenToClient(GetCursorPos());
    THTMLDrawResult result;
    if (autoSizing_ || vAlignment_ != tvaTop)
        HTMLPaint(canvas, text, rect, mouse.X, mouse.Y, hoverAnchor_, true, result);
    if (autoSizing_) {
        if (vAlignment_ == tvaCenter)
            rect.Top += 3;
        else if (vAlignment_ == tvaBottom)
            rect.Top += 6;
        if (GrowsVertically() && Height() != measuredHeight_ + 6)
            SetHeight(measuredHeight_ + 6);
        if (GrowsHorizontally()) {
            // Drawn within the sized label: centred and right-aligned lines must not be placed
            // against the unlimited measuring width.
            rect.Right = textRight + measuredWidth_ + 6 - Width();
            if (Width() != measuredWidth_ + 6)
                SetWidth(measuredWidth_ + 6);
        }
    }
    if (vAlignment_ == tvaCenter)
        rect.Top += (Height() - measuredHeight_) / 2;
    else if (vAlignment_ == tvaBottom)
        rect.Top = Height() - measuredHeight_;
    HTMLPaint(canvas, text, rect, mouse.X, mouse.Y, hoverAnchor_, false, result);
}

void TRichLabel::Paint()
{
    const TRect client = ClientRect();
    if (IsRectEmpty(client))
        return;
    if (transparent_) {
        PaintLineGradient(Canvas(), client);
        PaintLabel(Canvas());
        return;
    }
    // Drawn whole off-screen, then copied in one go.
    TBitmap bitmap;
    bitmap.SetSize(client.Width(), client.Height());
    TCanvas& canvas = bitmap.Canvas();
    PaintBackground(canvas, client);
    PaintLineGradient(canvas, client);
    PaintLabel(canvas);
    Canvas().Draw(0, 0, bitmap);
}

std::string TRichLabel::IsAnchor(int x, int y, TRect& anchorRect, int& anchorNumber)
{
    TRect rect = ClientRect();
    if (bevelInner_ != bvNone || bevelOuter_ != bvNone)
        InflateRect(rect, -bevelWidth_, -bevelWidth_);
    InflateRect(rect, -borderWidth_, -borderWidth_);
    const std::string text = GetDisplayText();
    TBitmap scratch;
    scratch.SetSize(std::max(1, Width()), std::max(1, Height()));
    TCanvas& canvas = scratch.Canvas();
    canvas.Font = Font();
    THTMLDrawResult result;
    if (vAlignment_ != tvaTop) {
        HTMLPaint(canvas, text, rect, x, y, -1, true, result);
        rect.Top = vAlignment_ == tvaCenter ? rect.Top + (Height() - measuredHeight_) / 2 : Height() - measuredHeight_;
    }
    if (HTMLPaint(canvas, text, rect, x, y, -1, true, result)) {
        anchorRect = result.HoverRect;
        anchorNumber = result.HoverAnchor;
        return result.AnchorValue;
    }
    anchorNumber = -1;
    hoverAnchor_ = -1;
    return {};
}

void TRichLabel::InvalidateOnParent(const TRect& rect)
{
    if (!Parent())
        return;
    TRect moved = rect;
    OffsetRect(moved, Left(), Top());
    Parent()->InvalidateRect(moved);
}

void TRichLabel::InvalidateAnchor(const TRect& rect)
{
    InvalidateOnParent(IsRectEmpty(rect) ? ClientRect() : rect);
}

void TRichLabel::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    TRect rect;
    int number = -1;
    const std::string link = IsAnchor(x, y, rect, number);
    if (!link.empty()) {
        if ((link != hoverLink_ || !EqualRect(rect, hoverRect_)) && hover_)
            InvalidateAnchor(hoverRect_);
        if (!(Cursor() == crHandPoint && number == hoverAnchor_)) {
            if (anchorHint_ && Application)
                Application->CancelHint();
            SetCursor(crHandPoint);
            AnchorEnter(link);
            if (hover_)
                InvalidateAnchor(rect);
        }
        hoverLink_ = link;
        hoverAnchor_ = number;
        hoverRect_ = rect;
        if (hover_)
            InvalidateAnchor(rect);
    } else if (Cursor() == crHandPoint) {
        SetCursor(crDefault);
        AnchorExit("");
        if (hover_)
            InvalidateAnchor(hoverRect_);
        hoverRect_ = rect;
    }
}

void TRichLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    TRect rect;
    int number = -1;
    const std::string link = IsAnchor(x, y, rect, number);
    if (link.empty())
        return;
    AnchorClick(link);
    if (IsOpenableLink(link))
        OpenLink(link);
}

void TRichLabel::MouseLeave()
{
    if (hover_ && hoverAnchor_ != -1)
        InvalidateAnchor(hoverRect_);
    hoverAnchor_ = -1;
    TGraphicControl::MouseLeave();
}

std::string TRichLabel::PlainHint() const
{
    std::string text = GetDisplayText();
    text = ReplaceAllIgnoringCase(text, "<BR>", "\r\n");
    text = ReplaceAllIgnoringCase(text, "<HR>", "\r\n");
    text = RemoveBetween(text, "<z>", "</z>");
    std::string plain;
    bool inTag = false;
    for (char c : text) {
        if (c == '<')
            inTag = true;
        else if (c == '>' && inTag)
            inTag = false;
        else if (!inTag)
            plain += c;
    }
    return plain;
}

bool TRichLabel::HintShow(THintInfo& info)
{
    if (anchorHint_) {
        TRect rect;
        int number = -1;
        std::string link = IsAnchor(info.CursorPos.X, info.CursorPos.Y, rect, number);
        if (!link.empty()) {
            AnchorHintText(link);
            info.HintStr = link;
            const TPoint screen = ClientToScreen(info.CursorPos);
            info.HintPos = Point(screen.X + 10, screen.Y - 10);
            return true;
        }
    }
    if (hintShowFull_) {
        info.HintStr = htmlHint_ ? GetDisplayText() : PlainHint();
        return true;
    }
    return TGraphicControl::HintShow(info);
}

void TRichLabel::AnchorClick(const std::string& anchor)
{
    if (OnAnchorClick)
        OnAnchorClick(this, anchor);
}

void TRichLabel::AnchorEnter(const std::string& anchor)
{
    if (OnAnchorEnter)
        OnAnchorEnter(this, anchor);
}

void TRichLabel::AnchorExit(const std::string& anchor)
{
    if (OnAnchorExit)
        OnAnchorExit(this, anchor);
}

void TRichLabel::AnchorHintText(std::string& anchor)
{
    if (OnAnchorHint)
        OnAnchorHint(this, anchor);
}

}  // namespace tarvelon
