#pragma once
// Who gets the mouse: the capture control (every mouse event goes to it while set) and the control
// under the mouse (which hears MouseEnter and MouseLeave as the mouse moves on).
#include "platform/graphics/geometry.h"

class QWidget;

namespace tarvelon {

class TControl;

// Where the mouse is on the screen: the last position a window of the program saw (the system's
// cursor position before any).
TPoint GetCursorPos();
void SetLastMousePos(TPoint screenPos);
// The control (windowed or graphic) under a screen point, or null outside the program's windows.
TControl* FindControlAtPos(TPoint screenPos);

TControl* GetCaptureControl();
// A windowed or graphic control, or null to release. A capture taken outside a mouse press also
// grabs the mouse of the window system, so the mouse outside every window still reaches it.
void SetCaptureControl(TControl* control);

TControl* MouseControl();
// Leave to the old control, then enter to the new one, when they differ.
void SetMouseControl(TControl* control);

// While the platform dispatches a mouse press (the window system holds the mouse for the window
// pressed, so a capture taken now needs no grab of its own).
void SetInMousePress(bool inPress);

// A new press while no button is held: a capture taken by an earlier press whose release went to
// a window of its own (a drop-down list, a menu) is over.
void EndPressWithoutRelease();

// A modal window now blocks `window` (a top-level widget): a control of it that held the mouse
// loses it, as the release of its press will go to the modal window.
void CancelMouseModeOf(QWidget* window);

// A control being freed is forgotten by every piece of input state.
void ForgetControl(TControl* control);

}  // namespace tarvelon
