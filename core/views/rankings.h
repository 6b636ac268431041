#pragma once
// The coach ranking (by ranking points, then titles) with a coach's titles text, and the clubs'
// rankings by title points and by the points of all their matches.
#include <array>
#include <string>
#include <vector>

namespace tarvelon {

struct CoachRankingRow {
    int coach = -1;
    int leagueTitles = 0;
    int cupTitles = 0;
    int stateTitles = 0;  // only in the ranking of Brazil, or of Brazilian coaches in "Internacional"
    int firstContinentalTitles = 0;
    int clubWorldCupTitles = 0;
    int secondContinentalTitles = 0;
    int points = 0;       // national points, world points in "Internacional"
    int club = -1;
};

// The coaches of a country (its key: his club's country, else his own), or every coach with
// `country` -1 ("Internacional"), best first: points, then club world cup, first continental,
// second continental, league, cup and state titles, then the lower club index.
std::vector<CoachRankingRow> CoachRankingRows(int country);

// "Copa do Mundo:1\r\n...Nacional 1ª divisão:3 (Brasileiro:2Espanhol:1)\r\n..." from his titles.
std::string CoachTitlesText(int coach);

// "<B><FONT color=\"#D9D900\"><SHAD>Name</SHAD></FONT></B>" (the opening tags and the name cut to
// 56 characters, the whole to 74) and his points line.
std::string CoachNameHeading(int coach);
std::string CoachPointsHeading(int points);

inline constexpr int kRankedCompetitions = 6;  // league, cup, state, first continental, world cup, second

struct ClubRankingRow {
    int club = -1;
    std::string name;
    std::array<std::string, kRankedCompetitions> columns;  // "12 pts", or "(30/20/11)"
    int total = 0;
    int goalDifference = 0;
    int goalsFor = 0;
};

// The clubs of the league's country (`international` false) or of every league, among the league
// clubs. By title points: the six counters and their total (without the state championship in
// "Internacional"), in club order: the screen's grid ranks them.
std::vector<ClubRankingRow> PlacingRankingRows(int league, bool international);
// By all their matches: (points/goals for/goals against) per competition and the total points;
// more points, then the better goal difference, then more goals for; equals as the game's sort
// leaves them.
std::vector<ClubRankingRow> PointsRankingRows(int league, bool international);

}  // namespace tarvelon
