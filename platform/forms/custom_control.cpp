#include "platform/forms/custom_control.h"

namespace tarvelon {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner)
{
}

}  // namespace tarvelon
