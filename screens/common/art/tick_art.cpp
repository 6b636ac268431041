#include "screens/common/art/tick_art.h"

#include <QPainter>
#include <QPainterPath>

namespace tarvelon::art {

namespace {

QImage DrawBox()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(2, 2, 11, 11);
    return image;
}

}  // namespace

QImage DrawEmptyTick() { return DrawBox(); }

QImage DrawTick()
{
    QImage image = DrawBox();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0, 140, 40), 2.2);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    QPainterPath mark;
    mark.moveTo(4.5, 8.0);
    mark.lineTo(7.0, 11.0);
    mark.lineTo(12.0, 4.5);
    p.drawPath(mark);
    return image;
}

}  // namespace tarvelon::art
