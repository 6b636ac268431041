#include "controls/dc_glow_button_appearance.h"

#include "controls/dc_glow_button_colors.h"

namespace tarvelon {

TGlowButtonAppearance::TGlowButtonAppearance()
{
    // The pressed and checked looks are the hot ones with less red and green; the disabled look is
    // the normal one greyed by 5 %.
    auto pressed = [](TColor color) { return ChangeBrightnessRGB(color, -10, -10, 0); };
    auto greyed = [](TColor color) { return ChangeBrightness(color, -5); };
    ColorDown_ = ColorChecked_ = pressed(0xF5F0E1);
    ColorDownTo_ = ColorCheckedTo_ = pressed(0xF9D2B2);
    ColorMirrorDown_ = ColorMirrorChecked_ = pressed(0xF5C8AD);
    ColorMirrorDownTo_ = ColorMirrorCheckedTo_ = pressed(0xFFF8F4);
    ColorDisabled_ = ColorDisabledTo_ = ColorMirrorDisabledTo_ = greyed(0xFFFFFF);
    ColorMirrorDisabled_ = greyed(0xC0C0C0);
}

void TGlowButtonAppearance::Assign(const TGlowButtonAppearance& source)
{
    if (&source == this)
        return;
    // Face colours first, then border colours, then gradients, then the font switch.
    SetColor(source.Color());
    SetColorTo(source.ColorTo());
    SetColorChecked(source.ColorChecked());
    SetColorCheckedTo(source.ColorCheckedTo());
    SetColorDisabled(source.ColorDisabled());
    SetColorDisabledTo(source.ColorDisabledTo());
    SetColorDown(source.ColorDown());
    SetColorDownTo(source.ColorDownTo());
    SetColorHot(source.ColorHot());
    SetColorHotTo(source.ColorHotTo());
    SetColorMirror(source.ColorMirror());
    SetColorMirrorTo(source.ColorMirrorTo());
    SetColorMirrorHot(source.ColorMirrorHot());
    SetColorMirrorHotTo(source.ColorMirrorHotTo());
    SetColorMirrorDown(source.ColorMirrorDown());
    SetColorMirrorDownTo(source.ColorMirrorDownTo());
    SetColorMirrorChecked(source.ColorMirrorChecked());
    SetColorMirrorCheckedTo(source.ColorMirrorCheckedTo());
    SetColorMirrorDisabled(source.ColorMirrorDisabled());
    SetColorMirrorDisabledTo(source.ColorMirrorDisabledTo());
    SetBorderColor(source.BorderColor());
    SetBorderColorHot(source.BorderColorHot());
    SetBorderColorDown(source.BorderColorDown());
    SetBorderColorChecked(source.BorderColorChecked());
    SetBorderColorDisabled(source.BorderColorDisabled());
#define TARVELON_GLOW_COPY_GRADIENT(Name, Default) Set##Name(source.Name());
    TARVELON_GLOW_GRADIENTS(TARVELON_GLOW_COPY_GRADIENT)
#undef TARVELON_GLOW_COPY_GRADIENT
    SetSystemFont(source.SystemFont());
}

}  // namespace tarvelon
