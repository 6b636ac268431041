// The club's administration on screen, on the gallery's seeded game, driven with real clicks and
// keys: the bank moves the cash and the loan (never below zero) and the open hub shows the new cash; the
// accounts show the season as booked, large sums whole; the stadium's ticket prices step within
// their range; an expansion is quoted, the quote stays while the edits change, and the works started
// are the quoted ones, paid and booked, completed on their day. Cash and accounts agree throughout.
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
#include "screens/club/stadium_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class BankAccountsStadiumScreens : public ViewsScreenTest {
protected:
    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        club_ = SubjectClub();
        Game.CurrentHumanClub = club_;
        StadiumWorks.clear();
        Accounts() = TClubFinance{};
        Club().cash = CurrencyFromUnits(2000000);
        startCash_ = Club().cash;
    }

    // Cash moved on screen equals what the accounts booked (the season's accounts start at zero).
    void ExpectBooked() const
    {
        EXPECT_EQ(Club().cash - startCash_, CurrencyFromUnits(FinanceBalance(Accounts())));
    }

    static void ClickArrow(TUpDown* spinner, bool up) { Click(spinner, QPoint(spinner->Width() / 2, up ? 4 : spinner->Height() - 4)); }

    static void Type(TEdit* edit, const char* text)
    {
        edit->SetFocus();
        QTest::keyClick(edit->Widget(), Qt::Key_End);
        QTest::keyClicks(edit->Widget(), text);
        test::Pump();
    }

    // Whether the form shows the maroon text of a label (the works in progress) where it stands.
    static bool HasReddishText(TForm* form, TLabel* label)
    {
        form->Repaint();
        test::Pump();
        const QImage image = WidgetOf(form)->grab().toImage();
        for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
            for (int x = label->Left(); x < label->Left() + label->Width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 100 && c.green() < 60 && c.blue() < 60)
                    return true;
            }
        return false;
    }

    // The words of the hub's cash label, without its shadow tags.
    static std::string HubMoney(const TForm13* hub)
    {
        std::string text;
        for (const std::string& line : hub->labmoney->HTMLText())
            text += line;
        for (const std::string tag : {"<shad>", "</shad>"})
            if (const std::size_t at = text.find(tag); at != std::string::npos)
                text.erase(at, tag.size());
        return text;
    }

    static TForm10* ShownExpansion()
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (auto* form = dynamic_cast<TForm10*>(Screen->Forms(i)); form && form->Visible())
                return form;
        return nullptr;
    }

    TClub& Club() const { return Clubs[club_]; }
    TClubFinance& Accounts() const { return ClubFinances[club_]; }

    int club_ = -1;
    Currency startCash_ = 0;
};

TEST_F(BankAccountsStadiumScreens, TheBankLendsUpToTheCapAndTakesBackWhatIsOwed)
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

TEST_F(BankAccountsStadiumScreens, EscapeClosesTheBankAndTheAccountsWhileTheirButtonsHoldTheFocus)
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

TEST_F(BankAccountsStadiumScreens, TheHubShowsTheCashTheBankMoved)
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

TEST_F(BankAccountsStadiumScreens, TheHubKeepsTheSelectedPlayerWhileTheBankMovesTheCash)
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

TEST_F(BankAccountsStadiumScreens, TheHubOpensTheStadiumOnF6AndTheAccountsFromItsMoney)
{
    auto* hub = Open<TForm13>("TForm13");
    ASSERT_NE(hub, nullptr);
    auto seen = CloseWhatOpens(Screen->FormCount());
    PressKey(hub, Qt::Key_F6);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm8"});
    seen = CloseWhatOpens(Screen->FormCount());
    Click(hub->labmoney);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm22"});
}

TEST_F(BankAccountsStadiumScreens, TheAccountsShowTheSeasonAsBookedWithLargeSumsWhole)
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
}

TEST_F(BankAccountsStadiumScreens, TicketPricesStepOnTheSpinnersWithinTheirRange)
{
    Club().SectorPrices[0] = 1;
    Club().SectorPrices[2] = 20;
    Club().SectorPrices[3] = 100;
    auto* stadium = Open<TForm8>("TForm8");
    ASSERT_NE(stadium, nullptr);
    EXPECT_EQ(stadium->label18->Caption(), "$1");
    EXPECT_EQ(stadium->label14->Caption(), FormatMoney(Club().SectorSeats[0]));
    EXPECT_FALSE(stadium->Label2->Visible());
    EXPECT_TRUE(stadium->bt1->Visible());

    ClickArrow(stadium->upg, false);  // the general sector is never free
    EXPECT_EQ(Club().SectorPrices[0], 1);
    ClickArrow(stadium->upg, true);
    ClickArrow(stadium->upg, true);
    EXPECT_EQ(Club().SectorPrices[0], 3);
    EXPECT_EQ(stadium->label18->Caption(), "$3");
    ClickArrow(stadium->upc, false);
    EXPECT_EQ(Club().SectorPrices[2], 19);
    EXPECT_EQ(stadium->label17->Caption(), "$19");
    ClickArrow(stadium->upcm, true);
    EXPECT_EQ(Club().SectorPrices[3], 100);
    EXPECT_EQ(stadium->Label33->Caption(), "$100");
}

TEST_F(BankAccountsStadiumScreens, TheExpansionBuiltIsTheOneQuotedPaidAndCompletedOnItsDay)
{
    Club().Division = 4;
    Club().SectorSeats[0] = 10000;
    Club().cash = CurrencyFromUnits(100000);
    startCash_ = Club().cash;
    auto* stadium = Open<TForm8>("TForm8");
    ASSERT_NE(stadium, nullptr);
    EXPECT_FALSE(HasReddishText(stadium, stadium->Label2));
    const std::int64_t cost = 500 * 75 + kExpansionProjectCost;
    ExpansionQuote started;
    bool quoteKept = false;
    const auto quoteAndBuild = [&](TForm10* works) {
        EXPECT_EQ(works->Labelmg->Caption(), "(máximo + " + FormatMoney(MaxSectorSeats(Game.Season)[0] - 10000) + ")");
        Click(works->GradButton1);  // nothing asked: no quote, no message
        EXPECT_EQ(works->Label1->Caption(), "");
        EXPECT_FALSE(works->btconstruir->Visible());

        Type(works->Editg, "500");
        Type(works->Editc, "x");  // not a number: no seats there
        Click(works->GradButton1);
        EXPECT_TRUE(works->btconstruir->Visible());
        EXPECT_EQ(works->Label1->Caption(), "Custo total da obra, incluindo o custo do projeto inicial: $" +
                                                FormatMoney64(cost) + "\r\nData prevista para o fim da obra:" +
                                                DateToStr(TodayDate() + 4));
        started = works->Quote();
        const std::string quoted = works->Label1->Caption();
        Type(works->Editg, "0");  // 5000 typed now: the quote given stays until the next one
        quoteKept = works->btconstruir->Visible() && works->Label1->Caption() == quoted;
        Click(works->btconstruir);  // 100,000 in cash is not enough
        EXPECT_EQ(works->Label1->Caption(), "Dinheiro insuficiente para esta obra.");
        EXPECT_TRUE(StadiumWorks.empty());
        Club().cash = CurrencyFromUnits(cost);  // exactly enough
        startCash_ = Club().cash;
        Click(works->btconstruir);
    };
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(test::PumpUntil([] { return ShownExpansion() != nullptr; }));
        quoteAndBuild(ShownExpansion());
        if (TForm10* left = ShownExpansion())  // a failed step leaves it open
            left->Close();
    });
    Click(stadium->bt1);
    test::Pump();
    EXPECT_TRUE(quoteKept);
    EXPECT_EQ(ShownExpansion(), nullptr);
    ASSERT_EQ(StadiumWorks.size(), 1u);
    const TStadiumWork& work = StadiumWorks[0];
    EXPECT_EQ(work.seatsAdded[0], 500);
    EXPECT_EQ(work.seatsAdded[2], 0);
    EXPECT_EQ(work.endDate, started.endDate);
    EXPECT_EQ(Accounts().stadium, cost);
    EXPECT_EQ(Club().cash, 0);
    ExpectBooked();
    EXPECT_TRUE(stadium->Label2->Visible());
    EXPECT_EQ(stadium->Label2->Caption(), WorkInProgressText(work.endDate));
    EXPECT_FALSE(stadium->bt1->Visible());
    EXPECT_TRUE(HasReddishText(stadium, stadium->Label2));

    // The hub completes the works when the calendar reaches their end.
    EXPECT_FALSE(CompleteStadiumWorks(club_, work.endDate - 1));
    EXPECT_TRUE(CompleteStadiumWorks(club_, work.endDate));
    EXPECT_EQ(Club().SectorSeats[0], 10500);
}

}  // namespace
}  // namespace tarvelon
