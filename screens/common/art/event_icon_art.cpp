#include "screens/common/art/event_icon_art.h"

#include <QPainter>
#include <QPolygonF>

#include "screens/common/art/ball_art.h"

namespace tarvelon::art {

namespace {

constexpr int kIconWidth = 14;
constexpr int kIconHeight = 15;

QImage Blank()
{
    QImage image(kIconWidth, kIconHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PaintCard(QPainter& p, QRectF card, QColor colour)
{
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(colour);
    p.drawRoundedRect(card, 1.5, 1.5);
}

QImage Card(QColor colour)
{
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintCard(p, QRectF(3.5, 1.5, 8, 12), colour);
    return image;
}

QImage Ball(bool struck)
{
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintBall(p, QPointF(7, 7.5), 6.2);
    if (struck) {
        p.setPen(QPen(QColor(220, 30, 30), 2));
        p.drawLine(QPointF(1.5, 13.5), QPointF(12.5, 1.5));
    }
    return image;
}

}  // namespace

QImage DrawGoalIcon() { return Ball(false); }
QImage DrawMissIcon() { return Ball(true); }
QImage DrawYellowCardIcon() { return Card(QColor(250, 215, 0)); }
QImage DrawRedCardIcon() { return Card(QColor(215, 20, 20)); }

QImage DrawSecondYellowIcon()
{
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintCard(p, QRectF(1.5, 1.5, 7, 11), QColor(250, 215, 0));
    PaintCard(p, QRectF(5.5, 3.5, 7, 11), QColor(215, 20, 20));
    return image;
}

QImage DrawInjuryIcon()
{
    QImage image = Blank();
    QPainter p(&image);
    p.fillRect(QRect(1, 1, 12, 13), QColor(255, 255, 255));
    p.fillRect(QRect(5, 2, 4, 11), QColor(210, 20, 20));
    p.fillRect(QRect(2, 6, 10, 4), QColor(210, 20, 20));
    return image;
}

QImage DrawSubstitutionIcon()
{
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 190, 40));  // coming on
    p.drawPolygon(QPolygonF({QPointF(3.5, 1), QPointF(7, 5.5), QPointF(5, 5.5), QPointF(5, 7.5), QPointF(2, 7.5),
                             QPointF(2, 5.5), QPointF(0, 5.5)}));
    p.setBrush(QColor(220, 30, 30));  // going off
    p.drawPolygon(QPolygonF({QPointF(10.5, 14), QPointF(14, 9.5), QPointF(12, 9.5), QPointF(12, 7.5), QPointF(9, 7.5),
                             QPointF(9, 9.5), QPointF(7, 9.5)}));
    return image;
}

}  // namespace tarvelon::art
