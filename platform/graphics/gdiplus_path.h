#pragma once
// TGPGraphicsPath: figures of lines, arcs, Béziers, ellipses and rectangles. Pieces added to an
// open figure join the figure's last point with a straight line; CloseFigure ends a figure.
// Angles are in degrees, clockwise from the x axis (y grows downwards). TGPRegion: an area made
// of rectangles and paths, combined.
#include <QPainterPath>
#include <vector>

#include "platform/graphics/gdiplus_types.h"

namespace tarvelon {

class TGPGraphicsPath {
public:
    explicit TGPGraphicsPath(TGPFillMode fillMode = FillModeAlternate);

    void AddLine(float x1, float y1, float x2, float y2);
    void AddLines(const std::vector<TGPPointF>& points);
    void AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    void AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
    void AddBezier(TGPPointF p1, TGPPointF p2, TGPPointF p3, TGPPointF p4);
    void AddBeziers(const std::vector<TGPPointF>& points);  // 1 + 3n points
    void AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    // Closed figures of their own.
    void AddEllipse(float x, float y, float width, float height);
    void AddEllipse(const TGPRectF& rect) { AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }
    void AddRectangle(const TGPRectF& rect);
    void AddPolygon(const std::vector<TGPPointF>& points);
    void AddPath(const TGPGraphicsPath& other);

    void StartFigure();
    void CloseFigure();
    void CloseAllFigures();
    void Reset();

    TGPFillMode FillMode() const { return fillMode_; }
    void SetFillMode(TGPFillMode mode);
    TGPRectF GetBounds() const;
    bool IsVisible(float x, float y) const;
    int PointCount() const { return path_.elementCount(); }
    // The last point added (0, 0 for an empty path).
    TGPPointF LastPoint() const;

    const QPainterPath& ToQPainterPath() const { return path_; }

private:
    // Where a new piece starts: joined to the open figure, or a new figure.
    void BeginPieceAt(QPointF start);

    QPainterPath path_;
    TGPFillMode fillMode_;
    bool figureOpen_ = false;
};

class TGPRegion {
public:
    TGPRegion();  // infinite
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPGraphicsPath& path);

    void Intersect(const TGPRegion& other) { Combine(other, CombineModeIntersect); }
    void Union(const TGPRegion& other) { Combine(other, CombineModeUnion); }
    void Xor(const TGPRegion& other) { Combine(other, CombineModeXor); }
    void Exclude(const TGPRegion& other) { Combine(other, CombineModeExclude); }
    void Combine(const TGPRegion& other, TGPCombineMode mode);
    void MakeInfinite();
    void MakeEmpty();

    bool IsInfinite() const { return infinite_; }
    bool IsVisible(float x, float y) const;
    // The area as a path (a very large rectangle when infinite).
    QPainterPath ToQPainterPath() const;

private:
    QPainterPath area_;
    bool infinite_ = true;
};

// Combines two areas as the combine mode says (`current` is the one already there).
QPainterPath CombinePaths(const QPainterPath& current, const QPainterPath& other, TGPCombineMode mode);

}  // namespace tarvelon
