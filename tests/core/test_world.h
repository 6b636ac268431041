#pragma once
// The pieces every made-up world of the core tests builds from: an empty game, a club with its row of
// accounts, a coach for a club, a league with empty places, a numbered player. Each world (matchday,
// economy, rollover, progression, draws, match engine, ...) sets the rest of the fields it needs; the
// pieces draw nothing from the game's generator, so a world's seeded draws stay its own.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "core/records/game_state.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon::testbuild {

// No game: the game state and every table emptied, no fixtures; season and league format set.
inline void StartEmptyGame(int season, int leagueFormat)
{
    ResetGameState();
    ResetGameTables();
    Fixtures.clear();
    Game.Season = season;
    Game.LeagueFormat = leagueFormat;
}

// Appends club "Clube <index>" of `country`, `division` and `level` with an empty row of accounts.
inline int AppendClub(int country, int division, int level)
{
    TClub club{};
    club.name.set("Clube " + std::to_string(Clubs.size()));
    club.Country = country;
    club.Division = division;
    club.Level = level;
    Clubs.push_back(club);
    ClubFinances.push_back(TClubFinance{});
    return static_cast<int>(Clubs.size()) - 1;
}

// Appends coach "Técnico <club>" in charge of `club` (the club's own coach field is the caller's).
inline int AppendCoachOf(int club)
{
    TCoach coach{};
    coach.name.set("Técnico " + std::to_string(club));
    coach.club = club;
    Coaches.push_back(coach);
    return static_cast<int>(Coaches.size()) - 1;
}

// A league of `country` with `divisions` divisions and every place of its divisions and final order
// empty (-1).
inline TLeague EmptyLeague(int country, int divisions)
{
    TLeague league{};
    for (auto& row : league.divisions)
        std::fill(std::begin(row), std::end(row), -1);
    for (auto& row : league.finalOrder)
        std::fill(std::begin(row), std::end(row), -1);
    league.country = country;
    league.divisionCount = divisions;
    return league;
}

// Player "Jogador <index it will have>" of `club` at `position`, in the ordinary mood; the caller
// sets the rest and appends it.
inline TPlayer NumberedPlayer(int club, int position)
{
    TPlayer p{};
    p.Name.set("Jogador " + std::to_string(Players.size()));
    p.Club = club;
    p.Position = position;
    p.Morale = 2;
    return p;
}

inline int AppendPlayer(const TPlayer& p)
{
    Players.push_back(p);
    return static_cast<int>(Players.size()) - 1;
}

// Money in the game: every club's cash.
inline Currency TotalCash()
{
    Currency total = 0;
    for (const TClub& club : Clubs)
        total += club.cash;
    return total;
}

}  // namespace tarvelon::testbuild
