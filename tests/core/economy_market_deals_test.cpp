// The human coach's market deals: the buy button's checks on the price paid, the purchase with the
// player's wage demand, the computer seller's answer to a bid by position, the player's will, the
// loan limit, the sale listing and its fine band; and the money, squads, wage bills and loans after
// a seeded run of market moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/loans.h"
#include "core/economy/market_deals.h"
#include "core/economy/player_sale.h"
#include "core/economy/table_access.h"
#include "core/economy/squad_rules.h"
#include "core/match/match_day.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/views/market_views.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;
using testworld::TotalCash;

// Italy (a top European country) then Brazil, two divisions of 10 each plus two regional clubs:
// Italy 0-9 first division, 10-19 second, 20-21 regional; Brazil 22-31, 32-41, 42-43.
constexpr int kItalyFirst = 1, kItalySecond = 12, kBrazilFirst = 23, kBrazilSecond = 34, kBrazilRegional = 42;

int PlayerOf(int club, int position, int nth = 0)
{
    for (int p : PlayersOfClub(club))
        if (Players[p].Position == position && nth-- == 0)
            return p;
    return 0;
}

std::int64_t WageUnits(int player) { return (Players[player].wage + 5000) / 10000; }

std::int64_t SumOfWages(int club)
{
    std::int64_t sum = 0;
    for (int p : PlayersOfClub(club))
        sum += WageUnits(p);
    return sum;
}

void SetCash(int club, std::int64_t units) { Clubs[club].cash = CurrencyFromUnits(units); }

void List(int player, std::int64_t price) { ListPlayerForSale(player, price); }

// Leaves the club with one player of the position (the others go to the free players).
void KeepOnlyOne(int club, int position)
{
    for (int p = PlayerOf(club, position, 1); p != 0; p = PlayerOf(club, position, 1)) {
        Players[p].Club = -1;
        PlayerClubsChanged();
    }
    RecountSquad(club);
}

class MarketDealsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build({{104, 2}, {29, 2}}, 4);
        Game.DayIndex = 20;
        Deal = {};
    }
};

TEST_F(MarketDealsTest, BuyButtonChecksTheAskingPriceAgainstCashAndTheSquadLimit)
{
    const int buyer = kBrazilFirst;
    MakeHuman(buyer);
    const int p = PlayerOf(kBrazilSecond, 3);
    Players[p].Value = CurrencyFromUnits(100'000);  // cheap by value, dear by asking price
    List(p, 900'000);
    SetCash(buyer, 900'000);
    EXPECT_TRUE(CanBuyListedPlayer(p, buyer));
    SetCash(buyer, 899'999);
    EXPECT_FALSE(CanBuyListedPlayer(p, buyer));
    EXPECT_EQ(BuyListedPlayer(p, buyer), PurchaseOutcome::NotAllowed);
    EXPECT_EQ(Players[p].Club, kBrazilSecond);

    SetCash(buyer, 5'000'000);
    Clubs[buyer].squadSize = kSquadLimit;
    EXPECT_FALSE(CanBuyListedPlayer(p, buyer));
    EXPECT_FALSE(CanBidFor(p, buyer));
    RecountSquad(buyer);
    Players[p].loanStatus = 2;  // on loan at the seller: not his to sell
    EXPECT_FALSE(CanBuyListedPlayer(p, buyer));
    EXPECT_FALSE(CanBidFor(p, buyer));
    Players[p].loanStatus = 0;
    Players[p].ListedForSale = 0;
    EXPECT_FALSE(CanBuyListedPlayer(p, buyer));
    EXPECT_TRUE(CanBidFor(p, buyer));
    EXPECT_FALSE(CanBidFor(PlayerOf(buyer, 3), buyer));
}

TEST_F(MarketDealsTest, PurchasePaysTheAskingPriceOrMeetsAWageDemandFromATopEuropeanClub)
{
    const int buyer = kBrazilSecond;
    MakeHuman(buyer);
    SetCash(buyer, 3'000'000);
    const int p = PlayerOf(kBrazilFirst, 4);
    List(p, 1'250'000);
    const Currency sellerCash = Clubs[kBrazilFirst].cash;
    EXPECT_EQ(BuyListedPlayer(p, buyer), PurchaseOutcome::Bought);  // Brazil: no demand
    EXPECT_EQ(Players[p].Club, buyer);
    EXPECT_EQ(CurrencyUnits(Clubs[buyer].cash), 1'750'000);
    EXPECT_EQ(Clubs[kBrazilFirst].cash - sellerCash, CurrencyFromUnits(1'250'000));

    // Italy's first division to a second-division club: four or five times his wage.
    const int buyer2 = kItalySecond;
    MakeHuman(buyer2);
    SetCash(buyer2, 3'000'000);
    const int q = PlayerOf(kItalyFirst, 3);
    Players[q].Strength = 50;
    List(q, 800'000);
    const std::int64_t oldWage = WageUnits(q);
    ASSERT_EQ(BuyListedPlayer(q, buyer2), PurchaseOutcome::WageDemand);
    EXPECT_TRUE(Deal.WageDemandPending && Deal.DirectPurchase);
    EXPECT_EQ(Deal.WageDemandFactor, 4);
    EXPECT_EQ(Deal.BidPrice, 800'000);
    EXPECT_EQ(Players[q].Club, kItalyFirst);

    ASSERT_TRUE(CompleteDeal(Deal, buyer2));
    EXPECT_EQ(Players[q].Club, buyer2);
    EXPECT_EQ(WageUnits(q), 4 * oldWage);
    EXPECT_EQ(CurrencyUnits(Clubs[buyer2].cash), 2'200'000);
    // Both wage bills follow the players they pay: the seller's lost the old wage, not the new one.
    EXPECT_EQ(ClubFinances[buyer2].weeklyWageBill, SumOfWages(buyer2));
    EXPECT_EQ(ClubFinances[kItalyFirst].weeklyWageBill, SumOfWages(kItalyFirst));

    Players[PlayerOf(kItalyFirst, 4)].Strength = 41;
    Clubs[buyer2].Division = 3;
    Deal.DealPlayer = PlayerOf(kItalyFirst, 4);
    EXPECT_FALSE(CheckPurchaseDemand(Deal, buyer2));
    EXPECT_EQ(Deal.WageDemandFactor, 8);
    Game.LeagueFormat = 2;
    EXPECT_FALSE(CheckPurchaseDemand(Deal, buyer2));
    EXPECT_EQ(Deal.WageDemandFactor, 3);
}

TEST_F(MarketDealsTest, AcceptedDemandIsRefusedWhenTheBuyerCanNoLongerPay)
{
    const int buyer = kItalySecond;
    MakeHuman(buyer);
    SetCash(buyer, 1'000'000);
    const int q = PlayerOf(kItalyFirst, 3);
    List(q, 1'000'000);
    ASSERT_EQ(BuyListedPlayer(q, buyer), PurchaseOutcome::WageDemand);
    SetCash(buyer, 999'999);
    EXPECT_FALSE(CompleteDeal(Deal, buyer));
    EXPECT_EQ(Players[q].Club, kItalyFirst);
    EXPECT_EQ(CurrencyUnits(Clubs[buyer].cash), 999'999);
}

TEST_F(MarketDealsTest, SellerAsksAMultipleOfTheValueByPositionAndReplacesHisOnlyGoalkeeper)
{
    const int buyer = kBrazilFirst + 1;
    MakeHuman(buyer);
    SetCash(buyer, 50'000'000);
    const int seller = kBrazilFirst;
    KeepOnlyOne(seller, 0);
    const int keeper = PlayerOf(seller, 0);
    Players[keeper].Value = CurrencyFromUnits(1'000'000);
    const int keepersBefore = static_cast<int>(std::count_if(Players.begin(), Players.end(), [&](const TPlayer& p) {
        return p.Club == seller && p.Position == 0;
    }));
    ASSERT_EQ(keepersBefore, 1);

    StartBid(Deal, keeper, seller);
    Deal.BidPrice = 2'499'999;
    EvaluateBid(Deal, buyer);
    EXPECT_FALSE(Deal.BidAccepted);
    Deal.BidPrice = 2'500'000;
    EvaluateBid(Deal, buyer);
    ASSERT_TRUE(Deal.BidAccepted);
    EXPECT_TRUE(Deal.ReplacementPending);
    EXPECT_EQ(Deal.ReplacementPosition, 0);
    ASSERT_TRUE(CompleteDeal(Deal, buyer));
    EXPECT_EQ(Players[keeper].Club, buyer);
    EXPECT_EQ(Clubs[seller].playersPerPosition[0], 1) << "the seller bought a goalkeeper";

    // A listed player goes for exactly his value; below it the position table asks 1.2 at least.
    const int mid = PlayerOf(kBrazilFirst + 2, 3);
    Players[mid].Value = CurrencyFromUnits(500'000);
    List(mid, 500'000);
    StartBid(Deal, mid, kBrazilFirst + 2);
    EXPECT_EQ(Deal.BidPrice, 500'000);
    EvaluateBid(Deal, buyer);
    EXPECT_TRUE(Deal.BidAccepted);
    EXPECT_FALSE(Deal.ReplacementPending);
    Deal.BidPrice = 499'999;
    EvaluateBid(Deal, buyer);
    EXPECT_FALSE(Deal.BidAccepted);
    // Seven midfielders: "other n", 1.2 times.
    Players[mid].ListedForSale = 0;
    Deal.BidPrice = 600'000;
    EvaluateBid(Deal, buyer);
    EXPECT_TRUE(Deal.BidAccepted);
}

TEST_F(MarketDealsTest, PlayerRefusesOrAsksMoreToDropDivisions)
{
    const int p = PlayerOf(kBrazilFirst, 4);
    Players[p].Value = CurrencyFromUnits(100'000);
    const auto bidFrom = [&](int buyer, int level) {
        Clubs[kBrazilFirst].Level = level;
        StartBid(Deal, p, kBrazilFirst);
        Deal.BidPrice = 1'000'000;
        EvaluateBid(Deal, buyer);
    };
    Players[p].Strength = 60;
    bidFrom(kBrazilSecond, 19);
    EXPECT_TRUE(Deal.WageDemandPending);
    EXPECT_EQ(Deal.WageDemandFactor, 4);
    bidFrom(kBrazilSecond, 20);
    EXPECT_FALSE(Deal.BidAccepted);
    EXPECT_FALSE(Deal.WageDemandPending);
    EXPECT_EQ(Deal.DealMessage, Players[p].Name.str() + " não demonstrou interesse em jogar no seu modesto time.");

    // A regional club is never in a higher division than the seller: no demand, no refusal.
    bidFrom(kBrazilRegional, 25);
    EXPECT_TRUE(Deal.BidAccepted);
    EXPECT_FALSE(Deal.WageDemandPending);

    // A third-division seller never refuses a fourth-division buyer.
    Clubs[kBrazilFirst].Division = 3;
    Clubs[kBrazilSecond].Division = 4;
    bidFrom(kBrazilSecond, 25);
    EXPECT_TRUE(Deal.BidAccepted);
    Clubs[kBrazilFirst].Division = 1;
    bidFrom(kBrazilSecond, 1);
    EXPECT_FALSE(Deal.BidAccepted);
    EXPECT_FALSE(Deal.WageDemandPending) << "a first-division player never joins a fourth-division club";
}

TEST_F(MarketDealsTest, LoanWithinItsLimitAndThePlayersWill)
{
    const int buyer = kBrazilSecond;
    MakeHuman(buyer);
    std::vector<int> offered;
    for (int club = kBrazilFirst; club < kBrazilFirst + 4; ++club) {
        const int p = PlayerOf(club, 3);
        Players[p].loanStatus = 1;
        offered.push_back(p);
    }
    Clubs[kBrazilFirst].Level = 20;  // too proud for a second-division club
    EXPECT_EQ(BorrowPlayer(offered[0], buyer), LoanOutcome::Refused);
    EXPECT_EQ(Players[offered[0]].Club, kBrazilFirst);
    Clubs[kBrazilFirst + 1].Level = 19;
    Clubs[kBrazilFirst + 2].Level = 19;
    Clubs[kBrazilFirst + 3].Level = 19;
    EXPECT_EQ(BorrowPlayer(offered[1], buyer), LoanOutcome::Borrowed);
    EXPECT_EQ(Players[offered[1]].Club, buyer);
    EXPECT_EQ(Players[offered[1]].loanStatus, 2);
    EXPECT_DOUBLE_EQ(Players[offered[1]].ContractEnd, TodayDate() + 180);
    const int loan = FindOpenLoan(offered[1]);
    ASSERT_GE(loan, 0);
    EXPECT_EQ(Loans[loan].ownerClub, kBrazilFirst + 1);
    EXPECT_EQ(BorrowPlayer(offered[2], buyer), LoanOutcome::Borrowed);
    EXPECT_EQ(BorrowPlayer(offered[3], buyer), LoanOutcome::LimitReached);
    EXPECT_EQ(Players[offered[3]].Club, kBrazilFirst + 3);
    EXPECT_EQ(BorrowPlayer(offered[1], buyer), LoanOutcome::NotAllowed);

    Game.LeagueFormat = 2;
    Clubs[kBrazilFirst].Level = 21;
    EXPECT_FALSE(CheckLoanWillingness(offered[0], buyer));
    Clubs[kBrazilFirst].Level = 20;
    EXPECT_TRUE(CheckLoanWillingness(offered[0], buyer));
}

TEST_F(MarketDealsTest, SaleListingAndItsFineBand)
{
    const int p = PlayerOf(kBrazilFirst, 2);
    const TDateTime today = TodayDate();
    const auto bandAt = [&](int days) {
        Players[p].ContractEnd = today + days;
        return RescissionFineBand(p);
    };
    EXPECT_EQ(bandAt(-1), "");
    EXPECT_EQ(bandAt(0), "");
    EXPECT_EQ(bandAt(1), "12% do valor total");
    EXPECT_EQ(bandAt(30), "12% do valor total");
    EXPECT_EQ(bandAt(31), "15% do valor total");
    EXPECT_EQ(bandAt(180), "22% do valor total");
    EXPECT_EQ(bandAt(361), "30% do valor total");
    EXPECT_EQ(ThousandsOf(CurrencyFromUnits(1'234'567)), 1234);
    ListPlayerForSale(p, 250'000);
    EXPECT_EQ(Players[p].ListedForSale, 1);
    EXPECT_EQ(Players[p].AskingPrice, CurrencyFromUnits(250'000));
    ListPlayerForSale(p, 0);
    EXPECT_EQ(Players[p].AskingPrice, CurrencyFromUnits(250'000));
}

TEST_F(MarketDealsTest, StatusIconsDivisionLineAndTree)
{
    const int p = PlayerOf(kBrazilFirst, 1);
    const int kind = TodayKind();
    Players[p].Star = 0;
    EXPECT_EQ(MarketStatusIcon(p), 0);
    Players[p].YellowCards[kind] = 3;
    EXPECT_EQ(MarketStatusIcon(p), 2);
    Players[p].Bans[kind] = 1;
    EXPECT_EQ(MarketStatusIcon(p), 1);
    Players[p].InjuredUntil = TodayDate() + 3;
    EXPECT_EQ(MarketStatusIcon(p), 3);
    Players[p].Star = 1;
    EXPECT_EQ(MarketStatusIcon(p), 7);
    Players[p].InjuredUntil = 0;
    Players[p].Bans[kind] = 0;
    Players[p].YellowCards[kind] = 0;
    EXPECT_EQ(MarketStatusIcon(p), 12);

    Clubs[kBrazilFirst].Place[1] = 0;
    EXPECT_EQ(MarketDivisionText(kBrazilFirst), "1ª divisão");
    Clubs[kBrazilFirst].Place[1] = 5;
    EXPECT_EQ(MarketDivisionText(kBrazilFirst), "1ª divisão - 5º colocado");
    EXPECT_EQ(MarketDivisionText(kBrazilRegional), "Divisão regional");

    const auto rows = MarketTreeRows();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].text, "Itália");
    EXPECT_EQ(rows[1].text, "1ª divisão");
    EXPECT_EQ(rows[1].club, -1);
    for (int i = 2; i < 11; ++i) {
        ASSERT_EQ(rows[i].level, 2);
        EXPECT_LE(Clubs[rows[i].club].name.str(), Clubs[rows[i + 1].club].name.str());
    }
    const auto regional = std::find_if(rows.begin(), rows.end(), [](const MarketTreeRow& r) { return r.text == "Regional"; });
    ASSERT_NE(regional, rows.end());
    EXPECT_EQ(Clubs[(regional + 1)->club].Division, 0);
    const auto others = std::find_if(rows.begin(), rows.end(), [](const MarketTreeRow& r) { return r.text == "Outros"; });
    ASSERT_NE(others, rows.end());
    EXPECT_EQ(others->level, 0);
    Game.playedCountry = 202;
    const auto custom = MarketTreeRows();
    EXPECT_EQ(custom[0].text, "Personalizado");
    EXPECT_EQ(std::count_if(custom.begin(), custom.end(), [](const MarketTreeRow& r) { return r.level == 0; }), 2);
}

// A season's worth of market moves by the human coach, chosen at random with a fixed seed: every
// buy, bid, wage demand and loan keeps the money, the squads, the wage bills and the loan limits.
TEST_F(MarketDealsTest, MarketMovesKeepMoneySquadsWageBillsAndLimits)
{
    const int human = kBrazilSecond + 3;
    MakeHuman(human);
    SetCash(human, 40'000'000);
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c)
        ListSurplusPlayers(c);
    const std::int64_t money = TotalCash();
    RandSeed = 4242;
    int moves = 0;
    int demands = 0;
    for (int step = 0; step < 400; ++step) {
        const int p = 1 + Random(static_cast<int>(Players.size()) - 1);
        if (!IsClubIndex(Players[p].Club) || Players[p].Club == human)
            continue;
        switch (Random(3)) {
        case 0:
            if (BuyListedPlayer(p, human) == PurchaseOutcome::WageDemand)
                demands += CompleteDeal(Deal, human);
            break;
        case 1:
            if (CanBidFor(p, human)) {
                StartBid(Deal, p, Players[p].Club);
                Deal.BidPrice = static_cast<std::int32_t>(CurrencyUnits(Players[p].Value) * (10 + Random(20)) / 10);
                if (!CanOfferBid(human, Deal.BidPrice))
                    break;
                EvaluateBid(Deal, human);
                demands += Deal.WageDemandPending;
                if (Deal.BidAccepted || Deal.WageDemandPending)
                    CompleteDeal(Deal, human);
            }
            break;
        default:
            Players[p].loanStatus = Players[p].loanStatus == 0 ? 1 : Players[p].loanStatus;
            BorrowPlayer(p, human);
            break;
        }
        ++moves;
        ASSERT_LE(Clubs[human].squadSize, kSquadLimit);
        ASSERT_LE(CountLoanedInPlayers(human), kLoanedInLimit);
        ASSERT_GE(Clubs[human].cash, 0);
    }
    EXPECT_GT(moves, 100);
    EXPECT_EQ(Clubs[human].squadSize, kSquadLimit) << "deals went through up to the limit";
    EXPECT_EQ(CountLoanedInPlayers(human), kLoanedInLimit);
    EXPECT_GT(demands, 0);
    EXPECT_EQ(TotalCash(), money) << "money only changes hands";
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        const auto& squad = PlayersOfClub(c);
        EXPECT_EQ(Clubs[c].squadSize, static_cast<int>(squad.size())) << "club " << c;
        EXPECT_EQ(ClubFinances[c].weeklyWageBill, SumOfWages(c)) << "club " << c;
        for (int p : squad)
            EXPECT_EQ(Players[p].Club, c);
    }
}

}  // namespace
}  // namespace tarvelon
