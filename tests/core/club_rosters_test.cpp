// The per-club lists of players and the season-line lookup stay equal to a walk over their tables
// through everything that moves players between clubs (computer transfers, loans lent, returned,
// cancelled and bought, youths replacing retired players, the season's ageing and retirements, the
// national call-ups and their end) and through a history that grows, changes season and is replaced.
#include <gtest/gtest.h>

#include <array>

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

std::vector<int> WalkOfPlayersWithAClub()
{
    std::vector<int> found;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club >= 0)
            found.push_back(p);
    return found;
}

void ExpectEveryClubAsWalked(const char* after)
{
    for (int c = -1; c < static_cast<int>(Clubs.size()); ++c)
        ASSERT_EQ(PlayersOfClub(c), WalkOfClub(c)) << "club " << c << " after " << after;
    ASSERT_EQ(PlayersWithAClub(), WalkOfPlayersWithAClub()) << "after " << after;
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

TEST(ClubRosters, MendedAfterOneMoveAndMadeAgainWhenAMoveIsToldWrong)
{
    testworld::Build({{29, 1}}, 4, 101);
    LookAtEveryClub();
    const int mover = PlayersOfClub(1).front();
    const auto move = [mover](int to, int toldFrom, const char* what) {
        Players[mover].Club = to;
        PlayerClubChanged(mover, toldFrom);
        ExpectEveryClubAsWalked(what);
    };
    move(2, 1, "a transfer");
    move(-1, 2, "a release");
    move(3, -1, "a signing");
    move(1, 2, "a move told with the wrong club");
    move(70000, 1, "a damaged club number");
    move(1, 70000, "a repaired club number");
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

// The first row of `table` whose key (person, season, club) is `key`, by a walk.
template <typename Record, typename KeyOf>
int FirstByWalk(const std::vector<Record>& table, KeyOf keyOf, const std::array<int, 3>& key)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (keyOf(table[i]) == key)
            return static_cast<int>(i);
    return -1;
}

// Grows a history table season by season as the games do: a person's row of a club asked for and
// added when missing, an older season asked now and then. `find(person, season, club)` must answer
// as a walk does every time.
template <typename Record, typename KeyOf, typename Find, typename DrawPerson, typename MakeRow>
void GrowAndCompareWithWalks(std::vector<Record>& table, int seasons, int asks, int clubs, KeyOf keyOf, Find find,
                             DrawPerson drawPerson, MakeRow makeRow)
{
    for (int season = 1; season <= seasons; ++season) {
        for (int i = 0; i < asks; ++i) {
            const int person = drawPerson();
            const int club = Random(clubs);
            const int found = find(person, season, club);
            ASSERT_EQ(found, FirstByWalk(table, keyOf, {person, season, club}));
            if (found < 0)
                table.push_back(makeRow(person, season, club));
            const int old = 1 + Random(season);
            ASSERT_EQ(find(person, old, club), FirstByWalk(table, keyOf, {person, old, club}));
        }
    }
}

std::array<int, 3> KeyOfTallyPlayer(const TGoalTally& t) { return {t.player, 0, 0}; }

std::array<int, 3> KeyOfLine(const TPlayerSeasonStats& s) { return {s.player, s.season, s.club}; }

int WalkForLine(int player, int season, int club) { return FirstByWalk(PlayerSeasonStats, KeyOfLine, {player, season, club}); }

TEST(SeasonLines, LookupEqualsAWalkAsTheHistoryGrowsAndChanges)
{
    ResetGameTables();
    RandSeed = 4242;
    GrowAndCompareWithWalks(PlayerSeasonStats, 3, 400, 5, KeyOfLine, FindSeasonLine, [] { return 1 + Random(60); },
                            [](int player, int season, int club) {
                                return TPlayerSeasonStats{player, 0, 0, 0, 1, 0, season, club};
                            });
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

// Each season's keys are kept apart; a saved game may still hold lines of any season number (none,
// negative, far beyond a game's length), and those are found as a walk finds them too.
TEST(SeasonLines, LinesOfUnusualSeasonsFoundAsAWalkFindsThem)
{
    ResetGameTables();
    RandSeed = 515;
    const int seasons[] = {0, -1, -70000, 1, 2, 1023, 1024, 1025, 70000, 2147483647};
    for (int i = 0; i < 600; ++i) {
        const int player = 1 + Random(40);
        const int season = seasons[Random(10)];
        const int club = Random(3);
        const int found = FindSeasonLine(player, season, club);
        ASSERT_EQ(found, WalkForLine(player, season, club)) << "season " << season;
        if (found < 0 || Random(4) == 0)  // now and then a later duplicate: the first line stays the line
            PlayerSeasonStats.push_back(TPlayerSeasonStats{player, 0, 0, 0, 1, 0, season, club});
    }
    for (const TPlayerSeasonStats& s : PlayerSeasonStats)
        ASSERT_EQ(FindSeasonLine(s.player, s.season, s.club), WalkForLine(s.player, s.season, s.club));
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
        ASSERT_EQ(FindFirstAllTimeTally(player), FirstByWalk(AllTimeGoalTallies, KeyOfTallyPlayer, {player, 0, 0}));
        if (found < 0)
            tallies.push_back(TGoalTally{player, 1, competition, Random(9)});
        else
            tallies[found].goals += 1;
        if (i == 1500)
            GoalTallies.clear();  // a new season's tallies
        if (i == 2200)
            AllTimeGoalTallies.clear();  // as the season's turn does
    }
    // Another table of tallies is walked.
    std::vector<TGoalTally> other = {{4, 1, 2, 0}, {4, 1, 3, 0}};
    EXPECT_EQ(FindGoalTally(other, 4, 3), 1);
    EXPECT_EQ(FindGoalTally(other, 5, 3), -1);
}

// A coach's rows grow a season at a time, some with no coach (-1) or a national team's coach
// number; each is found as a walk finds it, in the tenth season as in the first.
TEST(SeasonLines, CoachSeasonRowsFoundAsAWalkFindsThem)
{
    ResetGameTables();
    RandSeed = 909;
    const auto keyOf = [](const TCoachSeason& s) { return std::array<int, 3>{s.coach, s.season, s.club}; };
    const auto find = [](int coach, int season, int club) { return FindCoachSeasonRow(coach, club, season); };
    const auto drawCoach = [] { return Random(10) == 0 ? -1 : (Random(10) == 0 ? 5000 + Random(3) : Random(80)); };
    GrowAndCompareWithWalks(CoachSeasons, 10, 300, 40, keyOf, find, drawCoach, [](int coach, int season, int club) {
        return TCoachSeason{coach, 1, 0, 0, 0, 0, club, season};
    });
    std::vector<TCoachSeason> loaded(CoachSeasons.rbegin(), CoachSeasons.rend());
    CoachSeasons = loaded;
    HistoryTablesChanged();
    for (const TCoachSeason& s : loaded)
        ASSERT_EQ(FindCoachSeasonRow(s.coach, s.club, s.season), FirstByWalk(CoachSeasons, keyOf, {s.coach, s.season, s.club}));
}

}  // namespace
}  // namespace tarvelon
