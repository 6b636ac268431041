#pragma once
// What the results screen lists of the matchday just played: the archived matches of today's date
// and kind in one region (a league, a continental edition or a state), with the heading rows of
// their divisions or groups placed where each block of matches starts.
#include <string>
#include <vector>

namespace tarvelon {

// The day whose results are listed: a date and a competition kind.
struct ResultsDay {
    double date = 0;
    int kind = 0;
};
// Today's (the calendar day being played, before the calendar moves on).
ResultsDay TodaysResultsDay();
// The day of the last archived match (looking back at a day already left behind).
ResultsDay LastArchivedResultsDay();

// One row of the results table: an archived match (its MatchReports index) or a heading.
struct DayResultRow {
    int report = -1;      // -1 for a heading row
    std::string heading;  // the heading's text
};

// The regions (CurrentLeague, continental edition or state) that have an archived match today,
// in the order of their first match.
std::vector<int> DayResultRegions(const ResultsDay& day);

// The region listed first: on league and national cup days the first league chosen for display or
// with a human club in play (the first league when none is), the first continental edition, on
// state days the first active state with a human club (else the state shown last), else 0.
int FirstShownRegion(const ResultsDay& day);

// The day's archived matches in `region`, in archive order.
std::vector<int> DayReportsOfRegion(const ResultsDay& day, int region);

// The matches per block and the block headings of a day of that kind at the current stage ("1ª divisão", "Grupo 1",
// "Grupo A", ...); no headings when the day has no blocks.
struct DayBlocks {
    int matchesPerBlock = 0;
    std::vector<std::string> headings;
};
DayBlocks BlocksOfDay(int kind);

// The rows of the region: each block's heading before its first match, as long as matches remain.
std::vector<DayResultRow> DayResultRows(const ResultsDay& day, int region);

// The box that lets the player pick which of the day's competitions the results list: the league
// (its country) on league and national cup days with two leagues or more, the continental edition
// on continental days, the state on state-championship days; none on other days.
enum class ResultsChooserKind { None, League, Continental, State };
struct ResultsChooser {
    ResultsChooserKind kind = ResultsChooserKind::None;
    std::vector<std::string> captions;  // the items as the box shows them
    std::vector<int> regions;           // the region each item lists
    int selected = -1;                  // the item of the region shown first
};
ResultsChooser ResultsChooserOf(const ResultsDay& day, int shownRegion);

// The heading above the results of `region`: the league's championship or cup, the continental
// cup of the edition, the state's championship, each with the round; other days keep the live
// screen's heading.
std::string ResultsHeading(const ResultsDay& day, int region);

// The heading of the results of a state-championship day shown for `state`: the live screen's
// heading names the last state played, which may not be the one listed.
std::string StateResultsHeading(int state);

// Where a listed match was played: the home club's stadium, the club world cup's own venue.
std::string ResultsVenue(int report);

// Whether a match of that kind had a paying crowd: not the club world cup nor the national-team
// tournaments.
bool KindHasPayingCrowd(int kind);

// "(P:4x3)" of a shoot-out, or "" when the match had none.
std::string ShootoutText(int report);

}  // namespace tarvelon

namespace tarvelon {

// One line of a side's line-up in a match report: the starter (with his pitch slot and rating) and
// the substitutes who came on in his place, in order.
struct ReportLineupLine {
    int player = 0;
    int pitchSlot = 0;
    float rating = 0;
    bool injured = false;
    struct Substitute {
        int player = 0;
        int tick = 0;
        float rating = 0;  // his own
    };
    std::vector<Substitute> substitutes;  // at most 3
};

// The side's (0 home, 1 away) starters of an archived match in the listing order of the pitch.
std::vector<ReportLineupLine> ReportLineup(int report, int side);

// A rating as the report writes it: the number, or "s/n" when there is none.
std::string RatingText(float rating);

}  // namespace tarvelon
