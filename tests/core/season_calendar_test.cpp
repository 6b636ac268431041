#include <gtest/gtest.h>

#include <map>

#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/season_test_setup.h"

namespace tarvelon {
namespace {

void SetUpSeason(int season, int leagueFormat)
{
    SetUpSeasonGame(season, leagueFormat);
}

std::map<int, int> DaysPerKind()
{
    std::map<int, int> count;
    for (int day = 1; day <= kCalendarDays; ++day) ++count[Calendar[day].dayKind];
    return count;
}

TDateTime Date(int y, int m, int d)
{
    return EncodeDate(y, m, d);
}

TEST(Calendar, SeasonsOneToTwelveHaveTheirDaysAndTournaments)
{
    for (int format : {kDivisionsOf20, kDivisionsOf10}) {
        for (int season = 1; season <= 12; ++season) {
            SCOPED_TRACE(testing::Message() << "season " << season << " format " << format);
            SetUpSeason(season, format);
            const int year = 2009 + season;
            const bool twenty = format == kDivisionsOf20;

            // Wednesday, Thursday, Sunday, ..., 49 weeks from the first to the last day.
            EXPECT_EQ(DecodeDate(Calendar[1].date).year, year);
            EXPECT_LE(Calendar[1].date - Date(year, 1, 1), 6);
            for (int day = 1; day <= kCalendarDays; ++day) {
                EXPECT_EQ(Calendar[day].ordinal, day);
                const int expectedWeekday = day % 3 == 1 ? 4 : day % 3 == 2 ? 5 : 1;
                EXPECT_EQ(DayOfWeek(Calendar[day].date), expectedWeekday) << day;
            }
            EXPECT_EQ(Calendar[kCalendarDays].date - Calendar[1].date, 49 * 7);
            EXPECT_EQ(Calendar[kCalendarDays].dayKind, kNoMatchDay);

            std::map<int, int> days = DaysPerKind();
            EXPECT_EQ(days[kKindNationalLeague], twenty ? 38 : 18);
            EXPECT_EQ(days[kKindNationalCup], 10);
            EXPECT_EQ(days[kKindStateChampionship], 12);
            const bool continental = season >= 2;
            EXPECT_EQ(days[kKindFirstContinentalCup], continental ? 14 : 0);
            EXPECT_EQ(days[kKindClubWorldCup], continental ? 3 : 0);
            EXPECT_EQ(days[kKindSecondContinentalCup], continental ? 14 : 0);

            const bool worldCup = year % 4 == 2, copa = year % 4 == 3, euro = year % 4 == 0;
            EXPECT_EQ(IsWorldCupYear(), worldCup);
            EXPECT_EQ(IsCopaAmericaYear(), copa);
            EXPECT_EQ(IsEurocopaYear(), euro);
            EXPECT_EQ(days[kKindWorldCup], worldCup ? 7 : 0);
            EXPECT_EQ(days[kKindCopaAmerica], copa ? 6 : 0);
            EXPECT_EQ(days[kKindEurocopa], euro ? 6 : 0);
            // The seventh tournament day is a friendly day in the years of the smaller tournaments.
            const int friendlies = (twenty ? 9 : 18) + (copa || euro ? 1 : 0);
            EXPECT_EQ(days[kKindFriendlies], friendlies);
            EXPECT_EQ(Calendar[87].dayKind, worldCup ? kKindWorldCup : (copa || euro) ? kKindFriendlies : kNoMatchDay);
        }
    }
}

TEST(Calendar, FixedDaysOfBothTables)
{
    SetUpSeason(2, kDivisionsOf20);
    EXPECT_EQ(Calendar[36].dayKind, kKindNationalLeague);
    EXPECT_EQ(Calendar[144].dayKind, kKindNationalLeague);
    EXPECT_EQ(Calendar[43].dayKind, kKindNationalCup);
    EXPECT_EQ(Calendar[9].dayKind, kKindStateChampionship);
    EXPECT_EQ(Calendar[19].dayKind, kKindFirstContinentalCup);
    EXPECT_EQ(Calendar[145].dayKind, kKindClubWorldCup);
    EXPECT_EQ(Calendar[137].dayKind, kKindSecondContinentalCup);
    EXPECT_EQ(Calendar[3].dayKind, kKindFriendlies);
    EXPECT_EQ(Calendar[1].dayKind, kNoMatchDay);

    SetUpSeason(2, kDivisionsOf10);
    EXPECT_EQ(Calendar[45].dayKind, kKindNationalLeague);
    EXPECT_EQ(Calendar[36].dayKind, kKindStateChampionship);
    EXPECT_EQ(Calendar[34].dayKind, kKindNationalCup);
    EXPECT_EQ(Calendar[110].dayKind, kKindFirstContinentalCup);
    EXPECT_EQ(Calendar[144].dayKind, kKindClubWorldCup);
    EXPECT_EQ(Calendar[146].dayKind, kNoMatchDay);
    EXPECT_EQ(Calendar[22].dayKind, kKindSecondContinentalCup);
    EXPECT_EQ(Calendar[78].dayKind, kKindCopaAmerica);  // 2011
}

TEST(Calendar, DatesOfTheSecondSeason)
{
    SetUpSeason(2, kDivisionsOf20);  // 1 January 2011 is a Saturday
    EXPECT_EQ(Calendar[1].date, Date(2011, 1, 5));
    EXPECT_EQ(Calendar[2].date, Date(2011, 1, 6));
    EXPECT_EQ(Calendar[3].date, Date(2011, 1, 9));
    EXPECT_EQ(Calendar[148].date, Date(2011, 12, 14));
}

TEST(Calendar, AWednesdayNewYearIsTheFirstDay)
{
    SetUpSeason(5, kDivisionsOf20);  // 2014
    EXPECT_EQ(Calendar[1].date, Date(2014, 1, 1));
}

// The last calendar year (9999) and beyond: every date past it reads as 31/12/9999, whose weekday
// never changes, so the first day must be counted to, not stepped to. The calendar is built in
// finite time for the last season, the season after it and any season number.
TEST(Calendar, SeasonsAtAndBeyondTheLastYearAreBuiltAtOnce)
{
    SetUpSeason(9999 - 2009, kDivisionsOf20);
    EXPECT_EQ(DecodeDate(Calendar[1].date).year, 9999);
    EXPECT_EQ(DayOfWeek(Calendar[1].date), 4);
    for (int season : {9999 - 2009 + 1, 8000, 2147483647 - 2009, -2147483647 - 1}) {
        SCOPED_TRACE(season);
        SetUpSeason(season, kDivisionsOf10);
        for (int day = 2; day <= kCalendarDays; ++day)
            EXPECT_GT(Calendar[day].date, Calendar[day - 1].date) << day;
    }
}

TEST(Calendar, SwitchesLeaveTheirDaysFree)
{
    ResetGameState();
    Game.Season = 3;
    Game.LeagueFormat = kDivisionsOf20;
    BuildCalendar();  // every competition switched off: only friendlies and the league
    std::map<int, int> days = DaysPerKind();
    EXPECT_EQ(days[kKindFriendlies], 9);
    EXPECT_EQ(days[kKindNationalLeague], 38);
    EXPECT_EQ(days[kNoMatchDay], kCalendarDays - 47);

    Game.LeagueFormat = 0;  // unknown format: nothing is marked
    BuildCalendar();
    EXPECT_EQ(DaysPerKind()[kNoMatchDay], kCalendarDays);
}

TEST(Calendar, AdvancePassesFriendlyDaysWithoutFriendlies)
{
    SetUpSeason(2, kDivisionsOf20);  // 2011, a Copa América year: day 87 is a friendly day
    Game.DayIndex = 1;
    AdvanceToNextMatchDate();
    EXPECT_EQ(Game.DayIndex, 9);  // days 3 and 6 are friendly days without friendlies

    Game.DayIndex = 85;
    AdvanceToNextMatchDate();
    EXPECT_EQ(Game.DayIndex, 90);

    Friendlies.push_back(TFriendly{4, 5, 0, {}, Calendar[87].date});
    Game.DayIndex = 85;
    AdvanceToNextMatchDate();
    EXPECT_EQ(Game.DayIndex, 87);

    Friendlies.back().done = 1;  // a played friendly no longer holds the day
    Game.DayIndex = 85;
    AdvanceToNextMatchDate();
    EXPECT_EQ(Game.DayIndex, 90);
}

TEST(Calendar, AdvanceEndsTheSeasonOnTheLastDay)
{
    SetUpSeason(2, kDivisionsOf20);
    Game.DayIndex = 147;  // a club world cup day; day 148 carries nothing
    AdvanceToNextMatchDate();
    EXPECT_EQ(Game.DayIndex, 148);
    AdvanceToNextMatchDate();
    EXPECT_EQ(Game.DayIndex, 148);

    SetUpSeason(1, kDivisionsOf20);  // no club world cup in the first season
    Game.DayIndex = 144;
    AdvanceToNextMatchDate();
    EXPECT_EQ(Game.DayIndex, 148);
}

TEST(Friendlies, QueriesSeeOnlyPendingFriendliesOfTheDate)
{
    SetUpSeason(2, kDivisionsOf20);
    Clubs.resize(10);
    Clubs[7].IsHuman = 1;
    const TDateTime day3 = Calendar[3].date;
    Friendlies = {
        TFriendly{1, 2, 0, {}, day3},
        TFriendly{3, 7, 1, {}, day3},  // done
        TFriendly{4, 5, 0, {}, Calendar[6].date},
    };
    Game.DayIndex = 3;
    EXPECT_EQ(CountFriendliesToday(), 1);
    EXPECT_TRUE(AnyFriendlyOnDate(3));
    EXPECT_FALSE(AnyFriendlyOnDate(4));
    EXPECT_FALSE(HumanFriendlyOnDate(3));
    EXPECT_TRUE(ClubHasFriendlyOnDate(3, 2));
    EXPECT_FALSE(ClubHasFriendlyOnDate(3, 7));
    EXPECT_FALSE(ClubHasFriendlyOnDate(3, 4));
    EXPECT_TRUE(ClubHasFriendlyOnDate(6, 4));
    EXPECT_FALSE(AnyFriendlyOnDate(0));
    EXPECT_FALSE(AnyFriendlyOnDate(149));

    Friendlies.push_back(TFriendly{7, 1, 0, {}, day3});
    EXPECT_TRUE(HumanFriendlyOnDate(3));
    EXPECT_EQ(CountFriendliesToday(), 2);
}

TEST(Friendlies, CancellingLeavesDoneFriendliesAlone)
{
    Friendlies = {
        TFriendly{1, 2, 0, {}, 100},
        TFriendly{3, 1, 1, {}, 101},
        TFriendly{4, 5, 0, {}, 102},
    };
    CancelClubFriendlies(1);
    EXPECT_EQ(Friendlies[0].done, 1);
    EXPECT_EQ(Friendlies[0].home, -1);
    EXPECT_EQ(Friendlies[0].away, -1);
    EXPECT_EQ(Friendlies[1].home, 3);  // already played: untouched
    EXPECT_EQ(Friendlies[1].away, 1);
    EXPECT_EQ(Friendlies[2].done, 0);
    EXPECT_EQ(Friendlies[2].home, 4);
}

TEST(Friendlies, ANewGameEmptiesTheTable)
{
    Friendlies.assign(3, TFriendly{});
    ResetGameTables();
    EXPECT_TRUE(Friendlies.empty());
}

}  // namespace
}  // namespace tarvelon
