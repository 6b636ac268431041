// The squad's dialogs on screen, each opened as the hub's menus open it (by class name through the
// navigator, its subject set) and driven by real clicks and keys: a shirt number taken from a
// team-mate (TForm82), the team colours that the open hub wears (TForm86), and a death notice that
// changes nothing (TForm72).
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
#include "screens/club/squad_dialogs.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/club_dialogs_fixture.h"

namespace tarvelon {
namespace {

class SquadDialogsTest : public test::ClubDialogsTest {};

TEST_F(SquadDialogsTest, AShirtNumberHeldByATeamMateIsTakenFromHim)
{
    const int player = Squad(3);
    const int mate = Squad(4);
    for (int p : PlayersOfClub(club_))
        Players[p].ShirtNumber = 0;
    Players[mate].ShirtNumber = 2;
    ShirtNumberPlayer = player;
    ASSERT_TRUE(Drive<TForm82>("TForm82", [&](TForm82& dialog) {
        EXPECT_EQ(dialog.Label3->Caption().rfind(Players[player].Name.str() + " - ", 0), 0u);
        EXPECT_EQ(dialog.combo1->ItemIndex(), 0);
        EXPECT_EQ(dialog.combo1->Items()[2], "2 - " + Players[mate].Name.str());
        EXPECT_EQ(dialog.combo1->Items()[3], "3 - ");
        NextEntry(dialog.combo1, 2);
        Click(dialog.button1);
    }));
    EXPECT_EQ(Players[player].ShirtNumber, 2);
    EXPECT_EQ(Players[mate].ShirtNumber, 0);
    EXPECT_EQ(hub_->SelectedPlayer(), player);

    // "Sem número" takes only his own number; "Cancelar" changes nothing.
    Players[mate].ShirtNumber = 5;
    ASSERT_TRUE(Drive<TForm82>("TForm82", [&](TForm82& dialog) {
        EXPECT_EQ(dialog.combo1->ItemIndex(), 2);
        test::PressKey(dialog.combo1->Widget(), Qt::Key_Home);
        Click(dialog.button1);
    }));
    EXPECT_EQ(Players[player].ShirtNumber, 0);
    EXPECT_EQ(Players[mate].ShirtNumber, 5);
    ASSERT_TRUE(Drive<TForm82>("TForm82", [&](TForm82& dialog) {
        NextEntry(dialog.combo1, 7);
        Click(dialog.GradButton1);
    }));
    EXPECT_EQ(Players[player].ShirtNumber, 0);
}

TEST_F(SquadDialogsTest, TheTeamColoursChangeAndTheHubWearsThem)
{
    const TColor text = Clubs[club_].TextColor;
    const TColor chosen = 0x00206010;
    int asked = 0;
    SetColorDialogAnswerer([&](TColor) -> std::optional<TColor> {
        return ++asked == 1 ? std::optional<TColor>(chosen) : std::nullopt;
    });
    ASSERT_TRUE(Drive<TForm86>("TForm86", [&](TForm86& dialog) {
        ClickGraphic(dialog, *dialog.Shape1);  // a new main colour
        ClickGraphic(dialog, *dialog.Shape2);  // the chooser cancelled: the colour stays
        const QImage picture = dialog.Widget()->grab().toImage();
        EXPECT_EQ(picture.pixel(dialog.Shape1->Left() + 10, dialog.Shape1->Top() + 10) & 0xFFFFFF, 0x106020u);
        Click(dialog.GradButton1);
    }));
    SetColorDialogAnswerer({});
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Clubs[club_].BackColor, chosen);
    EXPECT_EQ(Clubs[club_].TextColor, text);
    EXPECT_EQ(hub_->Color(), chosen);
}

TEST_F(SquadDialogsTest, TheDeathNoticeNamesThePlayerAndChangesNothing)
{
    DeadPlayer = Squad(2);
    const std::size_t squad = PlayersOfClub(club_).size();
    ASSERT_TRUE(Drive<TForm72>("TForm72", [&](TForm72& notice) {
        EXPECT_EQ(notice.Label3->Caption(), Players[DeadPlayer].Name.str());
        Click(notice.bt3);
    }));
    EXPECT_EQ(PlayersOfClub(club_).size(), squad);
}

}  // namespace
}  // namespace tarvelon
