#pragma once
// The team editor's rules for the players of a club squad (slots 1..25) or a national squad
// (slots 1..28): the rows the squad grid shows, the trait coding of the player dialogs, adding,
// editing, deleting, the regular-starter toggle, moving a player to another club and copying one
// into his nation's squad. Each works on the editor tables only; the caller writes the files.
#include <string>
#include <vector>

namespace tarvelon {

inline constexpr int kMaxRegulars = 11;
inline constexpr int kMinPlayerAge = 16;
inline constexpr int kMaxPlayerAge = 42;

// One row of the squad grid.
struct SquadRow {
    int slot = 0;          // 1-based
    int status = 0;        // the status cell: "1"/"0" in a club, the stored value in a national squad
    bool star = false;
    std::string name;
    int position = 0;
    int nationality = 0;   // the national team's country in a national squad
    int age = 0;
    int side = 0;          // 0 right "D", 1 left "E"
    std::string traits;    // "Carac." cell
};

// The squad grid's rows grouped by position (goalkeepers first), each group in slot order: in a
// club every slot but the placeholder ones (an empty name is a row), in a national squad every
// slot whose name is neither empty nor the placeholder.
std::vector<SquadRow> ClubSquadRows(int club);
std::vector<SquadRow> NationalSquadRows(int country);

// The traits cell: the full name when both traits are equal, else "abbr1/abbr2".
std::string TraitsText(int trait1, int trait2);
std::string SideText(int side);  // "D" / "E"

// The trait lists of the player dialogs: four goalkeeper traits or ten outfield traits.
int TraitChoiceCount(int position);
// "F1 - name" (first list) or "0 - name" (second list), item k of the position's list.
std::vector<std::string> TraitChoices(int position, bool firstList);
// Stored code of item k (goalkeeper: k, outfield: k + 4); -1 when k is not an item of the list.
int TraitCode(int position, int item);
// The item showing a stored code; -1 when the code is not of the position's list.
int TraitItem(int position, int code);

// What the player dialogs write into a slot (traits as stored codes).
struct PlayerFields {
    std::string name;
    int position = 0;
    int trait1 = 0;
    int trait2 = 0;
    int side = 0;
    int age = 25;
    bool star = false;
    int nationality = 29;  // club squads only
};

// True when the fields can be stored: a name (when `nameRequired`), position 0..4, both traits of
// the position's list, side 0/1, age 16..42, nationality 0..201.
bool PlayerFieldsValid(const PlayerFields& fields, bool nameRequired);
// True when the position and both traits are choices of the position's lists.
bool TraitsChosen(const PlayerFields& fields);

// Adds into the first free slot ("nomeø" in a club; empty or "nomeø" in a national squad, whose
// count is raised); returns the slot, 0 when none is free.
int AddClubPlayer(int club, const PlayerFields& fields);
int AddNationalPlayer(int country, const PlayerFields& fields);
// The fields of a slot as the edit dialog loads them.
PlayerFields ClubPlayerFields(int club, int slot);
PlayerFields NationalPlayerFields(int country, int slot);
// Writes the fields into the slot; an empty name keeps the old one.
void EditClubPlayer(int club, int slot, const PlayerFields& fields);
void EditNationalPlayer(int country, int slot, const PlayerFields& fields);
// The slot becomes free ("nomeø"; its other bytes stay); a national squad's count is lowered.
void DeleteClubPlayer(int club, int slot);
void DeleteNationalPlayer(int country, int slot);

// The regular-starter toggle: a regular becomes a non-regular; a non-regular becomes a regular
// while fewer than 11 are. Returns the slot's new flag.
int ToggleClubRegular(int club, int slot);
int ToggleNationalRegular(int country, int slot);
int CountClubRegulars(int club);
int CountNationalRegulars(int country);

int OccupiedClubSlots(int club);
int FirstFreeClubSlot(int club);  // 1-based, 0 when full

// Moves a club player into the first free slot of `toClub` (his regular flag cleared; the target
// slot's side and file byte stay) and frees the source slot. Returns the target slot, 0 when the
// target is full.
int MoveClubPlayer(int slot, int fromClub, int toClub);

// Copies a club player into his nation's squad: refused (returns 0) when the nationality is not a
// country, the nation has no team, its squad is full, or a player of that name is already in it.
// Sets EditorCurrentNation to the nationality first. Returns the national slot.
int CopyToNationalSquad(int club, int slot);

}  // namespace tarvelon
