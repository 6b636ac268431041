#include "core/views/match_report_view.h"

#include <algorithm>

#include "core/basics/literal_text.h"
#include "core/format/money_format.h"
#include "core/match/match_events_codes.h"
#include "core/records/match_records.h"
#include "core/matchday_rules/match_stats.h"
#include "core/tables.h"
#include "core/views/match_event_view.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon {

namespace {

bool IsReport(int report) { return report >= 0 && report < static_cast<int>(MatchReports.size()); }

std::string NameOf(int player)
{
    return player > 0 && player < static_cast<int>(Players.size()) ? Players[player].Name.str() : std::string();
}

bool CountsAsGoal(int code) { return code == meGoal || code == meFreeKickGoal || code == meOwnGoal || code == mePenaltyGoal; }

// Which list a line is written for: the archived match's report, or the in-match screen's list of
// the match being played (which gives a missed penalty no icon).
enum class EventList { Report, Live };

std::string LineOf(int homeClub, const TMatchEventEntry& e, int homeGoals, int awayGoals, EventList list)
{
    const MatchEventView view = ViewOfMatchEvent(e);
    const bool home = e.club == homeClub;
    const std::string icon = list == EventList::Live && e.code == mePenaltyMissed ? "" : view.icon;
    const std::string picture = "<IMG src=\"" + icon + "\">";
    const std::string when = std::to_string(view.minute) + "'" + " - " + (e.tick <= 92 ? "1º" : "2º");
    std::string text;
    if (CountsAsGoal(e.code))
        text = std::to_string(homeGoals) + "x" + std::to_string(awayGoals) + " - " + NameOf(e.player) + " - " + when;
    else if (e.code == meSubstitution || e.code == meInjurySubstitution)
        text = "(" + NameOf(e.player) + ") " + NameOf(e.second) + " " + when;
    else
        text = NameOf(e.player) + " " + when;
    text += EventCodeSuffix(e.code);
    return std::string("<P align=\"") + (home ? "left" : "right") + "\"><FONT color=\"#DFDF00\"  size=\"8\" face=\"Arial\"><B>"
           + (home ? picture : "") + "<shad>" + MarkupLiteral(text) + " </shad>" + (home ? "" : picture) + "</b></font></p>";
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
    return LineOf(MatchReports[report].club[0], ReportEvents[eventIndex], homeGoals, awayGoals, EventList::Report);
}

namespace {

// The events of one match in order: goals counted as they pass, `limit` lines, then "...".
std::string EventsHtml(const std::vector<TMatchEventEntry>& events, int match, int homeClub, int limit, EventList list)
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
            html += LineOf(homeClub, e, goals[0], goals[1], list);
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
    return EventsHtml(ReportEvents, report, MatchReports[report].club[0], kReportEventLines, EventList::Report);
}

std::string LiveMatchEventsHtml(int m)
{
    if (m < 1 || m >= static_cast<int>(Matches.size()))
        return "";
    return EventsHtml(MatchEvents, m, Matches[m].club[0], kLiveEventLines, EventList::Live);
}

namespace {

// The report's own box cuts the home share down to the whole percent below. A match in which
// neither side had the ball shows 50 % each, as the results screen shows it: with "the failure is
// caught and p is 0" the box would give the away side the whole ball, 0 % against 100 %.
int TruncatedPossessionShare(int homePossession, int awayPossession)
{
    const long long total = static_cast<long long>(homePossession) + awayPossession;
    if (total <= 0)
        return 50;
    return static_cast<int>(homePossession * 100LL / total);
}

std::vector<ReportStatLine> StatLines(int report, int (*share)(int, int))
{
    if (!IsReport(report))
        return {};
    const TMatchReport& r = MatchReports[report];
    const int home = share(r.stats[0][rsPossession], r.stats[1][rsPossession]);
    const auto both = [&r](int stat, const char* label) {
        return ReportStatLine{std::to_string(r.stats[0][stat]), label, std::to_string(r.stats[1][stat])};
    };
    return {{std::to_string(home) + "%", "Posse de Bola", std::to_string(100 - home) + "%"},
            both(rsShots, "Finalizações"),
            both(rsBallsWon, "Roubadas bola"),
            both(rsBadPasses, "Passes errados"),
            both(rsFouls, "Faltas cometidas")};
}

}  // namespace

std::vector<ReportStatLine> ReportStatLines(int report) { return StatLines(report, PossessionShare); }

std::string ReportStatsHtml(int report)
{
    std::string html;
    for (const ReportStatLine& line : StatLines(report, TruncatedPossessionShare)) {
        // The box's labels stand at 40, "Finalizações" a little further in.
        const char* indent = line.label == "Finalizações" ? "<IND x=\"45\">" : "<IND x=\"40\">";
        html += "<shad>" + line.home + indent + line.label + "<IND x=\"150\">" + line.away + "</shad><BR>";
    }
    return html;
}

namespace {

std::string TacticName(std::size_t index) { return index < TacticNames.size() ? TacticNames[index] : ""; }

}  // namespace

ReportTactics ReportSideTactics(int report, int side)
{
    if (!IsReport(report) || (side != 1 && side != 2))
        return {};
    const TMatchReport& r = MatchReports[report];
    const int s = side - 1;
    return {TacticName(static_cast<std::size_t>(std::clamp(r.playingStyle[s], 0, 2))),
            TacticName(static_cast<std::size_t>(3 + std::clamp(r.attackSide[s], 0, 1))),
            TacticName(static_cast<std::size_t>(6 + std::clamp(r.marking[s], 0, 2)))};
}

CrowdTexts CrowdTextsOf(int attendance, const std::array<int, 4>& sectors, int gate)
{
    return {FormatThousands(attendance) + " pagantes",
            "(G:" + FormatThousands(sectors[0]) + " A:" + FormatThousands(sectors[1]) + " Cd:" + FormatThousands(sectors[2])
                + " Cm:" + FormatThousands(sectors[3]) + ")",
            "$" + FormatThousands(gate)};
}

CrowdTexts ReportCrowdTexts(int report)
{
    if (!IsReport(report))
        return {};
    const TMatchReport& r = MatchReports[report];
    return CrowdTextsOf(r.attendance, {r.sectorAttendance[0], r.sectorAttendance[1], r.sectorAttendance[2], r.sectorAttendance[3]},
                        r.gate);
}

std::string ReportHomeStadium(int report)
{
    if (!IsReport(report))
        return "";
    const int club = MatchReports[report].club[0];
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].Stadium.str() : std::string();
}

}  // namespace tarvelon
