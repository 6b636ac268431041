#include "core/draws/qualifiers.h"

#include <algorithm>

#include "core/basics/random.h"
#include "core/draws/continental_cups.h"
#include "core/draws/draw_candidates.h"
#include "core/draws/draw_services.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

std::vector<QualifierRow> QualifierRows;
std::array<QualifierRow, 27> ContinentalEntrants{};

namespace {

const GameTableReset resetQualifiers([] {
    QualifierRows.clear();
    for (QualifierRow& row : ContinentalEntrants)
        row.fill(-1);
});

constexpr int kNationalCupKind = 2;
constexpr int kFirstContinentalKind = 4;
constexpr int kSecondContinentalKind = 6;
constexpr int kQualifiersPerLeague = 8;
constexpr int kEurope = 0;
constexpr int kSouthAmerica = 1;

QualifierRow EmptyRow()
{
    QualifierRow row;
    row.fill(-1);
    row[kQualifierCountEntry] = 0;
    return row;
}

// A club's qualifier key by level: the big clubs are bunched so that the random key decides among them.
int QualifierKey(int level)
{
    if (level >= 20)
        return 20;
    if (level >= 18)
        return 18;
    if (level >= 16)
        return 17;
    return level;
}

// From the second season on a big club sometimes has a poor year.
int WithPoorYear(int key)
{
    if (Game.Season < 2 || (key != 20 && key != 18 && key != 17))
        return key;
    if (Random(12) != 1)
        return key;
    return key == 17 ? key - 1 : key - 2;
}

// The region of the first continental cup a country plays in: 1 South America, 2 Europe, 0 none.
int ContinentalRegion(int country)
{
    switch (ConfederationOfCountry(country)) {
    case kSouthAmerica:
        return 1;
    case kEurope:
        return 2;
    default:
        return 0;
    }
}

// The priority place of the national cup winner: granted when the country sends more than one club.
bool CupWinnerTakesPriority(int country, int cupWinner, int champion)
{
    if (cupWinner < 0 || cupWinner == champion)
        return false;
    const int region = ContinentalRegion(country);
    return region != 0 && GetContinentalCupPlaces(country, kFirstContinentalKind, region) > 1;
}

QualifierRow LeagueQualifiers(const TLeague& league, int season)
{
    QualifierRow row = EmptyRow();
    const auto& finalTable = league.finalOrder[0];
    const int champion = finalTable[0];
    const int cupWinner = FindDrawChampion(kNationalCupKind, league.country, season);

    if (!CupWinnerTakesPriority(league.country, cupWinner, champion)) {
        for (int place = 0; place < kQualifiersPerLeague; ++place)
            row[place] = finalTable[place];
    } else {
        int entry = 0;
        row[entry++] = champion;
        row[entry++] = cupWinner;
        for (int place = 1; place < kQualifiersPerLeague; ++place)
            if (finalTable[place] != cupWinner)
                row[entry++] = finalTable[place];
    }
    row[kQualifierCountEntry] = kQualifiersPerLeague;
    return row;
}

}  // namespace

int CompareQualifierCandidates(const void* a, const void* b)
{
    return CompareLevelThenHigherKey(a, b);
}

void PickCountryTopClubs(int country, QualifierRow& row)
{
    std::vector<DrawCandidate> list;
    const int end = ClubTableEnd();
    for (int club = 0; club < end; ++club) {
        if (Clubs[club].Country != country)
            continue;
        const int key = WithPoorYear(QualifierKey(Clubs[club].Level));
        list.push_back({club, key, Random(100)});
    }
    SortCandidates(list, CompareQualifierCandidates);

    row = EmptyRow();
    const int taken = std::min<int>(static_cast<int>(list.size()), kQualifierCountEntry);
    for (int i = 0; i < taken; ++i)
        row[i] = list[i].club;
    row[kQualifierCountEntry] = taken;
}

QualifierRow CountryQualifiers(int country)
{
    const int league = FindLeagueByCountry(country);
    if (league >= 0 && league < static_cast<int>(QualifierRows.size()))
        return QualifierRows[league];
    QualifierRow row;
    PickCountryTopClubs(country, row);
    return row;
}

void FillContinentalEntrants(const int* countries, int n)
{
    for (int k = 0; k < n; ++k)
        ContinentalEntrants[k] = CountryQualifiers(countries[k]);
}

void BuildCountryTables(int season, bool draw)
{
    QualifierRows.assign(Leagues.size(), EmptyRow());
    for (std::size_t l = 0; l < Leagues.size(); ++l)
        QualifierRows[l] = LeagueQualifiers(Leagues[l], season);

    // The draw is made once, after every league has its row.
    if (!draw || !Game.firstContinentalPairOn)
        return;
    SetupContinentalCups();
    SetupContinentalCupsTwin();
    BuildCompetitionFixtures(kFirstContinentalKind, -1);
    if (Game.secondContinentalPairOn)
        BuildCompetitionFixtures(kSecondContinentalKind, -1);
}

}  // namespace tarvelon
