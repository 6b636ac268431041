#include "platform/graphics/gdiplus.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tarvelon {

namespace {

constexpr double kAliasedCentreShift = 0.49;

TGPGraphicsPath RectanglePath(float x, float y, float width, float height)
{
    TGPGraphicsPath path;
    path.AddRectangle({x, y, width, height});
    return path;
}

TGPGraphicsPath EllipsePath(float x, float y, float width, float height)
{
    TGPGraphicsPath path;
    path.AddEllipse(x, y, width, height);
    return path;
}

}  // namespace

QColor ToQColorARGB(ARGB color)
{
    return QColor((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF, static_cast<int>(color >> 24));
}

QRectF ToQRectF(const TGPRectF& rect) { return QRectF(rect.X, rect.Y, rect.Width, rect.Height); }

TGPGraphics::TGPGraphics(TCanvas& canvas) : canvas_(&canvas) {}

TGPGraphics::TGPGraphics(TGPBitmap& bitmap) : image_(&bitmap.MutablePixels()) {}

TGPGraphics::TGPGraphics(QImage& image) : image_(&image) {}

QImage* TGPGraphics::target() const
{
    QImage* image = canvas_ ? canvas_->Target() : image_;
    return image && !image->isNull() ? image : nullptr;
}

bool TGPGraphics::Begin(QPainter& painter, Geometry geometry) const
{
    if (canvas_) {
        if (!canvas_->BeginPainter(painter))
            return false;
    } else if (!target() || !painter.begin(image_)) {
        return false;
    }
    painter.translate(translation_);
    if (clip_)
        painter.setClipPath(*clip_, Qt::IntersectClip);
    const bool smooth = smoothing_ == SmoothingModeAntiAlias || smoothing_ == SmoothingModeHighQuality;
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, textHint_ != TextRenderingHintSingleBitPerPixel &&
                                                          textHint_ != TextRenderingHintSingleBitPerPixelGridFit);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, interpolation_ != InterpolationModeNearestNeighbor);
    // Shapes: pixel centres on whole coordinates. Without anti-aliasing Qt leaves out a pixel
    // whose centre lies exactly on a shape's left or top edge, so there the shift stays a hair
    // below half a pixel: a rectangle from 0 to 16 then covers pixels 0 to 15.
    if (geometry == Geometry::Shapes) {
        const double shift = smooth ? 0.5 : kAliasedCentreShift;
        painter.translate(shift, shift);
    }
    return true;
}

void TGPGraphics::Done() const
{
    if (canvas_ && canvas_->OnChange)
        canvas_->OnChange();
}

template <typename Body>
void TGPGraphics::Paint(Geometry geometry, Body body)
{
    {
        QPainter painter;
        if (!Begin(painter, geometry))
            return;
        body(painter);
    }
    Done();
}

void TGPGraphics::TranslateTransform(float dx, float dy) { translation_ += QPointF(dx, dy); }

void TGPGraphics::ResetTransform() { translation_ = QPointF(); }

// ---- clipping (kept in this drawing's coordinates, before its translation)

void TGPGraphics::SetClip(const TGPGraphicsPath& path, TGPCombineMode mode)
{
    const QPainterPath moved = path.ToQPainterPath().translated(translation_);
    clip_ = clip_ ? CombinePaths(*clip_, moved, mode) : (mode == CombineModeExclude ? TGPRegion().ToQPainterPath().subtracted(moved) : moved);
}

void TGPGraphics::SetClip(const TGPRectF& rect, TGPCombineMode mode)
{
    TGPGraphicsPath path;
    path.AddRectangle(rect);
    SetClip(path, mode);
}

void TGPGraphics::SetClip(const TGPRegion& region, TGPCombineMode mode)
{
    if (region.IsInfinite() && mode == CombineModeReplace) {
        clip_.reset();
        return;
    }
    const QPainterPath area = region.ToQPainterPath().translated(translation_);
    clip_ = clip_ ? CombinePaths(*clip_, area, mode) : area;
}

void TGPGraphics::SetClip(const TRegion& region, TGPCombineMode mode)
{
    QPainterPath area;
    area.addRegion(region.ToQRegion());
    const QPainterPath moved = area.translated(translation_);
    clip_ = clip_ ? CombinePaths(*clip_, moved, mode) : moved;
}

// ---- filling

void TGPGraphics::Clear(ARGB color)
{
    Paint(Geometry::Pixels, [&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.resetTransform();
        painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), ToQColorARGB(color));
    });
}

void TGPGraphics::FillPath(const TGPBrush& brush, const TGPGraphicsPath& path)
{
    Paint(Geometry::Shapes, [&](QPainter& painter) { brush.Fill(painter, path.ToQPainterPath()); });
}

void TGPGraphics::FillRectangle(const TGPBrush& brush, float x, float y, float width, float height)
{
    FillPath(brush, RectanglePath(x, y, width, height));
}

void TGPGraphics::FillEllipse(const TGPBrush& brush, float x, float y, float width, float height)
{
    FillPath(brush, EllipsePath(x, y, width, height));
}

void TGPGraphics::FillPolygon(const TGPBrush& brush, const std::vector<TGPPointF>& points, TGPFillMode mode)
{
    TGPGraphicsPath path(mode);
    path.AddPolygon(points);
    FillPath(brush, path);
}

void TGPGraphics::FillRegion(const TGPBrush& brush, const TGPRegion& region)
{
    // Regions cover whole pixels: no half-pixel shift.
    Paint(Geometry::Pixels, [&](QPainter& painter) { brush.Fill(painter, region.ToQPainterPath()); });
}

// ---- outlines

void TGPGraphics::StrokePath(const TGPPen& pen, const QPainterPath& path)
{
    Paint(Geometry::Shapes, [&](QPainter& painter) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(pen.ToQPen());
        painter.drawPath(path);
    });
}

void TGPGraphics::DrawPath(const TGPPen& pen, const TGPGraphicsPath& path) { StrokePath(pen, path.ToQPainterPath()); }

void TGPGraphics::DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2)
{
    QPainterPath path(QPointF(x1, y1));
    path.lineTo(x2, y2);
    StrokePath(pen, path);
}

void TGPGraphics::DrawLines(const TGPPen& pen, const std::vector<TGPPointF>& points)
{
    TGPGraphicsPath path;
    path.AddLines(points);
    DrawPath(pen, path);
}

void TGPGraphics::DrawRectangle(const TGPPen& pen, float x, float y, float width, float height)
{
    DrawPath(pen, RectanglePath(x, y, width, height));
}

void TGPGraphics::DrawEllipse(const TGPPen& pen, float x, float y, float width, float height)
{
    DrawPath(pen, EllipsePath(x, y, width, height));
}

void TGPGraphics::DrawArc(const TGPPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    TGPGraphicsPath path;
    path.AddArc(x, y, width, height, startAngle, sweepAngle);
    DrawPath(pen, path);
}

void TGPGraphics::DrawBezier(const TGPPen& pen, TGPPointF p1, TGPPointF p2, TGPPointF p3, TGPPointF p4)
{
    TGPGraphicsPath path;
    path.AddBezier(p1, p2, p3, p4);
    DrawPath(pen, path);
}

void TGPGraphics::DrawPolygon(const TGPPen& pen, const std::vector<TGPPointF>& points)
{
    TGPGraphicsPath path;
    path.AddPolygon(points);
    DrawPath(pen, path);
}

// ---- images

void TGPGraphics::DrawImage(const TGPImage& image, float x, float y)
{
    DrawImage(image, {x, y, static_cast<float>(image.Width()), static_cast<float>(image.Height())}, 0, 0,
              static_cast<float>(image.Width()), static_cast<float>(image.Height()));
}

void TGPGraphics::DrawImage(const TGPImage& image, float x, float y, float width, float height)
{
    DrawImage(image, {x, y, width, height}, 0, 0, static_cast<float>(image.Width()), static_cast<float>(image.Height()));
}

void TGPGraphics::DrawImage(const TGPImage& image, const TGPRectF& dest, float srcX, float srcY, float srcWidth,
                            float srcHeight, TGPUnit, const TGPImageAttributes* attributes)
{
    if (image.Pixels().isNull() || dest.Width == 0 || dest.Height == 0)
        return;
    const QImage pixels = attributes && !attributes->Empty() ? attributes->Apply(image.Pixels()) : image.Pixels();
    Paint(Geometry::Pixels, [&](QPainter& painter) {
        painter.drawImage(ToQRectF(dest), pixels, QRectF(srcX, srcY, srcWidth, srcHeight));
    });
}

// ---- text

void TGPGraphics::DrawString(const std::string& text, const TGPFont& font, const TGPRectF& layout,
                             const TGPStringFormat& format, const TGPBrush& brush)
{
    const TStringLayout placed = LayoutString(text, font, layout, format);
    Paint(Geometry::Pixels, [&](QPainter& painter) {
        if ((format.Flags() & StringFormatFlagsNoClip) == 0 && layout.Width > 0 && layout.Height > 0)
            painter.setClipRect(ToQRectF(layout), Qt::IntersectClip);
        const QFontMetricsF metrics(font.ToQFont());
        painter.setFont(font.ToQFont());
        const QBrush paint = brush.ToQBrush();
        painter.setPen(QPen(paint, 0));
        for (const TStringLayout::Line& line : placed.lines) {
            painter.drawText(line.origin + QPointF(0, metrics.ascent()), line.text);
            if (line.underline >= 0) {
                const double left = metrics.horizontalAdvance(line.text.left(line.underline));
                const double width = metrics.horizontalAdvance(line.text.mid(line.underline, 1));
                painter.fillRect(QRectF(line.origin.x() + left, line.origin.y() + metrics.ascent() + metrics.underlinePos(),
                                        width, std::max(1.0, metrics.lineWidth())),
                                 paint);
            }
        }
    });
}

void TGPGraphics::DrawString(const std::string& text, const TGPFont& font, TGPPointF origin,
                             const TGPStringFormat& format, const TGPBrush& brush)
{
    DrawString(text, font, TGPRectF{origin.X, origin.Y, 0, 0}, format, brush);
}

TGPStatus TGPGraphics::MeasureString(const std::string& text, const TGPFont& font, const TGPRectF& layout,
                                     const TGPStringFormat& format, TGPRectF* bounds, int* charactersFitted,
                                     int* linesFilled) const
{
    const TStringLayout placed = LayoutString(text, font, layout, format);
    if (bounds)
        *bounds = placed.bounds;
    if (charactersFitted)
        *charactersFitted = placed.charactersFitted;
    if (linesFilled)
        *linesFilled = placed.linesFilled;
    return font.Status() == Ok ? Ok : font.Status();
}

}  // namespace tarvelon
