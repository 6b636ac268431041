// The human coaches' screens (TForm50, TForm51) driven by real clicks and keys on the gallery's seeded
// game: coaches added and removed during the game.
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "controls/grad_button.h"
#include "core/career/human_coaches.h"
#include "core/club_rosters.h"
#include "core/economy/friendly_booking.h"
#include "core/format/money_format.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/win_control.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_label.h"
#include "screens/club/human_coaches_screens.h"
#include "screens/common/game_flow.h"
#include "screens/common/screen_registry.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/club/club_administration_suite.h"
#include "tests/tools/sim_checks.h"

namespace tarvelon {
namespace {

class HumanCoachesScreensTest : public test::ClubAdministrationSuite {};

TEST_F(HumanCoachesScreensTest, HumanCoachesAreAddedAndRemovedDuringTheGame)
{
    auto* form = Show<TForm50>("TForm50");
    ASSERT_NE(form, nullptr);
    const int rowsBefore = form->list1->Items().Count();
    EXPECT_EQ(rowsBefore, static_cast<int>(HumanCoachRows().size()));
    EXPECT_FALSE(form->bt1->Enabled());
    const std::size_t recordsBefore = Coaches.size();

    bool okAtFirst = true;
    bool okOnBlanks = true;
    WhenOpen("TForm51", [&okAtFirst, &okOnBlanks](TForm* dialog) {
        auto* name = static_cast<TForm51*>(dialog);
        okAtFirst = name->bt2->Enabled();
        name->Edit1->SetFocus();
        QTest::keyClicks(name->Edit1->Widget(), "   ");
        test::Pump();
        okOnBlanks = name->bt2->Enabled();
        QTest::keyClicks(name->Edit1->Widget(), "Novato da Silva");
        test::Pump();
        EXPECT_TRUE(name->bt2->Enabled());
        Click(name->bt2);
    });
    Click(form->bt2);
    EXPECT_FALSE(okAtFirst);
    EXPECT_FALSE(okOnBlanks) << "blanks alone are no name";
    ASSERT_EQ(form->list1->Items().Count(), rowsBefore + 1);
    TListItem* added = form->list1->Items()[rowsBefore];
    EXPECT_EQ(added->Caption(), std::to_string(rowsBefore + 1));
    EXPECT_EQ(added->SubItems()[0], "Novato da Silva");
    EXPECT_EQ(added->SubItems()[1], "");
    const int coach = std::stoi(added->SubItems()[2]);
    EXPECT_EQ(Coaches[coach].human, 1);
    EXPECT_EQ(Coaches[coach].club, -1);
    EXPECT_LE(Coaches.size(), recordsBefore + 1);

    // The coach of the human club keeps his place: he must be dismissed first.
    form->list1->Items()[0]->SetSelected(true);
    test::Pump();
    EXPECT_TRUE(form->bt1->Enabled());
    Click(form->bt1);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Para remover um técnico antes é necessário demiti-lo do time.");
    EXPECT_EQ(form->list1->Items().Count(), rowsBefore + 1);

    added->SetSelected(true);
    test::Pump();
    Click(form->bt1);
    EXPECT_EQ(form->list1->Items().Count(), rowsBefore);
    EXPECT_TRUE(Coaches[coach].name.str().empty());
    for (int slot : Game.HumanCoachSlots)
        EXPECT_NE(slot, coach);
    Click(form->GradButton2);
    EXPECT_EQ(Screen->FormCount(), 0);

    for (int i = static_cast<int>(HumanCoachRows().size()); i < kHumanCoachSlots; ++i)
        AddHumanCoach("Extra " + std::to_string(i));
    form = Show<TForm50>("TForm50");
    EXPECT_EQ(form->list1->Items().Count(), kHumanCoachSlots);
    EXPECT_FALSE(form->bt2->Enabled());  // six coaches: nobody more
    for (const HumanCoachRow& row : HumanCoachRows())
        if (row.clubName.empty())
            RemoveHumanCoach(row.coach);
}

// Only "Fechar" closes the list: it handles no keys.
TEST_F(HumanCoachesScreensTest, EscapeLeavesTheListOpen)
{
    auto* form = Show<TForm50>("TForm50");
    ASSERT_NE(form, nullptr);
    QTest::keyClick(form->Widget(), Qt::Key_Escape);
    test::Pump();
    ASSERT_EQ(Screen->FormCount(), 1);
    Click(form->GradButton2);
    EXPECT_EQ(Screen->FormCount(), 0);
}

}  // namespace
}  // namespace tarvelon
