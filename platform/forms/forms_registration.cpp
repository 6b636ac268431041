// The form library's own classes, as a stored form description names them.
#include "platform/forms/class_registry.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/graphic_control.h"
#include "platform/forms/hint_window.h"
#include "platform/forms/timer.h"

namespace tarvelon {

void RegisterFormsClasses()
{
    RegisterComponentClass<TComponent>("TComponent");
    RegisterComponentClass<TGraphicControl>("TGraphicControl");
    RegisterComponentClass<TWinControl>("TWinControl");
    RegisterComponentClass<TCustomControl>("TCustomControl");
    RegisterComponentClass<TForm>("TForm");
    RegisterComponentClass<THintWindow>("THintWindow");
    RegisterComponentClass<TTimer>("TTimer");
}

}  // namespace tarvelon
