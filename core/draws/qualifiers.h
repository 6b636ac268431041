#pragma once
// The continental qualifiers of each country: one row of club indexes in order of qualification
// priority per played league (from its final table and its cup winner), or the country's best clubs
// by level for a country whose league is not played.
#include <array>
#include <cstdint>
#include <vector>

namespace tarvelon {

// Entries 0..9: club indexes in order of priority (-1 none); entry 10: the count.
using QualifierRow = std::array<std::int32_t, 11>;
constexpr int kQualifierCountEntry = 10;

// One row per league, same index as `Leagues`; rebuilt by BuildCountryTables.
extern std::vector<QualifierRow> QualifierRows;

// The rows of the countries of the draw being made, row k for the k-th country of its list.
extern std::array<QualifierRow, 27> ContinentalEntrants;

// The best clubs (league and extra clubs) of a country without a played league, into `row`.
void PickCountryTopClubs(int country, QualifierRow& row);

// Comparator of PickCountryTopClubs: higher key first; equal keys by the higher random key first.
int CompareQualifierCandidates(const void* a, const void* b);

// Builds QualifierRows for `season` (the season that has just ended); with `draw` set and the first
// continental cups on, also draws both editions of the continental cups and builds their fixtures.
void BuildCountryTables(int season, bool draw);

// The qualifier row of a country: its league's row when its league is played, else its best clubs.
QualifierRow CountryQualifiers(int country);

// Fills ContinentalEntrants rows 0..n-1 with the qualifiers of the listed countries.
void FillContinentalEntrants(const int* countries, int n);

}  // namespace tarvelon
