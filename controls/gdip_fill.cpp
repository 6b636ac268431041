// The fill painter of the smooth controls and the progress and dialog-button painters on it.
#include "controls/gdip_fill.h"

#include <cmath>
#include <cstdio>

namespace tarvelon {

const std::string& GDIPFillClipboardFormatName()
{
    static const std::string name = "GDI+ Fill";
    return name;
}

TGPGraphicsPath CreateRoundRectPath(const TGPRectF& rect, float radius, TFillRoundingType roundingType)
{
    const float x = rect.X;
    const float y = rect.Y;
    const float right = rect.X + rect.Width;
    const float bottom = rect.Y + rect.Height;
    const float r = radius;
    const float d = 2 * r;
    if (r <= 0)
        roundingType = rtNone;
    TGPGraphicsPath path;
    auto topLeft = [&] { path.AddArc(x, y, d, d, 180, 90); };
    auto topRight = [&] { path.AddArc(right - d, y, d, d, 270, 90); };
    auto bottomRight = [&] { path.AddArc(right - d, bottom - d, d, d, 0, 90); };
    auto bottomLeft = [&] { path.AddArc(x, bottom - d, d, d, 90, 90); };
    switch (roundingType) {
    case rtNone:
        path.AddLine(x, y, right, y);
        path.AddLine(right, y, right, bottom);
        path.AddLine(right, bottom, x, bottom);
        path.AddLine(x, bottom, x, y);
        break;
    case rtTop:
        topLeft();
        path.AddLine(x + r, y, right - r, y);
        topRight();
        path.AddLine(right, y + r, right, bottom);
        path.AddLine(right, bottom, x, bottom);
        path.AddLine(x, bottom, x, y + r);
        break;
    case rtBottom:
        path.AddLine(x, y, right, y);
        path.AddLine(right, y, right, bottom - r);
        bottomRight();
        path.AddLine(right - r, bottom, x + r, bottom);
        bottomLeft();
        path.AddLine(x, bottom - r, x, y);
        break;
    case rtBoth:
        topLeft();
        path.AddLine(x + r, y, right - r, y);
        topRight();
        path.AddLine(right, y + r, right, bottom - r);
        bottomRight();
        path.AddLine(right - r, bottom, x + r, bottom);
        bottomLeft();
        path.AddLine(x, bottom - r, x, y + r);
        break;
    case rtLeft:
        topLeft();
        path.AddLine(x + r, y, right, y);
        path.AddLine(right, y, right, bottom);
        path.AddLine(right, bottom, x + r, bottom);
        bottomLeft();
        path.AddLine(x, bottom - r, x, y + r);
        break;
    case rtRight:
        path.AddLine(x, y, right - r, y);
        topRight();
        path.AddLine(right, y + r, right, bottom - r);
        bottomRight();
        path.AddLine(right - r, bottom, x, bottom);
        path.AddLine(x, bottom, x, y + r);
        break;
    }
    path.CloseFigure();
    return path;
}

TRect PlacePicture(const TRect& box, int pw, int ph, TFillPicturePosition position, int customLeft, int customTop)
{
    const int l = box.Left;
    const int t = box.Top;
    const int r = box.Right;
    const int b = box.Bottom;
    const int centreX = l + ((r - l) - pw) / 2;
    const int centreY = t + ((b - t) - ph) / 2;
    switch (position) {
    case ppTopLeft: return Bounds(l, t, pw, ph);
    case ppTopCenter: return Bounds(centreX, t, pw, ph);
    case ppTopRight: return Rect(r - pw, t, r, t + ph);
    case ppBottomLeft: return Rect(l, b - ph, l + pw, b);
    case ppBottomCenter: return Bounds(centreX, b - ph, pw, ph);
    case ppBottomRight: return Rect(r - pw, b - ph, r, b);
    case ppTiled: return Rect(0, 0, 0, 0);
    case ppStretched: return box;
    case ppCenterLeft: return Bounds(l, centreY, pw, ph);
    case ppCenterCenter: return Bounds(centreX, centreY, pw, ph);
    case ppCenterRight: return Bounds(r - pw, centreY, pw, ph);
    case ppCustom: return Bounds(customLeft, customTop, pw, ph);
    }
    return Rect(0, 0, 0, 0);
}

namespace {

TGPRectF Grown(const TGPRectF& rect)
{
    return {rect.X - 1, rect.Y - 1, rect.Width + 2, rect.Height + 2};
}

// Fills through the path when there is one, else the plain rectangle.
void FillShape(TGPGraphics& graphics, const TGPBrush& brush, const TGPRectF& rect, const TGPGraphicsPath* path)
{
    if (path)
        graphics.FillPath(brush, *path);
    else
        graphics.FillRectangle(brush, rect);
}

std::unique_ptr<TGPBrush> LinearBrush(const TGPRectF& rect, ARGB from, ARGB to, TGPLinearGradientMode mode)
{
    auto brush = std::make_unique<TGPLinearGradientBrush>(Grown(rect), from, to, mode);
    brush->SetGammaCorrection(true);
    return brush;
}

}  // namespace

// ---- TGDIPFill ---------------------------------------------------------------------------------

TGDIPFill::TGDIPFill()
    : backGroundPicture_(std::make_unique<TDcGDIPPicture>()), picture_(std::make_unique<TDcGDIPPicture>())
{
    backGroundPicture_->OnChange = [this] { Changed(); };
    picture_->OnChange = [this] { Changed(); };
}

void TGDIPFill::Changed()
{
    if (OnChange && updateCount_ == 0)
        OnChange(nullptr);
}

void TGDIPFill::AssignPicture(TDcGDIPPicture& held, const TDcGDIPPicture& picture)
{
    if (&picture != &held) {
        // One notice for the whole copy, not one more from the picture's own change.
        BeginUpdate();
        held.Assign(&picture);
        EndUpdate();
    }
    Changed();
}

void TGDIPFill::SetBackGroundPicture(const TDcGDIPPicture& picture)
{
    AssignPicture(*backGroundPicture_, picture);
}

void TGDIPFill::SetPicture(const TDcGDIPPicture& picture)
{
    AssignPicture(*picture_, picture);
}

void TGDIPFill::Assign(const TGDIPFill& s)
{
    if (&s == this)
        return;
    SetColor(s.color_);
    SetColorTo(s.colorTo_);
    SetColorMirror(s.colorMirror_);
    SetColorMirrorTo(s.colorMirrorTo_);
    SetGradientType(s.gradientType_);
    SetGradientMirrorType(s.gradientMirrorType_);
    SetHatchStyle(s.hatchStyle_);
    SetHatchStyleMirror(s.hatchStyleMirror_);
    SetBackGroundPicture(*s.backGroundPicture_);
    SetBackGroundPicturePosition(s.backGroundPicturePosition_);
    SetBackGroundPictureLeft(s.backGroundPictureLeft_);
    SetBackGroundPictureTop(s.backGroundPictureTop_);
    SetPicture(*s.picture_);
    SetPicturePosition(s.picturePosition_);
    SetPictureLeft(s.pictureLeft_);
    SetPictureTop(s.pictureTop_);
    SetPictureSize(s.pictureSize_);
    SetPictureWidth(s.pictureWidth_);
    SetPictureHeight(s.pictureHeight_);
    SetOpacity(s.opacity_);
    SetOpacityTo(s.opacityTo_);
    SetOpacityMirror(s.opacityMirror_);
    SetOpacityMirrorTo(s.opacityMirrorTo_);
    SetBorderColor(s.borderColor_);
    SetBorderWidth(s.borderWidth_);
    SetRounding(s.rounding_);
    SetRoundingType(s.roundingType_);
    SetShadowColor(s.shadowColor_);
    SetShadowOffset(s.shadowOffset_);
    SetAngle(s.angle_);
    SetBorderOpacity(s.borderOpacity_);
    SetBackGroundPictureMode(s.backGroundPictureMode_);
}

TFillRoundingType TGDIPFill::PartRounding(bool mirror) const
{
    if (colorMirror_ == clNone || roundingType_ == rtLeft || roundingType_ == rtRight)
        return roundingType_;
    if (!mirror)
        return roundingType_ == rtTop || roundingType_ == rtBoth ? rtTop : rtNone;
    return roundingType_ == rtBottom || roundingType_ == rtBoth ? rtBottom : rtNone;
}

void TGDIPFill::PaintPart(TGPGraphics& graphics, const TGPRectF& rect, const PartColors& colors, bool mirror)
{
    TDcGradientType kind = colors.kind;
    if (colors.first == clNone)
        kind = gtNone;
    else if (colors.second == clNone)
        kind = gtSolid;
    const ARGB first = MakeARGBFromColor(colors.firstAlpha, colors.first);
    const ARGB second = colors.second == clNone ? first : MakeARGBFromColor(colors.secondAlpha, colors.second);

    std::unique_ptr<TGPBrush> brush;
    switch (kind) {
    case gtSolid: brush = std::make_unique<TGPSolidBrush>(first); break;
    case gtVertical: brush = LinearBrush(rect, first, second, LinearGradientModeVertical); break;
    case gtHorizontal: brush = LinearBrush(rect, first, second, LinearGradientModeHorizontal); break;
    case gtForwardDiagonal: brush = LinearBrush(rect, first, second, LinearGradientModeForwardDiagonal); break;
    case gtBackwardDiagonal: brush = LinearBrush(rect, first, second, LinearGradientModeBackwardDiagonal); break;
    case gtAngle: {
        auto linear = std::make_unique<TGPLinearGradientBrush>(Grown(rect), first, second, float(angle_), true);
        linear->SetGammaCorrection(true);
        brush = std::move(linear);
        break;
    }
    case gtHatch: brush = std::make_unique<TGPHatchBrush>(colors.hatch, first, second); break;
    case gtTexture:
    case gtRadial:
    case gtPath:
    case gtNone: break;
    }

    std::optional<TGPGraphicsPath> path;
    if (rounding_ > 0)
        path = CreateRoundRectPath(rect, float(rounding_), PartRounding(mirror));
    const TGPSmoothingMode previous = graphics.GetSmoothingMode();
    if (path)
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    if (brush) {
        FillShape(graphics, *brush, rect, path ? &*path : nullptr);
        const bool linear = kind >= gtVertical && kind <= gtBackwardDiagonal;
        if (mirror && linear)
            graphics.FillRectangle(TGPSolidBrush(first), rect.X, rect.Y, rect.Width, 1);
    } else if (kind == gtTexture && backGroundPicturePosition_ == ppTiled) {
        if (path)
            backGroundPicture_->FillPathWithTexture(graphics, *path);
        else
            backGroundPicture_->FillRectWithTexture(graphics, rect);
    }
    graphics.SetSmoothingMode(previous);
}

void TGDIPFill::PaintRadial(TGPGraphics& graphics, const TGPRectF& q, const PartColors& colors,
                            TFillRoundingType rounding, bool upper)
{
    if (colors.first == clNone)
        return;
    const ARGB c1 = MakeARGBFromColor(colors.firstAlpha, colors.first);
    const ARGB c2 = colors.second == clNone ? c1 : MakeARGBFromColor(colors.secondAlpha, colors.second);
    const TGPGraphicsPath outline = CreateRoundRectPath(q, float(rounding_), rounding);
    graphics.FillPath(TGPSolidBrush(upper ? c1 : c2), outline);
    graphics.SetClip(outline);
    TGPGraphicsPath ellipse;
    if (upper)
        ellipse.AddEllipse(q.X, q.Y - q.Height / 2, q.Width, q.Height + q.Height / 2);
    else
        ellipse.AddEllipse(q.X, q.Y, q.Width, q.Height + q.Height / 2);
    TGPPathGradientBrush brush(ellipse);
    brush.SetCenterPoint({q.X + q.Width / 2, upper ? q.Y : q.Y + q.Height});
    brush.SetCenterColor(upper ? c2 : c1);
    brush.SetSurroundColors({upper ? c1 : c2});
    graphics.FillRectangle(brush, q);
    graphics.ResetClip();
}

void TGDIPFill::PaintShadow(TGPGraphics& graphics, const TGPRectF& rect)
{
    const TGPGraphicsPath path = CreateRoundRectPath(rect, float(rounding_), roundingType_);
    TGPPathGradientBrush brush(path);
    brush.SetWrapMode(WrapModeClamp);
    const ARGB shadow = MakeARGBFromColor(180, shadowColor_);
    brush.SetInterpolationColors({MakeARGB(0, 0, 0, 0), shadow, shadow}, {0.0f, 0.1f, 1.0f});
    graphics.FillPath(brush, path);
}

void TGDIPFill::PaintBorder(TGPGraphics& graphics, const TGPRectF& rect, int borderOpacity)
{
    if (borderWidth_ <= 0 || borderColor_ == clNone)
        return;
    TGPPen pen(MakeARGBFromColor(borderOpacity, borderColor_), float(borderWidth_));
    graphics.DrawPath(pen, CreateRoundRectPath(rect, float(rounding_), roundingType_));
}

void TGDIPFill::PaintFocus(TGPGraphics& graphics, int opacity)
{
    if (!focus_)
        return;
    graphics.SetSmoothingMode(SmoothingModeDefault);
    TGPPen pen(MakeARGBFromColor(opacity, focusColor_), 1);
    pen.SetDashStyle(DashStyleDot);
    graphics.DrawPath(pen, CreateRoundRectPath(inner_, float(rounding_ - borderWidth_), roundingType_));
}

void TGDIPFill::PlacePictureIn(TGPGraphics& graphics, TDcGDIPPicture& picture, const TGPRectF& rect,
                               TFillPicturePosition position, int left, int top, bool ownSize)
{
    if (!picture.HasBytes())
        return;
    if (picture.Width() == 0 || picture.Height() == 0)
        picture.GetImageSizes();
    const TRect box = Bounds(RoundEven(rect.X), RoundEven(rect.Y), RoundEven(rect.Width), RoundEven(rect.Height));
    const int pw = ownSize ? picture.Width() : pictureWidth_;
    const int ph = ownSize ? picture.Height() : pictureHeight_;
    if (position == ppTiled)
        return;
    picture.DrawOnGraphics(graphics, PlacePicture(box, pw, ph, position, left, top));
}

TGPRectF TGDIPFill::Fill(TGPGraphics* graphics, TGPRectF r, int borderOpacity, int opacity, int opacityTo,
                         int mirrorOpacity, int mirrorOpacityTo)
{
    if (!graphics)
        return r;
    auto resolve = [](int argument, int property) { return argument < 255 ? argument : property; };
    borderOpacity = resolve(borderOpacity, borderOpacity_);
    opacity = resolve(opacity, opacity_);
    opacityTo = resolve(opacityTo, opacityTo_);
    mirrorOpacity = resolve(mirrorOpacity, opacityMirror_);
    mirrorOpacityTo = resolve(mirrorOpacityTo, opacityMirrorTo_);

    const bool line = r.Height == 1 || r.Width == 1;
    if (line) {
        if (borderWidth_ > 0 && borderColor_ != clNone)
            graphics->DrawLine(TGPPen(MakeARGBFromColor(borderOpacity, borderColor_), float(borderWidth_)), r.X, r.Y,
                               r.X + r.Width, r.Y + r.Height);
    } else {
        if (shadowOffset_ > 0 && shadowColor_ != clNone) {
            PaintShadow(*graphics, r);
            r.Width -= float(shadowOffset_);
            r.Height -= float(shadowOffset_);
        }
        const PartColors upper{gradientType_, color_, colorTo_, opacity, opacityTo, hatchStyle_};
        const PartColors lower{gradientMirrorType_, colorMirror_, colorMirrorTo_, mirrorOpacity, mirrorOpacityTo,
                               hatchStyleMirror_};
        if (gradientType_ != gtHatch && gradientType_ != gtTexture && colorMirror_ != clNone) {
            const float half = r.Height / 2;
            const TGPRectF top{r.X, r.Y, r.Width, r.Height - half + 1};
            const TGPRectF bottom{r.X, r.Y + half - 1, r.Width, r.Height - half + 1};
            if (gradientType_ == gtRadial)
                PaintRadial(*graphics, top, upper, rtTop, true);
            else
                PaintPart(*graphics, top, upper, false);
            if (gradientMirrorType_ == gtRadial)
                PaintRadial(*graphics, bottom, lower, rtBottom, false);
            else
                PaintPart(*graphics, bottom, lower, true);
        } else if (gradientType_ == gtRadial) {
            PaintRadial(*graphics, r, upper, roundingType_, true);
        } else {
            PaintPart(*graphics, r, upper, false);
        }
        if (backGroundPictureMode_ == pmInsideFill && gradientType_ == gtTexture) {
            graphics->SetClip(CreateRoundRectPath(r, float(rounding_), roundingType_));
            PlacePictureIn(*graphics, *backGroundPicture_, r, backGroundPicturePosition_, backGroundPictureLeft_,
                           backGroundPictureTop_, true);
            graphics->ResetClip();
        }
        PaintBorder(*graphics, r, borderOpacity);
    }
    const float bw = float(borderWidth_);
    inner_ = {r.X + bw, r.Y + bw, r.Width - 2 * bw, r.Height - 2 * bw};
    PaintFocus(*graphics, opacity);
    if (backGroundPictureMode_ == pmOutsideFill && gradientType_ == gtTexture)
        PlacePictureIn(*graphics, *backGroundPicture_, r, backGroundPicturePosition_, backGroundPictureLeft_,
                       backGroundPictureTop_, true);
    PlacePictureIn(*graphics, *picture_, r, picturePosition_, pictureLeft_, pictureTop_, pictureSize_ == psOriginal);
    return r;
}

// ---- TGDIPProgress -----------------------------------------------------------------------------

std::string FormatProgressValue(const std::string& format, double value)
{
    // One conversion of a floating-point kind (with flags, width and precision) and any "%%".
    int conversions = 0;
    bool valid = true;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() && std::string_view("-+ #0123456789.").find(format[j]) != std::string_view::npos)
            ++j;
        if (j >= format.size() || std::string_view("fFeEgG").find(format[j]) == std::string_view::npos) {
            valid = false;
            break;
        }
        ++conversions;
        i = j;
    }
    if (!valid || conversions != 1)
        return format;
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    return buffer;
}

TGDIPProgress::TGDIPProgress()
    : backGroundFill_(std::make_unique<TGDIPFill>()), progressFill_(std::make_unique<TGDIPFill>()),
      font_(std::make_unique<TFont>()), progressFont_(std::make_unique<TFont>())
{
    font_->SetName("Tahoma");
    progressFont_->SetName("Tahoma");
    backGroundFill_->OnChange = [this](TObject*) { Changed(); };
    progressFill_->OnChange = [this](TObject*) { Changed(); };
    font_->OnChange = [this] { Changed(); };
    progressFont_->OnChange = [this] { Changed(); };
}

void TGDIPProgress::Changed()
{
    if (OnChange)
        OnChange(nullptr);
}

void TGDIPProgress::SetBackGroundFill(const TGDIPFill& fill)
{
    backGroundFill_->Assign(fill);
    Changed();
}

void TGDIPProgress::SetProgressFill(const TGDIPFill& fill)
{
    progressFill_->Assign(fill);
    Changed();
}

void TGDIPProgress::SetFont(const TFont& font)
{
    if (&font != font_.get())
        font_->Assign(font);
    Changed();
}

void TGDIPProgress::SetProgressFont(const TFont& font)
{
    if (&font != progressFont_.get())
        progressFont_->Assign(font);
    Changed();
}

void TGDIPProgress::Assign(const TGDIPProgress& s)
{
    if (&s == this)
        return;
    SetBackGroundFill(*s.backGroundFill_);
    SetProgressFill(*s.progressFill_);
    SetValueFormat(s.valueFormat_);
    SetValueType(s.valueType_);
    SetValuePositionTop(s.valuePositionTop_);
    SetValuePositionLeft(s.valuePositionLeft_);
    SetValuePosition(s.valuePosition_);
    SetValueVisible(s.valueVisible_);
    SetFont(*s.font_);
    SetTransparent(s.transparent_);
}

TRect TGDIPProgress::InsideRect(const TRect& rect) const
{
    TRect inside = Rect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1);
    if (backGroundFill_->BorderColor() != clNone) {
        const int width = backGroundFill_->BorderWidth();
        const int shrink = width == 1 ? 1 : (width + 1) / 2;
        InflateRect(inside, -shrink, -shrink);
    }
    return inside;
}

TGPRectF TGDIPProgress::ProgressRect(const TRect& rect, double minimum, double maximum, double value) const
{
    const TRect inside = InsideRect(rect);
    double width = inside.Right - inside.Left;
    const bool border = progressFill_->BorderColor() != clNone && progressFill_->BorderWidth() != 0;
    const double bw = border ? progressFill_->BorderWidth() : 0;
    width -= bw;
    double done = 0;
    if (maximum > minimum)
        done = std::min(width, (value - minimum) / (maximum - minimum) * width);
    if (!border)
        return {float(inside.Left), float(inside.Top), float(done), float(inside.Bottom - inside.Top)};
    return {float(inside.Left + bw / 2), float(inside.Top + bw / 2), float(done),
            float(inside.Bottom - bw - inside.Top)};
}

void DrawEndShading(TGPGraphics& graphics, const TGPRectF& r)
{
    const TGPRectF left{r.X, r.Y, 10, r.Height};
    const TGPRectF right{r.X + r.Width - 10, r.Y, 10, r.Height};
    graphics.FillRectangle(
        TGPLinearGradientBrush(Grown(left), MakeARGB(30, 0, 0, 0), MakeARGB(0, 0, 0, 0), LinearGradientModeHorizontal),
        left);
    graphics.FillRectangle(
        TGPLinearGradientBrush(Grown(right), MakeARGB(0, 0, 0, 0), MakeARGB(30, 0, 0, 0), LinearGradientModeHorizontal),
        right);
}

void DrawGlass(TGPGraphics& graphics, const TRect& inside)
{
    const float h = float(inside.Bottom - inside.Top);
    const float w = float(inside.Right - inside.Left);
    const TGPRectF upper{float(inside.Left), float(inside.Top), w, h / 2.5f};
    const TGPRectF lower{float(inside.Left), float(inside.Bottom) - h / 5, w, h / 5};
    graphics.FillRectangle(TGPLinearGradientBrush(Grown(upper), MakeARGB(180, 255, 255, 255),
                                                  MakeARGB(0, 255, 255, 255), LinearGradientModeVertical),
                           upper);
    graphics.FillRectangle(TGPLinearGradientBrush(Grown(lower), MakeARGB(0, 255, 255, 255),
                                                  MakeARGB(255, 255, 255, 255), LinearGradientModeVertical),
                           lower);
}

std::string TGDIPProgress::ValueText(double minimum, double maximum, double value) const
{
    value = std::min(maximum, std::max(value, minimum));
    double shown = value;
    if (valueType_ == vtPercentage)
        shown = maximum > minimum ? (value - minimum) / (maximum - minimum) * 100 : maximum;
    return FormatProgressValue(valueFormat_, shown);
}

void TGDIPProgress::DrawValue(TGPGraphics& graphics, const TRect& rect, double minimum, double maximum, double value)
{
    const std::string text = ValueText(minimum, maximum, value);
    value = std::min(maximum, std::max(value, minimum));
    const TRect inside = InsideRect(rect);
    const TGPRectF i{float(inside.Left), float(inside.Top), float(inside.Width()), float(inside.Height())};
    const TGPRectF p = ProgressRect(rect, minimum, maximum, value);
    TGPRectF size;
    graphics.MeasureString(text, TGPFont(*font_), i, TGPStringFormat::GenericDefault(), &size);
    const float tw = size.Width;
    const float th = size.Height;
    float y = (i.Height - th) / 2;
    float x = i.X;
    switch (valuePosition_) {
    case vpProgressCenter: x = p.Width >= tw ? i.X + (p.Width - tw) / 2 : i.X; break;
    case vpProgressRight: x = p.Width >= tw ? i.X + p.Width - tw : i.X; break;
    case vpCenter: x = float(rect.Left) + (i.Width - tw) / 2; break;
    case vpLeft: x = i.X; break;
    case vpRight: x = float(rect.Left) + i.Width - tw; break;
    case vpCustom:
        x = float(rect.Left + valuePositionLeft_);
        y = float(valuePositionTop_);
        break;
    }
    const TFont& font = x + tw / 2 < p.X + p.Width ? *progressFont_ : *font_;
    graphics.DrawString(text, TGPFont(font), TGPPointF{x, float(rect.Top) + y}, TGPStringFormat::GenericDefault(),
                        TGPSolidBrush(ColorToARGB(font.Color())));
}

void TGDIPProgress::Draw(TGPGraphics& graphics, const TRect& rect, double minimum, double maximum, double value)
{
    const TGPRectF whole{float(rect.Left), float(rect.Top), float(rect.Width() - 1), float(rect.Height() - 1)};
    if (!transparent_)
        backGroundFill_->Fill(&graphics, whole);
    if (value > minimum) {
        const TGPRectF done = ProgressRect(rect, minimum, maximum, value);
        progressFill_->Fill(&graphics, done);
        if (done.Width > 0)
            DrawEndShading(graphics, done);
    }
    const TRect inside = InsideRect(rect);
    if (!transparent_)
        DrawEndShading(graphics, TGPRectF{float(inside.Left), float(inside.Top), float(inside.Width()),
                                          float(inside.Height())});
    if (valueVisible_)
        DrawValue(graphics, rect, minimum, maximum, value);
    if (!transparent_)
        DrawGlass(graphics, inside);
}

// ---- TGDIPDialogButton -------------------------------------------------------------------------

TGDIPDialogButton::TGDIPDialogButton() : font_(std::make_unique<TFont>())
{
    font_->SetName("Tahoma");
    font_->OnChange = [this] { Changed(); };
}

void TGDIPDialogButton::Changed()
{
    if (OnChange)
        OnChange(nullptr);
}

void TGDIPDialogButton::SetFont(const TFont& font)
{
    if (&font != font_.get())
        font_->Assign(font);
    Changed();
}

void TGDIPDialogButton::SetLayout(TGDIPButtonLayout v)
{
    if (layout_ == v)
        return;
    layout_ = v;
    Changed();
}

void TGDIPDialogButton::SetSpacing(int v)
{
    if (spacing_ == v)
        return;
    spacing_ = v;
    Changed();
}

void TGDIPDialogButton::Assign(const TGDIPDialogButton& source)
{
    if (&source == this)
        return;
    font_->Assign(*source.font_);
    layout_ = source.layout_;
    spacing_ = source.spacing_;
    Changed();
}

void TGDIPDialogButton::Draw(TGPGraphics& graphics, const std::string& caption, int left, int top, int width,
                             int height, TColor color, TColor focusColor, int focusWidth, int focusAlpha,
                             int colorAlpha, bool focused, bool pressed, TDcGDIPPicture* picture, bool drawInRect)
{
    const TGPRectF b{float(left), float(top), float(width), float(height)};
    const TGPGraphicsPath body = CreateRoundRectPath(b, 4, rtBoth);
    const ARGB face = MakeARGBFromColor(colorAlpha, color);
    graphics.FillPath(TGPLinearGradientBrush(b, face, face, LinearGradientModeVertical), body);
    const TGPRectF upperHalf{b.X, b.Y, b.Width, b.Height / 2};
    graphics.FillPath(TGPLinearGradientBrush(Grown(upperHalf), MakeARGB(125, 255, 255, 255),
                                             MakeARGB(30, 255, 255, 255), LinearGradientModeVertical),
                      CreateRoundRectPath(upperHalf, 4, rtTop));
    if (focused && focusWidth >= 1) {
        TGPGraphicsPath frame = CreateRoundRectPath(b, 4, rtBoth);
        const float fw = float(focusWidth);
        frame.AddPath(CreateRoundRectPath(TGPRectF{b.X + fw, b.Y + fw, b.Width - 2 * fw, b.Height - 2 * fw}, 4, rtBoth));
        graphics.FillPath(TGPSolidBrush(MakeARGBFromColor(focusAlpha, focusColor)), frame);
    }

    const bool hasPicture = picture && picture->HasBytes();
    if (hasPicture && (picture->Width() == 0 || picture->Height() == 0))
        picture->GetImageSizes();
    const int pw = hasPicture ? picture->Width() : 0;
    const int ph = hasPicture ? picture->Height() : 0;
    TGPRectF t = b;
    if (pressed) {
        t.X += 1;
        t.Y += 1;
    }
    float captionLeft = 0;
    float captionTop = 0;
    float captionWidth = 0;
    float captionHeight = 0;
    const auto gpFont = CreateGPFont(*font_);
    TGPStringFormat format = TGPStringFormat::GenericDefault();
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    if (!caption.empty()) {
        if (hasPicture) {
            if (layout_ == blPictureLeft || layout_ == blPictureRight)
                t.Width -= float(pw + spacing_);
            else if (layout_ == blPictureBottom || layout_ == blPictureTop)
                t.Height -= float(ph + spacing_);
        }
        graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
        TGPRectF size;
        graphics.MeasureString(caption, *gpFont, TGPRectF{0, 0, 10000, 10000}, format, &size);
        captionWidth = size.Width;
        captionHeight = size.Height;
        captionLeft = t.X + (t.Width - captionWidth) / 2;
        captionTop = t.Y + (t.Height - captionHeight) / 2;
        if (hasPicture) {
            const float spacing = float(spacing_);
            switch (layout_) {
            case blPictureLeft:
                if (captionLeft - t.X < spacing)
                    captionLeft = t.X + spacing;
                captionLeft += float(pw) + spacing;
                break;
            case blPictureRight:
                if (captionLeft - t.X < spacing) {
                    captionLeft = t.X + spacing;
                    captionWidth = float(width - pw) - 2 * spacing;
                }
                break;
            case blPictureTop: captionTop += float(ph) + spacing; break;
            case blPictureBottom:
            case blNone: break;
            }
        }
        t.X = captionLeft;
        t.Y = captionTop;
        t.Width = captionWidth;
        t.Height = captionHeight;
    }
    if (hasPicture) {
        float px = float(left + (width - pw) / 2 + (pressed ? 2 : 0));
        float py = float(top + (height - ph) / 2 + (pressed ? 2 : 0));
        if (!caption.empty()) {
            switch (layout_) {
            case blPictureLeft: px = captionLeft - float(pw + spacing_); break;
            case blPictureRight: px = captionLeft + captionWidth + float(spacing_); break;
            case blPictureBottom: py = captionTop + captionHeight + float(spacing_); break;
            case blPictureTop: py = captionTop - float(ph + spacing_); break;
            case blNone: break;
            }
        }
        picture->DrawOnGraphics(graphics, Bounds(RoundEven(px), RoundEven(py), pw, ph));
    }
    if (!caption.empty()) {
        const TGPSolidBrush brush(ColorToARGB(font_->Color()));
        if (drawInRect)
            graphics.DrawString(caption, *gpFont, t, format, brush);
        else
            graphics.DrawString(caption, *gpFont, TGPPointF{t.X, t.Y}, format, brush);
    }
}

}  // namespace tarvelon
