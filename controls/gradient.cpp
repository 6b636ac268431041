// The gradient background control: a colour ramp, a pattern of the chosen shape, stretched.
#include "controls/gradient.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/dc_smooth_gdip.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

namespace {

TGradientColor ColorOf(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return {std::uint8_t(GetBValue(rgb)), std::uint8_t(GetGValue(rgb)), std::uint8_t(GetRValue(rgb)), 0};
}

// Each channel of `a` moved by MulDiv(b - a, percent, 100).
TGradientColor Moved(TGradientColor a, TGradientColor b, int percent)
{
    auto move = [percent](int from, int to) { return std::uint8_t(from + MulDiv(to - from, percent, 100)); };
    return {move(a.blue, b.blue), move(a.green, b.green), move(a.red, b.red), 0};
}

// Per channel: base + sign * numerator * delta / denominator, truncated, as a byte.
TGradientColor Step(TGradientColor base, int db, int dg, int dr, int sign, int numerator, int denominator)
{
    auto channel = [&](int from, int delta) { return std::uint8_t(from + sign * (numerator * delta / denominator)); };
    return {channel(base.blue, db), channel(base.green, dg), channel(base.red, dr), 0};
}

}  // namespace

TGradientEnds GradientEnds(TColor begin, TColor end, bool reverse, int shift)
{
    TGradientEnds ends{ColorOf(begin), ColorOf(end)};
    if (reverse)
        std::swap(ends.start, ends.end);
    if (shift >= 1)
        ends.start = Moved(ends.start, ends.end, shift);
    else if (shift < 0)
        ends.end = Moved(ends.end, ends.start, -shift);
    return ends;
}

TGradientColors BuildGradientRamp(const TGradientEnds& ends, int rotation)
{
    const TGradientColor s = ends.start;
    const TGradientColor e = ends.end;
    const int db = e.blue - s.blue;
    const int dg = e.green - s.green;
    const int dr = e.red - s.red;
    TGradientColors colors{};
    const int p = MulDiv(255, rotation, 100);
    if (p == 0) {
        for (int i = 0; i < 256; ++i)
            colors[i] = Step(s, db, dg, dr, 1, i, 255);
    } else if (p > 0) {
        const int q = 255 - p;
        for (int i = 0; i < q; ++i)
            colors[i] = Step(s, db, dg, dr, 1, i, q);
        for (int i = q; i < 256; ++i)
            colors[i] = Step(s, db, dg, dr, 1, 255 - i, p);
    } else {
        const int a = -p;
        for (int i = 0; i <= a; ++i)
            colors[i] = Step(e, db, dg, dr, -1, i, a);
        for (int i = a + 1; i < 256; ++i)
            colors[i] = Step(e, db, dg, dr, -1, 255 - i, 255 - a);
    }
    return colors;
}

namespace {

struct PatternShape {
    int width;
    int height;
};

PatternShape ShapeOf(TGradientStyle style)
{
    switch (style) {
    case gsRadialC: return {362, 362};
    case gsRadialT:
    case gsRadialB: return {362, 181};
    case gsRadialL:
    case gsRadialR: return {181, 362};
    case gsRadialTL:
    case gsRadialTR:
    case gsRadialBL:
    case gsRadialBR: return {181, 181};
    case gsLinearH: return {256, 1};
    case gsLinearV: return {1, 256};
    case gsReflectedH: return {1, 512};
    case gsReflectedV: return {512, 1};
    case gsDiagonalLF:
    case gsDiagonalLB: return {128, 129};
    case gsArrowL:
    case gsArrowR: return {129, 256};
    case gsArrowU:
    case gsArrowD: return {256, 129};
    case gsRadialRect: return {512, 512};
    case gsCustom: return {2, 2};
    default: return {256, 256};
    }
}

// 180 - v up to the middle, mirrored after it (the two middle lines alike).
int Mirrored(int v)
{
    return v <= 180 ? 180 - v : v - 181;
}

int Radial(int dx, int dy)
{
    return RoundEven(std::sqrt(double(dx * dx + dy * dy)));
}

// The ramp index of a pattern pixel.
int IndexAt(TGradientStyle style, int x, int y)
{
    switch (style) {
    case gsRadialC: return Radial(Mirrored(x), Mirrored(y));
    case gsRadialT: return Radial(Mirrored(x), y);
    case gsRadialB: return Radial(Mirrored(x), 180 - y);
    case gsRadialL: return Radial(x, Mirrored(y));
    case gsRadialR: return Radial(180 - x, Mirrored(y));
    case gsRadialTL: return Radial(x, y);
    case gsRadialTR: return Radial(180 - x, y);
    case gsRadialBL: return Radial(x, 180 - y);
    case gsRadialBR: return Radial(180 - x, 180 - y);
    case gsLinearH: return x;
    case gsLinearV: return y;
    case gsReflectedH: return 255 - (y < 256 ? y : 511 - y);
    case gsReflectedV: return 255 - (x < 256 ? x : 511 - x);
    case gsDiagonalLF: return x + y;
    case gsDiagonalLB: return y + 127 - x;
    case gsDiagonalRF: return x + y < 255 ? 255 - (x + y) : x + y - 255;
    case gsDiagonalRB: return std::abs(x - y);
    case gsArrowL: return y < 128 ? 255 - (x + y) : y - x;
    case gsArrowR: return y < 128 ? x - y + 127 : x + y - 128;
    case gsArrowU: return x < 128 ? 255 - (x + y) : x - y;
    case gsArrowD: return x < 128 ? y - x + 127 : x + y - 128;
    case gsDiamond:
        if (y < 128)
            return x < 128 ? 255 - (x + y) : x - y;
        return x < 128 ? y - x : x + y - 255;
    case gsButterfly:
        if (y < 128)
            return x < 128 ? x - y + 128 : 383 - (x + y);
        return x < 128 ? x + y - 128 : y - x + 128;
    case gsRadialRect: return std::min({x, y, 511 - x, 511 - y});
    case gsCustom: return 0;
    }
    return 0;
}

void PutPixel(TBitmap& pattern, int x, int y, TGradientColor color)
{
    std::uint8_t* pixel = pattern.ScanLine(y) + 4 * x;
    pixel[0] = color.blue;
    pixel[1] = color.green;
    pixel[2] = color.red;
    pixel[3] = 0;
}

}  // namespace

void BuildGradientPattern(TGradientStyle style, const TGradientColors& colors, const TGradientEnds& ends,
                          TBitmap& pattern)
{
    pattern.SetPixelFormat(pf32bit);
    const PatternShape shape = ShapeOf(style);
    pattern.SetSize(shape.width, shape.height);
    if (style == gsCustom) {
        PutPixel(pattern, 0, 0, ends.start);
        PutPixel(pattern, 1, 1, ends.start);
        PutPixel(pattern, 1, 0, ends.end);
        PutPixel(pattern, 0, 1, ends.end);
        return;
    }
    for (int y = 0; y < shape.height; ++y) {
        for (int x = 0; x < shape.width; ++x)
            PutPixel(pattern, x, y, colors[std::size_t(std::clamp(IndexAt(style, x, y), 0, 255))]);
    }
}

// ---- TGradient ---------------------------------------------------------------------------------

TGradient::TGradient(TComponent* owner) : TGraphicControl(owner), pattern_(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), 100, 100);
    UpdatePattern();
}

TGradient::~TGradient() = default;

void TGradient::ColorChanging(TColor& field, TColor color)
{
    if (field == color)
        return;
    field = color;
    useSysColors_ = false;
    UpdatePattern();
}

void TGradient::SetColorBegin(TColor color)
{
    ColorChanging(colorBegin_, color);
}

void TGradient::SetColorEnd(TColor color)
{
    ColorChanging(colorEnd_, color);
}

void TGradient::SetStyle(TGradientStyle style)
{
    if (style_ == style)
        return;
    style_ = style;
    UpdatePattern();
}

void TGradient::SetShift(int shift)
{
    shift = std::clamp(shift, -100, 100);
    if (shift_ == shift)
        return;
    shift_ = shift;
    UpdatePattern();
}

void TGradient::SetRotation(int rotation)
{
    rotation = std::clamp(rotation, -100, 100);
    if (rotation_ == rotation)
        return;
    rotation_ = rotation;
    UpdatePattern();
}

void TGradient::SetReverse(bool reverse)
{
    if (reverse_ == reverse)
        return;
    reverse_ = reverse;
    UpdatePattern();
}

void TGradient::SetUseSysColors(bool use)
{
    if (useSysColors_ == use)
        return;
    useSysColors_ = use;
    if (use)
        UpdateSysColors();
}

void TGradient::SetBorderColor(TColor color)
{
    if (borderColor_ == color)
        return;
    borderColor_ = color;
    Invalidate();
}

void TGradient::SetBorderWidth(int width)
{
    if (borderWidth_ == width)
        return;
    borderWidth_ = width;
    Invalidate();
}

void TGradient::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0 && dirty_)
        UpdatePattern();
}

void TGradient::UpdatePattern()
{
    if (updateCount_ > 0 || Loading()) {
        dirty_ = true;
        return;
    }
    dirty_ = false;
    paintingPattern_ = true;
    const TGradientEnds ends = GradientEnds(colorBegin_, colorEnd_, reverse_, shift_);
    colors_ = BuildGradientRamp(ends, rotation_);
    if (style_ == gsCustom && OnCustom)
        OnCustom(this, colors_, *pattern_);
    else
        BuildGradientPattern(style_, colors_, ends, *pattern_);
    paintingPattern_ = false;
    ++builds_;
    Invalidate();
}

void TGradient::UpdateSysColors()
{
    BeginUpdate();
    SetColorBegin(GetSysColor(COLOR_ACTIVECAPTION));
    SetColorEnd(GetSysColor(COLOR_GRADIENTACTIVECAPTION));
    useSysColors_ = true;
    dirty_ = true;
    EndUpdate();
}

void TGradient::SysColorChange()
{
    if (useSysColors_)
        UpdateSysColors();
}

void TGradient::Loaded()
{
    TGraphicControl::Loaded();
    UpdatePattern();
}

void TGradient::Paint()
{
    if (paintingPattern_)
        return;
    TCanvas& canvas = Canvas();
    TRect area = ClientRect();
    if (borderWidth_ > 0) {
        canvas.Pen.SetWidth(borderWidth_);
        canvas.Pen.SetColor(borderColor_);
        canvas.Pen.SetStyle(psInsideFrame);
        canvas.Brush.SetStyle(bsClear);
        canvas.Rectangle(area);
        InflateRect(area, -borderWidth_, -borderWidth_);
    }
    if (!pattern_->Empty())
        canvas.StretchDraw(area, *pattern_);
}

}  // namespace tarvelon
