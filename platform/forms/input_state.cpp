#include "platform/forms/input_state.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include "platform/forms/application.h"
#include "platform/forms/drag_drop.h"
#include "platform/forms/win_control.h"
#include "platform/forms/window_events.h"

namespace tarvelon {
namespace {

TControl* captureControl = nullptr;
bool captureOfAPress = false;  // taken while a press was dispatched: its release ends it
TControl* mouseControl = nullptr;
QPointer<QWidget> grabbedWidget;
bool inMousePress = false;
bool mouseSeen = false;
TPoint lastMousePos;

void ReleaseGrab()
{
    if (grabbedWidget)
        grabbedWidget->releaseMouse();
    grabbedWidget = nullptr;
}

QWidget* WindowOf(TControl* control)
{
    if (auto* window = dynamic_cast<TWinControl*>(control))
        return window->HandleAllocated() ? window->Widget() : nullptr;
    if (control->Parent() && control->Parent()->HandleAllocated())
        return control->Parent()->Widget();
    return nullptr;
}

}  // namespace

TPoint GetCursorPos()
{
    if (mouseSeen)
        return lastMousePos;
    const QPoint pos = QCursor::pos();
    return Point(pos.x(), pos.y());
}

void SetLastMousePos(TPoint screenPos)
{
    mouseSeen = true;
    lastMousePos = screenPos;
}

TControl* FindControlAtPos(TPoint screenPos)
{
    return TWindowEvents::FindControlAt(screenPos);
}

TControl* GetCaptureControl()
{
    return captureControl;
}

void SetCaptureControl(TControl* control)
{
    if (captureControl == control)
        return;
    ReleaseGrab();
    captureControl = control;
    captureOfAPress = inMousePress;
    if (!control || inMousePress)
        return;
    QWidget* widget = WindowOf(control);
    if (widget && widget->isVisible()) {
        widget->grabMouse();
        grabbedWidget = widget;
    }
}

TControl* MouseControl()
{
    return mouseControl;
}

void SetMouseControl(TControl* control)
{
    if (mouseControl == control)
        return;
    TControl* old = mouseControl;
    mouseControl = control;
    // While a control holds the capture only it hears that the mouse left or came back.
    if (old && (!captureControl || old == captureControl))
        old->HandleMouseLeave();
    // The leave handler may have moved things on; only a control still under the mouse hears enter.
    if (control && mouseControl == control && (!captureControl || control == captureControl))
        control->HandleMouseEnter();
}

void SetInMousePress(bool inPress)
{
    inMousePress = inPress;
}

void EndPressWithoutRelease()
{
    if (captureControl && captureOfAPress)
        captureControl->HandleCancelMode();
}

void CancelMouseModeOf(QWidget* window)
{
    if (!captureControl)
        return;
    QWidget* held = WindowOf(captureControl);
    if (held && held->window() == window)
        captureControl->HandleCancelMode();
}

void ForgetControl(TControl* control)
{
    if (captureControl == control) {
        ReleaseGrab();
        captureControl = nullptr;
    }
    if (mouseControl == control)
        mouseControl = nullptr;
    DragManager().Forget(control);
    TWindowEvents::Forget(control);
    if (Application)
        Application->ForgetControl(control);
}

}  // namespace tarvelon
