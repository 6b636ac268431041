#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/loans.h"
#include "core/economy/squad_rules.h"
#include "core/economy/transfers.h"
#include "core/mail/mail.h"
#include "core/matchday_rules/national_call_up.h"
#include "core/progression/calendar_advance.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

int FirstPlayerOf(int club, int position = -1)
{
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        if (Players[p].Club == club && (position < 0 || Players[p].Position == position))
            return p;
    }
    return 0;
}

std::int64_t WageUnits(int player)
{
    return (Players[player].wage + 5000) / 10000;
}

int CountMail(int club, int kind)
{
    int count = 0;
    for (const TMailMessage& m : MailMessages) {
        // kinds are not stored; the subjects tell them apart: 8 big signing, 9 dressing room, 19 loan.
        const int subject = kind == mkPress ? 8 : kind == mkDressingRoom ? 9 : 19;
        count += m.recipientClub == club && m.subjectId == subject;
    }
    return count;
}

class EconomyTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build({{104, 2}, {29, 2}}, 4);
        Game.DayIndex = 20;
    }
};

TEST_F(EconomyTransferTest, ComputerSaleMovesFeeWageAndSquad)
{
    const int seller = 1, buyer = 12;
    const int p = FirstPlayerOf(seller, 3);
    const Currency sellerCash = Clubs[seller].cash, buyerCash = Clubs[buyer].cash;
    const std::int32_t sellerBill = ClubFinances[seller].weeklyWageBill;
    const std::int32_t buyerBill = ClubFinances[buyer].weeklyWageBill;

    TransferPlayer(p, buyer, 750'000);

    EXPECT_EQ(Players[p].Club, buyer);
    EXPECT_EQ(Clubs[seller].cash - sellerCash, CurrencyFromUnits(750'000));
    EXPECT_EQ(buyerCash - Clubs[buyer].cash, CurrencyFromUnits(750'000));
    EXPECT_EQ(ClubFinances[seller].playerSales, 750'000);
    EXPECT_EQ(ClubFinances[buyer].playerPurchases, 750'000);
    EXPECT_EQ(ClubFinances[seller].terminationShares, 0);
    EXPECT_EQ(ClubFinances[seller].weeklyWageBill, sellerBill - WageUnits(p));
    EXPECT_EQ(ClubFinances[buyer].weeklyWageBill, buyerBill + WageUnits(p));
    EXPECT_EQ(Clubs[seller].squadSize, 24);
    EXPECT_EQ(Clubs[buyer].squadSize, 26);
    EXPECT_EQ(Clubs[buyer].playersPerPosition[3], 8);
    // In divisions of 10 a new contract runs 10 weeks.
    EXPECT_DOUBLE_EQ(Players[p].ContractEnd, TodayDate() + 70);
    ASSERT_FALSE(Transfers.empty());
    const TTransfer& t = Transfers.back();
    EXPECT_EQ(t.player, p);
    EXPECT_EQ(t.clubLeft, seller);
    EXPECT_EQ(t.clubJoined, buyer);
    EXPECT_EQ(t.fee, 750'000);
    EXPECT_DOUBLE_EQ(t.date, TodayDate());
    EXPECT_EQ(Players[p].Morale, 3);
    EXPECT_EQ(Players[p].ListedForSale, 0);
    EXPECT_EQ(Players[p].AskingPrice, Players[p].Value);
}

TEST_F(EconomyTransferTest, PlayersAwayWithTheirNationalTeamStillCountInTheirSquad)
{
    const int seller = 1, buyer = 12;
    const int nation = static_cast<int>(Clubs.size()) - 1;
    const int keeper = FirstPlayerOf(buyer, 0);
    const int midfielder = FirstPlayerOf(buyer, 3);
    const int keepers = Clubs[buyer].playersPerPosition[0];
    const int midfielders = Clubs[buyer].playersPerPosition[3];
    CommitNationalCallUp(nation, {keeper, midfielder});
    ASSERT_EQ(Players[keeper].Club, nation);

    // A signing while two of his players are away: the recount keeps them in the squad.
    TransferPlayer(FirstPlayerOf(seller, 3), buyer, 750'000);
    EXPECT_EQ(Clubs[buyer].squadSize, 26);
    EXPECT_EQ(Clubs[buyer].playersPerPosition[0], keepers);
    EXPECT_EQ(Clubs[buyer].playersPerPosition[3], midfielders + 1);

    // Back from the tournament the figure is the squad as it stands.
    EndTournamentCallUps();
    EXPECT_EQ(Players[keeper].Club, buyer);
    EXPECT_EQ(Clubs[buyer].squadSize, static_cast<int>(PlayersOfClub(buyer).size()));
    EXPECT_EQ(Clubs[buyer].squadSize, 26);
}

// A human club pays every player of its squad, one whose contract has ended too, and those away
// with a national team; a sale or a loan moves the player's one wage from bill to bill.
TEST_F(EconomyTransferTest, AnEndedContractStaysOnTheBillAndMovesItsOneWage)
{
    const int human = 2, buyer = 13, holder = 14;
    MakeHuman(human);
    const int ended = FirstPlayerOf(human, 3);
    const int away = FirstPlayerOf(human, 0);
    Players[ended].ContractEnd = TodayDate() - 10;
    Players[ended].wage = CurrencyFromUnits(41'000);
    const int nation = static_cast<int>(Clubs.size()) - 1;
    CommitNationalCallUp(nation, {away});
    ASSERT_EQ(Players[away].Club, nation);
    std::int64_t squadWages = 0;
    for (int p : PlayersOfClub(human))
        squadWages += WageUnits(p);
    RecalcClubWageBill(human);
    EXPECT_EQ(ClubFinances[human].weeklyWageBill, squadWages + WageUnits(away));

    // Sold: his one wage leaves the seller's bill for the buyer's (the new contract keeps the wage).
    const std::int32_t humanBill = ClubFinances[human].weeklyWageBill;
    const std::int32_t buyerBill = ClubFinances[buyer].weeklyWageBill;
    TransferPlayer(ended, buyer, 300'000);
    EXPECT_EQ(ClubFinances[human].weeklyWageBill, humanBill - 41'000);
    EXPECT_EQ(ClubFinances[buyer].weeklyWageBill, buyerBill + 41'000);

    // Lent on, and back to his owner: the wage follows him each time.
    const std::int32_t holderBill = ClubFinances[holder].weeklyWageBill;
    AddLoan(ended, buyer, TodayDate() + 30);
    LoanPlayer(ended, holder, TodayDate() + 30);
    EXPECT_EQ(ClubFinances[buyer].weeklyWageBill, buyerBill);
    EXPECT_EQ(ClubFinances[holder].weeklyWageBill, holderBill + 41'000);
    CancelLoan(ended);
    EXPECT_EQ(ClubFinances[buyer].weeklyWageBill, buyerBill + 41'000);
    EXPECT_EQ(ClubFinances[holder].weeklyWageBill, holderBill);
}

TEST_F(EconomyTransferTest, HumanSellerPaysAShareByContractTimeLeft)
{
    const int seller = 2, buyer = 13;
    MakeHuman(seller);
    struct Case {
        int daysLeft;
        double rate;
    };
    for (const Case& c : {Case{0, 0.12}, Case{30, 0.12}, Case{45, 0.15}, Case{90, 0.20}, Case{180, 0.22},
                          Case{360, 0.25}, Case{400, 0.30}}) {
        const int p = FirstPlayerOf(seller);
        Players[p].ContractEnd = TodayDate() + c.daysLeft;
        const Currency before = Clubs[seller].cash;
        const std::int32_t sharesBefore = ClubFinances[seller].terminationShares;
        TransferPlayer(p, buyer, 1'000'000);
        const std::int64_t share = static_cast<std::int64_t>(1'000'000 * c.rate + 0.5);
        EXPECT_EQ(Clubs[seller].cash - before, CurrencyFromUnits(1'000'000 - share)) << c.daysLeft;
        EXPECT_EQ(ClubFinances[seller].terminationShares - sharesBefore, share) << c.daysLeft;
    }
    // A contract that has run out: the whole fee.
    int p = FirstPlayerOf(seller);
    Players[p].ContractEnd = TodayDate() - 1;
    Currency before = Clubs[seller].cash;
    TransferPlayer(p, buyer, 500'000);
    EXPECT_EQ(Clubs[seller].cash - before, CurrencyFromUnits(500'000));
    // A waived share: the whole fee, once.
    p = FirstPlayerOf(seller);
    Players[p].ContractEnd = TodayDate() + 400;
    FullFeeSale = 1;
    before = Clubs[seller].cash;
    TransferPlayer(p, buyer, 500'000);
    EXPECT_EQ(Clubs[seller].cash - before, CurrencyFromUnits(500'000));
    EXPECT_EQ(WaiveSaleShare, 0);
}

TEST_F(EconomyTransferTest, MoneyIsConservedUpToTheSharesAndBookedOnBothSides)
{
    MakeHuman(3);
    RandSeed = 77;
    const std::int64_t cashBefore = testworld::TotalCash();
    std::int64_t fees = 0;
    for (int i = 0; i < 200; ++i) {
        const int p = 1 + Random(static_cast<int>(Players.size()) - 1);
        const int buyer = Random(Game.LeagueClubCount);
        const std::int32_t fee = Random(3'000'000);
        if (Players[p].Club == buyer)
            continue;
        TransferPlayer(p, buyer, fee);
        fees += fee;
    }
    std::int64_t shares = 0, sales = 0, purchases = 0;
    for (const TClubFinance& f : ClubFinances) {
        shares += f.terminationShares;
        sales += f.playerSales;
        purchases += f.playerPurchases;
    }
    EXPECT_EQ(sales, fees);
    EXPECT_EQ(purchases, fees);
    EXPECT_GT(shares, 0);
    EXPECT_EQ(cashBefore - testworld::TotalCash(), shares);
    // Squads and wage bills add up.
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        const std::int32_t bill = ClubFinances[c].weeklyWageBill;
        const int size = Clubs[c].squadSize;
        RecountSquad(c);
        RecalcClubWageBill(c);
        EXPECT_EQ(Clubs[c].squadSize, size);
        EXPECT_EQ(ClubFinances[c].weeklyWageBill, bill);
    }
}

TEST_F(EconomyTransferTest, TwentyClubDivisionsGiveLongerContractsAndHumanToHumanBlocksTheRound)
{
    Game.LeagueFormat = 2;
    MakeHuman(1);
    MakeHuman(5);
    const int p = FirstPlayerOf(1);
    TransferPlayer(p, 5, 10);
    EXPECT_DOUBLE_EQ(Players[p].ContractEnd, TodayDate() + 24 * 7);
    EXPECT_EQ(Players[p].BlockedThisRound, 1);
}

TEST_F(EconomyTransferTest, StarSignings)
{
    MakeHuman(0);
    // A big club (level above 22) signs a star: news for the current human club.
    Clubs[12].Level = 23;
    int star = FirstPlayerOf(2);
    Players[star].Star = 1;
    TransferPlayer(star, 12, 100);
    EXPECT_EQ(CountMail(0, mkPress), 1);
    // A star joining a human club with more than 3 stars splits the dressing room unless the draw
    // is 20 or less.
    int stars = 0;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        if (Players[p].Club == 0 && Players[p].Star)
            ++stars;
    }
    for (int p = FirstPlayerOf(3); stars < 4; ++p) {
        Players[p].Star = 1;
        TransferPlayer(p, 0, 1);
        ++stars;
    }
    const int complaintsBefore = CountMail(0, mkDressingRoom);
    const int moodBefore = Clubs[0].squadMood;
    star = FirstPlayerOf(4);
    Players[star].Star = 1;
    const std::uint32_t seed = RandSeed;
    TransferPlayer(star, 0, 1);
    RandSeed = seed;
    const bool complains = Random(100) > 20;
    EXPECT_EQ(Clubs[0].squadMood, moodBefore - (complains ? 1 : 0));
    EXPECT_EQ(CountMail(0, mkDressingRoom), complaintsBefore + (complains ? 1 : 0));
}

TEST_F(EconomyTransferTest, SetPieceTakerIsChosenAgainWhenHeLeaves)
{
    const int club = 4;
    const int taker = FirstPlayerOf(club, 4);
    Clubs[club].SetPieceTaker = taker;
    TransferPlayer(taker, 7, 1);
    EXPECT_NE(Clubs[club].SetPieceTaker, taker);
    EXPECT_EQ(Players[Clubs[club].SetPieceTaker].Club, club);
}

TEST_F(EconomyTransferTest, BadIndexesChangeNothing)
{
    const std::size_t transfers = Transfers.size();
    const std::int64_t cash = testworld::TotalCash();
    TransferPlayer(0, 3, 100);
    TransferPlayer(static_cast<int>(Players.size()), 3, 100);
    TransferPlayer(5, -1, 100);
    TransferPlayer(5, static_cast<int>(Clubs.size()), 100);
    LoanPlayer(0, 3, TodayDate());
    LoanPlayer(5, -2, TodayDate());
    EXPECT_EQ(Transfers.size(), transfers);
    EXPECT_EQ(testworld::TotalCash(), cash);
    // A free player is signed with nobody to pay.
    Players[5].Club = -1;
    TransferPlayer(5, 3, 100);
    EXPECT_EQ(Players[5].Club, 3);
    EXPECT_EQ(testworld::TotalCash(), cash - 100);
}

TEST_F(EconomyTransferTest, LoansMoveNoMoneyAndReturnWhenTheyExpire)
{
    const int owner = 2, holder = 15;
    const int p = FirstPlayerOf(owner, 1);
    const std::int64_t cash = testworld::TotalCash();
    const TDateTime end = TodayDate() + 10;
    AddLoan(p, owner, end);
    LoanPlayer(p, holder, end);
    EXPECT_EQ(Players[p].Club, holder);
    EXPECT_EQ(Players[p].loanStatus, 2);
    EXPECT_DOUBLE_EQ(Players[p].ContractEnd, end);
    EXPECT_EQ(testworld::TotalCash(), cash);
    EXPECT_EQ(Transfers.back().fee, 0);
    EXPECT_EQ(CountLoanedInPlayers(holder), 1);
    EXPECT_EQ(CountLoanedOutPlayers(owner), 1);

    ReturnExpiredLoans(end - 1);  // not yet
    EXPECT_EQ(Players[p].Club, holder);
    ReturnExpiredLoans(end);
    EXPECT_EQ(Players[p].Club, owner);
    EXPECT_EQ(Players[p].loanStatus, 0);
    EXPECT_DOUBLE_EQ(Players[p].ContractEnd, TodayDate() + 120);
    EXPECT_EQ(Loans.size(), 1u);
    EXPECT_EQ(Loans[0].player, -1);  // closed, kept
    EXPECT_EQ(CountLoanedInPlayers(holder), 0);
    EXPECT_EQ(CountLoanedOutPlayers(owner), 0);
}

TEST_F(EconomyTransferTest, FullOwnerKeepsTheLoanOpenAndIsToldSo)
{
    const int owner = 2, holder = 15;
    const int p = FirstPlayerOf(owner, 1);
    AddLoan(p, owner, TodayDate());
    LoanPlayer(p, holder, TodayDate());
    Clubs[owner].squadSize = 28;
    ReturnExpiredLoans(TodayDate());
    EXPECT_EQ(Players[p].Club, holder);
    EXPECT_EQ(Loans[0].player, p);
    EXPECT_EQ(CountMail(owner, mkLoanCannotReturn), 1);
    Clubs[owner].squadSize = 27;
    ReturnExpiredLoans(TodayDate());
    EXPECT_EQ(Players[p].Club, owner);
}

TEST_F(EconomyTransferTest, CancelledAndBoughtLoans)
{
    const int owner = 1, holder = 14;
    const int a = FirstPlayerOf(owner, 2);
    AddLoan(a, owner, TodayDate() + 50);
    LoanPlayer(a, holder, TodayDate() + 50);
    CancelLoan(a);
    EXPECT_EQ(Players[a].Club, owner);
    EXPECT_EQ(Players[a].loanStatus, 0);
    EXPECT_DOUBLE_EQ(Players[a].ContractEnd, TodayDate() + 180);
    EXPECT_EQ(FindOpenLoan(a), -1);
    CancelLoan(a);  // no open loan: nothing
    EXPECT_EQ(Players[a].Club, owner);

    // The holder buys him from the owner at his value; each wage bill counts him once.
    const int b = FirstPlayerOf(owner, 3);
    const std::int32_t ownerBill = ClubFinances[owner].weeklyWageBill;
    const std::int32_t holderBill = ClubFinances[holder].weeklyWageBill;
    AddLoan(b, owner, TodayDate() + 50);
    LoanPlayer(b, holder, TodayDate() + 50);
    const Currency ownerCash = Clubs[owner].cash;
    BuyLoanedPlayer(b);
    EXPECT_EQ(Players[b].Club, holder);
    EXPECT_EQ(Players[b].loanStatus, 0);
    EXPECT_EQ(FindOpenLoan(b), -1);
    EXPECT_EQ(Clubs[owner].cash - ownerCash, Players[b].Value);
    EXPECT_EQ(Transfers.back().clubLeft, owner);
    EXPECT_EQ(ClubFinances[owner].weeklyWageBill, ownerBill - WageUnits(b));
    EXPECT_EQ(ClubFinances[holder].weeklyWageBill, holderBill + WageUnits(b));
}

TEST_F(EconomyTransferTest, ASaleEndsTheLoanOfTheSoldPlayer)
{
    const int owner = 1, holder = 14, buyer = 20;
    const int p = FirstPlayerOf(owner, 4);
    AddLoan(p, owner, TodayDate() + 5);
    LoanPlayer(p, holder, TodayDate() + 5);
    TransferPlayer(p, buyer, 1000);
    EXPECT_EQ(FindOpenLoan(p), -1);
    EXPECT_EQ(CountLoanedOutPlayers(owner), 0);
    ReturnExpiredLoans(TodayDate() + 10);
    EXPECT_EQ(Players[p].Club, buyer);  // the old loan no longer pulls him back
}

TEST_F(EconomyTransferTest, LoanCountsForTheScreensLimits)
{
    const int club = 3;
    int offered = 0;
    for (int p = 1; p < static_cast<int>(Players.size()) && offered < 2; ++p) {
        if (Players[p].Club == club) {
            Players[p].loanStatus = 1;
            ++offered;
        }
    }
    EXPECT_EQ(CountPlayersOfferedForLoan(club), 2);
    EXPECT_EQ(CountClubsOfCountry(104), 22);
    EXPECT_EQ(CountClubsOfCountry(29), 22);
    EXPECT_EQ(CountClubsOfCountry(3), 0);
}

}  // namespace
}  // namespace tarvelon
