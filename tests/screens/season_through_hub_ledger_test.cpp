// A whole season of the gallery's seeded game (every league, one human coach) played through the
// screens from the hub as a coach who lets everything go by: each turn through "Jogar >>", the
// matchday in instant play, the results' "Continuar", the round's offers, requests, notices,
// invitations and auctions declined. After every day the money moved only through the booked
// accounts and every club's list of players is the players whose Club names it. The whole season
// takes about 30 s in a debug build.
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
#include "tests/tools/sim_checks.h"

namespace tarvelon {
namespace {

constexpr int kMostDays = 400;  // far more than a season has: a game stuck in a loop fails

// The visible form of a class (null when none is shown).
template <typename T>
T* Shown()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<T*>(Screen->Forms(i)); form && form->Visible())
            return form;
    return nullptr;
}

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

// Each club's list of players is the walk over the players naming it. A league or extra club
// counts in its squad the players it has and those away on a national team's call-up (the national
// teams keep no count).
void ExpectSquadsAsThePlayersSay()
{
    std::vector<std::vector<int>> walked(Clubs.size());
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (simcheck::IsClub(Players[p].Club))
            walked[static_cast<std::size_t>(Players[p].Club)].push_back(p);
    std::vector<int> calledAway(Clubs.size(), 0);
    for (const TCallUp& callUp : CallUps)
        if (simcheck::IsClub(callUp.club) && Players[callUp.player].Club != callUp.club)
            ++calledAway[static_cast<std::size_t>(callUp.club)];
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        const auto club = static_cast<std::size_t>(c);
        ASSERT_EQ(PlayersOfClub(c), walked[club]) << Clubs[c].name.str() << " (club " << c << ")";
        if (c >= Game.LeagueClubCount + Game.ExtraClubCount)
            continue;
        ASSERT_EQ(Clubs[c].squadSize, static_cast<int>(walked[club].size()) + calledAway[club])
            << Clubs[c].name.str() << " (club " << c << ") on a day of kind " << Game.DayKind;
    }
}

// The positions of the line-up's candidates, for a failure's message.
std::string CandidatePositions(const LineupBoard& board)
{
    int count[5] = {};
    for (const AutoCandidate& candidate : CollectAutoCandidates(board))
        if (candidate.position >= 0 && candidate.position < 5)
            ++count[candidate.position];
    return "keepers " + std::to_string(count[0]) + ", full backs " + std::to_string(count[1]) + ", centre backs " +
           std::to_string(count[2]) + ", midfielders " + std::to_string(count[3]) + ", forwards " + std::to_string(count[4]);
}

// On the line-up screen: the formations one after the other (each runs the automatic selection)
// until one fills the eleven, then "Jogar >>". When none does, the screen is left with "Voltar" and
// `leftShort` says why.
void PlayAFullEleven(TForm87& lineup, std::string& leftShort)
{
    lineup.combtat->SetFocus();
    for (int press = 0; press < 2 * FormationCount && !StartersComplete(lineup.Board()); ++press)
        QTest::keyClick(lineup.combtat->Widget(), press < FormationCount ? Qt::Key_Down : Qt::Key_Up);
    if (StartersComplete(lineup.Board())) {
        QTest::mouseClick(lineup.bt_irprojogo->Widget(), Qt::LeftButton);
        return;
    }
    leftShort = "no formation's automatic selection fills the eleven of club " + std::to_string(Game.CurrentHumanClub) +
                " on calendar day " + std::to_string(Game.DayIndex) + " (kind " + std::to_string(Game.DayKind) +
                "); candidates: " + CandidatePositions(lineup.Board());
    QTest::mouseClick(lineup.bt_voltar->Widget(), Qt::LeftButton);
}

class SeasonThroughHubLedgerTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(9, 0); }
};

TEST_F(SeasonThroughHubLedgerTest, EveryDayOfASeasonOnScreenKeepsTheLedgerAndTheSquads)
{
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(Game.HumanClubCount, 1);
    const int season = Game.Season;
    const int humanClub = Game.HumanClubs[0];
    Game.InstantPlay = 1;
    Game.autosave = 0;
    test::InMatchAnswerer answerer;
    OpenScreen("TForm13");

    simcheck::Ledger ledger = simcheck::TakeLedger();
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
            test::WhenLineupOpens([&lineupLeftShort](TForm87& lineup) { PlayAFullEleven(lineup, lineupLeftShort); });
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
        simcheck::ExpectTodaysElevensInTheirClubs();
        const std::set<int> charged = simcheck::ClubsChargedInterest(Game.DayKind, TodayDate());
        QTest::mouseClick(results->bt3->Widget(), Qt::LeftButton);
        ++days;
        const simcheck::Ledger now = simcheck::TakeLedger();
        simcheck::ExpectLedgerBalanced(ledger, now, charged);
        ledger = now;
        ExpectSquadsAsThePlayersSay();
        simcheck::ExpectStandingsAddUp();
        simcheck::ExpectPeopleWhereTheyBelong();
        ASSERT_FALSE(HasFailure()) << "day " << days << " (calendar day " << Game.DayIndex << ")";
        ASSERT_TRUE(test::PumpUntil([results] { return Shown<TForm67>() != results; }));
    }
    ASSERT_NE(ShownScreen("TForm26"), nullptr) << "the season did not end within " << kMostDays << " days";
    // The season's end has turned into the next season, whose accounts start afresh (the headless
    // seasons take the ledger anew there too): only the squads are looked at once more.
    ExpectSquadsAsThePlayersSay();
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
