// The booking of one result: standings, coaches' lines, mails, money, statistics and recovery, by
// the rules of each competition kind, on matches written by hand.
#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/squad_rules.h"
#include "core/records/history_records.h"
#include "core/match/match_day.h"
#include "core/matchday/result_effects.h"
#include "core/matchday_rules/end_of_matchday.h"
#include "core/matchday_rules/match_stats.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/standings.h"
#include "tests/core/dayrules_world.h"

namespace tarvelon {
namespace {

using namespace dayrules;

class Booking : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildDayWorld(20, 99);
        ResetMatchday(1);
    }

    // Match 1 of the day: home 0 against away 1 with this score and gate.
    void Score(int homeGoals, int awayGoals, int gate = 0)
    {
        Matches[1].club[0] = 0;
        Matches[1].club[1] = 1;
        Matches[1].lineup[0] = Matches[1].lineup[1] = -1;
        Matches[1].goals[0] = homeGoals;
        Matches[1].goals[1] = awayGoals;
        Matches[1].gate = gate;
    }

    const TCoachSeason* LineOf(int coach)
    {
        for (const TCoachSeason& line : CoachSeasons)
            if (line.coach == coach)
                return &line;
        return nullptr;
    }
};

TEST_F(Booking, AKnockoutDrawOfTheFirstContinentalCupChangesNoTableButPaysRankingPoints)
{
    Game.FirstContinentalStage = 4;
    ApplyResultToStandings(kKindFirstContinentalCup, 0, 1, 1, 1);
    EXPECT_EQ(Clubs[0].Played[kKindFirstContinentalCup], 0);
    ASSERT_NE(LineOf(0), nullptr);
    EXPECT_EQ(LineOf(0)->games, 1);
    EXPECT_EQ(LineOf(0)->rankingPoints, 3);
    EXPECT_EQ(LineOf(1)->rankingPoints, 4);
    EXPECT_EQ(Clubs[0].lastResult, 0);
    // in the groups the same draw counts in the table
    Game.FirstContinentalStage = 2;
    ApplyResultToStandings(kKindFirstContinentalCup, 0, 1, 1, 1);
    EXPECT_EQ(Clubs[0].Points[kKindFirstContinentalCup], 1);
    EXPECT_EQ(Clubs[1].GoalsAgainst[kKindFirstContinentalCup], 1);
}

TEST_F(Booking, LeagueResultsPayRankingPointsByDivision)
{
    Clubs[1].Division = 2;
    ApplyResultToStandings(kKindNationalLeague, 0, 0, 2, 1);  // the second-division club wins away
    EXPECT_EQ(LineOf(1)->wins, 1);
    EXPECT_EQ(LineOf(1)->rankingPoints, 4);
    EXPECT_EQ(LineOf(0)->losses, 1);
    EXPECT_EQ(Clubs[1].Points[kKindNationalLeague], 3);
    EXPECT_EQ(Clubs[1].lastResult, 1);
    EXPECT_EQ(Clubs[0].lastResult, 2);
    ApplyResultToStandings(kKindNationalLeague, 0, 3, 3, 1);  // draw: home by division 1, away by division 2
    EXPECT_EQ(LineOf(0)->rankingPoints, 3);
    EXPECT_EQ(LineOf(1)->rankingPoints, 4 + 3);
    // friendlies, the club world cup and national teams give no wins, losses or points
    ApplyResultToStandings(kKindClubWorldCup, 0, 5, 0, 1);
    EXPECT_EQ(LineOf(0)->wins, 0);
    EXPECT_EQ(LineOf(0)->games, 3);
}

TEST_F(Booking, HeavyDefeatsOfHumanClubs)
{
    Clubs[0].IsHuman = 1;
    Clubs[1].IsHuman = 1;
    ApplyResultToStandings(kKindNationalLeague, 0, 4, 0, 1);  // a human away side losing 0-4: no mail
    EXPECT_TRUE(MailMessages.empty());
    EXPECT_EQ(Clubs[1].heavyDefeat, 0);
    ApplyResultToStandings(kKindNationalLeague, 0, 5, 0, 1);
    ASSERT_EQ(MailMessages.size(), 1u);
    EXPECT_EQ(MailMessages[0].recipientClub, 1);
    EXPECT_EQ(Clubs[1].heavyDefeat, 1);
    ApplyResultToStandings(kKindNationalLeague, 0, 9, 0, 1);
    EXPECT_EQ(Clubs[1].heavyDefeat, 3);
    ApplyResultToStandings(kKindNationalLeague, 0, 0, 4, 1);  // at home 0-4 is already heavy
    EXPECT_EQ(Clubs[0].heavyDefeat, 1);
    ApplyResultToStandings(kKindNationalLeague, 0, 1, 8, 1);
    EXPECT_EQ(Clubs[0].heavyDefeat, 4);
    EXPECT_EQ(MailMessages.size(), 4u);
}

TEST_F(Booking, WagesOnSundaysOfTablesAndOnTheFirstFriendlyDays)
{
    SetToday(9, kKindFriendlies);
    Score(1, 0);
    BookMatchResult(1, kKindFriendlies);
    EXPECT_EQ(ClubFinances[0].wagesPaid, 1000);
    EXPECT_EQ(Clubs[1].cash, -CurrencyFromUnits(1010));
    SetToday(10, kKindFriendlies);
    BookMatchResult(1, kKindFriendlies);
    EXPECT_EQ(ClubFinances[0].wagesPaid, 1000);
    // a league day on a Saturday pays nothing
    SetToday(11, kKindNationalLeague);
    Calendar[11].date -= 1;
    BookMatchResult(1, kKindNationalLeague);
    EXPECT_EQ(ClubFinances[0].wagesPaid, 1000);
    EXPECT_EQ(PastMatches.size(), 3u);
}

// Every player of club 0 on the largest wage a saved game holds (10^15, 10^11 whole units): the
// weekly bill of the squad, past 2^31 units, is held in its 32-bit field, and a Sunday pays the whole
// of it, not the held figure (nor, as the bill once wrapped round, a wrong one).
TEST_F(Booking, AWageBillPast32BitsIsPaidWhole)
{
    constexpr Currency kLargestWage = 1'000'000'000'000'000;
    std::int64_t squad = 0;
    for (int p : PlayersOfClub(0)) {
        Players[p].wage = kLargestWage;
        ++squad;
    }
    ASSERT_GT(squad, 1);
    RecalcClubWageBill(0);
    EXPECT_EQ(ClubFinances[0].weeklyWageBill, INT32_MAX);
    ClubFinances[0].wagesPaid = 0;
    SetToday(5, kKindNationalLeague);
    Score(1, 0);
    const Currency before = Clubs[0].cash;
    BookMatchResult(1, kKindNationalLeague);
    EXPECT_EQ(before - Clubs[0].cash, squad * kLargestWage);
    EXPECT_EQ(ClubFinances[0].wagesPaid, INT32_MAX);
    // The other club's bill, inside its field, is paid as it stands.
    EXPECT_EQ(ClubFinances[1].wagesPaid, ClubFinances[1].weeklyWageBill);
}

TEST_F(Booking, GatesAndLoanInterest)
{
    SetToday(3, kKindNationalCup);
    Score(0, 0, 7);
    BookMatchResult(1, kKindNationalCup);
    EXPECT_EQ(ClubFinances[0].ticketIncome, 3);
    EXPECT_EQ(ClubFinances[1].ticketIncome, 3);
    EXPECT_EQ(Clubs[0].cash, CurrencyFromUnits(3));
    SetToday(4, kKindWorldCup);
    BookMatchResult(1, kKindWorldCup);
    EXPECT_EQ(ClubFinances[0].ticketIncome, 3);
    EXPECT_EQ(PastMatches.size(), 1u);  // national-team matches stay out of the head-to-head archive
    SetToday(5, kKindNationalLeague);
    ClubFinances[0].bankLoan = 1050;
    ClubFinances[0].loanInterest = 999;  // the interest of the season's earlier weeks
    const Currency before = Clubs[0].cash;
    BookMatchResult(1, kKindNationalLeague);
    EXPECT_EQ(ClubFinances[0].loanInterest, 999 + 32);  // round(31.5) to even, added to the season's
    EXPECT_EQ(Clubs[0].cash - before, CurrencyFromUnits(7 - 1000 - 32));
    EXPECT_EQ(ClubFinances[0].ticketIncome, 10);
    EXPECT_EQ(ClubFinances[1].loanInterest, 0);
    // A week later the account has both weeks: what the accounts show is what the cash lost.
    Calendar[5].date += 7;
    const Currency weekBefore = Clubs[0].cash;
    BookMatchResult(1, kKindNationalLeague);
    EXPECT_EQ(ClubFinances[0].loanInterest, 999 + 32 + 32);
    EXPECT_EQ(Clubs[0].cash - weekBefore, CurrencyFromUnits(7 - 1000 - 32));
}

TEST_F(Booking, AllTimeTalliesAndTheBench)
{
    SetToday(5, kKindStateChampionship);
    matchdaytest::PrepareLineups();
    Score(2, 2);
    Matches[1].lineup[0] = Clubs[0].LineupIndex;
    Matches[1].lineup[1] = Clubs[1].LineupIndex;
    BookMatchResult(1, kKindStateChampionship);
    EXPECT_EQ(Clubs[0].allTimeRecord[2][kAllTimePoints], 1);
    EXPECT_EQ(Clubs[1].allTimeRecord[2][kAllTimeGoalsAgainst], 2);
    for (int s = 0; s < 7; ++s)
        EXPECT_EQ(Lineups[Clubs[1].LineupIndex].bench[s], 0);
    Score(0, 3);
    BookMatchResult(1, kKindStateChampionship);
    EXPECT_EQ(Clubs[1].allTimeRecord[2][kAllTimePoints], 4);
    EXPECT_EQ(Clubs[1].allTimeRecord[2][kAllTimeGoalsFor], 5);
    BookMatchResult(1, kKindFriendlies);
    EXPECT_EQ(Clubs[1].allTimeRecord[2][kAllTimePoints], 4);
}

TEST_F(Booking, StatisticsTouchUpAndThePossessionShare)
{
    Score(0, 0);
    Matches[1].possession[0] = 100;
    Matches[1].possession[1] = 50;
    Clubs[1].PlayingStyle = 2;
    TouchUpMatchStatistics(1);
    EXPECT_EQ(Matches[1].possession[0], 100);  // a draw: nobody lost
    EXPECT_EQ(Matches[1].possession[1], 35);   // counter-attack: 70 %
    EXPECT_EQ(Matches[1].shots[0], 1);
    Score(0, 1);
    Matches[1].possession[0] = 45;
    Matches[1].possession[1] = 10;
    Matches[1].shots[0] = 4;
    TouchUpMatchStatistics(1);
    EXPECT_EQ(Matches[1].possession[0], 40);  // round(40.5) to even
    EXPECT_EQ(Matches[1].possession[1], 7);
    EXPECT_EQ(Matches[1].shots[0], 4);
    EXPECT_EQ(PossessionShare(0, 0), 50);
    EXPECT_EQ(PossessionShare(1, 3), 25);
    EXPECT_EQ(PossessionShare(1, 2), 33);
    EXPECT_EQ(PossessionShare(7, 0), 100);
}

TEST_F(Booking, RecoveryByAgePositionAndWhetherThePlayerPlayed)
{
    Score(1, 1);
    Clubs[1].IsHuman = 1;
    auto first = [](int club) {
        for (int p = 1; p < static_cast<int>(Players.size()); ++p)
            if (Players[p].Club == club)
                return p;
        return 0;
    };
    const int keeper = first(1);  // positions start with a goalkeeper
    const int outfield = keeper + 1;
    const int rested = keeper + 2;
    const int other = first(2);
    ASSERT_EQ(Players[keeper].Position, 0);
    auto set = [](int p, int age, int energy, bool played, bool star) {
        Players[p].Age = age;
        Players[p].Energy = energy;
        Players[p].PlayedThisRound = played;
        Players[p].Star = star;
    };
    set(keeper, 30, 50, true, false);
    set(outfield, 50, 50, true, true);
    set(rested, 26, 10, false, false);
    set(other, 20, 10, false, false);
    RecoverMatchPlayers(1);
    EXPECT_EQ(Players[keeper].Energy, 60);
    EXPECT_EQ(Players[outfield].Energy, 93);
    EXPECT_EQ(Players[rested].Energy, 50);
    EXPECT_EQ(Players[keeper].PlayedThisRound, 0);
    EXPECT_EQ(Players[other].Energy, 10);  // his club did not play
    // a computer club's exhausted player is brought back to 20..39; nobody passes 100
    const int cpu = first(0);
    set(cpu, 80, -40, false, false);
    set(cpu + 1, 20, 99, true, true);
    PostMatchRecovery(cpu);
    PostMatchRecovery(cpu + 1);
    EXPECT_GE(Players[cpu].Energy, 20);
    EXPECT_LT(Players[cpu].Energy, 40);
    EXPECT_EQ(Players[cpu + 1].Energy, 100);
}

TEST_F(Booking, BoardConfidenceStaysWithinItsRangeAfterEveryResult)
{
    SetToday(6, kKindNationalLeague);
    MatchdayDayIndex = 6;
    Game.LeagueFormat = kDivisionsOf20;
    for (int i = 0; i < 400; ++i) {
        const int home = Random(20);
        const int away = (home + 1 + Random(19)) % 20;
        Clubs[home].boardConfidence = Random(2) ? 0 : 100;
        Clubs[home].cash = Random(2) ? -1 : 1;
        Clubs[home].Place[kKindNationalLeague] = 1 + Random(20);
        const int f = AddFixtureToday(home, away, kKindNationalLeague, 0);
        Fixtures[f].homeGoals = Random(6);
        Fixtures[f].awayGoals = Random(6);
        Fixtures[f].played = 1;
    }
    UpdateMoraleForDay(kKindNationalLeague);
    for (const TClub& club : Clubs) {
        EXPECT_GE(club.boardConfidence, 0);
        EXPECT_LE(club.boardConfidence, 100);
        EXPECT_GE(club.SupportersMood, 0);
        EXPECT_LE(club.SupportersMood, 100);
    }
}

}  // namespace
}  // namespace tarvelon
