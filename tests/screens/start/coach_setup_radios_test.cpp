// The coach set-up of divisions of 10 (TForm11, a radio button per club) by real clicks and keys:
// two coaches take turns and cannot share a club, the chosen club's button shows its dot, and on a
// larger screen the club buttons scale with their panels.
#include <gtest/gtest.h>

#include <QStyle>
#include <QStyleOptionButton>
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
#include "tests/screens/start/new_game_suite.h"

namespace tarvelon {
namespace {

using test::TickCountry;

class CoachSetupRadiosTest : public test::NewGameSuite {};

// The pixel at the centre of a radio button's round box.
QRgb IndicatorCentre(TRadioButton* button)
{
    QWidget* widget = button->Widget();
    QStyleOptionButton option;
    option.initFrom(widget);
    const QRect box = widget->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, widget);
    return widget->grab().toImage().pixel(box.center());
}

TEST_F(CoachSetupRadiosTest, TwoCoachesOnDivisionsOf10TakeTurnsAndCannotShareAClub)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 11);
    NextEntry(chooser->ComboBox2);  // two human coaches
    Click(chooser->GradButton2);

    auto* setup = Open<TForm11>("TForm11");
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(setup->Label10->Visible());
    EXPECT_EQ(setup->Label10->Caption(), "Time 1");
    EXPECT_EQ(setup->Button1->Caption(), "Escolher time 2");
    // Argentina's 44 clubs: four divisions of 10 buttons, nothing after them.
    EXPECT_TRUE(setup->timeradio[39]->Visible());
    EXPECT_FALSE(setup->timeradio[40]->Visible());

    Type(setup->Edit1, "Ana");
    ClickBox(setup->timeradio[0]);
    EXPECT_TRUE(setup->Button1->Enabled());
    // The chosen club's button shows a dark dot on its white disc, though its caption is white.
    EXPECT_LT(qGray(IndicatorCentre(setup->timeradio[0])), 100);
    EXPECT_GT(qGray(IndicatorCentre(setup->timeradio[1])), 200);
    const int first = setup->ButtonClub(0);
    Click(setup->Button1);
    EXPECT_EQ(setup->Label10->Caption(), "Time 2");
    EXPECT_EQ(setup->Button1->Caption(), "Iniciar jogo");
    EXPECT_EQ(setup->Edit1->Text(), "");
    EXPECT_FALSE(setup->Button1->Enabled());
    EXPECT_FALSE(setup->timeradio[0]->Enabled());

    Type(setup->Edit1, "Bruno");
    ClickBox(setup->timeradio[0]);  // taken: nothing is chosen
    EXPECT_FALSE(setup->Button1->Enabled());
    ClickBox(setup->timeradio[12]);
    EXPECT_TRUE(setup->Button1->Enabled());
    setup->Edit1->Widget()->setFocus();
    QTest::keyClick(setup->Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(setup->Edit1->Widget(), Qt::Key_Space);
    EXPECT_EQ(setup->Edit1->Text(), " ");
    EXPECT_FALSE(setup->Button1->Enabled()) << "blanks alone are no name";
    Click(setup->Button1);
    EXPECT_TRUE(IsOpen("TForm11"));
    EXPECT_EQ(Game.HumanClubs[1], -1);
    QTest::keyClick(setup->Edit1->Widget(), Qt::Key_Backspace);
    Type(setup->Edit1, "Bruno");
    const int second = setup->ButtonClub(12);
    Click(setup->Button1);
    ASSERT_TRUE(test::PumpUntil([] { return IsOpen("TForm13"); }));
    EXPECT_FALSE(IsOpen("TForm11"));
    EXPECT_EQ(Game.HumanClubs[0], first);
    EXPECT_EQ(Game.HumanClubs[1], second);
    EXPECT_EQ(Game.HumanClubs[2], -1);
    EXPECT_EQ(Coaches[static_cast<std::size_t>(first)].name.str(), "Ana");
    EXPECT_EQ(Coaches[static_cast<std::size_t>(second)].name.str(), "Bruno");
    EXPECT_TRUE(Clubs[static_cast<std::size_t>(second)].IsHuman);
}

// On a screen of 1024 x 768 the set-up is scaled by 1024 / 800, the clubs placed at run time too.
TEST_F(CoachSetupRadiosTest, OnALargerScreenTheClubButtonsScaleWithTheirPanels)
{
    Hooks().screenWidth = [] { return 1024; };
    Hooks().screenHeight = [] { return 768; };
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    TickCountry(chooser->Countries(), 11);
    Click(chooser->GradButton2);
    auto* setup = Open<TForm11>("TForm11");
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->ClientWidth(), 1024);
    for (int k = 0; k < 4; ++k) {
        const TShape& panel = *setup->panels[static_cast<std::size_t>(k)];
        EXPECT_EQ(panel.Left(), setup->headings[static_cast<std::size_t>(k)]->Left()) << k;
        EXPECT_EQ(panel.Width(), 243) << k;  // 190 design pixels
        for (int row = 0; row < 10; ++row) {
            const TControl& button = *setup->timeradio[static_cast<std::size_t>(k * 10 + row)];
            EXPECT_GE(button.Left(), panel.Left());
            EXPECT_LE(button.Left() + button.Width(), panel.Left() + panel.Width());
            EXPECT_GE(button.Top(), panel.Top());
            EXPECT_LE(button.Top() + button.Height(), panel.Top() + panel.Height());
        }
    }
    EXPECT_GT(setup->panels[0]->Top(), setup->headings[0]->Top() + setup->headings[0]->Height() - 1);
    Type(setup->Edit1, "Ana");
    ClickBox(setup->timeradio[25]);
    EXPECT_TRUE(setup->Button1->Enabled());
}

}  // namespace
}  // namespace tarvelon
