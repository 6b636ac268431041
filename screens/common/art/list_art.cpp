#include "screens/common/art/list_art.h"

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

// An artist's palette holding the five default list colours.
QImage DrawPalette()
{
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(QColor(214, 178, 120));
    p.drawEllipse(QRectF(2, 5, 36, 30));
    p.setBrush(QColor(0, 0, 0, 0));
    const QColor dabs[] = {QColor(0x94, 0x94, 0x49), QColor(0xB3, 0xB3, 0x64), QColor(0xC0, 0xC0, 0x81),
                           QColor(0xD1, 0xD1, 0xA3), QColor(0xDE, 0xDE, 0xBC)};
    const QPointF places[] = {{11, 13}, {20, 10}, {29, 13}, {31, 22}, {23, 27}};
    p.setPen(QPen(QColor(60, 40, 20), 0.8));
    for (int i = 0; i < 5; ++i) {
        p.setBrush(dabs[i]);
        p.drawEllipse(places[i], 4.0, 4.0);
    }
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QPointF(12, 25), 3.5, 3.5);  // the thumb hole
    return image;
}

QImage DrawSealedLetter()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 20), 1.0));
    p.setBrush(QColor(255, 214, 90));
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    QPainterPath flap;
    flap.moveTo(1.5, 3.5);
    flap.lineTo(8.0, 9.0);
    flap.lineTo(14.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    return image;
}

QImage DrawOpenLetter()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 110), 1.0));
    p.setBrush(QColor(235, 235, 235));
    QPainterPath body;
    body.moveTo(1.5, 7.0);
    body.lineTo(8.0, 2.0);
    body.lineTo(14.5, 7.0);
    body.lineTo(14.5, 14.5);
    body.lineTo(1.5, 14.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.0, 4.5, 8, 6));
    QPainterPath fold;
    fold.moveTo(1.5, 7.0);
    fold.lineTo(8.0, 11.5);
    fold.lineTo(14.5, 7.0);
    p.setBrush(QColor(235, 235, 235));
    p.drawPath(fold);
    return image;
}

}  // namespace tarvelon::art
