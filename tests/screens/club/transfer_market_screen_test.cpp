// The transfer market (TForm14) and its deal dialogs (TForm60, TForm61, TForm49) on a seeded game,
// driven by clicks and keys: the tree and the club shown, "Comprar" on the asking price against
// the cash and the squad limit (also when pressed), a bid refused and accepted, a wage demand
// accepted with Escape, a loan and its limit, the dialogs above the market, and the hub refreshed.
#include <QTest>
#include <QTimer>

#include <functional>

#include "controls/dc_smooth_panel.h"
#include "core/format/money_format.h"
#include "core/hooks.h"
#include "controls/grad_button.h"
#include "core/economy/loans.h"
#include "core/economy/market_deals.h"
#include "core/economy/player_sale.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/club_rosters.h"
#include "core/economy/transfers.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/club/hub_screen.h"
#include "screens/club/market_dialogs.h"
#include "screens/club/transfer_market_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

template <typename T>
T* OpenForm()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<T*>(Screen->Forms(i)); form && form->Visible())
            return form;
    return nullptr;
}

// Runs `act` on the dialog of class T once it shows (from inside the modal loop that opens it).
template <typename T>
void WhenOpens(std::function<void(T&)> act)
{
    QTimer::singleShot(0, [act] {
        if (test::PumpUntil([] { return OpenForm<T>() != nullptr; }, 3000))
            act(*OpenForm<T>());
    });
}

class TransferMarketTest : public ViewsScreenTest {
protected:
    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        human_ = Game.CurrentHumanClub;
        ASSERT_GE(human_, 0);
        savedCash_ = Clubs[human_].cash;
        Clubs[human_].cash = CurrencyFromUnits(80'000'000);
        MakeRoom(4);
    }

    // The human club lets players go to a computer club until it has room for `room` more.
    void MakeRoom(int room)
    {
        const int taker = SellerAtOrBelowHuman();
        while (Clubs[human_].squadSize > kSquadLimit - room)
            TransferPlayer(PlayersOfClub(human_).back(), taker, 0);
    }
    void TearDown() override
    {
        ViewsScreenTest::TearDown();
        Clubs[human_].cash = savedCash_;
    }

    // A computer club of the human club's country in the same division or a lower one, so that its
    // players never refuse to come down.
    int SellerAtOrBelowHuman(int skip = 0) const
    {
        for (int c = 0; c < Game.LeagueClubCount; ++c)
            if (c != human_ && !Clubs[c].IsHuman && Clubs[c].Country == Clubs[human_].Country &&
                Clubs[c].Division >= Clubs[human_].Division && Clubs[c].squadSize > 18 && skip-- == 0)
                return c;
        return -1;
    }

    // The first first-division club of a top European country, when the human club plays lower.
    int TopEuropeanClubAbove() const
    {
        for (int c = 0; c < Game.LeagueClubCount; ++c)
            if (IsTopEuropeanCountry(Clubs[c].Country) && Clubs[c].Division == 1 && Clubs[human_].Division > 1 &&
                !Clubs[c].IsHuman)
                return c;
        return -1;
    }

    TForm14* OpenMarket(int club)
    {
        MarketClub = club;
        return Open<TForm14>("TForm14");
    }

    static int RowOf(TDataGrid& grid, int player)
    {
        for (int row = 0; row < grid.RowCount(); ++row)
            if (grid.GetCellTextByName("id", row) == std::to_string(player))
                return row;
        return -1;
    }

    // A midfielder of the club (one of several, so the seller's table asks the least).
    static int MidfielderOf(int club)
    {
        for (int p : PlayersOfClub(club))
            if (Players[p].Position == 3 && Players[p].loanStatus == 0)
                return p;
        return 0;
    }

    void SelectRow(TForm14& market, int player)
    {
        const int row = RowOf(*market.joglist, player);
        ASSERT_GE(row, 0);
        market.joglist->ScrollToRow(row);
        test::Pump();
        ClickRow(market.joglist, row, 140);
        ASSERT_EQ(market.SelectedPlayer(), player);
    }

    int human_ = -1;
    Currency savedCash_ = 0;
};

// The confidence figures are white with a black shadow over the club's colour, readable on dark and
// light club colours alike.
TEST_F(TransferMarketTest, TheConfidenceFiguresAreWhiteOverTheClubsColour)
{
    auto* market = OpenMarket(human_);
    ASSERT_NE(market, nullptr);
    for (const char* name : {"gp1", "gp2"}) {
        auto* bar = dynamic_cast<TControl*>(market->FindComponent(name));
        ASSERT_NE(bar, nullptr);
        QWidget* panel = bar->Parent()->Widget();
        // Along the bar's middle line: white only where the figure stands, none at the bar's left end.
        auto whiteBetween = [&](int from, int to) {
            for (int x = from; x < to; ++x)
                for (int y = bar->Top() + bar->Height() / 2 - 1; y <= bar->Top() + bar->Height() / 2 + 1; ++y) {
                    const QColor c = QColor::fromRgb(test::GrabbedPixel(panel, x, y));
                    if (c.red() > 250 && c.green() > 250 && c.blue() > 250)
                        return true;
                }
            return false;
        };
        EXPECT_TRUE(whiteBetween(bar->Left() + bar->Width() / 3, bar->Left() + bar->Width() * 2 / 3)) << name;
        EXPECT_FALSE(whiteBetween(bar->Left() + 4, bar->Left() + bar->Width() / 6)) << name;
    }
}

// On a screen wider than 800 the market grows with it and its confidence bars stand 24 pixels high.
TEST_F(TransferMarketTest, OnALargerScreenTheConfidenceBarsStand24PixelsHigh)
{
    const auto width = Hooks().screenWidth;
    const auto height = Hooks().screenHeight;
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1280, 1024}}) {
        Hooks().screenWidth = [w] { return w; };
        Hooks().screenHeight = [h] { return h; };
        auto* market = OpenMarket(human_);
        Hooks().screenWidth = width;
        Hooks().screenHeight = height;
        ASSERT_NE(market, nullptr);
        for (const char* name : {"gp1", "gp2"}) {
            auto* bar = dynamic_cast<TControl*>(market->FindComponent(name));
            ASSERT_NE(bar, nullptr);
            EXPECT_EQ(bar->Height(), 24) << name << " at " << w;
        }
        market->Close();
        test::Pump(20);
    }
}

// "Passe" shows the asking price of a human coach's listed player, the value of everyone else's,
// listed or not.
TEST_F(TransferMarketTest, PasseIsTheAskingPriceOnlyForAHumanClubsListedPlayer)
{
    const int seller = SellerAtOrBelowHuman();
    ASSERT_GE(seller, 0);
    const int theirs = MidfielderOf(seller);
    const int ours = MidfielderOf(human_);
    ASSERT_GT(theirs, 0);
    ASSERT_GT(ours, 0);
    for (int p : {theirs, ours}) {
        Players[p].ListedForSale = 1;
        Players[p].AskingPrice = Players[p].Value * 3;
    }
    auto passe = [](TForm14& market, int player) {
        return market.joglist->GetCellTextByName("passe", RowOf(*market.joglist, player));
    };
    auto shortMoney = [](Currency amount) { return FormatMoneyShort(static_cast<std::int32_t>(CurrencyUnits(amount))); };
    auto* market = OpenMarket(human_);
    ASSERT_NE(market, nullptr);
    EXPECT_EQ(passe(*market, ours), shortMoney(Players[ours].AskingPrice));
    market->Close();
    test::Pump(20);
    market = OpenMarket(seller);
    ASSERT_NE(market, nullptr);
    EXPECT_EQ(passe(*market, theirs), shortMoney(Players[theirs].Value));
}

TEST_F(TransferMarketTest, TreeListsTheLeaguesAndAClubClickShowsItsSquadInPositionOrder)
{
    const int seller = SellerAtOrBelowHuman();
    ASSERT_GE(seller, 0);
    auto* market = OpenMarket(human_);
    ASSERT_NE(market, nullptr);
    EXPECT_EQ(market->Label4->Caption(), Clubs[human_].name.str());
    EXPECT_FALSE(market->bt2->Enabled()) << "no offer for one's own player";

    TDataGrid& tree = *market->DataGrid1;
    int clubRow = -1;
    for (int row = 0; row < tree.RowCount() && clubRow < 0; ++row)
        if (tree.GetCellTextByName("treeid", row) == std::to_string(seller))
            clubRow = row;
    ASSERT_GE(clubRow, 0);
    ClickRow(&tree, 0, 80);  // a country row: nothing changes
    EXPECT_EQ(MarketClub, human_);
    tree.ScrollToRow(clubRow);
    test::Pump();
    ClickRow(&tree, clubRow, 80);
    EXPECT_EQ(MarketClub, seller);
    EXPECT_EQ(market->Label4->Caption(), Clubs[seller].name.str());
    EXPECT_EQ(market->joglist->RowCount(), static_cast<int>(PlayersOfClub(seller).size()));
    int last = 0;
    for (int row = 0; row < market->joglist->RowCount(); ++row) {
        const int p = std::stoi(market->joglist->GetCellTextByName("id", row));
        EXPECT_EQ(Players[p].Club, seller);
        EXPECT_GE(Players[p].Position, last);
        last = Players[p].Position;
    }
    EXPECT_FALSE(market->bt1->Enabled());
    EXPECT_FALSE(market->bt2->Enabled());
    EXPECT_NE(market->infojt->Caption().HTMLText().find(Players[std::stoi(market->joglist->GetCellTextByName("id", 0))]
                                                            .Name.str()),
              std::string::npos);

    // Unselected rows alternate $00ECFFFF and white.
    market->Repaint();
    test::Pump();
    QWidget* grid = WidgetOf(market->joglist);
    EXPECT_EQ(test::GrabbedPixel(grid, 226, market->joglist->RowTop(2) + 2), 0xFFFFECu);
    EXPECT_EQ(test::GrabbedPixel(grid, 226, market->joglist->RowTop(1) + 2), 0xFFFFFFu);

    Click(market->Image13);  // the career table instead of the details
    EXPECT_TRUE(market->Image4->Visible());
    EXPECT_FALSE(market->Image13->Visible());
    EXPECT_EQ(market->infojt->Caption().HTMLText().find("Força:"), std::string::npos);
    Click(market->Image4);
    EXPECT_NE(market->infojt->Caption().HTMLText().find("Força:"), std::string::npos);
    PressKey(market, Qt::Key_Return);  // Enter closes the market
    EXPECT_EQ(OpenForm<TForm14>(), nullptr);
}

TEST_F(TransferMarketTest, ComprarFollowsTheAskingPriceAndTheCashAlsoWhenPressed)
{
    const int seller = SellerAtOrBelowHuman();
    const int player = MidfielderOf(seller);
    ASSERT_GT(player, 0);
    Players[player].Value = CurrencyFromUnits(50'000);  // cheap by value: the asking price decides
    ListPlayerForSale(player, 2'000'000);
    Clubs[human_].cash = CurrencyFromUnits(1'999'999);
    auto* market = OpenMarket(seller);
    SelectRow(*market, player);
    EXPECT_FALSE(market->bt1->Enabled());
    EXPECT_TRUE(market->bt2->Enabled());

    Clubs[human_].cash = CurrencyFromUnits(2'000'000);
    SelectRow(*market, player);
    ASSERT_TRUE(market->bt1->Enabled()) << "the asking price equals the cash";

    // The cash shrinks while the button is enabled: pressing it buys nothing.
    Clubs[human_].cash = CurrencyFromUnits(1'000'000);
    Click(market->bt1);
    EXPECT_EQ(Players[player].Club, seller);
    EXPECT_FALSE(market->bt1->Enabled());

    Clubs[human_].cash = CurrencyFromUnits(2'000'000);
    const int rows = market->joglist->RowCount();
    const int squad = Clubs[human_].squadSize;
    SelectRow(*market, player);
    Click(market->bt1);
    EXPECT_EQ(Players[player].Club, human_);
    EXPECT_EQ(Clubs[human_].cash, 0);
    EXPECT_EQ(Clubs[human_].squadSize, squad + 1);
    EXPECT_EQ(market->joglist->RowCount(), rows - 1);
    EXPECT_TRUE(market->Label27->Visible());
    EXPECT_EQ(market->Label27->GetDisplayText(), "Jogador comprado com sucesso.");
}

TEST_F(TransferMarketTest, FullSquadShowsTheLimitAndKeepsTheActionsOff)
{
    const int seller = SellerAtOrBelowHuman();
    const int player = MidfielderOf(seller);
    ListPlayerForSale(player, 1'000);
    Players[player].loanStatus = 1;
    const int squad = Clubs[human_].squadSize;
    Clubs[human_].squadSize = kSquadLimit;
    auto* market = OpenMarket(seller);
    EXPECT_TRUE(market->Label27->Visible());
    EXPECT_EQ(market->Label27->GetDisplayText(),
              "Você não pode adquirir mais jogadores pois já têm o limite de 28 no seu elenco");
    SelectRow(*market, player);
    EXPECT_FALSE(market->bt1->Enabled());
    EXPECT_FALSE(market->bt2->Enabled());
    EXPECT_FALSE(market->bt4->Enabled());
    Clubs[human_].squadSize = squad;
    Players[player].loanStatus = 0;
}

TEST_F(TransferMarketTest, BidIsRefusedThenAcceptedThroughTheDialogsOpenedAboveTheMarket)
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
}

TEST_F(TransferMarketTest, BidAboveTheCashCannotBeProposed)
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
        checked = true;
        Click(bid.bt2);
    });
    Click(market->bt2);
    test::PumpUntil([] { return OpenForm<TForm60>() == nullptr; });
    EXPECT_TRUE(checked);
    EXPECT_EQ(Players[player].Club, seller);
}

TEST_F(TransferMarketTest, TopEuropeanPlayersWageDemandIsAcceptedWithEscapeAndTheHubShowsHim)
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
}

TEST_F(TransferMarketTest, HumanSellerAnswersTheBidHimself)
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
                asked = question.Label3->GetDisplayText().find(Players[player].Name.str()) != std::string::npos;
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

TEST_F(TransferMarketTest, LoanWithinTheLimitOfTwo)
{
    const int seller = SellerAtOrBelowHuman(3);
    ASSERT_GE(seller, 0);
    std::vector<int> offered;
    for (int p : PlayersOfClub(seller))
        if (Players[p].Position >= 1 && offered.size() < 3) {
            Players[p].loanStatus = 1;
            offered.push_back(p);
        }
    ASSERT_EQ(offered.size(), 3u);
    ASSERT_EQ(CountLoanedInPlayers(human_), 0);
    auto* market = OpenMarket(seller);
    for (int i = 0; i < 2; ++i) {
        SelectRow(*market, offered[i]);
        ASSERT_TRUE(market->bt4->Enabled());
        Click(market->bt4);
        EXPECT_EQ(Players[offered[i]].Club, human_);
        EXPECT_EQ(Players[offered[i]].loanStatus, 2);
    }
    SelectRow(*market, offered[2]);
    Click(market->bt4);
    EXPECT_EQ(Players[offered[2]].Club, seller);
    EXPECT_EQ(market->Label27->GetDisplayText(), "Você pode ter no máximo 2 jogadores emprestados no seu time.");
}

// Market moves made through the screen, club after club: purchases, bids and loans keep the money
// among the clubs, every squad's count, every wage bill's agreement with its players' wages, and
// the human club's limits.
TEST_F(TransferMarketTest, MovesThroughTheScreenKeepMoneySquadsWageBillsAndLimits)
{
    const test::GameKeptAside kept;  // its purchases and loans stay out of the tests after it
    MakeRoom(8);
    const auto wageGap = [](int club) {
        std::int64_t sum = 0;
        for (int p : PlayersOfClub(club))
            sum += (Players[p].wage + 5000) / 10000;
        return static_cast<std::int64_t>(ClubFinances[club].weeklyWageBill) - sum;
    };
    const auto totalCash = [] {
        Currency total = 0;
        for (const TClub& club : Clubs)
            total += club.cash;
        return total;
    };
    std::vector<std::int64_t> gaps;
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c)
        gaps.push_back(wageGap(c));
    const Currency money = totalCash();
    const int squadBefore = Clubs[human_].squadSize;
    int moves = 0;
    for (int k = 5; k < 9; ++k) {
        const int seller = SellerAtOrBelowHuman(k);
        if (seller < 0)
            break;
        const std::vector<int> squad = PlayersOfClub(seller);
        ListPlayerForSale(squad[1], 300'000);
        Players[squad[2]].loanStatus = 1;
        auto* market = OpenMarket(seller);
        SelectRow(*market, squad[1]);
        Click(market->bt1);
        SelectRow(*market, squad[2]);
        Click(market->bt4);
        SelectRow(*market, squad[3]);
        if (!market->bt2->Enabled()) {  // the squad is full
            EXPECT_EQ(Clubs[human_].squadSize, kSquadLimit);
            EXPECT_FALSE(market->bt1->Enabled());
            market->Close();
            test::Pump();
            continue;
        }
        WhenOpens<TForm60>([&](TForm60& bid) {
            bid.Edit1->SetFocus();
            QTest::keyClick(bid.Edit1->Widget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(bid.Edit1->Widget(), std::to_string(CurrencyUnits(Players[squad[3]].Value) * 3 / 1000 + 1).c_str());
            Click(bid.bt1);
        });
        Click(market->bt2);
        test::PumpUntil([] { return OpenForm<TForm60>() == nullptr; });
        market->Close();
        test::Pump();
        moves += (Players[squad[1]].Club == human_) + (Players[squad[2]].Club == human_) + (Players[squad[3]].Club == human_);
        ASSERT_LE(Clubs[human_].squadSize, kSquadLimit);
        ASSERT_LE(CountLoanedInPlayers(human_), kLoanedInLimit);
        ASSERT_GE(Clubs[human_].cash, 0);
    }
    EXPECT_GE(moves, 7) << "purchases, two loans and bids went through up to the squad limit";
    EXPECT_EQ(Clubs[human_].squadSize, squadBefore + moves);
    EXPECT_EQ(CountLoanedInPlayers(human_), kLoanedInLimit);
    EXPECT_EQ(totalCash(), money) << "money only changes hands";
    for (int c = 0; c < Game.LeagueClubCount + Game.ExtraClubCount; ++c) {
        EXPECT_EQ(Clubs[c].squadSize, static_cast<int>(PlayersOfClub(c).size())) << "club " << c;
        EXPECT_EQ(wageGap(c), gaps[static_cast<std::size_t>(c)]) << "club " << c;
    }
}

}  // namespace
}  // namespace tarvelon
