#pragma once
// The goal scorers of one competition of the running season, and the best scorers of all time.
#include <string>
#include <vector>

namespace tarvelon {

struct ScorerRow {
    int player = 0;
    int goals = 0;
    // Season lists: the goals field of his first all-time tally, which counts the matchdays he
    // scored on; all time: the career's games.
    int games = 0;
    int club = -1;
    std::string playerName;
    std::string clubName;  // "Aposentado" for a retired player in the all-time list
};

// The competition (Competitions index) a season list shows: kind 1 national division (key the
// league index, `division` 1..4), 2 national cup (key the league index), 3 state championship (key
// the state), 4 and 6 continental cups (`division` the edition: 1 South America, 2 Europe).
int ScorerCompetition(int kind, int key, int division);

// One row per GoalTallies entry of the competition, more goals first, then fewer games (the order
// that decided the award); equals in the order the game's sort leaves them.
std::vector<ScorerRow> SeasonScorerRows(int competition);

// Every player with career goals who is not of a national squad (players without a club stay in),
// more career goals first, then fewer career games; equals as the game's sort leaves them.
std::vector<ScorerRow> AllTimeScorerRows();

inline constexpr int kAllTimeScorersShown = 100;

// The competition chooser's items for a league: its divisions, the cups that are on, and always
// "Melhores de Sempre".
std::vector<std::string> ScorerCompetitionItems(int league);

}  // namespace tarvelon
