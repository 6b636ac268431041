#pragma once
// Real mouse drags on a pitch board, as the window system sends them: a press on the shirt, moves
// with the button held, the release over the target.
#include <QTest>
#include <QWidget>

#include "platform/stdctrls/graphic_controls.h"
#include "screens/matchday/pitch_board.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon::test {

inline void DragMouse(QWidget* from, QPoint start, QWidget* to, QPoint end)
{
    QTest::mousePress(from, Qt::LeftButton, Qt::NoModifier, start);
    const QPoint target = from->mapFromGlobal(to->mapToGlobal(end));
    MoveMouse(from, target + QPoint(2, 2), Qt::LeftButton);
    MoveMouse(from, target, Qt::LeftButton);
    SendMouse(from, QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
    Pump(10);
}

// The centre of a shirt of the board, in its pitch panel's pixels.
inline QPoint ShirtCentreOf(const TPitchBoard& board, int shirt)
{
    const TImage* image = board.Shirt(shirt);
    return QPoint(image->Left() + image->Width() / 2, image->Top() + image->Height() / 2);
}

}  // namespace tarvelon::test
