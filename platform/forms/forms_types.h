#pragma once
// The small value types of the form library: shift states, mouse buttons, alignment, modal results,
// close actions and the event signatures every control shares.
#include <functional>
#include <string>

#include "platform/graphics/enum_set.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

class TObject;

// Keys and buttons held during an input event. Combine with |, test with &.
enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TOperation { opInsert, opRemove };

// Results of a modal form (a button's ModalResult ends ShowModal with it).
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

enum TScrollBarKind { sbHorizontal, sbVertical };

// What a scroll bar asks of its window, as the platform's scroll messages carry it.
enum TScrollCode {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};
inline constexpr TScrollCode SB_LINELEFT = SB_LINEUP;
inline constexpr TScrollCode SB_LINERIGHT = SB_LINEDOWN;
inline constexpr TScrollCode SB_PAGELEFT = SB_PAGEUP;
inline constexpr TScrollCode SB_PAGERIGHT = SB_PAGEDOWN;

enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// wheelDelta: 120 per notch, positive away from the user; mousePos in screen coordinates.
using TMouseWheelEvent =
    std::function<void(TObject* sender, TShiftState shift, int wheelDelta, TPoint mousePos, bool& handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* sender, TShiftState shift, TPoint mousePos, bool& handled)>;
// key: a virtual key code (VK_...); a handler that sets it to 0 swallows the key.
using TKeyEvent = std::function<void(TObject* sender, unsigned short& key, TShiftState shift)>;
// key: the typed character; a handler that sets it to 0 swallows it.
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TScrollMessageEvent = std::function<void(TObject* sender, TScrollCode code, int& position)>;
using TDragOverEvent =
    std::function<void(TObject* sender, TObject* source, int x, int y, TDragState state, bool& accept)>;
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;
using TStartDragEvent = std::function<void(TObject* sender, TObject*& dragObject)>;
using TEndDragEvent = std::function<void(TObject* sender, TObject* target, int x, int y)>;
// mousePos in the control's client coordinates; a handler that sets handled shows no menu.
using TContextPopupEvent = std::function<void(TObject* sender, TPoint mousePos, bool& handled)>;

}  // namespace tarvelon
