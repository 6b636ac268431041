#pragma once
// Helpers of the form library's tests: real Qt events sent to the real widgets, and a pump.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>

#include <string>

#include "platform/forms/application.h"
#include "platform/forms/hint_window.h"
#include "platform/forms/win_control.h"

namespace tarvelon::test {

// Handles the events waiting now (for at most 10 ms), then waits for events and handles them until `ms` milliseconds
// have passed. The wait sleeps between events rather than spinning, so that a test waiting for its
// condition leaves the processor to the program under test (and to the other tests).
inline void Pump(int ms = 0)
{
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (ms <= 0)
        return;
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // a wait for more events returns at least this often
    wake.start(ms < 5 ? ms : 5);
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// Pumps until `done` holds or `ms` pass; returns done().
template <typename Done>
bool PumpUntil(Done done, int ms = 3000)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.start(5);
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return done();
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF global = widget->mapToGlobal(QPointF(local));
    QMouseEvent event(type, QPointF(local), global, button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void MoveMouse(QWidget* widget, QPoint local, Qt::MouseButtons buttons = Qt::NoButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(widget, QEvent::MouseMove, local, Qt::NoButton, buttons, modifiers);
}

inline void SendWheel(QWidget* widget, QPoint local, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF global = widget->mapToGlobal(QPointF(local));
    QWheelEvent event(QPointF(local), global, QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(widget, &event);
}

inline void SendKey(QWidget* widget, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = QString())
{
    QKeyEvent event(type, key, modifiers, text);
    QApplication::sendEvent(widget, &event);
}

inline void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = QString())
{
    SendKey(widget, QEvent::KeyPress, key, modifiers, text);
    SendKey(widget, QEvent::KeyRelease, key, modifiers, text);
}

// Types each character of `text` as a key press carrying it, as a keyboard of any alphabet sends it
// (Qt's test keys stop at ASCII); a character beyond 16 bits goes as its pair in one press.
inline void TypeCharacters(QWidget* widget, const QString& text)
{
    for (int at = 0; at < text.size();) {
        const int length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        PressKey(widget, Qt::Key_unknown, Qt::NoModifier, text.mid(at, length));
        at += length;
    }
}

// The colour of a pixel of a grabbed widget, as 0xRRGGBB.
inline unsigned GrabbedPixel(QWidget* widget, int x, int y)
{
    const QImage image = widget->grab().toImage();
    return image.pixel(x, y) & 0xFFFFFFu;
}

// The hint shown when the pointer rests on a control at `local` (its own pixels), or empty when
// none shows.
inline std::string HintShownOver(TControl* control, QPoint local)
{
    const int pause = Application->HintPause;
    Application->HintPause = 10;
    MoveMouse(control->Parent()->Widget(), QPoint(control->Left(), control->Top()) + local);
    const bool shown = PumpUntil([] { return Application->HintWindow() && Application->HintWindow()->Visible(); }, 2000);
    const std::string hint = shown ? Application->HintWindow()->Caption() : std::string();
    Application->CancelHint();
    Application->HintPause = pause;
    return hint;
}

}  // namespace tarvelon::test
