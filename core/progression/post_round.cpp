#include "core/progression/post_round.h"

#include "core/basics/random.h"
#include "core/economy/between_rounds.h"
#include "core/economy/incoming_offers.h"
#include "core/economy/loans.h"
#include "core/economy/stadium.h"
#include "core/economy/squad_rules.h"
#include "core/mail/inbox.h"
#include "core/match/computer_lineups.h"
#include "core/match/lineup_access.h"
#include "core/progression/auction.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/squad/death_draw.h"

namespace tarvelon {

void PrepareHubStart()
{
    const int draw = Random(10);
    AuctionPriceMargin = draw <= 3 ? -10 : draw <= 7 ? 0 : 5;
    ReturnExpiredLoans(TodayDate());
}

void CheckHumanClubsContracts()
{
    if (TodayDate() == 0)
        return;  // the calendar has run past its last day
    for (int club : Game.HumanClubs)
        if (club >= 0)
            ContractWarnings(club, SquadInListOrder(club));
}

void PrepareClubForHub(int club)
{
    // One finished expansion per refresh, also while the season's start skips the other updates:
    // the hub's full refresh runs it before them, unconditionally.
    CompleteStadiumWorks(club, TodayDate());
    if (!SeasonStartPending)
        RunRoundUpdates(club);
    CountAvailablePlayers(0, club);
    ContractWarnings(club, SquadInListOrder(club));
    MarkOldNewsRead(club, TodayDate());
}

PostRound::PostRound(int club) : club_(club), asks_(!SeasonStartPending) {}

PostRoundQuestion PostRound::Next()
{
    if (!asks_ && step_ < kEnd)
        step_ = kEnd;
    while (step_ < kEnd) {
        const PostRoundQuestion question = Ask(static_cast<Step>(step_++));
        if (question.ask != PostRoundAsk::Done)
            return question;
    }
    if (step_ == kEnd) {
        SeasonStartPending = 0;
        step_ = kClosed;
    }
    return {};
}

PostRoundQuestion PostRound::Ask(Step step) const
{
    switch (step) {
    case kPurchase: {
        const ClubPlayerDeal deal = DrawPurchaseOffer(club_);
        const TPlayer* p = PlayerAt(deal.player);
        if (deal.Found() && p != nullptr && p->Club == club_)
            return {PostRoundAsk::PurchaseOffer, deal.club, deal.player};
        return {};
    }
    case kLoan: {
        if (CountPlayersOfferedForLoan(club_) == 0)
            return {};
        const ClubPlayerDeal deal = DrawLoanRequest(club_);
        return deal.Found() ? PostRoundQuestion{PostRoundAsk::LoanRequest, deal.club, deal.player} : PostRoundQuestion{};
    }
    case kDeath: {
        if (Game.DayKind != kKindNationalLeague)
            return {};
        const int dead = CheckPlayerDeath(club_);
        return dead != 0 ? PostRoundQuestion{PostRoundAsk::DeathNotice, club_, dead} : PostRoundQuestion{};
    }
    case kWorldCup:
    case kCopaAmerica:
    case kEurocopa: {
        const int tournament = kKindWorldCup + (step - kWorldCup);
        if (!InvitationDue(tournament))
            return {};
        return {PostRoundAsk::NationalInvitation, -1, 0, tournament};
    }
    default: return {};
    }
}

void AnswerAutomatically(const PostRoundQuestion& question)
{
    if (question.ask == PostRoundAsk::PurchaseOffer)
        PurchaseOfferAmount(question.player);  // the offer's screen prices it as it opens
}

void AnswerPostRoundAutomatically(int club)
{
    PostRound round(club);
    for (PostRoundQuestion question = round.Next(); question.ask != PostRoundAsk::Done; question = round.Next())
        AnswerAutomatically(question);
}

}  // namespace tarvelon
