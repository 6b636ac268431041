#include "screens/common/art/cursor_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "platform/forms/screen.h"
#include "screens/common/art/ball_art.h"
#include "screens/common/art/pitch_art.h"

namespace tarvelon::art {

namespace {

QImage BlankCursor()
{
    QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Outline(QPainter& p, const QPainterPath& shape, const QColor& fill)
{
    p.setPen(QPen(QColor(0, 0, 0), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
}

QPainterPath RoundedBox(double x, double y, double w, double h, double r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

// A white glove pointing up with its index finger.
CursorArt HandPoint()
{
    QImage image = BlankCursor();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath hand = RoundedBox(9.5, 1.5, 6, 17, 3);
    hand = hand.united(RoundedBox(6.5, 13.5, 19, 13, 4));
    for (int i = 0; i < 3; ++i) {
        hand = hand.united(RoundedBox(14.5 + i * 4, 10.5 + i, 4.5, 9, 2.2));
    }
    QPainterPath thumb;
    thumb.addEllipse(QRectF(2.5, 14.5, 9, 7));
    hand = hand.united(thumb).simplified();
    Outline(p, hand, QColor(255, 255, 255));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(18.5, 16), QPointF(18.5, 19.5));
    p.drawLine(QPointF(22.5, 17), QPointF(22.5, 20.5));
    Outline(p, RoundedBox(8.5, 26.5, 16, 4.5, 1), QColor(236, 190, 64));
    return {image, QPoint(12, 1)};
}

// Two bulbs of glass between gold ends, sand running down.
CursorArt Hourglass()
{
    QImage image = BlankCursor();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF glass;
    glass << QPointF(9.5, 5) << QPointF(22.5, 5) << QPointF(17.5, 16) << QPointF(22.5, 27) << QPointF(9.5, 27)
          << QPointF(14.5, 16);
    QPainterPath glassPath;
    glassPath.addPolygon(glass);
    glassPath.closeSubpath();
    Outline(p, glassPath, QColor(210, 232, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 150, 30));
    p.drawPolygon(QPolygonF() << QPointF(12, 9) << QPointF(20, 9) << QPointF(16, 15));
    p.drawPolygon(QPolygonF() << QPointF(11, 26) << QPointF(21, 26) << QPointF(16, 20.5));
    p.drawRect(QRectF(15.5, 15, 1, 6));
    Outline(p, RoundedBox(7.5, 1.5, 17, 4, 1.5), QColor(150, 96, 10));
    Outline(p, RoundedBox(7.5, 26.5, 17, 4, 1.5), QColor(150, 96, 10));
    return {image, QPoint(16, 16)};
}

// The white arrow pointing at the top left corner.
void PaintArrow(QPainter& p)
{
    QPolygonF arrow;
    arrow << QPointF(1, 1) << QPointF(1, 17) << QPointF(5, 13) << QPointF(8, 20) << QPointF(11, 19)
          << QPointF(8, 12) << QPointF(13.5, 12);
    QPainterPath path;
    path.addPolygon(arrow);
    path.closeSubpath();
    Outline(p, path, QColor(255, 255, 255));
}

// The arrow with a small ball at its tail.
CursorArt BallArrow()
{
    QImage image = BlankCursor();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    PaintArrow(p);
    PaintBall(p, QPointF(22, 22), 8, 0);
    return {image, QPoint(1, 1)};
}

// The arrow carrying a shirt of the team sheet (kind 0 empty .. 3 substitute) while it is dragged.
CursorArt ShirtArrow(int kind)
{
    QImage image = BlankCursor();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRectF(10, 10, 22, 22), DrawShirt(kind));
    PaintArrow(p);
    return {image, QPoint(1, 1)};
}

}  // namespace

CursorArt DrawCursor(const std::string& name)
{
    if (name == "handpoint")
        return HandPoint();
    if (name == "hourglass")
        return Hourglass();
    if (name == "cursor5")
        return BallArrow();
    if (name.size() == 7 && name.starts_with("cursor") && name[6] >= '0' && name[6] <= '3')
        return ShirtArrow(name[6] - '0');
    return {};
}

QCursor LoadCursorResource(const std::string& name)
{
    const CursorArt art = DrawCursor(name);
    if (art.image.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(art.image), art.hotSpot.x(), art.hotSpot.y());
}

void InstallGameCursors()
{
    Screen->SetCursors(crHandPoint, LoadCursorResource("handpoint"));
    Screen->SetCursors(crHourGlass, LoadCursorResource("hourglass"));
}

}  // namespace tarvelon::art
