#pragma once
// The matches of one round of a round-robin competition of the running season (national league,
// state championship, continental group stage), with the heading rows that separate its
// divisions or groups, and the round chooser's entries.
#include <string>
#include <vector>

namespace tarvelon {

// Rounds in one turn of a round robin: national league 19 (divisions of 20) or 9 (of 10); state
// championship 5; continental group stage 3.
int RoundsPerTurn(int kind);

// The chooser holds 2R entries, turn 1 first; entry e (1-based) stands for a round and a turn.
struct RoundAndTurn {
    int round = 1;
    int turn = 1;
};
RoundAndTurn RoundOfEntry(int entry, int roundsPerTurn);
// (turn - 1) x R + round, kept inside 1..2R (the game's counters are 0 before the first round).
int EntryOfRound(RoundAndTurn shown, int roundsPerTurn);
std::string RoundEntryCaption(int entry, int roundsPerTurn);  // "1ª rodada-1º turno"
std::string RoundCaption(RoundAndTurn shown);                 // "3ª rodada - 2º turno"

// The entry a view opens on: the competition's current round and turn; once a state's group stage
// (round 6 on) or a continental group stage (round 4 on) is over, its last group round.
int OpeningRoundEntry(int kind);
// True once the continental group stage of that cup (kind 4 or 6) is over.
bool ContinentalGroupStageOver(int kind);

inline constexpr int kHeadingRow = -2;
inline constexpr int kUnplayedMatch = -1;

struct RoundFixtureRow {
    int home = -1;
    int away = -1;
    std::string homeName;
    std::string score;       // "2 x 1" when played, "x" before; empty on a heading row
    std::string awayName;    // on a heading row: the heading text
    std::string attendance;  // played matches only
    std::string gate;
    int fixture = kUnplayedMatch;  // the Fixtures index of a played match; kHeadingRow on a heading
};

// The region key is the league index (kind 1), the state (kind 3) or the edition, 1 South America,
// 2 Europe (kinds 4 and 6). Fixtures in table order, then the headings at their places.
std::vector<RoundFixtureRow> RoundFixtureRows(int kind, int regionKey, RoundAndTurn shown);

}  // namespace tarvelon
