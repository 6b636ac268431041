#include "core/views/match_report_view.h"

#include "core/match/match_events_codes.h"
#include "core/records/match_records.h"
#include "core/matchday_rules/match_stats.h"
#include "core/tables.h"
#include "core/views/match_event_view.h"

namespace tarvelon {

namespace {

bool IsReport(int report) { return report >= 0 && report < static_cast<int>(MatchReports.size()); }

std::string NameOf(int player)
{
    return player > 0 && player < static_cast<int>(Players.size()) ? Players[player].Name.str() : std::string();
}

std::string Suffix(int code)
{
    switch (code) {
    case meOwnGoal: return " (contra)";
    case meFreeKickGoal: return " (de falta)";
    case mePenaltyGoal: return " (de penalti)";
    case mePenaltyMissed: return " (perdeu penalti)";
    default: return "";
    }
}

bool CountsAsGoal(int code) { return code == meGoal || code == meFreeKickGoal || code == meOwnGoal || code == mePenaltyGoal; }

std::string LineOf(int homeClub, const TMatchEventEntry& e, int homeGoals, int awayGoals)
{
    const MatchEventView view = ViewOfMatchEvent(e);
    const bool home = e.club == homeClub;
    const std::string picture = "<IMG src=\"" + view.icon + "\">";
    const std::string when = std::to_string(view.minute) + "'" + " - " + (e.tick <= 92 ? "1º" : "2º");
    std::string text;
    if (CountsAsGoal(e.code))
        text = std::to_string(homeGoals) + "x" + std::to_string(awayGoals) + " - " + NameOf(e.player) + " - " + when;
    else if (e.code == meSubstitution || e.code == meInjurySubstitution)
        text = "(" + NameOf(e.player) + ") " + NameOf(e.second) + " " + when;
    else
        text = NameOf(e.player) + " " + when;
    text += Suffix(e.code);
    return std::string("<P align=\"") + (home ? "left" : "right") + "\"><FONT color=\"#DFDF00\"  size=\"8\" face=\"Arial\"><B>"
           + (home ? picture : "") + "<shad>" + text + " </shad>" + (home ? "" : picture) + "</b></font></p>";
}

}  // namespace

std::string FormatReportFormation(int report, int side)
{
    if (!IsReport(report) || (side != 1 && side != 2))
        return "";
    int lines[3] = {0, 0, 0};
    for (int k = 0; k < 10; ++k) {
        const int slot = MatchReports[report].startingSlots[side - 1][k];
        if (slot >= 1 && slot <= 9)
            ++lines[0];
        else if (slot >= 10 && slot <= 17)
            ++lines[1];
        else if (slot >= 18 && slot <= 25)
            ++lines[2];
    }
    return std::to_string(lines[0]) + "-" + std::to_string(lines[1]) + "-" + std::to_string(lines[2]);
}

std::string ReportEventLine(int report, int eventIndex, int homeGoals, int awayGoals)
{
    if (!IsReport(report) || eventIndex < 0 || eventIndex >= static_cast<int>(ReportEvents.size()))
        return "";
    return LineOf(MatchReports[report].club[0], ReportEvents[eventIndex], homeGoals, awayGoals);
}

namespace {

// The events of one match in order: goals counted as they pass, `limit` lines, then "...".
std::string EventsHtml(const std::vector<TMatchEventEntry>& events, int match, int homeClub, int limit)
{
    int goals[2] = {0, 0};
    int lines = 0;
    std::string html;
    for (const TMatchEventEntry& e : events) {
        if (e.match != match || !IsShownEventCode(e.code))
            continue;
        if (CountsAsGoal(e.code))
            ++goals[e.club == homeClub ? 0 : 1];
        ++lines;
        if (lines <= limit)
            html += LineOf(homeClub, e, goals[0], goals[1]);
        else if (lines == limit + 1)
            html += "<FONT color=\"#DFDF00\">...</font>";
    }
    return html;
}

}  // namespace

std::string ReportEventsHtml(int report)
{
    if (!IsReport(report))
        return "";
    return EventsHtml(ReportEvents, report, MatchReports[report].club[0], kReportEventLines);
}

std::string LiveMatchEventsHtml(int m)
{
    if (m < 1 || m >= static_cast<int>(Matches.size()))
        return "";
    return EventsHtml(MatchEvents, m, Matches[m].club[0], kLiveEventLines);
}

std::string ReportStatsHtml(int report)
{
    if (!IsReport(report))
        return "";
    const TMatchReport& r = MatchReports[report];
    const int home = PossessionShare(r.stats[0][rsPossession], r.stats[1][rsPossession]);
    const auto line = [](const std::string& a, const std::string& label, const std::string& b) {
        return "<shad>" + a + label + b + "</shad><BR>";
    };
    const auto both = [&r](int stat, const std::string& label) {
        return "<shad>" + std::to_string(r.stats[0][stat]) + label + std::to_string(r.stats[1][stat]) + "</shad><BR>";
    };
    return line(std::to_string(home) + "%", "<IND x=\"40\">Posse de Bola<IND x=\"150\">", std::to_string(100 - home) + "%")
           + both(rsShots, "<IND x=\"45\">Finalizações<IND x=\"150\">") + both(rsBallsWon, "<IND x=\"40\">Roubadas bola<IND x=\"150\">")
           + both(rsBadPasses, "<IND x=\"40\">Passes errados<IND x=\"150\">")
           + both(rsFouls, "<IND x=\"40\">Faltas cometidas<IND x=\"150\">");
}

}  // namespace tarvelon
