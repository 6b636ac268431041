#pragma once
// Reading and writing the database files: club files ("teams/" + name + ".tcf": int32 1, the
// header, int32 1, the squad) and national-squad files ("teams/selecoes/" + id + ".nsx": int32 1,
// the squad). Reading keeps the bytes as stored but one: the state of a club outside Brazil, which
// means nothing there, reads as 0 when it is above the last state (26), so the editor writes such a
// club back with state 0 and every other byte as it read it. The fix-ups that a new game applies to
// a squad are a separate step.
//
// A file that cannot be opened, is too short, or holds a value that would index outside the game's
// tables (a country above 201, a position above 4, ...) is refused with an error; callers show
// kFileLoadErrorText.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/club_file.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"

namespace tarvelon {

inline constexpr const char* kFileLoadErrorText = "Erro ao carregar o arquivo";

enum class DatabaseFileError {
    None,
    CannotOpen,   // missing or unreadable
    TooShort,     // ends before its records do
    BadValue,     // a value out of the range the game can use (the record still holds what was read)
    CannotWrite,  // the write failed; the previous file is untouched
};

struct ClubFile {
    TClubHeader header;
    TClubSquad squad;
};

inline constexpr std::size_t kClubFileSize = 4 + sizeof(TClubHeader) + 4 + sizeof(TClubSquad);
inline constexpr std::size_t kNationalSquadFileSize = 4 + sizeof(TNationalSquad);

inline constexpr int kLastCountryId = CustomCountry - 1;  // the country ids of the database files: 0..201
inline constexpr int kLastStateIndex = StateCount - 1;
inline constexpr int kLastPosition = PositionCount - 1;
inline constexpr int kLastTrait = TraitCount - 1;

// "teams/" + name + ".tcf" and "teams/selecoes/" + id + ".nsx", as written.
std::string ClubFilePath(std::string_view name);
std::string NationalSquadFilePath(int countryId);

// The existing club or national-squad file of that name, found without regard to case; empty when
// there is none.
std::string FindClubFile(std::string_view name);
std::string FindNationalSquadFile(int countryId);

// Raw images in and out. Parsing never reads beyond `bytes`; bytes after the records are ignored.
DatabaseFileError ParseClubFile(std::string_view bytes, ClubFile& file);
DatabaseFileError ParseNationalSquadFile(std::string_view bytes, TNationalSquad& squad);
std::string SerializeClubFile(const ClubFile& file);
std::string SerializeNationalSquadFile(const TNationalSquad& squad);

DatabaseFileError ReadClubFile(const std::string& path, ClubFile& file);
DatabaseFileError ReadNationalSquadFile(const std::string& path, TNationalSquad& squad);
DatabaseFileError WriteClubFile(const std::string& path, const ClubFile& file);
DatabaseFileError WriteNationalSquadFile(const std::string& path, const TNationalSquad& squad);

// Reads only the listing part of a club header (country, playable, format value, level, short name;
// the first 81 bytes); the rest of `header` is zero.
DatabaseFileError ReadClubFileListing(const std::string& path, TClubHeader& header);

// The placeholder name of a free squad slot, in CP1252 ("nomeø").
inline constexpr std::string_view kFreeSlotName = "nome\xF8";

// A squad slot is free when its name is empty or the placeholder.
bool IsFreeSlot(const ShortString<35>& name);

// Playable: a club squad with at least 1 goalkeeper and 11 outfield players; a national squad with
// at least 2 goalkeepers and 16 outfield players (free slots do not count; a used slot of any
// position other than 0 counts as an outfield player).
bool IsClubSquadPlayable(const TClubSquad& squad);
bool IsNationalSquadPlayable(const TNationalSquad& squad);

// What the editor stamps on every save: the playable byte and the format value.
void StampClubFileForSave(ClubFile& file);
void StampNationalSquadForSave(TNationalSquad& squad);

// A club file is taken into a game only when saved by the editor in this format and playable.
bool IsClubFileTakenIntoGame(const TClubHeader& header);

// A national squad is taken into a game when saved by the editor in this format, whatever its
// players: neither the playable byte nor the player count is looked at.
bool IsNationalSquadTakenIntoGame(const TNationalSquad& squad);

// The editor lists a club saved in this format, and a national team saved in this format whose coach
// name is not empty.
bool IsClubListedInEditor(const TClubHeader& header);
bool IsNationalSquadListedInEditor(const TNationalSquad& squad);

// The club's level in a game: a stored level above 25 reads as 9.
int ClubLevelInGame(const TClubHeader& header);

// The new game's fix-ups of one squad slot as it is read (slot index 0..24): a trait above 13
// becomes 0 (both traits); then an outfield player's trait 0 becomes 4 + Random(8), each trait
// drawn by itself (first trait first); a side other than 0 or 1 becomes 0.
void ApplySquadSlotLoadFixups(TClubSquad& squad, int slot);

// The same for every used slot, in slot order.
void ApplyClubSquadLoadFixups(TClubSquad& squad);

// Tells the player (one message box) which data files were passed over as damaged, each file once
// a run of the program; nothing when none is new. The first ten are named, the rest counted.
void NoticeSkippedDataFiles(const std::vector<std::string>& paths);

}  // namespace tarvelon
