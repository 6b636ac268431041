#pragma once
// TRegion: a set of pixels built from rectangles, polygons and ellipses, combined with the
// classic operations; used to clip drawing and to shape windows.
#include <memory>
#include <vector>

#include "platform/graphics/geometry.h"

class QRegion;

namespace tarvelon {

enum TRegionCombine { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum TPolyFillMode { ALTERNATE = 1, WINDING = 2 };

class TRegion {
public:
    TRegion();
    TRegion(const TRegion& other);
    TRegion& operator=(const TRegion& other);
    ~TRegion();

    static TRegion FromRect(const TRect& rect);
    static TRegion FromPolygon(const std::vector<TPoint>& points, TPolyFillMode mode = ALTERNATE);
    static TRegion FromEllipse(const TRect& bounds);
    static TRegion FromRoundRect(const TRect& bounds, int cornerWidth, int cornerHeight);
    static TRegion FromQRegion(const QRegion& region);

    // This := a (op) b. RGN_COPY copies a.
    void Combine(const TRegion& a, const TRegion& b, TRegionCombine op);
    void Offset(int dx, int dy);

    bool IsEmpty() const;
    bool Contains(int x, int y) const;
    TRect BoundingBox() const;
    std::vector<TRect> Rects() const;
    bool operator==(const TRegion& other) const;

    const QRegion& ToQRegion() const { return *region_; }

private:
    std::unique_ptr<QRegion> region_;
};

}  // namespace tarvelon
