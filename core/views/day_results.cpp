#include "core/views/day_results.h"

#include <algorithm>

#include <cstdio>

#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/season/fixtures.h"
#include "core/records/appearance_records.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/shootout.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"
#include "core/format/names.h"
#include "core/records/state_championship.h"
#include "core/views/match_report_view.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

bool IsReportOf(const ResultsDay& day, const TMatchReport& report)
{
    return report.date == day.date && report.kind == day.kind;
}

std::vector<std::string> Numbered(const std::string& prefix, int count, bool letters, const std::string& suffix = "")
{
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back(prefix + (letters ? std::string(1, static_cast<char>('A' + i - 1)) : std::to_string(i)) + suffix);
    return names;
}

std::vector<std::string> Divisions(int count) { return Numbered("", count, false, "ª divisão"); }

}  // namespace

ResultsDay TodaysResultsDay()
{
    const int day = Game.DayIndex;
    return {day >= 1 && day <= kCalendarDays ? Calendar[day].date : 0.0, Game.DayKind};
}

ResultsDay LastArchivedResultsDay()
{
    if (MatchReports.empty())
        return TodaysResultsDay();
    return {MatchReports.back().date, MatchReports.back().kind};
}

std::vector<int> DayResultRegions(const ResultsDay& day)
{
    std::vector<int> regions;
    for (const TMatchReport& report : MatchReports)
        if (IsReportOf(day, report) && std::find(regions.begin(), regions.end(), report.region) == regions.end())
            regions.push_back(report.region);
    return regions;
}

namespace {

// A league the day's results may open on: one chosen for display, or one with a human club (on a
// national cup day only while the cup is in its first two stages and that league's cup has a first
// round).
bool LeagueOpensResults(int league, int kind)
{
    const TLeague& l = Leagues[static_cast<std::size_t>(league)];
    if (l.shown != 0)
        return true;
    if (l.humanPresent == 0)
        return false;
    return kind == kKindNationalLeague || (Game.NationalCupStage < 3 && FindFixture(league, kKindNationalCup, 1) >= 0);
}

int FirstLeagueOpeningResults(int kind)
{
    for (int league = 0; league < static_cast<int>(Leagues.size()); ++league)
        if (LeagueOpensResults(league, kind))
            return league;
    return 0;
}

// The state of a human club when one plays an active championship, else the state the live
// matchday showed last.
int FirstStateOpeningResults()
{
    for (int state = 0; state < StateCount && state < static_cast<int>(StateChampionships.size()); ++state)
        if (StateChampionships[state].humanClubPresent != 0 && StateChampionships[state].active != 0)
            return state;
    return CurrentState;
}

}  // namespace

int FirstShownRegion(const ResultsDay& day)
{
    switch (day.kind) {
    case kKindNationalLeague:
    case kKindNationalCup: return Leagues.size() >= 2 ? FirstLeagueOpeningResults(day.kind) : 0;
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: return 1;
    case kKindStateChampionship: return FirstStateOpeningResults();
    default: return 0;
    }
}

std::vector<int> DayReportsOfRegion(const ResultsDay& day, int region)
{
    std::vector<int> reports;
    for (int i = 0; i < static_cast<int>(MatchReports.size()); ++i)
        if (IsReportOf(day, MatchReports[i]) && MatchReports[i].region == region)
            reports.push_back(i);
    return reports;
}

DayBlocks BlocksOfDay(int kind)
{
    switch (kind) {
    case kKindNationalLeague:
        return Game.LeagueFormat == kDivisionsOf20 ? DayBlocks{10, Divisions(4)} : DayBlocks{5, Divisions(4)};
    case kKindFirstContinentalCup:
        return Game.FirstContinentalStage <= 3 ? DayBlocks{2, Numbered("Grupo ", 8, false)} : DayBlocks{};
    case kKindSecondContinentalCup:
        return Game.SecondContinentalStage <= 3 ? DayBlocks{2, Numbered("Grupo ", 8, false)} : DayBlocks{};
    case kKindWorldCup:
        return Game.TournamentStage <= 4 ? DayBlocks{2, Numbered("Grupo ", 8, true)} : DayBlocks{};
    case kKindCopaAmerica:
        return Game.TournamentStage <= 4 ? DayBlocks{2, Numbered("Grupo ", 3, true)} : DayBlocks{};
    case kKindEurocopa:
        return Game.TournamentStage <= 4 ? DayBlocks{2, Numbered("Grupo ", 4, true)} : DayBlocks{};
    case kKindStateChampionship:
        return Game.StateStage <= 6 ? DayBlocks{3, Divisions(4)} : DayBlocks{};
    default: return {};
    }
}

std::vector<DayResultRow> DayResultRows(const ResultsDay& day, int region)
{
    const std::vector<int> reports = DayReportsOfRegion(day, region);
    const DayBlocks blocks = BlocksOfDay(day.kind);
    std::vector<DayResultRow> rows;
    for (int i = 0; i < static_cast<int>(reports.size()); ++i) {
        if (blocks.matchesPerBlock > 0 && i % blocks.matchesPerBlock == 0) {
            const int block = i / blocks.matchesPerBlock;
            if (block < static_cast<int>(blocks.headings.size()))
                rows.push_back({-1, blocks.headings[block]});
        }
        rows.push_back({reports[i], {}});
    }
    return rows;
}

// A club world cup match is named where the live matchday played it. With "on club world cup days
// it reads 'Japão'" the results would place in Japan the match the live matchday and the hub
// showed in the Emirates.
std::string ResultsVenue(int report)
{
    if (report < 0 || report >= static_cast<int>(MatchReports.size()))
        return "";
    return MatchReports[report].kind == kKindClubWorldCup ? kClubWorldCupVenue : ReportHomeStadium(report);
}

bool KindHasPayingCrowd(int kind) { return kind < kKindWorldCup && kind != kKindClubWorldCup; }

std::string ShootoutText(int report)
{
    if (report < 0 || report >= static_cast<int>(MatchReports.size()) || !MatchReports[report].shootout)
        return "";
    const TMatchReport& r = MatchReports[report];
    return "(P:" + std::to_string(r.shootoutGoals[0]) + "x" + std::to_string(r.shootoutGoals[1]) + ")";
}

}  // namespace tarvelon

namespace tarvelon {

std::vector<ReportLineupLine> ReportLineup(int report, int side)
{
    std::vector<ReportLineupLine> starters;
    if (report < 0 || report >= static_cast<int>(MatchReports.size()) || side < 0 || side > 1)
        return starters;
    const int club = MatchReports[report].club[side];
    for (const TAppearance& a : Appearances) {
        if (a.report != report || a.club != club || starters.size() >= 11)
            continue;
        ReportLineupLine line;
        line.player = a.player;
        line.pitchSlot = a.pitchSlot;
        line.rating = a.rating;
        line.injured = a.injuries > 0;
        for (int current = a.player; line.substitutes.size() < 3;) {
            const auto next = std::find_if(SubAppearances.begin(), SubAppearances.end(), [&](const TSubAppearance& s) {
                return s.report == report && s.club == club && s.player == current;
            });
            if (next == SubAppearances.end() || next->second <= 0)
                break;
            line.substitutes.push_back({next->second, next->tick, next->rating});
            current = next->second;
        }
        starters.push_back(line);
    }
    std::vector<ReportLineupLine> listed;
    for (int slot : PitchSlotListOrder)
        for (const ReportLineupLine& line : starters)
            if (line.pitchSlot == slot)
                listed.push_back(line);
    return listed;
}

std::string RatingText(float rating)
{
    if (rating == 0)
        return "s/n";
    char text[16];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(rating));
    return text;
}

namespace {

const char* ContinentalCaption(int kind, int edition)
{
    if (kind == kKindFirstContinentalCup)
        return edition == 1 ? "Libertadores" : "Liga Campeões";
    return edition == 1 ? "Sul-Americana" : "Liga Europa da UEFA";
}

const char* ContinentalHeading(int kind, int edition)
{
    if (kind == kKindFirstContinentalCup)
        return edition == 1 ? "Taça libertadores" : "Liga dos Campeões";
    return edition == 1 ? "Copa Sul-Americana" : "Liga Europa da UEFA";
}

int LeagueCountry(int league)
{
    return league >= 0 && league < static_cast<int>(Leagues.size()) ? Leagues[league].country : -1;
}

void AddChoice(ResultsChooser& chooser, const std::string& caption, int region)
{
    chooser.captions.push_back(caption);
    chooser.regions.push_back(region);
}

}  // namespace

ResultsChooser ResultsChooserOf(const ResultsDay& day, int shownRegion)
{
    ResultsChooser chooser;
    if (day.kind == kKindFirstContinentalCup || day.kind == kKindSecondContinentalCup) {
        chooser.kind = ResultsChooserKind::Continental;
        for (int edition : {1, 2})
            AddChoice(chooser, ContinentalCaption(day.kind, edition), edition);
    } else if ((day.kind == kKindNationalLeague || day.kind == kKindNationalCup) && Leagues.size() >= 2) {
        chooser.kind = ResultsChooserKind::League;
        for (int league = 0; league < static_cast<int>(Leagues.size()); ++league) {
            const int country = LeagueCountry(league);
            AddChoice(chooser, country >= 0 && country < static_cast<int>(CountryNames.size()) ? CountryNames[country] : "", league);
        }
    } else if (day.kind == kKindStateChampionship) {
        chooser.kind = ResultsChooserKind::State;
        for (int state = 0; state < StateCount && state < static_cast<int>(StateChampionships.size()); ++state)
            if (StateChampionships[state].active != 0)
                AddChoice(chooser, StateDemonyms[static_cast<std::size_t>(state)], state);
    }
    const auto shown = std::find(chooser.regions.begin(), chooser.regions.end(), shownRegion);
    if (shown != chooser.regions.end())
        chooser.selected = static_cast<int>(shown - chooser.regions.begin());
    else if (!chooser.regions.empty())
        chooser.selected = 0;
    return chooser;
}

std::string ResultsHeading(const ResultsDay& day, int region)
{
    switch (day.kind) {
    case kKindNationalLeague: return "Campeonato " + NationalityName(LeagueCountry(region)) + MatchdayRoundText;
    case kKindNationalCup: return "Copa " + CountryPhrase(LeagueCountry(region)) + MatchdayRoundText;
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup:
        return (region == 1 || region == 2 ? ContinentalHeading(day.kind, region) : "") + MatchdayRoundText;
    case kKindStateChampionship: return StateResultsHeading(region);
    default: return MatchdayHeading;
    }
}

std::string StateResultsHeading(int state)
{
    if (state < 0 || state >= StateCount)
        return MatchdayHeading;
    return std::string("Campeonato ") + StateDemonyms[static_cast<std::size_t>(state)] + MatchdayRoundText;
}

}  // namespace tarvelon

