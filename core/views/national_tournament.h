#pragma once
// What the national-team tournament screens show of the running World Cup (kind 7), Copa América
// (8) or Eurocopa (9): the groups' tables and matches, the host and its cities, the stage a
// national team plays next, and which human-led national team the national-team hub serves.
#include <array>
#include <string>
#include <vector>

namespace tarvelon {

bool IsNationalTournamentKind(int kind);
// The tournament a table shows: the day's when it is a tournament day, else the one the season's
// calendar holds, else the World Cup.
int ShownTournamentKind();
// Groups played: World Cup 8, Copa América 3, Eurocopa 4; 0 for other kinds.
int TournamentGroupCount(int kind);

struct GroupTableRow {
    int club = -1;
    std::string place;  // "1º", "2º" ...; empty when level with the row above on every criterion
    int points = 0, games = 0, wins = 0, draws = 0, losses = 0;
    int goalsFor = 0, goalsAgainst = 0, goalDifference = 0;
};

// The teams of group g (1..8) by points, goal difference, goals for and wins; teams level on all
// four in the order the game's sort leaves them. Empty entries of the group are left out.
std::vector<GroupTableRow> TournamentGroupRows(int kind, int group);

struct GroupMatch {
    int team1 = -1;
    int team2 = -1;
    std::string score = "x";  // goals of team 1 "x" goals of team 2 once the match is archived
    int report = -1;          // its MatchReports entry
    std::string venue;
};

// The six matches of group g: matchday 1 match 1, matchday 1 match 2, matchday 2 match 1 ...
std::array<GroupMatch, 6> TournamentGroupMatches(int kind, int group);

// The host of the running edition (Game's TournamentHost row of the kind's host table), -1 when
// that row is outside the table; and its city 1..8 (World Cup) or 1..4, "" outside.
int TournamentHostCountry(int kind);
std::string TournamentHostCity(int kind, int city);
// The venue of knockout position 1..16 of the tournament table.
std::string TournamentPositionVenue(int kind, int position);

// The stage a national team plays next: "Grupo C - 2ª rodada", "Oitavas de Final", ... "Final" or
// "Decisão 3º lugar"; "" for a stage the tournament does not have.
std::string NationalStageText(int kind, int stage, int team);

// A national team still playing the running tournament.
bool NationStillInTournament(int nation);

// The national-team hub's turns: the 1-based position in Game's human national teams of the first
// team still in the tournament from position `from` on; 0 when none is.
int NextServedNation(int from);

}  // namespace tarvelon
