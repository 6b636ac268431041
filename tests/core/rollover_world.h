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
#include "tests/core/test_world.h"

namespace tarvelon::rollovertest {

inline int AddClub(int country, int division, int level)
{
    const int index = testbuild::AppendClub(country, division, level);
    Clubs[index].boardConfidence = 50;
    Clubs[index].SupportersMood = 50;
    Clubs[index].coach = testbuild::AppendCoachOf(index);
    Coaches.back().active = 1;
    ++Game.LeagueClubCount;
    return index;
}

// A league of `divisions` divisions of `size` clubs (final order = club order within a division),
// followed by `regionalLevels.size()` regional clubs of the same country with those levels.
inline int AddLeague(int country, int divisions, int size, const std::vector<int>& regionalLevels)
{
    TLeague league = testbuild::EmptyLeague(country, divisions);
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
    TPlayer player = testbuild::NumberedPlayer(club, position);
    player.Age = age;
    player.Strength = 50;
    testbuild::AppendPlayer(player);
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

// Back to the game's own operations (hiring left to whoever installs it).
inline void RemoveServices()
{
    Rollover() = GameRolloverServices();
    Draws() = DrawServices{};
}

// An empty game of divisions of 20 (format 2) or of 10 (format 4), season 1, calendar built.
inline void ResetRolloverGame(int leagueFormat)
{
    testbuild::StartEmptyGame(1, leagueFormat);
    Game.saveVersion = kSaveVersion;
    TicketPrices = DefaultTicketPrices;
    BuildCalendar();
}

}  // namespace tarvelon::rollovertest
