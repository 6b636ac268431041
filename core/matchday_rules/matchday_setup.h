#pragma once
// The set-up of a matchday by the competition kind of the day: which fixtures, friendlies or bracket
// ties are played, who is at home, the venue, the substitutions allowed, the crowd and the gate, the
// competition heading and the clock speed. Each routine fills Matches through the matchday driver
// (BeginMatchday), so the matches stand ready at tick 0 with their starting elevens.
#include <string>

namespace tarvelon {

// The league and club-cup day of CurrentLeague (kinds 1, 2, 4, 6): the league's unplayed fixtures of
// the kind dated today, in fixture order. Also used for the leagues played without display.
void SetupLeagueCupMatchday(int kind);

// The day's unplayed friendlies, in table order; each is flagged as played, plays with five
// substitutions a side and books its result into its own friendly fixture (kind 0, the same clubs,
// today's date), or into none when it has none.
void SetupFriendliesMatchday();

// The day of CurrentState's championship (when no state was chosen yet: the first active of
// states 25, 18, 10, else the first active state).
void SetupStateMatchday();

// The two ties of the club world cup's current stage, in the Emirates, without crowd or gate.
void SetupClubWorldCupMatchday();

// The World Cup day of the tournament stage: the 16 group matches or the knockout ties.
void SetupWorldCupMatchday();

// The Copa América (kind 8) or Eurocopa (kind 9) day, by Game.DayKind.
void SetupContinentalTournamentMatchday();

// What the matchday screen does when it opens: resets the day's globals and sets up the day by
// Game.DayKind (the league and club-cup kinds for CurrentLeague).
void SetupMatchdayOfToday();

// The clock interval of a day of that kind: the human speed when a human side takes part, else the
// computer speed; 1 ms in instant play.
int DayClockInterval(int kind);

// Venues of the national-team tournaments (host row Game.TournamentHost); empty for a host row or
// city the tables do not have.
std::string TournamentVenue(int stage, int group, int m);
std::string TournamentGroupVenue(int stage, int group, int m);

}  // namespace tarvelon
