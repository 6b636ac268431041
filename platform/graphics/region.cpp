#include "platform/graphics/region.h"

#include <QPolygon>
#include <QRegion>
#include <algorithm>

namespace tarvelon {

TRegion::TRegion() : region_(std::make_unique<QRegion>()) {}

TRegion::TRegion(const TRegion& other) : region_(std::make_unique<QRegion>(*other.region_)) {}

TRegion& TRegion::operator=(const TRegion& other)
{
    *region_ = *other.region_;
    return *this;
}

TRegion::~TRegion() = default;

TRegion TRegion::FromQRegion(const QRegion& region)
{
    TRegion result;
    *result.region_ = region;
    return result;
}

TRegion TRegion::FromRect(const TRect& rect)
{
    if (IsRectEmpty(rect))
        return TRegion();
    return FromQRegion(QRegion(ToQRect(rect)));
}

TRegion TRegion::FromPolygon(const std::vector<TPoint>& points, TPolyFillMode mode)
{
    QPolygon polygon;
    for (const TPoint& point : points)
        polygon << ToQPoint(point);
    return FromQRegion(QRegion(polygon, mode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

TRegion TRegion::FromEllipse(const TRect& bounds)
{
    if (IsRectEmpty(bounds))
        return TRegion();
    return FromQRegion(QRegion(ToQRect(bounds), QRegion::Ellipse));
}

TRegion TRegion::FromRoundRect(const TRect& bounds, int cornerWidth, int cornerHeight)
{
    if (IsRectEmpty(bounds))
        return TRegion();
    const int w = std::min(cornerWidth, bounds.Width());
    const int h = std::min(cornerHeight, bounds.Height());
    if (w <= 1 || h <= 1)
        return FromRect(bounds);
    // Four corner ellipses joined by the two crossing bands.
    QRegion region(bounds.Left + w / 2, bounds.Top, bounds.Width() - w, bounds.Height());
    region += QRegion(bounds.Left, bounds.Top + h / 2, bounds.Width(), bounds.Height() - h);
    region += QRegion(bounds.Left, bounds.Top, w, h, QRegion::Ellipse);
    region += QRegion(bounds.Right - w, bounds.Top, w, h, QRegion::Ellipse);
    region += QRegion(bounds.Left, bounds.Bottom - h, w, h, QRegion::Ellipse);
    region += QRegion(bounds.Right - w, bounds.Bottom - h, w, h, QRegion::Ellipse);
    return FromQRegion(region);
}

void TRegion::Combine(const TRegion& a, const TRegion& b, TRegionCombine op)
{
    switch (op) {
    case RGN_AND: *region_ = *a.region_ & *b.region_; break;
    case RGN_OR: *region_ = *a.region_ | *b.region_; break;
    case RGN_XOR: *region_ = *a.region_ ^ *b.region_; break;
    case RGN_DIFF: *region_ = *a.region_ - *b.region_; break;
    case RGN_COPY: *region_ = *a.region_; break;
    }
}

void TRegion::Offset(int dx, int dy) { region_->translate(dx, dy); }

bool TRegion::IsEmpty() const { return region_->isEmpty(); }

bool TRegion::Contains(int x, int y) const { return region_->contains(QPoint(x, y)); }

TRect TRegion::BoundingBox() const { return FromQRect(region_->boundingRect()); }

std::vector<TRect> TRegion::Rects() const
{
    std::vector<TRect> rects;
    for (const QRect& rect : *region_)
        rects.push_back(FromQRect(rect));
    return rects;
}

bool TRegion::operator==(const TRegion& other) const { return *region_ == *other.region_; }

}  // namespace tarvelon
