#pragma once
// A club's matches of the running season, played or to come, in date order.
#include <string>
#include <vector>

#include "core/basics/datetime.h"

namespace tarvelon {

struct ClubFixtureRow {
    std::string date;      // "dd/mm/yyyy - seg"
    std::string homeOrAway;  // "C" at home, "F" away
    std::string homeName;
    std::string score;     // "x" before the match, "2x1" after it
    std::string awayName;
    std::string competition;
    std::string attendance;  // played matches only
    std::string gate;        // "$ " and the gate in words, played matches only
    int fixture = -1;        // the Fixtures index of a played match, -1 otherwise
    TDateTime when = 0;
};

// Weekday abbreviations, Sunday first: "dom", "seg", ... "sáb".
const char* WeekdayAbbreviation(TDateTime date);

// The club's fixtures of that kind (-1 any kind), sorted by date (table order among equal dates).
std::vector<ClubFixtureRow> ClubFixtureRows(int club, int kind);

// The competition filter's items for the club, after "Todos os jogos", "Nacional", "Amistosos":
// "Copa", "Estadual" (when on), and its continental cups by their names for its confederation.
std::vector<std::string> ClubFixtureFilterItems(int club);
// The kind an item of that filter stands for ("Todos os jogos" -1); -1 for an unknown item.
int ClubFixtureFilterKind(const std::string& item);

}  // namespace tarvelon
