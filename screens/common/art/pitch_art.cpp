#include "screens/common/art/pitch_art.h"

#include <QPainter>
#include <QPainterPath>

#include "core/vocab/tactics_board.h"

namespace tarvelon::art {

namespace {

constexpr int kMargin = 12;
constexpr int kFieldRight = 372;  // the bench column stands beside the field, to its right

void PaintStripes(QPainter& p)
{
    const int stripes = 12;
    for (int i = 0; i < stripes; ++i) {
        const QColor grass = i % 2 == 0 ? QColor(46, 132, 54) : QColor(58, 148, 64);
        p.fillRect(QRect(0, i * kPitchHeight / stripes, kFieldRight + kMargin, kPitchHeight / stripes + 1), grass);
    }
    QLinearGradient bench(kFieldRight + kMargin, 0, kPitchWidth, 0);
    bench.setColorAt(0, QColor(28, 60, 34));
    bench.setColorAt(1, QColor(18, 40, 24));
    p.fillRect(QRect(kFieldRight + kMargin, 0, kPitchWidth - kFieldRight - kMargin, kPitchHeight), bench);
}

void PaintLines(QPainter& p)
{
    p.setPen(QPen(QColor(235, 245, 235), 2));
    p.setBrush(Qt::NoBrush);
    const QRect field(kMargin, kMargin, kFieldRight - kMargin, kPitchHeight - 2 * kMargin);
    p.drawRect(field);
    const int midY = kPitchHeight / 2;
    p.drawLine(field.left(), midY, field.right(), midY);
    const int cx = field.center().x();
    p.drawEllipse(QPoint(cx, midY), 52, 52);
    const int boxWidth = 220;
    const int boxDepth = 80;
    const int goalWidth = 120;
    const int goalDepth = 30;
    p.drawRect(cx - boxWidth / 2, field.top(), boxWidth, boxDepth);
    p.drawRect(cx - boxWidth / 2, field.bottom() - boxDepth, boxWidth, boxDepth);
    p.drawRect(cx - goalWidth / 2, field.top(), goalWidth, goalDepth);
    p.drawRect(cx - goalWidth / 2, field.bottom() - goalDepth, goalWidth, goalDepth);
    p.setBrush(QColor(235, 245, 235));
    p.drawEllipse(QPoint(cx, midY), 3, 3);
}

QColor ShirtColor(int kind)
{
    switch (kind) {
    case 1: return QColor(200, 30, 30);
    case 2: return QColor(240, 190, 20);
    case 3: return QColor(40, 90, 200);
    default: return QColor(0, 0, 0, 0);
    }
}

QPainterPath ShirtPath()
{
    QPainterPath path;
    path.moveTo(19, 8);
    path.lineTo(9, 14);
    path.lineTo(3, 26);
    path.lineTo(11, 30);
    path.lineTo(15, 23);
    path.lineTo(15, 50);
    path.lineTo(40, 50);
    path.lineTo(40, 23);
    path.lineTo(44, 30);
    path.lineTo(52, 26);
    path.lineTo(46, 14);
    path.lineTo(36, 8);
    path.quadTo(27.5, 16, 19, 8);
    path.closeSubpath();
    return path;
}

}  // namespace

QImage DrawPitch()
{
    QImage image(kPitchWidth, kPitchHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintStripes(p);
    PaintLines(p);
    return image;
}

QImage DrawPitchOverlay()
{
    QImage image(kPitchWidth, kPitchHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1, Qt::DashLine));
    p.setBrush(QColor(255, 255, 255, 40));
    for (int slot = 2; slot <= PitchSlotCount; ++slot)
        p.drawRoundedRect(QRect(PitchSlotX[slot], PitchSlotY[slot], 42, 42), 6, 6);
    return image;
}

QImage DrawShirt(int kind)
{
    QImage image(kShirtSize, kShirtSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = ShirtPath();
    if (kind == 0) {
        p.setPen(QPen(QColor(255, 255, 255, 170), 1.5, Qt::DashLine));
        p.setBrush(QColor(255, 255, 255, 35));
        p.drawPath(path);
        return image;
    }
    QLinearGradient shade(0, 8, 0, 50);
    shade.setColorAt(0, ShirtColor(kind).lighter(130));
    shade.setColorAt(1, ShirtColor(kind).darker(125));
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    p.setBrush(shade);
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.drawLine(QPointF(15, 23), QPointF(15, 49));
    p.drawLine(QPointF(40, 23), QPointF(40, 49));
    return image;
}

}  // namespace tarvelon::art
