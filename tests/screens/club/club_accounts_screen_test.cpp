// The club's accounts (TForm22) on the gallery's seeded game: the season shown as booked, large sums
// whole.
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
#include "screens/club/club_accounts_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/bank_accounts_stadium_suite.h"

namespace tarvelon {
namespace {

class ClubAccountsScreenTest : public test::BankAccountsStadiumSuite {};

TEST_F(ClubAccountsScreenTest, TheAccountsShowTheSeasonAsBookedWithLargeSumsWhole)
{
    TClubFinance& f = Accounts();
    f.ticketIncome = 2000000000;
    f.playerSales = 1500000000;
    f.bankLoan = 1000000;
    f.prizes = 250000;
    f.sponsorship = 400000;
    f.wagesPaid = 900000;
    f.stadium = 2100000000;
    f.playerPurchases = 1600000000;
    f.loanInterest = 30000;
    f.miscellaneous = 1000;
    f.terminationShares = 5000;
    f.weeklyWageBill = 75000;
    Club().cash = CurrencyFromUnits(3000000000LL);
    auto* accounts = Open<TForm22>("TForm22");
    ASSERT_NE(accounts, nullptr);
    EXPECT_EQ(accounts->l1->Caption(), "$2 000 000 000");
    EXPECT_EQ(accounts->l3->Caption(), "$1 000 000");
    EXPECT_EQ(accounts->l7->Caption(), "$2 100 000 000");
    EXPECT_EQ(accounts->l11->Caption(), "$5 000");
    EXPECT_EQ(accounts->Label16->Caption(), "$3 501 650 000");  // past 32 bits, kept whole
    EXPECT_EQ(accounts->Label17->Caption(), "$3 700 936 000");
    EXPECT_EQ(accounts->Label19->Caption(), "$-199 286 000");
    EXPECT_EQ(accounts->Label21->Caption(), "$75 000");
    EXPECT_EQ(accounts->Label24->Caption(), "$3 000 000 000");
    EXPECT_EQ(accounts->Label26->Caption(), "$30 000");
    Click(accounts->GradButton2);
    EXPECT_EQ(Screen->FormCount(), 0);

    // A new season: every line $0.
    f = TClubFinance{};
    accounts = Open<TForm22>("TForm22");
    for (TLabel* line : {accounts->l1, accounts->l6, accounts->Label16, accounts->Label17, accounts->Label19, accounts->Label26})
        EXPECT_EQ(line->Caption(), "$0");
    Click(accounts->GradButton2);

    // A new season that owes last season's loan: it is no income of this one, its interest still runs;
    // what is borrowed now is.
    f = TClubFinance{};
    f.bankLoan = f.loanAtSeasonStart = 1000000;
    f.bankLoan += 500000;
    accounts = Open<TForm22>("TForm22");
    EXPECT_EQ(accounts->l3->Caption(), "$500 000");
    EXPECT_EQ(accounts->Label19->Caption(), "$500 000");
    EXPECT_EQ(accounts->Label26->Caption(), "$45 000");
}

}  // namespace
}  // namespace tarvelon
