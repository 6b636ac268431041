// Offers that reach a human club after a round, a player's death, contract renewal and the squad
// list's player actions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/between_rounds.h"
#include "core/economy/contract_renewal.h"
#include "core/economy/incoming_offers.h"
#include "core/economy/loans.h"
#include "core/economy/player_actions.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/economy/transfers.h"
#include "core/season/calendar.h"
#include "core/squad/death_draw.h"
#include "core/squad/player_death.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;
using testworld::MixedSeed;

int HumanWorld(std::uint32_t seed = 4242)
{
    Build({{29, 3}}, 4, seed, true);
    const int club = Leagues[0].divisions[1][0];
    MakeHuman(club);
    return club;
}

int First(int club) { return PlayersOfClub(club).front(); }

TEST(IncomingOffers, PurchaseOffersComeOnlyToSquadsOfFifteenAndFromQualifyingBuyers)
{
    int offers = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        const int club = HumanWorld(17);
        RandSeed = MixedSeed(seed);
        const ClubPlayerDeal deal = DrawPurchaseOffer(club);
        if (!deal.Found())
            continue;
        ++offers;
        const TClub& b = Clubs[deal.club];
        EXPECT_FALSE(b.IsHuman);
        EXPECT_GE(b.Division, Clubs[club].Division);
        EXPECT_GT(b.Level, 8);
        EXPECT_EQ(Players[deal.player].Club, club);
        EXPECT_LT(Players[deal.player].Value, CurrencyFromUnits(MaxOfferValueByDivision[b.Division]));
    }
    EXPECT_GT(offers, 0);
    const int club = HumanWorld(17);
    Clubs[club].squadSize = 14;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        RandSeed = MixedSeed(seed);
        EXPECT_FALSE(DrawPurchaseOffer(club).Found());
    }
}

TEST(IncomingOffers, APlayerWorthTheTableLimitIsRefused)
{
    const int club = HumanWorld();
    for (int p : PlayersOfClub(club))
        Players[p].Value = CurrencyFromUnits(MaxOfferValueByDivision[1]);  // the most any buyer pays
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        RandSeed = MixedSeed(seed);
        EXPECT_FALSE(DrawPurchaseOffer(club).Found());
    }
}

TEST(IncomingOffers, OfferAmountOfAListedPlayer)
{
    const int club = HumanWorld();
    const int p = First(club);
    Players[p].Value = CurrencyFromUnits(100000);
    Players[p].ListedForSale = 1;
    Players[p].AskingPrice = CurrencyFromUnits(100000);  // below every offer: 80 per cent of it
    EXPECT_EQ(PurchaseOfferAmount(p), 80000);
    Players[p].AskingPrice = CurrencyFromUnits(1000000);  // above: the drawn offer stays
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        RandSeed = MixedSeed(seed);
        const std::int64_t offer = PurchaseOfferAmount(p);
        EXPECT_GE(offer, 125000);
        EXPECT_LE(offer, 160000);
    }
}

TEST(IncomingOffers, AcceptedOfferPaysTheWholeAmount)
{
    const int club = HumanWorld();
    const int p = First(club);
    const int buyer = Leagues[0].divisions[2][3];
    Players[p].ContractEnd = TodayDate() + 300;  // a share would be withheld from an ordinary sale
    const Currency cash = Clubs[club].cash;
    const Currency buyerCash = Clubs[buyer].cash;
    const std::int32_t booked = ClubFinances[static_cast<std::size_t>(buyer)].playerPurchases;
    AcceptPurchaseOffer(p, buyer, 150000);
    EXPECT_EQ(Players[p].Club, buyer);
    EXPECT_EQ(Clubs[club].cash - cash, CurrencyFromUnits(150000));
    // The buyer pays what it books as a purchase.
    EXPECT_EQ(Clubs[buyer].cash - buyerCash, -CurrencyFromUnits(150000));
    EXPECT_EQ(ClubFinances[static_cast<std::size_t>(buyer)].playerPurchases - booked, 150000);
    EXPECT_EQ(CurrencyUnits(Players[p].Value), 150000);
}

TEST(IncomingOffers, LoanRequestOnlyInAPlayedLeagueFromAFilledPlace)
{
    const int club = HumanWorld();
    const int p = First(club);
    Players[p].loanStatus = 1;
    // Division 2 of 3: the request comes from division 1 or 2; one computer club's place of each
    // is filled.
    const int keep[2] = {0, 1};
    for (int d = 0; d < 2; ++d)
        for (int s = 0; s < kClubsPerDivision; ++s)
            if (s != keep[d] && !(d == 1 && s == 0))
                Leagues[0].divisions[d][s] = -1;
    for (int d = 0; d < 2; ++d)
        Clubs[Leagues[0].divisions[d][keep[d]]].squadSize = 20;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        RandSeed = MixedSeed(seed);
        const ClubPlayerDeal deal = DrawLoanRequest(club);
        ASSERT_TRUE(deal.Found());
        EXPECT_EQ(deal.player, p);
        EXPECT_TRUE(deal.club == Leagues[0].divisions[0][0] || deal.club == Leagues[0].divisions[1][1]) << deal.club;
    }
    Leagues[0].country = 1;  // the club's country has no played league any more
    EXPECT_FALSE(DrawLoanRequest(club).Found());
}

TEST(IncomingOffers, AcceptedLoanEndsAfterOneHundredAndEightyDays)
{
    const int club = HumanWorld();
    const int p = First(club);
    Players[p].loanStatus = 1;
    const int to = Leagues[0].divisions[0][4];
    AcceptLoanRequest(p, to);
    EXPECT_EQ(Players[p].Club, to);
    EXPECT_EQ(Players[p].loanStatus, 2);
    const int loan = FindOpenLoan(p);
    ASSERT_GE(loan, 0);
    EXPECT_EQ(Loans[loan].ownerClub, club);
    EXPECT_DOUBLE_EQ(Loans[loan].endDate, TodayDate() + 180);
    EXPECT_EQ(CountLoanedOutPlayers(club), 1);
}

TEST(PlayerDeath, TheOldestDiesAndLeavesTheClubThroughCore)
{
    const int club = HumanWorld();
    const auto& squad = PlayersOfClub(club);
    const int p = squad[3];
    Players[p].Age = 61;
    Players[p].ShirtNumber = 9;
    Players[p].ListedForSale = 1;
    Clubs[club].Captain = p;
    Clubs[club].SetPieceTaker = p;
    const int size = Clubs[club].squadSize;
    const int points = Clubs[club].Points[1];
    EXPECT_EQ(CheckPlayerDeath(club), p);
    EXPECT_EQ(Players[p].Club, -1);
    EXPECT_EQ(Players[p].ShirtNumber, 0);
    EXPECT_EQ(Players[p].ListedForSale, 0);
    EXPECT_EQ(Clubs[club].squadSize, size - 1);
    EXPECT_EQ(Clubs[club].Points[1], points - 5);
    EXPECT_NE(Clubs[club].Captain, p);
    EXPECT_NE(Clubs[club].SetPieceTaker, p);
    EXPECT_GT(Clubs[club].Captain, 0);
    for (int q : PlayersOfClub(club))
        EXPECT_NE(q, p);
    EXPECT_EQ(CheckPlayerDeath(club), 0);  // nobody else is that old
}

TEST(PlayerDeath, ALoanedPlayerWhoDiesEndsHisLoan)
{
    const int club = HumanWorld();
    const int p = First(club);
    Players[p].loanStatus = 1;
    const int holder = Leagues[0].divisions[0][2];
    AcceptLoanRequest(p, holder);
    PlayerDies(p);
    EXPECT_EQ(FindOpenLoan(p), -1);
    EXPECT_EQ(Players[p].loanStatus, 0);
    EXPECT_EQ(CountLoanedOutPlayers(club), 0);
}

TEST(ContractRenewal, LengthsDemandLimitAndRaise)
{
    EXPECT_EQ(ContractWeeksOfLength(0), 24);
    EXPECT_EQ(ContractWeeksOfLength(1), 48);
    EXPECT_EQ(ContractWeeksOfLength(2), 96);
    const int club = HumanWorld();
    const int p = First(club);
    Clubs[club].Place[1] = 3;
    Players[p].wage = CurrencyFromUnits(500);
    Players[p].ContractEnd = TodayDate() - 1;  // expired: no step for a contract still running
    const std::int64_t base = ComputePlayerWage(p);
    EXPECT_EQ(RenewalDemand(p, 2), base + static_cast<std::int64_t>(std::nearbyint(0.3 * base)));
    Clubs[club].Place[1] = 9;
    EXPECT_EQ(RenewalDemand(p, 0), base - static_cast<std::int64_t>(std::nearbyint(0.1 * base)));
    EXPECT_FALSE(OfferAboveLimit(100000, 1));
    EXPECT_TRUE(OfferAboveLimit(100001, 20000));
    EXPECT_FALSE(OfferAboveLimit(100001, 20001));

    Players[p].wage = CurrencyFromUnits(1000);
    Players[p].Morale = 1;
    const std::size_t mails = MailMessages.size();
    ApplyContractRenewal(p, 1300, 1);  // exactly 30 per cent more: no morale point
    EXPECT_EQ(Players[p].Morale, 1);
    EXPECT_EQ(MailMessages.size(), mails);
    EXPECT_DOUBLE_EQ(Players[p].ContractEnd, TodayDate() + 48 * 7);
    ApplyContractRenewal(p, 1691, 2);  // one unit more than 30 per cent
    EXPECT_EQ(Players[p].Morale, 2);
    ASSERT_EQ(MailMessages.size(), mails + 1);
    EXPECT_EQ(MailMessages.back().player, p);
    EXPECT_EQ(CurrencyUnits(Players[p].wage), 1691);
}

TEST(PlayerActions, LoanListLimitAndBuyingALoanedPlayerByHisValue)
{
    const int club = HumanWorld();
    const auto squad = PlayersOfClub(club);
    EXPECT_TRUE(OfferPlayerForLoan(squad[0]));
    EXPECT_TRUE(OfferPlayerForLoan(squad[1]));
    EXPECT_FALSE(PlayerMenuOf(squad[2], club).offerLoanEnabled);
    EXPECT_FALSE(OfferPlayerForLoan(squad[2]));
    EXPECT_EQ(Players[squad[2]].loanStatus, 0);
    EXPECT_TRUE(PlayerMenuOf(squad[0], club).withdrawLoanShown);
    WithdrawLoanOffer(squad[0]);
    EXPECT_TRUE(PlayerMenuOf(squad[2], club).offerLoanEnabled);

    // A player held on loan, once listed dear by his owner: the cash is set against his value.
    const int owner = Leagues[0].divisions[0][1];
    const int q = PlayersOfClub(owner).front();
    AddLoan(q, owner, TodayDate() + 100);
    LoanPlayer(q, club, TodayDate() + 100);
    Players[q].Value = CurrencyFromUnits(200000);
    Players[q].AskingPrice = CurrencyFromUnits(900000);
    Clubs[club].cash = CurrencyFromUnits(300000);
    const PlayerMenuState s = PlayerMenuOf(q, club);
    EXPECT_TRUE(s.onLoanHere);
    EXPECT_TRUE(s.buy);
    EXPECT_FALSE(s.sell);
    EXPECT_FALSE(s.contract);
    Clubs[club].cash = CurrencyFromUnits(199999);
    EXPECT_FALSE(PlayerMenuOf(q, club).buy);
}

TEST(IncomingOffers, ManyRoundsOfAutomaticAnswersKeepSquadsAndMoneyRight)
{
    const int club = HumanWorld(99);
    ForgetRoundUpdates();
    std::vector<Currency> cashBefore;
    for (const TClub& c : Clubs)
        cashBefore.push_back(c.cash);
    const std::vector<TClubFinance> accountsBefore = ClubFinances;
    int sales = 0;
    for (int round = 0; round < 150; ++round) {
        Game.DayIndex = 1 + round % 140;
        Game.Season = 1 + round / 140;
        // The coach keeps one player listed at his value and one offered for loan.
        for (int p : PlayersOfClub(club))
            if (!Players[p].ListedForSale && Players[p].loanStatus == 0) {
                Players[p].ListedForSale = 1;
                Players[p].AskingPrice = Players[p].Value;
                break;
            }
        if (CountPlayersOfferedForLoan(club) == 0 && CanOfferForLoan(club))
            OfferPlayerForLoan(PlayersOfClub(club).back());
        const int squadBefore = static_cast<int>(PlayersOfClub(club).size());
        RunRoundUpdates(club);
        sales += squadBefore - static_cast<int>(PlayersOfClub(club).size());
        if (const ClubPlayerDeal offer = DrawPurchaseOffer(club); offer.Found()) {
            AcceptPurchaseOffer(offer.player, offer.club, PurchaseOfferAmount(offer.player));
            ++sales;
        }
        if (const ClubPlayerDeal request = DrawLoanRequest(club); request.Found())
            AcceptLoanRequest(request.player, request.club);
        if (PlayersOfClub(club).size() < 16)
            break;
    }
    EXPECT_GT(sales, 0);
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        int count = 0;
        for (int p = 1; p < static_cast<int>(Players.size()); ++p)
            count += Players[p].Club == c;
        EXPECT_EQ(static_cast<int>(PlayersOfClub(c).size()), count) << c;
        EXPECT_EQ(Clubs[c].squadSize, count) << c;
    }
    // Every club's cash moved by what its accounts booked: sales in, purchases and shares out.
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        const TClubFinance& a = accountsBefore[static_cast<std::size_t>(c)];
        const TClubFinance& b = ClubFinances[static_cast<std::size_t>(c)];
        const std::int64_t booked = std::int64_t{b.playerSales} - a.playerSales - (b.playerPurchases - a.playerPurchases) -
                                    (b.terminationShares - a.terminationShares);
        EXPECT_EQ(Clubs[c].cash - cashBefore[static_cast<std::size_t>(c)], CurrencyFromUnits(booked)) << c;
    }
    EXPECT_GT(Clubs[club].cash, cashBefore[static_cast<std::size_t>(club)]);
}

}  // namespace
}  // namespace tarvelon
