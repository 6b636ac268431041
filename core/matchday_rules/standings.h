#pragma once
// The competitions' tables after a matchday: every group and division ranked again, and when a
// group phase or a season is over its consequences: places, titles, prize money, honours,
// eliminations and the knockout pairings. Also the squads of the computer-run national teams at the
// start of a national-team tournament.
#include <array>
#include <cstdint>
#include <vector>

namespace tarvelon {

// One row of a table being ranked (a scratch record).
struct TStandingRow {
    std::int32_t club = -1;
    std::int32_t points = 0;
    std::int32_t games = 0;
    std::int32_t wins = 0;
    std::int32_t draws = 0;
    std::int32_t losses = 0;
    std::int32_t goalsFor = 0;
    std::int32_t goalsAgainst = 0;
    std::int32_t goalDifference = 0;
};

// Ranks by points, then wins, goal difference and goals for: -1 when a comes first, 1 when b does,
// 0 when all four are equal (their order is whatever the unstable sort leaves).
int CompareStandingRows(const TStandingRow& a, const TStandingRow& b);

// The row of a club from its counters of competition kind `kind`.
TStandingRow StandingRowOf(int club, int kind);

// The rows of the clubs (entries that are no club are left out) by their kind-`kind` counters, best
// first.
std::vector<TStandingRow> RankedStandingRows(const std::vector<int>& clubs, int kind);

// Ranks the clubs (entries below 0 are left out) by their kind-`kind` counters, writes each club's
// place 1, 2, ... into its Place of that kind and returns the clubs in table order.
std::vector<int> RankTable(const std::vector<int>& clubs, int kind);

// Group winners and runners-up in group order (winner A, runner-up A, winner B, ...), -1 when empty.
extern std::array<int, 16> QualifierSlots;

// The national leagues (kind 1): every division of every league ranked into its final order; after
// the season's last matchday also places, honours, prizes, the champion coach's titles and the top
// scorers. Ends with the board's and supporters' reaction to the day's league results.
void CloseLeagueTables();

// The World Cup groups; when the group phase is over (stage 4) the round of sixteen is paired.
void CloseWorldCupGroups();

// The Copa América (8) or Eurocopa (9) groups at the end of the group phase and the quarter-finals.
void CloseNationalCupGroups(int kind);

// The continental cups' groups (kind 4 or 6) after a first-leg group day; at stage 4 the round of
// sixteen's fixtures get their clubs.
void CloseContinentalGroups(int kind);

// The state championships' groups; after the last group day the placings, the finals and the
// regional results.
void CloseStateGroups();

// At the first day of a national-team tournament, the computer-run national teams call up their
// squads (once per tournament).
void PrepareTournamentSquads();
void CallUpCpuNationalSquad(int country, int entry);
// The same where `players` holds every player of that nationality (PlayersOfNationality).
void CallUpCpuNationalSquad(int country, int entry, const std::vector<int>& players);

// The board's and supporters' reaction to every played fixture of that kind on the matchday's
// calendar day (MatchdayDayIndex).
void UpdateMoraleForDay(int kind);

}  // namespace tarvelon
