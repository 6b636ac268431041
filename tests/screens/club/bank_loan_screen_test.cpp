// The bank (TForm28) on the gallery's seeded game, driven with real clicks and keys: it moves the
// cash and the loan (never below zero), as booked in the accounts, and the open hub shows the new
// cash and keeps its selected player; Escape closes the bank (and the accounts) while a button holds
// the focus.
#include <QImage>
#include <QTest>
#include <QTimer>

#include "controls/grad_button.h"
#include "core/economy/bank.h"
#include "core/economy/stadium.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/club/bank_loan_screen.h"
#include "screens/club/club_accounts_screen.h"
#include "screens/club/hub_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/bank_accounts_stadium_suite.h"

namespace tarvelon {
namespace {

class BankLoanScreenTest : public test::BankAccountsStadiumSuite {};

TEST_F(BankLoanScreenTest, TheBankLendsUpToTheCapAndTakesBackWhatIsOwed)
{
    Club().Division = 2;  // a cap of 3,000,000: six steps
    auto* bank = Open<TForm28>("TForm28");
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->Label6->Caption(), "0 mil");
    EXPECT_EQ(bank->Label7->Caption(), FormatMoneyWords(0));
    EXPECT_EQ(bank->Label2->Caption(), FormatMoneyWords64(2000000));
    EXPECT_TRUE(bank->bt1->Enabled());
    EXPECT_FALSE(bank->bt2->Enabled());

    Click(bank->bt1);
    EXPECT_EQ(Accounts().bankLoan, 500000);
    EXPECT_EQ(bank->Label6->Caption(), "500 mil");
    EXPECT_EQ(bank->Label7->Caption(), "15 mil");
    EXPECT_EQ(bank->Label2->Caption(), FormatMoneyWords64(2500000));
    EXPECT_TRUE(bank->bt2->Enabled());
    for (int step = 2; step <= 7; ++step)
        Click(bank->bt1);  // the seventh finds the button disabled
    EXPECT_EQ(Accounts().bankLoan, 3000000);
    EXPECT_FALSE(bank->bt1->Enabled());
    EXPECT_EQ(bank->Label2->Caption(), FormatMoneyWords64(5000000));
    Click(bank->bt2);
    EXPECT_EQ(Accounts().bankLoan, 2500000);
    EXPECT_TRUE(bank->bt1->Enabled());
    ExpectBooked();

    // What is left of a loan partly paid elsewhere is all a repayment takes.
    Accounts().bankLoan = 200000;
    startCash_ = Club().cash - CurrencyFromUnits(FinanceBalance(Accounts()));
    Click(bank->bt2);
    EXPECT_EQ(Accounts().bankLoan, 0);
    EXPECT_EQ(bank->Label6->Caption(), "0 mil");
    EXPECT_FALSE(bank->bt2->Enabled());
    Click(bank->bt2);
    EXPECT_EQ(Accounts().bankLoan, 0);
    ExpectBooked();

    PressKey(bank, Qt::Key_Escape);
    EXPECT_EQ(Screen->FormCount(), 0);
}

// Quick clicks on "Pegar 500 mil emprestado" come from the desktop as pairs of a click and a double
// click: each one is a loan, as with any push button (every second one was lost).
TEST_F(BankLoanScreenTest, EveryQuickClickOnTheLoanButtonIsALoan)
{
    Club().Division = 2;  // a cap of 3,000,000: six steps
    auto* bank = Open<TForm28>("TForm28");
    ASSERT_NE(bank, nullptr);
    QWidget* button = bank->bt1->Widget();
    const QPoint middle(bank->bt1->Width() / 2, bank->bt1->Height() / 2);
    for (int pair = 0; pair < 2; ++pair) {
        // What the desktop delivers for two quick clicks: the second press is followed by a double click.
        test::SendMouse(button, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(button, QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);
        test::SendMouse(button, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(button, QEvent::MouseButtonDblClick, middle, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(button, QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);
    }
    test::Pump();
    EXPECT_EQ(Accounts().bankLoan, 4 * 500000);
    ExpectBooked();
    PressKey(bank, Qt::Key_Escape);
}

TEST_F(BankLoanScreenTest, EscapeClosesTheBankAndTheAccountsWhileTheirButtonsHoldTheFocus)
{
    // A clicked button keeps the focus, and a push button keeps its key-downs from the form.
    auto* bank = Open<TForm28>("TForm28");
    ASSERT_NE(bank, nullptr);
    Click(bank->bt1);
    ASSERT_TRUE(bank->bt1->Focused());
    PressKey(bank->bt1, Qt::Key_Escape);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), 0);

    auto* accounts = Open<TForm22>("TForm22");
    ASSERT_NE(accounts, nullptr);
    accounts->GradButton2->SetFocus();
    test::Pump();
    ASSERT_TRUE(accounts->GradButton2->Focused());
    PressKey(accounts->GradButton2, Qt::Key_Escape);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), 0);
}

TEST_F(BankLoanScreenTest, TheHubShowsTheCashTheBankMoved)
{
    auto* hub = Open<TForm13>("TForm13");
    ASSERT_NE(hub, nullptr);
    auto* bank = Open<TForm28>("TForm28");
    ASSERT_NE(bank, nullptr);
    Click(bank->bt1);
    EXPECT_EQ(HubMoney(hub), FormatMoneyWords64(2500000));
    Click(bank->bt2);
    EXPECT_EQ(HubMoney(hub), FormatMoneyWords64(2000000));
}

TEST_F(BankLoanScreenTest, TheHubKeepsTheSelectedPlayerWhileTheBankMovesTheCash)
{
    auto* hub = Open<TForm13>("TForm13");
    ASSERT_NE(hub, nullptr);
    ASSERT_GT(hub->gridview1->RowCount(), 4);
    ClickRow(hub->gridview1, 3);
    ASSERT_EQ(hub->gridview1->SelectedRow(), 3);
    const int player = hub->SelectedPlayer();
    auto* bank = Open<TForm28>("TForm28");
    ASSERT_NE(bank, nullptr);
    Click(bank->bt1);
    EXPECT_EQ(HubMoney(hub), FormatMoneyWords64(2500000));
    EXPECT_EQ(hub->gridview1->SelectedRow(), 3);
    EXPECT_EQ(hub->SelectedPlayer(), player);
    Click(bank->bt2);
    EXPECT_EQ(hub->gridview1->SelectedRow(), 3);
}

}  // namespace
}  // namespace tarvelon
