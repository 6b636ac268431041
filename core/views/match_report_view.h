#pragma once
// What the match report shows of an archived match: the formation of a side's starting eleven,
// the events as mini-HTML lines (at most 14, then "..."), and the statistics box.
#include <string>
#include <vector>

namespace tarvelon {

inline constexpr int kReportEventLines = 14;

// "4-4-2": the side's (1 home, 2 away) outfield starters by pitch slot: 1..9 defence, 10..17
// midfield, 18..25 attack; the goalkeeper (entry 11) is not counted.
std::string FormatReportFormation(int report, int side);

// One event of the report as its line says it: "1x0 - Name - 23' - 1º" for goals, "(Off) On 60' -
// 2º" for substitutions, "Name 12' - 1º" for the rest, with the code's suffix; home events left
// with the icon before, away events right with the icon after.
std::string ReportEventLine(int report, int eventIndex, int homeGoals, int awayGoals);

// The events panel's text: the first 14 events of the report, then "..." when there are more.
std::string ReportEventsHtml(int report);

// The events of match m of the matchday being played, as the in-match screen lists them: at most
// 16 lines of the report's kind, then "...".
inline constexpr int kLiveEventLines = 16;
std::string LiveMatchEventsHtml(int m);

// The statistics box: possession (50/50 when neither side had the ball), shots, balls won, bad
// passes and fouls, home value, label, away value.
std::string ReportStatsHtml(int report);

}  // namespace tarvelon
