#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "core/draws/state_championship.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "tests/core/season_test_setup.h"

namespace tarvelon {
namespace {

// One league of `divisions` divisions of `size` clubs, clubs numbered 0, 1, ... division by division.
void SetUpLeague(int format, int divisions, int season = 2)
{
    SetUpSeasonGame(season, format);
    const int size = format == kDivisionsOf20 ? 20 : 10;
    TLeague league;
    for (auto& division : league.divisions)
        for (auto& club : division) club = -1;
    for (int d = 0; d < divisions; ++d)
        for (int s = 0; s < size; ++s) league.divisions[d][s] = d * size + s;
    league.country = 29;
    league.divisionCount = divisions;
    league.clubCount = divisions * size;
    Leagues.push_back(league);
}

// Each club plays once in each (leg, round); every pair of a division meets once at each ground;
// the second turn is the first with home and away swapped; leg 1 round r on D(r), leg 2 on D(R + r).
void ExpectDoubleRoundRobins(int size, int divisions, int rounds)
{
    const int matches = size / 2;
    ASSERT_EQ(Fixtures.size(), static_cast<std::size_t>(2 * rounds * divisions * matches));
    const std::vector<TDateTime> days = CompetitionDates(kKindNationalLeague);
    std::map<std::pair<int, int>, std::set<int>> clubsOfRound;
    std::set<std::pair<int, int>> meetings;
    const std::size_t half = Fixtures.size() / 2;
    for (std::size_t i = 0; i < Fixtures.size(); ++i) {
        const TFixture& f = Fixtures[i];
        const int leg = static_cast<int>(i / half) + 1;
        const int round = static_cast<int>(i % half) / (divisions * matches) + 1;
        EXPECT_EQ(f.kind, kKindNationalLeague);
        EXPECT_EQ(f.leg, leg);
        EXPECT_EQ(f.round, round);
        EXPECT_EQ(f.region, 0);
        EXPECT_EQ(f.bracketSlot, -1);
        EXPECT_EQ(f.played, 0);
        EXPECT_EQ(f.home / size, f.away / size) << "same division";
        EXPECT_EQ(f.date, days[static_cast<std::size_t>((leg - 1) * rounds + round - 1)]);
        std::set<int>& playing = clubsOfRound[std::make_pair(leg, round)];
        EXPECT_TRUE(playing.insert(f.home).second);
        EXPECT_TRUE(playing.insert(f.away).second);
        EXPECT_TRUE(meetings.insert({f.home, f.away}).second);
        if (leg == 1) {
            const TFixture& back = Fixtures[i + half];
            EXPECT_EQ(back.home, f.away);
            EXPECT_EQ(back.away, f.home);
            EXPECT_EQ(back.round, f.round);
        }
    }
    for (const auto& [key, clubs] : clubsOfRound) EXPECT_EQ(clubs.size(), static_cast<std::size_t>(size * divisions));
    EXPECT_EQ(meetings.size(), static_cast<std::size_t>(divisions * size * (size - 1)));
}

TEST(LeagueFixtures, FourDivisionsOfTwenty)
{
    SetUpLeague(kDivisionsOf20, 4);
    BuildCompetitionFixtures(kKindNationalLeague, 0);
    EXPECT_EQ(Fixtures.size(), 1520u);
    ExpectDoubleRoundRobins(20, 4, 19);
    // Appended leg by leg, round by round, division by division, in the table's match order.
    EXPECT_EQ(Fixtures[0].home, 0);
    EXPECT_EQ(Fixtures[0].away, 19);
    EXPECT_EQ(Fixtures[10].home, 20);
    EXPECT_EQ(Fixtures[10].away, 39);
    EXPECT_EQ(Fixtures[40].home, 19);  // round 2 opens with 20-11
    EXPECT_EQ(Fixtures[40].away, 10);
}

TEST(LeagueFixtures, DivisionsOfTen)
{
    SetUpLeague(kDivisionsOf10, 4);
    BuildCompetitionFixtures(kKindNationalLeague, 0);
    ExpectDoubleRoundRobins(10, 4, 9);

    SetUpLeague(kDivisionsOf10, 2);
    BuildCompetitionFixtures(kKindNationalLeague, 0);
    ExpectDoubleRoundRobins(10, 2, 9);
}

TEST(LeagueFixtures, UnknownLeaguesAndFormatsBuildNothing)
{
    SetUpLeague(kDivisionsOf20, 1);
    BuildCompetitionFixtures(kKindNationalLeague, 1);
    BuildCompetitionFixtures(kKindNationalLeague, -1);
    BuildCompetitionFixtures(kKindClubWorldCup, 0);
    BuildCompetitionFixtures(kKindFriendlies, 0);
    EXPECT_TRUE(Fixtures.empty());
    Game.LeagueFormat = 3;
    BuildCompetitionFixtures(kKindNationalLeague, 0);
    EXPECT_TRUE(Fixtures.empty());
}

TEST(LeagueFixtures, EmptyPlacesMakeNoMatch)
{
    SetUpLeague(kDivisionsOf20, 1);
    Leagues[0].divisions[0][19] = -1;  // place 20 empty: its one match of every round goes
    BuildCompetitionFixtures(kKindNationalLeague, 0);
    EXPECT_EQ(Fixtures.size(), static_cast<std::size_t>(2 * 19 * 9));
    for (const TFixture& f : Fixtures) {
        EXPECT_GE(f.home, 0);
        EXPECT_GE(f.away, 0);
    }
}

TEST(FourthDivision, BuiltOnTheLeagueDaysOfDivisionsOfTwenty)
{
    SetUpLeague(kDivisionsOf20, 4);
    BuildFourthDivisionFixtures(0);
    ASSERT_EQ(Fixtures.size(), 380u);
    const std::vector<TDateTime> days = CompetitionDates(kKindNationalLeague);
    for (std::size_t i = 0; i < Fixtures.size(); ++i) {
        const TFixture& f = Fixtures[i];
        EXPECT_GE(f.home, 60);
        EXPECT_GE(f.away, 60);
        EXPECT_EQ(f.date, days[static_cast<std::size_t>((f.leg - 1) * 19 + f.round - 1)]);
    }
    EXPECT_EQ(Fixtures.back().date, days[37]);
}

TEST(FourthDivision, NotBuiltOnTheShortCalendarOfDivisionsOfTen)
{
    // The second leg would read league days 19 to 38, which divisions of 10 do not have.
    SetUpLeague(kDivisionsOf10, 4);
    BuildFourthDivisionFixtures(0);
    EXPECT_TRUE(Fixtures.empty());
}

struct CupShape {
    int format;
    int divisions;
    bool thirtyTwo;
};

TEST(NationalCup, FirstStageOnlyWithThirtyTwoClubs)
{
    for (CupShape shape : {CupShape{kDivisionsOf20, 4, true}, CupShape{kDivisionsOf20, 2, true},
                           CupShape{kDivisionsOf20, 1, false}, CupShape{kDivisionsOf10, 3, true},
                           CupShape{kDivisionsOf10, 2, false}}) {
        SCOPED_TRACE(testing::Message() << shape.format << "/" << shape.divisions);
        SetUpLeague(shape.format, shape.divisions);
        BuildCompetitionFixtures(kKindNationalCup, 0);
        const std::vector<TDateTime> days = CompetitionDates(kKindNationalCup);
        ASSERT_EQ(days.size(), 10u);
        ASSERT_EQ(Fixtures.size(), shape.thirtyTwo ? 62u : 30u);
        int slot = 31;
        for (std::size_t i = 0; i < Fixtures.size(); i += 2) {
            const TFixture& first = Fixtures[i];
            const TFixture& second = Fixtures[i + 1];
            EXPECT_EQ(first.home, -1);
            EXPECT_EQ(first.away, -1);
            EXPECT_EQ(first.kind, kKindNationalCup);
            EXPECT_EQ(first.region, 0);
            EXPECT_EQ(first.bracketSlot, slot);
            EXPECT_EQ(second.bracketSlot, slot);
            EXPECT_EQ(second.leg, first.leg);  // the tie number; the legs differ only in their date
            EXPECT_EQ(second.round, first.round);
            EXPECT_EQ(first.date, days[static_cast<std::size_t>(2 * first.round - 2)]);
            EXPECT_EQ(second.date, days[static_cast<std::size_t>(2 * first.round - 1)]);
            --slot;
        }
        EXPECT_EQ(slot, shape.thirtyTwo ? 0 : 16);
        EXPECT_EQ(FindFixture(0, kKindNationalCup, 1) >= 0, shape.thirtyTwo);
        const int firstOfStage2 = FindFixture(0, kKindNationalCup, 2);
        EXPECT_EQ(firstOfStage2, shape.thirtyTwo ? 32 : 0);
        EXPECT_EQ(Fixtures[static_cast<std::size_t>(firstOfStage2)].leg, 1);
        EXPECT_EQ(Fixtures[static_cast<std::size_t>(firstOfStage2)].date, days[2]);  // third cup day
        EXPECT_EQ(Fixtures.back().round, 5);
    }
}

TEST(StateChampionship, PlayedTiersGetTheirRoundRobins)
{
    SetUpLeague(kDivisionsOf20, 1);
    TStateChampionship& state = StateChampionships[4];
    state = TStateChampionship{};
    int club = 100;
    for (auto& tier : state.groups)
        for (auto& place : tier) place = club++;
    state.groupCount = 2;           // tiers 1 and 2 are played, tier 3 is the reserve
    state.groups[1][5] = -1;         // a tier one club short
    BuildCompetitionFixtures(kKindStateChampionship, 4);
    const std::vector<TDateTime> days = CompetitionDates(kKindStateChampionship);
    EXPECT_EQ(Fixtures.size(), static_cast<std::size_t>(2 * 5 * 3 + 2 * 5 * 2));
    std::map<std::pair<int, int>, int> games;
    for (const TFixture& f : Fixtures) {
        EXPECT_EQ(f.kind, kKindStateChampionship);
        EXPECT_EQ(f.region, 4);
        EXPECT_LT(f.home, 112);  // nobody of the reserve tier plays
        EXPECT_GE(f.away, 100);
        EXPECT_EQ(f.date, days[static_cast<std::size_t>((f.leg - 1) * 5 + f.round - 1)]);
        ++games[{f.leg, f.home}];
        ++games[{f.leg, f.away}];
    }
    EXPECT_EQ(games[std::make_pair(1, 100)], 5);
    EXPECT_EQ(games[std::make_pair(2, 110)], 4);  // misses the match against the empty place
    BuildCompetitionFixtures(kKindStateChampionship, 27);
    BuildCompetitionFixtures(kKindStateChampionship, -1);
    EXPECT_EQ(Fixtures.size(), 50u);
}

void FillContinentalGroups()
{
    int club = 0;
    for (auto& table : Game.ContinentalGroups)
        for (auto& group : table)
            for (auto& place : group) place = club++;
}

TEST(ContinentalCups, GroupsAndKnockoutRoundsOfBothRegions)
{
    for (int kind : {kKindFirstContinentalCup, kKindSecondContinentalCup}) {
        SCOPED_TRACE(kind);
        SetUpLeague(kDivisionsOf20, 1);
        FillContinentalGroups();
        BuildCompetitionFixtures(kind, -1);
        const std::vector<TDateTime> days = CompetitionDates(kind);
        ASSERT_EQ(days.size(), 14u);
        ASSERT_EQ(Fixtures.size(), 2u * 8 * 2 * 3 * 2 + 2u * 15 * 2);
        for (std::size_t i = 0; i < 192; ++i) {
            const TFixture& f = Fixtures[i];
            const int region = i < 96 ? kRegionSouthAmerica : kRegionEurope;
            const auto& groups = Game.ContinentalGroups[ContinentalGroupTable(kind, region)];
            const int group = static_cast<int>(i % 96) / 12;
            EXPECT_EQ(f.region, region);
            EXPECT_EQ(f.kind, kind);
            EXPECT_NE(std::find(std::begin(groups[group]), std::end(groups[group]), f.home), std::end(groups[group]));
            EXPECT_NE(std::find(std::begin(groups[group]), std::end(groups[group]), f.away), std::end(groups[group]));
            EXPECT_EQ(f.date, days[static_cast<std::size_t>((f.leg - 1) * 3 + f.round - 1)]);
        }
        // Group 1 of South America: 1-2 and 3-4 open the first leg.
        EXPECT_EQ(Fixtures[0].home, Game.ContinentalGroups[ContinentalGroupTable(kind, 1)][0][0]);
        EXPECT_EQ(Fixtures[0].away, Game.ContinentalGroups[ContinentalGroupTable(kind, 1)][0][1]);
        std::map<std::pair<int, int>, int> ties;
        for (std::size_t i = 192; i < Fixtures.size(); ++i) {
            const TFixture& f = Fixtures[i];
            EXPECT_EQ(f.home, -1);
            EXPECT_EQ(f.away, -1);
            EXPECT_EQ(f.bracketSlot, -1);
            EXPECT_EQ(f.region, i < 222 ? kRegionSouthAmerica : kRegionEurope);
            EXPECT_EQ(f.date, days[static_cast<std::size_t>(2 * f.round - 2 + f.leg - 1)]);
            ++ties[{f.region, f.round}];
        }
        EXPECT_EQ((ties[{1, 4}]), 16);
        EXPECT_EQ((ties[{2, 5}]), 8);
        EXPECT_EQ((ties[{2, 7}]), 2);
    }
}

TEST(ContinentalCups, UndatedWithoutContinentalDaysAndNoMatchForEmptyPlaces)
{
    SetUpLeague(kDivisionsOf20, 1, 1);  // the first season has no continental days
    FillContinentalGroups();
    Game.ContinentalGroups[ContinentalGroupTable(kKindFirstContinentalCup, 2)][7][3] = -1;
    BuildCompetitionFixtures(kKindFirstContinentalCup, -1);
    EXPECT_EQ(Fixtures.size(), 192u - 6u + 60u);
    for (const TFixture& f : Fixtures) EXPECT_EQ(f.date, 0);
}

TEST(FixtureTable, AppendSetAndFind)
{
    ResetGameTables();
    EXPECT_EQ(FindFixture(0, kKindNationalLeague, 1), -1);
    EXPECT_EQ(FindClubFixtureOnDate(3, 40000), -1);

    EXPECT_EQ(AppendFixture(3, 4, -1, kKindFriendlies, -1, -1, -1, 40000), 0);
    SetFixture(2, 5, 3, 7, kKindNationalLeague, 0, 2, -1);
    Fixtures[1].date = 40003;
    ASSERT_EQ(Fixtures.size(), 2u);
    EXPECT_EQ(Fixtures[0].date, 40000);
    EXPECT_EQ(Fixtures[0].kind, kKindFriendlies);
    EXPECT_EQ(Fixtures[1].round, 7);
    EXPECT_EQ(Fixtures[1].leg, 2);

    EXPECT_EQ(FindFixture(0, kKindNationalLeague, 7), 1);
    EXPECT_EQ(FindFixture(0, kKindNationalLeague, 6), -1);
    EXPECT_EQ(FindFixture(1, kKindNationalLeague, 7), -1);
    EXPECT_EQ(FindClubFixtureOnDate(3, 40000), 0);
    EXPECT_EQ(FindClubFixtureOnDate(3, 40003), 1);
    EXPECT_EQ(FindClubFixtureOnDate(3, 40001), -1);  // dates compare exactly
    EXPECT_EQ(FindClubFixtureOnDate(4, 40003), -1);

    SetFixture(0, 1, 2, 1, 1, 0, 1, -1);  // no record 0: nothing happens
    EXPECT_EQ(Fixtures.size(), 2u);
    ResetGameTables();
    EXPECT_TRUE(Fixtures.empty());
}

}  // namespace
}  // namespace tarvelon
