// The coach and club rankings.
#include "core/views/rankings.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "core/basics/cp1252.h"
#include "core/basics/literal_text.h"
#include "core/format/names.h"
#include "core/records/history_records.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kBrazil = 29;
constexpr int kStateIndex = 2;  // the state championship among the six ranked competitions

bool ValidClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

int KeyCountry(const TCoach& coach) { return ValidClub(coach.club) ? Clubs[coach.club].Country : coach.country; }

// Larger first for every title and the points; the lower club index last of all.
auto RankKey(const CoachRankingRow& r)
{
    return std::make_tuple(-r.points, -r.clubWorldCupTitles, -r.firstContinentalTitles, -r.secondContinentalTitles,
                           -r.leagueTitles, -r.cupTitles, -r.stateTitles, r.club);
}

std::string Part(const std::string& label, int count)
{
    return count > 0 ? label + std::to_string(count) + "\r\n" : "";
}

bool InRanking(int club, int country, bool international)
{
    return international || Clubs[club].Country == country;
}

int LeagueCountry(int league)
{
    return league >= 0 && league < static_cast<int>(Leagues.size()) ? Leagues[league].country : -1;
}

}  // namespace

std::vector<CoachRankingRow> CoachRankingRows(int country)
{
    std::vector<CoachRankingRow> rows;
    for (int c = 0; c < static_cast<int>(Coaches.size()); ++c) {
        const TCoach& coach = Coaches[c];
        if (coach.name.str().empty())
            continue;
        const int key = KeyCountry(coach);
        if (country != -1 && key != country)
            continue;
        CoachRankingRow row;
        row.coach = c;
        row.leagueTitles = coach.titles[0];
        row.cupTitles = coach.titles[1];
        row.stateTitles = key == kBrazil ? coach.titles[2] : 0;
        row.firstContinentalTitles = coach.titles[3];
        row.clubWorldCupTitles = coach.titles[4];
        row.secondContinentalTitles = coach.titles[5];
        row.points = country == -1 ? coach.worldRankingPoints : coach.nationalRankingPoints;
        row.club = coach.club;
        rows.push_back(row);
    }
    // The game's record sort: coaches equal on every key end as it leaves them.
    SortRowsAsRecords(rows, [](const CoachRankingRow& a, const CoachRankingRow& b) {
        return RankKey(a) < RankKey(b) ? -1 : (RankKey(b) < RankKey(a) ? 1 : 0);
    });
    return rows;
}

std::string CoachTitlesText(int coach)
{
    std::map<int, int> byKind;       // kinds 2..9
    std::array<int, 5> divisions{};  // national league titles by division 1..4
    std::map<int, int> firstDivisionByCountry;
    int libertadores = 0, championsLeague = 0, sulAmericana = 0, europaLeague = 0;
    for (const TPlacing& p : Placings) {
        if (p.coach != coach || p.place != 1 || p.competition <= 0 ||
            p.competition >= static_cast<int>(Competitions.size()))
            continue;
        const TCompetition& c = Competitions[p.competition];
        if (c.kind == 1 && c.secondKey >= 1 && c.secondKey <= 4) {
            ++divisions[c.secondKey];
            if (c.secondKey == 1 && ValidClub(p.club))
                ++firstDivisionByCountry[Clubs[p.club].Country];
        } else if (c.kind > 1) {
            ++byKind[c.kind];
        }
        if (c.kind == 4)
            ++(c.secondKey == 1 ? libertadores : championsLeague);
        if (c.kind == 6)
            ++(c.secondKey == 1 ? sulAmericana : europaLeague);
    }
    std::string text = Part("Copa do Mundo:", byKind[7]) + Part("Copa América:", byKind[8]) +
                       Part("Eurocopa:", byKind[9]) + Part("Mundial:", byKind[5]);
    if (Game.firstContinentalPairOn && byKind[4] > 0)
        text += Part("Libertadores:", libertadores) + Part("Liga Campeões:", championsLeague);
    if (Game.secondContinentalPairOn && byKind[6] > 0)
        text += Part("Sul-Americana:", sulAmericana) + Part("Liga Europa:", europaLeague);
    if (divisions[1] > 0) {
        text += "Nacional 1ª divisão:" + std::to_string(divisions[1]) + " (";
        for (const auto& [country, count] : firstDivisionByCountry)
            text += NationalityName(country) + ":" + std::to_string(count);
        text += ")\r\n";
    }
    text += Part("Copa:", byKind[2]) + Part("Estadual:", byKind[3]);
    for (int division = 2; division <= 4; ++division)
        text += Part("Nacional " + std::to_string(division) + "ª divisão:", divisions[division]);
    return text;
}

std::string CoachNameHeading(int coach)
{
    const std::string name = coach >= 0 && coach < static_cast<int>(Coaches.size()) ? Coaches[coach].name.str() : "";
    // The heading holds 56 characters with its opening tags; the name is cut to what is left.
    const std::string open = "<B><FONT color=\"#D9D900\"><SHAD>";
    const std::string shown = Utf8Left(open + name, 56).substr(open.size());
    return open + MarkupLiteral(shown) + "</SHAD></FONT></B>";
}

std::string CoachPointsHeading(int points)
{
    return "<B><FONT color=\"#D9D900\"><SHAD>" + std::to_string(points) + " pontos</SHAD></FONT></B>";
}

namespace {

// The ranked clubs' rows, in club order: `fill(row, competition, counts)` writes one competition's
// column and, where `counts` (every competition but the state championship in "Internacional"),
// adds it to the row's totals.
template <typename Fill>
std::vector<ClubRankingRow> ClubRankingRows(int league, bool international, Fill fill)
{
    std::vector<ClubRankingRow> rows;
    const int country = LeagueCountry(league);
    for (int club = 0; club < Game.LeagueClubCount && club < static_cast<int>(Clubs.size()); ++club) {
        if (!InRanking(club, country, international))
            continue;
        ClubRankingRow row;
        row.club = club;
        row.name = Clubs[club].name.str();
        for (int i = 0; i < kRankedCompetitions; ++i)
            fill(row, i, !(international && i == kStateIndex));
        rows.push_back(row);
    }
    return rows;
}

// More points, then the greater goal difference, then more goals for; all equal: no order.
int ComparePointsRows(const ClubRankingRow& a, const ClubRankingRow& b)
{
    const auto key = [](const ClubRankingRow& r) { return std::make_tuple(r.total, r.goalDifference, r.goalsFor); };
    return key(a) > key(b) ? -1 : (key(a) < key(b) ? 1 : 0);
}

}  // namespace

std::vector<ClubRankingRow> PlacingRankingRows(int league, bool international)
{
    const auto fill = [](ClubRankingRow& row, int i, bool counts) {
        const int counter = Clubs[row.club].honourPoints[i];
        row.columns[i] = std::to_string(counter) + " pts";
        if (counts)
            row.total += counter;
    };
    return ClubRankingRows(league, international, fill);
}

std::vector<ClubRankingRow> PointsRankingRows(int league, bool international)
{
    const auto fill = [](ClubRankingRow& row, int i, bool counts) {
        const auto& figures = Clubs[row.club].allTimeRecord[i];
        row.columns[i] = "(" + std::to_string(figures[kAllTimePoints]) + "/" +
                         std::to_string(figures[kAllTimeGoalsFor]) + "/" +
                         std::to_string(figures[kAllTimeGoalsAgainst]) + ")";
        if (!counts)
            return;
        row.total += figures[kAllTimePoints];
        row.goalsFor += figures[kAllTimeGoalsFor];
        row.goalDifference += figures[kAllTimeGoalsFor] - figures[kAllTimeGoalsAgainst];
    };
    std::vector<ClubRankingRow> rows = ClubRankingRows(league, international, fill);
    SortRowsAsRecords(rows, ComparePointsRows);
    return rows;
}

}  // namespace tarvelon
