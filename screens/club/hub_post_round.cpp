// The hub's post-round questions (TForm13): offers, loan requests, a death and national-team
// invitations, drawn by the round (core/progression/post_round.h) and each opened modally and answered
// before the next one is drawn.
#include "core/progression/post_round.h"
#include "core/records/game_state.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/hub_screen.h"
#include "screens/common/game_form.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/competitions/national_invitations_screen.h"

namespace tarvelon {

TModalResult TForm13::ShowScreenModally(const std::string& formClass)
{
    TGameForm* form = CreateScreen(formClass, this);
    const TModalResult result = form != nullptr ? form->ShowModal() : mrNone;
    ShowOpenHubAsTheGameHolds();
    return result;
}

void TForm13::DispatchPostRoundEvents()
{
    PostRound round(Game.CurrentHumanClub);
    if (round.Asks()) {  // no offer stands before the round's draw
        OfferingClub = -1;
        DealPlayer = 0;
    }
    for (PostRoundQuestion question = round.Next(); question.ask != PostRoundAsk::Done; question = round.Next())
        AskCoach(question);
}

void TForm13::AskCoach(const PostRoundQuestion& question)
{
    switch (question.ask) {
    case PostRoundAsk::PurchaseOffer:
        OfferingClub = question.club;
        DealPlayer = question.player;
        ShowScreenModally("TForm68");
        break;
    case PostRoundAsk::LoanRequest:
        LoanRequestPlayer = question.player;
        LoanRequestClub = question.club;
        ShowScreenModally("TForm59");
        break;
    case PostRoundAsk::DeathNotice:
        DeadPlayer = question.player;
        ShowScreenModally("TForm72");
        RefreshRosterGrid();
        break;
    case PostRoundAsk::NationalInvitation: OfferNationalTeamInvitation(question.tournament); break;
    case PostRoundAsk::Done: break;
    }
}

}  // namespace tarvelon
