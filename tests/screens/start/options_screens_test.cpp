// The options screen and the list colours by real clicks and keys: each change acts on the game
// and writes its key of "tarvelon.ini", keeping the file's other keys; the next new game reads
// them; Escape closes like "Fechar" and asks for a save name when automatic saving needs one; the
// colours are chosen, reset and shown. No hub is open: the screens must not need one.
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
#include "screens/club/list_colours_screen.h"
#include "screens/start/options_screen.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"
#include "tests/screens/game_folder_fixture.h"

namespace tarvelon {
namespace {

class OptionsScreensTest : public test::GameFolderScreensTest {
protected:
    void SetUp() override
    {
        GameFolderScreensTest::SetUp();
        std::ofstream(folder_->path() / "tarvelon.ini") << "[janela]\nx=10\n[opcoes]\nescolha=7\n";
        NewGameChoices choices;
        choices.countries = {29, 11};
        choices.humanCoaches = {{"Ana", "c29_0.tcf"}};
        ASSERT_NE(StartNewGame(choices), FirstScreen::None);
        Game.saveName.clear();
    }

    static TForm32* OpenOptions()
    {
        auto* options = dynamic_cast<TForm32*>(CreateScreen("TForm32", Application));
        options->Show();
        test::Pump();
        return options;
    }

    // A graphic control (shape, image) is clicked on its form's window.
    static void ClickGraphic(TForm& form, TControl& control)
    {
        ClickAt(form.Widget(), QPoint(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2));
    }
};

TEST_F(OptionsScreensTest, ChangesActAtOnceWriteTheirKeysAndTheNextNewGameReadsThem)
{
    Game.TickIntervalHuman = 0;  // shown as 600 ms
    Game.autosave = 9;           // outside the list: shown as its first item
    TForm32* options = OpenOptions();
    EXPECT_EQ(options->ComboBox1->Items().Count(), 6);
    EXPECT_EQ(options->ComboBox4->Items()[6], "Hiper rápido");
    EXPECT_EQ(options->ComboBox1->ItemIndex(), 4);
    EXPECT_EQ(Game.TickIntervalHuman, 600);
    EXPECT_EQ(options->ComboBox2->ItemIndex(), 0);
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

TEST_F(OptionsScreensTest, ClosingWithAutomaticSavingAsksForANameFirst)
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

TEST_F(OptionsScreensTest, TheColoursAreChosenResetAndShown)
{
    TForm32* options = OpenOptions();
    std::vector<TColor> offered;
    SetColorDialogAnswerer([&offered](TColor initial) -> std::optional<TColor> {
        offered.push_back(initial);
        return offered.size() == 1 ? std::optional<TColor>(0x0000C000) : std::nullopt;
    });
    bool driven = false;
    QTimer::singleShot(50, [this, &driven] {
        auto* colours = Open<TForm64>("TForm64");
        ASSERT_NE(colours, nullptr);
        EXPECT_TRUE(colours->Modal());
        ClickGraphic(*colours, *colours->shapes[2]);  // the centre backs: a green is chosen
        EXPECT_EQ(Game.listColours[2], 0x0000C000);
        EXPECT_EQ(ReadSetting("opcoes", "cor2"), "$0000C000");
        const QImage picture = colours->Widget()->grab().toImage();
        const TShape& shape = *colours->shapes[2];
        EXPECT_EQ(picture.pixel(shape.Left() + 10, shape.Top() + 10) & 0xFFFFFF, 0x00C000u);
        ClickGraphic(*colours, *colours->shapes[0]);  // the chooser is cancelled: nothing changes
        EXPECT_EQ(ReadSetting("opcoes", "cor0"), "nofound");
        Click(colours->GradButton2);  // "Cores Padrão"
        EXPECT_EQ(ReadSetting("opcoes", "cor2"), "$0081C0C0");
        EXPECT_EQ(Game.listColours[4], DefaultListColors[4]);
        Click(colours->GradButton1);
        driven = true;
    });
    ClickGraphic(*options, *options->Image1);
    SetColorDialogAnswerer({});
    EXPECT_TRUE(driven);
    ASSERT_EQ(offered.size(), 2u);
    // The chooser opens on the shape's colour: a file without colours gave each position its shade.
    EXPECT_EQ(offered[0], DefaultListColors[2]);
    EXPECT_EQ(offered[1], DefaultListColors[0]);
    EXPECT_FALSE(IsOpen("TForm64"));
    EXPECT_TRUE(IsOpen("TForm32"));
}

}  // namespace
}  // namespace tarvelon
