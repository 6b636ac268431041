// The options screen (TForm32) by real clicks and keys: each change acts on the game and writes its
// key of "tarvelon.ini", keeping the file's other keys; the next new game reads them; closing with
// automatic saving on asks for a save name first. No hub is open: the screen must not need one.
#include <gtest/gtest.h>

#include <QTimer>

#include <fstream>
#include <string>

#include "controls/grad_button.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/settings/game_options.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"
#include "screens/start/options_screen.h"
#include "tests/screens/start/options_suite.h"

namespace tarvelon {
namespace {

class OptionsScreenTest : public test::OptionsSuite {};

TEST_F(OptionsScreenTest, ChangesActAtOnceWriteTheirKeysAndTheNextNewGameReadsThem)
{
    Game.TickIntervalHuman = 0;  // shown as 600 ms
    Game.autosave = 9;           // outside the list: no item shown
    TForm32* options = OpenOptions();
    EXPECT_EQ(options->ComboBox1->Items().Count(), 6);
    EXPECT_EQ(options->ComboBox4->Items()[6], "Hiper rápido");
    EXPECT_EQ(options->ComboBox1->ItemIndex(), 4);
    EXPECT_EQ(Game.TickIntervalHuman, 600);
    EXPECT_EQ(options->ComboBox2->ItemIndex(), -1);
    EXPECT_EQ(ReadSetting("opcoes", "opvelocidade"), "nofound");  // showing wrote nothing

    NextEntry(options->ComboBox1);  // "Ultra rápido"
    EXPECT_EQ(Game.TickIntervalHuman, 100);
    NextEntry(options->ComboBox4, 6);  // "Hiper rápido"
    EXPECT_EQ(Game.TickIntervalCpu, 10);
    NextEntry(options->ComboBox6);
    NextEntry(options->ComboBox7, 2);
    ClickBox(options->cknegrito);
    ClickBox(options->cksom);
    EXPECT_EQ(ReadSetting("opcoes", "opvelocidade"), "5");
    EXPECT_EQ(ReadSetting("opcoes", "opnhvelocidade"), "6");
    EXPECT_EQ(ReadSetting("opcoes", "opnegrito"), "1");
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), options->cksom->Checked() ? "1" : "0");
    EXPECT_EQ(ReadSetting("janela", "x"), "10");
    EXPECT_EQ(ReadSetting("opcoes", "escolha"), "7");

    // The league list: a click on the tick of Argentina's row shows or hides its results.
    TTickList& leagues = options->LeagueList();
    ASSERT_EQ(leagues.RowCount(), 2);
    const bool shown = Leagues[1].shown != 0;
    ClickAt(options->list1->Widget(), QPoint(37, options->list1->RowTop(1) + 10));
    EXPECT_EQ(Leagues[1].shown != 0, !shown);
    EXPECT_EQ(leagues.Ticked(1), !shown);

    test::PressKey(options->Widget(), Qt::Key_Escape);
    test::Pump();
    EXPECT_FALSE(IsOpen("TForm32"));

    NewGameChoices choices;
    choices.countries = {29};
    choices.humanCoaches = {{"Bia", "c29_1.tcf"}};
    ASSERT_NE(StartNewGame(choices), FirstScreen::None);
    EXPECT_EQ(Game.TickIntervalHuman, 100);
    EXPECT_EQ(Game.TickIntervalCpu, 10);
    EXPECT_EQ(Game.BoldHomeEvents, 1);
    EXPECT_EQ(Game.contractNotices, 2);
}

// A new game keeps the numbers "opemails", "opver41".."opver62" and a negative "opsalvar" hold; a
// number outside its list selects no item (7 contract warnings warn of nothing: "Sim" would claim the
// opposite), a negative automatic saving saves nothing on closing, and choosing an item writes it.
TEST_F(OptionsScreenTest, NumbersOutsideTheListsShowNoItem)
{
    {
        std::ofstream ini(folder_->path() / "tarvelon.ini");
        ini << "[opcoes]\nopemails=7\nopsalvar=-2\nopver41=5\nopver42=-1\nopver61=1\nopver62=0\n";
    }
    NewGameChoices choices;
    choices.countries = {29};
    choices.humanCoaches = {{"Bia", "c29_1.tcf"}};
    ASSERT_NE(StartNewGame(choices), FirstScreen::None);
    Game.saveName.clear();
    ASSERT_EQ(Game.contractNotices, 7);
    ASSERT_EQ(Game.autosave, -2);
    int asked = 0;
    Hooks().askSaveName = [&asked] {
        ++asked;
        return std::string();
    };

    TForm32* options = OpenOptions();
    EXPECT_EQ(options->ComboBox7->ItemIndex(), -1);
    EXPECT_EQ(options->ComboBox7->Text(), "");
    EXPECT_EQ(options->ComboBox2->ItemIndex(), -1);
    EXPECT_EQ(options->combo41->ItemIndex(), -1);
    EXPECT_EQ(options->combo42->ItemIndex(), -1);
    EXPECT_EQ(options->combo61->ItemIndex(), 1);
    EXPECT_EQ(options->combo62->ItemIndex(), 0);
    NextEntry(options->ComboBox7, 4);  // "Não"
    EXPECT_EQ(Game.contractNotices, 3);
    EXPECT_EQ(ReadSetting("opcoes", "opemails"), "3");
    test::PressKey(options->Widget(), Qt::Key_Escape);
    test::Pump();
    EXPECT_FALSE(IsOpen("TForm32"));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(ReadSetting("opcoes", "opsalvar"), "-2");  // showing and closing wrote nothing
}

TEST_F(OptionsScreenTest, ClosingWithAutomaticSavingAsksForANameFirst)
{
    int asked = 0;
    Hooks().askSaveName = [&asked] {
        ++asked;
        return std::string();  // the player cancels: nothing is saved
    };
    TForm32* options = OpenOptions();
    NextEntry(options->ComboBox2);  // "A cada 3 jogos"
    EXPECT_EQ(Game.autosave, 1);
    Click(options->GradButton2);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(IsOpen("TForm32"));
}

}  // namespace
}  // namespace tarvelon
