#pragma once
// The end of a matchday: the finished matches become lasting game state (fixture results, standings,
// all-time tallies, money, the head-to-head archive, the players' energy, the match reports), through
// the matchday driver's FinishMatchday. What each competition does next (knockout ties, the next
// round, the next league) belongs to the competitions' progression, which calls these.
#include <functional>

namespace tarvelon {

// Everything the end of the day books for match m of a day of competition kind `kind`, after its
// fixture has its result: all-time tallies, the substitutes' bench, standings, the head-to-head
// archive, wages, the gate, loan interest, the statistics' touch-up and the players' recovery.
void BookMatchResult(int m, int kind);

// Standings, coaches' season lines and the heavy-defeat mails after one result.
void ApplyResultToStandings(int kind, int homeClub, int homeGoals, int awayGoals, int awayClub);

// Energy after the day for every player of both clubs of match m (players of clubs that did not
// play keep theirs).
void RecoverMatchPlayers(int m);
void PostMatchRecovery(int player);

// True on the second legs whose ties are decided as soon as the day is booked: the national cup's
// second leg, the continental cups' knockout second legs.
bool IsKnockoutSecondLegDay(int kind);

// Books today's matches (Game.DayKind) through the driver; `resolveKnockouts` (the progression's
// decision of the two-leg ties) runs after the results and before the archive on the days
// IsKnockoutSecondLegDay names. The matchday's line-ups stay for the next league of the day.
void EndOfMatchday(const std::function<void()>& resolveKnockouts = {});

// Before the next league's matchday: no events, no booked players, 41 empty matches.
void ClearMatchday();

// The current league's day of that kind played at once without display (SilentMatchday set by the
// caller), and the current state's day likewise; both end with EndOfMatchday.
void SimulateMatchdayInstant(int kind, const std::function<void()>& resolveKnockouts = {});
void SimulateStateMatchdaySilent(const std::function<void()>& resolveKnockouts = {});

}  // namespace tarvelon
