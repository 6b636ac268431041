#include "core/persist/saved_game.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

#include "core/basics/cp1252.h"
#include "core/hooks.h"
#include "core/records/session_globals.h"
#include "core/persist/file_io.h"
#include "core/persist/file_paths.h"
#include "core/persist/saved_game_image.h"
#include "core/season/calendar.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kNationalTournamentKinds = 7;  // day kinds 7..9 are national-team tournaments

// The extension ends the name in any case of its letters: save names, as every data file name,
// are matched without regard to case ("BASEUP.NSX" is a saved game).
bool EndsWithExtension(std::string_view text)
{
    const std::string_view extension = kSaveExtension;
    if (text.size() < extension.size()) return false;
    const std::string_view end = text.substr(text.size() - extension.size());
    return std::equal(end.begin(), end.end(), extension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

// A saved game always lies directly in the save folder. One listed there is loaded, previewed and
// deleted under the name it has, whatever characters another program gave it.
bool StaysInSaveFolder(std::string_view name) { return IsNameInFolder(name); }

void ShowMessage(const std::string& text)
{
    if (Hooks().showMessage) Hooks().showMessage(text);
}

bool IsClub(int club) { return club >= 0 && static_cast<std::size_t>(club) < Clubs.size(); }

std::string ClubName(int club) { return IsClub(club) ? Clubs[static_cast<std::size_t>(club)].name.str() : ""; }

std::string CoachNameOfClub(int club)
{
    if (!IsClub(club)) return "";
    const int coach = Clubs[static_cast<std::size_t>(club)].coach;
    if (coach < 0 || static_cast<std::size_t>(coach) >= Coaches.size()) return "";
    return Coaches[static_cast<std::size_t>(coach)].name.str();
}

// The texts the load screen shows for this save (each cut to 25 characters by the record).
void WritePreviewTexts()
{
    const int club = Game.CurrentHumanClub;
    Game.previewCoach.set(CoachNameOfClub(club));
    if (Game.DayKind >= kNationalTournamentKinds)
        Game.previewClub.set(ClubName(Game.coachedNationalTeam) + " (" + ClubName(club) + ")");
    else
        Game.previewClub.set(ClubName(club));
}

// The game's save name, asking the player for one when it has none usable. Empty: do not save.
std::string EnsureSaveName()
{
    if (IsValidSaveName(Game.saveName.str())) return Game.saveName.str();
    const std::string chosen = Hooks().askSaveName ? Hooks().askSaveName() : std::string();
    if (!IsValidSaveName(chosen)) return "";
    Game.saveName.set(chosen);
    return Game.saveName.str();  // as stored, so the file name and the record agree
}

}  // namespace

bool IsValidSaveName(std::string_view name)
{
    // Dots are plain characters of a save name ("jogo." typed gives "jogo..nsx"); only the folder's
    // own "." and ".." are no name.
    if (!EndsWithExtension(name) || !IsNameInFolder(name) || HoldsControlCharacters(name)) return false;
    const std::size_t stem = Utf8Length(name.substr(0, name.size() - std::string_view(kSaveExtension).size()));
    return stem >= 1 && stem <= static_cast<std::size_t>(kMaxSaveNameStem);
}

std::string SavePath(std::string_view name) { return std::string(kSaveFolder) + "/" + std::string(name); }

bool WriteSavedGameFile(const std::string& path)
{
    const std::string image = WriteSavedGameImage();
    // A game beyond the size the loader takes is not written: it could never be loaded again.
    return image.size() <= kMaxSavedGameBytes && WriteFileReplacing(path, image);
}

SaveOutcome SaveGame()
{
    const std::string name = EnsureSaveName();
    if (name.empty()) return SaveOutcome::kNoName;
    WritePreviewTexts();
    if (!WriteSavedGameFile(SavePath(name))) {
        ShowMessage(kSaveFailedMessage);
        return SaveOutcome::kWriteFailed;
    }
    return SaveOutcome::kSaved;
}

void StartLoadedGame(SavedGameImage& image)
{
    ResetGameTables();
    InstallSavedGameImage(image);
    AutosaveCounter = 0;
    SeasonStartPending = 1;
    BuildCalendar();
}

SavedGameFileCheck ReadSavedGameFile(const std::string& path, SavedGameImage& image)
{
    std::string bytes;
    switch (ReadWholeFile(path, bytes, kMaxSavedGameBytes)) {
    case WholeFileRead::kRead: break;
    case WholeFileRead::kUnreadable: return SavedGameFileCheck::kUnreadable;
    case WholeFileRead::kTooLarge: return SavedGameFileCheck::kInvalid;
    }
    return ReadSavedGameImage(bytes, image) == SavedGameCheck::kValid ? SavedGameFileCheck::kValid
                                                                       : SavedGameFileCheck::kInvalid;
}

const char* SavedGameFileMessage(SavedGameFileCheck check)
{
    return check == SavedGameFileCheck::kUnreadable ? kLoadFailedMessage : kInvalidSaveMessage;
}

LoadOutcome LoadGame(const std::string& selectedSave)
{
    if (selectedSave.empty()) return LoadOutcome::kNothing;
    auto image = std::make_unique<SavedGameImage>();
    const SavedGameFileCheck check = StaysInSaveFolder(selectedSave) ? ReadSavedGameFile(SavePath(selectedSave), *image)
                                                                     : SavedGameFileCheck::kUnreadable;
    if (check != SavedGameFileCheck::kValid) {
        ShowMessage(SavedGameFileMessage(check));
        return LoadOutcome::kFailed;
    }
    StartLoadedGame(*image);
    // A name the game could not save under again is dropped: the next save asks for one.
    if (IsValidSaveName(selectedSave)) Game.saveName.set(selectedSave);
    else Game.saveName.clear();
    return Game.DayKind >= kNationalTournamentKinds ? LoadOutcome::kOpenNationalHub : LoadOutcome::kOpenHub;
}

PreviewOutcome ReadSavePreview(const std::string& name, TGameState& preview)
{
    if (name.empty() || !StaysInSaveFolder(name)) return PreviewOutcome::kUnreadable;
    auto image = std::make_unique<SavedGameImage>();
    switch (ReadSavedGameFile(SavePath(name), *image)) {
    case SavedGameFileCheck::kValid: break;
    case SavedGameFileCheck::kUnreadable: return PreviewOutcome::kUnreadable;
    case SavedGameFileCheck::kInvalid: return PreviewOutcome::kInvalid;
    }
    preview = image->game;
    return PreviewOutcome::kValid;
}

bool DeleteSavedGame(const std::string& name)
{
    if (name.empty() || !StaysInSaveFolder(name))
        return false;
    std::error_code failed;
    return std::filesystem::remove(SavePath(name), failed) && !failed;
}

}  // namespace tarvelon
