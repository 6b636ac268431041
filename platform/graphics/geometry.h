#pragma once
// Points, sizes and rectangles of the drawing layer. A rectangle holds its right and bottom edges
// outside: Rect(0, 0, 10, 5) covers the pixels 0..9 by 0..4.
class QRect;
class QPoint;

namespace tarvelon {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// True when the rectangle covers no pixel (Right <= Left or Bottom <= Top).
bool IsRectEmpty(const TRect& rect);
void InflateRect(TRect& rect, int dx, int dy);
void OffsetRect(TRect& rect, int dx, int dy);
// Right and bottom edges are outside.
bool PtInRect(const TRect& rect, TPoint point);
// The common part of a and b in `result` (all zeros when they do not meet); true when not empty.
bool IntersectRect(TRect& result, const TRect& a, const TRect& b);
// The smallest rectangle holding both (an empty one counts for nothing); true when not empty.
bool UnionRect(TRect& result, const TRect& a, const TRect& b);
bool EqualRect(const TRect& a, const TRect& b);

// a * b / c rounded half away from zero (-1 when c is 0), as layouts scale sizes.
int MulDiv(int a, int b, int c);

QRect ToQRect(const TRect& rect);
TRect FromQRect(const QRect& rect);
QPoint ToQPoint(TPoint point);

}  // namespace tarvelon
