// The sample game of the database and saved-game targets.
#include "tests/fuzz/fuzz_game.h"

#include <filesystem>

#include "core/services/rule_services.h"
#include "core/hooks.h"
#include "core/seasonloop/season_loop.h"
#include "core/settings/settings.h"
#include "core/vocab/countries.h"
#include "tests/fuzz/fuzz_target.h"
#include "tools/sampledata/sample_database.h"
#include "tools/sim/sim_run.h"

namespace tarvelon::fuzz {

const std::string& EnterSampleGameFolder()
{
    static const std::string folder = [] {
        const std::filesystem::path path = std::filesystem::path(ScratchFolder()) / "jogo";
        sampledata::WriteSampleDatabase(path, 1);
        std::filesystem::current_path(path);
        SetProgramFolder(path);
        Hooks().showMessage = [](const std::string&) {};
        InstallRuleServices();
        return path.string();
    }();
    return folder;
}

bool StartSampleGame()
{
    EnterSampleGameFolder();
    sim::SimOptions options;
    options.leagues = {CountryBrazil};
    options.divisionSize = 10;
    SeedRepeatableRun(options.seed);
    std::string message;
    return sim::StartSimGame(options, message);
}

void PlayDays(int days)
{
    for (int day = 0; day < days; ++day)
        if (PlayDay() == DayOutcome::SeasonOver)
            return;
}

}  // namespace tarvelon::fuzz
