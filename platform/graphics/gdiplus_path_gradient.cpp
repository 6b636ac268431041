// Path gradient brushes: colours from the outline of a path to its centre point.
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/graphics/gdiplus_brushes.h"

namespace tarvelon {

namespace {

constexpr int kRimSteps = 2048;  // angles of the outline table
constexpr int kRampSteps = 1024; // colours of the ramp

double Mix(double a, double b, double f) { return a + (b - a) * f; }

QPointF PolygonCentroid(const QPolygonF& polygon)
{
    double area = 0, cx = 0, cy = 0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        const double cross = a.x() * b.y() - b.x() * a.y();
        area += cross;
        cx += (a.x() + b.x()) * cross;
        cy += (a.y() + b.y()) * cross;
    }
    if (std::abs(area) < 1e-9)
        return polygon.boundingRect().center();
    return QPointF(cx / (3 * area), cy / (3 * area));
}

double Cross(QPointF a, QPointF b) { return a.x() * b.y() - a.y() * b.x(); }

// A stand-in for the angle of (x, y), cheaper than atan2 and growing with it: 0 to 4 around the
// circle, 1 per quarter.
double DiamondAngle(double x, double y)
{
    if (y >= 0)
        return x >= 0 ? y / (x + y) : 1 - x / (-x + y);
    return x < 0 ? 2 - y / (-x - y) : 3 + x / (x - y);
}

// A direction of the given diamond angle.
QPointF DiamondDirection(double angle)
{
    if (angle < 1)
        return QPointF(1 - angle, angle);
    if (angle < 2)
        return QPointF(1 - angle, 2 - angle);
    if (angle < 3)
        return QPointF(angle - 3, 2 - angle);
    return QPointF(angle - 3, angle - 4);
}

}  // namespace

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath& path)
    : outline_(path.ToQPainterPath().toFillPolygon())
{
    if (outline_.size() > 1 && outline_.front() == outline_.back())
        outline_.removeLast();
    center_ = PolygonCentroid(outline_);
    colors_.start = MakeARGB(255, 255, 255, 255);
    colors_.end = MakeARGB(255, 255, 255, 255);
}

TGPPointF TGPPathGradientBrush::CenterPoint() const
{
    return {static_cast<float>(center_.x()), static_cast<float>(center_.y())};
}

void TGPPathGradientBrush::SetSurroundColors(const std::vector<ARGB>& colors)
{
    ramp_.clear();
    surround_ = colors;
    if (!colors.empty())
        colors_.start = colors.front();
}

void TGPPathGradientBrush::SetInterpolationColors(const std::vector<ARGB>& colors, const std::vector<float>& positions)
{
    ramp_.clear();
    colors_.presetColors = colors;
    colors_.presetPositions = positions;
}

void TGPPathGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions)
{
    ramp_.clear();
    colors_.blendFactors = factors;
    colors_.blendPositions = positions;
    colors_.presetColors.clear();
}

void TGPPathGradientBrush::SetCenterPoint(TGPPointF point)
{
    center_ = QPointF(point.X, point.Y);
    rims_.clear();
}

TGPPathGradientBrush::Rim TGPPathGradientBrush::Exit(QPointF direction) const
{
    Rim rim;
    for (int i = 0; i < outline_.size(); ++i) {
        const QPointF a = outline_[i], b = outline_[(i + 1) % outline_.size()];
        const QPointF side = b - a;
        const double denominator = Cross(direction, side);
        if (std::abs(denominator) < 1e-12)
            continue;
        const double s = Cross(a - center_, side) / denominator;
        const double u = Cross(a - center_, direction) / denominator;
        if (s > 1e-9 && u >= -1e-9 && u <= 1 + 1e-9 && (rim.distance < 0 || s < rim.distance))
            rim = Rim{s, i, std::clamp(u, 0.0, 1.0)};
    }
    return rim;
}

const std::vector<TGPPathGradientBrush::Rim>& TGPPathGradientBrush::Rims() const
{
    if (rims_.empty()) {
        rims_.resize(kRimSteps + 1);
        for (int k = 0; k <= kRimSteps; ++k) {
            const QPointF direction = DiamondDirection(4.0 * (k % kRimSteps) / kRimSteps);
            Rim rim = Exit(direction);
            if (rim.distance > 0)
                rim.distance *= std::hypot(direction.x(), direction.y());
            rims_[static_cast<std::size_t>(k)] = rim;
        }
    }
    return rims_;
}

std::optional<TGPPathGradientBrush::Placement> TGPPathGradientBrush::Place(QPointF point) const
{
    const QPointF ray = point - center_;
    const double length = std::sqrt(ray.x() * ray.x() + ray.y() * ray.y());
    if (length < 1e-9)
        return Placement{1.0, nullptr};
    // The outline's distance in this direction, between the two nearest angles of the table.
    const double step = DiamondAngle(ray.x(), ray.y()) / 4.0 * kRimSteps;
    const int low = std::min(static_cast<int>(step), kRimSteps - 1);
    const Rim& first = Rims()[static_cast<std::size_t>(low)];
    const Rim& second = Rims()[static_cast<std::size_t>(low + 1)];
    if (first.distance < 0 || second.distance < 0)
        return std::nullopt;
    const double distance = Mix(first.distance, second.distance, step - low);
    // Outside the path nothing is painted; where the table falls short (at corners), the outline
    // itself decides.
    if (length > distance && (length > distance + 1.5 || !outline_.containsPoint(point, Qt::OddEvenFill)))
        return std::nullopt;
    return Placement{1.0 - std::min(1.0, length / distance), (step - low < 0.5) ? &first : &second};
}

QColor TGPPathGradientBrush::ColorOf(const Placement& placement) const
{
    if (surround_.size() <= 1 || !colors_.presetColors.empty() || !placement.rim)
        return colors_.At(placement.position);
    auto vertexColor = [&](int index) {
        return surround_[std::min<std::size_t>(static_cast<std::size_t>(index), surround_.size() - 1)];
    };
    const Rim& rim = *placement.rim;
    const QColor edge = MixARGB(vertexColor(rim.edge), vertexColor((rim.edge + 1) % outline_.size()), rim.along,
                                  colors_.gammaCorrection);
    return colors_.Between(edge.rgba(), placement.position);
}

QColor TGPPathGradientBrush::ColorAt(QPointF point) const
{
    const std::optional<Placement> placement = Place(point);
    return placement ? ColorOf(*placement) : QColor(0, 0, 0, 0);
}

QRgb TGPPathGradientBrush::PixelAt(QPointF point) const
{
    const std::optional<Placement> placement = Place(point);
    if (!placement)
        return 0;
    if (surround_.size() <= 1 || !colors_.presetColors.empty())
        return Ramp()[static_cast<std::size_t>(std::lround(placement->position * kRampSteps))];
    return qPremultiply(ColorOf(*placement).rgba());
}

const std::vector<QRgb>& TGPPathGradientBrush::Ramp() const
{
    if (ramp_.empty()) {
        ramp_.resize(kRampSteps + 1);
        for (int i = 0; i <= kRampSteps; ++i)
            ramp_[static_cast<std::size_t>(i)] = qPremultiply(colors_.At(static_cast<double>(i) / kRampSteps).rgba());
    }
    return ramp_;
}

void TGPPathGradientBrush::Fill(QPainter& painter, const QPainterPath& path) const
{
    if (outline_.size() < 3)
        return;
    const QTransform toDevice = painter.combinedTransform();
    const QRect area = toDevice.map(path).boundingRect().toAlignedRect().intersected(
        QRect(0, 0, painter.device()->width(), painter.device()->height()));
    if (area.isEmpty())
        return;
    QImage colors(area.size(), QImage::Format_ARGB32_Premultiplied);
    const QTransform toBrush = toDevice.inverted();
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(colors.scanLine(y));
        for (int x = 0; x < area.width(); ++x)
            line[x] = PixelAt(toBrush.map(QPointF(area.x() + x + 0.5, area.y() + y + 0.5)));
    }
    QBrush brush(colors);
    brush.setTransform(QTransform::fromTranslate(area.x(), area.y()));
    painter.save();
    painter.resetTransform();
    painter.fillPath(toDevice.map(path), brush);
    painter.restore();
}

QBrush TGPPathGradientBrush::ToQBrush() const
{
    const QRectF bounds = outline_.boundingRect();
    QRadialGradient gradient(center_, std::max(bounds.width(), bounds.height()) / 2.0);
    QGradientStops stops;
    for (const QGradientStop& stop : colors_.Stops())
        stops.prepend({1.0 - stop.first, stop.second});
    gradient.setStops(stops);
    return QBrush(gradient);
}

}  // namespace tarvelon
