#pragma once
// Saving and loading a game: "sav/" + the game's save name, written whole through a temporary file
// and read whole and checked before it replaces the game in memory.
#include <string>
#include <string_view>

#include "core/records/game_state.h"

namespace tarvelon {

inline constexpr char kSaveFolder[] = "sav";
inline constexpr char kSaveExtension[] = ".nsx";
// Characters of a save name before ".nsx": the name and its extension fit the game's 50.
inline constexpr int kMaxSaveNameStem = 46;

inline constexpr char kSaveFailedMessage[] =
    "Erro ao salvar, verifique se você tem permisão para salvar ou se não existe a pasta sav";
inline constexpr char kLoadFailedMessage[] = "Erro ao carregar o arquivo";
inline constexpr char kInvalidSaveMessage[] = "Este arquivo não é válido ou está corrompido";

// A name the game may save under: 1 to 46 characters and ".nsx" (in any case), no folder
// separators, no control characters, not the folder's "." or "..".
bool IsValidSaveName(std::string_view name);

// The path of a saved game inside the save folder.
std::string SavePath(std::string_view name);

enum class SaveOutcome {
    kSaved,
    kNoName,       // the player gave no usable name: nothing written
    kWriteFailed,  // no "sav" folder, no permission, a full disk, or a game larger than any save:
                   // the message was shown, the last save is whole
};

// Writes the live game to `path` (any path) through a temporary file of its own; false when it
// cannot be written or is larger than any game the loader takes (the file at `path` is then whole).
bool WriteSavedGameFile(const std::string& path);

// Saves the game under its save name, asking for one first when it has none (Hooks().askSaveName).
SaveOutcome SaveGame();

struct SavedGameImage;

// A checked saved game becomes the game: every table and every state of the game played before,
// saved or not, is reset as for a new game (nothing of it reaches the loaded one), then the image
// is installed with a fresh autosave count, the season-start flag and its calendar.
void StartLoadedGame(SavedGameImage& image);

// What the caller opens after LoadGame.
enum class LoadOutcome {
    kNothing,          // no save selected
    kFailed,           // a message was shown; the game in memory is as it was
    kOpenHub,          // the main hub
    kOpenNationalHub,  // the national-team hub: the day's competition kind is 7 or more
};

// Loads the saved game `selectedSave` (a name inside the save folder): a file that cannot be read,
// is of another version or is damaged gets its message and changes nothing. A loaded game gets the
// file's name as its save name, a fresh autosave count, the season-start flag and its calendar.
LoadOutcome LoadGame(const std::string& selectedSave);

enum class SavedGameFileCheck {
    kValid,
    kUnreadable,  // missing, not a regular file, or a read error: kLoadFailedMessage
    kInvalid,     // another version, damaged, or larger than any game: kInvalidSaveMessage
};

// Reads the saved game at `path` (any path) and checks it into `image`; a file larger than any saved
// game is refused before it is read. `image` is only meaningful when the result is kValid.
SavedGameFileCheck ReadSavedGameFile(const std::string& path, SavedGameImage& image);

// The message a refused saved game gets.
const char* SavedGameFileMessage(SavedGameFileCheck check);

enum class PreviewOutcome { kValid, kInvalid, kUnreadable };

// The load screen's preview: checks `name` whole, as the load does, so that a file the load would
// refuse shows as invalid; the game state of a valid one goes into `preview` (its preview coach
// and club texts).
PreviewOutcome ReadSavePreview(const std::string& name, TGameState& preview);

// Deletes the saved game `name` from the save folder; false when the name leaves the folder or the
// file could not be removed.
bool DeleteSavedGame(const std::string& name);

}  // namespace tarvelon
