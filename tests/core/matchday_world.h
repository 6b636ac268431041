#pragma once
// A made-up league for matchday tests: clubs with full squads of generated players, one league
// played in their country, today's calendar day, the referees of the day and the computer line-ups.
#include <cstdint>
#include <string>
#include <vector>

#include "core/basics/datetime.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/match/computer_lineups.h"
#include "core/records/match_records.h"
#include "core/match/referees.h"
#include "core/matchday/matchday_driver.h"
#include "core/matchday/referee_table.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/test_world.h"

namespace tarvelon::matchdaytest {

inline constexpr int kCountry = 29;
inline constexpr int kKind = 1;  // league days
inline constexpr int kSquad = 22;

// Positions of a squad: 2 goalkeepers, 4 full backs, 4 centre backs, 7 midfielders, 5 forwards.
inline int SquadPosition(int i)
{
    static const int kPositions[kSquad] = {0, 1, 1, 2, 2, 3, 3, 3, 3, 4, 4, 0, 1, 1, 2, 2, 3, 3, 3, 4, 4, 4};
    return kPositions[i];
}

inline void AddPlayer(int club, int position)
{
    TPlayer p = testbuild::NumberedPlayer(club, position);
    p.Strength = 35 + Random(60);
    p.Age = 18 + Random(18);
    p.Side = Random(2);
    p.Trait1 = 4 + Random(8);
    p.Trait2 = 4 + Random(8);
    p.Energy = 70 + Random(31);
    p.LineupStatus = 1;
    p.Star = Random(10) == 0;
    Players.push_back(p);
}

// Builds `clubCount` clubs of one league and sets today to day 1 of the season (a league day).
inline void BuildWorld(int clubCount, std::uint32_t seed)
{
    RandSeed = seed;
    InstallDeterministicClock(seed);
    testbuild::StartEmptyGame(1, 4);
    Game.DayKind = kKind;
    Game.DayIndex = 1;
    Game.LeagueRound = 1;
    Game.LeagueTurn = 1;
    Game.LeagueClubCount = clubCount;
    for (int d = 1; d <= kCalendarDays; ++d)
        Calendar[d] = TCalendarEntry{d, EncodeDate(2010, 1, 3) + 7 * (d - 1), kKind};
    Leagues.assign(1, TLeague{});
    Leagues[0].country = kCountry;
    for (int c = 0; c < clubCount; ++c) {
        TClub& club = Clubs[testbuild::AppendClub(kCountry, 1, 1 + c % 25)];
        club.coach = -1;
        club.boardConfidence = 70;
        club.SupportersMood = 80;
        club.Place[kKind] = 1 + c % 10;
        for (int i = 0; i < kSquad; ++i)
            AddPlayer(c, SquadPosition(i));
    }
    FillReferees();
    DrawReferees();
}

// Computer line-ups and tactics of every club, then what the matchday preparation does last.
inline void PrepareLineups()
{
    Lineups.clear();
    LineupCount = 0;
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        BuildCpuLineup(c);
        ChooseCpuTactics(c);
    }
    ClampPlayerAttributes();
    ServeSuspensions();
}

// Club 2i at home to club 2i + 1.
inline std::vector<MatchdayFixture> PairedFixtures()
{
    std::vector<MatchdayFixture> fixtures;
    for (int c = 0; c + 1 < static_cast<int>(Clubs.size()); c += 2)
        fixtures.push_back(MatchdayFixture{1, c, c + 1});
    return fixtures;
}

// FNV-1a over 32-bit values.
struct Digest {
    std::uint64_t value = 1469598103934665603ull;
    void add(std::int64_t v)
    {
        for (int i = 0; i < 8; ++i) {
            value ^= static_cast<std::uint8_t>(v >> (8 * i));
            value *= 1099511628211ull;
        }
    }
};

}  // namespace tarvelon::matchdaytest
