// The new game's builder (TForm12): its progress on its bar, and the game's first screen after it,
// the matchday when no human club plays on the first day.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/hooks.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/ranges.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"
#include "screens/screens_registration.h"
#include "screens/start/coach_setup_radios.h"
#include "screens/start/game_mode_chooser.h"
#include "screens/start/new_game_builder.h"
#include "tests/screens/start/new_game_suite.h"

namespace tarvelon {
namespace {

using test::TickCountry;

class NewGameBuilderTest : public test::NewGameSuite {};

// The builder shows its progress and the game's first screen follows it.
TEST_F(NewGameBuilderTest, TheBuilderReportsItsProgressOnItsBar)
{
    NewGameChoices choices;
    choices.countries = {11};
    choices.humanCoaches = {{"Ana", "c11_0.tcf"}};
    ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));
    ASSERT_TRUE(ChooseHumanClub(1, FindLeagueClubByFile("c11_0.tcf"), "Ana"));
    auto* builder = dynamic_cast<TForm12*>(CreateScreen("TForm12", Application));
    ASSERT_NE(builder, nullptr);
    builder->ShowModal();  // its timer builds the game, then it closes itself
    EXPECT_EQ(builder->Reported(), (std::vector<int>{10, 20, 30, 40, 60, 70, 80, 100}));
    EXPECT_EQ(builder->progress->Position(), 100);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_FALSE(Hooks().newGameProgress);  // the bar's hooks go with the build
}

// With the state championships first and no human club in them, the day is played at once: the
// matchday screen is the game's first.
TEST_F(NewGameBuilderTest, WithoutAHumanClubOnTheFirstDayTheMatchdayOpensFirst)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 11);
    TickCountry(chooser->Countries(), 29);
    ClickBox(chooser->ckestadual);
    Click(chooser->GradButton2);
    auto* setup = Open<TForm11>("TForm11");
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->Combo1->Items()[setup->Combo1->ItemIndex()], "Brasil");
    test::PressKey(setup->Combo1->Widget(), Qt::Key_Up);  // Argentina
    test::Pump();
    ASSERT_EQ(setup->ShownLeague(), 0);
    Type(setup->Edit1, "Ana");
    ClickBox(setup->timeradio[0]);
    const int club = setup->ButtonClub(0);
    EXPECT_EQ(Clubs[static_cast<std::size_t>(club)].Country, 11);
    Click(setup->Button1);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm46"); }));
    EXPECT_EQ(LastOpenedScreen(), "TForm46");
    EXPECT_FALSE(IsOpen("TForm13"));
    EXPECT_EQ(Game.DayKind, 3);
}

}  // namespace
}  // namespace tarvelon
