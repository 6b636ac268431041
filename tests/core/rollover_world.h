#pragma once
// Leagues made in code for the rollover tests: numbered divisions whose final order is given by the
// test, regional clubs with chosen levels, a named coach per club, players per club, and simple
// stand-ins for the economy and coach-career operations the rollover calls.
#include <string>
#include <vector>

#include "core/draws/draw_services.h"
#include "core/records/game_state.h"
#include "core/rollover/rollover_services.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon::rollovertest {

inline int AddClub(int country, int division, int level)
{
    TClub club{};
    club.name.set("Clube " + std::to_string(Clubs.size()));
    club.Country = country;
    club.Division = division;
    club.Level = level;
    club.boardConfidence = 50;
    club.SupportersMood = 50;
    club.coach = static_cast<int>(Coaches.size());
    Clubs.push_back(club);
    ClubFinances.push_back(TClubFinance{});
    TCoach coach{};
    coach.name.set("Técnico " + std::to_string(Clubs.size() - 1));
    coach.club = static_cast<int>(Clubs.size()) - 1;
    coach.active = 1;
    Coaches.push_back(coach);
    ++Game.LeagueClubCount;
    return static_cast<int>(Clubs.size()) - 1;
}

// A league of `divisions` divisions of `size` clubs (final order = club order within a division),
// followed by `regionalLevels.size()` regional clubs of the same country with those levels.
inline int AddLeague(int country, int divisions, int size, const std::vector<int>& regionalLevels)
{
    TLeague league{};
    for (auto& row : league.divisions) std::fill(std::begin(row), std::end(row), -1);
    for (auto& row : league.finalOrder) std::fill(std::begin(row), std::end(row), -1);
    league.country = country;
    league.divisionCount = divisions;
    for (int d = 1; d <= divisions; ++d)
        for (int p = 0; p < size; ++p) {
            const int club = AddClub(country, d, 10);
            league.divisions[d - 1][p] = club;
            league.finalOrder[d - 1][p] = club;
        }
    for (int level : regionalLevels) AddClub(country, 0, level);
    league.clubCount = divisions * size + static_cast<int>(regionalLevels.size());
    Leagues.push_back(league);
    return static_cast<int>(Leagues.size()) - 1;
}

inline void AddPlayer(int club, int age, int position = 3)
{
    TPlayer player{};
    player.Name.set("Jogador " + std::to_string(Players.size()));
    player.Club = club;
    player.Age = age;
    player.Position = position;
    player.Strength = 50;
    player.Morale = 2;
    Players.push_back(player);
}

// What the stand-in services did.
struct ServiceLog {
    std::vector<int> surplusClubs;
    std::vector<int> wageBills;
    std::vector<std::pair<int, int>> dismissals;
    std::vector<std::pair<int, int>> hirings;
};

// Value 1000 + index, wage 500 + index (whole units); a youth replacement is an 18-year-old copy.
inline void InstallStandInServices(ServiceLog& log)
{
    RolloverServices& s = Rollover();
    s.computePlayerValue = [](int p) { return 1000 + p; };
    s.computePlayerWage = [](int p) { return 500 + p; };
    s.recalcClubWageBill = [&log](int club) { log.wageBills.push_back(club); };
    s.listSurplusPlayers = [&log](int club) { log.surplusClubs.push_back(club); };
    s.createYouthReplacement = [](int p, const std::string&, int) {
        TPlayer youth = Players[static_cast<std::size_t>(p)];
        youth.Age = 18;
        youth.Name.set("Jovem");
        Players.push_back(youth);
        Players[static_cast<std::size_t>(p)].Club = -1;
    };
    s.dismissCoach = [&log](int club, int coach) {
        log.dismissals.emplace_back(club, coach);
        Clubs[static_cast<std::size_t>(club)].coach = -1;
        Coaches[static_cast<std::size_t>(coach)].club = -1;
    };
    Draws().hireCoach = [&log](int club, int coach) {
        log.hirings.emplace_back(club, coach);
        Clubs[static_cast<std::size_t>(club)].coach = coach;
        Coaches[static_cast<std::size_t>(coach)].club = club;
    };
}

inline void RemoveServices()
{
    Rollover() = RolloverServices{};
    Draws() = DrawServices{};
}

// An empty game of divisions of 20 (format 2) or of 10 (format 4), season 1, calendar built.
inline void ResetRolloverGame(int leagueFormat)
{
    ResetGameState();
    ResetGameTables();
    Fixtures.clear();
    Game.saveVersion = kSaveVersion;
    Game.Season = 1;
    Game.LeagueFormat = leagueFormat;
    TicketPrices = DefaultTicketPrices;
    BuildCalendar();
}

}  // namespace tarvelon::rollovertest
