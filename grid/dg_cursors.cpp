#include "grid/dg_cursors.h"

#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include "platform/forms/screen.h"

namespace tarvelon {
namespace {

enum RollArrows { rollBoth, rollUp, rollDown };

QPixmap EmptyCursorImage()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawOutlinedPolygon(QPainter& painter, const QPolygon& polygon)
{
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(polygon);
}

// The roll cursor: a dot in the middle with the arrows of the directions it may move.
QCursor RollCursor(RollArrows arrows)
{
    QPixmap pixmap = EmptyCursorImage();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (arrows != rollDown)
        DrawOutlinedPolygon(painter, QPolygon({QPoint(16, 4), QPoint(22, 11), QPoint(10, 11)}));
    if (arrows != rollUp)
        DrawOutlinedPolygon(painter, QPolygon({QPoint(10, 21), QPoint(22, 21), QPoint(16, 28)}));
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(13, 13, 6, 6));
    painter.end();
    return QCursor(pixmap, 16, 16);
}

QCursor ReversedArrowCursor()
{
    QPixmap pixmap = EmptyCursorImage();
    QPainter painter(&pixmap);
    // The usual arrow mirrored: its tip at the top right.
    DrawOutlinedPolygon(painter, QPolygon({QPoint(20, 1), QPoint(20, 17), QPoint(16, 13), QPoint(13, 19),
                                           QPoint(11, 18), QPoint(14, 12), QPoint(9, 12)}));
    painter.end();
    return QCursor(pixmap, 20, 1);
}

}  // namespace

void LoadRollCursors()
{
    Screen->SetCursors(crRoll, RollCursor(rollBoth));
    Screen->SetCursors(crRollUp, RollCursor(rollUp));
    Screen->SetCursors(crRollDown, RollCursor(rollDown));
}

void LoadReversedArrowCursor()
{
    Screen->SetCursors(crReversedArrow, ReversedArrowCursor());
}

}  // namespace tarvelon
