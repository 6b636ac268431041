#pragma once
// Pens, brushes and modes of the canvas as Qt objects.
#include <QBrush>
#include <QPainter>
#include <QPen>

#include "platform/graphics/canvas.h"

namespace tarvelon {

// The brush's pattern in its colour (hatches are 8 by 8, aligned to the image's origin).
QBrush ToQBrush(const TBrush& brush);
// A Qt pen of the canvas pen's width and style in `color`.
QPen ToQPen(const TPen& pen, const QColor& color);
// Hatches show the background colour between their lines when the mode is OPAQUE.
void ApplyTextBackground(QPainter& painter, int bkMode, TColor bkColor);
QPainter::CompositionMode CopyModeComposition(TCopyMode mode);

}  // namespace tarvelon
