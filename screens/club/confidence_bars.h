#pragma once
// The cylinder bars of the market's club header (board and supporters' confidence, 0..100). Kept
// apart because the cylinder's bevel names and the rich-text label's cannot meet in one file.
#include "platform/graphics/color.h"

namespace tarvelon {

class TProgressCyl;
class TStoredForm;

// The form's bar of that name (a missing one is a reported problem of the form).
TProgressCyl* FindConfidenceBar(TStoredForm& form, const char* name);

// 0..100 with no text of its own.
void PrepareConfidenceBar(TProgressCyl& bar);
// The bar's height in pixels.
void SetConfidenceBarHeight(TProgressCyl& bar, int height);
// A negative figure shows as 0.
void ShowConfidence(TProgressCyl& bar, int figure);
// The colour of the bar's cylinder.
TColor ConfidenceColour(const TProgressCyl& bar);
void SetConfidenceColour(TProgressCyl& bar, TColor fore);

}  // namespace tarvelon
