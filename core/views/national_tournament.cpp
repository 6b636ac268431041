#include "core/views/national_tournament.h"

#include <algorithm>
#include <tuple>

#include "core/history/history_lookups.h"
#include "core/matchday_rules/standings.h"
#include "core/matchday_rules/tournament_venues.h"
#include "core/records/cup_tie.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/pairing.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

std::string PlaceText(int place) { return std::to_string(place) + "º"; }

GroupTableRow RowOf(int club, int kind)
{
    const TStandingRow s = StandingRowOf(club, kind);
    GroupTableRow row;
    row.club = club;
    row.points = s.points;
    row.games = s.games;
    row.wins = s.wins;
    row.draws = s.draws;
    row.losses = s.losses;
    row.goalsFor = s.goalsFor;
    row.goalsAgainst = s.goalsAgainst;
    row.goalDifference = s.goalDifference;
    return row;
}

// Points, then goal difference, then goals for, then wins, all descending.
int CompareGroupRows(const GroupTableRow& a, const GroupTableRow& b)
{
    const auto key = [](const GroupTableRow& r) { return std::make_tuple(r.points, r.goalDifference, r.goalsFor, r.wins); };
    return key(a) > key(b) ? -1 : (key(a) < key(b) ? 1 : 0);
}

// The two cities of a group's venues (X, Y), numbered in the host's list.
std::array<int, 2> GroupCities(int kind, int group)
{
    if (kind == kKindWorldCup) {
        static constexpr int kFirst[8] = {5, 7, 3, 1, 7, 3, 5, 1};
        return group >= 1 && group <= 8 ? std::array<int, 2>{kFirst[group - 1], kFirst[group - 1] + 1}
                                        : std::array<int, 2>{0, 0};
    }
    const int first = group == 2 || group == 4 ? 3 : 1;
    return {first, first + 1};
}

// The six group matches are in X, Y, Y, X, X, Y.
constexpr bool kInFirstCity[6] = {true, false, false, true, true, false};

}  // namespace

bool IsNationalTournamentKind(int kind)
{
    return kind == kKindWorldCup || kind == kKindCopaAmerica || kind == kKindEurocopa;
}

int ShownTournamentKind()
{
    if (IsNationalTournamentKind(Game.DayKind))
        return Game.DayKind;
    for (int day = 1; day <= kCalendarDays; ++day)
        if (IsNationalTournamentKind(Calendar[static_cast<std::size_t>(day)].dayKind))
            return Calendar[static_cast<std::size_t>(day)].dayKind;
    return kKindWorldCup;
}

int TournamentGroupCount(int kind)
{
    switch (kind) {
    case kKindWorldCup: return 8;
    case kKindCopaAmerica: return 3;
    case kKindEurocopa: return 4;
    default: return 0;
    }
}

std::vector<GroupTableRow> TournamentGroupRows(int kind, int group)
{
    std::vector<GroupTableRow> rows;
    if (group < 1 || group > TournamentGroupCount(kind))
        return rows;
    for (const int club : Game.NationalGroups[group - 1])
        if (IsClub(club))
            rows.push_back(RowOf(club, kind));
    SortRowsAsRecords(rows, CompareGroupRows);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].place = i > 0 && CompareGroupRows(rows[i - 1], rows[i]) == 0 ? "" : PlaceText(static_cast<int>(i) + 1);
    return rows;
}

std::array<GroupMatch, 6> TournamentGroupMatches(int kind, int group)
{
    std::array<GroupMatch, 6> matches{};
    if (group < 1 || group > TournamentGroupCount(kind))
        return matches;
    const std::array<int, 2> cities = GroupCities(kind, group);
    const auto& members = Game.NationalGroups[group - 1];
    for (int r = 1; r <= 3; ++r)
        for (int m = 1; m <= 2; ++m) {
            const int n = (r - 1) * 2 + (m - 1);
            GroupMatch& match = matches[static_cast<std::size_t>(n)];
            const TPairing pairing = GetPairing4(r, 1, m);
            if (pairing.home >= 1 && pairing.home <= 4)
                match.team1 = members[pairing.home - 1];
            if (pairing.away >= 1 && pairing.away <= 4)
                match.team2 = members[pairing.away - 1];
            match.venue = TournamentHostCity(kind, kInFirstCity[n] ? cities[0] : cities[1]);
            if (!IsClub(match.team1))
                continue;
            const int report = FindTournamentMatch(kind, r, match.team1);
            if (report < 0 || report >= static_cast<int>(MatchReports.size()))
                continue;
            const TMatchReport& played = MatchReports[static_cast<std::size_t>(report)];
            const int side = played.club[0] == match.team1 ? 0 : 1;
            match.score = std::to_string(played.goals[side]) + "x" + std::to_string(played.goals[1 - side]);
            match.report = report;
        }
    return matches;
}

int TournamentHostCountry(int kind)
{
    const int host = Game.TournamentHost;
    switch (kind) {
    case kKindWorldCup: return WorldCupHosts.contains(host) ? WorldCupHosts[host] : -1;
    case kKindCopaAmerica: return CopaAmericaHosts.contains(host) ? CopaAmericaHosts[host] : -1;
    case kKindEurocopa: return EurocopaHosts.contains(host) ? EurocopaHosts[host] : -1;
    default: return -1;
    }
}

std::string TournamentHostCity(int kind, int city)
{
    const int host = Game.TournamentHost;
    const char* name = nullptr;
    if (kind == kKindWorldCup) {
        if (WorldCupHostCities.contains(host) && city >= 1 && city <= 8)
            name = WorldCupHostCities[host][city];
    } else if (kind == kKindCopaAmerica || kind == kKindEurocopa) {
        const auto& table = kind == kKindCopaAmerica ? HostCitiesSouthAmerica : HostCitiesEurope;
        if (table.contains(host) && city >= 1 && city <= 4)
            name = table[host][city];
    }
    return name ? name : "";
}

std::string TournamentPositionVenue(int kind, int position)
{
    // Positions 1-8 the host's eight cities, 9-12 its cities 1-4, 13-14 and 15-16 cities 1-2.
    if (position >= 1 && position <= 8)
        return kind == kKindWorldCup ? TournamentHostCity(kind, position) : "";
    if (position >= 9 && position <= 12)
        return TournamentHostCity(kind, position - 8);
    if (position >= 13 && position <= 16)
        return TournamentHostCity(kind, (position - 13) % 2 + 1);
    return "";
}

std::string NationalStageText(int kind, int stage, int team)
{
    if (!IsNationalTournamentKind(kind))
        return "";
    if (stage >= 1 && stage <= 3) {
        const int group = IsClub(team) ? Clubs[team].NationalTeamGroup : 0;
        const std::string letter = group >= 1 && group <= 8 ? std::string(1, static_cast<char>('A' + group - 1)) : "";
        return "Grupo " + letter + " - " + std::to_string(stage) + "ª rodada";
    }
    const bool worldCup = kind == kKindWorldCup;
    const int finalStage = worldCup ? 7 : 6;
    const int finalTie = worldCup ? 15 : 7;
    if (stage == finalStage) {
        const TCupTie& final = NationalCupTies[finalTie];
        return team >= 0 && (final.firstTeam == team || final.secondTeam == team) ? "Final" : "Decisão 3º lugar";
    }
    static const char* const kWorldCupStages[] = {"Oitavas de Final", "Quartas de Final", "Semi-Final"};
    static const char* const kContinentalStages[] = {"Quartas de Final", "Semi-Final"};
    if (worldCup && stage >= 4 && stage <= 6)
        return kWorldCupStages[stage - 4];
    if (!worldCup && stage >= 4 && stage <= 5)
        return kContinentalStages[stage - 4];
    return "";
}

bool NationStillInTournament(int nation) { return IsClub(nation) && Clubs[nation].NationalTeamCupEntry != 0; }

int NextServedNation(int from)
{
    const int count = std::clamp(Game.HumanNationCount, 0, 6);
    for (int slot = std::max(from, 1); slot <= count; ++slot)
        if (NationStillInTournament(Game.HumanNations[slot - 1]))
            return slot;
    return 0;
}

}  // namespace tarvelon
