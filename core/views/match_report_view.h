#pragma once
// What the match report shows of an archived match: the formation of a side's starting eleven,
// the events as mini-HTML lines (at most 14, then "..."), and the statistics box.
#include <array>
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
// 16 lines of the report's kind (a missed penalty without an icon), then "...".
inline constexpr int kLiveEventLines = 16;
std::string LiveMatchEventsHtml(int m);

// One line of a match's statistics: the home value, what it counts, the away value.
struct ReportStatLine {
    std::string home;
    std::string label;
    std::string away;
};
// Possession ("47%" and "53%", 50/50 when neither side had the ball), then shots
// ("Finalizações"), balls won ("Roubadas bola"), bad passes ("Passes errados") and fouls
// ("Faltas cometidas"); none for an unknown report.
std::vector<ReportStatLine> ReportStatLines(int report);

// The match report's statistics box: the lines above, home value, label, away value; its home
// share of possession is cut down to the whole percent (the results screen rounds it).
std::string ReportStatsHtml(int report);

// A side's (1 home, 2 away) tactics as the report names them: playing style ("Jogo equilibrado",
// "Ataque total", "Contra-ataque"), attack focus ("Pelo meio", "Pelas laterais") and marking
// ("Leve", "Pesada", "Muito Pesada"); empty texts for an unknown report or side.
struct ReportTactics {
    std::string style;
    std::string attackFocus;
    std::string marking;
};
ReportTactics ReportSideTactics(int report, int side);

// The crowd of a match: "26 380 pagantes", the sectors' hint "(G:… A:… Cd:… Cm:…)" and the gate
// "$1 234 567".
struct CrowdTexts {
    std::string attendance;
    std::string sectors;
    std::string gate;
};
CrowdTexts CrowdTextsOf(int attendance, const std::array<int, 4>& sectors, int gate);
CrowdTexts ReportCrowdTexts(int report);

// The home club's stadium; empty when the club is unknown.
std::string ReportHomeStadium(int report);

}  // namespace tarvelon
