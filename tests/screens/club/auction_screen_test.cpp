// The player auction (TForm23) on the gallery's seeded game: an auction of the series offered to
// the human coach, a bid above his cash refused with the turn kept, a winning bid typed and sent
// with the mouse that moves the player and the money; and the auction of his own player, modal,
// finding no buyer above the price margin and closing by its timer with the player kept.
#include <QApplication>
#include <QTest>

#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/format/money_format.h"
#include "core/hooks.h"
#include "core/progression/auction.h"
#include "core/progression/calendar_advance.h"
#include "core/tables.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "screens/club/auction_screen.h"
#include "screens/common/navigator.h"
#include "screens/common/subjects.h"
#include "tests/screens/views_test_support.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class AuctionScreenTest : public ViewsScreenTest {
protected:
    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        savedPlayers_ = Players;
        savedClubs_ = Clubs;
        savedTransfers_ = Transfers;
        human_ = SubjectClub();
    }
    void TearDown() override
    {
        ViewsScreenTest::TearDown();
        Players = savedPlayers_;
        Clubs = savedClubs_;
        Transfers = savedTransfers_;
        PlayerClubsChanged();
        AuctionRound = 0;
        AuctionPlayer = -1;
        AuctionPriceMargin = 0;
    }
    void TypeBid(TForm23& form, const char* thousands)
    {
        form.Edit1->SetFocus();
        form.Edit1->SetText("");
        QTest::keyClicks(WidgetOf(form.Edit1), thousands);
        test::Pump();
    }
    // One auction of a series, the rich human coach's turn to bid (nullptr when it is not his).
    TForm23* OpenSingleAuctionOnTheHumanTurn()
    {
        Clubs[human_].cash = CurrencyFromUnits(200'000'000);
        AuctionRound = 1;
        AuctionPlayer = -1;
        auto* form = Open<TForm23>("TForm23");
        return form && form->Auction().turnClub == human_ ? form : nullptr;
    }
    std::vector<TPlayer> savedPlayers_;
    std::vector<TClub> savedClubs_;
    std::vector<TTransfer> savedTransfers_;
    int human_ = -1;
};

TEST_F(AuctionScreenTest, TheHumanCoachBidsAboveHisCashThenWinsTheSeriesAuction)
{
    ASSERT_TRUE(Clubs[human_].IsHuman);
    Clubs[human_].cash = CurrencyFromUnits(200'000'000);
    AuctionRound = 1;
    AuctionPlayer = -1;
    auto* form = Open<TForm23>("TForm23");
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->Notebook1->PageIndex(), 0);
    const AuctionState& a = form->Auction();
    const int player = a.player;
    ASSERT_GT(player, 0);
    EXPECT_EQ(a.turnClub, human_);
    EXPECT_EQ(form->jlnome->Caption(), Players[player].Name.str());
    EXPECT_EQ(form->l1->Caption(), Clubs[a.seller].name.str() + " está leiloando o jogador:");
    EXPECT_NE(form->Label15->Caption().find(Clubs[human_].name.str()), std::string::npos);
    EXPECT_NE(form->Label15->Caption().find(" - Dinheiro em caixa: $"), std::string::npos);
    EXPECT_NE(form->Label6->Caption().find("Principal característica: "), std::string::npos);
    EXPECT_EQ(form->jlpasse->Caption(), FormatMoneyWords64(a.price));  // under "Preço inicial:"

    // A bid above the cash: told, and the turn stays.
    Clubs[human_].cash = CurrencyFromUnits(90'000'000);
    TypeBid(*form, "99999");
    EXPECT_EQ(form->Label18->Caption(), FormatMoneyWords64(99'999'000));
    Click(form->CHButton1);
    EXPECT_TRUE(form->Label7->Visible());
    EXPECT_EQ(form->Notebook1->PageIndex(), 0);
    EXPECT_EQ(a.turnClub, human_);

    // Far above the price and his value: the human bid wins.
    const int seller = a.seller;
    const Currency sellerCash = Clubs[seller].cash;
    TypeBid(*form, "80000");
    Click(form->CHButton1);
    EXPECT_FALSE(form->Label7->Visible());
    EXPECT_EQ(form->Notebook1->ActivePage(), "resultado");
    EXPECT_EQ(form->Label16->Caption().rfind("Vendido ao " + Clubs[human_].name.str() + " por $", 0), 0u);
    EXPECT_EQ(Players[player].Club, human_);
    EXPECT_EQ(Clubs[human_].cash, CurrencyFromUnits(10'000'000));
    EXPECT_EQ(Clubs[seller].cash, sellerCash + CurrencyFromUnits(80'000'000));
    EXPECT_EQ(Transfers.back().player, player);
    EXPECT_EQ(AuctionRound, 0);
    EXPECT_TRUE(form->Timer1->Enabled());  // the series ends on the hub
    EXPECT_FALSE(form->Timer2->Enabled());
}

// On a larger screen the auction grows with it, by the screen's width over the 800 it is laid out for.
TEST_F(AuctionScreenTest, OnALargerScreenTheAuctionGrowsWithIt)
{
    AuctionRound = 1;
    AuctionPlayer = -1;
    auto* designed = Open<TForm23>("TForm23");
    ASSERT_NE(designed, nullptr);
    const int designWidth = designed->Width();
    const int designFont = designed->jlnome->Font().Height();
    designed->Close();
    test::Pump(20);
    const auto width = Hooks().screenWidth;
    const auto height = Hooks().screenHeight;
    Hooks().screenWidth = [] { return 1024; };
    Hooks().screenHeight = [] { return 768; };
    AuctionRound = 1;
    AuctionPlayer = -1;
    auto* grown = Open<TForm23>("TForm23");
    Hooks().screenWidth = width;
    Hooks().screenHeight = height;
    ASSERT_NE(grown, nullptr);
    EXPECT_NEAR(grown->Width(), designWidth * 1024 / 800, 2);
    EXPECT_LT(grown->jlnome->Font().Height(), designFont);  // heights are negative: a larger font
}

TEST_F(AuctionScreenTest, EachAuctionOfASeriesTakesTheTypedBidWithoutAClickOnTheField)
{
    Clubs[human_].cash = CurrencyFromUnits(200'000'000);
    AuctionRound = 2;
    AuctionPlayer = -1;
    auto* form = Open<TForm23>("TForm23");
    ASSERT_NE(form, nullptr);
    form->Timer2->SetInterval(10);
    const auto typeAtTheFocus = [form, this] {
        ASSERT_EQ(form->Auction().turnClub, human_);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, "12");
        test::Pump();
        EXPECT_EQ(form->Edit1->Text(), "12");
    };
    ASSERT_NO_FATAL_FAILURE(typeAtTheFocus());
    const int first = form->Auction().player;
    form->Edit1->SetText("");
    Click(form->CHButton1);  // no bid: the focus is on the button now
    ASSERT_EQ(form->Notebook1->ActivePage(), "resultado");
    ASSERT_TRUE(test::PumpUntil([form, first] { return form->Auction().player != first; }, 3000));
    ASSERT_EQ(form->Notebook1->PageIndex(), 0);
    ASSERT_NO_FATAL_FAILURE(typeAtTheFocus());
}

TEST_F(AuctionScreenTest, ANegativeBidIsABidThatPassesTheTurn)
{
    TForm23* form = OpenSingleAuctionOnTheHumanTurn();
    ASSERT_NE(form, nullptr);
    QTest::keyClicks(WidgetOf(form->Edit1), "-5");
    Click(form->CHButton1);
    // The only coach has bid: the computer round has run, with no human bid in it.
    EXPECT_EQ(form->Notebook1->ActivePage(), "resultado");
    EXPECT_EQ(form->Auction().humanBid, 0);
    EXPECT_FALSE(form->Label7->Visible());
}

// The bid box takes only digits where they are typed: blanks, a letter or a point are refused with a
// word, before, between or after digits, and never fill the box's five places unseen; the digits
// typed next appear and the bid goes through "Ofertar".
TEST_F(AuctionScreenTest, TheBidBoxTakesOnlyDigitsWhereTheyAreTyped)
{
    std::vector<std::string> messages;
    SetMessageBoxAnswerer([&messages](const TMessageBoxRequest& request) {
        messages.push_back(request.text);
        return mrOk;
    });
    TForm23* form = OpenSingleAuctionOnTheHumanTurn();
    ASSERT_NE(form, nullptr);
    QWidget* box = WidgetOf(form->Edit1);
    form->Edit1->SetFocus();
    QTest::keyClicks(box, "     ");
    EXPECT_EQ(form->Edit1->Text(), "");
    QTest::keyClicks(box, "1 2x0.");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClicks(box, " 5");
    SetMessageBoxAnswerer({});
    EXPECT_EQ(form->Edit1->Text(), "1250");
    EXPECT_EQ(messages, std::vector<std::string>(9, "Digite apenas números neste campo."));
    EXPECT_EQ(form->Label18->Caption(), FormatMoneyWords64(1'250'000));
    Click(form->CHButton1);
    EXPECT_EQ(form->Notebook1->ActivePage(), "resultado");
    EXPECT_EQ(form->Auction().humanBid, 1'250'000);
}

TEST_F(AuctionScreenTest, ASeriesWithoutASellerOpensTheHubAtOnce)
{
    for (TClub& club : Clubs) {
        club.squadSize = 20;
        club.AvailablePlayers = 11;
    }
    AuctionRound = 2;
    AuctionPlayer = -1;
    OpenAfterCalendar(CalendarExit::Auction);
    ASSERT_TRUE(test::PumpUntil([] { return LastOpenedScreen() == "TForm13"; }, 3000));
    test::Pump(50);
    for (int i = 0; i < Screen->FormCount(); ++i)
        EXPECT_EQ(dynamic_cast<TForm23*>(Screen->Forms(i)), nullptr);
}

TEST_F(AuctionScreenTest, AnOwnPlayersAuctionIsModalFindsNoBuyerAboveTheMarginAndKeepsThePlayer)
{
    int player = 0;
    for (int p = 1; p < static_cast<int>(Players.size()) && player == 0; ++p)
        if (Players[p].Club == human_)
            player = p;
    ASSERT_GT(player, 0);
    AuctionPriceMargin = -10;
    const auto startPrice = static_cast<int>(CurrencyUnits(Players[player].Value) * 95 / 100 + 1000);
    bool checked = false;
    test::Answer<TForm23>(
        [&](TForm23& form) {
            EXPECT_TRUE(form.Modal());
            EXPECT_EQ(form.Notebook1->ActivePage(), "resultado");
            EXPECT_EQ(form.Label16->Caption(), "Não houve compradores");
            checked = true;
        },
        test::ModalDeadlineMs(), [](TForm23& form) { return form.Timer1->Enabled(); });  // the series has ended
    OpenOwnPlayerAuction(player, startPrice);  // returns when its timer closed it
    EXPECT_TRUE(checked);
    EXPECT_EQ(Players[player].Club, human_);
    EXPECT_EQ(AuctionFromSaleScreen, 0);
    EXPECT_EQ(OwnPlayerAuction, 0);
    EXPECT_EQ(AuctionPlayer, -1);
}

}  // namespace
}  // namespace tarvelon
