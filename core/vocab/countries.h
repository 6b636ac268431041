#pragma once
// Countries, Brazilian states and the hosts of the national-team tournaments.
// Every index here is stored in records and files: the orders never change.
#include <array>

#include "core/basics/range_array.h"

namespace tarvelon {

// Index = country id, alphabetical except for the last entry, the custom country.
extern const std::array<const char*, 203> CountryNames;

// Country ids the rules name.
constexpr int CountrySouthAfrica = 1;
constexpr int CountryGermany = 3;
constexpr int CountryArgentina = 11;
constexpr int CountryBrazil = 29;  // the country with the 27 state championships
constexpr int CountrySpain = 65;
constexpr int CountryFrance = 72;
constexpr int CountryEngland = 97;
constexpr int CountryItaly = 104;
constexpr int CountryJapan = 107;
constexpr int CountryMexico = 131;
constexpr int CountryPortugal = 154;
constexpr int CustomCountry = 202;  // "Personalizado": a custom championship

// The 27 Brazilian states, index = a Brazilian club's state index 0..26.
constexpr int StateCount = 27;
extern const std::array<const char*, StateCount> StateCodes;
extern const std::array<const char*, StateCount> StateNames;
extern const std::array<const char*, StateCount> StateDemonyms;  // "Campeonato Paulista", ...

// Host country ids by host number (1-based, as the game state stores it).
extern const RangeArray<int, 1, 11> WorldCupHosts;
extern const RangeArray<int, 1, 7> CopaAmericaHosts;
extern const RangeArray<int, 1, 7> EurocopaHosts;

// The eight cities of each World Cup host, row = host number 1..11, city 1..8.
using HostCityRow = RangeArray<const char*, 1, 8>;
extern const RangeArray<HostCityRow, 1, 11> WorldCupHostCities;

}  // namespace tarvelon
