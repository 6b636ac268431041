#include "screens/common/art/summary_icon_art.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace tarvelon::art {

namespace {

QImage EmptyIcon()
{
    QImage image(kSummaryIconWidth, kSummaryIconHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A cup with two handles on a dark base, in the metal's light and shade.
QImage DrawCup(QColor light, QColor shade)
{
    QImage image = EmptyIcon();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(shade.darker(150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1.5, 3.5, 5, 6));
    p.drawEllipse(QRectF(11.5, 3.5, 5, 6));
    QPainterPath bowl;
    bowl.moveTo(4, 2);
    bowl.lineTo(14, 2);
    bowl.cubicTo(14, 10, 12, 13, 9, 13);
    bowl.cubicTo(6, 13, 4, 10, 4, 2);
    QLinearGradient metal(4, 0, 14, 0);
    metal.setColorAt(0, shade);
    metal.setColorAt(0.4, light);
    metal.setColorAt(1, shade);
    p.setBrush(metal);
    p.drawPath(bowl);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRect(QRectF(8, 13, 2, 3));
    p.drawRect(QRectF(5, 16, 8, 2));
    p.setBrush(QColor(60, 40, 20));
    p.drawRect(QRectF(4, 18, 10, 3));
    return image;
}

}  // namespace

QImage DrawGoldCupIcon() { return DrawCup(QColor(255, 226, 90), QColor(190, 140, 20)); }

QImage DrawSilverCupIcon() { return DrawCup(QColor(245, 245, 245), QColor(140, 140, 150)); }

// A place written out, in bold navy.
QImage DrawPlaceIcon(const char* place)
{
    QImage image = EmptyIcon();
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font("Arial");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(image.rect(), Qt::AlignCenter, QString::fromUtf8(place));
    return image;
}

QImage DrawThirdPlaceIcon() { return DrawPlaceIcon("3º"); }

QImage DrawFourthPlaceIcon() { return DrawPlaceIcon("4º"); }

QImage DrawGoldenBootIcon()
{
    QImage image = EmptyIcon();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath boot;
    boot.moveTo(5, 3);
    boot.lineTo(11, 3);
    boot.lineTo(11, 12);
    boot.cubicTo(14, 12, 17, 13, 17, 16);
    boot.lineTo(17, 17);
    boot.lineTo(3, 17);
    boot.lineTo(3, 12);
    boot.closeSubpath();
    QLinearGradient metal(3, 0, 17, 0);
    metal.setColorAt(0, QColor(190, 140, 20));
    metal.setColorAt(0.5, QColor(255, 226, 90));
    metal.setColorAt(1, QColor(190, 140, 20));
    p.setPen(QPen(QColor(120, 85, 10), 1));
    p.setBrush(metal);
    p.drawPath(boot);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    for (int x = 4; x <= 15; x += 4)
        p.drawRect(QRectF(x, 17, 2, 2));
    return image;
}

}  // namespace tarvelon::art
