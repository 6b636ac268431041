// A human club's contracts and books over two headless seasons and the turn between them: every
// contract warning and notice is dated the first day the calendar reaches once it is due, even
// after the club's last match of the season; the weekly wage bill is the wages of the whole squad,
// the players whose contracts have ended included (they are paid until renewed or sold); and the
// accounts' balance is the season's change of cash, a bank loan of the season before included.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "core/basics/datetime.h"
#include "core/economy/bank.h"
#include "core/hooks.h"
#include "core/lineup/hub_turns.h"
#include "core/records/game_state.h"
#include "core/records/game_records.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"
#include "tests/tools/sim_checks.h"
#include "tools/sampledata/sample_database.h"

using namespace tarvelon;

namespace {

constexpr std::uint64_t kSeed = 9;

class HumanClubBooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        sampledata::WriteSampleDatabase(folder_.path(), 1);
        SetProgramFolder(folder_.path());
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
        StartRules({kSeed});
        Hooks().showMessage = [](const std::string&) {};
        club_ = simcheck::StartGameWithHumanClub();
        ASSERT_GE(club_, 0);
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous_);
        SetProgramFolder({});
    }

    const TClubFinance& Accounts() const { return ClubFinances[static_cast<std::size_t>(club_)]; }
    std::int64_t Cash() const { return CashInUnits(club_); }

    // The club's players, those away with a national team included.
    std::vector<int> Squad() const
    {
        std::vector<int> squad;
        for (std::size_t p = 1; p < Players.size(); ++p)
            if (Players[p].Club == club_)
                squad.push_back(static_cast<int>(p));
        for (const TCallUp& callUp : CallUps)
            if (callUp.club == club_ && Players[static_cast<std::size_t>(callUp.player)].Club != club_)
                squad.push_back(callUp.player);
        return squad;
    }

    // The wages of the club's players, in whole units.
    std::int64_t SquadWages() const
    {
        std::int64_t sum = 0;
        for (int p : Squad())
            sum += CurrencyUnits(Players[static_cast<std::size_t>(p)].wage);
        return sum;
    }

    int EndedContracts() const
    {
        int ended = 0;
        for (int p : Squad())
            ended += Players[static_cast<std::size_t>(p)].ContractEnd < TodayDate() ? 1 : 0;
        return ended;
    }

    // Each contract of the club that has run out was reported, and each that runs out within three
    // weeks was warned of, by today.
    void ExpectNoticesByToday(const char* when) const
    {
        for (int p : Squad()) {
            const TPlayer& player = Players[static_cast<std::size_t>(p)];
            const TDateTime daysLeft = player.ContractEnd - TodayDate();
            if (daysLeft < 0) {
                EXPECT_EQ(player.contractWarning, 2) << when << ": player " << p << " on " << DateToStr(TodayDate());
            } else if (daysLeft < 21) {
                EXPECT_GE(player.contractWarning, 1) << when << ": player " << p << " on " << DateToStr(TodayDate());
            }
        }
    }

    void ExpectBooks(std::int64_t seasonStartCash, const char* when) const
    {
        EXPECT_EQ(Accounts().weeklyWageBill, SquadWages()) << when << " on " << DateToStr(TodayDate());
        EXPECT_EQ(FinanceBalance(Accounts()), Cash() - seasonStartCash) << when << " on " << DateToStr(TodayDate());
    }

    testdb::GameFolder folder_;
    std::filesystem::path previous_;
    int club_ = -1;
};

TEST_F(HumanClubBooks, ContractsWagesAndBalanceHoldThroughTwoSeasons)
{
    // The coach keeps his job: the club stays human-run through both seasons.
    const auto keepTheCoach = [this] { Clubs[static_cast<std::size_t>(club_)].boardConfidence = 100; };
    std::int64_t seasonStartCash = Cash();
    TDateTime lastHub = 0;
    // The news that came after the club's last hub of a season is still unread at the next
    // season's first hub: the coach has not had it for two weeks.
    TDateTime lastHubOfSeasonBefore = 0;
    bool firstHubOfSeason = false;
    int lateNotices = 0;
    SeasonWatch watch;
    watch.atClubHub = [&] {
        const bool ours = Game.CurrentHumanClub == club_ || Game.HumanClubs[0] == club_;
        if (ours)
            lastHub = TodayDate();
        PassHubAutomatically();
        if (!ours || !firstHubOfSeason)
            return;
        firstHubOfSeason = false;
        for (const TMailMessage& mail : MailMessages)
            if (mail.recipientClub == club_ && mail.date > lastHubOfSeasonBefore && mail.date < TodayDate() - 14) {
                ++lateNotices;
                EXPECT_EQ(mail.read, 0) << "news of " << DateToStr(mail.date) << " at the hub of " << DateToStr(TodayDate());
            }
    };
    int maxEndedContracts = 0;
    watch.afterDay = [&] {
        keepTheCoach();
        maxEndedContracts = std::max(maxEndedContracts, EndedContracts());
        ExpectNoticesByToday("after the day");
        ExpectBooks(seasonStartCash, "after the day");
    };
    for (int season = 1; season <= 2; ++season) {
        if (season == 1) {
            ASSERT_TRUE(BorrowFromBank(club_));
            ASSERT_TRUE(BorrowFromBank(club_));
        }
        PlaySeasonDays(watch);
        ASSERT_FALSE(HasFailure()) << "season " << season;
        ASSERT_TRUE(Clubs[static_cast<std::size_t>(club_)].IsHuman);
        // The club's hub last opened well before the season's end: the days after still count.
        EXPECT_LT(lastHub, TodayDate() - 30) << "season " << season;
        seasonStartCash = Cash();
        lastHubOfSeasonBefore = lastHub;
        firstHubOfSeason = true;
        TurnToNewSeason();
        ExpectNoticesByToday("after the rollover");
        ExpectBooks(seasonStartCash, "after the rollover");
        EXPECT_EQ(Accounts().bankLoan, 2 * kBankLoanStep);
        ASSERT_FALSE(HasFailure()) << "rollover into season " << season + 1;
    }
    EXPECT_GT(lateNotices, 0) << "news came in the weeks after the club's last hub of a season";
    // Contracts ran out over the seasons, and their players stayed on the bill.
    EXPECT_GT(maxEndedContracts, 0);
}

}  // namespace
