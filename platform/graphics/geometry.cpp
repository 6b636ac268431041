#include "platform/graphics/geometry.h"

#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cstdlib>

namespace tarvelon {

bool IsRectEmpty(const TRect& rect) { return rect.Right <= rect.Left || rect.Bottom <= rect.Top; }

void InflateRect(TRect& rect, int dx, int dy)
{
    rect.Left -= dx;
    rect.Top -= dy;
    rect.Right += dx;
    rect.Bottom += dy;
}

void OffsetRect(TRect& rect, int dx, int dy)
{
    rect.Left += dx;
    rect.Right += dx;
    rect.Top += dy;
    rect.Bottom += dy;
}

bool PtInRect(const TRect& rect, TPoint point)
{
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

bool IntersectRect(TRect& result, const TRect& a, const TRect& b)
{
    TRect common{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                 std::min(a.Bottom, b.Bottom)};
    if (IsRectEmpty(common)) {
        result = TRect{};
        return false;
    }
    result = common;
    return true;
}

bool UnionRect(TRect& result, const TRect& a, const TRect& b)
{
    if (IsRectEmpty(a)) {
        result = IsRectEmpty(b) ? TRect{} : b;
    } else if (IsRectEmpty(b)) {
        result = a;
    } else {
        result = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                  std::max(a.Bottom, b.Bottom)};
    }
    return !IsRectEmpty(result);
}

bool EqualRect(const TRect& a, const TRect& b) { return a == b; }

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long magnitude = (std::llabs(product) + std::llabs(static_cast<long long>(c)) / 2) / std::llabs(static_cast<long long>(c));
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

QRect ToQRect(const TRect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }

TRect FromQRect(const QRect& rect) { return Bounds(rect.x(), rect.y(), rect.width(), rect.height()); }

QPoint ToQPoint(TPoint point) { return QPoint(point.X, point.Y); }

}  // namespace tarvelon
