#pragma once
// What the set-up of a matchday leaves for the screens and the booking: the calendar day being
// played, the competition heading and its round text, the matches with a human club and the clock
// interval of the day. One matchday at a time.
#include <array>
#include <string>

namespace tarvelon {

inline constexpr int kMaxHumanMatches = 6;

extern int MatchdayDayIndex;              // the calendar day the matchday screen was opened for
extern std::string MatchdayRoundText;     // " - 2º turno - 5ª rodada", ...
extern std::string MatchdayHeading;       // the competition heading above the day's matches
extern std::array<int, kMaxHumanMatches + 1> HumanMatches;  // match numbers, entries 1..HumanMatchCount
extern int HumanMatchCount;
extern int MatchdayTickInterval;          // ms between two clock ticks of the day

// The day's globals at the opening of the matchday screen: no human match yet, the calendar day of
// today, no heading.
void ResetMatchdayState();

// Lists match m among the day's matches with a human club when either club is human (at most six).
void NoteHumanMatch(int m, int homeClub, int awayClub);

}  // namespace tarvelon
