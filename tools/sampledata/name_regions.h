#pragma once
// Invented names in the style of a language region: people, towns, clubs and stadiums are made from
// syllable tables, so no name belongs to a real club or person.
#include <string>

#include "tools/sampledata/sample_random.h"

namespace tarvelon::sampledata {

enum class NameRegion {
    Portuguese, PortugalPortuguese, Spanish, Italian, English, German, French, Dutch, Nordic, Slavic, Greek, Turkish,
    Romanian, Hungarian, Arabic, Persian, Japanese, Korean, Chinese, African,
};
inline constexpr int kNameRegionCount = 20;

// The naming style of a country id (English-like for countries without one of their own).
NameRegion NameRegionOfCountry(int country);

// "Given Surname" (or a single nickname where the region uses them), at most maxLength characters.
std::string MakePersonName(NameRegion region, SampleRandom& random, std::size_t maxLength);

// A surname alone.
std::string MakeSurname(NameRegion region, SampleRandom& random);

// A town name of at most 12 characters.
std::string MakeTownName(NameRegion region, SampleRandom& random);

struct ClubNames {
    std::string town;
    std::string shortName;  // at most 25 characters
    std::string fullName;   // at most 25 characters
    std::string stadium;    // at most 30 characters
};

// The names of a club of the given town.
ClubNames MakeClubNames(NameRegion region, const std::string& town, SampleRandom& random);

}  // namespace tarvelon::sampledata
