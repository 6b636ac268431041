#include "screens/club/confidence_bars.h"

#include <algorithm>

#include "controls/progress_cyl.h"
#include "platform/dfm/stored_form.h"

namespace tarvelon {

TProgressCyl* FindConfidenceBar(TStoredForm& form, const char* name) { return form.FindChild<TProgressCyl>(name); }

void PrepareConfidenceBar(TProgressCyl& bar)
{
    bar.SetMin(0);
    bar.SetMax(100);
    bar.SetText("");
    // The figure stands over the club's colour, dark or light: white with a black shadow reads on both.
    bar.Font().SetColor(clWhite);
    bar.SetFontShadowColor(clBlack);
}

void SetConfidenceBarHeight(TProgressCyl& bar, int height) { bar.SetHeight(height); }

void ShowConfidence(TProgressCyl& bar, int figure) { bar.SetPosition(std::clamp(figure, 0, 100)); }

TColor ConfidenceColour(const TProgressCyl& bar) { return bar.ForeColor(); }

void SetConfidenceColour(TProgressCyl& bar, TColor fore) { bar.SetForeColor(fore); }

}  // namespace tarvelon
