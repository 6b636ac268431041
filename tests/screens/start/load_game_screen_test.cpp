// The load-game screen by real clicks: the saved games listed with their previews, damaged files
// (indexes outside their tables among them) and a foreign file refused with their message, in the
// preview and the load, and nothing else changed, a delete after confirmation,
// and a saved game loaded from the title's menu, ending on the loaded game's first screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "core/hooks.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/start/load_game_screen.h"
#include "screens/start/title_screen.h"
#include "screens/screens_registration.h"
#include "tests/screens/game_folder_fixture.h"
#include "tests/screens/hub_driving.h"

namespace tarvelon {
namespace {

class LoadGameScreenTest : public test::GameFolderScreensTest {
protected:
    void SetUp() override
    {
        seed_ = 5;
        GameFolderScreensTest::SetUp();
        std::filesystem::create_directories(folder_->path() / "sav");
        SaveAGame();
    }

    // A game of the Brazilian league saved as "alpha.nsx" in its third season, before round 12 of
    // the second turn; then a damaged and a foreign file beside it.
    void SaveAGame()
    {
        NewGameChoices choices;
        choices.countries = {29};
        choices.humanCoaches = {{"Ana Souza", "c29_0.tcf"}};
        ASSERT_NE(StartNewGame(choices), FirstScreen::None);
        Game.Season = 3;
        Game.DayKind = 1;
        Game.LeagueRound = 12;
        Game.LeagueTurn = 2;
        Game.saveName.set("alpha.nsx");
        ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
        saved_ = WriteSavedGameImage();
        std::ofstream("sav/broken.nsx", std::ios::binary) << "not a game";
        std::string foreign = saved_;
        foreign[4 + offsetof(TGameState, saveVersion)] = 9;  // another version of the game state
        std::ofstream("sav/foreign.nsx", std::ios::binary) << foreign;
    }

    // Saves beside those whose indexes point outside their tables: a day kind no calendar has, a
    // current club and every player's club beyond the clubs.
    void SaveGamesPointingOutsideTheirTables()
    {
        const std::int32_t beyond = 100000;
        std::string damaged = saved_;
        const std::int32_t kind55 = 55;
        std::memcpy(damaged.data() + 4 + offsetof(TGameState, DayKind), &kind55, 4);
        std::ofstream("sav/dia55.nsx", std::ios::binary) << damaged;
        damaged = saved_;
        std::memcpy(damaged.data() + 4 + offsetof(TGameState, CurrentHumanClub), &beyond, 4);
        std::ofstream("sav/clube.nsx", std::ios::binary) << damaged;
        damaged = saved_;
        for (std::size_t p = 0; p < Players.size(); ++p)
            std::memcpy(damaged.data() + kSavedGameHeaderBytes + 4 + p * sizeof(TPlayer) + offsetof(TPlayer, Club), &beyond, 4);
        std::ofstream("sav/elenco.nsx", std::ios::binary) << damaged;
    }

    TForm21* OpenScreen()
    {
        auto* screen = dynamic_cast<TForm21*>(CreateScreen("TForm21", Application));
        screen->Show();
        screen->OnActivate(screen);
        test::Pump();
        return screen;
    }

    static int RowOf(TForm21& screen, const std::string& file)
    {
        for (int row = 0; row < screen.grid1->RowCount(); ++row)
            if (screen.grid1->GetCellTextByName("colarquivo", row) == file)
                return row;
        return -1;
    }

    static std::vector<std::string> Rows(TForm21& screen)
    {
        std::vector<std::string> rows;
        for (int row = 0; row < screen.grid1->RowCount(); ++row)
            rows.push_back(screen.grid1->GetCellTextByName("colarquivo", row));
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    static void ClickRow(TForm21& screen, const std::string& file)
    {
        const int row = RowOf(screen, file);
        ASSERT_GE(row, 0) << file;
        ClickAt(screen.grid1->Widget(), QPoint(60, screen.grid1->RowTop(row) + 10));
    }

    std::string saved_;
};

TEST_F(LoadGameScreenTest, ListsTheSavesAndPreviewsEachFromAnEmptyRecord)
{
    SaveGamesPointingOutsideTheirTables();
    TForm21* screen = OpenScreen();
    EXPECT_EQ(Rows(*screen), (std::vector<std::string>{"alpha.nsx", "broken.nsx", "clube.nsx", "dia55.nsx",
                                                       "elenco.nsx", "foreign.nsx"}));
    screen->OnActivate(screen);  // a later activation lists nothing twice
    EXPECT_EQ(screen->grid1->RowCount(), 6);

    ClickRow(*screen, "alpha.nsx");
    EXPECT_EQ(screen->SelectedFile(), "alpha.nsx");
    EXPECT_EQ(screen->labtecnico->Caption(), "Ana Souza");
    EXPECT_EQ(screen->labtime->Caption(), Clubs[static_cast<std::size_t>(Game.HumanClubs[0])].name.str());
    EXPECT_EQ(screen->labano->Caption(), "2012");
    EXPECT_EQ(screen->labcompeticao->Caption(), "Campeonato Nacional12ª rodada -2º turno");

    for (const char* bad : {"broken.nsx", "foreign.nsx", "dia55.nsx", "clube.nsx", "elenco.nsx"}) {
        ClickRow(*screen, "alpha.nsx");
        ClickRow(*screen, bad);
        EXPECT_EQ(screen->labtecnico->Caption(), "") << bad;  // never the previous file's data
        EXPECT_EQ(screen->labtime->Caption(), "") << bad;
        EXPECT_EQ(screen->labano->Caption(), "") << bad;
        EXPECT_EQ(screen->labcompeticao->Caption(), "arquivo inválido") << bad;
    }
}

TEST_F(LoadGameScreenTest, ADamagedOrForeignFileIsRefusedAndNothingElseChanges)
{
    SaveGamesPointingOutsideTheirTables();
    TForm21* screen = OpenScreen();
    Game.Season = 7;  // the game in memory, which a refused load must leave alone
    const std::string before = WriteSavedGameImage();
    const std::vector<std::string> refused = {"broken.nsx", "foreign.nsx", "dia55.nsx", "clube.nsx", "elenco.nsx"};
    for (const std::string& file : refused) {
        ClickRow(*screen, file);
        Click(screen->BitBtn1);
    }
    EXPECT_EQ(messages_, std::vector<std::string>(refused.size(), "Este arquivo não é válido ou está corrompido"));
    EXPECT_TRUE(WriteSavedGameImage() == before);
    EXPECT_TRUE(IsOpen("TForm21"));
    EXPECT_EQ(screen->grid1->RowCount(), 6);

    // The screen has no keys of its own: Escape leaves it open ("Cancelar" is the way out).
    QTest::keyClick(screen->grid1->Widget(), Qt::Key_Escape);
    test::Pump();
    EXPECT_TRUE(IsOpen("TForm21"));
}

// A save another program named with a newline is listed with the newline's mark, previews, and
// is deleted after a "Yes" like any other.
TEST_F(LoadGameScreenTest, ASaveNamedWithANewlineIsListedPreviewedAndDeleted)
{
    std::ofstream("sav/linha\nnova.nsx", std::ios::binary) << saved_;
    TForm21* screen = OpenScreen();
    ASSERT_GE(RowOf(*screen, "linha¶nova.nsx"), 0);
    ClickRow(*screen, "linha¶nova.nsx");
    EXPECT_EQ(screen->SelectedFile(), "linha\nnova.nsx");
    EXPECT_EQ(screen->labtecnico->Caption(), "Ana Souza");
    EXPECT_EQ(screen->labano->Caption(), "2012");
    answer_ = mrYes;
    Click(screen->BitBtn3);
    EXPECT_EQ(questions_, std::vector<std::string>{"Deseja apagar mesmo o arquivo?"});
    EXPECT_FALSE(std::filesystem::exists("sav/linha\nnova.nsx"));
    EXPECT_EQ(Rows(*screen), (std::vector<std::string>{"alpha.nsx", "broken.nsx", "foreign.nsx"}));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(LoadGameScreenTest, DeletesOnlyAfterAYesAndForgetsTheDeletedFile)
{
    TForm21* screen = OpenScreen();
    ClickRow(*screen, "broken.nsx");
    answer_ = mrNo;
    Click(screen->BitBtn3);
    EXPECT_EQ(questions_, std::vector<std::string>{"Deseja apagar mesmo o arquivo?"});
    EXPECT_TRUE(std::filesystem::exists("sav/broken.nsx"));
    EXPECT_EQ(screen->grid1->RowCount(), 3);

    answer_ = mrYes;
    Click(screen->BitBtn3);
    EXPECT_FALSE(std::filesystem::exists("sav/broken.nsx"));
    EXPECT_EQ(Rows(*screen), (std::vector<std::string>{"alpha.nsx", "foreign.nsx"}));
    EXPECT_EQ(screen->SelectedFile(), "");
    Click(screen->BitBtn1);  // nothing selected: nothing loads, no message
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(IsOpen("TForm21"));
}

// A save that cannot be deleted (here a folder in its place, which no rights remove) is told and
// stays listed.
TEST_F(LoadGameScreenTest, ADeleteThatFailsIsToldAndTheRowStays)
{
    TForm21* screen = OpenScreen();
    std::filesystem::remove("sav/broken.nsx");
    std::filesystem::create_directories("sav/broken.nsx/inside");
    ClickRow(*screen, "broken.nsx");
    answer_ = mrYes;
    Click(screen->BitBtn3);
    EXPECT_EQ(questions_, (std::vector<std::string>{
                              "Deseja apagar mesmo o arquivo?",
                              "Erro ao apagar o arquivo, verifique se você tem permissão para apagar na pasta sav"}));
    EXPECT_EQ(Rows(*screen), (std::vector<std::string>{"alpha.nsx", "broken.nsx", "foreign.nsx"}));
    EXPECT_EQ(screen->SelectedFile(), "broken.nsx");
}

TEST_F(LoadGameScreenTest, LoadingFromTheTitleClosesTheScreenHidesTheTitleAndOpensTheHub)
{
    ResetGameTables();  // the game in memory is not the saved one
    ResetGameState();
    TForm1* title = CreateTitleScreen();
    title->Show();
    test::Pump();
    bool driven = false;
    // Driven from inside the title's modal loop as soon as the screen shows, however long it takes.
    // The list is filled on the screen's first activation, which may come after it shows.
    test::ActWhenShown<TForm21>(
        [&driven](TForm21& screen) {
            EXPECT_TRUE(screen.Modal());
            ClickRow(screen, "alpha.nsx");
            Click(screen.BitBtn1);
            driven = true;
        },
        60000, [](TForm21& screen) { return RowOf(screen, "alpha.nsx") >= 0; });
    ClickAt(title->Widget(), QPoint(60, 200));  // "Carregar Jogo": modal until the load closes it
    EXPECT_TRUE(driven);
    EXPECT_FALSE(IsOpen("TForm21"));
    EXPECT_FALSE(title->Visible());
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_EQ(LastOpenedScreen(), "TForm13");
    EXPECT_EQ(Game.saveName.str(), "alpha.nsx");
    EXPECT_EQ(Game.Season, 3);
    EXPECT_EQ(Coaches[static_cast<std::size_t>(Game.HumanClubs[0])].name.str(), "Ana Souza");
}

}  // namespace
}  // namespace tarvelon
