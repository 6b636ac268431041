#include "grid/dg_themes_support.h"

namespace tarvelon {

void ThemeRect(TWinControl* /*window*/, TCanvas& canvas, const TRect& rect, const std::string& themeClass, int part,
               int state)
{
    DrawThemeBackground(canvas, themeClass, part, state, rect);
}

}  // namespace tarvelon
