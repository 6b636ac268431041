#include "core/progression/auction.h"

#include <algorithm>
#include <cstdlib>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/basics/typed_text.h"
#include "core/economy/table_access.h"
#include "core/economy/transfers.h"
#include "core/progression/calendar_advance.h"
#include "core/records/table_reset.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"

namespace tarvelon {

std::int64_t AuctionStartPrice = 0;
std::uint8_t OwnPlayerAuction = 0;
std::uint8_t AuctionFromSaleScreen = 0;
int AuctionPriceMargin = 0;

namespace {
const GameTableReset auctionReset([] {
    AuctionStartPrice = 0;
    OwnPlayerAuction = 0;
    AuctionFromSaleScreen = 0;
});

constexpr int kSeriesTries = 250;
constexpr int kBidderDraws = 500;

int LastAuctionClub() { return std::min(LeagueAndExtraClubCount(), static_cast<int>(Clubs.size())) - 1; }

int DrawClubFrom(int start)
{
    return Random(LastAuctionClub() - start) + start;
}

// A league drawn when more than one is played: the bidders come from its first club on.
int DrawBidderStart()
{
    if (Leagues.size() < 2)
        return 0;
    const int country = Leagues[Random(static_cast<int>(Leagues.size()))].country;
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c)
        if (Clubs[c].Country == country)
            return c;
    return 0;
}

bool IsComputerRun(int club) { return IsClubIndex(club) && !Clubs[club].IsHuman; }

int FindSeriesSeller(const AuctionState& auction, int& tries)
{
    const int last = LastAuctionClub();
    for (int c = auction.bidderStart; c <= last; ++c)
        if (IsComputerRun(c) && Clubs[c].squadSize > 25 && Clubs[c].AvailablePlayers >= 12 && c != auction.lastBuyer)
            return c;
    while (tries < kSeriesTries) {
        ++tries;
        const int c = DrawClubFrom(auction.bidderStart);
        if (IsComputerRun(c) && Clubs[c].AvailablePlayers >= 16)
            return c;
    }
    return -1;
}

int FindSeriesPlayer(int seller, int& tries)
{
    while (tries < kSeriesTries) {
        ++tries;
        const int position = Random(PositionCount);
        if (Clubs[seller].playersPerPosition[position] < 3)
            continue;
        for (int p : PlayersOfClub(seller))
            if (Players[p].Position == position && Players[p].loanStatus < 2)
                return p;
    }
    return 0;
}

std::int64_t SeriesStartPrice(int player)
{
    const std::int64_t value = RoundedUnits(Players[player].Value);
    return Round(static_cast<double>(value) / 2.0) + Random(1000);
}

bool CanBidAtPrice(const AuctionState& auction, int club)
{
    return IsClubIndex(club) && Clubs[club].cash >= CurrencyFromUnits(auction.price) &&
           Clubs[club].squadSize < kSquadLimit && Players[auction.player].Club != club;
}

int HumanClubInSlot(int slot) { return slot >= 0 && slot < 6 ? Game.HumanClubs[slot] : -1; }

// A computer bidder: not the seller, computer-run, short of available players, of a fitting level
// (and of the seller's confederation for a weaker player), with room for one more player. His cash
// is not asked: a club may bid into debt, which the bank and the board deal with. (The rule "c must
// not be the seller, must be computer-run and have fewer than 22 available players" does not ask for
// room: a club with a full squad of 28 would buy a 29th player.)
bool QualifiesAsBidder(const AuctionState& auction, int club)
{
    if (club == auction.seller || !IsComputerRun(club) || !IsClubIndex(auction.seller))
        return false;
    const TClub& c = Clubs[club];
    const TClub& seller = Clubs[auction.seller];
    if (c.AvailablePlayers >= 22 || c.squadSize >= kSquadLimit)
        return false;
    const int ls = seller.Level;
    if (Players[auction.player].Strength >= 25)
        return c.Division > 0 && c.Level >= ls - 2 && c.Level <= ls + 3;
    return c.Level >= ls - 2 && c.Level <= ls + 2 &&
           ConfederationOfCountry(c.Country) == ConfederationOfCountry(seller.Country);
}

int DrawComputerBidder(const AuctionState& auction)
{
    for (int draw = 0; draw < kBidderDraws; ++draw) {
        const int c = DrawClubFrom(auction.bidderStart);
        if (QualifiesAsBidder(auction, c))
            return c;
    }
    return -1;
}

// The sale, made only while the seller still owns the player and the buyer can take him.
AuctionOutcome Sell(AuctionState& auction, int buyer, std::int64_t price)
{
    const bool possible = IsPlayerIndex(auction.player) && Players[auction.player].Club == auction.seller &&
                          IsClubIndex(buyer) && buyer != auction.seller && Clubs[buyer].squadSize < kSquadLimit;
    if (!possible) {
        auction.lastBuyer = -1;
        return {};
    }
    TransferPlayer(auction.player, buyer, price);
    auction.lastBuyer = buyer;
    return {true, buyer, price};
}

bool HumanBidWins(const AuctionState& auction)
{
    bool wins = auction.humanTurn && Random(4) == 1;
    const std::int64_t m = Random(3) == 1 ? 2 : 3;
    const std::int64_t h = auction.humanBid;
    if (h < auction.price)
        wins = false;
    if (h >= auction.price && CurrencyFromUnits(h) > Players[auction.player].Value && h > m * auction.price)
        wins = true;
    return wins;
}

// The margin is kept in single precision, as the hub draws it: -0.1 lies a hair below a tenth, so a
// price of exactly 90 % of the value already stands above it.
bool PricedAboveMargin(const AuctionState& auction, int marginPercent)
{
    const float margin = marginPercent == 0 ? 0.12f : static_cast<float>(marginPercent) / 100.0f;
    return static_cast<double>(auction.price) >
           CurrencyToDouble(Players[auction.player].Value) * (1.0 + static_cast<double>(margin));
}

}  // namespace

bool StartNextAuction(AuctionState& auction)
{
    auction.seller = -1;
    auction.ownPlayer = OwnPlayerAuction == 1;
    auction.humanBid = 0;
    auction.humanBidder = -1;
    auction.humanTurn = false;
    auction.turnSlot = auction.turnClub = -1;
    auction.bidderStart = DrawBidderStart();
    if (AuctionPlayer < 0) {
        int tries = 0;
        const int seller = FindSeriesSeller(auction, tries);
        AuctionPlayer = seller >= 0 ? FindSeriesPlayer(seller, tries) : 0;
        if (AuctionPlayer <= 0)
            AuctionPlayer = -1;
    }
    if (!IsPlayerIndex(AuctionPlayer) || !IsClubIndex(Players[AuctionPlayer].Club))
        return false;
    auction.player = AuctionPlayer;
    auction.seller = Players[AuctionPlayer].Club;
    auction.price = auction.ownPlayer ? AuctionStartPrice : SeriesStartPrice(AuctionPlayer);
    return true;
}

bool OfferAuctionToHumanFrom(AuctionState& auction, int fromSlot)
{
    auction.turnSlot = auction.turnClub = -1;
    for (int slot = std::max(fromSlot, 0); slot < 6; ++slot) {
        const int club = HumanClubInSlot(slot);
        if (club >= 0 && CanBidAtPrice(auction, club)) {
            auction.humanTurn = true;
            auction.turnSlot = slot;
            auction.turnClub = club;
            return true;
        }
    }
    return false;
}

BidResult PlaceHumanBid(AuctionState& auction, const std::string& thousandsText)
{
    BidResult result;
    std::int64_t thousands = 0;
    if (!thousandsText.empty()) {
        const std::optional<std::int32_t> typed = ReadWholeNumber(thousandsText);
        // A negative bid is a bid too: it is never the highest, and the turn passes on.
        if (!typed || *typed < -99'999 || *typed > 99'999)
            return result;
        thousands = *typed;
    }
    if (!IsClubIndex(auction.turnClub))
        return result;
    std::int64_t bid = thousands * 1000;
    const Currency cash = Clubs[auction.turnClub].cash;
    // "When the turn club's cash is below b × 10000 and above 0: `Label7` is shown and the turn
    // stays" leaves a club of exactly no cash free to bid any amount, and win a player it cannot pay
    // for: a bid above the cash is refused from 0 on.
    if (cash < 0) {
        bid = 0;
        result.answer = BidAnswer::NegativeCash;
    } else if (cash < CurrencyFromUnits(bid)) {
        result.answer = BidAnswer::AboveCash;
        return result;
    } else {
        result.answer = BidAnswer::Placed;
    }
    if (bid > auction.humanBid) {
        auction.humanBid = bid;
        auction.humanBidder = auction.turnClub;
    }
    result.roundDue = !OfferAuctionToHumanFrom(auction, auction.turnSlot + 1);
    return result;
}

std::int64_t AuctionRaise(std::int64_t price)
{
    if (price <= 100'000) return Random(10'000) + 1'000;
    if (price <= 500'000) return Random(50'000) + 10'000;
    if (price <= 1'000'000) return Random(100'000) + 30'000;
    if (price <= 2'000'000) return Random(200'000) + 50'000;
    return Random(300'000) + 50'000;
}

AuctionOutcome RunAuctionRound(AuctionState& auction, int marginPercent)
{
    auction.lastBuyer = -1;
    if (!IsPlayerIndex(auction.player))
        return {};
    if (HumanBidWins(auction))
        return Sell(auction, auction.humanBidder, auction.humanBid);
    if (auction.ownPlayer && PricedAboveMargin(auction, marginPercent))
        return {};
    if (auction.humanBid > auction.price)
        auction.price = auction.humanBid;
    const int bidder = DrawComputerBidder(auction);
    // "No bidder: when H >= P the human bidder buys at H" is read with a human bidder only: the
    // bidder is reset to 0, a club's index, and with no bid at a start price of 0 that club would
    // get the player for nothing.
    if (bidder < 0) {
        if (auction.humanBidder >= 0 && auction.humanBid >= auction.price)
            return Sell(auction, auction.humanBidder, auction.humanBid);
        return {};
    }
    return Sell(auction, bidder, auction.price + AuctionRaise(auction.price));
}

bool AuctionSeriesEnds(AuctionState& auction)
{
    if (auction.ownPlayer)
        return true;
    --AuctionRound;
    if (AuctionRound < 1)
        return true;
    AuctionPlayer = -1;
    auction.humanBid = 0;
    auction.humanBidder = -1;
    return false;
}

std::string AuctionStatusText(int player)
{
    if (!IsPlayerIndex(player))
        return "";
    const TPlayer& p = Players[player];
    const int kind = std::clamp(Game.DayKind, 0, kCompetitionKinds - 1);
    if (p.Bans[kind] > 0)
        return "Suspenso por " + std::to_string(p.Bans[kind]) + " jogo(s)";
    if (p.YellowCards[kind] > 1)
        return "Suspenso por 1 jogo";
    if (p.InjuredUntil > TodayDate())
        return "Jogador contundido";
    return "";
}

}  // namespace tarvelon
