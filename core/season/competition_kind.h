#pragma once
// The competition kinds: the kind of a calendar day, of a fixture and of a competition, and the
// index of the per-kind tables of clubs and players.

namespace tarvelon {

enum CompetitionKind : int {
    kKindFriendlies = 0,
    kKindNationalLeague = 1,
    kKindNationalCup = 2,
    kKindStateChampionship = 3,
    kKindFirstContinentalCup = 4,
    kKindClubWorldCup = 5,
    kKindSecondContinentalCup = 6,
    kKindWorldCup = 7,
    kKindCopaAmerica = 8,
    kKindEurocopa = 9,
};

// Where the club world cup is played, as every screen that shows its venue names it.
inline constexpr const char* kClubWorldCupVenue = "Emirados Árabes";

}  // namespace tarvelon
