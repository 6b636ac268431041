#include "platform/graphics/pen_brush.h"

#include <QColor>

namespace tarvelon {

void TPen::SetColor(TColor color) { Update(color_, color); }

void TPen::SetWidth(int width)
{
    if (width < 1)
        width = 1;
    Update(width_, width);
}

void TPen::SetStyle(TPenStyle style) { Update(style_, style); }

void TPen::SetMode(TPenMode mode) { Update(mode_, mode); }

void TPen::Assign(const TPen& source)
{
    color_ = source.color_;
    width_ = source.width_;
    style_ = source.style_;
    mode_ = source.mode_;
    Changed();
}

void TBrush::SetColor(TColor color) { Update(color_, color); }

void TBrush::SetStyle(TBrushStyle style) { Update(style_, style); }

void TBrush::SetPattern(const QImage& pattern)
{
    pattern_ = pattern;
    Changed();
}

void TBrush::Assign(const TBrush& source)
{
    color_ = source.color_;
    style_ = source.style_;
    pattern_ = source.pattern_;
    Changed();
}

QImage HalftonePattern(TColor first, TColor second)
{
    QImage pattern(8, 8, QImage::Format_RGB32);
    const QRgb a = ToQColor(first).rgb(), b = ToQColor(second).rgb();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (x + y) % 2 == 0 ? a : b);
    return pattern;
}

}  // namespace tarvelon
