#pragma once
// The knockout brackets of the running season as the bracket views draw them: the national cup of
// one league (31 two-legged ties from the round of 32, or 15 from the round of 16), the knockout
// phase of a continental cup (15 two-legged ties from the round of 16) and the knockout rounds of a
// national-team tournament (16 one-match ties, the third place last).
//
// Every record read is checked: inside its table, of the competition kind, of the league or
// edition shown, and of the round the tie's place in the bracket implies. A round not drawn yet
// (or whose fixtures do not exist) leaves its ties and every later tie empty.
#include <array>
#include <string>

namespace tarvelon {

struct TFixture;

struct BracketTie {
    int team1 = -1;          // first-leg home club (or the tournament tie's first team); -1 empty
    int team2 = -1;
    std::string score;       // "2x1-0x3;P:4x3", "" before the first leg is played
    int report = -1;         // tournament ties: the MatchReports entry of the match played
    bool Drawn() const { return team1 >= 0 && team2 >= 0; }
};

// "2x1" after the first leg; "-" + the second leg read from team 1's side once it is played; and
// ";P:" + the shoot-out counts (team 1's first) when either is above 0. The counts are taken from
// the first leg, or turned to team 1's side from the second leg when only it carries them.
std::string TieScoreText(const TFixture& firstLeg, const TFixture& secondLeg);

// The national cup of league `league`. Ties 1-16 round of 32, 17-24 round of 16, 25-28
// quarter-finals, 29-30 semi-finals, 31 final. A cup of 16 entrants starts at tie 17.
inline constexpr int kNationalCupTies = 31;
struct NationalCupBracket {
    bool sixteenEntrants = false;
    std::array<BracketTie, kNationalCupTies> ties{};
    int champion = -1;  // once the cup's stage reached 6: its place-1 club of the season
};
NationalCupBracket NationalCupBracketOf(int league);

// With 16 entrants the first column lists the 16 clubs of the round of 16 one by one, in tie
// order (both clubs of tie 17 first, ...); -1 for a slot not drawn.
std::array<int, 16> SixteenEntrantsColumn(const NationalCupBracket& bracket);

// The knockout phase of continental cup `kind` (4 or 6), edition 1 South America or 2 Europe.
// Ties 1-8 round of 16, 9-12 quarter-finals, 13-14 semi-finals, 15 final.
inline constexpr int kContinentalTies = 15;
struct ContinentalBracket {
    std::array<BracketTie, kContinentalTies> ties{};
    int champion = -1;  // FindChampion of that cup, edition and season
};
ContinentalBracket ContinentalBracketOf(int kind, int edition);

// The knockout rounds of the national-team tournament `kind` (7, 8 or 9) at stage `stage`, in the
// positions of the tournament table: World Cup ties 1-8 last sixteen, 9-12 quarter-finals, 13-14
// semi-finals, 15 final, 16 third place; the Copa América and Eurocopa use positions 9-16 only.
// A round is shown once the stage reached it; a tie's score is that of the archived match of
// that round in which its first team played, written from the first team's side.
inline constexpr int kTournamentPositions = 16;
std::array<BracketTie, kTournamentPositions> TournamentBracketOf(int kind, int stage);

}  // namespace tarvelon
