#include "platform/graphics/gdiplus_brushes.h"

#include <QColor>
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "platform/graphics/gdiplus_image.h"
#include "platform/graphics/hatch_patterns.h"

namespace tarvelon {

namespace {

constexpr double kGamma = 2.2;
constexpr double kPi = 3.14159265358979323846;
constexpr int kRimSteps = 2048;  // angles of the path gradient's outline table
constexpr int kRampSteps = 1024; // colours of its ramp

double Mix(double a, double b, double f) { return a + (b - a) * f; }

// Piecewise linear through (positions, values), flat beyond the ends.
double Interpolate(const std::vector<float>& positions, const std::vector<float>& values, double t)
{
    const std::size_t count = std::min(positions.size(), values.size());
    if (count == 0)
        return t;
    if (t <= positions[0])
        return values[0];
    for (std::size_t i = 1; i < count; ++i) {
        if (t <= positions[i]) {
            const double span = positions[i] - positions[i - 1];
            return span <= 0 ? values[i] : Mix(values[i - 1], values[i], (t - positions[i - 1]) / span);
        }
    }
    return values[count - 1];
}

QColor MixColors(ARGB from, ARGB to, double f, bool gamma)
{
    auto channel = [&](int shift) {
        const double a = ((from >> shift) & 0xFF) / 255.0, b = ((to >> shift) & 0xFF) / 255.0;
        const double value = gamma ? std::pow(Mix(std::pow(a, kGamma), std::pow(b, kGamma), f), 1.0 / kGamma) : Mix(a, b, f);
        return std::clamp(static_cast<int>(value * 255.0 + 0.5), 0, 255);
    };
    const int alpha = std::clamp(static_cast<int>(Mix(AlphaOf(from), AlphaOf(to), f) + 0.5), 0, 255);
    return QColor(channel(16), channel(8), channel(0), alpha);
}

QGradient::Spread SpreadOf(TGPWrapMode mode)
{
    switch (mode) {
    case WrapModeTile: return QGradient::RepeatSpread;
    case WrapModeClamp: return QGradient::PadSpread;
    default: return QGradient::ReflectSpread;
    }
}

// Pattern brushes are laid from the surface's corner under the drawing's own origin (whole
// pixels), and fill in device pixels so that they stay crisp.
void FillWithPattern(QPainter& painter, const QPainterPath& path, QBrush brush)
{
    const QTransform toDevice = painter.combinedTransform();
    brush.setTransform(QTransform::fromTranslate(std::floor(toDevice.dx()), std::floor(toDevice.dy())));
    painter.save();
    painter.resetTransform();
    painter.fillPath(toDevice.map(path), brush);
    painter.restore();
}

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

// ---- gradient colours

QColor TGPGradientColors::At(double t) const
{
    t = std::clamp(t, 0.0, 1.0);
    if (presetColors.size() >= 2 && presetPositions.size() >= presetColors.size()) {
        for (std::size_t i = 1; i < presetColors.size(); ++i) {
            if (t <= presetPositions[i] || i + 1 == presetColors.size()) {
                const double span = presetPositions[i] - presetPositions[i - 1];
                const double f = span <= 0 ? 1.0 : std::clamp((t - presetPositions[i - 1]) / span, 0.0, 1.0);
                return MixColors(presetColors[i - 1], presetColors[i], f, gammaCorrection);
            }
        }
    }
    return Between(start, t);
}

QColor TGPGradientColors::Between(ARGB from, double t) const
{
    const double factor = blendFactors.empty() ? t : Interpolate(blendPositions, blendFactors, t);
    return MixColors(from, end, factor, gammaCorrection);
}

QGradientStops TGPGradientColors::Stops() const
{
    std::set<double> positions;
    for (int i = 0; i <= 64; ++i)
        positions.insert(i / 64.0);
    for (float p : blendPositions)
        positions.insert(std::clamp<double>(p, 0, 1));
    for (float p : presetPositions)
        positions.insert(std::clamp<double>(p, 0, 1));
    QGradientStops stops;
    for (double p : positions)
        stops.append({p, At(p)});
    return stops;
}

// ---- brushes

void TGPBrush::Fill(QPainter& painter, const QPainterPath& path) const { painter.fillPath(path, ToQBrush()); }

QBrush TGPSolidBrush::ToQBrush() const { return QBrush(ToQColorARGB(color_)); }

TGPHatchBrush::TGPHatchBrush(TGPHatchStyle style, ARGB foreColor, ARGB backColor)
    : style_(style), fore_(foreColor), back_(backColor)
{
}

QBrush TGPHatchBrush::ToQBrush() const
{
    QImage tile(8, 8, QImage::Format_ARGB32);
    const THatchPattern pattern = HatchPattern(style_);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (pattern[static_cast<std::size_t>(y)] & (0x80 >> x)) ? fore_ : back_);
    return QBrush(tile);
}

void TGPHatchBrush::Fill(QPainter& painter, const QPainterPath& path) const { FillWithPattern(painter, path, ToQBrush()); }

TGPTextureBrush::TGPTextureBrush(const TGPImage& image, TGPWrapMode wrapMode)
    : texture_(image.Pixels().convertToFormat(QImage::Format_ARGB32_Premultiplied)), wrap_(wrapMode)
{
}

QBrush TGPTextureBrush::ToQBrush() const { return texture_.isNull() ? QBrush(Qt::NoBrush) : QBrush(texture_); }

void TGPTextureBrush::Fill(QPainter& painter, const QPainterPath& path) const
{
    if (texture_.isNull())
        return;
    if (wrap_ != WrapModeClamp) {
        FillWithPattern(painter, path, ToQBrush());
        return;
    }
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    painter.drawImage(0, 0, texture_);
    painter.restore();
}

// ---- linear gradients

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, TGPLinearGradientMode mode)
{
    colors_.start = color1;
    colors_.end = color2;
    // Laid out in a unit square stretched over the rectangle, so the diagonal modes run corner
    // to corner with the middle colour on the other diagonal.
    switch (mode) {
    case LinearGradientModeHorizontal: end_ = QPointF(1, 0); break;
    case LinearGradientModeVertical: end_ = QPointF(0, 1); break;
    case LinearGradientModeForwardDiagonal: end_ = QPointF(1, 1); break;
    case LinearGradientModeBackwardDiagonal:
        start_ = QPointF(1, 0);
        end_ = QPointF(0, 1);
        break;
    }
    transform_ = QTransform(rect.Width, 0, 0, rect.Height, rect.X, rect.Y);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
{
    colors_.start = color1;
    colors_.end = color2;
    const double radians = angle * kPi / 180.0;
    SpanRectangle(rect, std::cos(radians), std::sin(radians), isAngleScalable);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(TGPPointF point1, TGPPointF point2, ARGB color1, ARGB color2)
{
    colors_.start = color1;
    colors_.end = color2;
    start_ = QPointF(point1.X, point1.Y);
    end_ = QPointF(point2.X, point2.Y);
}

void TGPLinearGradientBrush::SpanRectangle(const TGPRectF& rect, double dx, double dy, bool scaled)
{
    // In the space of the rectangle (a unit square when scaled), from the corner that comes
    // first along the direction to the one that comes last.
    const QRectF space = scaled ? QRectF(0, 0, 1, 1) : ToQRectF(rect);
    const QPointF corners[4] = {space.topLeft(), space.topRight(), space.bottomLeft(), space.bottomRight()};
    double low = 1e300, high = -1e300;
    for (const QPointF& corner : corners) {
        const double projection = corner.x() * dx + corner.y() * dy;
        if (projection < low) {
            low = projection;
            start_ = corner;
        }
        high = std::max(high, projection);
    }
    end_ = start_ + QPointF(dx, dy) * (high - low);
    transform_ = scaled ? QTransform(rect.Width, 0, 0, rect.Height, rect.X, rect.Y) : QTransform();
}

void TGPLinearGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions)
{
    colors_.blendFactors = factors;
    colors_.blendPositions = positions;
    colors_.presetColors.clear();
}

void TGPLinearGradientBrush::SetInterpolationColors(const std::vector<ARGB>& colors, const std::vector<float>& positions)
{
    colors_.presetColors = colors;
    colors_.presetPositions = positions;
}

QBrush TGPLinearGradientBrush::ToQBrush() const
{
    QLinearGradient gradient(start_, end_);
    gradient.setStops(colors_.Stops());
    gradient.setSpread(SpreadOf(wrap_));
    QBrush brush(gradient);
    brush.setTransform(transform_);
    return brush;
}

// ---- path gradients

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
    const QColor edge = MixColors(vertexColor(rim.edge), vertexColor((rim.edge + 1) % outline_.size()), rim.along,
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

// ---- pens

TGPPen::TGPPen(ARGB color, float width) : brush_(ToQColorARGB(color)), width_(width) {}

TGPPen::TGPPen(const TGPBrush& brush, float width) : brush_(brush.ToQBrush()), width_(width) {}

void TGPPen::SetColor(ARGB color) { brush_ = QBrush(ToQColorARGB(color)); }

void TGPPen::SetDashPattern(const std::vector<float>& pattern)
{
    pattern_ = pattern;
    dash_ = DashStyleCustom;
}

void TGPPen::SetLineCap(TGPLineCap start, TGPLineCap end, TGPLineCap dash) { cap_ = start; }

QPen TGPPen::ToQPen() const
{
    QPen pen(brush_, width_ > 0 ? width_ : 1.0);
    pen.setCapStyle(cap_ == LineCapRound ? Qt::RoundCap : cap_ == LineCapSquare ? Qt::SquareCap : Qt::FlatCap);
    pen.setJoinStyle(join_ == LineJoinRound ? Qt::RoundJoin : join_ == LineJoinBevel ? Qt::BevelJoin : Qt::MiterJoin);
    // Dash and gap lengths in pen widths.
    QList<qreal> pattern;
    switch (dash_) {
    case DashStyleSolid: break;
    case DashStyleDash: pattern = {3, 1}; break;
    case DashStyleDot: pattern = {1, 1}; break;
    case DashStyleDashDot: pattern = {3, 1, 1, 1}; break;
    case DashStyleDashDotDot: pattern = {3, 1, 1, 1, 1, 1}; break;
    case DashStyleCustom:
        for (float length : pattern_)
            pattern.append(std::max(0.01f, length));
        if (pattern.size() % 2)
            pattern.append(pattern.back());
        break;
    }
    if (!pattern.isEmpty()) {
        pen.setDashPattern(pattern);
        pen.setDashOffset(dashOffset_);
    }
    return pen;
}

}  // namespace tarvelon
