// The stadium (TForm8) and its expansion (TForm10) on the gallery's seeded game, driven with real
// clicks and keys: the hub opens it on F6 (and the accounts from its money); the ticket prices step
// within their range; an expansion is quoted, the quote stays while the edits change, and the works
// started are the quoted ones, paid and booked, completed on their day.
#include <QImage>
#include <QTest>

#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/basics/typed_text.h"
#include "core/economy/bank.h"
#include "core/economy/stadium.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_label.h"
#include "screens/club/club_accounts_screen.h"
#include "screens/club/hub_screen.h"
#include "screens/club/stadium_screen.h"
#include "screens/common/subjects.h"
#include "tests/controls/shown_text.h"
#include "tests/screens/club/bank_accounts_stadium_suite.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

class StadiumScreenTest : public test::BankAccountsStadiumSuite {};

TEST_F(StadiumScreenTest, TheHubOpensTheStadiumOnF6AndTheAccountsFromItsMoney)
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

TEST_F(StadiumScreenTest, TicketPricesStepOnTheSpinnersWithinTheirRange)
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

// The stadium's name from the club's file is shown as it is written, an "&" included.
TEST_F(StadiumScreenTest, TheStadiumsNameIsShownAsWritten)
{
    Club().Stadium.set("Ramos & Filhos");
    std::int64_t seats = 0;
    for (int s = 0; s < kStadiumSectors; ++s)
        seats += Club().SectorSeats[s];
    auto* stadium = Open<TForm8>("TForm8");
    ASSERT_NE(stadium, nullptr);
    EXPECT_EQ(test::ShownCaption(*stadium->Label1).text.toStdString(),
              "Ramos & Filhos - " + FormatMoney64(seats) + " lugares");
}

// A price from the club's file may lie beyond the spinner's range: the spinner stands at its end,
// a click further changes nothing, and a click back takes one off the real price.
TEST_F(StadiumScreenTest, APriceBeyondTheSpinnersRangeStillStepsBack)
{
    Club().SectorPrices[1] = 150;
    auto* stadium = Open<TForm8>("TForm8");
    ASSERT_NE(stadium, nullptr);
    EXPECT_EQ(stadium->label16->Caption(), "$150");
    ClickArrow(stadium->upa, true);
    EXPECT_EQ(Club().SectorPrices[1], 150);
    ClickArrow(stadium->upa, false);
    EXPECT_EQ(Club().SectorPrices[1], 149);
    EXPECT_EQ(stadium->label16->Caption(), "$149");
    ClickArrow(stadium->upa, false);
    ClickArrow(stadium->upa, true);
    EXPECT_EQ(Club().SectorPrices[1], 149);
    EXPECT_EQ(stadium->label16->Caption(), "$149");
}

TEST_F(StadiumScreenTest, TheExpansionBuiltIsTheOneQuotedPaidAndCompletedOnItsDay)
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
        std::vector<std::string> messages;
        SetMessageBoxAnswerer([&messages](const TMessageBoxRequest& request) {
            messages.push_back(request.text);
            return mrOk;
        });
        Type(works->Editc, "x .");  // no digits: refused where typed, no seats there
        SetMessageBoxAnswerer({});
        EXPECT_EQ(works->Editc->Text(), "");
        EXPECT_EQ(messages, std::vector<std::string>(3, kOnlyDigitsMessage));
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
    test::AnswerFound<TForm10>(ShownExpansion, [&](TForm10& works) { quoteAndBuild(&works); }, "TForm10");
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
