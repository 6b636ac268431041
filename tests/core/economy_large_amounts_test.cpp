// Money past the 32-bit range: a saved game may hold cash, wages, values and asking prices up to
// 10^15 (Currency), a hundred thousand million whole units. The rules carry such amounts whole: a
// wage bill, a fee, a bid, an offer or an auction's price beyond 2^31 units is paid and booked in
// full, the 32-bit fields of the saved records hold it at their limit, and the views show every digit.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "core/club_rosters.h"
#include "core/economy/between_rounds.h"
#include "core/economy/incoming_offers.h"
#include "core/economy/loans.h"
#include "core/economy/market_deals.h"
#include "core/economy/squad_rules.h"
#include "core/economy/transfers.h"
#include "core/progression/auction.h"
#include "core/progression/calendar_advance.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/views/hub_views.h"
#include "core/views/market_views.h"
#include "core/views/player_search.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;

// The largest amount a saved game holds, and the same in whole units.
constexpr Currency kBound = 1'000'000'000'000'000;
constexpr std::int64_t kBoundUnits = kBound / kCurrencyScale;
// An amount of whole units past 2^31 (the 32-bit fields' limit) and its Currency.
constexpr std::int64_t kBig = 3'000'000'000;

int FirstPlayerOf(int club, int position = -1)
{
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club == club && (position < 0 || Players[p].Position == position))
            return p;
    return 0;
}

class LargeAmounts : public ::testing::Test {
protected:
    // Brazil only: no seller of a top European country, whose players ask more of a lower club.
    void SetUp() override
    {
        Build({{29, 2}}, 4);
        Game.DayIndex = 20;
        for (TClub& club : Clubs)
            club.cash = kBound;
    }

    static void ExpectTransferBooked(int seller, int buyer, std::int64_t fee, Currency sellerCash, Currency buyerCash)
    {
        EXPECT_EQ(Clubs[seller].cash - sellerCash, CurrencyFromUnits(fee));
        EXPECT_EQ(buyerCash - Clubs[buyer].cash, CurrencyFromUnits(fee));
        EXPECT_EQ(ClubFinances[seller].playerSales, INT32_MAX);
        EXPECT_EQ(ClubFinances[buyer].playerPurchases, INT32_MAX);
        ASSERT_FALSE(Transfers.empty());
        EXPECT_EQ(Transfers.back().fee, INT32_MAX);
    }
};

// Every player of a club at the largest wage: the bill, 25 x 10^11 units a week, was cut to 32 bits
// and wrapped round to a wrong figure. It is held at the limit, and a player who moves is carried
// between bills so that both still stand for their squads.
TEST_F(LargeAmounts, AWageBillPast32BitsIsHeldAndStandsForTheWholeSquad)
{
    const int club = 1, other = 2;
    for (int p : PlayersOfClub(club))
        Players[p].wage = kBound;
    RecalcClubWageBill(club);
    EXPECT_EQ(ClubFinances[club].weeklyWageBill, INT32_MAX);
    EXPECT_EQ(SquadWageBill(club), 25 * kBoundUnits);

    // One leaves: the held bill is summed anew, still held; the bill he joins takes his wage.
    const std::int32_t otherBill = ClubFinances[other].weeklyWageBill;
    TransferPlayer(FirstPlayerOf(club), other, 0);
    EXPECT_EQ(ClubFinances[club].weeklyWageBill, INT32_MAX);
    EXPECT_EQ(SquadWageBill(club), 24 * kBoundUnits);
    EXPECT_EQ(ClubFinances[other].weeklyWageBill, INT32_MAX);
    EXPECT_EQ(SquadWageBill(other), kBoundUnits + otherBill);

    // Wages cut back under the limit: the next move finds the bill held and sums it exactly.
    for (int p : PlayersOfClub(club))
        Players[p].wage = CurrencyFromUnits(1000);
    TransferPlayer(FirstPlayerOf(other, 4), club, 0);  // one of its own forwards, on his own wage
    EXPECT_EQ(ClubFinances[club].weeklyWageBill, SquadWageBill(club));
    EXPECT_LT(ClubFinances[club].weeklyWageBill, INT32_MAX);
}

// Fees past 2^31 units: a loaned player bought for his value, a listed player at his asking price,
// a purchase offer accepted and a sale to a computer club each move the whole fee; the history's and
// the accounts' 32-bit fields hold it at their limit. The old 32-bit fee wrapped round (a buyer paid
// a negative fee) or stopped at the limit (a seller got less than the price).
TEST_F(LargeAmounts, FeesPast32BitsArePaidWhole)
{
    {
        const int owner = 1, holder = 2;
        const int p = FirstPlayerOf(owner, 3);
        Players[p].Value = CurrencyFromUnits(kBig);
        AddLoan(p, owner, TodayDate() + 60);
        LoanPlayer(p, holder, TodayDate() + 60);
        const Currency ownerCash = Clubs[owner].cash, holderCash = Clubs[holder].cash;
        BuyLoanedPlayer(p);
        EXPECT_EQ(Players[p].Club, holder);
        ExpectTransferBooked(owner, holder, kBig, ownerCash, holderCash);
    }
    {
        const int seller = 3, buyer = 4;
        const int p = FirstPlayerOf(seller, 3);
        Players[p].ListedForSale = 1;
        Players[p].AskingPrice = CurrencyFromUnits(kBig);
        const Currency sellerCash = Clubs[seller].cash, buyerCash = Clubs[buyer].cash;
        EXPECT_EQ(BuyListedPlayer(p, buyer), PurchaseOutcome::Bought);
        ExpectTransferBooked(seller, buyer, kBig, sellerCash, buyerCash);
    }
    {
        const int seller = 5, buyer = 6;
        const int p = FirstPlayerOf(seller, 3);
        const Currency sellerCash = Clubs[seller].cash, buyerCash = Clubs[buyer].cash;
        AcceptPurchaseOffer(p, buyer, kBig);
        EXPECT_EQ(Players[p].Value, CurrencyFromUnits(kBig));
        ExpectTransferBooked(seller, buyer, kBig, sellerCash, buyerCash);
        // and no sale pays the buyer to take a player
        const int q = FirstPlayerOf(seller, 4);
        const Currency before = Clubs[seller].cash;
        SellPlayerToClub(q, buyer, false, false, -kBig);
        EXPECT_EQ(Players[q].Club, buyer);
        EXPECT_EQ(Clubs[seller].cash, before);
        EXPECT_EQ(Players[q].Value, 0);
    }
    {
        // A fee at the largest value: 10^11 units leave the buyer, whose cash goes 10^11 units into debt.
        const int seller = 7, buyer = 8;
        const int p = FirstPlayerOf(seller, 3);
        Clubs[buyer].cash = 0;
        const Currency sellerCash = Clubs[seller].cash;
        TransferPlayer(p, buyer, 2 * kBoundUnits);
        ExpectTransferBooked(seller, buyer, 2 * kBoundUnits, sellerCash, 0);
        EXPECT_EQ(Clubs[buyer].cash, -2 * kBound);
    }
}

// A bid past 2^31 units: the deal's price was a 32-bit field, so the bid wrapped round below 1 and the
// accepted deal was refused. The whole bid is judged against the value, paid, and becomes the seller's
// budget for a replacement.
TEST_F(LargeAmounts, ABidPast32BitsIsJudgedAndPaidWhole)
{
    const int seller = 1, buyer = 2;  // both of the first division: no demand of the player
    const int keeper = FirstPlayerOf(seller, 0);
    Players[keeper].Value = CurrencyFromUnits(kBig / 2);
    StartBid(Deal, keeper, seller);
    EXPECT_EQ(Deal.BidPrice, kBig / 2);
    Deal.BidPrice = kBig / 2 * 14 / 10;  // short of the 1.5 times the value a seller of 3 keepers asks
    EvaluateBid(Deal, buyer);
    EXPECT_FALSE(Deal.BidAccepted);
    Deal.BidPrice = kBig;
    ASSERT_TRUE(CanOfferBid(buyer, Deal.BidPrice));
    EvaluateBid(Deal, buyer);
    ASSERT_TRUE(Deal.BidAccepted);
    const Currency sellerCash = Clubs[seller].cash, buyerCash = Clubs[buyer].cash;
    ASSERT_TRUE(CompleteDeal(Deal, buyer));
    EXPECT_EQ(Players[keeper].Club, buyer);
    EXPECT_EQ(Clubs[seller].cash - sellerCash, CurrencyFromUnits(kBig));
    EXPECT_EQ(buyerCash - Clubs[buyer].cash, CurrencyFromUnits(kBig));

    // The least bid: a player worth less than a thousand is bid for at a thousand.
    EXPECT_EQ(OpeningBid(0), 1000);
    EXPECT_EQ(OpeningBid(999), 1000);
    EXPECT_EQ(OpeningBid(1000), 1000);
    EXPECT_EQ(OpeningBid(kBoundUnits), kBoundUnits);
}

// An auction of a player at the largest value opens at half of it (the value was cut to 32 bits),
// and a round at a price past 2^30 units no longer overflows the bid's multiple of the price or the
// raise: whoever buys pays the whole price.
TEST_F(LargeAmounts, AnAuctionPricesAndSellsPast32Bits)
{
    testworld::MakeHuman(0);
    const int seller = 3;
    const int p = FirstPlayerOf(seller, 3);
    Players[p].Value = kBound;
    AuctionPlayer = p;
    OwnPlayerAuction = 0;
    AuctionState auction;
    ASSERT_TRUE(StartNextAuction(auction));
    EXPECT_GE(auction.price, kBoundUnits / 2);
    EXPECT_LT(auction.price, kBoundUnits / 2 + 1000);

    // The human bid wins at more than twice or three times the price: that multiple of a price past
    // 2^30 units overflowed 32 bits.
    Players[p].Value = CurrencyFromUnits(500'000'000);
    bool sold = false;
    for (std::uint32_t seed = 1; seed <= 20 && !sold; ++seed) {
        RandSeed = seed;
        auction.price = 1'000'000'000;
        auction.humanBid = 1'000'000'000;
        auction.humanBidder = 0;
        auction.humanTurn = true;
        const Currency before = Clubs[seller].cash;
        const AuctionOutcome outcome = RunAuctionRound(auction, 0);
        sold = outcome.sold;
        if (sold) {
            EXPECT_GE(outcome.price, 1'000'000'000);
            EXPECT_EQ(Players[p].Club, outcome.buyer);
            EXPECT_EQ(Clubs[seller].cash - before, CurrencyFromUnits(outcome.price)) << "seed " << seed;
        }
    }
    EXPECT_TRUE(sold);
}

// The views show amounts past 32 bits with every digit, where they showed the 32-bit limit or a
// wrapped figure.
TEST_F(LargeAmounts, ViewsShowEveryDigit)
{
    const int p = FirstPlayerOf(1, 3);
    Players[p].wage = kBound;
    Players[p].Value = kBound;
    EXPECT_EQ(RosterRowOf(p).wageText, "100 000 000 000");
    EXPECT_EQ(SearchRowOf(p).wage, "100 000 000 000");
    EXPECT_EQ(SearchRowOf(p).value, "100 000 000 000");
    EXPECT_NE(WageDemandText(p, 8).find("$800 000 000 000."), std::string::npos) << WageDemandText(p, 8);
    EXPECT_NE(PlayerCardText(p, true).find("$100 000 000 000"), std::string::npos);
}

}  // namespace
}  // namespace tarvelon
