#pragma once
// A club takes a coach on, or lets him go. A human coach brings the club under human control and
// takes it back to the computer when he leaves.
namespace tarvelon {

// Links club and coach; the board and the supporters start afresh, the bank loan is cleared, the
// ticket prices and the club's cash are set for its division, and the hiring is recorded. A human
// coach makes the club human-run and gives its players fresh contracts.
void HireCoach(int club, int coach);

// Unlinks club and coach; the coach remembers the club and its division. A human coach's club
// returns to the computer: fresh contracts, friendlies cancelled, its inbox hidden, and the human
// flags of its league and state cleared when no human club is left there.
void DismissCoach(int club, int coach);

// Human-run clubs among the league clubs of a country, of a state.
int CountHumanClubsOfCountry(int country);
int CountHumanClubsOfState(int state);

// Every player of the club gets a new coach's start: not listed, morale 3, playing time to prove,
// an offered loan withdrawn, a contract of 10 to 39 weeks.
void ResetSquadForNewCoach(int club);

}  // namespace tarvelon
