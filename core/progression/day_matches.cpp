#include "core/progression/day_matches.h"

#include "core/records/match_records.h"
#include "core/season/calendar.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

template <typename Match>
void WriteShootout(Match& match, int a, int goalsA, int goalsB)
{
    const int sideA = match.club[0] == a ? 0 : 1;
    match.shootout = 1;
    match.shootoutGoals[sideA] = goalsA;
    match.shootoutGoals[1 - sideA] = goalsB;
}

bool SameClubs(const TMatchReport& report, int a, int b)
{
    return (report.club[0] == a && report.club[1] == b) || (report.club[0] == b && report.club[1] == a);
}

}  // namespace

int FindDayMatchOfClubs(int a, int b)
{
    for (int m = 1; m <= MatchCount && m < static_cast<int>(Matches.size()); ++m)
        if (Matches[m].club[0] == a || Matches[m].club[0] == b)
            return m;
    return 0;
}

void RecordDayShootout(int a, int b, int goalsA, int goalsB)
{
    const int m = FindDayMatchOfClubs(a, b);
    if (m > 0)
        WriteShootout(Matches[m], a, goalsA, goalsB);
    // A bracket's shoot-out comes after the day was archived: its report must show it as well.
    const TDateTime today = TodayDate();
    for (int r = static_cast<int>(MatchReports.size()) - 1; r >= 0; --r) {
        TMatchReport& report = MatchReports[r];
        if (report.date != today)
            break;
        if (report.kind == Game.DayKind && SameClubs(report, a, b)) {
            WriteShootout(report, a, goalsA, goalsB);
            return;
        }
    }
}

}  // namespace tarvelon
