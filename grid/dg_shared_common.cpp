#include "grid/dg_shared_common.h"

#include <algorithm>
#include <stdexcept>

#include <QString>

#include "core/basics/rounding.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/hint_window.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {

bool IsUnicode = true;

namespace {

// The characters the Western code page holds in 0x80..0x9F.
bool InWesternCodePage(char32_t c)
{
    static const std::u32string upper = U"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF) || upper.find(c) != std::u32string::npos;
}

}  // namespace

std::string PlatformText(const std::string& text)
{
    if (IsUnicode)
        return text;
    QString converted = QString::fromStdString(text);
    const std::u32string codes = converted.toStdU32String();
    std::u32string shown;
    for (char32_t c : codes)
        shown += InWesternCodePage(c) ? c : U'?';
    return QString::fromStdU32String(shown).toStdString();
}

TDgFormatSettings& DgFormatSettings()
{
    static TDgFormatSettings settings;
    return settings;
}

TSize WideTextExtent(const TCanvas& canvas, const std::string& text)
{
    return GetTextExtentPoint32(canvas, PlatformText(text));
}

int WideTextWidth(const TCanvas& canvas, const std::string& text)
{
    return WideTextExtent(canvas, text).cx;
}

int WideTextHeight(const TCanvas& canvas, const std::string& text)
{
    return WideTextExtent(canvas, text).cy;
}

int WideTextRectHeight(TCanvas& canvas, const std::string& text, const TRect& rect)
{
    TRect measured = rect;
    DrawTextEx(canvas, PlatformText(text), measured, DT_CALCRECT);
    return measured.Bottom - measured.Top;
}

void ActivateHintWide(THintWindow* hintWindow, const TRect& rect, const std::string& text)
{
    hintWindow->ActivateHint(rect, PlatformText(text));
}

void CalcHintRectWide(THintWindow* hintWindow, int maxWidth, const std::string& text, TRect& rect)
{
    rect = hintWindow->CalcHintRect(maxWidth, PlatformText(text));
}

void HideHintWindow(THintWindow* hintWindow)
{
    if (hintWindow)
        hintWindow->ReleaseHint();
}

bool IsParentFormActive(TControl* control)
{
    TForm* form = control ? control->ParentForm() : nullptr;
    return form && form->Active();
}

void Swap(int& a, int& b)
{
    std::swap(a, b);
}

bool MovedBeyond(TPoint p, TPoint q, int tolerance)
{
    return p.X < q.X - tolerance || p.X > q.X + tolerance || p.Y < q.Y - tolerance || p.Y > q.Y + tolerance;
}

void DrawVerticalText(TCanvas& canvas, const TRect& rect, const std::string& text)
{
    const TFont saved = canvas.Font;
    canvas.Font.SetOrientation(900);
    const int oldMode = canvas.BkMode();
    canvas.SetBkMode(TRANSPARENT);
    TRect box = rect;
    DrawText(canvas, PlatformText(text), box, DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX | DT_EXTERNALLEADING);
    canvas.SetBkMode(oldMode);
    canvas.Font = saved;
}

// ---- TCalcProvider

double TCalcProvider::Percent(double value, double total)
{
    return value / total * 100;
}

bool TCalcProvider::RectsTouch(const TRect& a, const TRect& b)
{
    return !(a.Right < b.Left || a.Left > b.Right || a.Bottom < b.Top || a.Top > b.Bottom);
}

TPoint TCalcProvider::PlaceInRect(int width, int height, const TRect& rect, int horzAlign, int vertAlign, int margin)
{
    const int centreX = (rect.Left + rect.Right) / 2;
    const int centreY = (rect.Top + rect.Bottom) / 2;
    TPoint point;
    switch (horzAlign) {
    case 1: point.X = rect.Right - (margin + width); break;
    case 2: point.X = centreX - width / 2; break;
    default: point.X = rect.Left + margin; break;
    }
    switch (vertAlign) {
    case 1: point.Y = rect.Bottom - (margin + height); break;
    case 2: point.Y = centreY - height / 2; break;
    default: point.Y = rect.Top + margin; break;
    }
    return point;
}

TRect TCalcProvider::ResizeRect(const TRect& rect, int dLeft, int dTop, int dRight, int dBottom)
{
    return Rect(rect.Left + dLeft, rect.Top + dTop, rect.Right + dRight, rect.Bottom + dBottom);
}

// ---- TGraphicsProvider

TColor TGraphicsProvider::BlendColor(TColor c1, TColor c2, int alpha)
{
    if (alpha < 0 || alpha > 255)
        throw std::logic_error("Assertion failure (grid/dg_shared_common.cpp, BlendColor)");
    // Two lanes of the packed value: red and blue together, then green.
    const auto a = static_cast<std::uint32_t>(ColorToRGB(c1));
    const auto b = static_cast<std::uint32_t>(ColorToRGB(c2));
    const auto weight = static_cast<std::uint32_t>(alpha);
    const std::uint32_t redBlue = (((a & 0xFF00FF) * weight + (b & 0xFF00FF) * (255 - weight)) >> 8) & 0xFF00FF;
    const std::uint32_t green = (((a & 0xFF00) * weight + (b & 0xFF00) * (255 - weight)) >> 8) & 0xFF00;
    return static_cast<TColor>(redBlue | green);
}

TColor TGraphicsProvider::MixColors(TColor c1, TColor c2, double t)
{
    const TColor a = ColorToRGB(c1);
    const TColor b = ColorToRGB(c2);
    const auto mix = [t](int x, int y) { return static_cast<int>(Round(y * t + (1 - t) * x)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void TGraphicsProvider::SetClipRect(TCanvas& canvas, const TRect& rect)
{
    canvas.SetClipRect(rect);
}

void TGraphicsProvider::DrawButtonFrame(TCanvas& canvas, const TRect& rect, bool dark)
{
    canvas.Brush.SetColor(clBtnFace);
    canvas.Brush.SetStyle(bsSolid);
    canvas.FillRect(Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetColor(clBtnHighlight);
    canvas.Polyline({Point(rect.Left, rect.Bottom - 1), Point(rect.Left, rect.Top), Point(rect.Right, rect.Top)});
    canvas.Pen.SetColor(dark ? clWindowFrame : clBtnShadow);
    canvas.Polyline({Point(rect.Right - 1, rect.Top + 1), Point(rect.Right - 1, rect.Bottom - 1),
                     Point(rect.Left - 1, rect.Bottom - 1)});
}

void TGraphicsProvider::DrawFocus(TCanvas& canvas, const TRect& rect, bool solid)
{
    if (solid) {
        canvas.Brush.SetColor(clHighlight);
        canvas.Brush.SetStyle(bsSolid);
        canvas.FrameRect(rect);
        return;
    }
    const TColor oldBk = canvas.BkColor();
    const TColor oldText = canvas.TextColor();
    canvas.SetBkColor(clBlack);
    canvas.SetTextColor(clWhite);
    canvas.DrawFocusRect(rect);
    canvas.SetBkColor(oldBk);
    canvas.SetTextColor(oldText);
}

namespace {

// One line of the blend per pixel row (vertical) or column, from the first colour to the second.
void DrawGradientLines(TCanvas& canvas, const TRect& rect, TColor beginColor, TColor endColor, bool byRows)
{
    const int first = byRows ? rect.Top : rect.Left;
    const int last = byRows ? rect.Bottom : rect.Right;
    canvas.Pen.SetStyle(psSolid);
    canvas.Pen.SetWidth(1);
    for (int i = first; i < last; ++i) {
        canvas.Pen.SetColor(TGraphicsProvider::MixColors(beginColor, endColor, static_cast<double>(i - first) / (last - first)));
        canvas.MoveTo(byRows ? rect.Left : i, byRows ? i : rect.Top);
        canvas.LineTo(byRows ? rect.Right : i, byRows ? i : rect.Bottom);
    }
}

}  // namespace

void TGraphicsProvider::DrawGradientV(TCanvas& canvas, const TRect& rect, TColor beginColor, TColor endColor)
{
    DrawGradientLines(canvas, rect, beginColor, endColor, true);
}

void TGraphicsProvider::DrawGradientH(TCanvas& canvas, const TRect& rect, TColor beginColor, TColor endColor)
{
    DrawGradientLines(canvas, rect, beginColor, endColor, false);
}

namespace {

unsigned HorizontalFlags(int alignment)
{
    return alignment == 1 ? DT_RIGHT : alignment == 2 ? DT_CENTER : DT_LEFT;
}

}  // namespace

void TGraphicsProvider::DrawTextRect(TCanvas& canvas, const TRect& rect, bool rightToLeft, const std::string& text,
                                     int alignment)
{
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DT_EXTERNALLEADING;
    flags |= HorizontalFlags(alignment);
    if (rightToLeft)
        flags |= DT_RTLREADING;
    canvas.Brush.SetStyle(bsClear);
    TRect box = rect;
    DrawText(canvas, PlatformText(text), box, flags);
    canvas.Brush.SetStyle(bsSolid);
}

void TGraphicsProvider::DrawTextRectEx(TCanvas& canvas, const TRect& rect, bool rightToLeft, const std::string& text,
                                       bool wordWrap, int vertAlign, int alignment)
{
    unsigned flags = DT_NOPREFIX | HorizontalFlags(alignment);
    if (rightToLeft)
        flags |= DT_RTLREADING;
    const std::string shown = PlatformText(text);
    TRect box = rect;
    if (wordWrap) {
        TRect measured = rect;
        DrawText(canvas, shown, measured, flags | DT_CALCRECT | DT_WORDBREAK);
        if (vertAlign == 1)
            box.Top = box.Bottom - measured.Height();
        else if (vertAlign == 2)
            box.Top += static_cast<int>(Round((box.Bottom - measured.Bottom) / 2.0));
        flags |= DT_WORDBREAK;
    } else {
        flags |= DT_SINGLELINE;
        if (vertAlign == 1)
            flags |= DT_BOTTOM;
        else if (vertAlign == 2)
            flags |= DT_VCENTER;
    }
    canvas.Brush.SetStyle(bsClear);
    DrawText(canvas, shown, box, flags);
    canvas.Brush.SetStyle(bsSolid);
}

// ---- bitmaps

namespace {

// Copies what the canvas shows under the bitmap into a work bitmap, lets `blend` mix each pixel
// (source BGRA, destination BGR in place), and draws the result back.
template <typename Blend>
void BlendBitmapOnto(TCanvas& canvas, int x, int y, TBitmap& bitmap, Blend blend)
{
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width <= 0 || height <= 0)
        return;
    TBitmap work(width, height, pf24bit);
    work.Canvas().CopyRect(Rect(0, 0, width, height), canvas, Rect(x, y, x + width, y + height));
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* source = bitmap.ScanLine(row);
        std::uint8_t* target = work.ScanLine(row);
        for (int col = 0; col < width; ++col)
            blend(source + 4 * col, target + 3 * col);
    }
    canvas.Draw(x, y, work);
}

}  // namespace

void TDrawProvider::DrawBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap)
{
    if (bitmap.PixelFormat() != pf32bit) {
        canvas.Draw(x, y, bitmap);
        return;
    }
    BlendBitmapOnto(canvas, x, y, bitmap, [](const std::uint8_t* src, std::uint8_t* dst) {
        const double alpha = src[3] / 255.0;
        for (int channel = 0; channel < 3; ++channel) {
            const auto value = Round(src[channel] * alpha) + Round((1 - alpha) * dst[channel]);
            dst[channel] = static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
        }
    });
}

void DrawTextRect(TCanvas& canvas, const TRect& rect, bool rightToLeft, const std::string& text, int alignment)
{
    TGraphicsProvider::DrawTextRect(canvas, rect, rightToLeft, text, alignment);
}

void SetClipRect(TCanvas& canvas, const TRect& rect)
{
    TGraphicsProvider::SetClipRect(canvas, rect);
}

// ---- the display painters' routines

namespace DgSharedDraw {

TColor BlendColor(TColor c1, TColor c2, int alpha)
{
    return TGraphicsProvider::BlendColor(c1, c2, alpha);
}

TColor MixColors(TColor c1, TColor c2, double t)
{
    return TGraphicsProvider::MixColors(c1, c2, t);
}

void DrawBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap)
{
    if (bitmap.PixelFormat() != pf32bit) {
        canvas.Draw(x, y, bitmap);
        return;
    }
    BlendBitmapOnto(canvas, x, y, bitmap, [](const std::uint8_t* src, std::uint8_t* dst) {
        const TColor source = RGB(src[2], src[1], src[0]);
        const TColor under = RGB(dst[2], dst[1], dst[0]);
        const TColor mixed = TMaskProvider::BlendColor(source, under, src[3]);
        dst[0] = static_cast<std::uint8_t>(GetBValue(mixed));
        dst[1] = static_cast<std::uint8_t>(GetGValue(mixed));
        dst[2] = static_cast<std::uint8_t>(GetRValue(mixed));
    });
}

void DrawGradientV(TCanvas& canvas, const TRect& rect, TColor beginColor, TColor endColor)
{
    TGraphicsProvider::DrawGradientV(canvas, rect, beginColor, endColor);
}

void SetClipRect(TCanvas& canvas, const TRect& rect)
{
    TGraphicsProvider::SetClipRect(canvas, rect);
}

}  // namespace DgSharedDraw
}  // namespace tarvelon
