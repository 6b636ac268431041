#pragma once
// A player's matches of the running season with his rating in each, and the heading of his career
// screen.
#include <string>
#include <vector>

namespace tarvelon {

struct PlayerMatchRow {
    int report = -1;       // MatchReports index
    std::string date;      // short date text
    std::string match;     // "Casa 2 x 1 Fora" (the home name and its blank cut to 26 characters)
    std::string rating;    // general float text; empty when none was recorded for him
};

// One row per match: every match he started, then every match he came on in, each with his
// rating there; walked from the last to the first (the screen's grid then orders them by date).
std::vector<PlayerMatchRow> PlayerSeasonMatches(int player);

// "<P align=\"center\"><SHAD>A - Name</SHAD></P>": the position's first letter and the name.
std::string PlayerCareerHeading(int player);

// The first row of the career page before the one starting at `firstRow` (0 at the first page).
int PreviousCareerPageRow(int firstRow);

}  // namespace tarvelon
