#include "tools/sim/sim_run.h"

#include <filesystem>
#include <memory>

#include "core/hooks.h"
#include "core/newgame/command_line_choices.h"
#include "core/persist/file_io.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "tools/sim/sim_report.h"

namespace tarvelon::sim {

namespace {

std::string Absolute(const std::string& path)
{
    return path.empty() ? path : std::filesystem::absolute(path).string();
}

}  // namespace

bool StartSimGame(const SimOptions& options, std::string& message)
{
    const FirstScreen first = StartCommandLineGame(options, message);
    if (first == FirstScreen::None)
        return false;
    BeginSeasonLoop(first == FirstScreen::Matchday);
    return true;
}

namespace {

// A loaded game opens on its hub: today's line-ups are still to be built.
void StartLoadedSimGame(SavedGameImage& image)
{
    StartLoadedGame(image);
    BeginSeasonLoop(false);
}

}  // namespace

bool LoadSimGame(const std::string& path, std::string& message)
{
    auto image = std::make_unique<SavedGameImage>();
    const SavedGameFileCheck check = ReadSavedGameFile(path, *image);
    if (check != SavedGameFileCheck::kValid) {
        message = SavedGameFileMessage(check);
        return false;
    }
    StartLoadedSimGame(*image);
    return true;
}

bool LoadSimGameBytes(std::string_view bytes, std::string& message)
{
    auto image = std::make_unique<SavedGameImage>();
    if (ReadSavedGameImage(bytes, *image) != SavedGameCheck::kValid) {
        message = kInvalidSaveMessage;
        return false;
    }
    StartLoadedSimGame(*image);
    return true;
}

bool SaveSimGame(const std::string& path) { return WriteSavedGameFile(path); }

int RunSim(const SimOptions& options, std::ostream& out, std::ostream& err)
{
    // The run's hooks last only while the run does.
    struct HookGuard {
        CoreHooks saved = Hooks();
        ~HookGuard() { Hooks() = saved; }
    } guard;
    const std::string loadFile = Absolute(options.loadFile);
    const std::string saveFile = Absolute(options.saveFile);
    if (!options.dataFolder.empty()) {
        std::error_code failed;
        std::filesystem::current_path(options.dataFolder, failed);
        if (failed) {
            err << "tarvelon-sim: cannot enter " << options.dataFolder << "\n";
            return 1;
        }
        SetProgramFolder(std::filesystem::current_path());
    }
    StartRules({options.seed});
    // The game's message boxes go to the error stream as they come.
    Hooks().showMessage = [&err](const std::string& text) { err << text << "\n"; };
    std::string message;
    const bool started = loadFile.empty() ? StartSimGame(options, message) : LoadSimGame(loadFile, message);
    if (!started) {
        if (!message.empty())
            err << message << "\n";
        return 1;
    }
    for (int s = 0; s < options.seasons; ++s) {
        SeasonWatch watch;
        watch.atSeasonEnd = [&out] { PrintSeasonReport(out, Game.Season); };
        PlaySeason(watch);
    }
    if (!saveFile.empty() && !SaveSimGame(saveFile)) {
        err << kSaveFailedMessage << "\n";
        return 1;
    }
    out << "digest: " << GameDigest() << "\n";
    return 0;
}

}  // namespace tarvelon::sim
