#pragma once
// Helpers of the glossy button's tests: a form with one button, pixels of its backing image.
#include <QImage>

#include "controls/dc_glow_button.h"
#include "controls/dc_glow_button_colors.h"
#include "platform/forms/form.h"
#include "tests/controls/controls_test_support.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon::test {

// 0xRRGGBB of a pixel of the control's picture, after painting what is pending.
inline unsigned BackingPixel(TWinControl* control, int x, int y)
{
    control->Update();
    return control->BackingImage().pixel(x, y) & 0xFFFFFFu;
}

// TColor (0xBBGGRR) as the picture stores it (0xRRGGBB).
inline unsigned Rgb(TColor color)
{
    return static_cast<unsigned>(GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color));
}

}  // namespace tarvelon::test
