#include "screens/club/club_screens.h"

#include "core/career/career_state.h"
#include "core/economy/market_deals.h"
#include "core/hooks.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "screens/club/about_box.h"
#include "screens/club/auction_screen.h"
#include "screens/club/bank_loan_screen.h"
#include "screens/club/call_up_screen.h"
#include "screens/club/club_accounts_screen.h"
#include "screens/club/coach_change_notice.h"
#include "screens/club/contract_renewal_screen.h"
#include "screens/club/dismissal_notice.h"
#include "screens/club/friendly_screens.h"
#include "screens/club/hub_screen.h"
#include "screens/club/human_coaches_screens.h"
#include "screens/club/inbox_screen.h"
#include "screens/club/incoming_offers.h"
#include "screens/club/job_offers_screen.h"
#include "screens/club/list_colours_screen.h"
#include "screens/club/market_dialogs.h"
#include "screens/start/options_screen.h"
#include "screens/club/player_sale_screen.h"
#include "screens/club/player_search_screen.h"
#include "screens/club/recent_transfers_screen.h"
#include "screens/club/resignation_dialog.h"
#include "screens/club/retirement_dialog.h"
#include "screens/club/save_dialogs.h"
#include "screens/club/squad_dialogs.h"
#include "screens/club/stadium_screen.h"
#include "screens/club/transfer_market_screen.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

void RegisterClubScreens()
{
    RegisterBuiltScreen<TForm32>("TForm32", "screens/start/options_screen.cpp");
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
    RegisterBuiltScreen<TForm30>("TForm30", "screens/club/job_offers_screen.cpp",
                                 [] { JobOffers = {SubjectOtherClub(), SubjectRivalClub(), -1, -1}; });
    RegisterBuiltScreen<TForm65>("TForm65", "screens/club/resignation_dialog.cpp");
    RegisterBuiltScreen<TForm57>("TForm57", "screens/club/coach_change_notice.cpp", [] {
        const int club = SubjectOtherClub();
        const int rival = SubjectRivalClub();
        CoachChangeClub = club;
        FiredCoach = club >= 0 ? Clubs[static_cast<std::size_t>(club)].coach : -1;
        ReplacementCoach = rival >= 0 ? Clubs[static_cast<std::size_t>(rival)].coach : -1;
        ReplacementCoachOldClub = rival;
    });
    RegisterBuiltScreen<TForm62>("TForm62", "screens/club/inbox_screen.cpp");
    RegisterBuiltScreen<TForm48>("TForm48", "screens/club/retirement_dialog.cpp", [] { RetiringPlayer = SubjectPlayer(); });
    RegisterBuiltScreen<TForm72>("TForm72", "screens/club/squad_dialogs.cpp", [] { DeadPlayer = SubjectPlayer(); });
    RegisterBuiltScreen<TForm82>("TForm82", "screens/club/squad_dialogs.cpp", [] { ShirtNumberPlayer = SubjectPlayer(); });
    RegisterBuiltScreen<TForm86>("TForm86", "screens/club/squad_dialogs.cpp");
    RegisterBuiltScreen<TForm50>("TForm50", "screens/club/human_coaches_screens.cpp");
    RegisterBuiltScreen<TForm51>("TForm51", "screens/club/human_coaches_screens.cpp");
    RegisterBuiltScreen<TForm77>("TForm77", "screens/club/call_up_screen.cpp", [] {
        CallUpNationEntry = NationalTeams.empty() ? -1 : NationalTeams.front().clubEntry;
        for (const TNationalTeam& team : NationalTeams)
            if (team.country == CountryBrazil)
                CallUpNationEntry = team.clubEntry;
    });
    RegisterBuiltScreen<TForm85>("TForm85", "screens/club/friendly_screens.cpp");
    RegisterBuiltScreen<TForm81>("TForm81", "screens/club/friendly_screens.cpp");
    RegisterBuiltScreen<TForm84>("TForm84", "screens/club/friendly_screens.cpp",
                                 [] { PendingFriendly = {SubjectOtherClub(), 50000, false}; });
    RegisterBuiltScreen<TForm23>("TForm23", "screens/club/auction_screen.cpp", [] {
        AuctionRound = 1;
        AuctionPlayer = -1;
    });
    RegisterBuiltScreen<TForm27>("TForm27", "screens/club/player_search_screen.cpp");
    RegisterBuiltScreen<TForm58>("TForm58", "screens/club/recent_transfers_screen.cpp");
    RegisterBuiltScreen<TForm14>("TForm14", "screens/club/transfer_market_screen.cpp");
    RegisterBuiltScreen<TForm60>("TForm60", "screens/club/market_dialogs.cpp", [] { StartSampleDeal(false); });
    RegisterBuiltScreen<TForm61>("TForm61", "screens/club/market_dialogs.cpp", [] { StartSampleDeal(true); });
    RegisterBuiltScreen<TForm49>("TForm49", "screens/club/market_dialogs.cpp", [] { StartSampleDeal(false); });
    RegisterBuiltScreen<TForm44>("TForm44", "screens/club/player_sale_screen.cpp", [] { SelectedRecord = SubjectPlayer(); });
}

void InstallClubScreenHooks()
{
    Hooks().askSaveName = AskSaveNameOnScreen;
    Hooks().showCoachDismissal = ShowCoachDismissalOnScreen;
    Hooks().showCoachChange = ShowCoachChangeOnScreen;
    Hooks().showJobOffers = ShowJobOffersOnScreen;
    Hooks().showNationalCallUp = ShowNationalCallUpOnScreen;
}

}  // namespace tarvelon
