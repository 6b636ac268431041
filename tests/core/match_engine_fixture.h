#pragma once
// A small synthetic game for the match engine tests: a few clubs with full squads made in code,
// line-ups built by the computer line-up routine, matches played tick by tick.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/match/computer_lineups.h"
#include "core/match/engine_step.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_day.h"
#include "core/match/match_flags.h"
#include "core/records/match_records.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "tests/core/test_world.h"

namespace tarvelon::testing {

// Positions of a 22-man squad: 3 keepers, 4 full backs, 5 centre backs, 6 midfielders, 4 forwards.
inline int SquadPosition(int i)
{
    static const int positions[22] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4};
    return positions[i % 22];
}

inline TPlayer MakePlayer(int club, int position, int strength, int age, int side)
{
    TPlayer p = testbuild::NumberedPlayer(club, position);
    p.Strength = strength;
    p.Age = age;
    p.Side = side;
    p.Energy = 100;
    p.Trait1 = 4 + static_cast<int>(Players.size() % 10);
    p.Trait2 = 4 + static_cast<int>((Players.size() * 7) % 10);
    return p;
}

inline int AddPlayer(const TPlayer& p)
{
    return testbuild::AppendPlayer(p);
}

inline int AddClub(const std::string& name, bool human = false)
{
    TClub c{};
    c.name.set(name);
    c.IsHuman = human ? 1 : 0;
    c.Division = 1;
    c.Level = 10;
    c.LineupIndex = -1;
    c.SetPieceTaker = -1;
    Clubs.push_back(c);
    return static_cast<int>(Clubs.size()) - 1;
}

// A club with a full squad of 22, strengths drawn around `level` from the game's generator.
inline int AddClubWithSquad(const std::string& name, int level, bool human = false)
{
    int club = AddClub(name, human);
    for (int i = 0; i < 22; ++i) {
        TPlayer p = MakePlayer(club, SquadPosition(i), level - 10 + Random(21), 18 + Random(17), i % 2);
        p.LineupStatus = i < 11 ? 1 : 0;
        AddPlayer(p);
    }
    return club;
}

// Referees 1..42: 25 national (pool 29), then 17 international (pool 1).
inline void FillTestReferees()
{
    RefereeNames.clear();
    for (int r = 1; r <= kRefereeCount; ++r) {
        RefereeNames.push_back("Árbitro " + std::to_string(r));
        Referees[r] = arbitro_{r - 1, 3 + r % 3, 2 + r % 4, r <= 25 ? kRefereePoolNational : kRefereePoolInternational};
    }
    for (int m = 0; m < 12; ++m)
        Game.MatchReferees[m] = m + 1;
}

// A fresh game: no clubs, no players, league day, season 1; deterministic clock and generator.
inline void ResetTestGame(std::uint32_t seed)
{
    testbuild::StartEmptyGame(1, 0);
    Game.DayKind = 1;
    Game.DayIndex = 1;
    SilentMatchday = true;
    DebugTrace = false;
    PlayTraceText.clear();
    EventTraceText.clear();
    Hooks().penaltyDialog = nullptr;
    Hooks().injurySubstitutionDialog = nullptr;
    InstallDeterministicClock(seed);
    RandSeed = seed;
    FillTestReferees();
}

// An empty line-up appended to Lineups; returns its index.
inline int AddEmptyLineup()
{
    Lineups.push_back(TLineup{});
    LineupCount = static_cast<int>(Lineups.size());
    return LineupCount - 1;
}

// Puts a player on the pitch at starter place k (1..11) and pitch slot `slot`.
inline void PlaceStarter(int lineup, int k, int player, int slot)
{
    Lineups[lineup].starters[k - 1] = player;
    Lineups[lineup].pitchSlots[k - 1] = slot;
    Players[player].OnPitch = 1;
}

// A player of no club in particular, for hand-made line-ups.
inline int AddTestPlayer(int position, int strength, int energy = 100, int age = 25, int club = 0)
{
    TPlayer p = MakePlayer(club, position, strength, age, 0);
    p.Energy = energy;
    return AddPlayer(p);
}

// Builds line-ups for every club and kicks off matches (0 v 1), (2 v 3), ...
inline void KickOffPairs()
{
    ClearMatchdayTables();
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c)
        BuildCpuLineup(c);
    int matches = static_cast<int>(Clubs.size()) / 2;
    ResetMatchday(matches);
    for (int m = 1; m <= matches; ++m)
        KickOffMatch(m, 0, 2 * (m - 1), 2 * (m - 1) + 1);
}

// Plays the whole matchday as the driver does: ticks 1..190, after tick 182 only the matches
// whose end tick is not below the clock tick. `afterStep` sees every step's result.
template <typename AfterStep>
void PlayMatchday(AfterStep afterStep)
{
    for (int tick = 1; tick <= 190; ++tick)
        for (int m = 1; m <= MatchCount; ++m)
            if (tick <= 182 || Matches[m].endTick >= tick)
                afterStep(m, MatchStep(m));
}

inline void PlayMatchday()
{
    PlayMatchday([](int, int) {});
}

}  // namespace tarvelon::testing

