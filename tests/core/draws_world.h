#pragma once
// A synthetic world for the draw tests, made in code: Brazil with four divisions of 20 (and regional
// clubs spread over the states), Argentina with two divisions of 20, guest clubs for the other
// countries of the continental cups and the club world cup, and national teams for the tournaments.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/draws/continental_cups.h"
#include "core/draws/club_world_cup.h"
#include "core/records/cup_tie.h"
#include "core/draws/draw_services.h"
#include "core/draws/league_setup.h"
#include "core/draws/qualifiers.h"
#include "core/draws/state_championship.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "tests/core/test_world.h"

namespace tarvelon::drawtest {

constexpr int kBrazil = 29;
constexpr int kArgentina = 11;
constexpr int kBrazilClubs = 110;    // 80 in four divisions of 20, 30 regional
constexpr int kArgentineClubs = 45;  // two divisions of 20, 5 regional

// State of the i-th Brazilian club: SP 30 clubs, RJ 13, RS 12, PR 8, BA 6, MG 5, the rest spread
// thinly over the other states (none of them reaching six).
inline int BrazilianState(int i)
{
    if (i < 30) return 25;
    if (i < 43) return 18;
    if (i < 55) return 22;
    if (i < 63) return 17;
    if (i < 69) return 4;
    if (i < 74) return 10;
    static const int others[] = {0, 1, 2, 3, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 19, 20, 21, 23, 24, 26};
    return others[(i - 74) % 21];
}

inline TClubHeader MakeHeader(int country, int level, int state, const std::string& name)
{
    TClubHeader h{};
    h.country = static_cast<std::uint8_t>(country);
    h.playable = 1;
    h.formatValue = 10;
    h.level = static_cast<std::uint8_t>(level);
    h.state = static_cast<std::uint8_t>(state);
    h.shortName.set(name);
    h.fileName.set(name);
    h.crestName.set(name);
    return h;
}

inline void Catalogue(const TClubHeader& header, const std::string& file)
{
    CustomChampionshipClubs.push_back(header);
    CustomChampionshipFiles.push_back(file);
}

inline int AddLeague(int country)
{
    TLeague league{};
    league.country = country;
    Leagues.push_back(league);
    return static_cast<int>(Leagues.size()) - 1;
}

inline void AppendGuestClubs(int country, int count)
{
    for (int i = 0; i < count; ++i) {
        TClub club{};
        club.name.set("Guest " + std::to_string(country) + "-" + std::to_string(i));
        club.Country = country;
        club.Level = 25 - (i * 3) % 20;
        club.coach = -1;
        Clubs.push_back(club);
        ++Game.ExtraClubCount;
    }
}

inline void AppendNationalTeam(int country, int level)
{
    TClub club{};
    club.name.set("Nation " + std::to_string(country));
    club.Country = country;
    club.Level = level;
    club.coach = -1;
    club.State = static_cast<int>(NationalTeams.size());
    Clubs.push_back(club);
    TNationalTeam team{};
    team.country = country;
    team.confederation = country == 131 ? 4 : ConfederationOfCountry(country);
    team.level = level;
    team.clubEntry = static_cast<int>(Clubs.size()) - 1;
    NationalTeams.push_back(team);
}

// Empties every table and the game state; divisions of 20 unless told otherwise.
inline void ResetWorld(int season = 1, int leagueFormat = 2)
{
    testbuild::StartEmptyGame(season, leagueFormat);
    CustomChampionshipClubs.clear();
    CustomChampionshipFiles.clear();
    ClubFileNames.clear();
    Draws() = DrawServices{};
}

// Brazil and Argentina as played leagues, from a catalogue that also holds files a game never
// takes in (not playable, old format, no name).
inline void BuildLeagues()
{
    for (int i = 0; i < kBrazilClubs; ++i)
        Catalogue(MakeHeader(kBrazil, 1 + (i * 7) % 25, BrazilianState(i), "Brasil " + std::to_string(i)),
                  "br" + std::to_string(i) + ".tcf");
    for (int i = 0; i < kArgentineClubs; ++i)
        Catalogue(MakeHeader(kArgentina, 1 + (i * 11) % 25, 0, "Argentina " + std::to_string(i)),
                  "ar" + std::to_string(i) + ".tcf");
    TClubHeader unplayable = MakeHeader(kBrazil, 25, 25, "Fora");
    unplayable.playable = 0;
    Catalogue(unplayable, "fora.tcf");
    TClubHeader oldFormat = MakeHeader(kBrazil, 25, 25, "Antigo");
    oldFormat.formatValue = 9;
    Catalogue(oldFormat, "antigo.tcf");
    Catalogue(MakeHeader(kBrazil, 25, 25, ""), "semnome.tcf");

    AddCountryClubs(AddLeague(kBrazil), kBrazil);
    AddCountryClubs(AddLeague(kArgentina), kArgentina);
}

// Guest clubs of every country the continental cups and the club world cup draw from.
inline void BuildGuestClubs()
{
    for (int country : kSouthAmericanCountries)
        if (FindLeagueByCountry(country) < 0)
            AppendGuestClubs(country, 12);
    for (int country : kEuropeanCountries)
        AppendGuestClubs(country, 10);
    for (int country : kClubWorldCupCountries)
        if (country != 131)
            AppendGuestClubs(country, 10);
}

// National teams of the World Cup, Copa América and Eurocopa countries.
inline void BuildNationalTeams()
{
    const int countries[] = {
        // Europe
        97, 65, 104, 3, 72, 85, 154, 162, 193, 78, 160, 62, 21, 159, 192, 15, 52, 31, 88, 171, 179, 152, 180,
        76, 142, 27, 54, 63, 64, 100,
        // South America (México counts as North America)
        29, 11, 195, 150, 42, 46, 60, 151, 26, 198,
        // Africa
        1, 57, 129, 190, 141, 10, 75, 36, 50, 157,
        // Asia
        107, 9, 43, 49, 48,
        // North and Central America
        68, 51, 38, 86, 131,
        // Oceania
        14, 143};
    int i = 0;
    for (int country : countries)
        AppendNationalTeam(country, 25 - (i++ * 5) % 24);
}

// The whole world of a new game: leagues, guests and national teams.
inline void BuildWorld(int season = 1)
{
    ResetWorld(season);
    BuildLeagues();
    BuildGuestClubs();
    BuildNationalTeams();
}

inline bool IsRealClub(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size());
}

// Every place is a real club or the empty value -1.
template <typename Range>
bool RealOrEmpty(const Range& places)
{
    return std::all_of(std::begin(places), std::end(places), [](int c) { return c == -1 || IsRealClub(c); });
}

// A byte image of the tables a draw writes, to compare two runs from the same seed.
inline std::string DrawSnapshot()
{
    std::string bytes;
    auto add = [&bytes](const void* data, std::size_t size) {
        bytes.append(static_cast<const char*>(data), size);
    };
    add(&Game, sizeof(Game));
    add(Clubs.data(), Clubs.size() * sizeof(TClub));
    add(Leagues.data(), Leagues.size() * sizeof(TLeague));
    add(StateChampionships.data(), sizeof(StateChampionships));
    add(&NationalCupTies, sizeof(NationalCupTies));
    add(&ClubWorldCupTies, sizeof(ClubWorldCupTies));
    add(Fixtures.data(), Fixtures.size() * sizeof(TFixture));
    return bytes;
}

}  // namespace tarvelon::drawtest
