#include "screens/common/art/ball_art.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace tarvelon::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

QPointF Polar(QPointF centre, double radius, double degrees)
{
    const double a = degrees * kPi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

// A pentagon around `centre`; `squash` < 1 flattens it along the direction `towards` (degrees), as
// a patch seen near the ball's rim.
QPolygonF Pentagon(QPointF centre, double radius, double turn, double squash, double towards)
{
    const double t = towards * kPi / 180.0;
    const QPointF axis(std::cos(t), std::sin(t));
    QPolygonF polygon;
    for (int i = 0; i < 5; ++i) {
        QPointF p = Polar(QPointF(0, 0), radius, turn + 72.0 * i);
        const double along = p.x() * axis.x() + p.y() * axis.y();
        p -= axis * (along * (1.0 - squash));
        polygon << centre + p;
    }
    return polygon;
}

}  // namespace

void PaintBall(QPainter& painter, QPointF centre, double radius, double turn)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);

    QRadialGradient body(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.5);
    body.setColorAt(0.0, QColor(255, 255, 255));
    body.setColorAt(0.55, QColor(228, 230, 234));
    body.setColorAt(1.0, QColor(120, 124, 134));
    painter.fillPath(disc, body);

    painter.setClipPath(disc);
    const QColor patch(22, 22, 26);
    const QPointF middle = centre + QPointF(radius * 0.06, radius * 0.04);
    const double inner = radius * 0.3;
    const QPolygonF core = Pentagon(middle, inner, turn - 90.0, 1.0, 0.0);
    QPen seam(QColor(40, 40, 46), std::max(0.6, radius * 0.035));
    painter.setPen(seam);
    // Around the middle patch, five patches in the directions of its corners, seams between them.
    QPolygonF outer[5];
    for (int i = 0; i < 5; ++i) {
        const double direction = turn - 90.0 + 72.0 * i;
        outer[i] = Pentagon(Polar(middle, radius * 0.88, direction), inner, direction + 180.0, 0.55, direction);
    }
    for (int i = 0; i < 5; ++i) {
        painter.drawLine(core[i], outer[i][0]);
        painter.drawLine(outer[i][4], outer[(i + 1) % 5][1]);
    }
    painter.setBrush(patch);
    for (const QPolygonF& polygon : outer)
        painter.drawPolygon(polygon);
    painter.setBrush(patch);
    painter.drawPolygon(core);

    // The light on the top left and the shade on the bottom right.
    QRadialGradient shine(centre - QPointF(radius * 0.4, radius * 0.45), radius * 0.55);
    shine.setColorAt(0.0, QColor(255, 255, 255, 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(disc, shine);
    QRadialGradient shade(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.35);
    shade.setColorAt(0.7, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 110));
    painter.fillPath(disc, shade);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 30, 36, 200), std::max(0.8, radius * 0.03)));
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

}  // namespace tarvelon::art
