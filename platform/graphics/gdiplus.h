#pragma once
// TGPGraphics: anti-aliased drawing on a canvas's image or on a bitmap, with the conventions of
// the classic anti-aliased API: pixel centres lie on whole coordinates (a 1-pixel line along
// y = 10 covers row 10 exactly; a filled rectangle from 0 to 10 has half-covered edge pixels when
// anti-aliased), angles run clockwise, sizes are floats. No painter is kept open between calls,
// so classic canvas drawing may be mixed with it freely.
#include <QImage>
#include <QPainterPath>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/canvas.h"
#include "platform/graphics/gdiplus_brushes.h"
#include "platform/graphics/gdiplus_image.h"
#include "platform/graphics/gdiplus_path.h"
#include "platform/graphics/gdiplus_text.h"
#include "platform/graphics/gdiplus_types.h"

namespace tarvelon {

class TGPGraphics {
public:
    // On the canvas's image, moved by its origin and inside its clip; the canvas's OnChange is
    // called after each drawing call.
    explicit TGPGraphics(TCanvas& canvas);
    // Into a bitmap's pixels.
    explicit TGPGraphics(TGPBitmap& bitmap);
    explicit TGPGraphics(QImage& image);
    TGPGraphics(const TGPGraphics&) = delete;
    TGPGraphics& operator=(const TGPGraphics&) = delete;

    TGPStatus Status() const { return target() ? Ok : InvalidParameter; }

    void SetSmoothingMode(TGPSmoothingMode mode) { smoothing_ = mode; }
    TGPSmoothingMode GetSmoothingMode() const { return smoothing_; }
    void SetTextRenderingHint(TGPTextRenderingHint hint) { textHint_ = hint; }
    TGPTextRenderingHint GetTextRenderingHint() const { return textHint_; }
    void SetInterpolationMode(TGPInterpolationMode mode) { interpolation_ = mode; }
    void TranslateTransform(float dx, float dy);
    void ResetTransform();

    void SetClip(const TGPRectF& rect, TGPCombineMode mode = CombineModeReplace);
    void SetClip(const TGPGraphicsPath& path, TGPCombineMode mode = CombineModeReplace);
    void SetClip(const TGPRegion& region, TGPCombineMode mode = CombineModeReplace);
    // A region of the classic canvas, in this drawing's coordinates.
    void SetClip(const TRegion& region, TGPCombineMode mode = CombineModeReplace);
    void IntersectClip(const TGPRectF& rect) { SetClip(rect, CombineModeIntersect); }
    void ResetClip() { clip_.reset(); }

    void Clear(ARGB color);
    void FillRectangle(const TGPBrush& brush, float x, float y, float width, float height);
    void FillRectangle(const TGPBrush& brush, const TGPRectF& rect) { FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height); }
    void FillEllipse(const TGPBrush& brush, float x, float y, float width, float height);
    void FillEllipse(const TGPBrush& brush, const TGPRectF& rect) { FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height); }
    void FillPolygon(const TGPBrush& brush, const std::vector<TGPPointF>& points, TGPFillMode mode = FillModeAlternate);
    void FillPath(const TGPBrush& brush, const TGPGraphicsPath& path);
    void FillRegion(const TGPBrush& brush, const TGPRegion& region);

    void DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2);
    void DrawLines(const TGPPen& pen, const std::vector<TGPPointF>& points);
    void DrawRectangle(const TGPPen& pen, float x, float y, float width, float height);
    void DrawRectangle(const TGPPen& pen, const TGPRectF& rect) { DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height); }
    void DrawEllipse(const TGPPen& pen, float x, float y, float width, float height);
    void DrawArc(const TGPPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    void DrawBezier(const TGPPen& pen, TGPPointF p1, TGPPointF p2, TGPPointF p3, TGPPointF p4);
    void DrawPolygon(const TGPPen& pen, const std::vector<TGPPointF>& points);
    void DrawPath(const TGPPen& pen, const TGPGraphicsPath& path);

    // At its own size.
    void DrawImage(const TGPImage& image, float x, float y);
    // Stretched into the rectangle.
    void DrawImage(const TGPImage& image, float x, float y, float width, float height);
    void DrawImage(const TGPImage& image, const TGPRectF& dest) { DrawImage(image, dest.X, dest.Y, dest.Width, dest.Height); }
    // The source rectangle (pixels) stretched into the destination, through the attributes.
    void DrawImage(const TGPImage& image, const TGPRectF& dest, float srcX, float srcY, float srcWidth, float srcHeight,
                   TGPUnit unit = UnitPixel, const TGPImageAttributes* attributes = nullptr);

    void DrawString(const std::string& text, const TGPFont& font, const TGPRectF& layout, const TGPStringFormat& format,
                    const TGPBrush& brush);
    void DrawString(const std::string& text, const TGPFont& font, TGPPointF origin, const TGPStringFormat& format,
                    const TGPBrush& brush);
    TGPStatus MeasureString(const std::string& text, const TGPFont& font, const TGPRectF& layout,
                            const TGPStringFormat& format, TGPRectF* bounds, int* charactersFitted = nullptr,
                            int* linesFilled = nullptr) const;

private:
    enum class Geometry { Shapes, Pixels };
    QImage* target() const;
    bool Begin(QPainter& painter, Geometry geometry) const;
    void Done() const;
    template <typename Body>
    void Paint(Geometry geometry, Body body);
    void StrokePath(const TGPPen& pen, const QPainterPath& path);

    TCanvas* canvas_ = nullptr;
    QImage* image_ = nullptr;
    TGPSmoothingMode smoothing_ = SmoothingModeDefault;
    TGPTextRenderingHint textHint_ = TextRenderingHintSystemDefault;
    TGPInterpolationMode interpolation_ = InterpolationModeDefault;
    QPointF translation_;
    std::optional<QPainterPath> clip_;
};

}  // namespace tarvelon
