#pragma once
// Input of the layer's windows: turns Qt's mouse, wheel, key, focus, enter/leave, move/resize and
// close events of a widget into the form library's messages for its control (or the graphic child
// under the mouse, or the capture control), and paints.
class QEvent;
class QPaintEvent;
class QWidget;
class QObject;

namespace tarvelon {

class TWinControl;
class TControl;
struct TPoint;

class TWindowEvents {
public:
    // Installed on every widget of a TWinControl. Answers true when the event was consumed (the
    // widget itself then never sees it).
    static QObject* Filter();
    static void Paint(TWinControl* control, QWidget* widget, QPaintEvent* event);
    // The control (windowed or graphic) under a screen point, or null.
    static TControl* FindControlAt(TPoint screenPoint);
    // A control being freed is no longer the window dragged by its caption.
    static void Forget(TControl* control);
};

}  // namespace tarvelon
