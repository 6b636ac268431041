#include "screens/club/hub_money.h"

#include "screens/club/hub_screen.h"
#include "screens/common/form_references.h"

namespace tarvelon {

void RefreshHubMoney()
{
    if (auto* hub = Form13.As<TForm13>())
        hub->RefreshHubHeader();
}

}  // namespace tarvelon
