#include "platform/forms/window_events.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include <exception>
#include <memory>

#include "platform/forms/application.h"
#include "platform/forms/drag_drop.h"
#include "platform/forms/form.h"
#include "platform/forms/input_state.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/forms/win_control.h"
#include "platform/forms/window_widget.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {
namespace {

bool lastMouseEventWasPress = false;

// The windows of the last two presses. A double click counts only when both of its presses hit the
// same window: the second click of a fast double click on a button that opens the next screen lands
// on that screen, which must take it as a plain press.
QPointer<QWidget> lastPressWindow;
QPointer<QWidget> pressWindowBefore;

void NotePress(QWidget* window)
{
    pressWindowBefore = lastPressWindow;
    lastPressWindow = window;
}

bool PressesOfOneWindow(QWidget* window)
{
    return pressWindowBefore == window && lastPressWindow == window;
}

// A top-level window dragged by its caption area: the window and where the mouse took it.
struct WindowDrag {
    TWinControl* window = nullptr;
    QPoint grip;  // mouse position minus the window's position
} windowDrag;

bool DragWindow(TWinControl* control, QWidget* widget, QMouseEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint local = event->position().toPoint();
        if (event->button() != Qt::LeftButton || !widget->isWindow() || control->HitTest(local.x(), local.y()) != HTCAPTION)
            return false;
        windowDrag.window = control;
        windowDrag.grip = global - QPoint(control->Left(), control->Top());
        return true;
    }
    case QEvent::MouseMove:
        if (windowDrag.window != control)
            return false;
        control->SetBounds(global.x() - windowDrag.grip.x(), global.y() - windowDrag.grip.y(), control->Width(),
                           control->Height());
        return true;
    case QEvent::MouseButtonRelease:
        if (windowDrag.window != control)
            return false;
        windowDrag.window = nullptr;
        return true;
    default:
        return false;
    }
}
bool forwardingKey = false;

// While a press is dispatched the window system already holds the mouse for the pressed window.
struct PressScope {
    PressScope() { SetInMousePress(true); }
    ~PressScope() { SetInMousePress(false); }
    PressScope(const PressScope&) = delete;
    PressScope& operator=(const PressScope&) = delete;
};

bool ButtonOf(Qt::MouseButton qtButton, TMouseButton& button)
{
    switch (qtButton) {
    case Qt::LeftButton: button = mbLeft; return true;
    case Qt::RightButton: button = mbRight; return true;
    case Qt::MiddleButton: button = mbMiddle; return true;
    default: return false;
    }
}

TPoint ToPoint(QPoint point)
{
    return Point(point.x(), point.y());
}

// The control of a widget of this layer, or of the nearest such widget above it.
TWinControl* ControlOfWidget(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (TWinControl* control = TWinControl::FromWidget(widget))
            return control;
    }
    return nullptr;
}

// The control under the mouse, the capture ignored: a graphic child of the window or the window.
TControl* ControlUnder(TWinControl* control, QPoint local, QPoint global)
{
    if (ToQRect(control->ClientRect()).contains(local)) {
        TControl* child = control->ControlAtPos(ToPoint(local));
        return child ? child : control;
    }
    return TWindowEvents::FindControlAt(ToPoint(global));
}

// The cursor of the control under the mouse; a graphic control without one of its own shows its
// window's. Wrapped Qt widgets keep their own shapes unless the control sets one.
void ApplyMouseCursor(QWidget* widget, TControl* under, TWinControl* control, TPoint point, bool own)
{
    TCursor cursor = under->HandleCursorAt(point.X, point.Y);
    if (cursor == crDefault && under != control)
        cursor = control->HandleCursorAt(point.X + under->Left(), point.Y + under->Top());
    if (!own && cursor == crDefault)
        return;
    widget->setCursor(Screen->CursorShape(cursor == crDefault ? crArrow : cursor));
}

// A point of a control's widget in client coordinates (inside its non-client edge).
QPoint ToClient(TWinControl* control, QPoint widgetPoint)
{
    const int edge = control->EdgeWidth();
    return widgetPoint - QPoint(edge, edge);
}

// A control that is enabled, as every control that holds it is.
bool TakesInput(const TControl* control)
{
    for (; control; control = control->Parent()) {
        if (!control->Enabled())
            return false;
    }
    return true;
}

// A window put away takes no more presses: the clicks that came while its screen was being replaced
// by the next one were meant for what the player saw next, not for a screen that is gone.
bool PressOnAWindowPutAway(TWinControl* control, const QMouseEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        return false;
    const auto* form = dynamic_cast<const TForm*>(TWinControl::FromWidget(control->Widget()->window()));
    return form && form->PutAway();
}

bool HandleMouse(TWinControl* control, QWidget* receiver, QMouseEvent* event, bool own)
{
    if (PressOnAWindowPutAway(control, event))
        return true;
    const QPoint global = event->globalPosition().toPoint();
    // A sub-widget's events count in the coordinates of the control's own widget.
    QWidget* widget = control->Widget();
    const QPoint local =
        ToClient(control, receiver == widget ? event->position().toPoint() : widget->mapFromGlobal(global));
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    SetLastMousePos(ToPoint(global));
    const bool wasPress = lastMouseEventWasPress;
    lastMouseEventWasPress = event->type() == QEvent::MouseButtonPress;
    // A double click that no press came before stands for the second press itself.
    const bool isDoubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (lastMouseEventWasPress || (isDoubleClick && !wasPress))
        NotePress(control->Widget());
    const bool doubleOfOneWindow = isDoubleClick && PressesOfOneWindow(control->Widget());

    if (DragWindow(control, receiver, event))
        return true;
    if (event->type() == QEvent::MouseMove && DragManager().MouseMove(ToPoint(global)))
        return true;
    if (event->type() == QEvent::MouseButtonRelease && DragManager().MouseUp(ToPoint(global)))
        return true;

    if (event->type() == QEvent::MouseButtonPress && (event->buttons() & ~event->button()) == Qt::NoButton)
        EndPressWithoutRelease();
    TControl* under = ControlUnder(control, local, global);
    TControl* target = GetCaptureControl();
    if (target && !target->Showing()) {
        // A control hidden while it held the mouse gives it up.
        SetCaptureControl(nullptr);
        target = nullptr;
    }
    if (!target) {
        TControl* child = control->ControlAtPos(ToPoint(local));
        target = child ? child : control;
    }
    if (!TakesInput(target)) {
        // A disabled control takes no click: a press pressed before it was disabled is over, and
        // what comes now goes on to its parent's window.
        if (target == GetCaptureControl() || event->type() == QEvent::MouseButtonRelease) {
            target->HandleCancelMode();
            return true;
        }
        return false;
    }
    const TPoint point = target->ScreenToClient(ToPoint(global));
    TMouseButton button = mbLeft;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!ButtonOf(event->button(), button))
            return own;
        Application->CancelHint();
        {
            const PressScope scope;
            target->HandleMouseDown(button, shift, point.X, point.Y, false);
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (!ButtonOf(event->button(), button))
            return own;
        {
            const PressScope scope;
            if (!wasPress)
                target->HandleMouseDown(button, shift, point.X, point.Y, doubleOfOneWindow);
            else if (doubleOfOneWindow)
                target->HandleDoubleClickAfterPress(button);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (!ButtonOf(event->button(), button))
            return own;
        target->HandleMouseUp(button, shift, point.X, point.Y);
        break;
    default:
        SetMouseControl(under);
        if (under && under->Parent() == control)
            ApplyMouseCursor(widget, under, control, under->ScreenToClient(ToPoint(global)), own);
        else if (under == control)
            ApplyMouseCursor(widget, control, control, ToPoint(local), own);
        Application->HintMouseMove(under, ToPoint(global));
        target->HandleMouseMove(shift, point.X, point.Y);
        break;
    }
    return own;
}

bool HandleWheel(TWinControl* control, QWheelEvent* event, bool own)
{
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (delta == 0)
        return own;
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const bool handled = control->HandleMouseWheel(shift, delta, ToPoint(event->globalPosition().toPoint()));
    return handled || own;
}

unsigned DialogMaskOf(unsigned short key)
{
    switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
    }
}

bool HandleKeyDown(TWinControl* control, QWidget* widget, QKeyEvent* event, bool own)
{
    TShiftState shift = ShiftStateOf(event->modifiers());
    if (event->key() == Qt::Key_Backtab)
        shift |= ssShift;
    unsigned short key = VirtualKeyOfQtKey(event->key(), event->modifiers() & Qt::KeypadModifier);
    if (key == VK_ESCAPE && DragManager().Cancel())
        return true;
    if (key != 0) {
        if (control->DoKeyDown(key, shift))
            return true;
        if (const unsigned mask = DialogMaskOf(key); mask != 0) {
            const unsigned wanted = control->DialogCode();
            TForm* form = control->ParentForm();
            if (!(wanted & mask) && !(wanted & DLGC_WANTALLKEYS) && form && form->DialogKey(key, shift))
                return true;
        }
        if (key == VK_F4 && (shift & ssAlt) && !(shift & ssCtrl)) {
            if (TForm* form = control->ParentForm())
                form->Close();
            return true;
        }
    }
    const QString text = event->text();
    if (text.isEmpty() || (shift & ssAlt))
        return own;
    const char32_t typed = text.toUcs4().value(0);
    char32_t character = typed;
    if (control->DoKeyPress(character))
        return true;
    if (character != typed && !own) {
        // A handler changed the character: the widget gets the new one instead.
        const QString changed = QString::fromUcs4(&character, 1);
        QKeyEvent replacement(QEvent::KeyPress, event->key(), event->modifiers(), changed);
        forwardingKey = true;
        QApplication::sendEvent(widget, &replacement);
        forwardingKey = false;
        return true;
    }
    return own;
}

bool HandleKeyUp(TWinControl* control, QKeyEvent* event, bool own)
{
    if (forwardingKey)
        return false;
    unsigned short key = VirtualKeyOfQtKey(event->key(), event->modifiers() & Qt::KeypadModifier);
    if (key != 0 && control->DoKeyUp(key, ShiftStateOf(event->modifiers())))
        return true;
    return own;
}

// A key sent into the inner editor of a control: the control's key events see it first; then the
// editor gets it, and what the editor leaves goes on to the outer widget without meeting the
// control's events a second time.
bool HandleEditorKey(TWinControl* control, QWidget* editor, QEvent* event)
{
    if (forwardingKey)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool consumed = event->type() == QEvent::KeyPress ? HandleKeyDown(control, editor, key, false)
                                                            : HandleKeyUp(control, key, false);
    if (consumed)
        return true;
    const std::unique_ptr<QEvent> copy(event->clone());
    forwardingKey = true;
    QApplication::sendEvent(editor, copy.get());
    forwardingKey = false;
    event->accept();
    return true;
}

bool IsWindowFocusReason(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

bool Dispatch(TWinControl* control, QWidget* widget, QEvent* event)
{
    const bool own = dynamic_cast<TWindowWidget*>(widget) != nullptr;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return HandleMouse(control, widget, static_cast<QMouseEvent*>(event), own);
    case QEvent::Wheel:
        return HandleWheel(control, static_cast<QWheelEvent*>(event), own);
    case QEvent::KeyPress:
        if (forwardingKey)
            return false;
        return HandleKeyDown(control, widget, static_cast<QKeyEvent*>(event), own);
    case QEvent::KeyRelease:
        return HandleKeyUp(control, static_cast<QKeyEvent*>(event), own);
    case QEvent::FocusIn:
        if (IsWindowFocusReason(static_cast<QFocusEvent*>(event)->reason()))
            control->HandleWindowFocusIn();
        else
            control->HandleFocusIn();
        return false;
    case QEvent::FocusOut:
        // A control keeps being entered while its window is not the active one.
        if (!IsWindowFocusReason(static_cast<QFocusEvent*>(event)->reason()))
            control->HandleFocusOut();
        else
            control->HandleWindowFocusOut();
        return false;
    case QEvent::Enter: {
        const QPoint local = ToClient(control, static_cast<QEnterEvent*>(event)->position().toPoint());
        TControl* child = control->ControlAtPos(ToPoint(local));
        SetMouseControl(child ? child : control);
        return false;
    }
    case QEvent::Leave:
        if (TControl* under = MouseControl(); under == control || (under && under->Parent() == control))
            SetMouseControl(nullptr);
        Application->HintMouseMove(nullptr, Point(0, 0));
        return false;
    case QEvent::Move:
    case QEvent::Resize:
        if (widget->isWindow() && widget == control->Widget())
            control->HandleWindowGeometry(QRect(widget->pos(), widget->size()));
        return false;
    case QEvent::Close:
        if (auto* form = dynamic_cast<TForm*>(control); form && widget == form->Widget()) {
            event->ignore();
            form->SystemCloseRequest();
            return true;
        }
        return false;
    case QEvent::WindowBlocked:
        if (widget->isWindow())
            CancelMouseModeOf(widget);
        return false;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (auto* form = dynamic_cast<TForm*>(control))
            form->ActivationChanged(event->type() == QEvent::WindowActivate);
        return false;
    default:
        return false;
    }
}

class WindowEventFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        TWinControl* control = widget ? TWinControl::FromWidget(widget) : nullptr;
        if (!control && widget && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
            if (TWinControl* outer = TWinControl::FromInnerEditor(widget))
                return Guarded(outer, [&] { return HandleEditorKey(outer, widget, event); });
        }
        if (!control)
            return false;
        return Guarded(control, [&] { return Dispatch(control, widget, event); });
    }

private:
    // Runs a dispatch for the control's forms, showing what it throws.
    template <typename Dispatcher>
    static bool Guarded(TWinControl* control, Dispatcher dispatch)
    {
        const TFormHandlerScope busy(control);
        try {
            return dispatch();
        } catch (const std::exception& error) {
            Application->HandleException(control, error);
            return true;
        }
    }
};

// The non-client frame, as the classic platform draws it: a black line, the static edge (shadow at
// the top and left, highlight at the bottom and right), or the sunken edge (dark shadow inside the
// shadow at the top and left, light inside the highlight at the bottom and right).
void PaintEdge(QPainter& painter, QRect bounds, TWindowEdge edge)
{
    if (edge == weNone)
        return;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const auto frame = [&painter](QRect rect, TColor topLeft, TColor bottomRight) {
        painter.fillRect(rect.left(), rect.top(), rect.width() - 1, 1, ToQColor(topLeft));
        painter.fillRect(rect.left(), rect.top(), 1, rect.height() - 1, ToQColor(topLeft));
        painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, ToQColor(bottomRight));
        painter.fillRect(rect.right(), rect.top(), 1, rect.height(), ToQColor(bottomRight));
    };
    if (edge == weSingle) {
        frame(bounds, clWindowFrame, clWindowFrame);
        return;
    }
    frame(bounds, clBtnShadow, clBtnHighlight);
    if (edge == weSunken)
        frame(bounds.adjusted(1, 1, -1, -1), cl3DDkShadow, cl3DLight);
}

// What the control draws over its edge, on a picture of the whole window with the client clipped out.
void PaintControlFrame(QPainter& painter, TWinControl* control, QRect bounds, QRect client)
{
    QImage picture(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        TCanvas canvas(&picture);
        canvas.ExcludeClipRect(FromQRect(client));
        control->PaintWindowFrame(canvas);
    }
    painter.drawImage(bounds.topLeft(), picture);
}

}  // namespace

QObject* TWindowEvents::Filter()
{
    static WindowEventFilter* filter = new WindowEventFilter;
    return filter;
}

void TWindowEvents::Paint(TWinControl* control, QWidget* widget, QPaintEvent* event)
{
    const TFormHandlerScope busy(control);
    try {
        control->PaintInvalid();
    } catch (const std::exception& error) {
        Application->HandleException(control, error);
    }
    const QImage& image = control->BackingImage();
    QPainter painter(widget);
    if (control->CurrentCreateParams().layered)
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    const int edge = control->EdgeWidth();
    const QRect client(edge, edge, image.width(), image.height());
    for (const QRect& rect : event->region())
        painter.drawImage(rect & client, image, (rect & client).translated(-edge, -edge));
    // Beside the client area only the scroll bars and the corner between them: the corner takes the bars' face.
    for (const QRect& rect : event->region() - QRegion(client))
        painter.fillRect(rect, widget->palette().color(QPalette::Button));
    if (control->WindowEdge() == weNone || (event->region() - QRegion(client)).isEmpty())
        return;
    PaintEdge(painter, widget->rect(), control->WindowEdge());
    PaintControlFrame(painter, control, widget->rect(), client);
}

void TWindowEvents::Forget(TControl* control)
{
    if (windowDrag.window == control)
        windowDrag.window = nullptr;
}

TControl* TWindowEvents::FindControlAt(TPoint screenPoint)
{
    const QPoint global(screenPoint.X, screenPoint.Y);
    QWidget* widget = QApplication::widgetAt(global);
    TWinControl* control = ControlOfWidget(widget);
    if (!control)
        return nullptr;
    const TPoint local = control->ScreenToClient(screenPoint);
    TControl* child = control->ControlAtPos(local);
    return child ? child : control;
}

}  // namespace tarvelon
