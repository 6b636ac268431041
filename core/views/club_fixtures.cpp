// A club's matches of the running season, as its fixture list shows them.
#include "core/views/club_fixtures.h"

#include <algorithm>
#include <map>

#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/views/competition_labels.h"

namespace tarvelon {

namespace {

std::string ClubName(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].name.str() : std::string();
}

ClubFixtureRow MakeRow(int index, int club)
{
    const TFixture& f = Fixtures[index];
    ClubFixtureRow row;
    row.when = f.date;
    row.date = DateToStr(f.date) + " - " + WeekdayAbbreviation(f.date);
    row.homeOrAway = f.home == club ? "C" : "F";
    row.homeName = ClubName(f.home);
    row.awayName = ClubName(f.away);
    row.competition = FixtureListCompetitionName(f.kind, club);
    row.score = "x";
    if (f.played) {
        row.score = std::to_string(f.homeGoals) + "x" + std::to_string(f.awayGoals);
        row.attendance = FormatMoney(f.attendance);
        row.gate = "$ " + FormatMoneyWords(f.gate);
        row.fixture = index;
    }
    return row;
}

}  // namespace

const char* WeekdayAbbreviation(TDateTime date)
{
    static const char* const names[] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
    return names[std::clamp(DayOfWeek(date), 1, 7) - 1];
}

std::vector<ClubFixtureRow> ClubFixtureRows(int club, int kind)
{
    std::vector<ClubFixtureRow> rows;
    if (club < 0)
        return rows;
    for (std::size_t i = 0; i < Fixtures.size(); ++i) {
        const TFixture& f = Fixtures[i];
        if ((kind == -1 || f.kind == kind) && (f.home == club || f.away == club))
            rows.push_back(MakeRow(static_cast<int>(i), club));
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ClubFixtureRow& a, const ClubFixtureRow& b) { return a.when < b.when; });
    return rows;
}

std::vector<std::string> ClubFixtureFilterItems(int club)
{
    std::vector<std::string> items;
    if (Game.nationalCupOn)
        items.push_back("Copa");
    if (Game.StateChampionshipsOn)
        items.push_back("Estadual");
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return items;
    const bool southAmerican = ConfederationOfCountry(Clubs[club].Country) == kConfSouthAmerica;
    if (Clubs[club].firstContinentalGroup > 0)
        items.push_back(southAmerican ? "Libertadores" : "Liga Campeões");
    if (Clubs[club].secondContinentalGroup > 0)
        items.push_back(southAmerican ? "Sul-Americana" : "Liga Europa");
    return items;
}

int ClubFixtureFilterKind(const std::string& item)
{
    static const std::map<std::string, int> kinds = {
        {"Todos os jogos", -1}, {"Amistosos", 0},     {"Nacional", 1},      {"Copa", 2},       {"Estadual", 3},
        {"Libertadores", 4},    {"Liga Campeões", 4}, {"Sul-Americana", 6}, {"Liga Europa", 6}};
    const auto found = kinds.find(item);
    return found == kinds.end() ? -1 : found->second;
}

}  // namespace tarvelon
