#pragma once
// The grid pack's switch for the desktop's visual styles (IsThemed, from the platform's themes)
// and its one themed-part painter.
#include <string>

#include "platform/graphics/canvas.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/themes.h"

namespace tarvelon {

class TWinControl;

// Draws one themed part over `rect` of the canvas (the window is the one the part belongs to).
void ThemeRect(TWinControl* window, TCanvas& canvas, const TRect& rect, const std::string& themeClass, int part,
               int state);

}  // namespace tarvelon
