// A season played headless through the program's one start-up and its launcher, with every
// question to the human coach answered by the hook installer's automatic answers, is the season
// tarvelon-sim plays with the same seed and choices; and those answers are the rules' own: with
// every question left unasked the game is the same.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "app/launch_options.h"
#include "app/launcher.h"
#include "app/screen_seam.h"
#include "app/startup.h"
#include "core/draws/club_catalogue.h"
#include "core/hooks.h"
#include "core/newgame/command_line_choices.h"
#include "core/records/session_globals.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "platform/audio/mci_player.h"
#include "tests/core/newgame_database.h"
#include "tools/sampledata/sample_database.h"
#include "tools/sim/sim_report.h"
#include "tools/sim/sim_run.h"

using namespace tarvelon;

namespace {

// A seed whose human club meets a penalty and an injury in its season, so that both dialogs are asked.
constexpr std::uint64_t kSeed = 4736;

class StartupSeason : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new testdb::GameFolder();
        sampledata::WriteSampleDatabase(folder_->path(), 3);
        SetProgramFolder(folder_->path());
        humanClubFile_ = TopBrazilianClubFile();
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        SetProgramFolder({});
    }
    void SetUp() override { std::filesystem::current_path(folder_->path()); }
    void TearDown() override
    {
        ScreenLayer() = ScreenSeam{};
        Hooks() = saved_;
    }

    // The club file of the first club of Brazil's first division in a game of the test's choices.
    static std::string TopBrazilianClubFile()
    {
        StartRules({kSeed});
        BeginNewGameSetup();
        ListNewGameClubFiles();
        NewGameCommandLine line;
        line.leagues = {29};
        line.divisionSize = 10;
        if (!SetUpNewGameBeforeCoaches(ChoicesFromCommandLine(line)))
            return {};
        return ClubFileNames[static_cast<std::size_t>(Leagues[static_cast<std::size_t>(FindLeagueByCountry(29))].divisions[0][0])];
    }

    // The command line both programs are given.
    static std::vector<std::string> Choices()
    {
        return {"--seed", std::to_string(kSeed), "--leagues", "29", "--division-size", "10", "--human", humanClubFile_};
    }

    // The digest tarvelon-sim prints after one season.
    static std::string SimDigest()
    {
        std::vector<std::string> args = Choices();
        args.insert(args.end(), {"--data", folder_->path().string(), "--seasons", "1"});
        std::string error;
        const auto options = sim::ParseSimOptions(args, error);
        EXPECT_TRUE(options) << error;
        std::ostringstream out, err;
        EXPECT_EQ(sim::RunSim(*options, out, err), 0) << err.str();
        const std::string text = out.str();
        const std::size_t at = text.rfind("digest: ");
        return at == std::string::npos ? std::string() : text.substr(at + 8, 16);
    }

    // `tarvelon --new-game ...` up to the first screen, which a stand-in screen layer takes.
    FirstScreen LaunchNewGame()
    {
        std::vector<std::string> args = Choices();
        args.insert(args.begin(), "--new-game");
        std::string error;
        const auto options = ParseLaunchOptions(args, error);
        EXPECT_TRUE(options) << error;
        ProgramStart start;
        start.seed = options->seed;
        start.programFolder = folder_->path().string();
        services_ = StartProgram(std::move(start));
        FirstScreen shown = FirstScreen::None;
        ScreenLayer().showFirstScreen = [&shown](const GameOpening& opening) { shown = opening.firstScreen; };
        std::ostringstream out, err;
        EXPECT_EQ(Launch(*options, out, err), std::nullopt) << err.str();
        return shown;
    }

    // Each question to the player counted on its way to the installed answer.
    void CountQuestions()
    {
        CoreHooks& h = Hooks();
        h.penaltyDialog = [this, answer = h.penaltyDialog](int a, int b, bool human) {
            ++asked_["penalty"];
            return answer(a, b, human);
        };
        h.injurySubstitutionDialog = [this, answer = h.injurySubstitutionDialog](int club, int player, int match) {
            ++asked_["injury"];
            return answer(club, player, match);
        };
        h.shootoutDialog = [this, answer = h.shootoutDialog](bool humanTakers) {
            ++asked_["shootout"];
            answer(humanTakers);
        };
    }

    static std::string PlayedSeasonDigest(FirstScreen first)
    {
        BeginSeasonLoop(first == FirstScreen::Matchday);
        PlaySeason();
        return sim::GameDigest();
    }

    static testdb::GameFolder* folder_;
    static std::string humanClubFile_;
    CoreHooks saved_ = Hooks();
    TProgramServices services_;
    std::map<std::string, int> asked_;
};

testdb::GameFolder* StartupSeason::folder_ = nullptr;
std::string StartupSeason::humanClubFile_;

TEST_F(StartupSeason, TheProgramsSeasonIsTheSimsSeason)
{
    ASSERT_FALSE(humanClubFile_.empty());
    const std::string simDigest = SimDigest();
    ASSERT_EQ(simDigest.size(), 16u);

    const FirstScreen first = LaunchNewGame();
    ASSERT_NE(first, FirstScreen::None);
    EXPECT_EQ(Game.HumanClubCount, 1);
    CountQuestions();
    EXPECT_EQ(PlayedSeasonDigest(first), simDigest);
    // The human club's matches asked the match dialogs, and the automatic answers served them (a
    // season of one club may bring no injury while substitutions are left, or no penalty).
    EXPECT_GT(asked_["penalty"] + asked_["injury"], 0);
}

TEST_F(StartupSeason, TheAutomaticAnswersAreTheRulesOwn)
{
    const FirstScreen first = LaunchNewGame();
    ASSERT_NE(first, FirstScreen::None);
    const std::string withAnswers = PlayedSeasonDigest(first);

    ASSERT_NE(LaunchNewGame(), FirstScreen::None);
    CoreHooks& h = Hooks();
    h.penaltyDialog = nullptr;
    h.injurySubstitutionDialog = nullptr;
    h.shootoutDialog = nullptr;
    h.showCoachDismissal = nullptr;
    h.showCoachChange = nullptr;
    h.showJobOffers = nullptr;
    h.showNationalCallUp = nullptr;
    h.showStateChampions = nullptr;
    EXPECT_EQ(PlayedSeasonDigest(first), withAnswers);
}

}  // namespace

namespace {

// The human club's file as a user writes it on the command line: with its folder, a "./" before
// it, its whole path, in other letters or without its extension; each names the same club.
TEST_F(StartupSeason, TheHumansClubFileIsTakenAsAUserWritesIt)
{
    ASSERT_FALSE(humanClubFile_.empty());
    const std::string stem = humanClubFile_.substr(0, humanClubFile_.size() - 4);
    std::string upper = humanClubFile_;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::vector<std::string> written = {humanClubFile_, "teams/" + humanClubFile_, "./teams/" + humanClubFile_,
                                              (folder_->path() / "teams" / humanClubFile_).string(),
                                              "teams/" + upper, stem};
    std::string clubName;
    for (const std::string& file : written) {
        SCOPED_TRACE(file);
        StartRules({kSeed});
        NewGameCommandLine line;
        line.leagues = {29};
        line.divisionSize = 10;
        line.humanClubFiles = {file};
        std::string message;
        ASSERT_NE(StartCommandLineGame(line, message), FirstScreen::None) << message;
        ASSERT_EQ(Game.HumanClubCount, 1);
        const std::string name = Clubs[static_cast<std::size_t>(Game.HumanClubs[0])].name.str();
        if (clubName.empty())
            clubName = name;  // the bare file name, as it was always taken
        EXPECT_EQ(name, clubName);
    }
    StartRules({kSeed});
    NewGameCommandLine line;
    line.leagues = {29};
    line.humanClubFiles = {"teams/nenhum_clube.tcf"};
    std::string message;
    EXPECT_EQ(StartCommandLineGame(line, message), FirstScreen::None);
    EXPECT_EQ(message, "no played club has the file teams/nenhum_clube.tcf");
}

}  // namespace
