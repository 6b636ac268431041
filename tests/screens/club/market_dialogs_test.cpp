// The market's deal dialogs on a seeded game, opened from the transfer market by real clicks and
// keys: the bid (TForm60) refused and accepted, a bid above the cash, the wage demand (TForm61)
// accepted with Escape, and a human seller answering the bid himself (TForm49).
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/economy/market_deals.h"
#include "core/economy/player_sale.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/club/hub_screen.h"
#include "screens/club/market_dialogs.h"
#include "screens/club/transfer_market_screen.h"
#include "tests/platform/modal_answer_each.h"
#include "tests/screens/club/transfer_market_suite.h"

namespace tarvelon {
namespace {

class MarketDialogsTest : public test::TransferMarketSuite {};

TEST_F(MarketDialogsTest, BidIsRefusedThenAcceptedThroughTheDialogsOpenedAboveTheMarket)
{
    const int seller = SellerAtOrBelowHuman(1);
    const int player = MidfielderOf(seller);
    ASSERT_GT(player, 0);
    Players[player].ListedForSale = 0;
    Players[player].Value = CurrencyFromUnits(100'000);
    auto* market = OpenMarket(seller);
    SelectRow(*market, player);
    ASSERT_TRUE(market->bt2->Enabled());

    bool dialogOnTop = false;
    bool refusalShown = false;
    // The unchanged field bids the exact value: refused by the seller's table.
    WhenOpens<TForm60>([&](TForm60& bid) {
        dialogOnTop = bid.Owner() == market && bid.Widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        EXPECT_EQ(bid.Edit1->Text(), "100");
        WhenOpens<TForm61>([&](TForm61& answer) {
            refusalShown = true;
            EXPECT_EQ(answer.bt2->Caption(), "OK");
            EXPECT_FALSE(answer.btconf->Visible());
            Click(answer.bt2);
        });
        Click(bid.bt1);
    });
    Click(market->bt2);
    test::PumpUntil([] { return OpenForm<TForm60>() == nullptr && OpenForm<TForm61>() == nullptr; });
    EXPECT_TRUE(dialogOnTop) << "the bid dialog belongs to the market and stays above it";
    EXPECT_TRUE(refusalShown);
    EXPECT_EQ(Players[player].Club, seller);

    // 250 thousand is 2.5 times his value: enough for any position.
    const Currency cash = Clubs[human_].cash;
    SelectRow(*market, player);
    WhenOpens<TForm60>([&](TForm60& bid) {
        bid.Edit1->SetFocus();
        QTest::keyClick(bid.Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(bid.Edit1->Widget(), "250");
        EXPECT_EQ(bid.Label6->Caption(), "250 mil");
        Click(bid.bt1);
    });
    Click(market->bt2);
    test::PumpUntil([] { return OpenForm<TForm60>() == nullptr; });
    EXPECT_EQ(Players[player].Club, human_);
    EXPECT_EQ(cash - Clubs[human_].cash, CurrencyFromUnits(250'000));
    EXPECT_EQ(RowOf(*market->joglist, player), -1);
    EXPECT_FALSE(market->Label27->Visible()) << "an accepted bid says nothing in the market";
}

// A purchase's "Jogador comprado com sucesso." speaks of that purchase only: a bid refused right
// after it, on the row the selection fell on, leaves no word of success on the market.
TEST_F(MarketDialogsTest, ARefusedBidAfterAPurchaseDoesNotReadAsBought)
{
    const test::GameKeptAside kept;  // the purchase stays out of the tests after it
    const int seller = SellerAtOrBelowHuman(2);
    const std::vector<int> squad = PlayersOfClub(seller);
    ASSERT_GE(squad.size(), 4u);
    const int bought = squad[1];
    ListPlayerForSale(bought, 1'000);
    auto* market = OpenMarket(seller);
    SelectRow(*market, bought);
    Click(market->bt1);
    ASSERT_EQ(Players[bought].Club, human_);
    ASSERT_EQ(market->Label27->GetDisplayText(), "Jogador comprado com sucesso.");

    const int next = market->SelectedPlayer();  // the selection fell on a neighbour row, unclicked
    ASSERT_GT(next, 0);
    Players[next].ListedForSale = 0;  // the unchanged field bids his value: refused by the seller's table
    ASSERT_TRUE(market->bt2->Enabled());
    bool refusalShown = false;
    WhenOpens<TForm60>([&](TForm60& bid) {
        WhenOpens<TForm61>([&](TForm61& answer) {
            refusalShown = true;
            Click(answer.bt2);
        });
        Click(bid.bt1);
    });
    Click(market->bt2);
    test::PumpUntil([] { return OpenForm<TForm60>() == nullptr && OpenForm<TForm61>() == nullptr; });
    EXPECT_TRUE(refusalShown);
    EXPECT_EQ(Players[next].Club, seller);
    EXPECT_FALSE(market->Label27->Visible()) << market->Label27->GetDisplayText();
}

TEST_F(MarketDialogsTest, BidAboveTheCashCannotBeProposed)
{
    const int seller = SellerAtOrBelowHuman(2);
    const int player = MidfielderOf(seller);
    Clubs[human_].cash = CurrencyFromUnits(300'000);
    auto* market = OpenMarket(seller);
    SelectRow(*market, player);
    bool checked = false;
    WhenOpens<TForm60>([&](TForm60& bid) {
        bid.Edit1->SetFocus();
        QTest::keyClick(bid.Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(bid.Edit1->Widget(), "301");
        EXPECT_FALSE(bid.bt1->Enabled());
        EXPECT_EQ(bid.Label6->Font().Color(), 255);
        // A greyed "Propor compra" sends nothing, for a bid above the cash or below nothing: the
        // dialog stays open with no answer.
        Click(bid.bt1);
        EXPECT_TRUE(bid.Visible());
        QTest::keyClick(bid.Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(bid.Edit1->Widget(), "250");
        EXPECT_TRUE(bid.bt1->Enabled());
        QTest::keyClick(bid.Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(bid.Edit1->Widget(), "-100");
        EXPECT_FALSE(bid.bt1->Enabled());
        Click(bid.bt1);
        EXPECT_TRUE(bid.Visible());
        EXPECT_EQ(OpenForm<TForm61>(), nullptr);
        QTest::keyClick(bid.Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(bid.Edit1->Widget(), "301");
        QTest::keyClick(bid.Edit1->Widget(), Qt::Key_Backspace);
        QTest::keyClicks(bid.Edit1->Widget(), "0");
        EXPECT_TRUE(bid.bt1->Enabled());
        QTest::keyClick(bid.Widget(), Qt::Key_Escape);  // the dialog handles no keys: "Cancelar" closes it
        EXPECT_EQ(bid.ModalResult(), mrNone);
        checked = true;
        Click(bid.bt2);
    });
    Click(market->bt2);
    test::PumpUntil([] { return OpenForm<TForm60>() == nullptr; });
    EXPECT_TRUE(checked);
    EXPECT_EQ(Players[player].Club, seller);
}

// The unchanged field makes one bid, which "Propor compra", the figure beside the field and the click
// all go by. At a value of a thousand or more it is the exact value, not the thousands the field
// shows, so a club whose cash lies within the value's last thousand cannot click a button that then
// does nothing. Below a thousand the field (in thousands) showed 0 beside an enabled button: it shows
// 1, and the bid is the least the field can make, a thousand, judged against the cash like any other.
TEST_F(MarketDialogsTest, TheUnchangedFieldMakesTheBidTheButtonIsJudgedBy)
{
    const int seller = SellerAtOrBelowHuman(3);
    std::vector<int> midfielders;
    for (int p : PlayersOfClub(seller))
        if (Players[p].Position == 3 && Players[p].loanStatus == 0)
            midfielders.push_back(p);
    ASSERT_GE(midfielders.size(), 2u);
    auto* market = OpenMarket(seller);

    struct Case {
        std::int64_t value;
        std::int64_t cash;
        const char* field;
        const char* figure;
        bool canBid;
    };
    // Each value's affordable case comes last: the player may join the human club with it.
    const Case cases[] = {{100'500, 100'499, "100", "100 mil", false},
                          {100'500, 99'999, "100", "100 mil", false},
                          {100'500, 100'500, "100", "100 mil", true},
                          {500, 999, "1", "1 mil", false},
                          {500, 1'000, "1", "1 mil", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " with cash " + std::to_string(c.cash));
        const int player = c.value >= 1000 ? midfielders[0] : midfielders[1];
        const std::int64_t bid = std::max<std::int64_t>(c.value, 1000);
        Players[player].ListedForSale = 0;
        Players[player].Value = CurrencyFromUnits(c.value);
        Clubs[human_].cash = CurrencyFromUnits(c.cash);
        SelectRow(*market, player);
        bool shown = false;
        bool answered = false;
        // The click makes the bid: the seller's refusal shows, or the player joins.
        const test::AnswerEach<TForm61> refusal([&](TForm61& answer) {
            answered = true;
            Click(answer.bt2);
        });
        WhenOpens<TForm60>([&](TForm60& dialog) {
            shown = true;
            EXPECT_EQ(dialog.Edit1->Text(), c.field);
            EXPECT_EQ(dialog.Label6->Caption(), c.figure);
            EXPECT_EQ(dialog.bt1->Enabled(), c.canBid);
            EXPECT_EQ(dialog.Label6->Font().Color(), c.canBid ? clBlack : 255);
            if (c.canBid) {
                Click(dialog.bt1);
                return;
            }
            Click(dialog.bt1);
            EXPECT_TRUE(dialog.Visible()) << "a greyed button sends nothing";
            Click(dialog.bt2);
        });
        Click(market->bt2);
        test::PumpUntil([] { return OpenForm<TForm60>() == nullptr && OpenForm<TForm61>() == nullptr; });
        EXPECT_TRUE(shown);
        const bool joined = Players[player].Club == human_;
        EXPECT_EQ(answered || joined, c.canBid);
        if (c.canBid) {
            EXPECT_EQ(Deal.BidPrice, bid) << "the bid the click sent";
        }
        EXPECT_EQ(Clubs[human_].cash, CurrencyFromUnits(joined ? c.cash - bid : c.cash));
    }
}

TEST_F(MarketDialogsTest, TopEuropeanPlayersWageDemandIsAcceptedWithEscapeAndTheHubShowsHim)
{
    const int seller = TopEuropeanClubAbove();
    if (seller < 0)
        GTEST_SKIP() << "no top European club above the human club in this game";
    const int player = MidfielderOf(seller);
    ListPlayerForSale(player, 500'000);
    const std::int64_t wage = (Players[player].wage + 5000) / 10000;
    auto* hub = Open<TForm13>("TForm13");
    ASSERT_NE(hub, nullptr);
    const int hubRows = hub->gridview1->RowCount();
    auto* market = OpenMarket(seller);
    SelectRow(*market, player);
    ASSERT_TRUE(market->bt1->Enabled());
    bool demanded = false;
    WhenOpens<TForm61>([&](TForm61& demand) {
        demanded = demand.bt2->Caption() == "Aceitar" && demand.btconf->Caption() == "Recusar";
        PressKey(&demand, Qt::Key_Escape);  // Escape accepts the demand
    });
    Click(market->bt1);
    test::PumpUntil([] { return OpenForm<TForm61>() == nullptr; });
    EXPECT_TRUE(demanded);
    EXPECT_EQ(Players[player].Club, human_);
    EXPECT_EQ((Players[player].wage + 5000) / 10000, wage * Deal.WageDemandFactor);
    EXPECT_EQ(hub->gridview1->RowCount(), hubRows + 1) << "the hub shows the new player";
    EXPECT_EQ(RowOf(*market->joglist, player), -1) << "the market's squad is refilled";
    EXPECT_TRUE(market->Label27->Visible());
    EXPECT_EQ(market->Label27->GetDisplayText(), "Jogador comprado com sucesso.");
}

TEST_F(MarketDialogsTest, HumanSellerAnswersTheBidHimself)
{
    const int seller = SellerAtOrBelowHuman(4);
    const int player = MidfielderOf(seller);
    ASSERT_GT(player, 0);
    Clubs[seller].IsHuman = 1;
    auto* market = OpenMarket(seller);
    SelectRow(*market, player);
    const auto bidAnswered = [&](bool yes) {
        bool asked = false;
        WhenOpens<TForm60>([&](TForm60& bid) {
            WhenOpens<TForm49>([&](TForm49& question) {
                asked = question.Label3->GetDisplayText() == Clubs[human_].name.str() +
                                                                " está querendo comprar o jogador: " +
                                                                Players[player].Name.str();  // not bold
                Click(yes ? question.bt1 : question.bt2);
            });
            Click(bid.bt1);
        });
        Click(market->bt2);
        test::PumpUntil([] { return OpenForm<TForm60>() == nullptr; });
        return asked;
    };
    EXPECT_TRUE(bidAnswered(false));
    EXPECT_EQ(OpenForm<TForm61>(), nullptr) << "a refusal by the seller ends the bid";
    EXPECT_EQ(Players[player].Club, seller);
    SelectRow(*market, player);
    EXPECT_TRUE(bidAnswered(true));
    EXPECT_EQ(Players[player].Club, human_);
    Clubs[seller].IsHuman = 0;
}

}  // namespace
}  // namespace tarvelon
