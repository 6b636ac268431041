#pragma once
// The syllable tables and name patterns of each language region (see name_regions.h).
#include <vector>

#include "tools/sampledata/name_regions.h"

namespace tarvelon::sampledata {

using Words = std::vector<const char*>;

// A club pattern: the full name and the short name, "{T}" standing for the town and "{Y}" for a
// founding year.
struct ClubPattern {
    const char* full;
    const char* shortName;
};

struct RegionTables {
    Words givenStarts, givenEnds;
    Words surnamePrefixes;  // may be empty; "" entries mean none
    Words surnameStarts, surnameMiddles, surnameEnds;
    Words townStarts, townEnds;
    std::vector<ClubPattern> clubs;
    Words stadiums;          // "{T}" town, "{S}" a surname
    Words nicknameEnds;      // single-name players (empty: the region has none)
    const char* givenJoin;   // between the two parts of a given name ("" or "-")
};

const RegionTables& TablesOf(NameRegion region);

}  // namespace tarvelon::sampledata
