// The cylinder-shaded progress bar.
#include "controls/progress_cyl.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/dc_smooth_gdip.h"
#include "platform/graphics/blit.h"

namespace tarvelon {

void TPCColorStyle::Assign(const TPCColorStyle& s)
{
    SetIntensityRGB(s.intensityRGB_);
    SetIntensity(s.intensity_);
    SetIntensityFactor(s.intensityFactor_);
    SetRangeRGB(s.rangeRGB_);
    SetColorRGB(s.colorRGB_);
    SetColorFactor(s.colorFactor_);
    SetLightAngle(s.lightAngle_);
}

TChannelFactors CylinderColorFactors(TColor color, const TPCColorStyle& style)
{
    const TColor rgb = ColorToRGB(color);
    const int channels[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
    TChannelFactors factors{};
    // Worked out in full and stored in single precision once.
    for (int i = 0; i < 3; ++i) {
        const double c = channels[i];
        factors[std::size_t(i)] = float(
            ((c * double(style.IntensityFactor()) + style.IntensityRGB()) / double(style.Intensity()) + c) /
            style.RangeRGB());
    }
    return factors;
}

int CylinderShade(int counter, int step, const TPCColorStyle& style, float k)
{
    const double base = double(std::abs(counter)) * step * double(style.ColorFactor()) + style.ColorRGB();
    return std::clamp(int(std::trunc(base * double(k))), 0, 255);
}

namespace {

TColor Shifted(TColor color, int delta)
{
    const TColor rgb = ColorToRGB(color);
    auto channel = [delta](int v) { return std::clamp(v + delta, 0, 255); };
    return RGB(channel(GetRValue(rgb)), channel(GetGValue(rgb)), channel(GetBValue(rgb)));
}

// The classic 3-D frame: top and left in one colour, bottom and right in the other, `width`
// rings inward from the rectangle's edge.
void Frame3D(TCanvas& canvas, TRect rect, TColor topColor, TColor bottomColor, int width)
{
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    --rect.Bottom;
    --rect.Right;
    for (; width > 0; --width) {
        canvas.Pen.SetColor(topColor);
        canvas.Polyline({Point(rect.Left, rect.Bottom), Point(rect.Left, rect.Top), Point(rect.Right, rect.Top)});
        canvas.Pen.SetColor(bottomColor);
        canvas.Polyline(
            {Point(rect.Right, rect.Top), Point(rect.Right, rect.Bottom), Point(rect.Left - 1, rect.Bottom)});
        InflateRect(rect, -1, -1);
    }
}

// One shaded pixel: each channel clamp(trunc((|counter| * step * ColorFactor + ColorRGB) * k)),
// worked out from the single-precision factors without rounding between the steps.
void PutShade(std::uint8_t* pixel, int counter, int step, const TPCColorStyle& style, const TChannelFactors& k)
{
    for (int i = 0; i < 3; ++i)
        pixel[i] = std::uint8_t(CylinderShade(counter, step, style, k[std::size_t(i)]));
}

}  // namespace

TProgressCyl::TProgressCyl(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(Left(), Top(), 150, 22);
    SetColor(clBtnFace);
    Font().SetName("Arial");
    Font().SetSize(9);
    Font().SetStyle(TFontStyles{fsBold});
    Font().SetColor(clBlack);
    foreStyle_.OnChange = [this] {
        ComputeFactors();
        Invalidate();
    };
    backStyle_.OnChange = foreStyle_.OnChange;
    ComputeFactors();
    ComputeBevelColors();
    ComputeGeometry();
    PrepareFontEffect();
}

TProgressCyl::~TProgressCyl() = default;

int TProgressCyl::Level() const
{
    static const int kLevels[] = {1, 51, 102, 153, 204, 255};
    return kLevels[cylinderEffect_];
}

bool TProgressCyl::BarAreaFits(int bevelWidth, int borderWidth) const
{
    const int o = 2 * bevelWidth + borderWidth;
    return Width() - 2 * o >= 1 && Height() - 2 * o >= 1;
}

void TProgressCyl::ComputeFactors()
{
    foreFactors_ = CylinderColorFactors(foreColor_, foreStyle_);
    lineFactors_ = CylinderColorFactors(foreLineColor_, foreStyle_);
    backFactors_ = CylinderColorFactors(backColor_, backStyle_);
}

void TProgressCyl::ComputeBevelColors()
{
    TColor light, dark, light3D, darkShadow3D;
    if (bevelColor_ == clBtnFace) {
        light = clBtnHighlight;
        dark = clBtnShadow;
        light3D = cl3DLight;
        darkShadow3D = cl3DDkShadow;
    } else {
        light = light3D = Shifted(bevelColor_, 64);
        dark = darkShadow3D = Shifted(bevelColor_, -64);
    }
    const bool noGap = borderWidth_ == 0;
    switch (bevelInner_) {
    case bvSpace: innerPair_ = {Color(), Color()}; break;
    case bvLowered:
        innerPair_ = bevelOuter_ == bvLowered && noGap ? BevelPair{darkShadow3D, light3D} : BevelPair{dark, light};
        break;
    case bvRaised: innerPair_ = {bevelOuter_ == bvRaised && noGap ? light3D : light, dark}; break;
    case bvNone: break;
    }
    switch (bevelOuter_) {
    case bvSpace: outerPair_ = {Color(), Color()}; break;
    case bvLowered: outerPair_ = {dark, light}; break;
    case bvRaised: outerPair_ = {light, bevelInner_ == bvRaised && noGap ? darkShadow3D : dark}; break;
    case bvNone: break;
    }
}

void TProgressCyl::ComputeGeometry()
{
    const int o = Offset();
    const int across = orientation_ == pbHorizontal ? Height() - 2 * o : Width() - 2 * o;
    if (across > 0)
        shadeStep_ = Level() / across;
    ComputeProgress();
}

bool TProgressCyl::ComputeProgress()
{
    const int o = Offset();
    const int range = max_ - min_;
    const int p = position_ - min_;
    // f is kept in single precision, but each product is rounded to a whole pixel only once (a
    // product rounded to single first makes 150 x 1 x 0.01 exactly 1.5 and the bar a pixel wider).
    const double f = double(1.0f / float(range));
    const int percentage = RoundEven(double(p) / range * 100);
    const int length = orientation_ == pbHorizontal ? Width() : Height();
    const int e = RoundEven(double(length) * p * f) + 2 * o - RoundEven(double(2 * o) * p * f);
    const int edge = orientation_ == pbHorizontal ? std::max(e - o, o + 1) : (Height() - o) - (e - 2 * o);
    const bool changed = percentage != percentage_ || edge != fillEdge_;
    percentage_ = percentage;
    fillEdge_ = edge;
    return changed;
}

void TProgressCyl::SetPosition(int value)
{
    position_ = std::clamp(value, min_, max_);
    if (!ComputeProgress())
        return;
    if (position_ == max_ && OnProgressDone)
        OnProgressDone(this);
    Invalidate();
}

void TProgressCyl::SetMin(int value)
{
    if (value == min_)
        return;
    if (value == max_)
        value = max_ - 1;
    if (value >= max_)
        return;
    min_ = value;
    position_ = std::max(position_, min_);
    ComputeGeometry();
    Invalidate();
}

void TProgressCyl::SetMax(int value)
{
    if (value == max_)
        return;
    if (value == min_)
        value = min_ + 1;
    if (value <= min_)
        return;
    max_ = value;
    position_ = std::min(position_, max_);
    ComputeGeometry();
    Invalidate();
}

void TProgressCyl::SetOrientation(TProgressBarOrientation value)
{
    orientation_ = value;
    fontOrientation_ = value == pbVertical ? foBottomToTop : foLeftToRight;
    ComputeGeometry();
    Invalidate();
}

void TProgressCyl::SetForeColor(TColor color)
{
    foreColor_ = color;
    ComputeFactors();
    Invalidate();
}

void TProgressCyl::SetForeLineColor(TColor color)
{
    foreLineColor_ = color;
    ComputeFactors();
    Invalidate();
}

void TProgressCyl::SetBackColor(TColor color)
{
    backColor_ = color;
    ComputeFactors();
    Invalidate();
}

void TProgressCyl::SetBackBorderColor(TColor color)
{
    StoreAndRepaint(backBorderColor_, color);
}

void TProgressCyl::SetBevelColor(TColor color)
{
    bevelColor_ = color;
    ComputeBevelColors();
    Invalidate();
}

void TProgressCyl::SetBevelInner(TBevelCut cut)
{
    if (cut == bevelInner_)
        return;
    bevelInner_ = cut;
    ComputeBevelColors();
    ComputeGeometry();
    Invalidate();
}

void TProgressCyl::SetBevelOuter(TBevelCut cut)
{
    if (cut == bevelOuter_)
        return;
    bevelOuter_ = cut;
    ComputeBevelColors();
    ComputeGeometry();
    Invalidate();
}

void TProgressCyl::SetBevelWidth(int width)
{
    if (width == bevelWidth_ || !BarAreaFits(width, borderWidth_))
        return;
    bevelWidth_ = width;
    ComputeBevelColors();
    ComputeGeometry();
    Invalidate();
}

void TProgressCyl::SetBorderWidth(int width)
{
    if (width == borderWidth_ || !BarAreaFits(bevelWidth_, width))
        return;
    borderWidth_ = width;
    ComputeBevelColors();
    ComputeGeometry();
    Invalidate();
}

void TProgressCyl::SetCylinderEffect(TCylinderEffect effect)
{
    if (effect == cylinderEffect_)
        return;
    cylinderEffect_ = effect;
    ComputeGeometry();
    Invalidate();
}

void TProgressCyl::PrepareFontEffect()
{
    if (!showText_)
        return;
    shadowOffset_ = fontEffect_ == feShadowTopLeft ? -1 : fontEffect_ == feShadowBottomRight ? 1 : 0;
}

void TProgressCyl::SetShowText(bool show)
{
    if (show == showText_)
        return;
    showText_ = show;
    PrepareFontEffect();
    Invalidate();
}

void TProgressCyl::SetFontEffect(TFontEffect effect)
{
    if (effect == fontEffect_)
        return;
    fontEffect_ = effect;
    PrepareFontEffect();
    Invalidate();
}

void TProgressCyl::SetText(const std::string& text)
{
    StoreAndRepaint(text_, text);
}

void TProgressCyl::SetTextDone(const std::string& text)
{
    StoreAndRepaint(textDone_, text);
}

void TProgressCyl::SetFontShadowColor(TColor color)
{
    StoreAndRepaint(fontShadowColor_, color);
}

void TProgressCyl::SetFontOrientation(TFontOrientation orientation)
{
    StoreAndRepaint(fontOrientation_, orientation);
}

void TProgressCyl::SysColorChange()
{
    ComputeFactors();
    ComputeBevelColors();
    Invalidate();
}

void TProgressCyl::Resize()
{
    TGraphicControl::Resize();
    ComputeGeometry();
}

void TProgressCyl::MouseEnter()
{
    mouseInside_ = true;
    TGraphicControl::MouseEnter();
    Invalidate();
}

void TProgressCyl::MouseLeave()
{
    mouseInside_ = false;
    TGraphicControl::MouseLeave();
    Invalidate();
}

std::string TProgressCyl::ShownText() const
{
    if (!textDone_.empty() && percentage_ == 100)
        return textDone_;
    return std::to_string(percentage_) + text_;
}

void TProgressCyl::Shade(TBitmap& buffer)
{
    const int w = Width();
    const int h = Height();
    const int o = Offset();
    const int s = shadeStep_;
    if (orientation_ == pbHorizontal) {
        int df = int(std::trunc(float(h - 2 * o) / foreStyle_.LightAngle()));
        int db = int(std::trunc(float(h - 2 * o) / backStyle_.LightAngle()));
        for (int y = o; y <= h - o - 1; ++y, ++df, ++db) {
            std::uint8_t* row = buffer.ScanLine(y);
            for (int x = o; x <= w - o - 1; ++x) {
                if (x < fillEdge_)
                    PutShade(row + 3 * x, df, s, foreStyle_, foreFactors_);
                else if (x == fillEdge_)
                    PutShade(row + 3 * x, df, s, foreStyle_, lineFactors_);
                else
                    PutShade(row + 3 * x, db, s, backStyle_, backFactors_);
            }
        }
        return;
    }
    for (int y = o; y <= h - o - 1; ++y) {
        std::uint8_t* row = buffer.ScanLine(y);
        int df = int(std::trunc(float(w - 2 * o) / foreStyle_.LightAngle()));
        int db = int(std::trunc(float(w - 2 * o) / backStyle_.LightAngle()));
        for (int x = o; x <= w - o - 1; ++x, ++df, ++db) {
            if (y < fillEdge_)
                PutShade(row + 3 * x, db, s, backStyle_, backFactors_);
            else if (y == fillEdge_)
                PutShade(row + 3 * x, df, s, foreStyle_, lineFactors_);
            else
                PutShade(row + 3 * x, df, s, foreStyle_, foreFactors_);
        }
    }
}

void TProgressCyl::DrawFrames(TCanvas& canvas)
{
    const int w = Width();
    const int h = Height();
    const int o = Offset();
    const int b = bevelWidth_ + borderWidth_;
    Frame3D(canvas, Rect(o, o, w - o, h - o), backBorderColor_, backBorderColor_, 1);
    if (bevelInner_ != bvNone)
        Frame3D(canvas, Rect(b, b, w - b, h - b), innerPair_.topLeft, innerPair_.bottomRight, bevelWidth_);
    if (bevelOuter_ != bvNone)
        Frame3D(canvas, Rect(0, 0, w, h), outerPair_.topLeft, outerPair_.bottomRight, bevelWidth_);
}

void TProgressCyl::DrawProgressText(TBitmap& buffer)
{
    const int w = Width();
    const int h = Height();
    const std::string text = ShownText();
    TCanvas& canvas = buffer.Canvas();
    canvas.Font.Assign(Font());
    canvas.Font.SetOrientation(0);
    const int tw = canvas.TextWidth(text);
    const int th = canvas.TextHeight(text);
    int x = 0;
    int y = 0;
    int escapement = 0;
    switch (fontOrientation_) {
    case foLeftToRight:
        x = (w - tw) / 2;
        y = (h - th) / 2 + 1;
        break;
    case foTopToBottom:
        escapement = 2700;
        x = th + (w - th) / 2 - 1;
        y = (h - tw) / 2;
        break;
    case foBottomToTop:
        escapement = 900;
        x = (w - th) / 2 + 1;
        y = tw + (h - tw) / 2;
        break;
    }
    auto drawAt = [&](TCanvas& target, int px, int py, TColor color) {
        target.Font.Assign(Font());
        target.Font.SetOrientation(escapement);
        target.Font.SetColor(color);
        target.Brush.SetStyle(bsClear);
        target.TextOut(px, py, text);
    };
    if (fontEffect_ == feInvert) {
        TBitmap textBitmap(w, h);
        textBitmap.Canvas().Brush.SetStyle(bsSolid);
        textBitmap.Canvas().Brush.SetColor(clBlack);
        textBitmap.Canvas().FillRect(Rect(0, 0, w, h));
        drawAt(textBitmap.Canvas(), x, y, clWhite);
        BitBlt(canvas, 0, 0, w, h, textBitmap.Canvas(), 0, 0, SRCINVERT);
        return;
    }
    if (fontEffect_ != feNone)
        drawAt(canvas, x + shadowOffset_, y + shadowOffset_, fontShadowColor_);
    drawAt(canvas, x, y, Font().Color());
}

void TProgressCyl::Paint()
{
    const int w = Width();
    const int h = Height();
    if (w < 1 || h < 1)
        return;
    ++paints_;
    TBitmap buffer(w, h, pf24bit);
    buffer.Canvas().Brush.SetStyle(bsSolid);
    buffer.Canvas().Brush.SetColor(Color());
    buffer.Canvas().FillRect(Rect(0, 0, w, h));
    if (BarAreaFits(bevelWidth_, borderWidth_)) {
        Shade(buffer);
        DrawFrames(buffer.Canvas());
    }
    if (showText_)
        DrawProgressText(buffer);
    Canvas().Draw(0, 0, buffer);
}

}  // namespace tarvelon
