// The per-club lists of players and the season-line lookup stay equal to a walk over their tables
// through everything that moves players between clubs (computer transfers, loans lent, returned,
// cancelled and bought, youths replacing retired players, the season's ageing and retirements, the
// national call-ups and their end) and through a history that grows, changes season and is replaced.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/ai_market.h"
#include "core/economy/loans.h"
#include "core/economy/transfers.h"
#include "core/economy/youth.h"
#include "core/records/history_records.h"
#include "core/history/season_lines.h"
#include "core/matchday_rules/standings.h"
#include "core/progression/calendar_advance.h"
#include "core/rollover/player_ageing.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

std::vector<int> WalkOfClub(int club)
{
    std::vector<int> found;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club == club)
            found.push_back(p);
    return found;
}

// Every club's list (and the free players') is looked at, so that a stale one would be kept.
void LookAtEveryClub()
{
    for (int c = -1; c < static_cast<int>(Clubs.size()); ++c)
        PlayersOfClub(c);
}

void ExpectEveryClubAsWalked(const char* after)
{
    for (int c = -1; c < static_cast<int>(Clubs.size()); ++c)
        ASSERT_EQ(PlayersOfClub(c), WalkOfClub(c)) << "club " << c << " after " << after;
}

void LendSomeone()
{
    const int owner = Random(Game.LeagueClubCount);
    const int holder = Random(Game.LeagueClubCount);
    if (owner == holder)
        return;
    for (int p : WalkOfClub(owner)) {
        if (Players[p].loanStatus == 0 && FindOpenLoan(p) < 0 && Random(3) == 0) {
            const TDateTime end = TodayDate() + 7 * (1 + Random(6));
            AddLoan(p, owner, end);
            LoanPlayer(p, holder, end);
            return;
        }
    }
}

// An open loan's player, or 0.
int SomeLoanedPlayer()
{
    for (const TLoan& loan : Loans)
        if (loan.player > 0 && Random(2) == 0)
            return loan.player;
    return 0;
}

TEST(ClubRosters, StayEqualToAWalkThroughASeasonOfMoves)
{
    testworld::Build({{29, 2}, {104, 2}}, 4, testworld::MixedSeed(7));
    const int lastClub = static_cast<int>(Clubs.size()) - 1;
    const std::vector<std::pair<const char*, std::function<void()>>> moves = {
        {"computer transfers", [] { MakeAiTransfer(Random(2) ? -1 : 29); }},
        {"a similar player bought", [] { BuySimilarPlayer(Random(Game.LeagueClubCount), Random(5), 40 + Random(40), 50'000'000); }},
        {"a loan", LendSomeone},
        {"loans returned", [] { ReturnExpiredLoans(TodayDate()); }},
        {"a loan cancelled", [] { CancelLoan(SomeLoanedPlayer()); }},
        {"a loaned player bought", [] { BuyLoanedPlayer(SomeLoanedPlayer()); }},
        {"a youth", [] { CreateYouthReplacement(1 + Random(static_cast<int>(Players.size()) - 1), "", -1); }},
        {"a national call-up", [lastClub] { CallUpCpuNationalSquad(29, lastClub); }},
        {"the call-ups' end", EndTournamentCallUps},
    };
    int moved = 0;
    for (int round = 1; round <= 40; ++round) {
        Game.DayIndex = 1 + round * 3;
        for (const auto& [name, move] : moves) {
            LookAtEveryClub();
            const std::vector<TPlayer> before = Players;
            move();
            for (std::size_t p = 1; p < before.size(); ++p)
                moved += before[p].Club != Players[p].Club;
            ExpectEveryClubAsWalked(name);
        }
    }
    LookAtEveryClub();
    AgeAndRetirePlayers();
    ExpectEveryClubAsWalked("the season's retirements");
    EXPECT_GT(moved, 200);  // the season really moved players around
}

TEST(ClubRosters, FollowANewTableAndDamagedClubNumbers)
{
    testworld::Build({{29, 1}}, 4, 99);
    LookAtEveryClub();
    testworld::Build({{104, 1}, {29, 1}}, 4, 100);  // a new game: more players, other clubs
    ExpectEveryClubAsWalked("a new game");

    Players[3].Club = 70000;  // beyond the lists: answered by a walk
    Players[4].Club = -5;
    PlayerClubsChanged();
    EXPECT_EQ(PlayersOfClub(70000), std::vector<int>{3});
    EXPECT_EQ(PlayersOfClub(-5), std::vector<int>{4});
    ExpectEveryClubAsWalked("damaged club numbers");
}

TEST(ClubRosters, TwoClubsAreVisitedInIndexOrderEachPlayerOnce)
{
    testworld::Build({{29, 1}}, 4, 5);
    TransferPlayer(WalkOfClub(2).back(), 1, 0);
    std::vector<int> expected;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club == 1 || Players[p].Club == 2)
            expected.push_back(p);
    std::vector<int> visited;
    ForEachPlayerOfClubs(2, 1, [&](int p) { visited.push_back(p); });
    EXPECT_EQ(visited, expected);

    visited.clear();
    ForEachPlayerOfClubs(1, 1, [&](int p) { visited.push_back(p); });
    EXPECT_EQ(visited, WalkOfClub(1));

    visited.clear();
    Players[5].Club = -1;
    PlayerClubsChanged();
    ForEachPlayerOfClubs(-1, -1, [&](int p) { visited.push_back(p); });  // no club: nobody
    EXPECT_TRUE(visited.empty());
}

int WalkForLine(int player, int season, int club)
{
    for (std::size_t i = 0; i < PlayerSeasonStats.size(); ++i) {
        const TPlayerSeasonStats& s = PlayerSeasonStats[i];
        if (s.player == player && s.season == season && s.club == club)
            return static_cast<int>(i);
    }
    return -1;
}

TEST(SeasonLines, LookupEqualsAWalkAsTheHistoryGrowsAndChanges)
{
    ResetGameTables();
    RandSeed = 4242;
    // Three seasons of lines, a player's line found again or added, as a season's games do.
    for (int season = 1; season <= 3; ++season) {
        for (int i = 0; i < 400; ++i) {
            const int player = 1 + Random(60);
            const int club = Random(5);
            const int found = FindSeasonLine(player, season, club);
            ASSERT_EQ(found, WalkForLine(player, season, club));
            if (found < 0)
                PlayerSeasonStats.push_back(TPlayerSeasonStats{player, 0, 0, 0, 1, 0, season, club});
            // An older season asked now and then: its first lines are found too.
            const int old = 1 + Random(season);
            ASSERT_EQ(FindSeasonLine(player, old, club), WalkForLine(player, old, club));
        }
    }
    // A duplicate line later in the table: the first one is the line.
    PlayerSeasonStats.push_back(PlayerSeasonStats[5]);
    const TPlayerSeasonStats& dup = PlayerSeasonStats.back();
    EXPECT_EQ(FindSeasonLine(dup.player, dup.season, dup.club), 5);

    // The table replaced (a loaded game) with lines at other places.
    std::vector<TPlayerSeasonStats> loaded(PlayerSeasonStats.rbegin(), PlayerSeasonStats.rend());
    PlayerSeasonStats = loaded;
    HistoryTablesChanged();
    for (const TPlayerSeasonStats& s : loaded)
        ASSERT_EQ(FindSeasonLine(s.player, s.season, s.club), WalkForLine(s.player, s.season, s.club));

    // A shorter table and an emptied one.
    PlayerSeasonStats.resize(10);
    EXPECT_EQ(FindSeasonLine(loaded[20].player, loaded[20].season, loaded[20].club),
              WalkForLine(loaded[20].player, loaded[20].season, loaded[20].club));
    ResetGameTables();
    EXPECT_EQ(FindSeasonLine(loaded[0].player, loaded[0].season, loaded[0].club), -1);
}

TEST(SeasonLines, GoalTalliesFoundAsAWalkFindsThem)
{
    ResetGameTables();
    RandSeed = 77;
    const auto walk = [](const std::vector<TGoalTally>& tallies, int player, int competition) {
        for (std::size_t i = 0; i < tallies.size(); ++i)
            if (tallies[i].player == player && tallies[i].competition == competition)
                return static_cast<int>(i);
        return -1;
    };
    for (int i = 0; i < 3000; ++i) {
        std::vector<TGoalTally>& tallies = Random(2) ? GoalTallies : AllTimeGoalTallies;
        const int player = 1 + Random(200);
        const int competition = Random(12);
        const int found = FindGoalTally(tallies, player, competition);
        ASSERT_EQ(found, walk(tallies, player, competition));
        if (found < 0)
            tallies.push_back(TGoalTally{player, 1, competition, Random(9)});
        else
            tallies[found].goals += 1;
        if (i == 1500)
            GoalTallies.clear();  // a new season's tallies
    }
    // Another table of tallies is walked.
    std::vector<TGoalTally> other = {{4, 1, 2, 0}, {4, 1, 3, 0}};
    EXPECT_EQ(FindGoalTally(other, 4, 3), 1);
    EXPECT_EQ(FindGoalTally(other, 5, 3), -1);
}

}  // namespace
}  // namespace tarvelon
