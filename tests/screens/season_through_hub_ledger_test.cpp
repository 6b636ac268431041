// A whole season of the gallery's seeded game (every league, one human coach) played through the
// screens from the hub as a coach who lets everything go by: each turn through "Jogar >>", the
// matchday in instant play, the results' "Continuar", the round's offers, requests, notices,
// invitations and auctions declined. After every day the headless season's invariants hold
// (season_day_checks.h): the ledger, the squads, the standings, everyone where he belongs; after
// the last day every fixture was played once with one champion each. The whole season takes about
// 30 s in a debug build.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/lineup/auto_lineup.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/containers.h"
#include "screens/club/auction_screen.h"
#include "screens/common/navigator.h"
#include "screens/matchday/results_screen.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/season_day_checks.h"

namespace tarvelon {
namespace {

constexpr int kMostDays = 400;  // far more than a season has: a game stuck in a loop fails

using test::Shown;

TGameForm* ShownScreen(const std::string& formClass)
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i)); form && form->Visible() && form->FormClass() == formClass)
            return form;
    return nullptr;
}

// The player auction waiting for the coach's bid (null while none is).
TForm23* AuctionAwaitingBid()
{
    TForm23* auction = Shown<TForm23>();
    return auction && auction->Notebook1->PageIndex() == 0 && auction->Auction().turnClub >= 0 ? auction : nullptr;
}

// The hub once the round's questions are answered.
TForm13* HubReadyToPlay() { return !PostRoundPending ? test::OpenHub() : nullptr; }

bool GameAwaitsTheCoach()
{
    return Shown<TForm67>() != nullptr || HubReadyToPlay() != nullptr || AuctionAwaitingBid() != nullptr ||
           ShownScreen("TForm26") != nullptr;
}

class SeasonThroughHubLedgerTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(9, 0); }
};

TEST_F(SeasonThroughHubLedgerTest, EveryDayOfASeasonOnScreenKeepsTheHeadlessSeasonsInvariants)
{
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(Game.HumanClubCount, 1);
    const int season = Game.Season;
    const int humanClub = Game.HumanClubs[0];
    Game.InstantPlay = 1;
    Game.autosave = 0;
    test::InMatchAnswerer answerer;
    OpenScreen("TForm13");

    test::SeasonDayChecks checks;
    int days = 0;
    int hubTurns = 0;
    int auctions = 0;
    std::string lineupLeftShort;
    std::set<int> kindsPlayed;
    while (days < kMostDays) {
        ASSERT_TRUE(test::PumpUntil(GameAwaitsTheCoach, 120000)) << "no screen awaits the coach after day " << days;
        if (ShownScreen("TForm26"))
            break;
        if (TForm23* auction = AuctionAwaitingBid()) {  // no bid: the computer clubs settle it
            ++auctions;
            QTest::mouseClick(auction->CHButton1->Widget(), Qt::LeftButton);
            test::Pump(10);
            continue;
        }
        if (TForm13* hub = HubReadyToPlay()) {
            ++hubTurns;
            test::WhenLineupOpens([&lineupLeftShort](TForm87& lineup) { test::PlayAFullEleven(lineup, lineupLeftShort); });
            QTest::mouseClick(hub->btjogar->Widget(), Qt::LeftButton);
            ASSERT_TRUE(lineupLeftShort.empty()) << lineupLeftShort;
            test::Pump(10);
            continue;
        }
        // The day's results: its interest is charged on today's matches, and the day ends with
        // "Continuar" (the calendar moves on).
        TForm67* results = Shown<TForm67>();
        results->Timer1->SetEnabled(false);
        kindsPlayed.insert(Game.DayKind);
        checks.AtResults();
        QTest::mouseClick(results->bt3->Widget(), Qt::LeftButton);
        ++days;
        checks.AfterDay();
        ASSERT_FALSE(HasFailure()) << "day " << days << " (calendar day " << Game.DayIndex << ")";
        ASSERT_TRUE(test::PumpUntil([results] { return Shown<TForm67>() != results; }));
    }
    ASSERT_NE(ShownScreen("TForm26"), nullptr) << "the season did not end within " << kMostDays << " days";
    // The season's last day had every fixture played once and one champion each; the summary has
    // turned into the next season.
    EXPECT_EQ(checks.SeasonsChecked(), 1);
    checks.AfterSeasonTurn();
    Game.InstantPlay = 0;
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        Screen->Forms(i)->Close();
    test::Pump(50);

    EXPECT_EQ(Game.Season, season + 1);
    EXPECT_GT(days, 40);
    EXPECT_GE(hubTurns, 10) << "club " << humanClub;
    EXPECT_TRUE(kindsPlayed.count(kKindNationalLeague));
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started).count();
    RecordProperty("days", days);
    RecordProperty("hubTurns", hubTurns);
    RecordProperty("auctions", auctions);
    RecordProperty("seconds", static_cast<int>(seconds));
    std::printf("season on screen: %d days, %d hub turns, %d auctions, %d in-match screens, %lld s\n", days, hubTurns,
                auctions, answerer.Answered(), static_cast<long long>(seconds));
}

}  // namespace
}  // namespace tarvelon
