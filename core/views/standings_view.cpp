#include "core/views/standings_view.h"

#include <algorithm>

#include "core/format/names.h"
#include "core/history/history_lookups.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

constexpr int kNationalCupDecidedStage = 6;
constexpr int kContinentalPlaceRows = 8;
constexpr int kRegionSouthAmerica = 1;
constexpr int kRegionEurope = 2;

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }
bool IsLeague(int league) { return league >= 0 && league < static_cast<int>(Leagues.size()); }
bool IsState(int state) { return state >= 0 && state < kStateCount; }

bool LevelRows(const TStandingRow& a, const TStandingRow& b)
{
    return a.points == b.points && a.goalDifference == b.goalDifference && a.goalsFor == b.goalsFor && a.wins == b.wins;
}

void Paint(std::vector<int>& colours, int first, int last, int colour)
{
    for (int row = first; row <= last && row <= static_cast<int>(colours.size()); ++row)
        if (row >= 1)
            colours[row - 1] = colour;
}

void PaintPromotionAndRelegation(std::array<std::vector<int>, kStandingDivisions>& colours, const TLeague& league)
{
    const int divisions = league.divisionCount;
    if (Game.LeagueFormat != kDivisionsOf20) {
        Paint(colours[0], 9, 10, kRelegationRow);
        for (int d = 2; d <= kStandingDivisions; ++d) {
            Paint(colours[d - 1], 1, 2, kPromotionRow);
            Paint(colours[d - 1], 9, 10, kRelegationRow);
        }
        return;
    }
    Paint(colours[0], divisions >= 2 ? 17 : 19, 20, kRelegationRow);
    for (int d = 2; d <= kStandingDivisions; ++d) {
        Paint(colours[d - 1], 1, 4, kPromotionRow);
        Paint(colours[d - 1], d < divisions ? 17 : 19, 20, kRelegationRow);
    }
    if (Game.RegionalFourthDivision && league.country == CountryBrazil) {
        Paint(colours[2], 17, 20, kRelegationRow);
        Paint(colours[3], 17, 20, kPlainRow);
    }
}

// Where a club stands in the league's kept order: {division, row}, or {0, 0}.
std::pair<int, int> PlaceInLeague(const TLeague& league, int club)
{
    for (int d = 1; d <= kStandingDivisions; ++d)
        for (int r = 1; r <= kClubsPerDivision; ++r)
            if (league.finalOrder[d - 1][r - 1] == club)
                return {d, r};
    return {0, 0};
}

// The first division's continental places; the national cup winner takes one of the first cup's
// wherever he finished, and the places below him move down one.
void PaintContinentalPlaces(std::array<std::vector<int>, kStandingDivisions>& colours, const TLeague& league)
{
    const int confederation = ConfederationOfCountry(league.country);
    if (confederation != kConfEurope && confederation != kConfSouthAmerica)
        return;
    const int region = confederation == kConfSouthAmerica ? kRegionSouthAmerica : kRegionEurope;
    int firstCup = GetContinentalCupPlaces(league.country, 4, region);
    int secondCup = GetContinentalCupPlaces(league.country, 6, region);
    if (firstCup > 1)
        firstCup -= 1;
    Paint(colours[0], 1, kContinentalPlaceRows, kPlainRow);
    int winner = Game.NationalCupStage >= kNationalCupDecidedStage ? FindChampion(2, league.country, Game.Season) : -1;
    if (firstCup < 2)
        winner = -1;
    if (IsClub(winner)) {
        const auto [division, row] = PlaceInLeague(league, winner);
        if (division >= 1) {
            Paint(colours[division - 1], row, row, kFirstCupRow);
            if (division == 1 && row <= firstCup)
                firstCup += 1;
            if (division == 1 && row <= firstCup + secondCup)
                secondCup += 1;
        }
    }
    if (Game.firstContinentalPairOn)
        Paint(colours[0], 1, firstCup, kFirstCupRow);
    if (Game.secondContinentalPairOn)
        for (int row = firstCup + 1; row <= firstCup + secondCup && row <= kContinentalPlaceRows; ++row)
            if (colours[0][row - 1] != kFirstCupRow)
                Paint(colours[0], row, row, kSecondCupRow);
}

}  // namespace

int DivisionRows() { return Game.LeagueFormat == kDivisionsOf20 ? 20 : 10; }

std::vector<TStandingRow> DivisionTableRows(int league, int division)
{
    std::vector<TStandingRow> rows;
    if (!IsLeague(league) || division < 1 || division > kStandingDivisions)
        return rows;
    for (int r = 0; r < DivisionRows() && r < kClubsPerDivision; ++r) {
        const int club = Leagues[league].finalOrder[division - 1][r];
        if (IsClub(club))
            rows.push_back(StandingRowOf(club, 1));
    }
    return rows;
}

std::vector<TStandingRow> RankedTableRows(const std::vector<int>& clubs, int kind)
{
    return RankedStandingRows(clubs, kind);
}

std::vector<std::string> PlaceTexts(const std::vector<TStandingRow>& rows)
{
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < rows.size(); ++i)
        texts.push_back(i > 0 && LevelRows(rows[i], rows[i - 1]) ? std::string() : std::to_string(i + 1) + "º");
    return texts;
}

std::array<std::vector<int>, kStandingDivisions> LeagueRowColours(int league)
{
    std::array<std::vector<int>, kStandingDivisions> colours;
    for (std::vector<int>& division : colours)
        division.assign(DivisionRows(), kPlainRow);
    if (!IsLeague(league))
        return colours;
    PaintPromotionAndRelegation(colours, Leagues[league]);
    PaintContinentalPlaces(colours, Leagues[league]);
    return colours;
}

std::vector<int> StateGroupRowColours(int group)
{
    std::vector<int> colours(kStateGroupRows, kPlainRow);
    Paint(colours, 1, group == 1 ? 2 : 1, kPromotionRow);
    Paint(colours, kStateGroupRows, kStateGroupRows, kRelegationRow);
    return colours;
}

std::vector<int> ContinentalGroupRowColours()
{
    std::vector<int> colours(kContinentalGroupRows, kPlainRow);
    Paint(colours, 1, 2, kPromotionRow);
    return colours;
}

std::vector<int> StateGroupClubs(int state, int group)
{
    if (!IsState(state) || group < 1 || group > kStateTierCount)
        return {};
    const auto& members = StateChampionships[state].groups[group - 1];
    return std::vector<int>(std::begin(members), std::end(members));
}

std::vector<int> ContinentalGroupClubs(int kind, int edition, int group)
{
    const int table = ContinentalGroupTable(kind, edition);
    if (table < 0 || group < 1 || group > kContinentalGroups)
        return {};
    const auto& members = Game.ContinentalGroups[table][group - 1];
    return std::vector<int>(std::begin(members), std::end(members));
}

std::vector<int> ActiveStateChampionships()
{
    std::vector<int> states;
    for (int state = 0; state < kStateCount; ++state)
        if (StateChampionships[state].active)
            states.push_back(state);
    return states;
}

int FirstShownState()
{
    const int human = Game.CurrentHumanClub;
    if (IsClub(human) && Clubs[human].Country == CountryBrazil && IsState(Clubs[human].State)
        && StateChampionships[Clubs[human].State].active)
        return Clubs[human].State;
    const std::vector<int> states = ActiveStateChampionships();
    return states.empty() ? 0 : states.back();
}

int FirstShownLeague()
{
    const int human = Game.CurrentHumanClub;
    const int league = FindLeagueByCountry(IsClub(human) ? Clubs[human].Country : CountryBrazil);
    return IsLeague(league) ? league : 0;
}

int FirstStandingsTab()
{
    const int kind = Game.DayKind;
    return kind == 1 || kind == 3 || kind == 4 || kind == 6 ? kind : 1;
}

std::string LeagueStandingsTitle(int league)
{
    return IsLeague(league) ? "Campeonato " + NationalityName(Leagues[league].country) : std::string();
}

std::string StateStandingsTitle(int state)
{
    return IsState(state) ? std::string("Campeonato ") + StateDemonyms[state] : std::string();
}

std::string ContinentalStandingsTitle(int tab, bool european)
{
    std::string title = tab == 6 ? (european ? "Liga Europa" : "Copa Sul-Americana")
                                 : (european ? "Liga dos Campeões da Europa" : "Libertadores");
    if (Game.Season <= 1)
        title += " (grupos ainda não sorteados)";
    return title;
}

}  // namespace tarvelon
