#pragma once
// The pen (lines and outlines) and the brush (fills) of a canvas or a shape.
#include <QImage>

#include "platform/graphics/color.h"
#include "platform/graphics/graphics_object.h"

namespace tarvelon {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How the pen's colour meets the pixels under it (the names of the classic raster operations).
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TPen : public TGraphicsObject {
public:
    TPen() = default;
    TPen(const TPen& other) : TGraphicsObject(other) { Assign(other); }
    // Copies the properties and reports one change (the listener stays).
    TPen& operator=(const TPen& other)
    {
        if (this != &other)
            Assign(other);
        return *this;
    }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);
    void Assign(const TPen& source);

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
public:
    TBrush() = default;
    TBrush(const TBrush& other) : TGraphicsObject(other) { Assign(other); }
    // Copies the properties and reports one change (the listener stays).
    TBrush& operator=(const TBrush& other)
    {
        if (this != &other)
            Assign(other);
        return *this;
    }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // A pattern laid from the image's corner in place of the colour (a null image: none).
    const QImage& Pattern() const { return pattern_; }
    void SetPattern(const QImage& pattern);
    void Assign(const TBrush& source);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    QImage pattern_;
};

// An 8 x 8 checker of two colours, the classic halftone pattern (as under scroll bar tracks).
QImage HalftonePattern(TColor first, TColor second);

}  // namespace tarvelon
