// The smooth panel: fill, caption line with its rule, and the mini-HTML block with clickable anchors.
#include "controls/dc_smooth_panel.h"

#include <algorithm>
#include <cmath>

#include "controls/gdip_picture_container.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/graphics/gdiplus_brushes.h"

namespace tarvelon {

// ---- caption settings ------------------------------------------------------------------------

TDcSmoothPanelCaption::TDcSmoothPanelCaption(TDcSmoothPanel* owner)
    : owner_(owner), font_(std::make_unique<TFont>()), picture_(std::make_unique<TDcGDIPPicture>()),
      htmlFont_(std::make_unique<TFont>())
{
    font_->SetName("Tahoma");
    font_->SetSize(12);
    htmlFont_->SetName("Tahoma");
    font_->OnChange = [this] { Changed(); };
    htmlFont_->OnChange = [this] { Changed(); };
    picture_->OnChange = [this] { Changed(); };
}

void TDcSmoothPanelCaption::Changed()
{
    if (OnChange)
        OnChange(owner_);
}

void TDcSmoothPanelCaption::Assign(const TDcSmoothPanelCaption& source)
{
    text_ = source.text_;
    location_ = source.location_;
    left_ = source.left_;
    top_ = source.top_;
    colorStart_ = source.colorStart_;
    colorEnd_ = source.colorEnd_;
    gradientType_ = source.gradientType_;
    hatchStyle_ = source.hatchStyle_;
    opacityStart_ = source.opacityStart_;
    opacityEnd_ = source.opacityEnd_;
    picture_->Assign(source.picture_.get());
    htmlText_ = source.htmlText_;
    htmlLocation_ = source.htmlLocation_;
    htmlLeft_ = source.htmlLeft_;
    htmlTop_ = source.htmlTop_;
    htmlURLColor_ = source.htmlURLColor_;
    htmlShadowColor_ = source.htmlShadowColor_;
    htmlShadowOffset_ = source.htmlShadowOffset_;
    htmlFont_->Assign(*source.htmlFont_);
    font_->Assign(*source.font_);
    line_ = source.line_;
    Changed();
}

// ---- placing ---------------------------------------------------------------------------------

void GetTextPosition(TDcSmoothPanelLocation location, int tw, int th, const TGPRectF& R, int& x, int& y)
{
    if (location == plCustom)
        return;
    const int W = RoundEven(R.Width);
    const int H = RoundEven(R.Height);
    const int X0 = RoundEven(R.X);
    switch (location % 3) {
    case 0: x = X0; break;
    case 1: x = std::max(X0, W - tw) / 2; break;
    default: x = std::max(X0, W - tw); break;
    }
    switch (location / 3) {
    case 0: y = RoundEven(R.Y); break;
    case 1: y = (H - th) / 2; break;
    default: y = H - th; break;
    }
}

// ---- the panel -------------------------------------------------------------------------------

TDcSmoothPanel::TDcSmoothPanel(TComponent* owner)
    : TCustomControl(owner), fill_(std::make_unique<TGDIPFill>()),
      caption_(std::make_unique<TDcSmoothPanelCaption>(this))
{
    SetBounds(Left(), Top(), 256, 128);
    eraseBackground_ = false;
    fill_->OnChange = [this](TObject*) { Changed(); };
    caption_->OnChange = [this](TObject*) { Changed(); };
}

TDcSmoothPanel::~TDcSmoothPanel() = default;

// Both are told to the panel when freed, so it never draws from a list or container that is gone.
void TDcSmoothPanel::SetImages(TCustomImageList* images)
{
    if (ReplaceNotified(images_, images))
        Changed();
}

void TDcSmoothPanel::SetPictureContainer(TGDIPPictureContainer* container)
{
    ReplaceNotified(pictureContainer_, container);
    Changed();
}

void TDcSmoothPanel::SetPanelCursor(TCursor cursor)
{
    storedCursor_ = cursor;
    SetCursor(cursor);
}

void TDcSmoothPanel::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove || Destroying())
        return;
    if (component == pictureContainer_)
        pictureContainer_ = nullptr;
    if (component == images_)
        images_ = nullptr;
}

void TDcSmoothPanel::Assign(const TDcSmoothPanel& source)
{
    caption_->Assign(*source.caption_);
    fill_->Assign(*source.fill_);
    Changed();
}

THTMLDrawGDIPParams TDcSmoothPanel::TextParams() const
{
    return SmoothControlTextParams(images_, pictureContainer_, caption_->HTMLURLColor(), caption_->HTMLShadowColor(),
                                   caption_->HTMLShadowOffset());
}

void TDcSmoothPanel::Paint()
{
    if (Width() >= 2 && Height() >= 2) {
        DrawParentBackground(ClientRect());
        TGPGraphics graphics(Canvas());
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        DrawPanel(graphics);
    }
    if (OnDraw)
        OnDraw(this, Canvas(), ClientRect());
}

void TDcSmoothPanel::Resize()
{
    TCustomControl::Resize();
    Invalidate();
}

void TDcSmoothPanel::DrawPanel(TGPGraphics& graphics)
{
    TGPRectF R{0, 0, float(Width()), float(Height())};
    if (fill_->BorderColor() != clNone && fill_->BorderWidth() != 0)
        R = TGPRectF{0, 0, float(Width() - 1), float(Height() - 1)};
    const TGPRectF content = fill_->Fill(&graphics, R);
    const int shadow = fill_->ShadowColor() == clNone ? 0 : fill_->ShadowOffset();
    float captionHeight = 0;
    if (!caption_->Text().empty())
        captionHeight = DrawCaptionText(graphics, content, shadow);
    if (!caption_->HTMLText().empty())
        DrawHTMLText(graphics, content, captionHeight, shadow);
}

namespace {

// The brush of the caption text over its box; null when the gradient type draws no text.
std::unique_ptr<TGPBrush> CaptionBrush(TDcSmoothPanelCaption& caption, float x, float y, const TGPRectF& box)
{
    const ARGB c1 = MakeARGBFromColor(caption.OpacityStart(), caption.ColorStart());
    const ARGB c2 = caption.ColorEnd() == clNone ? c1 : MakeARGBFromColor(caption.OpacityEnd(), caption.ColorEnd());
    using P = TGPPointF;
    switch (caption.GradientType()) {
    case gtSolid: return std::make_unique<TGPSolidBrush>(c1);
    case gtVertical: return std::make_unique<TGPLinearGradientBrush>(P{x, y}, P{x, y + box.Height}, c1, c2);
    case gtHorizontal: return std::make_unique<TGPLinearGradientBrush>(P{x, y}, P{x + box.Width, y}, c1, c2);
    case gtForwardDiagonal:
        return std::make_unique<TGPLinearGradientBrush>(P{x, y}, P{x + box.Width, y + box.Height}, c1, c2);
    case gtBackwardDiagonal:
        return std::make_unique<TGPLinearGradientBrush>(P{x, y + box.Height}, P{x + box.Width, y}, c2, c1);
    case gtHatch: return std::make_unique<TGPHatchBrush>(caption.GetHatchStyle(), c1, c2);
    case gtTexture:
        if (caption.Picture().Empty())
            return nullptr;
        return std::make_unique<TGPTextureBrush>(TGPImage::FromBytes(caption.Picture().Bytes()), WrapModeTile);
    default: return nullptr;
    }
}

}  // namespace

float TDcSmoothPanel::DrawCaptionText(TGPGraphics& graphics, const TGPRectF& content, int shadow)
{
    TDcSmoothPanelCaption& caption = *caption_;
    const auto font = CreateGPFont(caption.Font());
    graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    TGPRectF T = content;
    float pw = 0;
    TDcGDIPPicture& picture = fill_->Picture();
    if (!picture.Empty()) {
        const float w = fill_->PictureSize() == psOriginal ? float(picture.Width()) : float(fill_->PictureWidth());
        const auto location = caption.Location();
        const bool topRow = location == plTopLeft || location == plTopRight;
        const bool bottomRow = location == plBottomLeft || location == plBottomRight;
        const auto position = fill_->PicturePosition();
        if ((position == ppTopLeft && topRow) || (position == ppBottomLeft && bottomRow)) {
            T.X += w;
            pw = w;
        } else if ((position == ppTopRight && topRow) || (position == ppBottomRight && bottomRow)) {
            T.Width -= w;
        }
    }
    const TGPStringFormat format(0);
    TGPRectF B;
    graphics.MeasureString(caption.Text(), *font, TGPRectF{T.X, T.Y, T.Width - pw, T.Height}, format, &B);
    const int tw = RoundEven(B.Width);
    const int th = RoundEven(B.Height);
    int x = caption.Left();
    int y = caption.Top();
    GetTextPosition(caption.Location(), tw, th, T, x, y);
    if (const auto brush = CaptionBrush(caption, float(x), float(y), B)) {
        const TGPRectF layout{float(x), float(y), float(RoundEven(T.Width - 2 - pw)), float(Height() - 1 - shadow)};
        graphics.DrawString(caption.Text(), *font, layout, format, *brush);
    }
    if (caption.LineColor() != clNone && caption.Line()) {
        const TGPPen pen(ColorToARGB(caption.LineColor()), 1.0f);
        const auto location = caption.Location();
        const bool below = !(location == plBottomLeft || location == plBottomCenter || location == plBottomRight);
        const float ruleY = below ? float(y) + B.Height : float(y - 2);
        graphics.DrawLine(pen, float(RoundEven(T.X + 2)), ruleY, float(RoundEven(T.Width - 2)), ruleY);
    }
    return B.Height;
}

void TDcSmoothPanel::DrawHTMLText(TGPGraphics& graphics, TGPRectF content, float captionHeight, int shadow)
{
    TDcSmoothPanelCaption& caption = *caption_;
    const int ch = RoundEven(captionHeight);
    const int avail = Width() - shadow - 2 * fill_->BorderWidth();
    const bool custom = caption.HTMLLocation() == plCustom;
    THTMLDrawGDIPParams params = TextParams();
    params.MeasureOnly = true;
    THTMLDrawGDIPResult measured;
    const TRect M = custom ? TRect{0, ch, avail - caption.HTMLLeft(), 10000} : TRect{caption.HTMLLeft(), ch, avail, 10000};
    HTMLDrawGDIP(graphics, caption.HTMLFont(), caption.HTMLText(), M, params, measured);
    int hw = measured.TextWidth;
    const int hh = measured.TextHeight;
    content.Height -= float(ch);
    int x = 0, y = 0;
    if (custom) {
        x = caption.HTMLLeft();
        y = caption.HTMLTop();
        if (avail < x + hw)
            hw = avail - x;
    } else {
        GetTextPosition(caption.HTMLLocation(), hw, hh, content, x, y);
    }
    const TRect D = custom ? TRect{x, y, x + avail - caption.HTMLLeft(), y + hh} : TRect{x, y + ch, x + hw, y + ch + hh};
    htmlDrawn_ = hh < Height();
    if (htmlDrawn_) {
        params.MeasureOnly = false;
        THTMLDrawGDIPResult drawn;
        HTMLDrawGDIP(graphics, caption.HTMLFont(), caption.HTMLText(), D, params, drawn);
    }
    htmlRect_ = D;
}

// ---- anchors ---------------------------------------------------------------------------------

std::string TDcSmoothPanel::IsAnchor(int x, int y)
{
    const TRect& r = htmlRect_;
    if (!htmlDrawn_ || caption_->HTMLText().empty() || x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom)
        return {};
    TGPGraphics graphics(Canvas());
    THTMLDrawGDIPParams params = TextParams();
    params.X = x;
    params.Y = y;
    params.HitTestOnly = true;
    THTMLDrawGDIPResult result;
    HTMLDrawGDIP(graphics, caption_->HTMLFont(), caption_->HTMLText(), htmlRect_, params, result);
    return result.AnchorUnderPoint;
}

void TDcSmoothPanel::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    const bool over = !IsAnchor(x, y).empty();
    if (over != overAnchor_) {
        overAnchor_ = over;
        ApplyCursor(CursorAt(x, y));
    }
}

TCursor TDcSmoothPanel::CursorAt(int, int) const
{
    return overAnchor_ ? crHandPoint : storedCursor_;
}

void TDcSmoothPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (!overAnchor_)
        return;
    const std::string anchor = IsAnchor(x, y);
    if (!anchor.empty() && OnAnchorClick)
        OnAnchorClick(this, anchor);
}

}  // namespace tarvelon
