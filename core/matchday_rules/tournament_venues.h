#pragma once
// The four host cities of each Copa América and Eurocopa host, row = host number as the game state
// stores it (1..7, in the order of CopaAmericaHosts and EurocopaHosts), city 1..4.
#include "core/basics/range_array.h"

namespace tarvelon {

using HostCityQuad = RangeArray<const char*, 1, 4>;
extern const RangeArray<HostCityQuad, 1, 7> HostCitiesSouthAmerica;
extern const RangeArray<HostCityQuad, 1, 7> HostCitiesEurope;

}  // namespace tarvelon
