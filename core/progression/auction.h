#pragma once
// The player auction: a series of auctions after a matchday, each putting up a player of a
// computer-run club, or the auction of a human coach's own player. Each auction offers the player
// to the human coaches in turn (each who can pay the start price and has room in his squad), then
// settles in one round: a human bid wins, or one computer-run club outbids the price, or nobody
// buys. Players change clubs only through TransferPlayer.
//
// The series' globals (AuctionRound, AuctionPlayer) are the calendar advance's
// (core/progression/calendar_advance.h); the sale screen sets the three below before it opens an
// auction of its own player.
#include <cstdint>
#include <string>

#include "core/records/club.h"

namespace tarvelon {

extern std::int64_t AuctionStartPrice;      // the own player's start price, whole units
extern std::uint8_t OwnPlayerAuction;       // 1: the auction of a human coach's own player
extern std::uint8_t AuctionFromSaleScreen;  // 1: opened by the sale screen
// The computer round's price margin in percent: 0 at start-up, drawn as the hub opens (PrepareHubStart,
// core/progression/post_round.h).
extern int AuctionPriceMargin;

struct AuctionState {
    bool ownPlayer = false;  // the auction of a human coach's own player (a single auction)
    int player = -1;         // the player put up
    int seller = -1;         // the club that sells
    std::int64_t price = 0;  // the current price, whole units
    std::int64_t humanBid = 0;   // the highest human bid, whole units (0 none)
    int humanBidder = -1;        // the club of that bid
    bool humanTurn = false;      // a human coach had the turn in this auction
    int turnSlot = -1;           // the human slot (0-based) whose turn it is
    int turnClub = -1;           // and its club
    int bidderStart = 0;         // first club index of the range computer bidders are drawn from
    int lastBuyer = -1;          // the buyer of the previous auction of the series
};

// Starts the next auction: with `AuctionPlayer` < 0 a seller and a player of the series are drawn,
// else that player (the own player's auction, at `AuctionStartPrice`). Sets the seller and the
// start price, and `AuctionPlayer`. False when no player could be found.
bool StartNextAuction(AuctionState& auction);

// Gives the turn to the first human club, in slot order from `fromSlot`, that can bid: it exists,
// has cash for the current price, fewer than kSquadLimit players and does not own the player.
// False when none can (the round is then due).
bool OfferAuctionToHumanFrom(AuctionState& auction, int fromSlot);

enum class BidAnswer {
    NotANumber,   // nothing happens
    AboveCash,    // "Valor maior que seu dinheiro em caixa": the turn stays
    Placed,       // the bid is noted (if it is the highest) and the turn passes on
    NegativeCash, // "Saldo negativo, seu lance foi 0.": a bid of 0 is noted, the turn passes on
};
// The bid of the club whose turn it is, typed in thousands ("" is 0; below 0 bids nothing but
// passes the turn all the same). After Placed or
// NegativeCash the turn has passed on to the next coach who can bid (`turnSlot`, `turnClub`), unless
// the round is due.
struct BidResult {
    BidAnswer answer = BidAnswer::NotANumber;
    bool roundDue = false;  // no coach is left to bid: the computer round runs
};
BidResult PlaceHumanBid(AuctionState& auction, const std::string& thousandsText);

struct AuctionOutcome {
    bool sold = false;
    int buyer = -1;
    std::int64_t price = 0;
};

// The computer round: a human bid wins, else a computer bidder outbids the price, else nobody buys;
// a sale moves the player. `marginPercent` is the hub's price margin (0 reads as 12): for an own
// player priced above his value plus the margin nobody buys before any bidder is sought. An own
// player is sold only while his club still is the seller.
AuctionOutcome RunAuctionRound(AuctionState& auction, int marginPercent);

// The raise a computer bidder puts on the current price (whole units), drawn by its band.
std::int64_t AuctionRaise(std::int64_t price);

// After an auction's outcome: true when the series ends (an own player's auction always ends;
// a series counts `AuctionRound` down). Also prepares the next auction of the series.
bool AuctionSeriesEnds(AuctionState& auction);

// The card's status line: a ban, "Suspenso por 1 jogo" for more than one yellow card, an injury,
// else "" (the label is hidden).
std::string AuctionStatusText(int player);

}  // namespace tarvelon
