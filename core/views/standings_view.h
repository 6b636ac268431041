#pragma once
// What the standings screen shows of the running season: the national divisions in the order the
// matchday keeps them, each state group and continental group ranked, the place texts of ties, and
// the colour of every row (continental places, promotion, relegation).
#include <array>
#include <string>
#include <vector>

#include "core/matchday_rules/standings.h"

namespace tarvelon {

// Row colours: entries of PositionColors.
enum StandingColour : int {
    kPlainRow = 0,
    kFirstCupRow = 1,      // blue: a place in the first continental cup
    kSecondCupRow = 2,     // yellow: a place in the second continental cup
    kPromotionRow = 3,     // light green: promotion, or advancing from a group
    kRelegationRow = 4,    // light red
};

inline constexpr int kStandingDivisions = 4;
inline constexpr int kStateGroupRows = 6;
inline constexpr int kContinentalGroups = 8;
inline constexpr int kContinentalGroupRows = 4;

// Rows of a division table: 20 or 10 by the league format.
int DivisionRows();

// The rows of division `division` (1..4) of league `league` in the order the matchday keeps them,
// with the league's numbers; empty places are left out.
std::vector<TStandingRow> DivisionTableRows(int league, int division);

// The clubs ranked by their numbers of competition kind `kind` (3 state, 4 and 6 continental),
// best first, as the matchday ranks them (entries below 0 are left out).
std::vector<TStandingRow> RankedTableRows(const std::vector<int>& clubs, int kind);

// "1º" for the first row; an empty place for a row level with the row above on points, goal
// difference, goals for and wins; otherwise its row number and "º".
std::vector<std::string> PlaceTexts(const std::vector<TStandingRow>& rows);

// The colour of every row of divisions 1..4 of a league: promotion, relegation, and in division 1
// the continental places, with the national cup winner's place wherever he stands.
std::array<std::vector<int>, kStandingDivisions> LeagueRowColours(int league);

// Group `group` (1..4) of a state championship; a continental group.
std::vector<int> StateGroupRowColours(int group);
std::vector<int> ContinentalGroupRowColours();

// The members of a state championship's group (tier 1..4) and of a continental group (cup kind 4
// or 6, edition 1 South America or 2 Europe, group 1..8).
std::vector<int> StateGroupClubs(int state, int group);
std::vector<int> ContinentalGroupClubs(int kind, int edition, int group);

// The states whose championship is played this season, in state order.
std::vector<int> ActiveStateChampionships();

// The state shown first: the current human club's state when that club is Brazilian and its
// state's championship is played, else the last state played (0 when none is).
int FirstShownState();

// The league shown first: the current human club's league (Brazil's without a human club), else 0.
int FirstShownLeague();

// The page in front when the screen opens: the day's kind when it has a table (1, 3, 4, 6), else 1.
int FirstStandingsTab();

// "Campeonato Brasileiro", "Campeonato Paulista"...
std::string LeagueStandingsTitle(int league);
std::string StateStandingsTitle(int state);
// The continental page's title by tab (4 or 6) and edition; before any group is drawn (the first
// season) it says so.
std::string ContinentalStandingsTitle(int tab, bool european);

}  // namespace tarvelon
