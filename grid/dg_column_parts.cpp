// The header and footer parts of a column and its slide rectangle.
#include "grid/dg_columns.h"

namespace tarvelon {

TColumnPart::TColumnPart(TDgCustomColumn* column, TColor color) : column_(column), color_(color) {}

void TColumnPart::Redraw(int region) { column_->RedrawRegion(region); }

void TColumnPart::Fire()
{
    if (OnChange)
        OnChange(this);
}

void TColumnPart::SetCaption(const std::string& caption)
{
    caption_ = caption;
    Redraw(rgWholeColumn);
    column_->NotifyListeners(lcCaption);
}

void TColumnPart::SetColor(TColor color)
{
    color_ = color;
    Redraw(rgWholeColumn);
}

void TColumnPart::SetDisplayMode(TDisplayMode mode)
{
    displayMode_ = mode;
    Fire();
}

void TColumnPart::SetGlyph(const TBitmap& glyph)
{
    glyph_.Assign(glyph);
    if (!glyph_.Empty()) {
        glyph_.SetTransparentColor(glyph_.Canvas().Pixel(0, glyph_.Height() - 1));
        glyph_.SetTransparent(true);
    }
    Fire();
}

void TColumnHeader::SetAlignment(TAlignment value)
{
    alignment_ = value;
    Redraw(rgHeader);
}

void TColumnHeader::SetHideArrow(bool value)
{
    hideArrow_ = value;
    Redraw(rgHeader);
}

void TColumnHeader::SetMultiLine(bool value)
{
    multiLine_ = value;
    Redraw(rgHeader);
}

void TColumnHeader::SetOrientation(THeaderOrientation value)
{
    orientation_ = value;
    Redraw(rgHeader);
}

void TColumnFooter::SetAlignment(TAlignment value)
{
    alignment_ = value;
    Redraw(rgFooter);
}

void TColumnFooter::SetFormulaKind(TFormulaKind value)
{
    formulaKind_ = value;
    Fire();
}

void TColumnFooter::Assign(const TColumnFooter& other)
{
    alignment_ = other.alignment_;
    formulaKind_ = other.formulaKind_;
    formatMask_ = other.formatMask_;
    textAfter_ = other.textAfter_;
    textBefore_ = other.textBefore_;
}

void TDgSlideBounds::Report() { column_->Changed(3); }

void TDgSlideBounds::SetLeft(int value)
{
    left_ = value;
    Report();
}

void TDgSlideBounds::SetTop(int value)
{
    top_ = value;
    Report();
}

void TDgSlideBounds::SetWidth(int value)
{
    if (value == width_)
        return;
    width_ = value;
    Report();
}

void TDgSlideBounds::SetHeight(int value)
{
    if (value == height_)
        return;
    height_ = value;
    Report();
}

}  // namespace tarvelon
