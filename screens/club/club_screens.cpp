#include "screens/club/club_screens.h"

#include "core/hooks.h"
#include "screens/club/call_up_screen.h"
#include "screens/club/coach_change_notice.h"
#include "screens/club/dismissal_notice.h"
#include "screens/club/job_offers_screen.h"
#include "screens/club/save_dialogs.h"

namespace tarvelon {

void InstallClubScreenHooks()
{
    Hooks().askSaveName = AskSaveNameOnScreen;
    Hooks().showCoachDismissal = ShowCoachDismissalOnScreen;
    Hooks().showCoachChange = ShowCoachChangeOnScreen;
    Hooks().showJobOffers = ShowJobOffersOnScreen;
    Hooks().showNationalCallUp = ShowNationalCallUpOnScreen;
}

}  // namespace tarvelon
