#pragma once
// TGlowButtonAppearance: the glossy button's colours for each state (normal, hot, down, checked,
// disabled), each a face of two halves with a two-colour gradient apiece, plus the border colours.
#include <functional>

#include "platform/forms/forms_types.h"
#include "platform/graphics/color.h"

namespace tarvelon {

enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };

// name, default (the down, checked and disabled defaults are brightness-shifted normal/hot colours)
#define TARVELON_GLOW_COLORS(X)                                                                   \
    X(BorderColor, 0xC0C0C0) X(BorderColorHot, 0xFF0000) X(BorderColorDown, 0x800000)           \
    X(Color, 0xFFFFFF) X(ColorTo, 0xFFFFFF) X(ColorDown, 0xF5D8CA) X(ColorDownTo, 0xF9BDA0)    \
    X(ColorHot, 0xF5F0E1) X(ColorHotTo, 0xF9D2B2) X(ColorCheckedTo, 0xF9BDA0)                  \
    X(BorderColorDisabled, 0x808080) X(BorderColorChecked, 0xFF0000) X(ColorDisabled, 0xF2F2F2) \
    X(ColorDisabledTo, 0xF2F2F2) X(ColorChecked, 0xF5D8CA) X(ColorMirror, 0xC0C0C0)            \
    X(ColorMirrorTo, 0xFFFFFF) X(ColorMirrorHot, 0xF5C8AD) X(ColorMirrorHotTo, 0xFFF8F4)       \
    X(ColorMirrorDown, 0xF5B49C) X(ColorMirrorDownTo, 0xFFDFDC)                                 \
    X(ColorMirrorDisabledTo, 0xF2F2F2) X(ColorMirrorDisabled, 0xB6B6B6)                         \
    X(ColorMirrorCheckedTo, 0xFFDFDC) X(ColorMirrorChecked, 0xF5B49C)

#define TARVELON_GLOW_GRADIENTS(X)                                                                  \
    X(GradientDown, ggRadial) X(GradientMirror, ggVertical) X(GradientMirrorHot, ggRadial)          \
    X(Gradient, ggVertical) X(GradientMirrorDown, ggRadial) X(GradientHot, ggRadial)                \
    X(GradientChecked, ggRadial) X(GradientDisabled, ggRadial) X(GradientMirrorChecked, ggVertical) \
    X(GradientMirrorDisabled, ggRadial)

class TGlowButtonAppearance {
public:
    TGlowButtonAppearance();
    TGlowButtonAppearance(const TGlowButtonAppearance&) = delete;
    TGlowButtonAppearance& operator=(const TGlowButtonAppearance&) = delete;

    // Copies every property through its setter (colours, border colours, gradients, SystemFont).
    void Assign(const TGlowButtonAppearance& source);

#define TARVELON_GLOW_ACCESSORS(Name, Type)   \
    Type Name() const { return Name##_; }    \
    void Set##Name(Type value)               \
    {                                        \
        if (Name##_ == value)                \
            return;                          \
        Name##_ = value;                     \
        Changed();                           \
    }
#define TARVELON_GLOW_COLOR_ACCESSORS(Name, Default) TARVELON_GLOW_ACCESSORS(Name, TColor)
#define TARVELON_GLOW_GRADIENT_ACCESSORS(Name, Default) TARVELON_GLOW_ACCESSORS(Name, TGDIPGradient)
    TARVELON_GLOW_COLORS(TARVELON_GLOW_COLOR_ACCESSORS)
    TARVELON_GLOW_GRADIENTS(TARVELON_GLOW_GRADIENT_ACCESSORS)
    TARVELON_GLOW_ACCESSORS(SystemFont, bool)
#undef TARVELON_GLOW_COLOR_ACCESSORS
#undef TARVELON_GLOW_GRADIENT_ACCESSORS
#undef TARVELON_GLOW_ACCESSORS

    // Set by the owning button to its repaint.
    TNotifyEvent OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange(nullptr);
    }

#define TARVELON_GLOW_COLOR_FIELD(Name, Default) TColor Name##_ = Default;
#define TARVELON_GLOW_GRADIENT_FIELD(Name, Default) TGDIPGradient Name##_ = Default;
    TARVELON_GLOW_COLORS(TARVELON_GLOW_COLOR_FIELD)
    TARVELON_GLOW_GRADIENTS(TARVELON_GLOW_GRADIENT_FIELD)
#undef TARVELON_GLOW_COLOR_FIELD
#undef TARVELON_GLOW_GRADIENT_FIELD
    bool SystemFont_ = true;
};

}  // namespace tarvelon
