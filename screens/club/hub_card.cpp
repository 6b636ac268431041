// The hub's player card.
#include "screens/club/hub_card.h"

#include "controls/dc_smooth_panel.h"

namespace tarvelon {

void FrameHubCard(TWinControl* card, TColor color)
{
    if (auto* panel = dynamic_cast<TDcSmoothPanel*>(card))
        panel->Fill().SetBorderColor(color);
}

}  // namespace tarvelon
