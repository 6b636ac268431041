#pragma once
// A small made-up game for the read-only views: six Brazilian clubs of São Paulo in one league of
// two divisions of ten (three clubs each are enough for the lists), a few players, in season 2.
#include <string>

#include "core/draws/state_championship.h"
#include "core/records/history_records.h"
#include "core/history/season_lines.h"
#include "core/records/match_records.h"
#include "core/records/appearance_records.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon::viewsworld {

inline constexpr int kBrazil = 29;
inline constexpr int kSaoPaulo = 25;
inline const char* const kClubNames[] = {"Aurora", "Brisa", "Cedro", "Duna", "Eira", "Fonte"};

inline int AddPlayer(const std::string& name, int club, int position)
{
    TPlayer p{};
    p.Name.set(name);
    p.Club = club;
    p.Position = position;
    Players.push_back(p);
    return static_cast<int>(Players.size()) - 1;
}

inline TFixture MakeFixture(int kind, int region, int round, int leg, int home, int away, TDateTime date)
{
    TFixture f;
    f.kind = kind;
    f.region = region;
    f.round = round;
    f.leg = leg;
    f.home = home;
    f.away = away;
    f.date = date;
    return f;
}

inline void Play(TFixture& f, int homeGoals, int awayGoals, int attendance, int gate)
{
    f.played = 1;
    f.homeGoals = homeGoals;
    f.awayGoals = awayGoals;
    f.attendance = attendance;
    f.gate = gate;
}

inline void Build()
{
    ResetGameTables();
    ResetGameState();
    EnsurePlayerElementZero();
    Game.Season = 2;
    Game.LeagueFormat = 4;
    Game.nationalCupOn = 1;
    Game.StateChampionshipsOn = 1;
    Game.firstContinentalPairOn = 1;
    Game.LeagueClubCount = 6;
    for (const char* name : kClubNames) {
        TClub club{};
        club.name.set(name);
        club.Country = kBrazil;
        club.State = kSaoPaulo;
        club.Stadium.set(std::string("Estádio ") + name);
        club.coach = -1;
        Clubs.push_back(club);
    }
    TLeague league{};
    league.country = kBrazil;
    league.divisionCount = 2;
    Leagues.push_back(league);
    Competitions = {TCompetition{}, {1, kBrazil, 1}, {1, kBrazil, 2}, {2, kBrazil, -1}, {3, kSaoPaulo, 1},
                    {4, -1, 1}, {4, -1, 0}};
    HistoryTablesChanged();
}

}  // namespace tarvelon::viewsworld
