// The inbox (TForm62), opened as the hub's menu opens it and driven by real clicks and keys: the
// club's mail listed, read and answered.
#include <gtest/gtest.h>

#include <QTest>

#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/economy/player_fines.h"
#include "core/mail/inbox.h"
#include "core/mail/mail.h"
#include "core/mail/mail_texts.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
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
#include "screens/common/subjects.h"
#include "tests/screens/club/club_dialogs_fixture.h"

namespace tarvelon {
namespace {

class InboxScreenTest : public test::ClubDialogsTest {};

TEST_F(InboxScreenTest, TheInboxListsReadsAndAnswersTheClubsMail)
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
        test::PressKey(inbox.Widget(), Qt::Key_Escape);  // the inbox handles no keys: "X" closes it
        EXPECT_EQ(inbox.ModalResult(), mrNone);
        Click(inbox.bt1);
    }));
    news.clear();
    for (const std::string& line : hub_->label32->HTMLText())
        news += line;
    EXPECT_EQ(news, UnreadNewsText(1));
}

// The dark pixels of a row's text from the subject column to the right end of the grid.
int DarkPixelsOfRow(const QImage& grid, int top, int height)
{
    int dark = 0;
    for (int y = top; y < top + height && y < grid.height(); ++y)
        for (int x = 40; x < grid.width() - 20; ++x)
            if (qGray(grid.pixel(x, y)) < 110)
                ++dark;
    return dark;
}

// Two messages alike but for their read flag: the unread one's subject, sender and date are bold.
TEST_F(InboxScreenTest, AnUnreadMessageIsWrittenInBold)
{
    MailMessages.clear();
    SendMail(club_, mkWelcome, 1, 0, 0, 0);
    SendMail(club_, mkWelcome, 1, 0, 0, 0);
    MailMessages[0].read = 1;
    ASSERT_TRUE(Drive<TForm62>("TForm62", [&](TForm62& inbox) {
        TDataGrid& grid = *inbox.grid1;
        ASSERT_EQ(grid.RowCount(), 2);
        ASSERT_EQ(grid.GetCellTextByName("lido", 0), "0");
        ASSERT_EQ(grid.GetCellTextByName("lido", 1), "1");
        const QImage shown = grid.Widget()->grab().toImage();
        const int unread = DarkPixelsOfRow(shown, grid.RowTop(0), 20);
        const int read = DarkPixelsOfRow(shown, grid.RowTop(1), 20);
        EXPECT_GT(read, 0);
        EXPECT_GT(unread, read + read / 10) << "unread " << unread << ", read " << read;
        Click(inbox.bt1);
    }));
}

TEST_F(InboxScreenTest, ClosedWithAllReadTheHubSaysSemNovasNoticiasAndKeepsSayingIt)
{
    MailMessages.clear();
    SendMail(club_, mkWelcome, 1, 0, 0, 0);
    MailMessages.back().date = TodayDate();
    hub_->RefreshHubHeader();
    ASSERT_EQ(hub_->label32->GetDisplayText(), UnreadNewsText(1));
    ASSERT_TRUE(Drive<TForm62>("TForm62", [&](TForm62& inbox) {
        ClickRow(*inbox.grid1, 0);
        Click(inbox.bt1);
    }));
    EXPECT_EQ(hub_->label32->GetDisplayText(), "<shad>Sem novas notícias</shad>");
    hub_->RefreshHubHeader();  // as after any dialog that changed the club
    EXPECT_EQ(hub_->label32->GetDisplayText(), "<shad>Sem novas notícias</shad>");
}

}  // namespace
}  // namespace tarvelon
