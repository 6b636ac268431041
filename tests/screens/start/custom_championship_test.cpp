// The custom championship (TForm39) by real clicks: the ticked countries' clubs counted until they
// are enough, the championship made a new game of one league with its cup, and going back shows the
// title.
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
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/ranges.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"
#include "screens/screens_registration.h"
#include "screens/start/coach_setup_radios.h"
#include "screens/start/custom_championship.h"
#include "screens/start/game_mode_chooser.h"
#include "tests/screens/start/new_game_suite.h"

namespace tarvelon {
namespace {

using test::TickCountry;

class CustomChampionshipTest : public test::NewGameSuite {};

TEST_F(CustomChampionshipTest, ACustomChampionshipOfTickedCountriesBecomesANewGame)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    ClickBox(chooser->rd2);
    Click(chooser->GradButton2);
    auto* custom = Open<TForm39>("TForm39");
    ASSERT_NE(custom, nullptr);
    EXPECT_FALSE(chooser->Visible());  // hidden behind, until the custom championship goes on
    // Every country with a playable club file, the small ones too.
    EXPECT_EQ(custom->Label4->Caption(), "10");
    EXPECT_FALSE(custom->bt1->Enabled());

    auto tick = [custom](int country) { TickCountry(custom->Countries(), country); };
    tick(46);   // Colômbia, 24 clubs
    tick(195);  // Uruguai, 12
    EXPECT_EQ(custom->Label5->Caption(), "2");
    EXPECT_EQ(custom->Label7->Caption(), "36");
    EXPECT_FALSE(custom->bt1->Enabled());
    tick(65);  // Espanha, 8: 44 clubs are enough
    EXPECT_EQ(custom->Label7->Caption(), "44");
    EXPECT_TRUE(custom->bt1->Enabled());
    tick(65);  // and unticking takes them back
    EXPECT_EQ(custom->Label5->Caption(), "2");
    EXPECT_EQ(custom->Label7->Caption(), "36");
    EXPECT_FALSE(custom->bt1->Enabled());
    tick(65);
    EXPECT_FALSE(custom->Label9->Visible());
    ClickBox(custom->ckcopaper);
    Click(custom->bt1);
    EXPECT_FALSE(IsOpen("TForm39"));
    test::Pump();
    EXPECT_EQ(Open("TForm9"), nullptr);
    for (int i = 0; i < Screen->FormCount(); ++i)
        EXPECT_NE(Screen->Forms(i)->ClassName(), "TForm9") << "the hidden chooser is freed";

    auto* setup = Open<TForm11>("TForm11");
    ASSERT_NE(setup, nullptr);
    EXPECT_FALSE(setup->Combo1->Visible());
    EXPECT_EQ(Game.playedCountry, 202);
    ASSERT_EQ(Leagues.size(), 1u);
    EXPECT_EQ(Game.cupName.str(), "Copa Internacional");
    EXPECT_EQ(Game.nationalCupOn, 1);
    EXPECT_EQ(Game.worldCupOn + Game.StateChampionshipsOn + Game.firstContinentalPairOn, 0);
    Type(setup->Edit1, "Carla");
    ClickBox(setup->timeradio[3]);
    const int club = setup->ButtonClub(3);
    Click(setup->Button1);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_EQ(Game.HumanClubs[0], club);
    EXPECT_EQ(Clubs[static_cast<std::size_t>(club)].Country, 202);
    EXPECT_EQ(Game.ExtraClubCount, 0);
    EXPECT_TRUE(CustomChampionshipClubs.empty());
}

TEST_F(CustomChampionshipTest, GoingBackFromTheCustomChampionshipShowsTheTitle)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    ClickBox(chooser->rd2);
    Click(chooser->GradButton2);
    auto* custom = Open<TForm39>("TForm39");
    ASSERT_NE(custom, nullptr);
    // The countries, the counters and the buttons stand on one panel, centred across the screen.
    auto* panel = dynamic_cast<TPanel*>(custom->FindComponent("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(custom->list1->Parent(), panel);
    EXPECT_EQ(custom->bt1->Parent(), panel);
    EXPECT_EQ(panel->Left(), (custom->ClientWidth() - panel->Width()) / 2);
    EXPECT_EQ(custom->Left(), (Screen->WorkAreaRect().Width() - custom->Width()) / 2);
    Click(custom->GradButton1);
    test::Pump();
    EXPECT_TRUE(title_->Visible());
    EXPECT_EQ(Screen->FormCount(), 1);  // the title alone
}

}  // namespace
}  // namespace tarvelon
