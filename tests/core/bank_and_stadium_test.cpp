// The club's administration without a window: the bank's steps and caps, ticket price steps,
// the expansion quote (limits, seat bands, division factor, duration), the works paid, booked and
// completed, and every movement of money booked so that cash and accounts agree.
#include <gtest/gtest.h>

#include "core/economy/bank.h"
#include "core/economy/stadium.h"
#include "core/format/money_format.h"
#include "tests/core/test_world.h"

namespace tarvelon {
namespace {

class BankAndStadium : public ::testing::Test {
protected:
    void SetUp() override
    {
        testbuild::StartEmptyGame(1, 0);
        club_ = testbuild::AppendClub(29, 1, 15);
        Clubs[club_].cash = CurrencyFromUnits(1000000);
    }

    // The cash moved since the start equals what the accounts booked (the loan counts as income).
    void ExpectBooked(std::int64_t startCash) const
    {
        const TClubFinance& f = ClubFinances[club_];
        EXPECT_EQ(Clubs[club_].cash - CurrencyFromUnits(startCash), CurrencyFromUnits(FinanceBalance(f)));
    }

    TClub& Club() const { return Clubs[club_]; }
    std::int32_t Loan() const { return ClubFinances[club_].bankLoan; }

    int club_ = -1;
};

TEST_F(BankAndStadium, BorrowingStopsAtTheDivisionsCap)
{
    for (int step = 1; step <= 10; ++step)
        ASSERT_TRUE(BorrowFromBank(club_)) << step;
    EXPECT_EQ(Loan(), 5000000);
    EXPECT_FALSE(CanBorrowFromBank(club_));
    EXPECT_FALSE(BorrowFromBank(club_));
    EXPECT_EQ(CashInUnits(club_), 6000000);
    EXPECT_EQ(WeeklyLoanInterest(Loan()), 150000);
    ExpectBooked(1000000);

    for (int division : {0, 4}) {
        testbuild::StartEmptyGame(1, 0);
        club_ = testbuild::AppendClub(29, division, 10);
        int steps = 0;
        while (BorrowFromBank(club_))
            ++steps;
        EXPECT_EQ(steps, 3) << "division " << division;
    }
}

TEST_F(BankAndStadium, ALoanAboveANewCapCanOnlyBeRepaid)
{
    for (int step = 0; step < 6; ++step)
        BorrowFromBank(club_);
    Club().Division = 4;  // relegated with 3,000,000 owed
    EXPECT_FALSE(CanBorrowFromBank(club_));
    EXPECT_TRUE(RepayBank(club_));
    EXPECT_EQ(Loan(), 2500000);
}

TEST_F(BankAndStadium, RepayingNeverTakesMoreThanIsOwed)
{
    Club().cash = CurrencyFromUnits(100000);
    ASSERT_TRUE(BorrowFromBank(club_));
    ClubFinances[club_].bankLoan = 200000;  // a part already paid off elsewhere
    Club().cash = CurrencyFromUnits(100000);
    ASSERT_TRUE(RepayBank(club_));
    EXPECT_EQ(Loan(), 0);
    EXPECT_EQ(CashInUnits(club_), -100000);  // no cash check: the cash may go negative
    EXPECT_FALSE(CanRepayBank(club_));
    EXPECT_FALSE(RepayBank(club_));
    EXPECT_EQ(CashInUnits(club_), -100000);
    EXPECT_EQ(WeeklyLoanInterest(0), 0);
}

TEST_F(BankAndStadium, BorrowAndRepayKeepCashAndAccountsTogether)
{
    BorrowFromBank(club_);
    BorrowFromBank(club_);
    RepayBank(club_);
    ExpectBooked(1000000);
    EXPECT_EQ(Loan(), 500000);
}

TEST_F(BankAndStadium, TicketPricesStepByOne)
{
    Club().SectorPrices[0] = 1;
    Club().SectorPrices[3] = 150;
    EXPECT_TRUE(StepTicketPrice(club_, 0, +1));
    EXPECT_TRUE(StepTicketPrice(club_, 3, -1));
    EXPECT_EQ(Club().SectorPrices[0], 2);
    EXPECT_EQ(Club().SectorPrices[3], 149);
    EXPECT_FALSE(StepTicketPrice(club_, 4, +1));
    EXPECT_FALSE(StepTicketPrice(-1, 0, +1));
}

TEST_F(BankAndStadium, SeatsAskedAreWholeNumbersAboveZero)
{
    EXPECT_EQ(SeatsAsked("1500"), 1500);
    EXPECT_EQ(SeatsAsked(" 20"), 0);
    EXPECT_EQ(SeatsAsked(""), 0);
    EXPECT_EQ(SeatsAsked("abc"), 0);
    EXPECT_EQ(SeatsAsked("12a"), 0);
    EXPECT_EQ(SeatsAsked("-40"), 0);
    EXPECT_EQ(SeatsAsked("0"), 0);
    // Only decimal digits, as every field of the game reads them.
    EXPECT_EQ(SeatsAsked("$3E8"), 0);
    EXPECT_EQ(SeatsAsked("0x10"), 0);
    EXPECT_EQ(SeatsAsked("1.5"), 0);
}

TEST_F(BankAndStadium, SeatPricesFollowTheNewTotalAndTheDivision)
{
    EXPECT_EQ(SeatPrice(0, 9999), 50);
    EXPECT_EQ(SeatPrice(0, 10000), 75);
    EXPECT_EQ(SeatPrice(0, 30000), 200);
    EXPECT_EQ(SeatPrice(1, 79999), 250);
    EXPECT_EQ(SeatPrice(1, 80000), 300);
    EXPECT_EQ(SeatPrice(2, 14999), 200);
    EXPECT_EQ(SeatPrice(3, 99), 800);
    EXPECT_EQ(SeatPrice(3, 400), 2000);
    // 1,001 chairs onto 9,000 reach 10,001: 200 a seat.
    EXPECT_EQ(SectorExpansionCost(2, 1001, 9000, 4), 200200);
    EXPECT_EQ(SectorExpansionCost(2, 1001, 9000, 1), 800800);
    EXPECT_EQ(SectorExpansionCost(2, 1001, 9000, 2), 600600);
    EXPECT_EQ(SectorExpansionCost(3, 3, 10, 3), 3600);   // 2,400 x 1.5
    EXPECT_EQ(SectorExpansionCost(0, 1, 0, 3), 75);      // 50 x 1.5
    EXPECT_EQ(SectorExpansionCost(1, 0, 0, 1), 0);
}

TEST_F(BankAndStadium, TheQuoteChecksTheSeasonsLimitsAndTakesItsDays)
{
    Club().Division = 4;
    Club().SectorSeats[0] = 10000;
    const TDateTime start = EncodeDate(2010, 3, 1);
    // The first season allows 18,000 in G: exactly the free room is accepted, one more is not.
    EXPECT_EQ(QuoteExpansion(club_, {8000, 0, 0, 0}, 1, start).outcome, QuoteOutcome::Quoted);
    EXPECT_EQ(QuoteExpansion(club_, {8001, 0, 0, 0}, 1, start).outcome, QuoteOutcome::TooLarge);
    EXPECT_EQ(QuoteExpansion(club_, {8001, 0, 0, 0}, 2, start).outcome, QuoteOutcome::Quoted);
    EXPECT_EQ(QuoteExpansion(club_, {0, 0, 0, 501}, 1, start).outcome, QuoteOutcome::TooLarge);
    EXPECT_EQ(QuoteExpansion(club_, {0, 0, 0, 800}, 20, start).outcome, QuoteOutcome::Quoted);
    EXPECT_EQ(QuoteExpansion(club_, {0, 0, 0, 0}, 1, start).outcome, QuoteOutcome::Nothing);

    const ExpansionQuote quote = QuoteExpansion(club_, {500, 0, 0, 0}, 1, start);
    EXPECT_EQ(quote.cost, 500 * 75 + 100000);  // a new total of 10,500: 75 a seat, and the project
    EXPECT_EQ(quote.endDate, start + 4);
    EXPECT_EQ(ExpansionDays(500), 4);
    EXPECT_EQ(ExpansionDays(1000), 4);
    EXPECT_EQ(ExpansionDays(2500), 5);  // 2.5 rounds to the even 2
    EXPECT_EQ(ExpansionDays(3500), 7);
}

TEST_F(BankAndStadium, WorksArePaidBookedAndCompletedOnTheirDay)
{
    Club().Division = 4;
    Club().SectorSeats[1] = 20000;
    const TDateTime start = EncodeDate(2010, 3, 1);
    const ExpansionQuote quote = QuoteExpansion(club_, {0, 2000, 0, 500}, 1, start);
    ASSERT_EQ(quote.outcome, QuoteOutcome::Quoted);
    const std::int64_t cost = 2000 * 100 + 500 * 2000 + 100000;
    ASSERT_EQ(quote.cost, cost);
    Club().cash = CurrencyFromUnits(cost - 1);
    EXPECT_FALSE(StartExpansion(club_, quote));
    EXPECT_TRUE(StadiumWorks.empty());
    Club().cash = CurrencyFromUnits(cost);  // exactly enough is enough
    ASSERT_TRUE(StartExpansion(club_, quote));
    ExpectBooked(cost);
    EXPECT_EQ(Club().cash, 0);
    EXPECT_EQ(ClubFinances[club_].stadium, cost);
    ASSERT_NE(StadiumWorkInProgress(club_), nullptr);
    EXPECT_FALSE(StartExpansion(club_, quote));  // one work at a time

    EXPECT_FALSE(CompleteStadiumWorks(club_, quote.endDate - 1));
    EXPECT_EQ(Club().SectorSeats[1], 20000);
    EXPECT_TRUE(CompleteStadiumWorks(club_, quote.endDate));
    EXPECT_EQ(Club().SectorSeats[0], 0);
    EXPECT_EQ(Club().SectorSeats[1], 22000);
    EXPECT_EQ(Club().SectorSeats[3], 500);
    EXPECT_EQ(StadiumWorkInProgress(club_), nullptr);
    EXPECT_FALSE(CompleteStadiumWorks(club_, quote.endDate + 10));  // its seats are added once
    EXPECT_EQ(Club().SectorSeats[1], 22000);
}

TEST(MoneyTexts, LargeAmountsKeepEveryDigit)
{
    EXPECT_EQ(FormatMoney64(0), "0");
    EXPECT_EQ(FormatMoney64(-1234567), "-1 234 567");
    EXPECT_EQ(FormatMoney64(3000000000LL), "3 000 000 000");
}

}  // namespace
}  // namespace tarvelon
