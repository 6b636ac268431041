#pragma once
// The pen modes as operations on 24-bit colours and as Qt composition modes.
#include <QPainter>
#include <QRgb>

#include "platform/graphics/pen_brush.h"

namespace tarvelon {

// The new colour (RGB, alpha ignored) of a pixel `dest` under a pen of colour `pen`.
QRgb ApplyPenMode(TPenMode mode, QRgb pen, QRgb dest);

// Sets up `painter` to combine as `mode` says; returns false for pmNop (nothing to draw).
// pmBlack, pmWhite and pmNotCopy change `color` and draw it plainly.
bool SetPainterPenMode(QPainter& painter, TPenMode mode, QColor& color);

}  // namespace tarvelon
