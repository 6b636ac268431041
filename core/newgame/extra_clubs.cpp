#include "core/newgame/extra_clubs.h"

#include <string>

#include "core/draws/club_catalogue.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/file_listing.h"
#include "core/persist/club_file.h"
#include "core/persist/file_paths.h"
#include "core/season/competitions.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr const char* kClubFolder = "teams";

// The listing part of a club file; false when the file cannot be read or names no known country.
bool ReadCatalogueEntry(const std::string& name, TClubCatalogueEntry& entry)
{
    TClubHeader header;
    if (!IsPlainFileName(name))
        return false;
    if (ReadClubFileListing(std::string(kClubFolder) + "/" + name, header) != DatabaseFileError::None)
        return false;
    entry = TClubCatalogueEntry{};
    entry.country = header.country;
    entry.playable = header.playable;
    entry.formatValue = header.formatValue;
    entry.level = header.level;
    entry.shortName = header.shortName;
    entry.fileName.set(name);
    return true;
}

bool TakenAsExtraClub(const TClubCatalogueEntry& entry, int country)
{
    return entry.country == country && entry.playable != 0 && entry.formatValue == kDatabaseFormatValue &&
           IsPlainFileName(entry.fileName.str()) && !FindFileNoCase(kClubFolder, entry.fileName.str()).empty();
}

void AppendExtraClub(const TClubCatalogueEntry& entry, int listPosition)
{
    ++Game.ExtraClubCount;
    const int club = static_cast<int>(Clubs.size());
    Clubs.emplace_back();
    ClubFileNames.push_back(entry.fileName.str());
    Clubs[club].name = entry.shortName;
    Clubs[club].Country = entry.country;
    // Rows past the game state's room keep their clubs in the game, unrecorded.
    if (!ExtraClubListPositionFits(listPosition))
        return;
    std::int32_t& count = Game.ExtraClubCounts[listPosition - 1];
    ++count;
    if (count <= kExtraClubsPerRow)
        Game.ExtraClubRows[listPosition][count - 1] = club;
}

void TakeExtraClubsOf(int listPosition)
{
    const int country = ExtraClubCountries[listPosition - 1];
    if (FindLeagueByCountry(country) != -1)
        return;
    int quota = ExtraClubQuota(listPosition);
    for (const TClubCatalogueEntry& entry : ClubCatalogue) {
        if (quota <= 0)
            return;
        if (!TakenAsExtraClub(entry, country))
            continue;
        --quota;
        AppendExtraClub(entry, listPosition);
    }
}

}  // namespace

int CompareCatalogueEntries(const void* a, const void* b)
{
    const auto& first = *static_cast<const TClubCatalogueEntry*>(a);
    const auto& second = *static_cast<const TClubCatalogueEntry*>(b);
    if (first.level != second.level)
        return first.level > second.level ? -1 : 1;
    if (first.country != second.country)
        return first.country < second.country ? -1 : 1;
    return 0;
}

int ExtraClubQuota(int listPosition)
{
    if (listPosition == 1)
        return 14;
    return listPosition <= 11 ? 12 : 10;
}

void ResetExtraClubRows()
{
    for (auto& row : Game.ExtraClubRows)
        for (std::int32_t& club : row)
            club = -1;
    for (std::int32_t& count : Game.ExtraClubCounts)
        count = 0;
    Game.ExtraClubCount = 0;
}

void CatalogueClubFiles()
{
    ClubCatalogue.clear();
    for (const std::string& name : ListDataFiles(kClubFolder, ".tcf")) {
        TClubCatalogueEntry entry;
        if (ReadCatalogueEntry(name, entry))
            ClubCatalogue.push_back(entry);
    }
    if (!ClubCatalogue.empty())
        SortRecords(ClubCatalogue.data(), static_cast<int>(sizeof(TClubCatalogueEntry)), 0,
                    static_cast<int>(ClubCatalogue.size()) - 1, CompareCatalogueEntries);
    for (int p = 1; p <= static_cast<int>(ExtraClubCountries.size()); ++p)
        TakeExtraClubsOf(p);
}

}  // namespace tarvelon
