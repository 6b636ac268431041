#pragma once
// The draws of the national-team tournaments of their years: the World Cup (32 teams), the Copa
// América (12) and the Eurocopa (16). Groups of four go into `Game`'s national-team group table.

namespace tarvelon {

// Resets the national-team tournament state and draws the World Cup.
void SetupWorldCup();

// The 32-team draw by confederation quotas, or the fixed groups when `Game` asks for them.
void DrawWorldCup();

// The fixed groups of the first World Cup; clears the 32-team draw flag.
void DrawFixedWorldCup();

// The 12-team draw (one of five fixed layouts) and the 16-team draw (three pots).
void DrawCopaAmerica();
void DrawEurocopa();

struct WorldCupHost {
    int hostNumber = 1;      // row 1..11 of the host tables
    int country = 0;         // the host's country id
    bool hasTeam = false;    // the host's national team is in play
};

// Host of the World Cup from its edition counter; stores the host number in `Game`.
WorldCupHost ChooseWorldCupHost();

// Host number 1..11 of World Cup edition `editions` (0 = the first World Cup of the game).
int WorldCupHostNumber(int editions);

// Host number 1..7 of a Copa América or Eurocopa edition.
int ContinentalHostNumber(int editions);

// The club entry of the first national team of a country; -1 when none is in play.
int FindNationalTeamClub(int country);

// Strength of a player of a national squad whose side has level `level`.
int ComputeNationalPlayerStrength(int player, int level);

// Comparator of the draws: higher level first; equal levels by the higher random key first.
int CompareNationalCandidates(const void* a, const void* b);

}  // namespace tarvelon
