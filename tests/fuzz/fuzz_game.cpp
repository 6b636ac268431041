// The sample game of the database and saved-game targets.
#include "tests/fuzz/fuzz_game.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "core/services/rule_services.h"
#include "core/hooks.h"
#include "core/seasonloop/season_loop.h"
#include "core/records/game_state.h"
#include "core/season/fixtures.h"
#include "core/settings/settings.h"
#include "core/tables.h"
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

namespace {

bool ClubOrNone(std::int32_t club) { return club == -1 || (club >= 0 && static_cast<std::size_t>(club) < Clubs.size()); }

}  // namespace

void ExpectIndexesInTheirTables()
{
    Expect(Game.DayKind >= -1 && Game.DayKind <= 9, "a loaded game's day kind names a competition");
    Expect(ClubOrNone(Game.CurrentHumanClub), "a loaded game's current club is a club");
    Expect(Game.HumanClubCount >= 0 && Game.HumanClubCount <= 6, "a loaded game has at most six human clubs");
    for (const std::int32_t club : Game.HumanClubs)
        Expect(ClubOrNone(club), "a loaded game's human clubs are clubs");
    for (const TPlayer& player : Players)
        Expect(player.Club < static_cast<std::int32_t>(Clubs.size()), "a loaded player's club is a club or none");
    for (const TFixture& fixture : Fixtures)
        Expect(ClubOrNone(fixture.home) && ClubOrNone(fixture.away), "a loaded fixture's sides are clubs");
    for (const TMailMessage& mail : MailMessages)
        Expect(ClubOrNone(mail.recipientClub), "a loaded message goes to a club");
}

void PlayDays(int days)
{
    for (int day = 0; day < days; ++day)
        if (PlayDay() == DayOutcome::SeasonOver)
            return;
}

}  // namespace tarvelon::fuzz
