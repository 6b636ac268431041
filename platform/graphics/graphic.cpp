#include "platform/graphics/graphic.h"

namespace tarvelon {

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    Changed();
}

}  // namespace tarvelon
