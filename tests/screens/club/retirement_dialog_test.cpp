// A player's retirement (TForm48), opened as the hub opens it and driven by real clicks and keys: the
// retiring player makes way for a junior named by the coach, and the open hub shows him.
#include <gtest/gtest.h>

#include <QTest>

#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/economy/player_fines.h"
#include "core/mail/inbox.h"
#include "core/mail/mail.h"
#include "core/mail/mail_texts.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/graphics/color.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/club/retirement_dialog.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/club_dialogs_fixture.h"

namespace tarvelon {
namespace {

class RetirementDialogTest : public test::ClubDialogsTest {};

TEST_F(RetirementDialogTest, ARetiringPlayerMakesWayForAJuniorNamedByTheCoach)
{
    const int old = Squad(6);
    RetiringPlayer = old;
    const std::size_t squad = PlayersOfClub(club_).size();
    ASSERT_TRUE(Drive<TForm48>("TForm48", [&](TForm48& dialog) {
        EXPECT_EQ(dialog.Label2->Caption(), Players[old].Name.str());
        EXPECT_EQ(dialog.Edit1->Text(), Players[old].Name.str());
        EXPECT_EQ(dialog.combopos->ItemIndex(), Players[old].Position);
        // Without a name nothing happens and the dialog stays.
        dialog.Edit1->SetFocus();
        QTest::keyClick(dialog.Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(dialog.Edit1->Widget(), Qt::Key_Delete);
        Click(dialog.GradButton1);
        EXPECT_TRUE(dialog.Visible());
        EXPECT_EQ(Players[old].Club, club_);
        // Four blanks are no name either.
        QTest::keyClicks(dialog.Edit1->Widget(), "    ");
        ASSERT_EQ(dialog.Edit1->Text(), "    ");
        Click(dialog.GradButton1);
        EXPECT_TRUE(dialog.Visible());
        EXPECT_EQ(Players[old].Club, club_);
        EXPECT_EQ(PlayersOfClub(club_).size(), squad);
        QTest::keyClick(dialog.Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(dialog.Edit1->Widget(), Qt::Key_Delete);
        // A name longer than a player's name is cut to its 20 characters as it is typed; the blank the
        // cut leaves at its end is no part of the junior's name.
        QTest::keyClicks(dialog.Edit1->Widget(), "Bartolomeu Fagundes Neto");
        EXPECT_EQ(dialog.Edit1->Text(), "Bartolomeu Fagundes ");
        dialog.combopos->SetFocus();
        test::PressKey(dialog.combopos->Widget(), Qt::Key_End);  // "Atacante"
        Click(dialog.GradButton1);
    }));
    const int junior = RetiringPlayer;
    ASSERT_EQ(junior, static_cast<int>(Players.size()) - 1);
    EXPECT_EQ(Players[old].Club, -1);
    EXPECT_EQ(Players[junior].Club, club_);
    EXPECT_EQ(Players[junior].Name.str(), "Bartolomeu Fagundes");
    EXPECT_EQ(Players[junior].Position, 4);
    EXPECT_EQ(PlayersOfClub(club_).size(), squad);
    EXPECT_EQ(hub_->SelectedPlayer(), junior);
    EXPECT_FALSE(hub_->btaposenta->Enabled());
}

}  // namespace
}  // namespace tarvelon
