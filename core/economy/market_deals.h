#pragma once
// The human coach's deals in the transfer market: buying a listed player at his asking price, a bid
// at any price with the seller's and the player's answers, and a loan. Players and money move only
// through TransferPlayer, LoanPlayer, AddLoan and BuySimilarPlayer.
#include <cstdint>
#include <string>

#include "core/records/club.h"

namespace tarvelon {

// A human club holds at most this many players on loan from other clubs (and at most kSquadLimit in all).
inline constexpr int kLoanedInLimit = 2;

// The deal under way, shared by the market and its dialogs; each action resets it first.
struct TDealState {
    int DealPlayer = 0;
    int seller = -1;                 // the club shown in the market
    std::int64_t BidPrice = 0;       // whole units
    bool BidAccepted = false;
    bool WageDemandPending = false;
    int WageDemandFactor = 1;        // 1..8 times his wage
    bool DirectPurchase = false;     // the demand comes from "Comprar", not from a bid
    bool ReplacementPending = false; // the seller buys a player of that position after the sale
    int ReplacementPosition = 0;
    std::string DealMessage;
};
extern TDealState Deal;

// The buyer may take one more player: a club index with fewer than kSquadLimit players.
bool HasRoomForPlayer(int buyer);

// "Comprar": the player is listed, plays for another club (not on loan there), the buyer has room
// and his cash covers the asking price, which is what a purchase pays.
bool CanBuyListedPlayer(int player, int buyer);
// "Fazer uma oferta": a player of another club, not on loan there, and room in the buyer's squad.
bool CanBidFor(int player, int buyer);
// "Pegar por empréstimo": offered for loan by another club, and room in the buyer's squad.
bool CanBorrow(int player, int buyer);

// The player's demand when he is bought at his price from a top European club by a club of a lower
// division: false with the deal's wage demand set. Resets the deal for a purchase.
bool CheckPurchaseDemand(TDealState& deal, int buyer);

// A computer seller's answer to the deal's bid, then the player's will; sets BidAccepted, a wage
// demand, a refusal message, and the replacement the seller will buy.
void EvaluateBid(TDealState& deal, int buyer);

// The player agrees to join the buyer on loan.
bool CheckLoanWillingness(int player, int buyer);

enum class PurchaseOutcome { NotAllowed, Bought, WageDemand };
// "Comprar": checked again, then the player's demand (sellers of the top European countries), then
// the sale at the asking price.
PurchaseOutcome BuyListedPlayer(int player, int buyer);

// The bid is typed in thousands: 1,000 is the least it can make.
inline constexpr std::int64_t kLeastBid = 1000;

// The bid a deal starts with for a player of this value (whole units): the value itself, or, for a
// player worth less than the least bid, the least bid.
std::int64_t OpeningBid(std::int64_t value);

// The deal's price, starting at the opening bid for the player's value.
void StartBid(TDealState& deal, int player, int seller);
// The bid at this price: the buyer can pay it and still has room.
bool CanOfferBid(int buyer, std::int64_t price);

// Completes an accepted deal (or an accepted wage demand): the player's wage raised by the demand,
// the sale at BidPrice, and the seller's replacement. False, and nothing changes, when the buyer
// can no longer pay or has no room, or the player left the seller meanwhile.
bool CompleteDeal(TDealState& deal, int buyer);

enum class LoanOutcome { NotAllowed, LimitReached, Refused, Borrowed };
// "Pegar por empréstimo": the loan limit, the player's will, then the loan of 180 days.
LoanOutcome BorrowPlayer(int player, int buyer);

}  // namespace tarvelon
