#include "core/draws/club_catalogue.h"

#include "core/tables.h"

namespace tarvelon {

std::vector<TClubHeader> CustomChampionshipClubs;
std::vector<std::string> CustomChampionshipFiles;
std::vector<std::string> ClubFileNames;

namespace {

const GameTableReset resetFileNames([] { ClubFileNames.clear(); });

}  // namespace

}  // namespace tarvelon
