#include "platform/graphics/pen_brush.h"

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

void TBrush::Assign(const TBrush& source)
{
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

}  // namespace tarvelon
