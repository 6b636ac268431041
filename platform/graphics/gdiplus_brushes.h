#pragma once
// Brushes and pens of the anti-aliased drawing layer: solid, hatch (the 53 styles), texture,
// linear gradients (by rectangle and mode, by angle, by two points; gamma correction, blend
// factors, preset colours) and path gradients (centre and surround colours), and pens with width,
// dash styles and dash patterns.
#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <memory>
#include <optional>
#include <vector>

#include "platform/graphics/gdiplus_path.h"
#include "platform/graphics/gdiplus_types.h"

namespace tarvelon {

class TGPImage;

// The colours along a gradient, from 0 (start) to 1 (end).
struct TGPGradientColors {
    ARGB start = 0;
    ARGB end = 0;
    bool gammaCorrection = false;
    std::vector<float> blendFactors;    // SetBlend: share of the end colour ...
    std::vector<float> blendPositions;  // ... at these positions
    std::vector<ARGB> presetColors;     // SetInterpolationColors: these colours ...
    std::vector<float> presetPositions; // ... at these positions
    QColor At(double t) const;
    // The colour at t between `from` (in place of start) and end, by the blend factors.
    QColor Between(ARGB from, double t) const;
    QGradientStops Stops() const;
};

// The colour f of the way from `from` to `to` (alpha straight; colour in linear light with gamma).
QColor MixARGB(ARGB from, ARGB to, double f, bool gamma);

class TGPBrush {
public:
    virtual ~TGPBrush() = default;
    // Fills `path`, given in the painter's coordinates.
    virtual void Fill(QPainter& painter, const QPainterPath& path) const;
    // The brush as a Qt brush (for pens and text).
    virtual QBrush ToQBrush() const = 0;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color) : color_(color) {}
    ARGB Color() const { return color_; }
    void SetColor(ARGB color) { color_ = color; }
    QBrush ToQBrush() const override;

private:
    ARGB color_;
};

// Pattern brushes are laid from the drawing surface's top-left corner, whatever is filled.
class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(TGPHatchStyle style, ARGB foreColor, ARGB backColor = MakeARGB(255, 0, 0, 0));
    TGPHatchStyle Style() const { return style_; }
    void Fill(QPainter& painter, const QPainterPath& path) const override;
    QBrush ToQBrush() const override;

private:
    TGPHatchStyle style_;
    ARGB fore_;
    ARGB back_;
};

class TGPTextureBrush : public TGPBrush {
public:
    explicit TGPTextureBrush(const TGPImage& image, TGPWrapMode wrapMode = WrapModeTile);
    void Fill(QPainter& painter, const QPainterPath& path) const override;
    QBrush ToQBrush() const override;

private:
    QImage texture_;
    TGPWrapMode wrap_;
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    // Colour 1 at the rectangle's left (horizontal), top (vertical), top-left (forward diagonal) or
    // top-right (backward diagonal) edge, colour 2 at the opposite one.
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, TGPLinearGradientMode mode);
    // At `angle` degrees clockwise; the gradient spans the rectangle corner to corner. Scalable:
    // the angle is taken in a square and stretched with the rectangle (45 degrees then joins
    // opposite corners).
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable);
    // Colour 1 at point 1, colour 2 at point 2.
    TGPLinearGradientBrush(TGPPointF point1, TGPPointF point2, ARGB color1, ARGB color2);

    void SetGammaCorrection(bool on) { colors_.gammaCorrection = on; }
    bool GammaCorrection() const { return colors_.gammaCorrection; }
    void SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    void SetInterpolationColors(const std::vector<ARGB>& colors, const std::vector<float>& positions);
    void SetWrapMode(TGPWrapMode mode) { wrap_ = mode; }
    const TGPGradientColors& Colors() const { return colors_; }
    QBrush ToQBrush() const override;

private:
    void SpanRectangle(const TGPRectF& rect, double dx, double dy, bool scaled);

    TGPGradientColors colors_;
    QPointF start_;
    QPointF end_;
    QTransform transform_;  // from the gradient's own space to the drawing's
    TGPWrapMode wrap_ = WrapModeTile;
};

// Colours run from the surround colour(s) on the path's outline to the centre colour at the
// centre point; nothing is painted outside the path.
class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath& path);

    void SetCenterPoint(TGPPointF point);
    TGPPointF CenterPoint() const;
    void SetCenterColor(ARGB color)
    {
        colors_.end = color;
        ramp_.clear();
    }
    // One colour for the whole outline, or one per point of the path (the last one repeating).
    void SetSurroundColors(const std::vector<ARGB>& colors);
    // Positions here run from 0 at the outline to 1 at the centre.
    void SetInterpolationColors(const std::vector<ARGB>& colors, const std::vector<float>& positions);
    void SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    void SetGammaCorrection(bool on)
    {
        colors_.gammaCorrection = on;
        ramp_.clear();
    }
    void SetWrapMode(TGPWrapMode mode) { wrap_ = mode; }

    // The colour at a point (transparent outside the path).
    QColor ColorAt(QPointF point) const;
    void Fill(QPainter& painter, const QPainterPath& path) const override;
    QBrush ToQBrush() const override;

private:
    // Where rays from the centre leave the outline, by angle (filled on first use).
    struct Rim {
        double distance = -1;  // -1: the ray never leaves the outline
        int edge = 0;
        double along = 0;      // position on that edge, 0 to 1
    };
    const std::vector<Rim>& Rims() const;
    struct Placement {
        double position;  // 0 on the outline, 1 at the centre
        const Rim* rim;   // where the ray through the point leaves the outline (none at the centre)
    };
    std::optional<Placement> Place(QPointF point) const;  // nothing outside the path
    QColor ColorOf(const Placement& placement) const;
    QRgb PixelAt(QPointF point) const;                    // premultiplied
    // Premultiplied colours from the outline (0) to the centre (last), for one surround colour.
    const std::vector<QRgb>& Ramp() const;
    Rim Exit(QPointF direction) const;

    QPolygonF outline_;
    QPointF center_;
    mutable std::vector<Rim> rims_;
    mutable std::vector<QRgb> ramp_;
    std::vector<ARGB> surround_;
    TGPGradientColors colors_;  // start: outline, end: centre
    TGPWrapMode wrap_ = WrapModeClamp;
};

class TGPPen {
public:
    TGPPen(ARGB color, float width = 1.0f);
    TGPPen(const TGPBrush& brush, float width = 1.0f);

    void SetColor(ARGB color);
    void SetWidth(float width) { width_ = width; }
    float Width() const { return width_; }
    void SetDashStyle(TGPDashStyle style) { dash_ = style; }
    TGPDashStyle DashStyle() const { return dash_; }
    // Dash and gap lengths in pen widths (sets DashStyleCustom).
    void SetDashPattern(const std::vector<float>& pattern);
    void SetDashOffset(float offset) { dashOffset_ = offset; }
    void SetLineCap(TGPLineCap start, TGPLineCap end, TGPLineCap dash);
    void SetLineJoin(TGPLineJoin join) { join_ = join; }

    QPen ToQPen() const;

private:
    QBrush brush_;
    float width_;
    TGPDashStyle dash_ = DashStyleSolid;
    std::vector<float> pattern_;
    float dashOffset_ = 0;
    TGPLineCap cap_ = LineCapFlat;
    TGPLineJoin join_ = LineJoinMiter;
};

}  // namespace tarvelon
