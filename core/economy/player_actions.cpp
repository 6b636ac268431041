#include "core/economy/player_actions.h"

#include "core/economy/loans.h"
#include "core/match/lineup_access.h"

namespace tarvelon {

bool CanOfferForLoan(int club)
{
    return CountLoanedOutPlayers(club) + CountPlayersOfferedForLoan(club) < 2;
}

bool OfferPlayerForLoan(int player)
{
    TPlayer* p = PlayerAt(player);
    if (p == nullptr || p->loanStatus != 0 || !CanOfferForLoan(p->Club))
        return false;
    p->loanStatus = 1;
    return true;
}

void WithdrawLoanOffer(int player)
{
    if (TPlayer* p = PlayerAt(player); p != nullptr && p->loanStatus == 1)
        p->loanStatus = 0;
}

void TakeOffSaleList(int player)
{
    if (TPlayer* p = PlayerAt(player)) {
        p->ListedForSale = 0;
        p->AskingPrice = 0;
    }
}

bool CanBuyLoanedPlayer(int player)
{
    const TPlayer* p = PlayerAt(player);
    const TClub* c = p != nullptr ? ClubAt(p->Club) : nullptr;
    // Buying him from his owner costs his value, whatever he was once listed at. Checking "c's cash
    // is below p's asking price (+72)" instead would never hold for a loaned-in player, who is not
    // listed (asking price 0): a club short of his value would buy him and be left in debt.
    return c != nullptr && p->loanStatus == 2 && c->cash >= p->Value;
}

PlayerMenuState PlayerMenuOf(int player, int club)
{
    PlayerMenuState s;
    const TPlayer* p = PlayerAt(player);
    const TClub* c = ClubAt(club);
    if (p == nullptr || c == nullptr)
        return s;
    s.onLoanHere = p->loanStatus == 2;
    s.sell = c->squadSize >= 12 && c->AvailablePlayers >= 11 && !s.onLoanHere;
    s.retire = p->Age >= 32 && !s.onLoanHere;
    s.contract = !s.onLoanHere;
    s.buy = s.onLoanHere && CanBuyLoanedPlayer(player);
    if (p->loanStatus == 1) {
        s.offerLoanShown = false;
        s.withdrawLoanShown = true;
    } else {
        s.offerLoanEnabled = !s.onLoanHere && CanOfferForLoan(club);
        s.offerLoanShown = !s.onLoanHere;
        s.offerLoanKeepsShown = !s.onLoanHere && !s.offerLoanEnabled;
    }
    return s;
}

}  // namespace tarvelon
