#pragma once
// The dismissal notices' texts: why the board let the coach go, the human one or another club's.
#include <string>

namespace tarvelon {

// The reason for club `club`: a resignation (CoachResigned), a club out of the next national
// championship, or the supporters' and the board's view of results and debts.
std::string DismissalReason(int club, bool resigned);

// "<coach>, <club> resolveu lhe demitir,<reason>."
std::string DismissalMessage(int club, int coach, bool resigned);

// The notice of a computer club's coach change, from CoachChangeClub, FiredCoach, ReplacementCoach
// and ReplacementCoachOldClub: a plain dismissal, or a chain when the replacement left a club.
struct CoachChangeNoticeText {
    std::string title;    // "Técnico demitido" or "Troca de técnicos"
    std::string coaches;  // who left (and who came, in a chain)
    std::string reason;   // why the club let him go
    std::string outcome;  // who took his place (and where the fired coach went)
};
CoachChangeNoticeText CoachChangeNotice();

// Why a computer club fired its coach, from its supporters' mood and its cash.
std::string CoachChangeReason(int club);

}  // namespace tarvelon
