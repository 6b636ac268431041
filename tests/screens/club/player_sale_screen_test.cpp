// The sale of a player of the human club (TForm44) on a seeded game, driven by clicks and keys:
// the fine band by the contract's days left, a bad price put back to 1000 with the button off
// until the next edit, the listing at a fixed price, and the auction request.
#include <QPointer>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

#include "controls/dc_glow_button.h"
#include "controls/grad_button.h"
#include "core/basics/typed_text.h"
#include "core/economy/player_sale.h"
#include "core/format/money_format.h"
#include "core/progression/auction.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "screens/club/hub_screen.h"
#include "screens/club/player_sale_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/player_clicks.h"
#include "tests/screens/views_test_support.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class PlayerSaleTest : public ViewsScreenTest {
protected:
    TForm44* OpenSale(int player)
    {
        SelectedRecord = player;
        return Open<TForm44>("TForm44");
    }

    static void Type(TEdit& edit, const char* text)
    {
        edit.SetFocus();
        QTest::keyClick(edit.Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit.Widget(), Qt::Key_Delete);
        QTest::keyClicks(edit.Widget(), text);
        test::Pump();
    }
};

TEST_F(PlayerSaleTest, FineBandFollowsTheContractAndExpiredContractsShowNone)
{
    const int player = SubjectPlayer();
    TPlayer& p = Players[player];
    const TDateTime contract = p.ContractEnd;
    p.ContractEnd = TodayDate() + 30;
    auto* sale = OpenSale(player);
    EXPECT_EQ(sale->Label3->Caption(), p.Name.str());
    EXPECT_EQ(sale->Edit1->Text(), std::to_string(ThousandsOf(p.Value)));
    EXPECT_TRUE(sale->Label13->Visible());
    EXPECT_EQ(sale->Label13->Caption(), "12% do valor total");
    const int fullHeight = sale->ClientHeight();
    QPointer<QWidget> window = sale->Widget();
    test::PressKey(window, Qt::Key_Escape);  // the screen handles no keys: "Cancelar" closes it
    ASSERT_TRUE(window && window->isVisible());
    sale->Close();
    test::Pump();

    p.ContractEnd = TodayDate() - 1;
    sale = OpenSale(player);
    EXPECT_FALSE(sale->Label11->Visible());
    EXPECT_FALSE(sale->Label13->Visible());
    EXPECT_LT(sale->ClientHeight(), fullHeight);
    EXPECT_EQ(sale->Height(), 384);
    EXPECT_GT(sale->ClientHeight(), sale->bt1->Top() + sale->bt1->Height()) << "the buttons stay on the form";
    p.ContractEnd = contract;
}

TEST_F(PlayerSaleTest, BadPriceBecomesAThousandAndListingSetsTheAskingPrice)
{
    const int player = SubjectPlayer();
    Players[player].ListedForSale = 0;
    auto* sale = OpenSale(player);
    ASSERT_TRUE(sale->ck1->Checked());
    EXPECT_EQ(sale->bt1->Caption(), "Iniciar leilão");
    Type(*sale->Edit1, "0");
    EXPECT_EQ(sale->Edit1->Text(), "1000");
    EXPECT_FALSE(sale->bt1->Enabled()) << "off until the next edit";
    EXPECT_EQ(sale->Label6->Caption(), FormatMoneyWords64(1'000'000));
    Type(*sale->Edit1, "5");
    EXPECT_TRUE(sale->bt1->Enabled());

    Click(sale->ck2);
    EXPECT_EQ(sale->bt1->Caption(), "Colocar à venda");
    test::ClickBox(sale->ck1);
    EXPECT_EQ(sale->bt1->Caption(), "Iniciar Leilão");  // the choice's own words
    Click(sale->ck2);
    EXPECT_FALSE(sale->Edit1->Enabled());
    EXPECT_TRUE(sale->Edit2->Enabled());
    Type(*sale->Edit2, "750");
    EXPECT_EQ(sale->Label10->Caption(), FormatMoneyWords64(750'000));
    Click(sale->bt1);
    test::Pump();
    EXPECT_EQ(Players[player].ListedForSale, 1);
    EXPECT_EQ(Players[player].AskingPrice, CurrencyFromUnits(750'000));

    // Listed already: the fixed price is offered first, at his asking price.
    sale = OpenSale(player);
    EXPECT_TRUE(sale->ck2->Checked());
    EXPECT_EQ(sale->Edit2->Text(), "750");
    EXPECT_EQ(sale->bt1->Caption(), "Colocar à venda");
    Click(sale->GradButton1);
    Players[player].ListedForSale = 0;
}

// A price is a whole number of decimal digits: the box takes only digits (after a sign) where they
// are typed, and says so for anything else. A bad number (a lone sign, 0) puts back 1000, selected,
// so the keys typed after it replace it instead of joining it ("-5" never becomes 10005).
TEST_F(PlayerSaleTest, KeysTypedAfterABadPriceReplaceTheThousand)
{
    std::vector<std::string> messages;
    SetMessageBoxAnswerer([&messages](const TMessageBoxRequest& request) {
        messages.push_back(request.text);
        return mrOk;
    });
    const int player = SubjectPlayer();
    Players[player].ListedForSale = 0;
    auto* sale = OpenSale(player);
    Type(*sale->Edit1, "-");
    EXPECT_EQ(sale->Edit1->Text(), "1000");
    EXPECT_FALSE(sale->bt1->Enabled());
    const std::pair<const char*, const char*> typed[] = {{"-5", "5"},   {"1.5", "15"}, {"1,5", "15"},
                                                         {"0x10", "10"}, {"12a", "12"}, {" 3 ", "3"}};
    for (const auto& [keys, shown] : typed) {
        Type(*sale->Edit1, keys);
        EXPECT_EQ(sale->Edit1->Text(), shown) << keys;
        EXPECT_TRUE(sale->bt1->Enabled()) << keys;
    }
    EXPECT_EQ(messages, std::vector<std::string>(6, kOnlyDigitsMessage));
    Click(sale->ck2);
    Type(*sale->Edit2, "-5");
    EXPECT_EQ(sale->Edit2->Text(), "5");
    Type(*sale->Edit2, "4 0");
    EXPECT_EQ(sale->Edit2->Text(), "40");
    EXPECT_EQ(messages.size(), 7u);
    SetMessageBoxAnswerer({});
    Click(sale->GradButton1);
}

TEST_F(PlayerSaleTest, ListingKeepsTheHubOnThePlayerAndShowsHisAskingPrice)
{
    auto* hub = Open<TForm13>("TForm13");
    ASSERT_NE(hub, nullptr);
    ASSERT_GT(hub->gridview1->RowCount(), 4);
    ClickRow(hub->gridview1, 4);
    ASSERT_EQ(hub->gridview1->SelectedRow(), 4);
    const int player = hub->SelectedPlayer();
    ASSERT_GT(player, 0);
    Players[player].ListedForSale = 0;
    auto* sale = OpenSale(player);
    Click(sale->ck2);
    Type(*sale->Edit2, "4321");
    Click(sale->bt1);
    test::Pump();
    EXPECT_EQ(Players[player].ListedForSale, 1);
    EXPECT_EQ(hub->gridview1->SelectedRow(), 4);
    EXPECT_EQ(hub->SelectedPlayer(), player);
    EXPECT_EQ(hub->gridview1->GetCellTextByName("passe", 4), FormatMoneyShort(4'321'000));
    Players[player].ListedForSale = 0;
}

TEST_F(PlayerSaleTest, AuctionRequestClosesTheSaleAndOpensTheOwnPlayersAuctionModally)
{
    // The hub's "vender" opens the sale modally, as the player meets it.
    auto* hub = Open<TForm13>("TForm13");
    ASSERT_NE(hub, nullptr);
    ASSERT_GT(hub->gridview1->RowCount(), 4);
    ClickRow(hub->gridview1, 4);
    const int player = hub->SelectedPlayer();
    ASSERT_GT(player, 0);
    Players[player].ListedForSale = 0;
    ASSERT_TRUE(hub->btvender->Enabled());
    // What the auction holds while it is up, and whether the sale still shows behind it; the sale is
    // driven and the auction closed inside their modal loops.
    struct Opened {
        std::string form;
        bool modal = false;
        int player = -1;
        std::int64_t price = 0;
        int own = 0;
        bool saleShown = true;
    } opened;
    bool requested = false;
    test::AnswerTopForm("TForm44", [&](TForm& top) {
        requested = true;
        auto* sale = dynamic_cast<TForm44*>(&top);
        Type(*sale->Edit1, "321");
        test::AnswerTopForm("TForm23", [&](TForm& auction) {
            bool saleShown = false;
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (Screen->Forms(i)->ClassName() == "TForm44" && Screen->Forms(i)->Widget()->isVisible())
                    saleShown = true;
            opened = {auction.ClassName(), auction.Widget()->isModal(), AuctionPlayer, AuctionStartPrice,
                      OwnPlayerAuction, saleShown};
            auction.Close();
        });
        Click(sale->bt1);  // runs the auction's modal loop
    });
    Click(hub->btvender);
    test::Pump(30);
    EXPECT_TRUE(requested);
    EXPECT_EQ(opened.form, "TForm23");
    EXPECT_TRUE(opened.modal);
    EXPECT_FALSE(opened.saleShown);
    EXPECT_EQ(opened.player, player);
    EXPECT_EQ(opened.price, 321'000);
    EXPECT_EQ(opened.own, 1);
    OwnPlayerAuction = 0;
    AuctionFromSaleScreen = 0;
    AuctionPlayer = -1;
}

}  // namespace
}  // namespace tarvelon
