#pragma once
// The dismissal notice's text: why the board let the coach go.
#include <string>

namespace tarvelon {

// The reason for club `club`: a resignation (CoachResigned), a club out of the next national
// championship, or the supporters' and the board's view of results and debts.
std::string DismissalReason(int club, bool resigned);

// "<coach>, <club> resolveu lhe demitir,<reason>."
std::string DismissalMessage(int club, int coach, bool resigned);

}  // namespace tarvelon
