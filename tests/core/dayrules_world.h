#pragma once
// A made-up game for the matchday-rules tests: one league of two divisions of ten clubs with full
// squads, stadiums, ticket prices, accounts and coaches, a weekly calendar of Sundays, and helpers
// to put fixtures on today's date, play the day through the driver and check what it booked.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/records/history_records.h"
#include "core/match/match_flags.h"
#include "core/records/match_records.h"
#include "core/matchday/matchday_driver.h"
#include "core/records/matchday_globals.h"
#include "core/records/game_records.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "tests/core/matchday_world.h"

namespace tarvelon::dayrules {

inline constexpr int kDivisionSize = 10;

inline TDateTime DayDate(int day) { return EncodeDate(2010, 1, 3) + 7 * (day - 1); }  // Sundays

// Stadium of club c: four sectors of different sizes, priced at its division's reference.
inline void BuildStadium(int c)
{
    TClub& club = Clubs[c];
    club.Stadium.set("Estádio " + std::to_string(c));
    const std::int32_t seats[4] = {8000 + 500 * (c % 7), 25000 + 1000 * (c % 5), 3000, 600};
    for (int s = 0; s < 4; ++s) {
        club.SectorSeats[s] = seats[s];
        club.SectorPrices[s] = TicketPrices[club.Division].sectors[s];
    }
}

// `clubCount` clubs (a multiple of ten), divisions of ten, coach i runs club i.
inline void BuildDayWorld(int clubCount, std::uint32_t seed)
{
    matchdaytest::BuildWorld(clubCount, seed);
    TicketPrices = DefaultTicketPrices;
    Game.LeagueFormat = kDivisionsOf10;
    Game.TickIntervalHuman = 800;
    Game.TickIntervalCpu = 100;
    for (int d = 1; d <= kCalendarDays; ++d)
        Calendar[d] = TCalendarEntry{d, DayDate(d), kNoMatchDay};
    TLeague& league = Leagues[0];
    league.divisionCount = clubCount / kDivisionSize;
    league.clubCount = clubCount;
    for (int c = 0; c < clubCount; ++c) {
        TClub& club = Clubs[c];
        club.Division = 1 + c / kDivisionSize;
        club.State = c % 3 == 0 ? 25 : 18;
        club.stateGroup = 1 + (c / 6) % 4;
        club.coach = testbuild::AppendCoachOf(c);
        league.divisions[club.Division - 1][c % kDivisionSize] = c;
        BuildStadium(c);
        ClubFinances[c].weeklyWageBill = 1000 + 10 * c;
    }
    CurrentLeague = 0;
    CurrentState = 0;
    SilentMatchday = false;
}

// Today is calendar day `day`, a day of competition kind `kind`.
inline void SetToday(int day, int kind)
{
    Game.DayIndex = day;
    Game.DayKind = kind;
    Calendar[day].dayKind = kind;
}

inline int AddFixtureToday(int home, int away, int kind, int region, int round = 1, int leg = 1)
{
    return AppendFixture(home, away, round, kind, region, leg, -1, TodayDate());
}

inline void PlayAllTicks()
{
    for (int tick = 1; tick <= kLastMatchdayTick; ++tick)
        PlayMatchdayTick(tick);
}

using testbuild::TotalCash;

// The standings of kind `kind` add up: points are three a win and one a draw, and the goals scored
// in the table are the goals conceded in it.
inline void ExpectTableAddsUp(int kind)
{
    std::int64_t goalsFor = 0;
    std::int64_t goalsAgainst = 0;
    for (const TClub& club : Clubs) {
        const int draws = club.Played[kind] - club.Won[kind] - club.Lost[kind];
        EXPECT_GE(draws, 0);
        EXPECT_EQ(club.Points[kind], 3 * club.Won[kind] + draws) << club.name.str();
        goalsFor += club.GoalsFor[kind];
        goalsAgainst += club.GoalsAgainst[kind];
    }
    EXPECT_EQ(goalsFor, goalsAgainst);
}

}  // namespace tarvelon::dayrules
