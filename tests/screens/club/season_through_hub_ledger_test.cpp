// A whole season of the gallery's seeded game (every league, one human coach) played through the
// screens from the hub as a coach who lets everything go by: each turn through "Jogar >>", the
// matchday in instant play, the results' "Continuar", the round's offers, requests, notices,
// invitations and auctions declined. After every day the headless season's invariants hold
// (season_day_checks.h): the ledger, the squads, the standings, everyone where he belongs; after
// the last day every fixture was played once with one champion each. The whole season takes about
// 30 s in a debug build.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <map>
#include <cstdio>
#include <set>

#include "core/club_rosters.h"
#include "core/match/match_events_codes.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/tables.h"
#include "core/season/competition_kind.h"
#include "platform/forms/screen.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/season_day_checks.h"
#include "tests/screens/season_from_hub.h"

namespace tarvelon {
namespace {

// The coach's players' games: each counts the matches he started and those he came on in, as the
// archived reports of the club's matches since the start tell them (a player who left the club is
// no longer followed).
class CoachGamesCheck {
public:
    explicit CoachGamesCheck(int club) : club_(club), firstReport_(MatchReports.size())
    {
        for (const int player : SquadInListOrder(club))
            start_[player] = Players[static_cast<std::size_t>(player)].careerGames;
    }

    void AtResults() const
    {
        for (const auto& [player, games] : start_) {
            const TPlayer& p = Players[static_cast<std::size_t>(player)];
            if (p.Club != club_)
                continue;
            ASSERT_EQ(p.careerGames - games, MatchesPlayed(player)) << p.Name.str() << " (player " << player << ")";
        }
    }

private:
    int MatchesPlayed(int player) const
    {
        int matches = 0;
        for (std::size_t r = firstReport_; r < MatchReports.size(); ++r)
            for (int side = 0; side < 2; ++side)
                if (MatchReports[r].club[side] == club_)
                    matches += static_cast<int>(std::count(std::begin(MatchReports[r].startingEleven[side]),
                                                            std::end(MatchReports[r].startingEleven[side]), player));
        for (const TMatchEventEntry& e : ReportEvents)
            if (e.match >= static_cast<int>(firstReport_) && e.club == club_ && e.second == player &&
                (e.code == meSubstitution || e.code == meInjurySubstitution))
                ++matches;
        return matches;
    }

    int club_;
    std::size_t firstReport_;
    std::map<int, int> start_;
};

class SeasonThroughHubLedgerTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(9, 0); }
    const test::QuickClock quickTicks_{test::kShortWaits};  // the match clock runs without waiting
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
    const CoachGamesCheck coachGames(humanClub);
    std::set<int> kindsPlayed;
    test::SeasonFromHubDriving driving;
    // The day's results: its elevens and interest are looked at before "Continuar" moves the
    // calendar on; the day's checks follow.
    driving.onResults = [&](TForm67&) {
        kindsPlayed.insert(Game.DayKind);
        checks.AtResults();
        coachGames.AtResults();
        return !HasFailure();
    };
    driving.afterDay = [&] {
        checks.AfterDay();
        return !HasFailure();
    };
    const test::SeasonFromHubTally tally = test::PlayToSeasonEnd(driving);
    ASSERT_FALSE(HasFailure()) << "day " << tally.days << " (calendar day " << Game.DayIndex << ")";
    ASSERT_TRUE(tally.reachedSeasonEnd) << tally.failure;
    // The season's last day had every fixture played once and one champion each; the summary has
    // turned into the next season.
    EXPECT_EQ(checks.SeasonsChecked(), 1);
    checks.AfterSeasonTurn();
    Game.InstantPlay = 0;
    test::CloseEveryForm();

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
