#pragma once
// The team editor's own tables: every club file of "teams/" and every national-squad file of
// "teams/selecoes/" as read, kept for the whole run once the editor has been opened, and written
// back one file at a time after each change. The game's tables are never touched here.
//
// Each club remembers the real path of the file it came from, so that it is written back and
// deleted through that path whatever the case or the length of its name.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/persist/club_file.h"

namespace tarvelon {

inline constexpr int kEditorCountryCount = kLastCountryId + 1;  // national teams 0..201

// Club tables, parallel, index = the club's editor index (it never changes during the run).
extern std::vector<TClubHeader> EditorClubHeaders;
extern std::vector<TClubSquad> EditorClubSquads;
extern std::vector<std::string> EditorClubPaths;   // the file each club is written to
extern std::vector<bool> EditorClubDeleted;        // its file was deleted by the editor
// National teams by country id; all zero until a file fills an entry.
extern std::array<TNationalSquad, kEditorCountryCount> EditorNationalSquads;

extern int EditorCurrentClub;
extern int EditorCurrentNation;
extern bool EditorNationalView;
extern bool EditorPickerForCurrent;
extern int EditorClubFileCount;
extern bool NationalDialogEditMode;
extern std::string ChosenImageName;
// The nationality of the last club player added during this run (0: none yet).
extern int LastAddedNationality;
// The squad slot (1-based) a player dialog or the transfer dialog works on; 0 for none.
extern int EditorSelectedSlot;

// The club files of "teams/" (extension ".tcf" in any case), sorted by name.
std::vector<std::string> ListClubFiles();
// The national-squad files of "teams/selecoes/" (".nsx" in any case), sorted by name.
std::vector<std::string> ListNationalSquadFiles();

// Reads every club file and national-squad file into the tables (club tables rebuilt from index 0;
// national entries overwritten by the files found). A file shorter than its records loads with the
// rest zero. `progress` is called before each club file. Returns the names of the files that could
// not be read; they are skipped.
std::vector<std::string> LoadEditorTables(const std::function<void(int loaded)>& progress = {});

// Stamps the playable flag and format value and writes the club's file (temporary file and rename);
// false when the write failed (the old file stays whole) or the club was deleted.
bool SaveEditorClub(int club);
// The same for a national team ("teams/selecoes/" + id + ".nsx").
bool SaveEditorNation(int country);
// Deletes the club's file (a file already gone is no error); its entries stay in the tables.
void DeleteEditorClub(int club);

bool IsEditorClub(int club);
// A club of the tables whose file the editor has not deleted.
bool IsLiveEditorClub(int club);
bool IsEditorNation(int country);
// A national team is present when its coach name is not empty and it was saved in this format.
bool IsNationPresent(int country);

// Forgets everything (tests).
void ClearEditorTables();

}  // namespace tarvelon
