#pragma once
// What the rich-text check box and radio button share: their looks, the place of the box and of the
// caption, and the caption drawn through the text engine (grey and embossed when disabled).
#include <functional>
#include <string>

#include "platform/forms/forms_types.h"
#include "platform/graphics/canvas.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_draw_gdi.h"

namespace tarvelon {

class TObject;

// The look of the box.
enum TButtonType { btClassic, btDrusk, btFlat, btVelmar, btWinXP, btTheme };
// The vertical place of the box is the platform's TTextLayout, the state its TCheckBoxState.
// Box on the left (caption right of it, taLeftJustify) or on the right (taRightJustify).
using TLeftRight = TAlignment;

using TAnchorClick = std::function<void(TObject* sender, const std::string& anchor)>;

// The version both controls report.
inline constexpr const char* kHTMLButtonVersion = "1.4.0.0";

// What the box shows.
struct TButtonFace {
    bool radio = false;
    bool checked = false;
    bool grayed = false;
    bool enabled = true;
    bool down = false;
    bool hot = false;
    TColor checkColor = clBlack;
};

// Where the box was drawn and whether it was one of the program's bitmaps.
struct TButtonBox {
    TRect rect;
    bool bitmap = false;
};

// The theme look where the desktop draws themed, the classic one elsewhere.
bool ThemesAvailable();
TButtonType EffectiveButtonType(TButtonType type);

// Draws the box of a control of the client size and returns where it went.
TButtonBox DrawButtonBox(TCanvas& canvas, TButtonType type, TLeftRight alignment, TTextLayout vertAlign,
                         TSize client, const TButtonFace& face);
// The caption's rectangle beside that box.
TRect ButtonCaptionRect(const TButtonBox& box, TLeftRight alignment, TSize client);
// The caption's rectangle for hit tests (17 pixels right, 22 for btVelmar; 4 down).
TRect ButtonHitRect(TButtonType type, TSize client);

// The resource bitmaps of a look: check box and radio button, Velmar and unthemed desktop looks.
std::string ButtonBitmapName(bool radio, bool desktop, bool checked, bool enabled);

// Draws the caption: once in place when enabled; embossed (white one pixel down-right, then grey)
// when disabled. Returns the engine's measures of the last call.
THTMLDrawResult DrawButtonCaption(TCanvas& canvas, const std::string& caption, const TRect& rect,
                                  THTMLDrawParams params, bool enabled);

// The key of the caption's accelerator ("&x"), 0 when none.
char32_t CaptionAccelerator(const std::string& caption);

}  // namespace tarvelon
