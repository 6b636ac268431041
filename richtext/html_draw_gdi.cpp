#include "richtext/html_draw_gdi.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/text_draw.h"
#include "richtext/html_draw_engine.h"

namespace tarvelon {

namespace htmldraw {

namespace {

// Every run is one line, bottom-aligned, with tabs expanded and external leading; measuring adds
// the calculation flag and drawing drops the leading.
constexpr unsigned kRunFlags = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

void TrimLine(std::string& text)
{
    std::size_t first = 0;
    while (first < text.size() && IsBlankOrControl(text[first]))
        ++first;
    std::size_t last = text.size();
    while (last > first && IsBlankOrControl(text[last - 1]))
        --last;
    text = text.substr(first, last - first);
}

}  // namespace

THTMLEngine::THTMLEngine(TCanvas& canvas, const TRect& rect, const THTMLDrawParams& params, THTMLDrawResult& result)
    : canvas_(canvas), rect_(rect), params_(params), result_(result)
{
}

TColor THTMLEngine::Brush() const { return canvas_.Brush.Style() == bsClear ? clNone : canvas_.Brush.Color(); }

void THTMLEngine::SetBrush(TColor color)
{
    if (color == clNone) {
        canvas_.Brush.SetStyle(bsClear);
        return;
    }
    canvas_.Brush.SetColor(color);
    canvas_.Brush.SetStyle(bsSolid);
}

TSnapshot THTMLEngine::Capture() const { return TSnapshot{state_, canvas_.Font, Brush()}; }

void THTMLEngine::Restore(const TSnapshot& snapshot)
{
    state_ = snapshot.state;
    canvas_.Font.Assign(snapshot.font);
    SetBrush(snapshot.brush);
}

int THTMLEngine::AlignedStart(int width) const
{
    int x = rect_.Left;
    if (state_.alignment == 1 && rect_.Left < rect_.Right - width)
        x = rect_.Right - width;
    const int free = rect_.Right - rect_.Left - width;
    if (state_.alignment == 2 && free > 0)
        x = rect_.Left + free / 2;
    return x + state_.indent;
}

bool THTMLEngine::Run(std::string text)
{
    result_ = THTMLDrawResult{};
    baseFont_.Assign(canvas_.Font);
    const TBrush savedBrush = canvas_.Brush;
    const TPen savedPen = canvas_.Pen;
    const int savedBkMode = canvas_.BkMode();
    startBrush_ = canvas_.Brush.Color();
    SetBrush(clNone);
    canvas_.SetBkMode(TRANSPARENT);

    if (text.find('&') != std::string::npos)
        markup::ReplaceTextEntities(text);
    const unsigned extraFlags = (text.find(" & ") != std::string::npos ? DT_NOPREFIX : 0u) |
                                (params_.WordWrap ? 0u : DT_END_ELLIPSIS);
    measureFlags_ = kRunFlags | DT_CALCRECT | extraFlags;
    drawFlags_ = (kRunFlags & ~DT_EXTERNALLEADING) | extraFlags;
    markup::ReduceHashTag(text);
    text = LineBreaksToBR(text, true);

    bool hit = false;
    int y = rect_.Top;
    while (!text.empty()) {
        metrics_ = TLineMetrics{};
        state_.subscript = state_.superscript = false;
        const int textHeight = canvas_.TextHeight("gh");
        TrimLine(text);
        if (text.empty())
            break;
        const std::string lineText = text;
        const TSnapshot start = Capture();

        TLinePass measure;
        measure.hitTests = measure.recordsText = params_.SizeOnly;
        measure.lineStart = rect_.Left;
        measure.top = measure.bottom = y;
        std::string measured = text;
        HTMLDrawGDICore(measured, measure);

        // A line without text or picture (between two <BR>) is one text height high.
        const int lineHeight = (measure.height > 0 ? measure.height : textHeight) + params_.LineSpacing;
        const int extras = metrics_.subExtra + metrics_.supExtra;
        const int lineBottom = y + lineHeight + extras;
        if (params_.SizeOnly) {
            text = measured;
        } else {
            const int x = AlignedStart(measure.width);
            Restore(start);
            TLinePass paint;
            paint.measuring = params_.NoDraw;
            paint.hitTests = params_.NoDraw;
            paint.recordsText = true;
            paint.lineStart = x;
            paint.top = y;
            paint.bottom = lineBottom;
            HTMLDrawGDICore(text, paint);
            const int textBottom = lineBottom - metrics_.textOffset;
            if ((paint.anchorHit && params_.Y > textBottom - textHeight && params_.Y < textBottom) || paint.pictureHit)
                hit = true;
        }
        // A line that took nothing (which well-formed markup never gives) must not stop the call.
        if (text == lineText)
            text.erase(0, 1);
        y += lineHeight + extras;
        result_.MeasuredHeight += lineHeight + extras;
        if (!params_.SizeOnly && y + textHeight > rect_.Bottom)
            text.clear();
    }
    if (result_.MeasuredHeight == 0)
        result_.MeasuredHeight = canvas_.TextHeight("gh");
    result_.AnchorCount = state_.anchorCount;

    canvas_.Font.Assign(baseFont_);
    canvas_.Brush = savedBrush;
    canvas_.Pen = savedPen;
    canvas_.SetBkMode(savedBkMode);
    return hit;
}

}  // namespace htmldraw

bool HTMLDrawGDI(TCanvas& Canvas, const std::string& Text, const TRect& Rect, const THTMLDrawParams& params,
                 THTMLDrawResult& result)
{
    htmldraw::THTMLEngine engine(Canvas, Rect, params, result);
    return engine.Run(Text);
}

void DrawGradientGDI(TCanvas& canvas, TColor fromColor, TColor toColor, bool horizontal, const TRect& rect,
                     int steps, TColor borderColor)
{
    const TColor from = ColorToRGB(fromColor);
    const TColor to = ColorToRGB(toColor);
    const int n = steps > 0 ? steps : 1;
    const double stepRed = double(GetRValue(to) - GetRValue(from)) / n;
    const double stepGreen = double(GetGValue(to) - GetGValue(from)) / n;
    const double stepBlue = double(GetBValue(to) - GetBValue(from)) / n;
    const int low = horizontal ? rect.Left : rect.Top;
    const int high = horizontal ? rect.Right : rect.Bottom;
    const double band = double(high - low) / n;
    const TBrush savedBrush = canvas.Brush;
    const TPen savedPen = canvas.Pen;
    canvas.Brush.SetStyle(bsSolid);
    for (int i = 0; i < n; ++i) {
        const TColor color = RGB(GetRValue(from) + int(std::nearbyint(i * stepRed)),
                                 GetGValue(from) + int(std::nearbyint(i * stepGreen)),
                                 GetBValue(from) + int(std::nearbyint(i * stepBlue)));
        const int start = low + int(std::nearbyint(i * band));
        const int end = std::min(start + int(std::nearbyint(band)) + 1, high);
        canvas.Brush.SetColor(color);
        if (horizontal)
            canvas.FillRect(TRect{start, rect.Top, end, rect.Bottom});
        else
            canvas.FillRect(TRect{rect.Left, start, rect.Right, end});
    }
    if (borderColor != clNone) {
        canvas.Brush.SetStyle(bsClear);
        canvas.Pen.SetColor(borderColor);
        canvas.Pen.SetStyle(psSolid);
        canvas.Rectangle(rect);
    }
    canvas.Brush = savedBrush;
    canvas.Pen = savedPen;
}

void DrawBitmapStretched(TCanvas& canvas, const TRect& rect, const TBitmap& bitmap)
{
    canvas.StretchDraw(rect, bitmap);
}

}  // namespace tarvelon
