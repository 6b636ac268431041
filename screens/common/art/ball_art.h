#pragma once
// A football painted with Qt: a shaded sphere with its black pentagons, for the title picture, the
// menu plates and the custom cursor.
#include <QPointF>

class QPainter;

namespace tarvelon::art {

// Paints the ball in the circle of `centre` and `radius`; `turn` (degrees) turns its pattern.
void PaintBall(QPainter& painter, QPointF centre, double radius, double turn = 0.0);

}  // namespace tarvelon::art
