#pragma once
// The invitations to coach a national team that reach the current human coach after a league round
// of a tournament year.
namespace tarvelon {

// The tournament of the invitation being shown: 7 World Cup, 8 Copa América, 9 Eurocopa.
extern int InvitationCompetition;

// The tournament `kind` (7, 8, 9) is on, this year is one of its years, today is a first-turn league
// day of its rounds (World Cup 5..9, the others 6..9) and the current human coach leads no national
// team yet.
bool InvitationDue(int kind);

}  // namespace tarvelon
