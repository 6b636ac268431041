#include "tools/sim/sim_run.h"

#include <filesystem>
#include <functional>
#include <memory>

#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/file_io.h"
#include "core/records/session_globals.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/seasonloop/season_loop.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "tools/sim/sim_report.h"

namespace tarvelon::sim {

namespace {

bool Contains(const std::vector<int>& values, int value)
{
    for (int v : values)
        if (v == value)
            return true;
    return false;
}

NewGameChoices ChoicesOf(const SimOptions& options)
{
    NewGameChoices choices;
    choices.countries = options.leagues.empty() ? OfferedLeagueCountries() : options.leagues;
    choices.leagueFormat = options.divisionSize == 10 ? kLeagueFormatDivisionsOf10 : kLeagueFormatDivisionsOf20;
    choices.nationalCup = options.nationalCup;
    choices.stateChampionships = options.stateChampionships && Contains(choices.countries, CountryBrazil);
    choices.firstContinentalPair = options.firstContinentalPair;
    choices.secondContinentalPair = options.firstContinentalPair && options.secondContinentalPair;
    choices.worldCup = options.worldCup;
    choices.copaAmerica = options.copaAmerica;
    choices.eurocopa = options.eurocopa;
    return choices;
}

std::string Absolute(const std::string& path)
{
    return path.empty() ? path : std::filesystem::absolute(path).string();
}

}  // namespace

void SeedSimRun(std::uint64_t seed)
{
    InstallDeterministicClock(seed);
    RandSeed = static_cast<std::uint32_t>(seed ^ (seed >> 32));
}

bool StartSimGame(const SimOptions& options, std::string& message)
{
    BeginNewGameSetup();
    ListNewGameClubFiles();
    const NewGameChoices choices = ChoicesOf(options);
    if (choices.countries.empty()) {
        message = "no league can be played from this database";
        return false;
    }
    if (!SetUpNewGameBeforeCoaches(choices))
        return false;
    // The set-up screens count at least one coach; a headless game may have none.
    Game.HumanClubCount = static_cast<int>(options.humanClubFiles.size());
    for (std::size_t k = 0; k < options.humanClubFiles.size(); ++k) {
        const int slot = static_cast<int>(k) + 1;
        const int club = FindLeagueClubByFile(options.humanClubFiles[k]);
        if (club < 0) {
            message = "no played club has the file " + options.humanClubFiles[k];
            return false;
        }
        if (!ChooseHumanClub(slot, club, "Técnico " + std::to_string(slot)))
            return false;
    }
    const FirstScreen first = RunNewGameBuilder();
    if (first == FirstScreen::None)
        return false;
    BeginSeasonLoop(first == FirstScreen::Matchday);
    return true;
}

bool LoadSimGame(const std::string& path, std::string& message)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        message = kLoadFailedMessage;
        return false;
    }
    auto image = std::make_unique<SavedGameImage>();
    if (ReadSavedGameImage(bytes, *image) != SavedGameCheck::kValid) {
        message = kInvalidSaveMessage;
        return false;
    }
    InstallSavedGameImage(*image);
    AutosaveCounter = 0;
    SeasonStartPending = true;
    BuildCalendar();
    // A loaded game opens on its hub: today's line-ups are still to be built.
    BeginSeasonLoop(false);
    return true;
}

bool SaveSimGame(const std::string& path) { return WriteFileReplacing(path, WriteSavedGameImage()); }

int RunSim(const SimOptions& options, std::ostream& out, std::ostream& err)
{
    // The message hook writes to `err` only while the run lasts.
    struct HookGuard {
        std::function<void(const std::string&)> saved = Hooks().showMessage;
        ~HookGuard() { Hooks().showMessage = saved; }
    } guard;
    const std::string loadFile = Absolute(options.loadFile);
    const std::string saveFile = Absolute(options.saveFile);
    // The game's message boxes go to the error stream as they come.
    Hooks().showMessage = [&err](const std::string& text) { err << text << "\n"; };
    if (!options.dataFolder.empty()) {
        std::error_code failed;
        std::filesystem::current_path(options.dataFolder, failed);
        if (failed) {
            err << "tarvelon-sim: cannot enter " << options.dataFolder << "\n";
            return 1;
        }
        SetProgramFolder(std::filesystem::current_path());
    }
    SeedSimRun(options.seed);
    InstallSeasonLoopServices();
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
