#pragma once
// The hub's player card is a smooth panel; its fill is set here, apart from the hub's smooth labels
// (the two controls' headers name their text places alike).
#include "platform/graphics/color.h"

namespace tarvelon {

class TWinControl;

// The card's fill is framed in `color` (nothing when the card is not a smooth panel).
void FrameHubCard(TWinControl* card, TColor color);

}  // namespace tarvelon
