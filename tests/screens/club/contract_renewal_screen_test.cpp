// Contract renewal (TForm24 and TForm25) between rounds on a seeded two-coach game, driven by real
// clicks and keys: a contract renewed against the wage demand, an offer above the limit told so and
// one equal to the demand signed at once.
#include <gtest/gtest.h>

#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/basics/datetime.h"
#include "core/basics/random.h"
#include "core/basics/typed_text.h"
#include "core/club_rosters.h"
#include "core/economy/between_rounds.h"
#include "core/economy/contract_renewal.h"
#include "core/economy/incoming_offers.h"
#include "core/economy/loans.h"
#include "core/economy/player_actions.h"
#include "core/economy/player_sale.h"
#include "core/economy/stadium.h"
#include "core/format/money_format.h"
#include "core/mail/inbox.h"
#include "core/mail/mail.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_label.h"
#include "screens/club/club_screens.h"
#include "screens/club/contract_renewal_screen.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/between_rounds_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game.h"
#include "tests/controls/shown_text.h"

namespace tarvelon {
namespace {

class ContractRenewalScreenTest : public test::BetweenRoundsSuite {};

TEST_F(ContractRenewalScreenTest, AContractIsRenewedAgainstTheWageDemand)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    // A player below the first row, listed for sale: the renewal takes him off the list.
    const int player = std::atoi(hub->gridview1->GetCellTextByName("id", 4).c_str());
    ListPlayerForSale(player, CurrencyUnits(Players[player].Value) * 2);
    ASSERT_EQ(Players[player].ListedForSale, 1);
    hub->RefreshRosterGrid();
    SelectPlayer(*hub, player);
    ASSERT_TRUE(hub->btvender->Enabled());
    ASSERT_TRUE(hub->btalterasal->Enabled());
    const std::int64_t demand = RenewalDemand(player, 1);
    // Offered one unit less than the demand: the player names his minimum and the coach accepts.
    ModalAnswerer answerer([demand](TGameForm& form) {
        if (auto* renewal = dynamic_cast<TForm24*>(&form)) {
            renewal->combom->SetItemIndex(1);  // "1 ano"
            renewal->Edit1->SetFocus();
            renewal->Edit1->SelectAll();
            QTest::keyClicks(renewal->Edit1->Widget(), QString::number(demand - 1));
            Click(renewal->CHButton1);
        } else if (auto* minimum = dynamic_cast<TForm25*>(&form)) {
            EXPECT_NE(minimum->Label2->Caption().find(FormatMoney(static_cast<std::int32_t>(demand))), std::string::npos);
            Click(minimum->button1);
        } else {
            form.Close();
        }
    });
    QTest::mouseClick(hub->btalterasal->Widget(), Qt::LeftButton);
    ASSERT_TRUE(test::PumpUntil([&answerer] {
        return answerer.Seen().size() >= 2 && test::ShownScreen("TForm24") == nullptr &&
               test::ShownScreen("TForm25") == nullptr;
    }, 5000));
    test::Pump(100);
    ASSERT_EQ(answerer.Seen().size(), 2u);
    EXPECT_EQ(CurrencyUnits(Players[player].wage), demand);
    EXPECT_DOUBLE_EQ(Players[player].ContractEnd, TodayDate() + 48 * 7);
    EXPECT_EQ(hub->gridview1->GetCellTextByName("salariot", RowOf(*hub, player)), std::to_string(demand));
    // The hub stays on the player: his row shows the new wage and his value, his card the new
    // contract, and "vender" and "contrato" wait for the next selection.
    EXPECT_EQ(RowOf(*hub, player), 4);
    EXPECT_EQ(hub->SelectedPlayer(), player);
    EXPECT_EQ(hub->gridview1->GetCellTextByName("salario", 4), FormatMoney(static_cast<std::int32_t>(demand)));
    EXPECT_EQ(hub->gridview1->GetCellTextByName("passe", 4),
              FormatMoneyShort(static_cast<std::int32_t>(CurrencyUnits(Players[player].Value))));
    EXPECT_EQ(Players[player].ListedForSale, 0);
    EXPECT_NE(hub->lb_infojog->GetDisplayText().find("$" + FormatMoney(static_cast<std::int32_t>(demand))), std::string::npos);
    EXPECT_NE(hub->lb_infojogn->GetDisplayText().find(Players[player].Name.str()), std::string::npos);
    EXPECT_FALSE(hub->btvender->Enabled());
    EXPECT_FALSE(hub->btalterasal->Enabled());
    EXPECT_FALSE(hub->Button4->Visible());
}

// A raise of more than 30 % brings the player's thanks to the inbox: once the renewal closes, the
// hub's news line counts it, without a reload.
TEST_F(ContractRenewalScreenTest, TheHubCountsThePlayersThanksOnceTheRenewalCloses)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int player = std::atoi(hub->gridview1->GetCellTextByName("id", 2).c_str());
    Players[player].wage = CurrencyFromUnits(1);  // any contract is a raise of far more than 30 %
    for (int k = 0; k < 7; ++k)
        SendMail(Game.CurrentHumanClub, mkPlayerMessage, 2, 0, 0, player);
    hub->RefreshHubHeader();
    const int unread = CountUnreadMail(Game.CurrentHumanClub);
    ASSERT_GE(unread, 7);
    ASSERT_EQ(test::ShownText(*hub->label32), std::to_string(unread) + " notícias não lidas");
    SelectPlayer(*hub, player);
    const std::int64_t demand = RenewalDemand(player, 1);
    ModalAnswerer answerer([demand](TGameForm& form) {
        if (auto* renewal = dynamic_cast<TForm24*>(&form)) {
            renewal->combom->SetItemIndex(1);
            renewal->Edit1->SetFocus();
            renewal->Edit1->SelectAll();
            QTest::keyClicks(renewal->Edit1->Widget(), QString::number(demand));
            Click(renewal->CHButton1);
        } else {
            form.Close();
        }
    });
    QTest::mouseClick(hub->btalterasal->Widget(), Qt::LeftButton);
    ASSERT_TRUE(test::PumpUntil([&answerer] {
        return !answerer.Seen().empty() && test::ShownScreen("TForm24") == nullptr;
    }, 5000));
    test::Pump(100);
    ASSERT_EQ(CurrencyUnits(Players[player].wage), demand);
    ASSERT_EQ(CountUnreadMail(Game.CurrentHumanClub), unread + 1);
    EXPECT_EQ(test::ShownText(*hub->label32), std::to_string(unread + 1) + " notícias não lidas");
}

TEST_F(ContractRenewalScreenTest, AnOfferAboveTheLimitIsToldAndOneEqualToTheDemandSignsAtOnce)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int player = PlayersOfClub(Game.CurrentHumanClub)[6];
    const std::int64_t demand = RenewalDemand(player, 0);
    std::vector<std::string> messages;
    SetMessageBoxAnswerer([&messages](const TMessageBoxRequest& request) {
        messages.push_back(request.text);
        return mrOk;
    });
    SelectedRecord = player;
    auto* renewal = dynamic_cast<TForm24*>(CreateScreen("TForm24", hub));
    ASSERT_NE(renewal, nullptr);
    renewal->Show();
    test::Pump();
    EXPECT_NE(renewal->Label7->Caption().find("Contrato termina em: "), std::string::npos);
    auto type = [renewal](const std::string& text) {
        renewal->Edit1->SetFocus();
        renewal->Edit1->SelectAll();
        QTest::keyClicks(renewal->Edit1->Widget(), QString::fromStdString(text));
    };
    const std::string wageTyped = renewal->Edit1->Text();
    type("abc");  // no digits: refused where typed, the wage stays
    EXPECT_EQ(renewal->Edit1->Text(), wageTyped);
    EXPECT_EQ(messages, std::vector<std::string>(3, kOnlyDigitsMessage));
    messages.clear();
    type("-");  // a sign alone is no number yet
    EXPECT_FALSE(renewal->CHButton1->Enabled());
    type("0");  // a number below 1 does not enable the offer, nor does it take it back
    EXPECT_FALSE(renewal->CHButton1->Enabled());
    type("5");
    EXPECT_TRUE(renewal->CHButton1->Enabled());
    type("0");
    EXPECT_TRUE(renewal->CHButton1->Enabled());
    type(std::to_string(std::max<std::int64_t>(100001, 5 * demand + 1)));
    Click(renewal->CHButton1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], OfferLimitMessage(demand));
    EXPECT_TRUE(renewal->Visible());
    const Currency wage = Players[player].wage;
    EXPECT_EQ(Players[player].wage, wage);
    type(std::to_string(demand));
    Click(renewal->CHButton1);  // the demand itself: signed without the player's minimum
    test::PumpUntil([player, demand] { return CurrencyUnits(Players[player].wage) == demand; });
    SetMessageBoxAnswerer({});
    EXPECT_EQ(test::ShownScreen("TForm25"), nullptr);
    EXPECT_EQ(CurrencyUnits(Players[player].wage), demand);
    EXPECT_DOUBLE_EQ(Players[player].ContractEnd, TodayDate() + 24 * 7);
}

// "Oferecer" waits for a number of at least 1: a player who earns nothing opens the renewal with the
// offer of his wage, 0, and the button off until a wage is typed. The arrows step by 500 from the
// typed number, a negative one too.
TEST_F(ContractRenewalScreenTest, OferecerIsOffUntilAWageOfAtLeastOneIsTypedAndTheArrowsStepBy500)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int player = PlayersOfClub(Game.CurrentHumanClub)[6];
    const Currency wage = Players[player].wage;
    Players[player].wage = 0;
    SelectedRecord = player;
    auto* renewal = dynamic_cast<TForm24*>(CreateScreen("TForm24", hub));
    ASSERT_NE(renewal, nullptr);
    renewal->Show();
    test::Pump();
    EXPECT_EQ(renewal->Edit1->Text(), "0");
    EXPECT_FALSE(renewal->CHButton1->Enabled());
    renewal->Edit1->SetFocus();
    renewal->Edit1->SelectAll();
    QTest::keyClicks(renewal->Edit1->Widget(), "5");
    EXPECT_TRUE(renewal->CHButton1->Enabled());
    // The arrows step by 500: down only from above 500, up only below 9,999,500.
    QWidget* arrows = renewal->UpDown1->Widget();
    const QPoint up(arrows->width() / 2, arrows->height() / 4);
    const QPoint down(arrows->width() / 2, arrows->height() * 3 / 4);
    QTest::mouseClick(arrows, Qt::LeftButton, {}, up);
    EXPECT_EQ(renewal->Edit1->Text(), "505");
    QTest::mouseClick(arrows, Qt::LeftButton, {}, down);
    EXPECT_EQ(renewal->Edit1->Text(), "5");
    QTest::mouseClick(arrows, Qt::LeftButton, {}, down);
    EXPECT_EQ(renewal->Edit1->Text(), "5");
    renewal->Edit1->SetText("9999500");
    QTest::mouseClick(arrows, Qt::LeftButton, {}, up);
    EXPECT_EQ(renewal->Edit1->Text(), "9999500");
    QTest::mouseClick(arrows, Qt::LeftButton, {}, down);
    EXPECT_EQ(renewal->Edit1->Text(), "9999000");
    // A typed negative wage steps from itself; only a negative result shows "0".
    auto typeThenClick = [&](const char* typed, QPoint arrow) {
        renewal->Edit1->SetFocus();
        QTest::keyClick(renewal->Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(renewal->Edit1->Widget(), typed);
        EXPECT_EQ(renewal->Edit1->Text(), typed);
        QTest::mouseClick(arrows, Qt::LeftButton, {}, arrow);
        return renewal->Edit1->Text();
    };
    EXPECT_EQ(typeThenClick("-100", up), "400");
    EXPECT_EQ(typeThenClick("-600", up), "0");
    EXPECT_EQ(typeThenClick("-100", down), "0");
    renewal->Close();
    test::Pump(20);
    Players[player].wage = wage;
}

}  // namespace
}  // namespace tarvelon
