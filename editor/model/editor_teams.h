#pragma once
// The team editor's rules for whole teams: the club and national-team lists, adding a club (its
// checks and its file name), the edit-club change record, adding and editing a national team,
// and the crest and symbol pictures (listing a folder, the base name of a file, resolving one).
#include <optional>
#include <string>
#include <vector>

#include "core/basics/color.h"

namespace tarvelon {

// One row of the club list (clubs saved in the editor's format).
struct ClubListRow {
    int id = 0;
    std::string name;
    int country = 0;
    int level = 0;
    bool playable = false;
};
// One row of the national-team list (present teams, in country order).
struct NationListRow {
    int id = 0;
    int level = 0;
};

std::vector<ClubListRow> ClubListRows();            // table order, deleted clubs left out
std::vector<NationListRow> NationListRows();
// Country ascending, then level descending, then name ascending.
void SortClubRowsByCountryAndLevel(std::vector<ClubListRow>& rows);
ClubListRow ClubListRowOf(int club);

// What the add-club dialog gives.
struct NewClubFields {
    std::string fullName;
    std::string shortName;
    std::string coach;
    std::string stadium;
    std::string fileName;
    int level = 10;
    int country = 29;
    int state = 0;
    TColor backColor = 0xFFFFFF;
    TColor textColor = 0x000000;
    std::string crest;
};

inline constexpr int kMaxNewClubFileName = 21;
// 1..21 characters that the club's header can store, with no separator, ".." or control character.
bool IsValidClubFileName(const std::string& name);
// The first failing check's message, empty when the club can be added.
std::string NewClubProblem(const NewClubFields& fields);
// Appends the club to the tables (every slot "nomeø") and makes it current; returns its index.
// The caller writes its file.
int AddEditorClub(const NewClubFields& fields);

// The edit-club change record: a field is applied only when set (and, for texts, not empty).
struct ClubChanges {
    std::optional<std::string> fullName, shortName, coach, stadium;
    std::optional<int> level, country, state;
    std::optional<TColor> backColor, textColor;
    bool Any() const;
};
void ApplyClubChanges(int club, const ClubChanges& changes);

// National teams.
inline constexpr const char* kNationExistsText = "Esta seleção já existe, você pode edita-la clicando em editar";
inline constexpr const char* kNoNationCoachText = "Nome do técnico não inserido";
struct NationFields {
    std::string coach;
    int level = 15;
    TColor backColor = 0xFFFFFF;
    TColor textColor = 0x000000;
    std::string symbol;
};
// Fills the country's record as a new team (its player slots stay as they are).
void AddEditorNation(int country, const NationFields& fields);
// Coach, level and colours of an existing team.
void EditEditorNation(int country, const NationFields& fields);

// The country lists' type-ahead: "M" picks the first country beginning "Ma", any other key the
// first country beginning with its character; -1 when none does.
int CountryForKey(char key);

// Pictures.
inline constexpr const char* kCrestFolder = "teams/escudos";
inline constexpr const char* kSymbolFolder = "teams/selecoes";
inline constexpr const char* kNoCrestName = "nullescudo.gif";
// The picture files of a folder (".gif", ".bmp", ".png" in any case), each once, sorted by name.
std::vector<std::string> ListPictureFiles(const std::string& folder);
// The file name without its picture extension.
std::string PictureBaseName(const std::string& fileName);
// Why a picture's base name cannot be kept in the team's record, empty when it can: a club's crest
// holds 25 characters and a national symbol 30, each written in the Western character set; a
// longer name would be cut and a foreign character changed, and the team would lose its picture.
std::string PictureNameProblem(const std::string& baseName, bool national);
// The first existing of folder/base + ".png", ".gif", ".bmp"; empty when none, or when the base
// name is not a plain file name (core/persist/file_paths.h).
std::string ResolvePicture(const std::string& folder, const std::string& baseName);
// The national-team dialog's first look at a stored symbol: teams/selecoes/base + ".gif", else
// ".bmp" (a symbol kept only as ".png" shows there once it is picked again).
std::string StoredSymbolPreviewPath(const std::string& baseName);
// A club's crest, else "teams/escudos/nullescudo.gif" when it exists, else empty.
std::string ClubCrestPath(int club);
std::string NationSymbolPath(int country);

}  // namespace tarvelon
