#include "controls/dc_smooth_label.h"

namespace tarvelon {

// ---- TDcSmoothLabelCaption

TDcSmoothLabelCaption::TDcSmoothLabelCaption()
    : font_(std::make_unique<TFont>()), picture_(std::make_unique<TDcGDIPPicture>())
{
    font_->SetName("Tahoma");
    font_->SetSize(20);
    font_->OnChange = [this] { Changed(); };
    picture_->OnChange = [this] { Changed(); };
}

TDcSmoothLabelCaption::~TDcSmoothLabelCaption()
{
    font_->OnChange = nullptr;
    picture_->OnChange = nullptr;
}

void TDcSmoothLabelCaption::Assign(const TDcSmoothLabelCaption& source)
{
    if (&source == this)
        return;
    // One change at the end, not one per field.
    TNotifyEvent onChange = std::move(OnChange);
    OnChange = nullptr;
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
    text_ = source.text_;
    OnChange = std::move(onChange);
    Changed();
}

// ---- TDcSmoothLabel

TDcSmoothLabel::TDcSmoothLabel(TComponent* owner)
    : TGraphicControl(owner),
      caption_(std::make_unique<TDcSmoothLabelCaption>()),
      captionShadow_(std::make_unique<TDcSmoothLabelCaption>()),
      fill_(std::make_unique<TGDIPFill>())
{
    SetBounds(Left(), Top(), 280, 50);
    caption_->OnChange = [this](TObject*) { Changed(); };
    captionShadow_->OnChange = [this](TObject*) { Changed(); };
    fill_->OnChange = [this](TObject*) { Changed(); };
}

TDcSmoothLabel::~TDcSmoothLabel()
{
    caption_->OnChange = nullptr;
    captionShadow_->OnChange = nullptr;
    fill_->OnChange = nullptr;
}

void TDcSmoothLabel::Assign(const TDcSmoothLabel& source)
{
    if (&source == this)
        return;
    fill_->Assign(*source.fill_);
    caption_->Assign(*source.caption_);
    captionShadow_->Assign(*source.captionShadow_);
    transparent_ = source.transparent_;
    wordWrap_ = source.wordWrap_;
    textRendering_ = source.textRendering_;
    shadowVisible_ = source.shadowVisible_;
    shadowTop_ = source.shadowTop_;
    shadowLeft_ = source.shadowLeft_;
    Changed();
}

void TDcSmoothLabel::Changed()
{
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TDcSmoothLabel::Paint()
{
    if (Width() < 2 || Height() < 2)
        return;
    TGPGraphics graphics(Canvas());
    TGPRectF r{0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)};
    if (!transparent_)
        r = fill_->Fill(&graphics, r, 255, 255, 255, 255, 255);
    if (!captionShadow_->Text().empty() && shadowVisible_)
        DrawCaption(graphics, *captionShadow_, r, shadowLeft_, shadowTop_);
    if (!caption_->Text().empty())
        DrawCaption(graphics, *caption_, r, 0, 0);
}

namespace {

// The caption's place inside a box of the rectangle's size (its own x and y are not added).
TGPPointF LocatedAt(TDcSmoothLabelLocation location, const TGPRectF& r, float w, float h)
{
    const int column = location % 3;
    const int row = location / 3;
    const float x = column == 0 ? 0 : column == 1 ? (r.Width - w) / 2 : r.Width - w;
    const float y = row == 0 ? 0 : row == 1 ? (r.Height - h) / 2 : r.Height - h;
    return TGPPointF{x, y};
}

// The caption's brush over its text box; none for the kinds a caption cannot draw.
std::unique_ptr<TGPBrush> CaptionBrush(const TDcSmoothLabelCaption& caption, const TGPRectF& box)
{
    const ARGB c1 = MakeARGBFromColor(caption.OpacityStart(), caption.ColorStart());
    const ARGB c2 = caption.ColorEnd() == clNone ? c1 : MakeARGBFromColor(caption.OpacityEnd(), caption.ColorEnd());
    const float X = box.X, Y = box.Y, w = box.Width, h = box.Height;
    switch (caption.GradientType()) {
    case gtSolid: return std::make_unique<TGPSolidBrush>(c1);
    case gtVertical: return std::make_unique<TGPLinearGradientBrush>(TGPPointF{X, Y}, TGPPointF{X, Y + h}, c1, c2);
    case gtHorizontal: return std::make_unique<TGPLinearGradientBrush>(TGPPointF{X, Y}, TGPPointF{X + w, Y}, c1, c2);
    case gtForwardDiagonal:
        return std::make_unique<TGPLinearGradientBrush>(TGPPointF{X, Y}, TGPPointF{X + w, Y + h}, c1, c2);
    case gtBackwardDiagonal:
        return std::make_unique<TGPLinearGradientBrush>(TGPPointF{X, Y + h}, TGPPointF{X + w, Y}, c2, c1);
    case gtHatch: return std::make_unique<TGPHatchBrush>(caption.GetHatchStyle(), c1, c2);
    case gtTexture: {
        if (!caption.Picture().HasBytes())
            return nullptr;
        const TBytes& bytes = caption.Picture().Bytes();
        const TGPImage image = TGPImage::FromBytes(TByteView(bytes.data(), bytes.size()));
        if (image.Status() != Ok)
            return nullptr;
        return std::make_unique<TGPTextureBrush>(image, WrapModeTile);
    }
    default: return nullptr;
    }
}

}  // namespace

void TDcSmoothLabel::DrawCaption(TGPGraphics& graphics, const TDcSmoothLabelCaption& caption, const TGPRectF& r,
                                 int dx, int dy)
{
    const auto font = CreateGPFont(caption.Font());
    const TGPStringFormat format(wordWrap_ ? 0 : StringFormatFlagsNoWrap);
    TGPRectF measured;
    graphics.MeasureString(caption.Text(), *font, r, format, &measured);
    // A custom place is the main caption's, for the shadow too, so the shadow follows its caption;
    // a shadow placed by hand while the caption is not uses its own place.
    TGPPointF at;
    if (caption_->Location() == plCustom)
        at = TGPPointF{static_cast<float>(caption_->Left()), static_cast<float>(caption_->Top())};
    else if (caption.Location() == plCustom)
        at = TGPPointF{static_cast<float>(caption.Left()), static_cast<float>(caption.Top())};
    else
        at = LocatedAt(caption.Location(), r, measured.Width, measured.Height);
    const float X = at.X + static_cast<float>(dx);
    const float Y = at.Y + static_cast<float>(dy);
    graphics.SetTextRenderingHint(textRendering_ == tClearType ? TextRenderingHintClearTypeGridFit
                                                               : TextRenderingHintAntiAliasGridFit);
    const auto brush = CaptionBrush(caption, TGPRectF{X, Y, measured.Width, measured.Height});
    if (!brush)
        return;
    // One pixel of slack: a box exactly as wide as the measured text must still hold all of it
    // (our text layout would otherwise trim the last letter of a right-aligned caption).
    graphics.DrawString(caption.Text(), *font, TGPRectF{X, Y, r.Width - X + 1, r.Height - Y + 1}, format, *brush);
}

}  // namespace tarvelon
