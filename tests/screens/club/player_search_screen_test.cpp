// The player search (TForm27) on the gallery's seeded game: the filters set with the keyboard and
// the mouse, a value equal to a band's bound found only by "Qualquer", the name compared as typed
// with its blanks (blanks alone: any name), the count line, the "Passe" header sorting by the value
// both ways, alternating rows, and a double click opening the market on the player's club.
#include <QTest>


#include <algorithm>

#include "core/club_rosters.h"
#include "core/economy/player_sale.h"
#include "core/economy/player_value.h"
#include "core/economy/transfers.h"
#include "core/format/money_format.h"
#include "core/tables.h"
#include "core/views/player_search.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "controls/grad_button.h"
#include "screens/club/player_search_screen.h"
#include "screens/club/transfer_market_screen.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/player_clicks.h"
#include "screens/common/navigator.h"
#include "screens/common/subjects.h"
#include "tests/screens/views_test_support.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class PlayerSearchScreenTest : public ViewsScreenTest {
protected:
    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        player_ = SubjectPlayer();
        saved_ = Players[player_];
    }
    void TearDown() override
    {
        ViewsScreenTest::TearDown();
        Players[player_] = saved_;
    }
    // The rows' player indexes.
    static std::vector<int> FoundPlayers(TForm27& form)
    {
        std::vector<int> found;
        for (int row = 0; row < form.gfind->RowCount(); ++row)
            found.push_back(std::atoi(form.gfind->GetCellTextByName("colid", row).c_str()));
        return found;
    }
    static void ClickHeader(TDataGrid* grid, const char* column)
    {
        TDgCustomColumn* c = grid->ColumnByName(column);
        Click(grid, QPoint(c->Left() + c->Width() / 2, 8));
    }
    int player_ = 0;
    TPlayer saved_{};
};

TEST_F(PlayerSearchScreenTest, APlayerWorthExactlyABandsBoundIsFoundOnlyByQualquer)
{
    TPlayer& p = Players[player_];
    p.Value = CurrencyFromUnits(500'000);
    p.Name.set("Zequinha Bandeira");
    auto* form = Open<TForm27>("TForm27");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->ckpais->Checked());
    EXPECT_EQ(form->c7->Items().Count(), 203);
    EXPECT_EQ(form->c7->ItemIndex(), kAnyNationality);
    EXPECT_EQ(form->c5->Items().Strings(kAnyTrait), "Qualquer");
    EXPECT_EQ(form->c1->ItemIndex(), 0);

    // The player's league, any strength, the band "101 mil => 500 mil", his name in small letters:
    // a value on the band's top bound is not in it, nor in the next band, only in "Qualquer".
    const int league = [&] {
        for (int l = 0; l < static_cast<int>(Leagues.size()); ++l)
            if (Leagues[l].country == Clubs[p.Club].Country)
                return l;
        return 0;
    }();
    form->combopais->SetItemIndex(league);
    form->c1->SetFocus();
    PressKey(form->c1, Qt::Key_End);  // "Qualquer"
    form->c4->SetFocus();
    PressKey(form->c4, Qt::Key_Home);
    PressKey(form->c4, Qt::Key_Down);  // "101 mil => 500 mil"
    EXPECT_EQ(form->c4->ItemIndex(), 1);
    form->Edit1->SetFocus();
    QTest::keyClicks(WidgetOf(form->Edit1), "zequinha b");
    Click(form->button2);
    EXPECT_TRUE(FoundPlayers(*form).empty());
    EXPECT_EQ(form->Label9->Caption(), "Nenhum jogador encontrado");
    PressKey(form->c4, Qt::Key_Down);  // "501 mil => 1 milhão "
    Click(form->button2);
    EXPECT_TRUE(FoundPlayers(*form).empty());
    PressKey(form->c4, Qt::Key_End);  // "Qualquer"
    Click(form->button2);
    EXPECT_EQ(FoundPlayers(*form), std::vector<int>{player_});
    EXPECT_EQ(form->Label9->Caption(), "1 jogadores encontrados");
    EXPECT_EQ(form->gfind->GetCellTextByName("colpasse", 0), FormatMoney(500000));
    EXPECT_EQ(form->gfind->GetCellTextByName("colclube", 0), Clubs[p.Club].name.str());

    // The name is compared as typed, blanks included; blanks alone mean any name.
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_Home);
    QTest::keyClicks(WidgetOf(form->Edit1), "  ");
    EXPECT_EQ(form->Edit1->Text(), "  zequinha b");
    Click(form->button2);
    EXPECT_TRUE(FoundPlayers(*form).empty());
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_Home);
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_Delete);
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_Delete);
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_End);
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_Backspace);
    EXPECT_EQ(form->Edit1->Text(), "zequinha ");
    Click(form->button2);
    EXPECT_EQ(FoundPlayers(*form), std::vector<int>{player_});
    form->Edit1->SetFocus();
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_Space);
    EXPECT_EQ(form->Edit1->Text(), " ");
    Click(form->button2);
    const std::vector<int> anyName = FoundPlayers(*form);
    EXPECT_GT(anyName.size(), 1u);
    EXPECT_NE(std::find(anyName.begin(), anyName.end(), player_), anyName.end());
    QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_Backspace);
    Click(form->button2);
    EXPECT_EQ(FoundPlayers(*form), anyName);
    form->Edit1->SetFocus();
    QTest::keyClicks(WidgetOf(form->Edit1), "zequinha b");

    // One unit less is in the band below.
    p.Value = CurrencyFromUnits(499'999);
    PressKey(form->c4, Qt::Key_Home);
    PressKey(form->c4, Qt::Key_Down);
    Click(form->button2);
    EXPECT_EQ(FoundPlayers(*form), std::vector<int>{player_});

    // Listed for sale only: he is not.
    form->c4->SetItemIndex(kAnyValue);
    Click(form->ckavenda);
    EXPECT_TRUE(form->ckavenda->Checked());
    Click(form->button2);
    EXPECT_TRUE(FoundPlayers(*form).empty());
}

// "Jo " finds the players whose names start with "Jo" and a blank, not "Joao".
TEST_F(PlayerSearchScreenTest, TheNameIsComparedAsTypedBlanksIncluded)
{
    const int other = PlayersOfClub(Players[player_].Club).at(1);
    ASSERT_NE(other, player_);
    const TPlayer savedOther = Players[other];
    Players[player_].Name.set("Joao Zequinha");
    Players[other].Name.set("Jo Zequinha");
    auto* form = Open<TForm27>("TForm27");
    ASSERT_NE(form, nullptr);
    Click(form->ckpais);  // every league
    form->c1->SetFocus();
    PressKey(form->c1, Qt::Key_End);  // any strength
    auto search = [&](const char* typed) {
        form->Edit1->SetFocus();
        QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(WidgetOf(form->Edit1), Qt::Key_Backspace);
        QTest::keyClicks(WidgetOf(form->Edit1), typed);
        EXPECT_EQ(form->Edit1->Text(), typed);
        Click(form->button2);
        const std::vector<int> found = FoundPlayers(*form);
        return std::pair{std::count(found.begin(), found.end(), player_) == 1,
                         std::count(found.begin(), found.end(), other) == 1};
    };
    EXPECT_EQ(search("Jo "), std::pair(false, true));
    EXPECT_EQ(search("jo"), std::pair(true, true));
    EXPECT_EQ(search("JOAO"), std::pair(true, false));
    EXPECT_EQ(search("   "), std::pair(true, true));
    Players[other] = savedOther;
}

TEST_F(PlayerSearchScreenTest, ThePasseHeaderSortsByValueAndADoubleClickOpensTheMarket)
{
    auto* form = Open<TForm27>("TForm27");
    ASSERT_NE(form, nullptr);
    form->c1->SetItemIndex(kAnyStrength);
    Click(form->button2);
    const std::vector<int> found = FoundPlayers(*form);
    ASSERT_GT(found.size(), 20u);
    EXPECT_EQ(found, SearchPlayers(form->Filters()));

    const auto values = [&] {
        std::vector<long long> v;
        for (int row = 0; row < form->gfind->RowCount(); ++row)
            v.push_back(std::atoll(form->gfind->GetCellTextByName("colvalortmp", row).c_str()));
        return v;
    };
    ClickHeader(form->gfind, "colpasse");
    auto once = values();
    EXPECT_TRUE(std::is_sorted(once.begin(), once.end()));
    ClickHeader(form->gfind, "colpasse");
    auto twice = values();
    EXPECT_TRUE(std::is_sorted(twice.rbegin(), twice.rend()));
    EXPECT_GT(twice.front(), twice.back());

    form->gfind->SetSelectedRow(-1);
    form->Repaint();
    test::Pump();
    const int x = form->gfind->ColumnByName("colclube")->Left() + 60;
    EXPECT_EQ(test::GrabbedPixel(WidgetOf(form->gfind), x, form->gfind->RowTop(0) + 3), 0xFFFFECu);
    EXPECT_EQ(test::GrabbedPixel(WidgetOf(form->gfind), x, form->gfind->RowTop(1) + 3), 0xFFFFFFu);

    const int player = std::atoi(form->gfind->GetCellTextByName("colid", 2).c_str());
    const auto seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(form->gfind, 2, x);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm14");
    EXPECT_EQ(MarketClub, Players[player].Club);
}

TEST_F(PlayerSearchScreenTest, APlayerBoughtFromTheSearchShowsAtHisNewClubWhenTheMarketCloses)
{
    const int human = Game.CurrentHumanClub;
    // A computer club of a country whose players never ask for a wage rise to join.
    const int seller = [human] {
        for (int c = 0; c < Game.LeagueClubCount; ++c)
            if (c != human && !Clubs[c].IsHuman && !IsTopEuropeanCountry(Clubs[c].Country) &&
                !PlayersOfClub(c).empty())
                return c;
        return -1;
    }();
    ASSERT_GE(seller, 0);
    Players[player_] = saved_;
    player_ = PlayersOfClub(seller).front();  // his record is put back after the test
    saved_ = Players[player_];
    TPlayer& p = Players[player_];
    p.Name.set("Zequinha Bandeira");
    p.loanStatus = 0;
    ListPlayerForSale(player_, 1'000);
    const Currency cash = Clubs[human].cash;
    Clubs[human].cash = CurrencyFromUnits(10'000'000);
    while (Clubs[human].squadSize >= 25)
        TransferPlayer(PlayersOfClub(human).back(), seller, 0);

    auto* form = Open<TForm27>("TForm27");
    ASSERT_NE(form, nullptr);
    form->ckpais->SetChecked(false);
    form->c1->SetItemIndex(kAnyStrength);
    form->Edit1->SetFocus();
    QTest::keyClicks(WidgetOf(form->Edit1), "zequinha b");
    Click(form->button2);
    ASSERT_EQ(FoundPlayers(*form), std::vector<int>{player_});
    EXPECT_EQ(form->gfind->GetCellTextByName("colclube", 0), Clubs[seller].name.str());

    // In the market: his row chosen and bought with "Comprar", then "Fechar".
    bool bought = false;
    test::Answer<TForm14>([&](TForm14& shown) {
        auto* market = &shown;
        for (int row = 0; row < market->joglist->RowCount(); ++row)
            if (market->joglist->GetCellTextByName("id", row) == std::to_string(player_)) {
                market->joglist->ScrollToRow(row);
                test::Pump();
                test::ClickAt(WidgetOf(market->joglist), QPoint(140, market->joglist->RowTop(row) + 5));
            }
        Click(market->bt1);
        bought = Players[player_].Club == human;
        Click(market->bt3);
    });
    DoubleClickRow(form->gfind, 0, form->gfind->ColumnByName("colclube")->Left() + 20);
    test::PumpUntil([] { return test::Shown<TForm14>() == nullptr; }, test::ModalDeadlineMs());
    ASSERT_TRUE(bought);
    EXPECT_EQ(form->gfind->GetCellTextByName("colclube", 0), Clubs[human].name.str());
    TransferPlayer(player_, seller, 0);
    Clubs[human].cash = cash;
}

}  // namespace
}  // namespace tarvelon
