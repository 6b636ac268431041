#include "platform/graphics/gdiplus_path.h"

#include <QRectF>
#include <cmath>

namespace tarvelon {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The point of the ellipse in `rect` at `degrees` clockwise from the x axis.
QPointF EllipsePoint(const QRectF& rect, double degrees)
{
    const double radians = degrees * kPi / 180.0;
    return QPointF(rect.center().x() + rect.width() / 2.0 * std::cos(radians),
                   rect.center().y() + rect.height() / 2.0 * std::sin(radians));
}

QPainterPath InfiniteArea()
{
    QPainterPath path;
    path.addRect(QRectF(-1e7, -1e7, 2e7, 2e7));
    return path;
}

}  // namespace

TGPGraphicsPath::TGPGraphicsPath(TGPFillMode fillMode) : fillMode_(fillMode) { SetFillMode(fillMode); }

void TGPGraphicsPath::SetFillMode(TGPFillMode mode)
{
    fillMode_ = mode;
    path_.setFillRule(mode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
}

void TGPGraphicsPath::BeginPieceAt(QPointF start)
{
    if (figureOpen_)
        path_.lineTo(start);
    else
        path_.moveTo(start);
    figureOpen_ = true;
}

void TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    BeginPieceAt(QPointF(x1, y1));
    path_.lineTo(x2, y2);
}

void TGPGraphicsPath::AddLines(const std::vector<TGPPointF>& points)
{
    if (points.empty())
        return;
    BeginPieceAt(QPointF(points[0].X, points[0].Y));
    for (std::size_t i = 1; i < points.size(); ++i)
        path_.lineTo(points[i].X, points[i].Y);
}

void TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    const QRectF rect(x, y, width, height);
    BeginPieceAt(EllipsePoint(rect, startAngle));
    // Qt counts angles counter-clockwise.
    path_.arcTo(rect, -startAngle, -sweepAngle);
}

void TGPGraphicsPath::AddArc(const TGPRectF& rect, float startAngle, float sweepAngle)
{
    AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

void TGPGraphicsPath::AddBezier(TGPPointF p1, TGPPointF p2, TGPPointF p3, TGPPointF p4)
{
    BeginPieceAt(QPointF(p1.X, p1.Y));
    path_.cubicTo(p2.X, p2.Y, p3.X, p3.Y, p4.X, p4.Y);
}

void TGPGraphicsPath::AddBeziers(const std::vector<TGPPointF>& points)
{
    if (points.size() < 4)
        return;
    BeginPieceAt(QPointF(points[0].X, points[0].Y));
    for (std::size_t i = 1; i + 2 < points.size(); i += 3)
        path_.cubicTo(points[i].X, points[i].Y, points[i + 1].X, points[i + 1].Y, points[i + 2].X, points[i + 2].Y);
}

void TGPGraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    StartFigure();
    const QRectF rect(x, y, width, height);
    path_.moveTo(rect.center());
    path_.arcTo(rect, -startAngle, -sweepAngle);
    path_.closeSubpath();
    figureOpen_ = false;
}

void TGPGraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    StartFigure();
    path_.addEllipse(QRectF(x, y, width, height));
}

void TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    StartFigure();
    path_.addRect(ToQRectF(rect));
}

void TGPGraphicsPath::AddPolygon(const std::vector<TGPPointF>& points)
{
    if (points.size() < 2)
        return;
    StartFigure();
    AddLines(points);
    CloseFigure();
}

void TGPGraphicsPath::AddPath(const TGPGraphicsPath& other)
{
    StartFigure();
    path_.addPath(other.path_);
}

void TGPGraphicsPath::StartFigure() { figureOpen_ = false; }

void TGPGraphicsPath::CloseFigure()
{
    if (figureOpen_)
        path_.closeSubpath();
    figureOpen_ = false;
}

void TGPGraphicsPath::CloseAllFigures() { CloseFigure(); }

void TGPGraphicsPath::Reset()
{
    path_ = QPainterPath();
    SetFillMode(fillMode_);
    figureOpen_ = false;
}

TGPRectF TGPGraphicsPath::GetBounds() const
{
    const QRectF bounds = path_.boundingRect();
    return {static_cast<float>(bounds.x()), static_cast<float>(bounds.y()), static_cast<float>(bounds.width()),
            static_cast<float>(bounds.height())};
}

bool TGPGraphicsPath::IsVisible(float x, float y) const { return path_.contains(QPointF(x, y)); }

TGPPointF TGPGraphicsPath::LastPoint() const
{
    const QPointF point = path_.currentPosition();
    return {static_cast<float>(point.x()), static_cast<float>(point.y())};
}

QPainterPath CombinePaths(const QPainterPath& current, const QPainterPath& other, TGPCombineMode mode)
{
    switch (mode) {
    case CombineModeReplace: return other;
    case CombineModeIntersect: return current.intersected(other);
    case CombineModeUnion: return current.united(other);
    case CombineModeXor: return current.united(other).subtracted(current.intersected(other));
    case CombineModeExclude: return current.subtracted(other);
    case CombineModeComplement: return other.subtracted(current);
    }
    return other;
}

TGPRegion::TGPRegion() = default;

TGPRegion::TGPRegion(const TGPRectF& rect) : infinite_(false) { area_.addRect(ToQRectF(rect)); }

TGPRegion::TGPRegion(const TGPGraphicsPath& path) : area_(path.ToQPainterPath()), infinite_(false) {}

void TGPRegion::Combine(const TGPRegion& other, TGPCombineMode mode)
{
    area_ = CombinePaths(ToQPainterPath(), other.ToQPainterPath(), mode);
    infinite_ = (mode == CombineModeReplace && other.infinite_) ||
                (mode == CombineModeUnion && (infinite_ || other.infinite_)) ||
                (mode == CombineModeIntersect && infinite_ && other.infinite_);
}

void TGPRegion::MakeInfinite()
{
    area_ = QPainterPath();
    infinite_ = true;
}

void TGPRegion::MakeEmpty()
{
    area_ = QPainterPath();
    infinite_ = false;
}

bool TGPRegion::IsVisible(float x, float y) const { return infinite_ || area_.contains(QPointF(x, y)); }

QPainterPath TGPRegion::ToQPainterPath() const { return infinite_ ? InfiniteArea() : area_; }

}  // namespace tarvelon
