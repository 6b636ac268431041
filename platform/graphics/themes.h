#pragma once
// Themed drawing: the parts of the standard controls as the desktop's style draws them (Qt's
// Fusion style, with the game's fixed system colours). The game draws either themed or classic
// (edges.h); IsThemed() is the switch, on by default.
#include <string>

#include "platform/graphics/canvas.h"

namespace tarvelon {

bool IsThemed();
void SetThemed(bool themed);

// Theme classes: "scrollbar", "button", "combobox", "spin", "edit", "header", "treeview",
// "listview" (compared without regard to case). Parts and states by class:

// "scrollbar"
enum : int {
    SBP_ARROWBTN = 1, SBP_THUMBBTNHORZ = 2, SBP_THUMBBTNVERT = 3, SBP_LOWERTRACKHORZ = 4, SBP_UPPERTRACKHORZ = 5,
    SBP_LOWERTRACKVERT = 6, SBP_UPPERTRACKVERT = 7, SBP_GRIPPERHORZ = 8, SBP_GRIPPERVERT = 9, SBP_SIZEBOX = 10,
};
// arrow button states: up 1-4, down 5-8, left 9-12, right 13-16 (normal, hot, pressed, disabled each)
enum : int {
    ABS_UPNORMAL = 1, ABS_UPHOT, ABS_UPPRESSED, ABS_UPDISABLED,
    ABS_DOWNNORMAL, ABS_DOWNHOT, ABS_DOWNPRESSED, ABS_DOWNDISABLED,
    ABS_LEFTNORMAL, ABS_LEFTHOT, ABS_LEFTPRESSED, ABS_LEFTDISABLED,
    ABS_RIGHTNORMAL, ABS_RIGHTHOT, ABS_RIGHTPRESSED, ABS_RIGHTDISABLED,
};
// states of the other parts of most classes
enum : int { TS_NORMAL = 1, TS_HOT = 2, TS_PRESSED = 3, TS_DISABLED = 4 };
enum : int { SCRBS_NORMAL = 1, SCRBS_HOT = 2, SCRBS_PRESSED = 3, SCRBS_DISABLED = 4 };

// "button"
enum : int { BP_PUSHBUTTON = 1, BP_RADIOBUTTON = 2, BP_CHECKBOX = 3, BP_GROUPBOX = 4 };
enum : int { PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4, PBS_DEFAULTED = 5 };
// radio: unchecked 1-4, checked 5-8; check box: also mixed 9-12
enum : int {
    CBS_UNCHECKEDNORMAL = 1, CBS_UNCHECKEDHOT, CBS_UNCHECKEDPRESSED, CBS_UNCHECKEDDISABLED,
    CBS_CHECKEDNORMAL, CBS_CHECKEDHOT, CBS_CHECKEDPRESSED, CBS_CHECKEDDISABLED,
    CBS_MIXEDNORMAL, CBS_MIXEDHOT, CBS_MIXEDPRESSED, CBS_MIXEDDISABLED,
};

// "combobox"
enum : int { CP_DROPDOWNBUTTON = 1 };
enum : int { CBXS_NORMAL = 1, CBXS_HOT = 2, CBXS_PRESSED = 3, CBXS_DISABLED = 4 };

// "spin"
enum : int { SPNP_UP = 1, SPNP_DOWN = 2, SPNP_UPHORZ = 3, SPNP_DOWNHORZ = 4 };

// "edit" (state 0 counts as normal)
enum : int { EP_EDITTEXT = 1 };
enum : int { ETS_NORMAL = 1, ETS_HOT = 2, ETS_SELECTED = 3, ETS_DISABLED = 4, ETS_FOCUSED = 5, ETS_READONLY = 6 };

// "header"
enum : int { HP_HEADERITEM = 1, HP_HEADERITEMLEFT = 2, HP_HEADERITEMRIGHT = 3, HP_HEADERSORTARROW = 4 };
enum : int { HIS_NORMAL = 1, HIS_HOT = 2, HIS_PRESSED = 3 };

// "treeview"
enum : int { TVP_TREEITEM = 1, TVP_GLYPH = 2, TVP_BRANCH = 3 };
enum : int { GLPS_CLOSED = 1, GLPS_OPENED = 2 };

// "listview": part 1 with state 0 is the list's border; states 1-6 an item
enum : int { LVP_LISTITEM = 1 };
enum : int { LISS_NORMAL = 1, LISS_HOT = 2, LISS_SELECTED = 3, LISS_DISABLED = 4, LISS_SELECTEDNOTFOCUS = 5 };

// Draws the part over `rect`; false for an unknown class or part (nothing drawn).
bool DrawThemeBackground(TCanvas& canvas, const std::string& themeClass, int part, int state, const TRect& rect);

}  // namespace tarvelon
