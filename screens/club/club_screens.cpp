#include "screens/club/club_screens.h"

#include "core/hooks.h"
#include "core/tables.h"
#include "screens/club/about_box.h"
#include "screens/club/contract_renewal_screen.h"
#include "screens/club/incoming_offers.h"
#include "screens/club/dismissal_notice.h"
#include "screens/club/hub_screen.h"
#include "screens/club/list_colours_screen.h"
#include "screens/club/options_screen.h"
#include "screens/club/save_dialogs.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

void RegisterClubScreens()
{
    RegisterBuiltScreen<TForm32>("TForm32", "screens/club/options_screen.cpp");
    RegisterBuiltScreen<TForm45>("TForm45", "screens/club/about_box.cpp");
    RegisterBuiltScreen<TForm64>("TForm64", "screens/club/list_colours_screen.cpp");
    RegisterBuiltScreen<TForm13>("TForm13", "screens/club/hub_screen.cpp");
    RegisterBuiltScreen<TForm31>("TForm31", "screens/club/dismissal_notice.cpp", [] {
        const int club = SubjectClub();
        const int other = SubjectOtherClub();
        DismissalNotice = {club, club >= 0 ? Clubs[static_cast<std::size_t>(club)].coach : -1,
                           other >= 0 ? Clubs[static_cast<std::size_t>(other)].coach : -1};
    });
    RegisterBuiltScreen<TForm40>("TForm40", "screens/club/save_dialogs.cpp");
    RegisterBuiltScreen<TForm68>("TForm68", "screens/club/incoming_offers.cpp", [] {
        DealPlayer = SubjectPlayer();
        OfferingClub = SubjectOtherClub();
    });
    RegisterBuiltScreen<TForm59>("TForm59", "screens/club/incoming_offers.cpp", [] {
        LoanRequestPlayer = SubjectPlayer();
        LoanRequestClub = SubjectOtherClub();
    });
    RegisterBuiltScreen<TForm24>("TForm24", "screens/club/contract_renewal_screen.cpp",
                                 [] { SelectedRecord = SubjectPlayer(); });
    RegisterBuiltScreen<TForm25>("TForm25", "screens/club/contract_renewal_screen.cpp",
                                 [] { RenewalDemandAmount = 12500; });
    RegisterBuiltScreen<TForm41>("TForm41", "screens/club/save_dialogs.cpp");
}

void InstallClubScreenHooks()
{
    Hooks().askSaveName = AskSaveNameOnScreen;
    Hooks().showCoachDismissal = ShowCoachDismissalOnScreen;
}

}  // namespace tarvelon
