// The human club's own affairs on screen, each dialog opened as the hub's menus open it (by class
// name through the navigator, its subject set) and driven by real clicks and keys: a shirt number
// taken from a team-mate, the team colours, a player retired for a junior, a death notice, and the
// inbox read and answered. Each dialog that changes the club has the open hub show the change.
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
#include "screens/club/inbox_screen.h"
#include "screens/club/list_colours_screen.h"
#include "screens/start/options_screen.h"
#include "screens/club/retirement_dialog.h"
#include "screens/club/squad_dialogs.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/club_dialogs_fixture.h"

namespace tarvelon {
namespace {

using ClubAffairsScreensTest = test::ClubDialogsTest;

TEST_F(ClubAffairsScreensTest, AShirtNumberHeldByATeamMateIsTakenFromHim)
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

TEST_F(ClubAffairsScreensTest, TheTeamColoursChangeAndTheHubWearsThem)
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

// The colour a roster row of the open hub is painted with, just inside its first cell.
QRgb HubRowColour(TDataGrid& grid, int row)
{
    test::Pump();
    const QImage picture = grid.Widget()->grab().toImage();
    return picture.pixel(3, grid.RowTop(row) + grid.GetRowHeight(row) / 2) & 0xFFFFFF;
}

TEST_F(ClubAffairsScreensTest, TheListColoursChosenPaintTheHubsRowsOnClosing)
{
    TDataGrid& grid = *hub_->gridview1;
    ClickRow(grid, 0);
    const int row = 1;  // not the selected one, which is drawn in the club's colours
    const int player = std::atoi(grid.GetCellTextByName("id", row).c_str());
    ASSERT_GT(player, 0);
    const int position = Players[player].Position;
    const QRgb alternate = HubRowColour(grid, row);
    // "Usar cores na lista de jogadores" ticked: the hub's rows take the colours at once.
    ASSERT_TRUE(Drive<TForm32>("TForm32", [&](TForm32& options) {
        ASSERT_FALSE(options.ckcor->Checked());
        test::ClickBox(options.ckcor);
        Click(options.GradButton2);  // "Fechar"
    }));
    ASSERT_EQ(Game.colouredPlayerLists, 1);
    EXPECT_EQ(HubRowColour(grid, row), ToQColor(Game.listColours[position]).rgb() & 0xFFFFFF);
    EXPECT_NE(HubRowColour(grid, row), alternate);
    const TColor chosen = 0x0000C000;
    ASSERT_NE(Game.listColours[position], chosen);
    SetColorDialogAnswerer([&](TColor) -> std::optional<TColor> { return chosen; });
    ASSERT_TRUE(Drive<TForm64>("TForm64", [&](TForm64& colours) {
        ClickGraphic(colours, *colours.shapes[static_cast<std::size_t>(position)]);
        Click(colours.GradButton1);  // "Fechar"
    }));
    SetColorDialogAnswerer({});
    EXPECT_EQ(Game.listColours[position], chosen);
    EXPECT_EQ(HubRowColour(grid, row), 0x00C000u);
    EXPECT_EQ(grid.SelectedRow(), 0);
}

TEST_F(ClubAffairsScreensTest, ARetiringPlayerMakesWayForAJuniorNamedByTheCoach)
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
        // A name longer than a player's name is cut to its 20 characters as it is typed.
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
    EXPECT_EQ(Players[junior].Name.str(), "Bartolomeu Fagundes ");
    EXPECT_EQ(Players[junior].Position, 4);
    EXPECT_EQ(PlayersOfClub(club_).size(), squad);
    EXPECT_EQ(hub_->SelectedPlayer(), junior);
    EXPECT_FALSE(hub_->btaposenta->Enabled());
}

TEST_F(ClubAffairsScreensTest, TheDeathNoticeNamesThePlayerAndChangesNothing)
{
    DeadPlayer = Squad(2);
    const std::size_t squad = PlayersOfClub(club_).size();
    ASSERT_TRUE(Drive<TForm72>("TForm72", [&](TForm72& notice) {
        EXPECT_EQ(notice.Label3->Caption(), Players[DeadPlayer].Name.str());
        Click(notice.bt3);
    }));
    EXPECT_EQ(PlayersOfClub(club_).size(), squad);
}

TEST_F(ClubAffairsScreensTest, TheInboxListsReadsAndAnswersTheClubsMail)
{
    MailMessages.clear();
    const int injured = Squad(1);
    const int sentOff = Squad(2);
    SendMail(club_, mkInjury, 2, 0, 0, injured);
    SendMail(club_, mkSentOff, 3, 0, 0, sentOff);  // asks whether to fine him
    SendMail(club_ + 1, mkWelcome, 1, 0, 0, 0);      // another club's
    SendMail(club_, mkWelcome, 1, 0, 0, 0);
    const Currency cash = Clubs[club_].cash;

    ASSERT_TRUE(Drive<TForm62>("TForm62", [&](TForm62& inbox) {
        TDataGrid& grid = *inbox.grid1;
        ASSERT_EQ(grid.RowCount(), 3);
        EXPECT_EQ(grid.GetCellTextByName("assunto", 0), "Bem vindo ao " + Clubs[club_].name.str());
        EXPECT_EQ(grid.GetCellTextByName("assunto", 1), Players[sentOff].Name.str() + " expulso");
        EXPECT_EQ(grid.GetCellTextByName("assunto", 2), Players[injured].Name.str() + " contundido");
        EXPECT_EQ(grid.GetCellTextByName("from", 2), "Dep. Médico");
        EXPECT_EQ(grid.GetCellTextByName("lido", 1), "0");

        ClickRow(grid, 1);
        EXPECT_EQ(inbox.Memo1->Text(), MailTexts[static_cast<std::size_t>(MailMessages[1].bodyTextId)]);
        EXPECT_TRUE(inbox.Panel1->Visible());
        EXPECT_EQ(grid.GetCellTextByName("lido", 1), "1");
        Click(inbox.GradButton1);  // "Sim"
        EXPECT_FALSE(inbox.Panel1->Visible());
        EXPECT_EQ(Clubs[club_].cash, cash + CurrencyFromUnits(FineOfPlayer(sentOff)));  // the fine is kept

        ClickRow(grid, 2);
        EXPECT_FALSE(inbox.Panel1->Visible());
        Click(inbox.bt1);
    }));
    EXPECT_EQ(MailMessages[1].answerPending, 0);
    EXPECT_EQ(MailMessages[0].read, 1);
    EXPECT_EQ(MailMessages[3].read, 0);
    std::string news;
    for (const std::string& line : hub_->label32->HTMLText())
        news += line;
    EXPECT_EQ(news, UnreadNewsText(1));

    // Opened again: what was read stays read, the answered question is asked no more.
    ASSERT_TRUE(Drive<TForm62>("TForm62", [&](TForm62& inbox) {
        EXPECT_EQ(inbox.grid1->GetCellTextByName("lido", 1), "1");
        EXPECT_EQ(inbox.grid1->GetCellTextByName("lido", 0), "0");
        ClickRow(*inbox.grid1, 1);
        EXPECT_FALSE(inbox.Panel1->Visible());
        test::PressKey(inbox.Widget(), Qt::Key_Escape);
    }));
    news.clear();
    for (const std::string& line : hub_->label32->HTMLText())
        news += line;
    EXPECT_EQ(news, UnreadNewsText(1));
}

}  // namespace
}  // namespace tarvelon
