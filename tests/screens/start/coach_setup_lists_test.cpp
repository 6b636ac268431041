// The coach set-up of divisions of 20 (TForm56, a list of clubs per division) by real clicks and
// keys: one coach from the title to the hub, the game built equal to the headless new game of the
// same choices; six coaches in turn, a club already taken refused; and Brazil's regional division
// in place of the fourth.
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
#include "screens/start/coach_setup_lists.h"
#include "screens/start/game_mode_chooser.h"
#include "screens/start/new_game_builder.h"
#include "tests/screens/start/new_game_suite.h"

namespace tarvelon {
namespace {

using test::TickCountry;

class CoachSetupListsTest : public test::NewGameSuite {};

std::size_t FirstDifference(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return i;
}

TEST_F(CoachSetupListsTest, OneCoachOnDivisionsOf20FromTheTitleToTheHubEqualsTheHeadlessGame)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_FALSE(title_->Visible());
    // Countries with at least 22 playable club files; Colômbia's 24 make it, the small ones do not.
    std::vector<int> offered;
    for (int row = 0; row < chooser->Countries().RowCount(); ++row)
        offered.push_back(chooser->Countries().Id(row));
    EXPECT_EQ(offered, (std::vector<int>{11, 29, 46, 104}));
    EXPECT_TRUE(chooser->ckestadual->Visible());
    EXPECT_EQ(chooser->ckcopa->Caption(), "Jogar Copa do Brasil");

    TickCountry(chooser->Countries(), 29);
    EXPECT_EQ(chooser->Countries().TickedIds(), std::vector<int>{29});
    NextEntry(chooser->ComboBox1);
    EXPECT_EQ(chooser->ComboBox1->ItemIndex(), 1);
    Reseed();
    Click(chooser->GradButton2);
    EXPECT_FALSE(IsOpen("TForm9"));

    auto* setup = Open<TForm56>("TForm56");
    ASSERT_NE(setup, nullptr);
    EXPECT_FALSE(setup->Label10->Visible());  // one coach: no "Time 1"
    EXPECT_EQ(setup->Button1->Caption(), "Iniciar jogo");
    EXPECT_FALSE(setup->Button1->Enabled());
    EXPECT_EQ(setup->combod[0]->Items()[0], "1ª divisão");
    EXPECT_FALSE(setup->combod[4]->Visible());

    Type(setup->Edit1, "A");
    NextEntry(setup->combod[1]);
    EXPECT_TRUE(setup->Button1->Enabled());  // a name typed and a club chosen
    QTest::keyClick(setup->Edit1->Widget(), Qt::Key_Backspace);
    EXPECT_FALSE(setup->Button1->Enabled());
    Type(setup->Edit1, "   ");
    EXPECT_FALSE(setup->Button1->Enabled()) << "blanks alone are no name";
    for (int blank = 0; blank < 3; ++blank)
        QTest::keyClick(setup->Edit1->Widget(), Qt::Key_Backspace);
    Type(setup->Edit1, " Ana Souza ");  // kept as typed
    EXPECT_TRUE(setup->Button1->Enabled());
    NextEntry(setup->combod[0], 2);  // picking in one list puts the others back on their heading
    EXPECT_EQ(setup->combod[1]->ItemIndex(), 0);
    const int club = setup->ListClubs(0)[1];
    const std::string clubFile = ClubFileNames[static_cast<std::size_t>(club)];

    Click(setup->Button1);  // the builder runs modally inside this click
    const std::string fromScreens = WriteSavedGameImage();
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_EQ(LastOpenedScreen(), "TForm13");
    for (const char* gone : {"TForm9", "TForm56", "TForm12"})
        EXPECT_FALSE(IsOpen(gone)) << gone;
    EXPECT_EQ(Game.HumanClubs[0], club);
    EXPECT_EQ(Game.CurrentHumanClub, club);
    EXPECT_EQ(Coaches[static_cast<std::size_t>(club)].name.str(), " Ana Souza ");
    EXPECT_EQ(Game.LeagueFormat, kLeagueFormatDivisionsOf20);
    EXPECT_EQ(Screen->Cursor(), crDefault);

    NewGameChoices choices;
    choices.countries = {29};
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.humanCoaches = {{" Ana Souza ", clubFile}};
    Reseed();
    ASSERT_NE(StartNewGame(choices), FirstScreen::None);
    const std::string headless = WriteSavedGameImage();
    EXPECT_EQ(fromScreens.size(), headless.size());
    EXPECT_TRUE(fromScreens == headless) << "first difference at byte " << FirstDifference(fromScreens, headless);
}

TEST_F(CoachSetupListsTest, ACoachPickingAClubAlreadyTakenIsToldSoAndChoosesAgain)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 104);
    NextEntry(chooser->ComboBox1);
    NextEntry(chooser->ComboBox2, 5);  // six coaches
    Click(chooser->GradButton2);
    auto* setup = Open<TForm56>("TForm56");
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(Game.HumanClubCount, 6);
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_EQ(setup->Label10->Caption(), "Time " + std::to_string(slot));
        EXPECT_EQ(setup->Button1->Caption(), slot < 6 ? "Escolher time " + std::to_string(slot + 1) : "Iniciar jogo");
        Type(setup->Edit1, QString("Treinador %1").arg(slot));
        if (slot == 2) {  // the first club again: its entry reads "[Treinador 1]" and is refused
            NextEntry(setup->combod[0]);
            EXPECT_EQ(setup->combod[0]->Items()[1], "[Treinador 1]");
            Click(setup->Button1);
            EXPECT_EQ(messages_, std::vector<std::string>{"Este time já é de um treinador humano"});
            EXPECT_EQ(setup->CoachSlot(), 2);
        }
        NextEntry(setup->combod[0], slot == 2 ? 1 : slot);  // entry k for coach k
        if (slot == 6)
            break;
        Click(setup->Button1);
    }
    const int lastClub = setup->ListClubs(0)[5];
    Click(setup->Button1);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    for (int slot = 0; slot < 6; ++slot) {
        const int club = Game.HumanClubs[slot];
        ASSERT_GE(club, 0) << slot;
        EXPECT_EQ(Coaches[static_cast<std::size_t>(club)].name.str(), "Treinador " + std::to_string(slot + 1));
    }
    EXPECT_EQ(Game.HumanClubs[5], lastClub);
    // The hub serves the coaches in the order of their slots: the first coach's turn comes first.
    EXPECT_EQ(Game.CurrentHumanClub, Game.HumanClubs[0]);
}

// Brazil in four divisions of 20 with the state championships: the regional division's clubs, by
// name, in place of the fourth division.
TEST_F(CoachSetupListsTest, TheBrazilianFourthDivisionOf20GivesWayToTheRegionalDivision)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 29);
    NextEntry(chooser->ComboBox1);
    ClickBox(chooser->ckestadual);
    ASSERT_TRUE(chooser->ckestadual->Checked());
    Click(chooser->GradButton2);
    auto* setup = Open<TForm56>("TForm56");
    ASSERT_NE(setup, nullptr);
    ASSERT_EQ(Leagues[0].divisionCount, 4);
    EXPECT_EQ(Game.RegionalFourthDivision, 1);
    EXPECT_FALSE(setup->combod[3]->Visible());
    ASSERT_TRUE(setup->combod[4]->Visible());
    EXPECT_EQ(setup->combod[4]->Items()[0], "Divisão regional");
    const std::vector<int>& regional = setup->ListClubs(4);
    ASSERT_FALSE(regional.empty());
    EXPECT_EQ(setup->combod[4]->Items().Count(), static_cast<int>(regional.size()) + 1);
    for (std::size_t i = 0; i < regional.size(); ++i) {
        EXPECT_EQ(Clubs[static_cast<std::size_t>(regional[i])].Division, 0);
        if (i > 0) {
            EXPECT_LE(Clubs[static_cast<std::size_t>(regional[i - 1])].name.raw(),
                      Clubs[static_cast<std::size_t>(regional[i])].name.raw());
        }
    }
}

}  // namespace
}  // namespace tarvelon
