#pragma once
// The end of the season's state championships, as the state champions screen presents it: each
// state's two-leg final decided, champions and runners-up recorded and paid, the top scorers'
// clubs paid, and, with the regional fourth division, its 20 clubs drawn from the state results.
// The work is done once per season, however often the screen is opened.
#include <string>
#include <vector>

namespace tarvelon {

// One row of the "Campeões Estaduais" table.
struct StateChampionRow {
    int state = 0;
    std::string stateCode;
    std::string champion;
    std::string runnerUp;
    std::string topScorer;  // empty when the state has no top scorer
};

// The rows of the season's table, in state order (kept from the run that decided the finals).
extern std::vector<StateChampionRow> StateChampionRows;

// "Campeões Estaduais " and the year.
std::string StateChampionsTitle();

// Finalist A (first) and B (second) with A's and B's goals in both legs: 1 when A is champion
// (more legs won; equal legs, A on at least equal aggregate), 2 when B is.
int DecideStateFinal(int a1, int b1, int a2, int b2);

// Top scorers, finals, records, prizes and the regional fourth division draw, each state in play in
// order. Runs only the first time in a season; false when this season's finals were already done.
bool DecideStateFinals();

// The clubs of the regional fourth division drawn from StateResults; they fill division 4 of the
// league of the state championships' country only when 20 qualify. Returns the qualified clubs.
std::vector<int> RegionalFourthDivisionDraw();

// "Continuar >>" of the screen: every human coach whose league club was left without a national
// division is dismissed (his dismissal screen first). Once per showing of the state champions:
// the season goes on with the same call after the screen, which then finds them let go already.
void DismissCoachesWithoutDivision();
// The state champions are about to be shown: their coaches without a division are still to go.
void ExpectDismissalsWithoutDivision();

}  // namespace tarvelon
