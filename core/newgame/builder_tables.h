#pragma once
// The working tables of the new-game builder: what it reads from the club and national-squad files
// before it turns them into the game's tables. They live only while a new game is being set up and
// built; StartNewGame empties them, and a new set-up starts from empty ones.
#include <array>
#include <cstdint>
#include <vector>

#include "core/basics/short_string.h"
#include "core/records/club_file.h"
#include "core/records/record_layout.h"
#include "core/vocab/countries.h"

namespace tarvelon {

#pragma pack(push, 1)
// One club file of "teams/" as the extra-club walk sees it: the first 30 bytes of its header and the
// name it was found under.
struct TClubCatalogueEntry {
    std::uint8_t country{};
    std::uint8_t playable{};
    std::uint8_t formatValue{};   // 10 for a file saved by the current editor
    std::uint8_t level{};
    ShortString<25> shortName;
    ShortString<50> fileName;     // inside "teams/", with its extension
};
#pragma pack(pop)

TARVELON_RECORD_SIZE(TClubCatalogueEntry, 81);
TARVELON_FIELD_AT(TClubCatalogueEntry, country, 0);
TARVELON_FIELD_AT(TClubCatalogueEntry, playable, 1);
TARVELON_FIELD_AT(TClubCatalogueEntry, formatValue, 2);
TARVELON_FIELD_AT(TClubCatalogueEntry, level, 3);
TARVELON_FIELD_AT(TClubCatalogueEntry, shortName, 4);
TARVELON_FIELD_AT(TClubCatalogueEntry, fileName, 30);

// Every club file found, best level first (the extra clubs are taken from it).
extern std::vector<TClubCatalogueEntry> ClubCatalogue;

// The header and squad block of each club's file, same index as `Clubs`.
extern std::vector<TClubHeader> NewGameClubHeaders;
extern std::vector<TClubSquad> NewGameClubSquads;

// The national-squad files found, in file order.
extern std::vector<TNationalSquad> NationalSquadRecords;

// Playable current club files per country id 0..201, counted when the club files are listed.
extern std::array<int, CustomCountry> CountryClubCounts;

// The names typed for the human coaches of slots 1..6 (slot s at [s - 1]).
extern std::array<ShortString<25>, 6> HumanCoachNames;

// The countries whose best clubs come into the game as extra clubs of the continental cups when
// their league is not played, by list position 1..53 (position p at [p - 1]).
inline constexpr std::array<int, 53> ExtraClubCountries{
    29, 11, 195, 150, 46,  42,  60,  26,  151, 198, 131, 104, 65,  3,   72,  97,  154, 162,
    107, 192, 159, 21, 160, 171, 78, 9,   51,  38,  68,  14,  57,  129, 1,   190, 43,  49,
    143, 141, 62,  193, 85,  15,  52,  31,  88,  179, 76,  142, 180, 27,  152, 54,  157};

// Empties every table above (HumanCoachNames included) and the new game's club-file lists.
void ResetNewGameBuilderTables();

}  // namespace tarvelon
