#pragma once
// Checks of a freshly built new game that every headless new-game test asks: players, squads and
// wages hold together, fixtures name real clubs, contracts start as the rules say, and a hash of
// the tables to compare two builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/draws/state_championship.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon::newgamecheck {

template <typename T>
inline void HashBytes(std::uint64_t& hash, const T* data, std::size_t count)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < count * sizeof(T); ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
}

inline std::uint64_t HashOfGame()
{
    std::uint64_t hash = 1469598103934665603ull;
    HashBytes(hash, &Game, 1);
    HashBytes(hash, Clubs.data(), Clubs.size());
    HashBytes(hash, Players.data(), Players.size());
    HashBytes(hash, Coaches.data(), Coaches.size());
    HashBytes(hash, Leagues.data(), Leagues.size());
    HashBytes(hash, NationalTeams.data(), NationalTeams.size());
    HashBytes(hash, ClubFinances.data(), ClubFinances.size());
    HashBytes(hash, Fixtures.data(), Fixtures.size());
    HashBytes(hash, Competitions.data(), Competitions.size());
    HashBytes(hash, StateChampionships.data(), StateChampionships.size());
    HashBytes(hash, MailMessages.data(), MailMessages.size());
    return hash;
}

inline bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

// Every player points at a real club and the clubs' squad counts, wages and wage bills agree with
// the players; every league and extra club has `squadOfEveryClub` players unless it is -1.
inline void ExpectSquadsConsistent(int squadOfEveryClub = -1)
{
    std::vector<int> counted(Clubs.size(), 0);
    EXPECT_EQ(Players[0].Club, -1);
    for (std::size_t p = 1; p < Players.size(); ++p) {
        ASSERT_TRUE(IsClub(Players[p].Club)) << "player " << p;
        ++counted[static_cast<std::size_t>(Players[p].Club)];
        EXPECT_GE(Players[p].Position, 0);
        EXPECT_LE(Players[p].Position, 4);
        EXPECT_GE(Players[p].Trait1, 0);
        EXPECT_LE(Players[p].Trait1, 13);
        EXPECT_GE(Players[p].Strength, 1);
        EXPECT_LE(Players[p].Strength, 100);
    }
    const int clubsWithAccounts = Game.LeagueClubCount + Game.ExtraClubCount;
    std::vector<std::int64_t> wageBills(Clubs.size(), 0);
    for (std::size_t p = 1; p < Players.size(); ++p) {
        const TPlayer& player = Players[p];
        if (player.Club >= clubsWithAccounts)
            continue;
        EXPECT_GE(player.wage, CurrencyFromUnits(500));
        EXPECT_GT(player.Value, 0);
        EXPECT_EQ(player.wage % kCurrencyScale, 0);
        // Only the computer clubs put their surplus reserves on the market.
        if (Clubs[player.Club].IsHuman) {
            EXPECT_EQ(player.ListedForSale, 0);
        }
        wageBills[static_cast<std::size_t>(player.Club)] += CurrencyUnits(player.wage);
    }
    for (int c = 0; c < clubsWithAccounts; ++c) {
        EXPECT_EQ(ClubFinances[c].weeklyWageBill, wageBills[static_cast<std::size_t>(c)]);
        EXPECT_EQ(Clubs[c].squadSize, counted[static_cast<std::size_t>(c)]) << Clubs[c].name.str();
        if (squadOfEveryClub >= 0) {
            EXPECT_EQ(counted[static_cast<std::size_t>(c)], squadOfEveryClub) << Clubs[c].name.str();
        }
        EXPECT_EQ(Clubs[c].coach, c);
        EXPECT_EQ(Coaches[c].club, c);
        EXPECT_EQ(Clubs[c].boardConfidence, 100);
    }
    EXPECT_EQ(ClubFinances.size(), Clubs.size());
}

// League fixtures name real clubs of the league; other fixtures hold a real club or an undrawn -1.
inline void ExpectFixturesName(const std::vector<int>& kindsWithBothClubs)
{
    ASSERT_FALSE(Fixtures.empty());
    for (const TFixture& f : Fixtures) {
        const bool drawn = std::find(kindsWithBothClubs.begin(), kindsWithBothClubs.end(), f.kind) !=
                           kindsWithBothClubs.end();
        if (drawn) {
            EXPECT_TRUE(IsClub(f.home) && IsClub(f.away)) << "kind " << f.kind << " round " << f.round;
            EXPECT_NE(f.home, f.away);
        } else {
            EXPECT_TRUE(f.home == -1 || IsClub(f.home));
            EXPECT_TRUE(f.away == -1 || IsClub(f.away));
        }
    }
}

// Every contract ends a whole number of weeks, 10 to 39, after the first match day.
inline void ExpectStartingContracts()
{
    const TDateTime today = TodayDate();
    ASSERT_GT(today, 0);
    for (std::size_t p = 1; p < Players.size(); ++p) {
        const TPlayer& player = Players[p];
        const double weeks = (player.ContractEnd - today) / 7.0;
        EXPECT_EQ(weeks, std::floor(weeks));
        EXPECT_GE(weeks, 10);
        EXPECT_LE(weeks, 39);
    }
}

inline std::vector<TCompetition> CompetitionsOf(std::initializer_list<TCompetition> list) { return list; }

inline bool SameCompetitions(const std::vector<TCompetition>& a, const std::vector<TCompetition>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const TCompetition& x, const TCompetition& y) {
               return x.kind == y.kind && x.firstKey == y.firstKey && x.secondKey == y.secondKey;
           });
}

}  // namespace tarvelon::newgamecheck
