#pragma once
// A club's history season by season (the club record screen): a summary row per season with the
// club's games, then one row per competition it played, newest season first, and its titles.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvelon {

struct ClubRecordRow {
    bool summary = false;    // the season's first row: year and coaches, no competition
    int season = 0;
    std::string year;        // summary rows only
    std::string competition; // competition rows only
    std::string placing;     // competition rows only
    int games = 0;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    std::int64_t goalsFor = 0;  // a season's goals, summed in 64 bits as the head-to-head's
    std::int64_t goalsAgainst = 0;
    std::string coaches;     // summary rows only: "Nome,Outro"
};

// The continental cups' names for the club: "Liga Campeões" and "Liga Europa" for a European club,
// "Libertadores" and "Sul-Americana" for the others; empty while the first pair is off.
std::string FirstContinentalCupName(int club);
std::string SecondContinentalCupName(int club);

// The competition kind's name in the record (0 "Amistosos" .. 6 the second continental cup).
std::string RecordCompetitionName(int kind, int club);

// The place the club reached: past seasons from its recorded placing (empty when none was
// recorded), the running season from the game's stages.
std::string ClubPlacingText(int club, int kind, int season);

// The coaches of the club in that season, in table order without repeats, joined by ",".
std::string SeasonCoachNames(int club, int season);

// The seasons max(1, S - 20) .. S, newest first; a season without games has no rows.
std::vector<ClubRecordRow> ClubRecordRows(int club);

// "Nacional:2; 2ª divisão:1; ... Estadual:3; ": every title kind with a count above 0.
std::string ClubTitlesLine(int club);

}  // namespace tarvelon
