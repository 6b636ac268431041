#include "platform/graphics/gdiplus_brushes.h"

#include <QColor>
#include <QLinearGradient>
#include <algorithm>
#include <cmath>
#include <set>

#include "platform/graphics/gdiplus_image.h"
#include "platform/graphics/hatch_patterns.h"

namespace tarvelon {

namespace {

constexpr double kGamma = 2.2;
constexpr double kPi = 3.14159265358979323846;

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

}  // namespace

QColor MixARGB(ARGB from, ARGB to, double f, bool gamma)
{
    auto channel = [&](int shift) {
        const double a = ((from >> shift) & 0xFF) / 255.0, b = ((to >> shift) & 0xFF) / 255.0;
        const double value = gamma ? std::pow(Mix(std::pow(a, kGamma), std::pow(b, kGamma), f), 1.0 / kGamma) : Mix(a, b, f);
        return std::clamp(static_cast<int>(value * 255.0 + 0.5), 0, 255);
    };
    const int alpha = std::clamp(static_cast<int>(Mix(AlphaOf(from), AlphaOf(to), f) + 0.5), 0, 255);
    return QColor(channel(16), channel(8), channel(0), alpha);
}

namespace {

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
                return MixARGB(presetColors[i - 1], presetColors[i], f, gammaCorrection);
            }
        }
    }
    return Between(start, t);
}

QColor TGPGradientColors::Between(ARGB from, double t) const
{
    const double factor = blendFactors.empty() ? t : Interpolate(blendPositions, blendFactors, t);
    return MixARGB(from, end, factor, gammaCorrection);
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
