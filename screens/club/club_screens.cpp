#include "screens/club/club_screens.h"

#include "core/hooks.h"
#include "core/tables.h"
#include "screens/club/about_box.h"
#include "screens/club/bank_loan_screen.h"
#include "screens/club/club_accounts_screen.h"
#include "screens/club/dismissal_notice.h"
#include "screens/club/hub_screen.h"
#include "screens/club/list_colours_screen.h"
#include "screens/club/options_screen.h"
#include "screens/club/save_dialogs.h"
#include "screens/club/stadium_screen.h"
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
    RegisterBuiltScreen<TForm28>("TForm28", "screens/club/bank_loan_screen.cpp");
    RegisterBuiltScreen<TForm22>("TForm22", "screens/club/club_accounts_screen.cpp");
    RegisterBuiltScreen<TForm8>("TForm8", "screens/club/stadium_screen.cpp");
    RegisterBuiltScreen<TForm10>("TForm10", "screens/club/stadium_screen.cpp");
    RegisterBuiltScreen<TForm40>("TForm40", "screens/club/save_dialogs.cpp");
    RegisterBuiltScreen<TForm41>("TForm41", "screens/club/save_dialogs.cpp");
}

void InstallClubScreenHooks()
{
    Hooks().askSaveName = AskSaveNameOnScreen;
    Hooks().showCoachDismissal = ShowCoachDismissalOnScreen;
}

}  // namespace tarvelon
