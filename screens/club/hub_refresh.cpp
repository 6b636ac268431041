#include "screens/club/hub_refresh.h"

#include "screens/club/hub_screen.h"
#include "screens/common/form_references.h"

namespace tarvelon {

void RefreshOpenHub()
{
    if (auto* hub = Form13.As<TForm13>())
        hub->RefreshHub();
}

}  // namespace tarvelon
