#pragma once
// The grid pack's own cursors, drawn in code and put into the screen's cursor table.
#include "platform/forms/cursors.h"

namespace tarvelon {

// Roll scrolling with the middle button: at rest, moving up, moving down.
inline constexpr TCursor crRoll = 4003;
inline constexpr TCursor crRollUp = 4004;
inline constexpr TCursor crRollDown = 4005;
// An arrow pointing up and right, over the glyph strip of an editor.
inline constexpr TCursor crReversedArrow = 1000;

// Puts the roll cursors into Screen's table (again on every call).
void LoadRollCursors();
// Puts the reversed arrow into Screen's table.
void LoadReversedArrowCursor();

}  // namespace tarvelon
