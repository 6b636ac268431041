// The hub's post-round events (TForm13): offers, loan requests, a death and national-team
// invitations, each opened modally and answered before the next one is drawn; and the between-round
// updates of the club it shows.
#include "core/economy/between_rounds.h"
#include "core/economy/incoming_offers.h"
#include "core/economy/loans.h"
#include "core/economy/stadium.h"
#include "core/match/lineup_access.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/squad/death_draw.h"
#include "screens/club/hub_screen.h"
#include "screens/common/game_form.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/competitions/national_invitations_screen.h"

namespace tarvelon {

TModalResult TForm13::ShowScreenModally(const std::string& formClass)
{
    TGameForm* form = CreateScreen(formClass, this);
    return form != nullptr ? form->ShowModal() : mrNone;
}

void TForm13::RunBetweenRoundUpdates()
{
    const int club = Game.CurrentHumanClub;
    CompleteStadiumWorks(club, TodayDate());  // one finished expansion per round
    // The first hub of a game, a season or a loaded game: this round's updates happened before.
    if (SeasonStartPending)
        MarkRoundUpdatesDone();
    else
        RunRoundUpdates(club);
}

void TForm13::DispatchPostRoundEvents()
{
    const int club = Game.CurrentHumanClub;
    if (!SeasonStartPending) {
        OfferPurchase(club);
        if (CountPlayersOfferedForLoan(club) > 0)
            OfferLoanRequest(club);
        if (Game.DayKind == kKindNationalLeague)
            AnnounceDeath(club);
        for (int kind : {kKindWorldCup, kKindCopaAmerica, kKindEurocopa}) {
            if (!InvitationDue(kind))
                continue;
            OfferNationalTeamInvitation(kind);
        }
    }
    SeasonStartPending = 0;
}

void TForm13::OfferPurchase(int club)
{
    OfferingClub = -1;
    DealPlayer = 0;
    const ClubPlayerDeal deal = DrawPurchaseOffer(club);
    const TPlayer* p = PlayerAt(deal.player);
    if (!deal.Found() || p == nullptr || p->Club != club)
        return;
    OfferingClub = deal.club;
    DealPlayer = deal.player;
    ShowScreenModally("TForm68");
}

void TForm13::OfferLoanRequest(int club)
{
    const ClubPlayerDeal deal = DrawLoanRequest(club);
    if (!deal.Found())
        return;
    LoanRequestPlayer = deal.player;
    LoanRequestClub = deal.club;
    ShowScreenModally("TForm59");
}

void TForm13::AnnounceDeath(int club)
{
    DeadPlayer = CheckPlayerDeath(club);
    if (DeadPlayer == 0)
        return;
    ShowScreenModally("TForm72");
    RefreshRosterGrid();
}

}  // namespace tarvelon
