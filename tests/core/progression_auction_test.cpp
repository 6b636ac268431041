// The player auction on a small synthetic game: the series' seller and start price, the human
// coaches' turns and bids, the computer round with its bidders (who need room in the squad, not
// cash), the own player's auction that sells only what the seller still owns, and the raise
// bands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/basics/random.h"
#include "core/progression/auction.h"
#include "core/economy/squad_rules.h"
#include "core/economy/transfers.h"
#include "core/progression/calendar_advance.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

class AuctionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build({{29, 2}}, 4, 777);
        AuctionRound = 1;
        AuctionPlayer = -1;
        OwnPlayerAuction = 0;
        AuctionStartPrice = 0;
        human_ = 3;
        MakeHuman(human_);
    }
    void TearDown() override
    {
        OwnPlayerAuction = 0;
        AuctionPlayer = -1;
        AuctionRound = 0;
    }
    // Every club but the given ones made unable to bid or to sell.
    static void OnlyTheseCanTakePart(std::initializer_list<int> clubs)
    {
        for (int c = 0; c < static_cast<int>(Clubs.size()); ++c)
            if (std::find(clubs.begin(), clubs.end(), c) == clubs.end())
                Clubs[c].AvailablePlayers = 25;
    }
    static int FirstPlayerOf(int club)
    {
        for (int p = 1; p < static_cast<int>(Players.size()); ++p)
            if (Players[p].Club == club)
                return p;
        return 0;
    }
    // An auction of the club's first player at `price` with no human turn.
    static AuctionState AuctionOf(int club, std::int32_t price)
    {
        AuctionState a;
        a.player = FirstPlayerOf(club);
        a.seller = club;
        a.price = price;
        return a;
    }
    int human_ = 0;
};

TEST_F(AuctionTest, TheSeriesFindsASellerWithABigSquadAndPricesAtHalfTheValue)
{
    for (TClub& c : Clubs)
        c.AvailablePlayers = 15;
    Clubs[7].squadSize = 26;
    Clubs[7].AvailablePlayers = 12;
    AuctionState a;
    ASSERT_TRUE(StartNextAuction(a));
    EXPECT_EQ(a.seller, 7);
    EXPECT_EQ(Players[AuctionPlayer].Club, 7);
    EXPECT_LT(Players[AuctionPlayer].loanStatus, 2);
    const auto half = static_cast<std::int32_t>(std::llround(CurrencyUnits(Players[AuctionPlayer].Value) / 2.0));
    EXPECT_GE(a.price, half - 1);
    EXPECT_LT(a.price, half + 1000);

    // The buyer of the previous auction is not the first choice.
    AuctionPlayer = -1;
    a.lastBuyer = 7;
    Clubs[9].squadSize = 26;
    Clubs[9].AvailablePlayers = 12;
    ASSERT_TRUE(StartNextAuction(a));
    EXPECT_EQ(a.seller, 9);
}

TEST_F(AuctionTest, NoBigSquadAndNoClubWithSixteenAvailableMeansNoAuction)
{
    for (TClub& c : Clubs)
        c.AvailablePlayers = 15;
    AuctionState a;
    EXPECT_FALSE(StartNextAuction(a));
    EXPECT_EQ(AuctionPlayer, -1);
}

TEST_F(AuctionTest, HumansBidInSlotOrderSkippingThoseWhoCannot)
{
    const int second = 5;
    const int poor = 6;
    MakeHuman(poor);
    MakeHuman(second);
    Clubs[poor].cash = CurrencyFromUnits(1000);
    AuctionState a = AuctionOf(1, 200'000);
    ASSERT_TRUE(OfferAuctionToHumanFrom(a, 0));
    EXPECT_EQ(a.turnClub, human_);

    Clubs[human_].cash = CurrencyFromUnits(250'000);
    EXPECT_EQ(PlaceHumanBid(a, "3x").answer, BidAnswer::NotANumber);
    EXPECT_EQ(PlaceHumanBid(a, "300").answer, BidAnswer::AboveCash);
    EXPECT_EQ(a.turnClub, human_);  // the turn stays
    EXPECT_EQ(PlaceHumanBid(a, "-300").answer, BidAnswer::Placed);  // a bid below 0 passes the turn
    EXPECT_EQ(a.turnClub, second);
    EXPECT_EQ(a.humanBid, 0);
    ASSERT_TRUE(OfferAuctionToHumanFrom(a, 0));  // the first coach again
    ASSERT_EQ(a.turnClub, human_);
    const BidResult placed = PlaceHumanBid(a, "240");
    EXPECT_EQ(placed.answer, BidAnswer::Placed);
    EXPECT_FALSE(placed.roundDue);
    EXPECT_EQ(a.humanBid, 240'000);
    EXPECT_EQ(a.turnClub, second);  // the poor club is skipped

    Clubs[second].cash = -1;
    const BidResult negative = PlaceHumanBid(a, "900");
    EXPECT_EQ(negative.answer, BidAnswer::NegativeCash);
    EXPECT_TRUE(negative.roundDue);
    EXPECT_EQ(a.humanBid, 240'000);
    EXPECT_EQ(a.humanBidder, human_);

    // The seller's own coach and a full squad get no turn.
    AuctionState own = AuctionOf(human_, 2000);
    Clubs[second].squadSize = kSquadLimit;
    EXPECT_FALSE(OfferAuctionToHumanFrom(own, 0));
}

TEST_F(AuctionTest, AHumanBidOfTheStartPriceWinsWhenNoComputerBids)
{
    OnlyTheseCanTakePart({});
    AuctionState a = AuctionOf(1, 300'000);
    ASSERT_TRUE(OfferAuctionToHumanFrom(a, 0));
    PlaceHumanBid(a, "300");
    const Currency cash = Clubs[human_].cash;
    const AuctionOutcome out = RunAuctionRound(a, 5);
    ASSERT_TRUE(out.sold);
    EXPECT_EQ(out.buyer, human_);
    EXPECT_EQ(out.price, 300'000);
    EXPECT_EQ(Players[a.player].Club, human_);
    EXPECT_EQ(Clubs[human_].cash, cash - CurrencyFromUnits(300'000));
    EXPECT_EQ(a.lastBuyer, human_);
}

TEST_F(AuctionTest, AComputerBidderNeedsRoomButMayBidIntoDebt)
{
    const int seller = 1;
    const int bidder = 4;
    OnlyTheseCanTakePart({bidder});
    Clubs[bidder].AvailablePlayers = 15;
    Clubs[bidder].Level = Clubs[seller].Level;
    Clubs[bidder].Division = 1;
    Players[FirstPlayerOf(seller)].Strength = 60;

    Clubs[bidder].cash = CurrencyFromUnits(9'000'000);
    Clubs[bidder].squadSize = kSquadLimit;
    AuctionState a = AuctionOf(seller, 400'000);
    EXPECT_FALSE(RunAuctionRound(a, 5).sold);

    // Less cash than the price: he still outbids it by a raise of the band and pays all of it.
    RecountSquad(bidder);
    Clubs[bidder].AvailablePlayers = 15;
    Clubs[bidder].cash = CurrencyFromUnits(100'000);
    a = AuctionOf(seller, 400'000);
    const int player = a.player;
    const AuctionOutcome out = RunAuctionRound(a, 5);
    ASSERT_TRUE(out.sold);
    EXPECT_EQ(out.buyer, bidder);
    EXPECT_GE(out.price, 400'000 + 10'000);
    EXPECT_LT(out.price, 400'000 + 60'000);
    EXPECT_EQ(Players[player].Club, bidder);
    EXPECT_EQ(Clubs[bidder].cash, CurrencyFromUnits(100'000 - out.price));
}

TEST_F(AuctionTest, TheLastClubOfTheTableIsNeverDrawnAsABidder)
{
    const int last = Game.LeagueClubCount + Game.ExtraClubCount - 1;
    OnlyTheseCanTakePart({last});
    Clubs[last].AvailablePlayers = 10;
    Clubs[last].Level = Clubs[0].Level;
    Clubs[last].Division = 1;
    Clubs[last].Country = Clubs[0].Country;
    for (int run = 0; run < 20; ++run) {
        AuctionState a = AuctionOf(0, 100'000);
        EXPECT_FALSE(RunAuctionRound(a, 5).sold);
    }
}

TEST_F(AuctionTest, AnOwnPlayerPricedAboveValueAndMarginFindsNoBuyer)
{
    const int player = FirstPlayerOf(human_);
    OwnPlayerAuction = 1;
    AuctionPlayer = player;
    const std::int64_t value = CurrencyUnits(Players[player].Value);
    AuctionStartPrice = static_cast<std::int32_t>(value * 91 / 100 + 1);
    AuctionState a;
    ASSERT_TRUE(StartNextAuction(a));
    EXPECT_TRUE(a.ownPlayer);
    EXPECT_EQ(a.price, AuctionStartPrice);
    EXPECT_EQ(a.seller, human_);
    EXPECT_FALSE(RunAuctionRound(a, -10).sold);  // 90 % of the value is the most
    EXPECT_EQ(Players[player].Club, human_);
    EXPECT_TRUE(AuctionSeriesEnds(a));
}

// The hub's margin is a single-precision figure: -0.1 falls a hair below a tenth, so a start price
// of exactly 90 % of the value already stands above the value less the margin (and 112 % above the
// value plus the 0.12 of a margin of 0); one unit less finds the bidder.
TEST_F(AuctionTest, AnOwnPlayerAtExactlyTheValueLessTheMarginFindsNoBuyer)
{
    const int player = FirstPlayerOf(human_);
    const int bidder = 4;
    const auto priceFinds = [&](std::int32_t price, int marginPercent) {
        TransferPlayer(player, human_, 0);
        OnlyTheseCanTakePart({bidder});
        Clubs[bidder].AvailablePlayers = 15;
        Clubs[bidder].Level = Clubs[human_].Level;
        Clubs[bidder].Division = 1;
        Players[player].Value = CurrencyFromUnits(1'000'000);
        OwnPlayerAuction = 1;
        AuctionPlayer = player;
        AuctionStartPrice = price;
        AuctionState a;
        EXPECT_TRUE(StartNextAuction(a));
        return RunAuctionRound(a, marginPercent).sold;
    };
    EXPECT_FALSE(priceFinds(900'000, -10));
    EXPECT_FALSE(priceFinds(1'120'000, 0));
    EXPECT_TRUE(priceFinds(899'999, -10));
    EXPECT_TRUE(priceFinds(1'119'999, 0));
}

TEST_F(AuctionTest, AnOwnPlayerWhoLeftDuringTheAuctionIsNotSold)
{
    const int player = FirstPlayerOf(human_);
    const int bidder = 4;
    OnlyTheseCanTakePart({bidder});
    Clubs[bidder].AvailablePlayers = 15;
    Clubs[bidder].Level = Clubs[human_].Level;
    Clubs[bidder].Division = 1;
    OwnPlayerAuction = 1;
    AuctionPlayer = player;
    AuctionStartPrice = 1000;
    AuctionState a;
    ASSERT_TRUE(StartNextAuction(a));
    TransferPlayer(player, 8, 5000);  // sold elsewhere meanwhile
    const Currency bidderCash = Clubs[bidder].cash;
    EXPECT_FALSE(RunAuctionRound(a, 5).sold);
    EXPECT_EQ(Players[player].Club, 8);
    EXPECT_EQ(Clubs[bidder].cash, bidderCash);

    TransferPlayer(player, human_, 5000);  // back with the seller: the same round sells him
    AuctionState again;
    AuctionPlayer = player;
    ASSERT_TRUE(StartNextAuction(again));
    EXPECT_TRUE(RunAuctionRound(again, 5).sold);
    EXPECT_EQ(Players[player].Club, bidder);
}

TEST_F(AuctionTest, RaiseBandsIncludeTheirUpperBounds)
{
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        const std::int32_t first = AuctionRaise(100'000);
        EXPECT_GE(first, 1000);
        EXPECT_LT(first, 11'000);
        const std::int32_t second = AuctionRaise(100'001);
        EXPECT_GE(second, 10'000);
        EXPECT_LT(second, 60'000);
        const std::int32_t top = AuctionRaise(2'000'001);
        EXPECT_GE(top, 50'000);
        EXPECT_LT(top, 350'000);
    }
}

TEST_F(AuctionTest, ManySeriesKeepSquadsWithinTheLimit)
{
    for (TClub& c : Clubs)
        c.cash = CurrencyFromUnits(Random(40'000'000));
    const std::size_t players = Players.size();
    int sold = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        for (TClub& c : Clubs)  // today's availability, as the matchdays leave it
            c.AvailablePlayers = 14 + Random(10);
        AuctionRound = 1;
        AuctionPlayer = -1;
        AuctionState a;
        if (!StartNextAuction(a))
            continue;
        const AuctionOutcome out = RunAuctionRound(a, 0);
        if (!out.sold)
            continue;
        ++sold;
        EXPECT_EQ(Players[a.player].Club, out.buyer);
        EXPECT_LE(Clubs[out.buyer].squadSize, kSquadLimit);
        EXPECT_GT(out.price, 0);
    }
    EXPECT_GT(sold, 50);
    EXPECT_EQ(Players.size(), players);
    int squads = 0;
    for (const TClub& c : Clubs)
        squads += c.squadSize;
    EXPECT_EQ(squads, static_cast<int>(players) - 1);
}

}  // namespace
}  // namespace tarvelon
