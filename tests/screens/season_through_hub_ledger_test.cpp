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

#include "core/club_rosters.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "platform/forms/screen.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/season_from_hub.h"
#include "tests/tools/sim_checks.h"

namespace tarvelon {
namespace {

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
    std::set<int> charged;
    std::set<int> kindsPlayed;
    test::SeasonFromHubDriving driving;
    // The day's results: its interest is charged on today's matches, and the day ends with
    // "Continuar" (the calendar moves on).
    driving.onResults = [&](TForm67&) {
        kindsPlayed.insert(Game.DayKind);
        simcheck::ExpectTodaysElevensInTheirClubs();
        charged = simcheck::ClubsChargedInterest(Game.DayKind, TodayDate());
        return true;
    };
    driving.afterDay = [&] {
        const simcheck::Ledger now = simcheck::TakeLedger();
        simcheck::ExpectLedgerBalanced(ledger, now, charged);
        ledger = now;
        ExpectSquadsAsThePlayersSay();
        simcheck::ExpectStandingsAddUp();
        simcheck::ExpectPeopleWhereTheyBelong();
        return !HasFailure();
    };
    const test::SeasonFromHubTally tally = test::PlayToSeasonEnd(driving);
    ASSERT_FALSE(HasFailure()) << "day " << tally.days << " (calendar day " << Game.DayIndex << ")";
    ASSERT_TRUE(tally.reachedSeasonEnd) << tally.failure;
    // The season's end has turned into the next season, whose accounts start afresh (the headless
    // seasons take the ledger anew there too): only the squads are looked at once more.
    ExpectSquadsAsThePlayersSay();
    Game.InstantPlay = 0;
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        Screen->Forms(i)->Close();
    test::Pump(50);

    EXPECT_EQ(Game.Season, season + 1);
    EXPECT_GT(tally.days, 40);
    EXPECT_GE(tally.hubTurns, 10) << "club " << humanClub;
    EXPECT_TRUE(kindsPlayed.count(kKindNationalLeague));
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started).count();
    RecordProperty("days", tally.days);
    RecordProperty("hubTurns", tally.hubTurns);
    RecordProperty("auctions", tally.auctions);
    RecordProperty("seconds", static_cast<int>(seconds));
    std::printf("season on screen: %d days, %d hub turns, %d auctions, %d in-match screens, %lld s\n", tally.days,
                tally.hubTurns, tally.auctions, answerer.Answered(), static_cast<long long>(seconds));
}

}  // namespace
}  // namespace tarvelon
