#include "core/economy/market_deals.h"

#include "core/basics/rounding.h"
#include "core/economy/ai_market.h"
#include "core/economy/loans.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/economy/table_access.h"
#include "core/economy/transfers.h"
#include "core/records/table_reset.h"
#include "core/season/calendar.h"

namespace tarvelon {

TDealState Deal;

namespace {
// A deal left open when a game ended is no deal of the next game.
const GameTableReset dealReset([] { Deal = TDealState{}; });

constexpr int kLoanDays = 180;

// The price a seller asks for a position, in tenths of the player's value, by how many players of
// that position he has (1, 2, 3, 4, more); losing his only one makes him buy a replacement.
constexpr int kBidTenths[5][5] = {
    {25, 20, 15, 15, 15},  // goalkeeper
    {22, 20, 20, 12, 12},  // full back
    {22, 20, 20, 12, 12},  // centre back
    {22, 22, 12, 20, 12},  // midfielder
    {22, 20, 13, 13, 13},  // forward
};

const TPlayer* PlayerOrNull(int player) { return IsPlayerIndex(player) ? &Players[player] : nullptr; }

// A player of another club who is not just passing through it on loan.
bool OwnedElsewhere(const TPlayer& p, int buyer)
{
    return IsClubIndex(p.Club) && p.Club != buyer && p.loanStatus != 2;
}

bool CashCovers(int club, std::int64_t units) { return Clubs[club].cash >= CurrencyFromUnits(units); }

void ResetDeal(TDealState& deal)
{
    deal.BidAccepted = false;
    deal.WageDemandPending = false;
    deal.WageDemandFactor = 1;
    deal.ReplacementPending = false;
    deal.ReplacementPosition = 0;
}

void DemandWage(TDealState& deal, int factor)
{
    deal.BidAccepted = false;
    deal.WageDemandPending = true;
    deal.WageDemandFactor = factor;
}

void RefuseToJoin(TDealState& deal)
{
    deal.BidAccepted = false;
    deal.DealMessage = Players[deal.DealPlayer].Name.str() + " não demonstrou interesse em jogar no seu modesto time.";
}

bool SellerAcceptsPrice(TDealState& deal, const TPlayer& p)
{
    const std::int64_t offer = CurrencyFromUnits(deal.BidPrice);
    if (p.ListedForSale && offer >= p.Value)
        return true;
    const int position = p.Position >= 0 && p.Position < 5 ? p.Position : 4;
    const int count = Clubs[p.Club].playersPerPosition[position];
    const int column = count >= 1 && count <= 4 ? count - 1 : 4;
    if (offer * 10 < static_cast<std::int64_t>(kBidTenths[position][column]) * p.Value)
        return false;
    if (count == 1) {
        deal.ReplacementPending = true;
        deal.ReplacementPosition = position;
    }
    return true;
}

// The player's answer to moving down from the seller's division s to the buyer's b.
void PlayerWillForBid(TDealState& deal, const TPlayer& p, int buyer)
{
    const int s = Clubs[p.Club].Division;
    const int b = Clubs[buyer].Division;
    const int level = Clubs[p.Club].Level;
    const bool listed = p.ListedForSale != 0;
    if (b <= s)
        return;
    if (Game.LeagueFormat == 2) {
        if (s == 1) {
            if (level < 20 || listed)
                DemandWage(deal, 3);
            else
                RefuseToJoin(deal);
        }
        return;
    }
    const bool proud = level >= 20 && !listed;
    if (s == 1 && b == 2)
        proud ? RefuseToJoin(deal) : DemandWage(deal, p.Strength > 50 ? 4 : 3);
    else if (s == 1 && b == 3)
        proud ? RefuseToJoin(deal) : DemandWage(deal, p.Strength > 40 ? 5 : 3);
    else if (s == 1 && b == 4)
        RefuseToJoin(deal);
    else if (s == 2 && b == 3)
        proud ? RefuseToJoin(deal) : DemandWage(deal, 2);
    else if (s == 2 && b == 4)
        (level >= 18 && !listed) ? RefuseToJoin(deal) : DemandWage(deal, 3);
}

}  // namespace

bool HasRoomForPlayer(int buyer) { return IsClubIndex(buyer) && Clubs[buyer].squadSize < kSquadLimit; }

bool CanBuyListedPlayer(int player, int buyer)
{
    const TPlayer* p = PlayerOrNull(player);
    return p != nullptr && HasRoomForPlayer(buyer) && OwnedElsewhere(*p, buyer) && p->ListedForSale &&
           CashCovers(buyer, RoundedUnits(p->AskingPrice));
}

bool CanBidFor(int player, int buyer)
{
    const TPlayer* p = PlayerOrNull(player);
    return p != nullptr && HasRoomForPlayer(buyer) && OwnedElsewhere(*p, buyer);
}

bool CanBorrow(int player, int buyer)
{
    const TPlayer* p = PlayerOrNull(player);
    return p != nullptr && HasRoomForPlayer(buyer) && OwnedElsewhere(*p, buyer) && p->loanStatus == 1;
}

bool CheckPurchaseDemand(TDealState& deal, int buyer)
{
    ResetDeal(deal);
    deal.DirectPurchase = true;
    const TPlayer& p = Players[deal.DealPlayer];
    const int s = Clubs[p.Club].Division;
    const int b = Clubs[buyer].Division;
    if (b <= s)
        return true;
    if (Game.LeagueFormat == 2) {
        if (s == 1)
            DemandWage(deal, 3);
    } else if (s == 1 && b == 2) {
        DemandWage(deal, p.Strength <= 50 ? 4 : 5);
    } else if (s == 1) {
        DemandWage(deal, p.Strength <= 40 ? 5 : 8);
    } else if (s == 2) {
        DemandWage(deal, 2);
    }
    return !deal.WageDemandPending;
}

void EvaluateBid(TDealState& deal, int buyer)
{
    const TPlayer& p = Players[deal.DealPlayer];
    deal.BidAccepted = SellerAcceptsPrice(deal, p);
    if (deal.BidAccepted)
        PlayerWillForBid(deal, p, buyer);
}

bool CheckLoanWillingness(int player, int buyer)
{
    const TPlayer& p = Players[player];
    const int s = Clubs[p.Club].Division;
    const int b = Clubs[buyer].Division;
    const int level = Clubs[p.Club].Level;
    if (b <= s)
        return true;
    if (Game.LeagueFormat == 2)
        return !(s == 1 && level >= 21);
    if (s == 1)
        return !((b == 2 && level >= 20) || (b == 3 && level >= 21) || b == 4);
    if (s == 2)
        return !((b == 3 && level >= 21) || (b == 4 && level >= 19));
    return true;
}

PurchaseOutcome BuyListedPlayer(int player, int buyer)
{
    if (!CanBuyListedPlayer(player, buyer))
        return PurchaseOutcome::NotAllowed;
    Deal.DealPlayer = player;
    Deal.seller = Players[player].Club;
    const std::int64_t price = RoundedUnits(Players[player].AskingPrice);
    const bool accepted = !IsTopEuropeanCountry(Clubs[Deal.seller].Country) || CheckPurchaseDemand(Deal, buyer);
    if (!accepted) {
        Deal.BidPrice = price;
        return PurchaseOutcome::WageDemand;
    }
    TransferPlayer(player, buyer, price);
    return PurchaseOutcome::Bought;
}

void StartBid(TDealState& deal, int player, int seller)
{
    ResetDeal(deal);
    deal.DirectPurchase = false;
    deal.DealPlayer = player;
    deal.seller = seller;
    deal.BidPrice = OpeningBid(CurrencyUnits(Players[player].Value));
    deal.DealMessage = "Sua proposta não foi aceita";
}

std::int64_t OpeningBid(std::int64_t value) { return value < kLeastBid ? kLeastBid : value; }

bool CanOfferBid(int buyer, std::int64_t price)
{
    return price >= 1 && HasRoomForPlayer(buyer) && CashCovers(buyer, price);
}

bool CompleteDeal(TDealState& deal, int buyer)
{
    const TPlayer* p = PlayerOrNull(deal.DealPlayer);
    if (p == nullptr || p->Club != deal.seller || !OwnedElsewhere(*p, buyer) || !CanOfferBid(buyer, deal.BidPrice))
        return false;
    const int strength = p->Strength;
    TransferPlayer(deal.DealPlayer, buyer, deal.BidPrice);
    if (deal.WageDemandPending) {
        // Raised once he has joined, so the seller's wage bill loses the wage he earned there.
        TPlayer& joined = Players[deal.DealPlayer];
        joined.wage = CurrencyFromUnits(RoundedUnits(joined.wage) * deal.WageDemandFactor);
        RecalcClubWageBill(buyer);
    }
    if (deal.ReplacementPending)
        BuySimilarPlayer(deal.seller, deal.ReplacementPosition, strength, deal.BidPrice);
    deal.WageDemandPending = false;
    deal.ReplacementPending = false;
    return true;
}

LoanOutcome BorrowPlayer(int player, int buyer)
{
    if (!CanBorrow(player, buyer))
        return LoanOutcome::NotAllowed;
    if (CountLoanedInPlayers(buyer) >= kLoanedInLimit)
        return LoanOutcome::LimitReached;
    if (!CheckLoanWillingness(player, buyer))
        return LoanOutcome::Refused;
    const TDateTime endDate = TodayDate() + kLoanDays;
    AddLoan(player, Players[player].Club, endDate);
    LoanPlayer(player, buyer, endDate);
    return LoanOutcome::Borrowed;
}

}  // namespace tarvelon
