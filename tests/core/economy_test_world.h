#pragma once
// A small synthetic game for the economy and career tests: a few leagues of full divisions, each
// club with a coach and a squad of 25, values and wages computed, squads counted, accounts opened.
#include <cstdint>
#include <vector>

#include "core/basics/random.h"
#include "core/career/career_state.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/test_world.h"

namespace tarvelon::testworld {

struct LeagueLayout {
    int country;
    int divisions;
};

// Positions of the 25 squad places, mixed so that a shorter squad keeps every position: 3
// goalkeepers, 5 full backs, 5 centre backs, 7 midfielders, 5 forwards in all 25.
inline int SquadPosition(int slot)
{
    static constexpr int kPositions[25] = {0, 1, 2, 3, 4, 3, 1, 2, 4, 3, 0, 1, 2, 3, 4, 3, 1, 2, 4, 3, 0, 3, 1, 2, 4};
    return kPositions[slot % 25];
}

// A well-spread seed for run number `n` of a seeded loop (plain small seeds make the first draws of
// the game's generator all small).
inline std::uint32_t MixedSeed(std::uint32_t n)
{
    std::uint32_t x = n * 0x9E3779B9u + 1;
    x ^= x >> 16;
    x *= 0x85EBCA6Bu;
    x ^= x >> 13;
    x *= 0xC2B2AE35u;
    x ^= x >> 16;
    return x;
}

inline int AddPlayer(int club, int slot)
{
    TPlayer p = testbuild::NumberedPlayer(club, SquadPosition(slot));
    p.nationality = Clubs[club].Country;
    p.Strength = 30 + Clubs[club].Level + Random(30);
    p.Age = 18 + Random(17);
    p.Star = slot % 11 == 5 ? 1 : 0;
    p.LineupStatus = slot < 11 ? 1 : 0;
    p.Trait1 = p.Position == 0 ? 0 : 4 + slot % 10;
    p.Energy = 100;
    const int index = testbuild::AppendPlayer(p);
    Players[index].Value = CurrencyFromUnits(ComputePlayerValue(index));
    Players[index].wage = CurrencyFromUnits(ComputePlayerWage(index));
    Players[index].AskingPrice = Players[index].Value;
    SetContractWeeks(10 + Random(30), index);
    return index;
}

inline int AddClub(int country, int division, int level)
{
    const int index = testbuild::AppendClub(country, division, level);
    TClub& club = Clubs[index];
    club.cash = CurrencyFromUnits(5'000'000);
    club.boardConfidence = 100;
    club.SupportersMood = 100;

    const int coachIndex = testbuild::AppendCoachOf(index);
    TCoach& coach = Coaches[coachIndex];
    coach.lastClub = -1;
    coach.division = division;
    coach.country = country;
    coach.active = 1;
    club.coach = coachIndex;
    return index;
}

inline void AddFreeCoach(int country, int division)
{
    TCoach coach{};
    coach.name.set("Livre " + std::to_string(Coaches.size()));
    coach.club = -1;
    coach.lastClub = -1;
    coach.country = country;
    coach.division = division;
    Coaches.push_back(coach);
}

inline void FinishClubs()
{
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        RecountSquad(c);
        RecalcClubWageBill(c);
    }
}

// Every league: `divisions` divisions of 20 (format 2) or 10 (format 4) clubs, plus two regional
// clubs; levels fall with the division. Coaches: one per club and two free ones per league.
// With `mixedSquads` club c has 20 + c % 6 players instead of 25.
inline void Build(const std::vector<LeagueLayout>& leagues, int format = 4, std::uint32_t seed = 12345, bool mixedSquads = false)
{
    testbuild::StartEmptyGame(1, format);
    ResetCoachChange();
    ClearJobOffers();
    RandSeed = seed;
    Game.saveVersion = kSaveVersion;
    Game.LeagueRound = 1;
    Game.LeagueTurn = 1;
    Game.DayKind = 1;
    Game.CurrentHumanClub = -1;
    Game.CurrentHumanCoach = -1;
    for (int s = 0; s < 6; ++s) {
        Game.HumanClubs[s] = -1;
        Game.HumanCoachSlots[s] = -1;
    }
    BuildCalendar();
    Game.DayIndex = 1;
    for (int row = 0; row < kTicketPriceRows; ++row)
        TicketPrices[row] = DefaultTicketPrices[row];

    const int size = format == 2 ? 20 : 10;
    for (const LeagueLayout& layout : leagues) {
        TLeague league = testbuild::EmptyLeague(layout.country, layout.divisions);
        for (int d = 1; d <= layout.divisions; ++d) {
            for (int s = 0; s < size; ++s) {
                const int club = AddClub(layout.country, d, 22 - 4 * d + (s < 3 ? 2 : 0));
                league.divisions[d - 1][s] = club;
                league.finalOrder[d - 1][s] = club;
                Clubs[club].Place[1] = s + 1;
            }
        }
        AddClub(layout.country, 0, 5);
        AddClub(layout.country, 0, 4);
        league.clubCount = layout.divisions * size + 2;
        Leagues.push_back(league);
        AddFreeCoach(layout.country, 1);
        AddFreeCoach(layout.country, 2);
    }
    Game.LeagueClubCount = static_cast<int>(Clubs.size());
    for (int club = 0; club < Game.LeagueClubCount; ++club) {
        const int squad = mixedSquads ? 20 + club % 6 : 25;
        for (int slot = 0; slot < squad; ++slot)
            AddPlayer(club, slot);
    }
    FinishClubs();
}

// Makes the club's coach human and the club human-run, in the first free slots.
inline void MakeHuman(int club)
{
    const int coach = Clubs[club].coach;
    Coaches[coach].human = 1;
    Clubs[club].IsHuman = 1;
    for (int s = 0; s < 6; ++s) {
        if (Game.HumanClubs[s] == -1) {
            Game.HumanClubs[s] = club;
            Game.HumanCoachSlots[s] = coach;
            ++Game.HumanClubCount;
            break;
        }
    }
    Game.CurrentHumanClub = club;
    Game.CurrentHumanCoach = coach;
}

// Money in the game: every club's cash, in whole units.
inline std::int64_t TotalCash()
{
    std::int64_t total = 0;
    for (const TClub& club : Clubs)
        total += CurrencyUnits(club.cash);
    return total;
}

}  // namespace tarvelon::testworld
