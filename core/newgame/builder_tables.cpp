#include "core/newgame/builder_tables.h"

#include "core/draws/club_catalogue.h"

namespace tarvelon {

std::vector<TClubCatalogueEntry> ClubCatalogue;
std::vector<TClubHeader> NewGameClubHeaders;
std::vector<TClubSquad> NewGameClubSquads;
std::vector<TNationalSquad> NationalSquadRecords;
std::array<int, CustomCountry> CountryClubCounts{};
std::array<ShortString<25>, 6> HumanCoachNames{};

void ResetNewGameBuilderTables()
{
    ClubCatalogue.clear();
    NewGameClubHeaders.clear();
    NewGameClubSquads.clear();
    NationalSquadRecords.clear();
    CountryClubCounts.fill(0);
    HumanCoachNames.fill(ShortString<25>{});
    CustomChampionshipClubs.clear();
    CustomChampionshipFiles.clear();
}

}  // namespace tarvelon
