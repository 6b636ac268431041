#pragma once
// The club files a new game draws its league clubs from, and the file name of every club taken in.
#include <string>
#include <vector>

#include "core/records/club_file.h"

namespace tarvelon {

// The new game's catalogue of club files: one header per club file, with the file name it was
// found under (same index). Filled by the new-game screens, read by AddCountryClubs, emptied when
// the new game starts.
extern std::vector<TClubHeader> CustomChampionshipClubs;
extern std::vector<std::string> CustomChampionshipFiles;

// The club file of each league and extra club, same index as `Clubs`; the new-game builder reads
// the clubs' squads from these files and then empties the list.
extern std::vector<std::string> ClubFileNames;

// Lists the club files ("*.tcf", any case) of `folder` into the catalogue, in name order: each readable
// file's header, its file-name field set to the name found, and that name. A missing folder or an
// unreadable file adds nothing.
void ListClubFilesForNewGame(const std::string& folder = "teams");

}  // namespace tarvelon
