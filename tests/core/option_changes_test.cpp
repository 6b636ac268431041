// The options screens' rules: each choice acts on the game and writes its key, keeping the rest of
// the settings file; the speed rows of a tick; and stored numbers outside their lists read as the
// list's first item, a list colour outside the colours as a failed colour.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/newgame/read_options.h"
#include "core/records/game_state.h"
#include "core/settings/game_options.h"
#include "core/settings/option_changes.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"

using namespace tarvelon;

namespace {

class OptionChangesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetProgramFolder(folder_.path());
        ResetGameState();
    }
    void TearDown() override { SetProgramFolder({}); }

    void WriteIni(const std::string& text) const
    {
        std::ofstream(folder_.path() / "tarvelon.ini", std::ios::binary) << text;
    }
    std::string IniText() const
    {
        std::ifstream in(folder_.path() / "tarvelon.ini", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    testdb::GameFolder folder_;
};

TEST_F(OptionChangesTest, EachChoiceActsOnTheGameAndWritesItsKeyKeepingTheOthers)
{
    WriteIni("[janela]\nx=10\n[opcoes]\nescolha=7\n");
    ChooseHumanMatchSpeed(5);
    ChooseOtherMatchSpeed(6);
    ChooseAutosave(2);
    ChooseContractNotices(3);
    ChooseContinentalDisplay(2, 1);
    ChooseWatchOtherShootouts(true);
    ChooseSound(false);
    ChooseBoldHomeEvents(true);
    ChooseListColor(1, 0x123456);
    EXPECT_EQ(Game.TickIntervalHuman, 100);
    EXPECT_EQ(Game.TickIntervalCpu, 10);
    EXPECT_EQ(Game.autosave, 2);
    EXPECT_EQ(Game.contractNotices, 3);
    EXPECT_EQ(Game.continentalMatchDisplay[2], 1);
    EXPECT_EQ(Game.ShowPenalties, 1);
    EXPECT_EQ(Game.SoundOption, 0);
    EXPECT_EQ(Game.BoldHomeEvents, 1);
    EXPECT_EQ(Game.listColours[1], 0x123456);
    EXPECT_EQ(ReadSetting("janela", "x"), "10");
    EXPECT_EQ(ReadSetting("opcoes", "escolha"), "7");
    EXPECT_EQ(ReadSetting("opcoes", "opvelocidade"), "5");
    EXPECT_EQ(ReadSetting("opcoes", "opnhvelocidade"), "6");
    EXPECT_EQ(ReadSetting("opcoes", "opver61"), "1");
    EXPECT_EQ(ReadSetting("opcoes", "op_verpenalty"), "1");
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "0");
    EXPECT_EQ(ReadSetting("opcoes", "cor1"), "$00123456");

    // What the next new game reads back.
    ResetGameState();
    ReadOptions();
    EXPECT_EQ(Game.TickIntervalHuman, 100);
    EXPECT_EQ(Game.TickIntervalCpu, 10);
    EXPECT_EQ(Game.autosave, 2);
    EXPECT_EQ(Game.SoundOption, 0);
    // "cor0" was never written: all five take their own shades, not one colour for every position.
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(Game.listColours[k], DefaultListColors[static_cast<std::size_t>(k)]) << k;

    ResetListColors();
    ReadOptions();
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(Game.listColours[k], DefaultListColors[static_cast<std::size_t>(k)]) << k;
    EXPECT_EQ(ReadSetting("opcoes", "cor0"), "$00499494");
}

TEST_F(OptionChangesTest, SpeedRowsOfATickAndChoicesOutsideTheLists)
{
    const int ticks[] = {4000, 2500, 1500, 800, 600, 100};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(SpeedIndexOfTick(ticks[row], false), row);
        EXPECT_EQ(SpeedIndexOfTick(ticks[row], true), row);
    }
    EXPECT_EQ(SpeedIndexOfTick(10, true), 6);
    EXPECT_EQ(SpeedIndexOfTick(10, false), 4);
    EXPECT_EQ(SpeedIndexOfTick(333, true), 4);

    ChooseAutosave(9);
    EXPECT_EQ(Game.autosave, 3);
    ChooseContinentalDisplay(7, 1);  // no such cup: nothing written
    EXPECT_EQ(ReadSetting("opcoes", "opver41"), "nofound");
    ChooseLeagueShown(5, true);  // no such league: nothing happens
}

TEST_F(OptionChangesTest, StoredNumbersAreReadAsTheyAreButAnAutosaveAboveThree)
{
    WriteIni("[opcoes]\nopsalvar=-2\nopemails=7\nopver41=5\nopver42=-1\nopver61=1\n"
             "cor0=clRed\ncor1=$00112233\ncor2=$7FFFFFFF\ncor3=clNavy\ncor4=0\n");
    const GameOptions o = ReadGameOptions();
    EXPECT_EQ(o.autosave, -2) << "only a number above 3 reads as 0";
    EXPECT_EQ(o.contractNotices, 7);
    EXPECT_EQ(o.continentalMatchDisplay, (std::array<std::int32_t, 4>{5, -1, 1, 0}));
    // One colour that is no colour gives all five their default shades.
    EXPECT_EQ(o.listColors, DefaultListColors);

    WriteSetting("opcoes", "cor2", "$00FFFFFF");
    const GameOptions fixed = ReadGameOptions();
    EXPECT_EQ(fixed.listColors[1], 0x112233);
    EXPECT_EQ(fixed.listColors[2], 0xFFFFFF);
}

}  // namespace
