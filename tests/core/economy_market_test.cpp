#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "core/economy/ai_market.h"
#include "core/economy/loans.h"
#include "core/economy/transfers.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;

// Two leagues of two divisions of 10: "Itália" clubs 0..21, "Brasil" clubs 22..43.
class EconomyMarketTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build({{104, 2}, {29, 2}}, 4, 12345, true);
        Game.DayIndex = 40;
    }
};

TEST_F(EconomyMarketTest, ComputerTransferFollowsTheRules)
{
    int made = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        const std::size_t before = Transfers.size();
        const std::int64_t cash = testworld::TotalCash();
        MakeAiTransfer(seed % 2 ? -1 : 29);
        if (Transfers.size() == before)
            continue;
        ++made;
        const TTransfer& t = Transfers.back();
        const TClub& seller = Clubs[t.clubLeft];
        const TClub& buyer = Clubs[t.clubJoined];
        const TPlayer& p = Players[t.player];
        EXPECT_NE(t.clubLeft, t.clubJoined);
        EXPECT_FALSE(seller.IsHuman || buyer.IsHuman);
        EXPECT_GE(seller.Division, 1);
        EXPECT_GE(buyer.Division, 1);
        EXPECT_GE(buyer.Level, seller.Level - 1);
        EXPECT_LE(buyer.Level, seller.Level + 3);
        EXPECT_GE(seller.playersPerPosition[p.Position], 3);  // had 4 or more before the sale
        EXPECT_LE(buyer.playersPerPosition[p.Position], MaxPlayersPerPosition[p.Position]);
        EXPECT_EQ(t.fee, (p.Value + 5000) / 10000);
        EXPECT_EQ(testworld::TotalCash(), cash);  // computer sellers keep the whole fee
        if (ConfederationOfCountry(seller.Country) == kConfEurope) {
            EXPECT_TRUE(ConfederationOfCountry(buyer.Country) == kConfEurope || buyer.Country == p.nationality);
        }
        if (seed % 2 == 0) {
            EXPECT_EQ(seller.Country, 29);
        }
    }
    EXPECT_GT(made, 10);
}

TEST_F(EconomyMarketTest, CountrySellerComesFromThatLeagueOnly)
{
    // No club of the Italian league may sell; the Brazilian league's first club could. Drawing
    // sellers one past the league's last club would reach it.
    for (int c = 0; c < 22; ++c)
        Clubs[c].Level = 5;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        MakeAiTransfer(104);
    }
    EXPECT_TRUE(Transfers.empty());
}

TEST_F(EconomyMarketTest, PositionsOfThreeCannotBeSold)
{
    for (TClub& club : Clubs) {
        for (int& count : club.playersPerPosition)
            count = 3;
    }
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        MakeAiTransfer(-1);
        MakeAiTransfer(29);
    }
    EXPECT_TRUE(Transfers.empty());
}

TEST_F(EconomyMarketTest, PlayersOutOnLoanAreNotSold)
{
    // Every player of the Brazilian league is on loan: nothing to sell there.
    for (TPlayer& p : Players) {
        if (p.Club >= 22)
            p.loanStatus = 2;
    }
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        MakeAiTransfer(29);
    }
    EXPECT_TRUE(Transfers.empty());
}

TEST_F(EconomyMarketTest, SimilarPlayerWithinStrengthAndBudget)
{
    const int buyer = 5;
    RandSeed = 3;
    BuySimilarPlayer(buyer, 2, 50, 100'000'000);
    ASSERT_EQ(Transfers.size(), 1u);
    const TTransfer& t = Transfers.back();
    const TPlayer& p = Players[t.player];
    EXPECT_EQ(t.clubJoined, buyer);
    EXPECT_NE(t.clubLeft, buyer);
    EXPECT_EQ(p.Position, 2);
    EXPECT_GE(p.Strength, 40);
    EXPECT_LE(p.Strength, 60);
    EXPECT_LE(p.Value, CurrencyFromUnits(100'000'000));
    EXPECT_EQ(t.fee, (p.Value + 5000) / 10000);
}

TEST_F(EconomyMarketTest, SimilarPlayerFallsBackToThreeTimesTheBudget)
{
    // Nobody near strength 99: the second pass takes anyone of the position worth up to 3 x budget.
    std::int64_t cheapest = INT64_MAX;
    for (const TPlayer& p : Players) {
        if (p.Club >= 0 && p.Position == 4 && p.Value < cheapest)
            cheapest = p.Value;
    }
    const int budget = static_cast<int>(cheapest / 10000 / 3) + 1;
    RandSeed = 11;
    BuySimilarPlayer(7, 4, 99, budget);
    ASSERT_EQ(Transfers.size(), 1u);
    EXPECT_LE(Players[Transfers[0].player].Value, 3 * CurrencyFromUnits(budget));
    BuySimilarPlayer(7, 4, 99, 0);  // nobody is free
    EXPECT_EQ(Transfers.size(), 1u);
}

TEST_F(EconomyMarketTest, SimilarPlayerIsNeverTheBuyersOwnNorOnLoan)
{
    const int buyer = 0;
    // Only the buyer's own forwards and a forward on loan elsewhere are in the window.
    for (TPlayer& p : Players) {
        if (p.Position == 4)
            p.Strength = p.Club == buyer ? 50 : 90;
    }
    int loaned = 0;
    for (int i = 1; i < static_cast<int>(Players.size()); ++i) {
        if (Players[i].Club == 9 && Players[i].Position == 4) {
            loaned = i;
            break;
        }
    }
    Players[loaned].Strength = 50;
    Players[loaned].loanStatus = 2;
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        RandSeed = testworld::MixedSeed(seed);
        BuySimilarPlayer(buyer, 4, 50, 1);  // the budget is too small for the second pass too
    }
    BuySimilarPlayer(buyer, 4, 50, 2'000'000'000);
    for (const TTransfer& t : Transfers) {
        EXPECT_NE(t.clubLeft, buyer);
        EXPECT_NE(t.player, loaned);
    }
}

TEST_F(EconomyMarketTest, SellersMustSpareThePosition)
{
    // Only two goalkeepers anywhere but at the buyer: none can be sold.
    for (TClub& club : Clubs)
        club.playersPerPosition[0] = 2;
    BuySimilarPlayer(3, 0, 50, 2'000'000'000);
    EXPECT_TRUE(Transfers.empty());
    BuySimilarPlayer(-1, 0, 50, 1);
    BuySimilarPlayer(3, 7, 50, 1);
    EXPECT_TRUE(Transfers.empty());
}

}  // namespace
}  // namespace tarvelon
