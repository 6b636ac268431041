#pragma once
// The suite of the transfer market's tests and of its deal dialogs' on the gallery's seeded game: the
// human club rich and with room in its squad, the market opened on a club, sellers that never refuse
// to come down, and rows of the market's squad chosen by real clicks.
#include <QTest>

#include <functional>
#include <string>
#include <utility>

#include "core/basics/currency.h"
#include "core/club_rosters.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/economy/transfers.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "screens/club/transfer_market_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/views_test_support.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

class TransferMarketSuite : public viewstest::ViewsScreenTest {
protected:
    // The visible form of class T, the topmost.
    template <typename T>
    static T* OpenForm()
    {
        return Shown<T>();
    }

    // Runs `act` on the dialog of class T once it shows (from inside the modal loop that opens it).
    template <typename T>
    static void WhenOpens(std::function<void(T&)> act)
    {
        Answer<T>(std::move(act));
    }

    void SetUp() override
    {
        viewstest::ViewsScreenTest::SetUp();
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
        viewstest::ViewsScreenTest::TearDown();
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
        Pump();
        ClickRow(market.joglist, row, 140);
        ASSERT_EQ(market.SelectedPlayer(), player);
    }

    int human_ = -1;
    Currency savedCash_ = 0;
};

}  // namespace tarvelon::test
