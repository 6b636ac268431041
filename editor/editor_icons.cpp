// The editor's small pictures.
#include "editor/editor_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <memory>

#include "platform/graphics/image_list.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"

namespace tarvelon {

namespace {

QColor IconColor(TEditorIcon icon)
{
    switch (icon) {
    case TEditorIcon::Add: return QColor(40, 150, 60);
    case TEditorIcon::Edit: return QColor(40, 100, 180);
    case TEditorIcon::Delete: return QColor(190, 40, 40);
    case TEditorIcon::Back: return QColor(200, 150, 30);
    case TEditorIcon::Quit: return QColor(90, 90, 90);
    }
    return Qt::gray;
}

void DrawSymbol(QPainter& painter, TEditorIcon icon, double s)
{
    QPen pen(Qt::white, s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    const double a = s * 0.3;
    const double b = s * 0.7;
    switch (icon) {
    case TEditorIcon::Add:
        painter.drawLine(QPointF(s / 2, a), QPointF(s / 2, b));
        painter.drawLine(QPointF(a, s / 2), QPointF(b, s / 2));
        break;
    case TEditorIcon::Edit:
        painter.drawLine(QPointF(a, b), QPointF(b, a));
        painter.drawLine(QPointF(a, b), QPointF(a + s * 0.1, b));
        break;
    case TEditorIcon::Delete:
        painter.drawLine(QPointF(a, a), QPointF(b, b));
        painter.drawLine(QPointF(a, b), QPointF(b, a));
        break;
    case TEditorIcon::Back:
        painter.drawLine(QPointF(a, s / 2), QPointF(b, s / 2));
        painter.drawLine(QPointF(a, s / 2), QPointF(s / 2, a));
        painter.drawLine(QPointF(a, s / 2), QPointF(s / 2, b));
        break;
    case TEditorIcon::Quit:
        painter.drawArc(QRectF(a, a, b - a, b - a), 120 * 16, 300 * 16);
        painter.drawLine(QPointF(s / 2, a - s * 0.05), QPointF(s / 2, s / 2));
        break;
    }
}

QPolygonF Star(double cx, double cy, double outer, double inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? outer : inner;
        star << QPointF(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    return star;
}

QImage Mark(int kind)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case 0: painter.setPen(QColor(150, 150, 150)); painter.setBrush(QColor(220, 220, 220)); painter.drawEllipse(4, 4, 8, 8); break;
    case 1: painter.setPen(QColor(0, 90, 0)); painter.setBrush(QColor(40, 180, 60)); painter.drawEllipse(3, 3, 10, 10); break;
    case 3: painter.setPen(QColor(150, 100, 0)); painter.setBrush(QColor(255, 200, 0)); painter.drawPolygon(Star(8, 8.5, 7, 3)); break;
    case 4: painter.setPen(QColor(190, 190, 190)); painter.setBrush(Qt::NoBrush); painter.drawPolygon(Star(8, 8.5, 7, 3)); break;
    default: break;
    }
    return image;
}

}  // namespace

QImage DrawEditorIcon(TEditorIcon icon, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    painter.setBrush(IconColor(icon));
    painter.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size * 0.2, size * 0.2);
    DrawSymbol(painter, icon, size);
    return image;
}

void ShowEditorIcon(TImage& image, TEditorIcon icon)
{
    const int size = std::min(image.Width(), image.Height());
    image.Picture().SetGraphic(std::make_unique<TImageGraphic>(DrawEditorIcon(icon, size), TImageFormat::Png));
}

void FillSquadMarks(TImageList& list)
{
    list.Clear();
    for (int kind = 0; kind <= 4; ++kind)
        list.AddImage(Mark(kind));
}

}  // namespace tarvelon
