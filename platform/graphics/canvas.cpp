#include "platform/graphics/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/graphics/graphic.h"
#include "platform/graphics/qt_convert.h"
#include "platform/graphics/raster_ops.h"
#include "platform/graphics/text_line.h"

namespace tarvelon {

namespace {

// On and off runs of the dashed 1-pixel pens.
std::vector<int> DashRuns(TPenStyle style)
{
    switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

bool DashOn(const std::vector<int>& runs, int phase)
{
    if (runs.empty())
        return true;
    int period = 0;
    for (int run : runs)
        period += run;
    int position = phase % period;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (position < runs[i])
            return i % 2 == 0;
        position -= runs[i];
    }
    return true;
}

QPolygon ToQPolygon(const std::vector<TPoint>& points)
{
    QPolygon polygon;
    for (const TPoint& point : points)
        polygon << ToQPoint(point);
    return polygon;
}

}  // namespace

TCanvas::TCanvas()
{
    Brush.OnChange = [this] { BrushChanged(); };
    Font.OnChange = [this] { FontChanged(); };
    BrushChanged();
    FontChanged();
}

TCanvas::TCanvas(QImage* target) : TCanvas() { target_ = target; }

TCanvas::~TCanvas() = default;

void TCanvas::SetTarget(QImage* target) { target_ = target; }

void TCanvas::BrushChanged()
{
    bkMode_ = Brush.Style() == bsClear ? TRANSPARENT : OPAQUE;
    bkColor_ = Brush.Color();
}

void TCanvas::FontChanged() { textColor_ = Font.Color(); }

const QFont& TCanvas::QtFont() const
{
    // Controls assign their font before every paint; the Qt font is made again only when the
    // font really differs.
    if (!qtFontValid_ || !qtFontSource_.SameAs(Font)) {
        qtFont_ = Font.ToQFont();
        qtFontSource_.Assign(Font);
        qtFontValid_ = true;
    }
    return qtFont_;
}

// ---- clipping

TRect TCanvas::ClipRect() const
{
    TRect box;
    if (clipped_)
        box = clip_.BoundingBox();
    else if (target_)
        box = Rect(0, 0, target_->width(), target_->height());
    OffsetRect(box, -origin_.X, -origin_.Y);
    return box;
}

void TCanvas::SetClipRegion(const TRegion& imageRegion)
{
    clip_ = imageRegion;
    clipped_ = true;
}

void TCanvas::SetClipRect(const TRect& rect)
{
    TRect moved = rect;
    OffsetRect(moved, origin_.X, origin_.Y);
    SetClipRegion(TRegion::FromRect(moved));
}

void TCanvas::IntersectClipRect(const TRect& rect) { IntersectClipRegion(TRegion::FromRect(rect)); }

void TCanvas::IntersectClipRegion(const TRegion& region)
{
    TRegion moved = region;
    moved.Offset(origin_.X, origin_.Y);
    if (!clipped_)
        SetClipRegion(moved);
    else
        clip_.Combine(clip_, moved, RGN_AND);
}

void TCanvas::ExcludeClipRect(const TRect& rect)
{
    TRect moved = rect;
    OffsetRect(moved, origin_.X, origin_.Y);
    if (!clipped_)
        SetClipRegion(TRegion::FromRect(target_ ? Rect(0, 0, target_->width(), target_->height()) : TRect{}));
    clip_.Combine(clip_, TRegion::FromRect(moved), RGN_DIFF);
}

void TCanvas::ResetClip()
{
    clip_ = TRegion();
    clipped_ = false;
}

bool TCanvas::CanPaint(int x, int y) const
{
    if (!target_ || x < 0 || y < 0 || x >= target_->width() || y >= target_->height())
        return false;
    return !clipped_ || clip_.Contains(x, y);
}

template <typename Body>
void TCanvas::Paint(Body draw)
{
    {
        QPainter painter;
        if (!BeginPainter(painter))
            return;
        draw(painter);
    }
    Drawn();
}

bool TCanvas::BeginPainter(QPainter& painter) const
{
    if (!target_ || target_->isNull())
        return false;
    if (!painter.begin(target_))
        return false;
    if (clipped_)
        painter.setClipRegion(clip_.ToQRegion());
    painter.translate(origin_.X, origin_.Y);
    return true;
}

// ---- pixels and lines

TColor TCanvas::Pixel(int x, int y) const
{
    x += origin_.X;
    y += origin_.Y;
    if (!target_ || x < 0 || y < 0 || x >= target_->width() || y >= target_->height())
        return clNone;
    const QRgb rgb = target_->pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    x += origin_.X;
    y += origin_.Y;
    if (CanPaint(x, y))
        target_->setPixel(x, y, ToQColor(color).rgb());
    Drawn();
}

void TCanvas::DrawPenLine(TPoint from, TPoint to)
{
    if (Pen.Style() == psClear || Pen.Mode() == pmNop || !target_)
        return;
    if (Pen.Width() > 1) {
        QPainter painter;
        if (!BeginPainter(painter))
            return;
        QColor color = ToQColor(Pen.Color());
        SetPainterPenMode(painter, Pen.Mode(), color);
        painter.setPen(QPen(color, Pen.Width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(ToQPoint(from), ToQPoint(to));
        return;
    }
    // Bresenham, without the end point; dashes continue from line to line.
    const std::vector<int> runs = DashRuns(Pen.Style());
    const QRgb pen = ToQColor(Pen.Color()).rgb();
    const TPenMode mode = Pen.Mode();
    const QImage::Format format = target_->format();
    const bool direct = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                        format == QImage::Format_ARGB32_Premultiplied;
    uchar* const bits = direct ? target_->bits() : nullptr;
    const qsizetype stride = target_->bytesPerLine();
    auto plot = [&](int px, int py) {
        px += origin_.X;
        py += origin_.Y;
        if (!CanPaint(px, py))
            return;
        if (direct) {
            QRgb& pixel = reinterpret_cast<QRgb*>(bits + py * stride)[px];
            pixel = ApplyPenMode(mode, pen, pixel);
        } else {
            target_->setPixel(px, py, ApplyPenMode(mode, pen, target_->pixel(px, py)));
        }
    };
    int x = from.X, y = from.Y;
    const int dx = std::abs(to.X - x), dy = -std::abs(to.Y - y);
    const int sx = x < to.X ? 1 : -1, sy = y < to.Y ? 1 : -1;
    int error = dx + dy;
    while (x != to.X || y != to.Y) {
        if (DashOn(runs, penDashPhase_))
            plot(x, y);
        ++penDashPhase_;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void TCanvas::MoveTo(int x, int y)
{
    PenPos = {x, y};
    penDashPhase_ = 0;
}

void TCanvas::LineTo(int x, int y)
{
    DrawPenLine(PenPos, {x, y});
    PenPos = {x, y};
    Drawn();
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    penDashPhase_ = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawPenLine(points[i - 1], points[i]);
    Drawn();
}

// ---- filled shapes

void TCanvas::FillRect(const TRect& rect)
{
    if (Brush.Style() == bsClear || IsRectEmpty(rect))
        return;
    Paint([&](QPainter& painter) {
        ApplyTextBackground(painter, bkMode_, bkColor_);
        painter.fillRect(ToQRect(rect), ToQBrush(Brush));
    });
}

void TCanvas::FrameRect(const TRect& rect)
{
    if (Brush.Style() == bsClear || IsRectEmpty(rect))
        return;
    Paint([&](QPainter& painter) {
        const QBrush brush = ToQBrush(Brush);
        const int w = rect.Width(), h = rect.Height();
        painter.fillRect(QRect(rect.Left, rect.Top, w, 1), brush);
        painter.fillRect(QRect(rect.Left, rect.Bottom - 1, w, 1), brush);
        painter.fillRect(QRect(rect.Left, rect.Top, 1, h), brush);
        painter.fillRect(QRect(rect.Right - 1, rect.Top, 1, h), brush);
    });
}

void TCanvas::FillInterior(const std::vector<TPoint>& points)
{
    if (Brush.Style() == bsClear || points.size() < 3)
        return;
    Paint([&](QPainter& painter) {
        ApplyTextBackground(painter, bkMode_, bkColor_);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQBrush(Brush));
        painter.drawPolygon(ToQPolygon(points));
    });
}

void TCanvas::StrokeClosed(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    std::vector<TPoint> closed = points;
    closed.push_back(points.front());
    Polyline(closed);
}

void TCanvas::WideFrame(const TRect& outer, int width)
{
    Paint([&](QPainter& painter) {
        QColor color = ToQColor(Pen.Color());
        if (!SetPainterPenMode(painter, Pen.Mode(), color))
            return;
        const QRect box = ToQRect(outer);
        const QRegion frame = QRegion(box) - QRegion(box.adjusted(width, width, -width, -width));
        for (const QRect& band : frame)
            painter.fillRect(band, color);
    });
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    const int width = Pen.Width();
    if (Pen.Style() != psClear && width > 1) {
        // A wide pen: centred on the outline, or all inside it with psInsideFrame.
        const TRect outer = Pen.Style() == psInsideFrame
                                ? Rect(left, top, right, bottom)
                                : Rect(left - (width - 1) / 2, top - (width - 1) / 2, right + width / 2, bottom + width / 2);
        TRect inside = outer;
        InflateRect(inside, -width, -width);
        FillRect(inside);
        WideFrame(outer, width);
        return;
    }
    const bool outlined = Pen.Style() != psClear;
    if (Brush.Style() != bsClear) {
        TRect inside = Rect(left, top, right, bottom);
        if (outlined)
            InflateRect(inside, -Pen.Width(), -Pen.Width());
        FillRect(inside);
    }
    if (outlined)
        StrokeClosed({{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}});
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    FillInterior(points);
    StrokeClosed(points);
}

namespace {

QRect OutlineRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}

}  // namespace

void TCanvas::SetShapePainter(QPainter& painter) const
{
    ApplyTextBackground(painter, bkMode_, bkColor_);
    painter.setBrush(Brush.Style() == bsClear ? QBrush(Qt::NoBrush) : ToQBrush(Brush));
    QColor color = ToQColor(Pen.Color());
    if (Pen.Style() == psClear || !SetPainterPenMode(painter, Pen.Mode(), color))
        painter.setPen(Qt::NoPen);
    else
        painter.setPen(ToQPen(Pen, color));
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    if (right <= left || bottom <= top)
        return;
    Paint([&](QPainter& painter) {
        SetShapePainter(painter);
        painter.drawRoundedRect(OutlineRect(left, top, right, bottom), cornerWidth / 2.0, cornerHeight / 2.0);
    });
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    Paint([&](QPainter& painter) {
        SetShapePainter(painter);
        painter.drawEllipse(OutlineRect(left, top, right, bottom));
    });
}

void TCanvas::InvertRect(const TRect& rect)
{
    if (IsRectEmpty(rect) || !target_)
        return;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            InvertPixel(x + origin_.X, y + origin_.Y);
    Drawn();
}

void TCanvas::InvertPixel(int x, int y)
{
    if (CanPaint(x, y))
        target_->setPixel(x, y, ApplyPenMode(pmNot, 0, target_->pixel(x, y)));
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    if (IsRectEmpty(rect) || !target_)
        return;
    // Every other pixel of the border, inverted; the pattern is fixed to the image so that two
    // calls on the same rectangle cancel.
    auto invert = [this](int x, int y) {
        x += origin_.X;
        y += origin_.Y;
        if ((x + y) % 2 == 0)
            InvertPixel(x, y);
    };
    for (int x = rect.Left; x < rect.Right; ++x) {
        invert(x, rect.Top);
        if (rect.Bottom - 1 > rect.Top)
            invert(x, rect.Bottom - 1);
    }
    for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
        invert(rect.Left, y);
        if (rect.Right - 1 > rect.Left)
            invert(rect.Right - 1, y);
    }
    Drawn();
}

// ---- text

TSize TCanvas::TextExtent(const std::string& text) const
{
    const QFontMetrics metrics(QtFont());
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const QString line = QString::fromStdString(text);
    Paint([&](QPainter& painter) { DrawTextLine(painter, *this, {x, y}, line); });
    PenPos = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text)
{
    Paint([&](QPainter& painter) {
        painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
        if (bkMode_ == OPAQUE)
            painter.fillRect(ToQRect(rect), ToQColor(bkColor_));
        DrawTextLine(painter, *this, {x, y}, QString::fromStdString(text), -1, false);
    });
}

// ---- pictures

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    if (graphic.Empty())
        return;
    Paint([&](QPainter& painter) { painter.drawImage(x, y, graphic.RenderImage()); });
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic)
{
    if (graphic.Empty() || IsRectEmpty(rect))
        return;
    Paint([&](QPainter& painter) { painter.drawImage(ToQRect(rect), graphic.RenderImage()); });
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& sourceCanvas, const TRect& source)
{
    const QImage* from = sourceCanvas.Target();
    if (!from || from->isNull() || IsRectEmpty(dest) || IsRectEmpty(source))
        return;
    TRect sourceInImage = source;
    OffsetRect(sourceInImage, sourceCanvas.Origin().X, sourceCanvas.Origin().Y);
    const QImage piece = from->copy(ToQRect(sourceInImage));
    Paint([&](QPainter& painter) {
        painter.setCompositionMode(CopyModeComposition(CopyMode));
        painter.drawImage(ToQRect(dest), piece);
    });
}

}  // namespace tarvelon
