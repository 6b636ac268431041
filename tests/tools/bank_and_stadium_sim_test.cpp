// A club's administration in a headless season: money borrowed and repaid, ticket prices raised and
// a stadium expansion paid between matchdays all pass through the booked accounts, so the ledger of
// every club balances after each day and after each move; the next home gate is taken at the new
// prices, and the works complete on their day (as the hub completes them between rounds).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/economy/bank.h"
#include "core/economy/stadium.h"
#include "core/hooks.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"
#include "tests/tools/sim_checks.h"
#include "tools/sampledata/sample_database.h"
#include "tools/sim/sim_run.h"

using namespace tarvelon;
using namespace tarvelon::simcheck;

namespace {

constexpr std::uint64_t kSeed = 4242;

// The first club of a first division.
int FirstDivisionClub()
{
    for (int c = 0; c < Game.LeagueClubCount; ++c)
        if (Clubs[c].Division == 1)
            return c;
    return -1;
}

// The gate of a home match at the home club's prices of today.
std::int64_t GateAtPrices(const TMatchReport& report, const TClub& home)
{
    std::int64_t gate = 0;
    for (int s = 0; s < kStadiumSectors; ++s)
        gate += static_cast<std::int64_t>(report.sectorAttendance[s]) * home.SectorPrices[s];
    return gate;
}

TEST(BankAndStadiumSim, MovesBetweenMatchdaysBalanceInTheLedger)
{
    testdb::GameFolder folder;
    sampledata::WriteSampleDatabase(folder.path(), 3);
    SetProgramFolder(folder.path());
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    StartRules({kSeed});
    Hooks().showMessage = [](const std::string&) {};
    sim::SimOptions options;
    options.leagues = {29};
    options.divisionSize = 10;
    options.seed = kSeed;
    std::string message;
    ASSERT_TRUE(sim::StartSimGame(options, message)) << message;

    const int club = FirstDivisionClub();
    ASSERT_GE(club, 0);
    Ledger ledger = TakeLedger();
    const auto expectMoveBooked = [&ledger](const char* move) {
        const Ledger now = TakeLedger();
        ExpectLedgerBalanced(ledger, now, {});
        EXPECT_FALSE(::testing::Test::HasFailure()) << move;
        ledger = now;
    };

    for (int step = 0; step < 4; ++step)
        ASSERT_TRUE(BorrowFromBank(club));
    expectMoveBooked("borrowing");
    for (int s = 0; s < kStadiumSectors; ++s)
        for (int up = 0; up < 5; ++up)
            StepTicketPrice(club, s, +1);
    SectorSeats asked{};
    const SectorSeats maxima = MaxSectorSeats(Game.Season);
    asked[1] = std::min(1500, maxima[1] - Clubs[club].SectorSeats[1]);
    ASSERT_GT(asked[1], 0);
    const ExpansionQuote quote = QuoteExpansion(club, asked, Game.Season, TodayDate());
    ASSERT_EQ(quote.outcome, QuoteOutcome::Quoted);
    ASSERT_TRUE(StartExpansion(club, quote)) << "cash " << CashInUnits(club) << ", cost " << quote.cost;
    expectMoveBooked("starting the works");
    const std::int32_t seatsBefore = Clubs[club].SectorSeats[1];

    std::set<int> charged;
    bool gateChecked = false;
    bool completed = false;
    bool repaid = false;
    for (int day = 0; day < 40 && !(gateChecked && completed && repaid); ++day) {
        const DayOutcome outcome = PlayDay([&] {
            charged = ClubsChargedInterest(Game.DayKind, TodayDate());
            for (const TMatchReport& report : MatchReports)
                if (!gateChecked && report.date == TodayDate() && report.club[0] == club && report.gate > 0) {
                    EXPECT_EQ(report.gate, GateAtPrices(report, Clubs[club]));
                    gateChecked = true;
                }
        });
        ExpectLedgerBalanced(ledger, TakeLedger(), charged);
        ASSERT_FALSE(::testing::Test::HasFailure()) << "day " << Game.DayIndex;
        ledger = TakeLedger();
        if (!completed && CompleteStadiumWorks(club, TodayDate())) {
            completed = true;
            EXPECT_GE(TodayDate(), quote.endDate);
            EXPECT_EQ(Clubs[club].SectorSeats[1], seatsBefore + asked[1]);
        }
        if (!repaid && day >= 2) {
            repaid = RepayBank(club);
            expectMoveBooked("repaying");
        }
        if (outcome == DayOutcome::SeasonOver)
            break;
    }
    EXPECT_TRUE(gateChecked);
    EXPECT_TRUE(completed);
    EXPECT_TRUE(repaid);
    EXPECT_EQ(ClubFinances[club].bankLoan, 3 * kBankLoanStep);

    std::filesystem::current_path(previous);
    SetProgramFolder({});
}

}  // namespace
