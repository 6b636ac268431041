// The program's command line and its launcher: the new game's choices read as tarvelon-sim reads
// them, the options that exclude each other refused, and without a screens layer the program says
// what it has and ends; with one, the screens take the game.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <sstream>

#include "app/launch_options.h"
#include "app/launcher.h"
#include "app/screen_seam.h"
#include "core/hooks.h"
#include "platform/stdctrls/message_box.h"

namespace tarvelon {
namespace {

std::optional<LaunchOptions> Parse(const std::vector<std::string>& args)
{
    std::string error;
    return ParseLaunchOptions(args, error);
}

TEST(LaunchOptions, NewGameWithTheSimulatorsChoices)
{
    std::string error;
    const auto o = ParseLaunchOptions({"--new-game", "--leagues", "29,11", "--division-size", "10", "--human",
                                       "flamengo.tcf", "--no-eurocopa", "--seed", "3", "--open", "TForm13"},
                                      error);
    ASSERT_TRUE(o) << error;
    EXPECT_TRUE(o->newGame);
    EXPECT_EQ(o->choices.leagues, (std::vector<int>{29, 11}));
    EXPECT_EQ(o->choices.divisionSize, 10);
    EXPECT_EQ(o->choices.humanClubFiles, (std::vector<std::string>{"flamengo.tcf"}));
    EXPECT_FALSE(o->choices.eurocopa);
    EXPECT_TRUE(o->choices.worldCup);
    EXPECT_EQ(o->seed, 3u);
    EXPECT_EQ(o->openForm, "TForm13");

    const auto title = Parse({});
    ASSERT_TRUE(title);
    EXPECT_FALSE(title->newGame);
    EXPECT_FALSE(title->seed);
    const auto load = Parse({"--load", "carreira", "--open", "TForm21"});
    ASSERT_TRUE(load);
    EXPECT_EQ(load->loadName, "carreira");
}

TEST(LaunchOptions, LinesNotUnderstoodAreRefused)
{
    EXPECT_FALSE(Parse({"--leagues", "29"}));                      // choices without --new-game
    EXPECT_FALSE(Parse({"--new-game", "--load", "a.nsx"}));        // both
    EXPECT_FALSE(Parse({"--open", "TForm13"}));                    // no game to open it on
    EXPECT_FALSE(Parse({"--new-game", "--seed", "x"}));
    EXPECT_FALSE(Parse({"--new-game", "--division-size", "12"}));
    EXPECT_FALSE(Parse({"--new-game", "--seed"}));                 // missing value
    EXPECT_FALSE(Parse({"--new-game", "--speed", "3"}));
    std::vector<std::string> sevenHumans = {"--new-game"};
    for (int k = 0; k < 7; ++k)
        sevenHumans.insert(sevenHumans.end(), {"--human", "c" + std::to_string(k) + ".tcf"});
    std::string error;
    EXPECT_FALSE(ParseLaunchOptions(sevenHumans, error));
    EXPECT_EQ(error, "at most six human clubs");
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.path().toStdString());
        std::filesystem::create_directory("sav");
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous);
        ScreenLayer() = ScreenSeam{};
        Hooks() = saved;
    }
    QTemporaryDir dir;
    std::filesystem::path previous;
    CoreHooks saved = Hooks();
    std::ostringstream out, err;
};

TEST_F(LauncherTest, WithoutScreensTheTitleIsNamedAndTheProgramEnds)
{
    EXPECT_EQ(Launch(LaunchOptions{}, out, err), 0);
    EXPECT_EQ(out.str(), "Tarvelon: a tela de título ainda não existe; nada a mostrar.\n");
    // A form asked for with no screens to open it: a failure, not a quiet end.
    LaunchOptions open;
    open.openForm = "TForm13";
    EXPECT_EQ(Launch(open, out, err), 1);
    EXPECT_EQ(err.str(), "tarvelon: no screens to open TForm13 with\n");
}

TEST_F(LauncherTest, ASaveThatCannotBeLoadedGetsTheGamesMessageAndEndsTheProgram)
{
    std::vector<std::string> shown;
    Hooks().showMessage = [&shown](const std::string& text) { shown.push_back(text); };
    bool screens = false;
    ScreenLayer().showFirstScreen = [&screens](const GameOpening&) { screens = true; };
    EXPECT_EQ(Launch(*Parse({"--load", "nenhum"}), out, err), 1);
    EXPECT_EQ(shown, (std::vector<std::string>{"Erro ao carregar o arquivo"}));
    EXPECT_EQ(err.str(), "tarvelon: sav/nenhum.nsx could not be loaded\n");
    EXPECT_FALSE(screens);
}

TEST_F(LauncherTest, TheScreensTakeTheTitleOrTheFormAskedFor)
{
    GameOpening opened;
    opened.from = GameOpening::From::NewGame;
    ScreenLayer().showFirstScreen = [&opened](const GameOpening& opening) { opened = opening; };
    EXPECT_EQ(Launch(LaunchOptions{}, out, err), std::nullopt);
    EXPECT_EQ(opened.from, GameOpening::From::Title);
    EXPECT_EQ(out.str(), "");

    std::vector<std::string> asked;
    ScreenLayer().openFormByName = [&asked](const std::string& name) {
        asked.push_back(name);
        return name == "TForm13";
    };
    LaunchOptions options;
    options.openForm = "TForm13";
    EXPECT_EQ(Launch(options, out, err), std::nullopt);
    options.openForm = "TForm99";
    EXPECT_EQ(Launch(options, out, err), 1);
    EXPECT_EQ(asked, (std::vector<std::string>{"TForm13", "TForm99"}));
    EXPECT_EQ(err.str(), "tarvelon: no form TForm99\n");
}

}  // namespace
}  // namespace tarvelon
