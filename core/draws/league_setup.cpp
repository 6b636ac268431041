#include "core/draws/league_setup.h"

#include <vector>

#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/draws/draw_candidates.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kCurrentClubFormat = 10;  // format byte of a club file written by the current editor

// The clubs of the country being added, waiting to be dealt into divisions.
std::vector<DrawCandidate> PendingCountryClubs;

bool TakesPartInGame(const TClubHeader& header, int country)
{
    return header.country == country && header.playable != 0 && !header.shortName.empty() &&
           header.formatValue == kCurrentClubFormat;
}

int AppendClubFromHeader(const TClubHeader& header, const std::string& fileName, int country)
{
    const int index = static_cast<int>(Clubs.size());
    Clubs.emplace_back();
    ClubFileNames.push_back(fileName);
    TClub& club = Clubs.back();
    club.Level = header.level;
    club.State = header.state;
    club.Country = country;
    club.name.set(header.shortName.str());
    club.crestName.set(header.crestName.str());
    return index;
}

void ClearDivisionLists(TLeague& league)
{
    for (int d = 0; d < 4; ++d) {
        for (int s = 0; s < 20; ++s) {
            league.divisions[d][s] = -1;
            league.finalOrder[d][s] = -1;
        }
    }
}

}  // namespace

int CompareClubsByLevel(const void* a, const void* b)
{
    return CompareLevelThenLowerKey(a, b);
}

int DivisionSize()
{
    return DivisionSizeOf(Game.LeagueFormat);
}

int DivisionCountFor(int clubs, bool divisionsOfTwenty)
{
    if (divisionsOfTwenty) {
        if (clubs >= 82)
            return 4;
        if (clubs >= 62)
            return 3;
        if (clubs >= 42)
            return 2;
        return 1;
    }
    if (clubs >= 42)
        return 4;
    if (clubs >= 32)
        return 3;
    return 2;
}

void AddCountryClubs(int league, int country)
{
    PendingCountryClubs.clear();
    const int catalogued = static_cast<int>(CustomChampionshipClubs.size());
    for (int i = 0; i < catalogued; ++i) {
        const TClubHeader& header = CustomChampionshipClubs[i];
        if (!TakesPartInGame(header, country))
            continue;
        const std::string fileName = i < static_cast<int>(CustomChampionshipFiles.size()) ? CustomChampionshipFiles[i] : "";
        const int club = AppendClubFromHeader(header, fileName, country);
        PendingCountryClubs.push_back({club, header.level, Random(50)});
    }
    Game.LeagueClubCount += static_cast<int>(PendingCountryClubs.size());
    DealClubsIntoDivisions(league);
}

void DealClubsIntoDivisions(int leagueIndex)
{
    std::vector<DrawCandidate>& list = PendingCountryClubs;
    for (DrawCandidate& entry : list)
        entry.key = Random(50);
    SortCandidates(list, CompareClubsByLevel);

    TLeague& league = Leagues.at(leagueIndex);
    const int size = DivisionSize();
    const int divisions = DivisionCountFor(static_cast<int>(list.size()), size == 20);
    league.divisionCount = divisions;
    ClearDivisionLists(league);

    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        TClub& club = Clubs[list[i].club];
        if (i >= divisions * size) {
            club.Division = 0;
            continue;
        }
        const int division = i / size;
        league.divisions[division][i % size] = list[i].club;
        league.finalOrder[division][i % size] = list[i].club;
        club.Division = division + 1;
    }
    list.clear();
}

}  // namespace tarvelon
