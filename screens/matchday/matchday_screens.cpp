#include "screens/matchday/matchday_screens.h"

#include "core/hooks.h"
#include "screens/common/form_references.h"
#include "screens/matchday/injury_dialog.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/penalty_dialogs.h"
#include "screens/matchday/shootout_dialogs.h"

namespace tarvelon {

void InstallMatchdayDialogs()
{
    InstallPenaltyDialogs();
    InstallInjuryDialog();
    InstallShootoutDialogs();
    Hooks().shootoutNotice = [](int milliseconds) {
        if (TForm46* screen = Form46.As<TForm46>())
            screen->ShowShootoutNotice(milliseconds);
    };
}

}  // namespace tarvelon
