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

// A name the game may save under: 1 to 46 characters and ".nsx", no folder separators, no "..",
// no control characters.
bool IsValidSaveName(std::string_view name);

// The path of a saved game inside the save folder.
std::string SavePath(std::string_view name);

enum class SaveOutcome {
    kSaved,
    kNoName,       // the player gave no usable name: nothing written
    kWriteFailed,  // no "sav" folder or no permission: the message was shown, the last save is whole
};

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

enum class PreviewOutcome { kValid, kInvalid, kUnreadable };

// The load screen's preview: reads only the lead and the game state of `name` into `preview`
// (its preview coach and club texts); kInvalid for a short header or another version.
PreviewOutcome ReadSavePreview(const std::string& name, TGameState& preview);

// Deletes the saved game `name` from the save folder; false when the name leaves the folder or the
// file could not be removed.
bool DeleteSavedGame(const std::string& name);

}  // namespace tarvelon
