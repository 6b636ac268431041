// The hub between rounds on a seeded two-coach game, driven by real clicks and keys: the post-round
// offers and notices in their order, the purchase offer and loan request answered, contract renewal
// against the wage demand, the top bar's menus, the squad list's menu and buttons, and the updates
// of a round made once.
#include <gtest/gtest.h>

#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/between_rounds.h"
#include "core/economy/contract_renewal.h"
#include "core/economy/incoming_offers.h"
#include "core/economy/loans.h"
#include "core/economy/player_actions.h"
#include "core/economy/player_sale.h"
#include "core/economy/stadium.h"
#include "core/basics/datetime.h"
#include "core/format/money_format.h"
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
#include "screens/club/incoming_offers.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game_suite.h"
#include "tests/screens/hub_game.h"

namespace tarvelon {
namespace {

using test::HubGame;
using test::ChooseShown;

// Answers the modal screens as they open: `answer` gets each new visible screen other than the hub
// and the title screen, and must close it.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(TGameForm&)> answer) : state_(std::make_shared<State>())
    {
        state_->answer = std::move(answer);
        Poll(state_);
    }
    ~ModalAnswerer() { state_->alive = false; }
    const std::vector<std::string>& Seen() const { return state_->seen; }

private:
    struct State {
        std::function<void(TGameForm&)> answer;
        std::vector<std::string> seen;
        QPointer<QWidget> last;  // the window of the screen answered last (empty once it is gone)
        bool alive = true;
    };
    static void Poll(std::shared_ptr<State> state)
    {
        QTimer::singleShot(30, [state] {
            if (!state->alive)
                return;
            Poll(state);  // an answer may open the next modal screen before it returns
            for (int i = Screen->FormCount() - 1; i >= 0; --i) {
                auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i));
                if (form && form->Visible() && form->FormClass() != "TForm13" && form->FormClass() != "TForm1" &&
                    form->Widget() != state->last.data()) {
                    state->last = form->Widget();
                    state->seen.push_back(form->FormClass());
                    state->answer(*form);
                    return;
                }
            }
        });
    }
    std::shared_ptr<State> state_;
};

void Click(TGradButton* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
}

// The row of the hub's grid that shows the player.
int RowOf(TForm13& hub, int player)
{
    for (int row = 0; row < hub.gridview1->RowCount(); ++row)
        if (hub.gridview1->GetCellTextByName("id", row) == std::to_string(player))
            return row;
    return -1;
}

void SelectPlayer(TForm13& hub, int player)
{
    const int row = RowOf(hub, player);
    ASSERT_GE(row, 0);
    QTest::mouseClick(hub.gridview1->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, hub.gridview1->RowTop(row) + 10));
    test::PumpUntil([&hub, player] { return hub.SelectedPlayer() == player; });
    ASSERT_EQ(hub.SelectedPlayer(), player);
}

class BetweenRoundsScreensTest : public test::HubGameSuite {
protected:

    void SetUp() override
    {
        ASSERT_TRUE(ready_);
        ASSERT_EQ(HubGame::StartTwoCoachGame(), FirstScreen::Hub);
        Game.autosave = 0;
        ForgetRoundUpdates();
    }

    TForm13* OpenTheHub()
    {
        OpenScreen("TForm13");
        EXPECT_TRUE(test::PumpUntil([] { return test::OpenHub() != nullptr; }));
        // the first round's dispatch (skipped at the start of a game) has run
        EXPECT_TRUE(test::PumpUntil([] { return !PostRoundPending; }));
        test::Pump();
        return test::OpenHub();
    }

};

TEST_F(BetweenRoundsScreensTest, TheDispatchOpensOfferLoanRequestAndDeathNoticeInThatOrder)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
    const std::vector<int> squad = PlayersOfClub(club);
    ASSERT_GE(squad.size(), 16u);
    ASSERT_TRUE(OfferPlayerForLoan(squad[5]));
    for (int p : squad)
        Players[p].Age = std::min(Players[p].Age, 40);
    Players[squad[9]].Age = 61;
    // A seed whose draws bring a purchase offer.
    std::uint32_t seed = 1;
    for (; seed < 5000; ++seed) {
        RandSeed = seed;
        if (DrawPurchaseOffer(club).Found())
            break;
    }
    ASSERT_LT(seed, 5000u);
    RandSeed = seed;
    Game.DayKind = 1;
    SeasonStartPending = 0;
    ModalAnswerer answerer([](TGameForm& form) {
        if (auto* offer = dynamic_cast<TForm68*>(&form))
            Click(offer->GradButton1);  // "Não": he stays
        else if (auto* loan = dynamic_cast<TForm59*>(&form))
            Click(loan->bt3);  // "Sim"
        else
            form.Close();
    });
    const int offered = squad[5];
    hub->DispatchPostRoundEvents();
    test::PumpUntil([&answerer] { return answerer.Seen().size() >= 3; });
    ASSERT_GE(answerer.Seen().size(), 3u);
    EXPECT_EQ(answerer.Seen()[0], "TForm68");
    EXPECT_EQ(answerer.Seen()[1], "TForm59");
    EXPECT_EQ(answerer.Seen()[2], "TForm72");
    EXPECT_EQ(DeadPlayer, squad[9]);
    EXPECT_EQ(Players[squad[9]].Club, -1);
    EXPECT_EQ(RowOf(*hub, squad[9]), -1);
    EXPECT_NE(Players[offered].Club, club);  // lent out
    EXPECT_EQ(Players[offered].loanStatus, 2);
    EXPECT_DOUBLE_EQ(Loans[FindOpenLoan(offered)].endDate, TodayDate() + 180);
    EXPECT_EQ(SeasonStartPending, 0);
}

TEST_F(BetweenRoundsScreensTest, AnAcceptedPurchaseOfferSellsThePlayerAndRefusalKeepsHim)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
    const int player = PlayersOfClub(club)[3];
    const int buyer = SubjectOtherClub();
    for (bool accept : {false, true}) {
        DealPlayer = player;
        OfferingClub = buyer;
        const Currency cash = Clubs[club].cash;
        std::int64_t offer = 0;
        ModalAnswerer answerer([accept, &offer](TGameForm& form) {
            auto* dialog = dynamic_cast<TForm68*>(&form);
            ASSERT_NE(dialog, nullptr);
            offer = dialog->Offer();
            EXPECT_NE(dialog->Label3->Caption().find(Players[DealPlayer].Name.str()), std::string::npos);
            Click(accept ? dialog->bt3 : dialog->GradButton1);
        });
        CreateScreen("TForm68", hub)->ShowModal();
        test::Pump();
        if (!accept) {
            EXPECT_EQ(Players[player].Club, club);
            EXPECT_EQ(Clubs[club].cash, cash);
            EXPECT_EQ(DealPlayer, player);
            continue;
        }
        EXPECT_EQ(Players[player].Club, buyer);
        EXPECT_EQ(Clubs[club].cash - cash, CurrencyFromUnits(offer));
        EXPECT_EQ(DealPlayer, -1);
        EXPECT_EQ(OfferingClub, -1);
        EXPECT_EQ(RowOf(*hub, player), -1);  // the hub's squad was refreshed
    }
}

TEST_F(BetweenRoundsScreensTest, AContractIsRenewedAgainstTheWageDemand)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
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

// With contracts extended by themselves, the hub lists the squad after the extension: the first
// player's card and his row read the new contract, not a run-out one.
TEST_F(BetweenRoundsScreensTest, AContractExtendedByItselfShowsOnTheFirstCardAndRow)
{
    Game.autoContractExtension = 1;
    for (int slot = 0; slot < Game.HumanClubCount; ++slot)
        for (int p : PlayersOfClub(Game.HumanClubs[slot]))
            Players[p].ContractEnd = TodayDate() - 3;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int first = hub->SelectedPlayer();
    ASSERT_GT(first, 0);
    EXPECT_EQ(RowOf(*hub, first), 0);
    EXPECT_DOUBLE_EQ(Players[first].ContractEnd, TodayDate() + 12 * 7);
    const std::string card = hub->lb_infojog->GetDisplayText();
    EXPECT_EQ(card.find("contrato expirado"), std::string::npos) << card;
    EXPECT_NE(card.find("Contrato até " + DateToStr(Players[first].ContractEnd)), std::string::npos) << card;
    for (int row = 0; row < hub->gridview1->RowCount(); ++row)
        EXPECT_EQ(hub->gridview1->GetCell(hub->gridview1->ColumnByName("salario")->Index(), row)->Hint(), "");
}

TEST_F(BetweenRoundsScreensTest, AnOfferAboveTheLimitIsToldAndOneEqualToTheDemandSignsAtOnce)
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
    type("abc");
    EXPECT_FALSE(renewal->CHButton1->Enabled());
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

TEST_F(BetweenRoundsScreensTest, TopBarMenusAndTheSquadMenuOpenTheirScreensAndActOnThePlayer)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    auto closeOpened = [](TGameForm& form) { form.Close(); };
    {
        ModalAnswerer answerer(closeOpened);
        hub->OpenBarSpot(0);  // "Opções"
        ASSERT_TRUE(ChooseShown(hub->BarMenuOfSpot(0), "Opções"));
        EXPECT_TRUE(test::OpenedAndClosedAgain("TForm32"));
        hub->OpenBarSpot(10);  // "Rankings"
        ASSERT_TRUE(ChooseShown(hub->BarMenuOfSpot(10), "Transferências de Jogadores"));
        EXPECT_TRUE(test::OpenedAndClosedAgain("TForm58"));
        EXPECT_EQ(TransferListMode, 1);
        Game.nationalCupOn = 0;
        hub->OpenBarSpot(1);  // "Tabela de jogos"
        EXPECT_FALSE(ChooseShown(hub->BarMenuOfSpot(1), "Tabela Copa"));  // no national cup: hidden
        ASSERT_TRUE(ChooseShown(hub->BarMenuOfSpot(1), "Jogos Amistosos"));
        EXPECT_TRUE(test::OpenedAndClosedAgain("TForm81"));
        EXPECT_EQ(FixtureListClub, Game.CurrentHumanClub);
        QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(hub->lb_cores->Left() + 10, hub->lb_cores->Top() + 8));
        EXPECT_TRUE(test::OpenedAndClosedAgain("TForm86"));
        const int opponent = static_cast<int>(hub->lb_infonext->Tag());
        ASSERT_GE(opponent, 0);
        QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(hub->lb_infonext->Left() + 10, hub->lb_infonext->Top() + 6));
        EXPECT_TRUE(test::OpenedAndClosedAgain("TForm14"));
        EXPECT_EQ(MarketClub, opponent);
        QTest::keyClick(hub->Widget(), Qt::Key_F7);
        EXPECT_TRUE(test::OpenedAndClosedAgain("TForm62"));
    }
    // The squad list's menu on a player: offered for loan, then withdrawn; a listed player unlisted.
    const int club = Game.CurrentHumanClub;
    const int player = PlayersOfClub(club)[4];
    SelectPlayer(*hub, player);
    QTest::mouseClick(hub->gridview1->Widget(), Qt::RightButton, Qt::NoModifier,
                      QPoint(60, hub->gridview1->RowTop(RowOf(*hub, player)) + 10));
    test::PumpUntil([hub] { return hub->PopupMenu1->ShownMenu() != nullptr; });
    ASSERT_NE(hub->PopupMenu1->ShownMenu(), nullptr);
    EXPECT_FALSE(ChooseShown(hub->PopupMenu1, "Cancelar Empréstimo"));  // not on loan here: hidden
    ASSERT_TRUE(ChooseShown(hub->PopupMenu1, "Pôr para empréstimo"));
    EXPECT_EQ(Players[player].loanStatus, 1);
    Players[player].ListedForSale = 1;
    Players[player].AskingPrice = Players[player].Value * 2;
    hub->RefreshRosterGrid();
    SelectPlayer(*hub, player);
    ASSERT_TRUE(hub->Button4->Visible());
    Click(hub->Button4);
    EXPECT_EQ(Players[player].ListedForSale, 0);
    EXPECT_FALSE(hub->Button4->Visible());
    EXPECT_EQ(hub->gridview1->GetCellTextByName("passet", RowOf(*hub, player)),
              std::to_string(CurrencyUnits(Players[player].Value)));
    TDataGrid& grid = *hub->gridview1;
    EXPECT_EQ(grid.GetCell(grid.ColumnByName("passe")->Index(), RowOf(*hub, player))->Hint(),
              FormatMoneyWords64(CurrencyUnits(Players[player].Value)));
}

TEST_F(BetweenRoundsScreensTest, TheRoundsUpdatesRunOnceEvenWhenTheHubIsMadeAgain)
{
    SeasonStartPending = 0;
    const int club = Game.HumanClubs[0];
    const int player = PlayersOfClub(club)[1];
    Players[player].moraleCountdown = 3;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(Players[player].moraleCountdown, 2);
    hub->Close();
    test::PumpUntil([] { return test::OpenHub() == nullptr; });
    hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(Players[player].moraleCountdown, 2);  // not a second time in the same round
}

// A screen that changes the club (here an accepted purchase offer) shows the change on the hub
// without running the round's updates again: of two finished stadium works, the hub's opening
// completes one and the offer none.
TEST_F(BetweenRoundsScreensTest, AChangeMadeElsewhereDoesNotRunTheRoundsUpdatesAgain)
{
    for (int slot = 0; slot < Game.HumanClubCount; ++slot)
        for (int added : {1000, 500}) {
            TStadiumWork w{};
            w.club = Game.HumanClubs[slot];
            w.endDate = TodayDate() - 1;
            w.seatsAdded[1] = added;
            w.inProgress = 1;
            StadiumWorks.push_back(w);
        }
    const std::vector<std::int32_t> seatsBefore = [] {
        std::vector<std::int32_t> seats;
        for (const TClub& c : Clubs)
            seats.push_back(c.SectorSeats[1]);
        return seats;
    }();
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
    const int seats = Clubs[club].SectorSeats[1];
    EXPECT_EQ(seats, seatsBefore[static_cast<std::size_t>(club)] + 1000);
    const int player = PlayersOfClub(club)[3];
    DealPlayer = player;
    OfferingClub = SubjectOtherClub();
    ModalAnswerer answerer([](TGameForm& form) {
        if (auto* dialog = dynamic_cast<TForm68*>(&form))
            Click(dialog->bt3);  // "Sim"
        else
            form.Close();
    });
    CreateScreen("TForm68", hub)->ShowModal();
    test::Pump(50);
    ASSERT_NE(Players[player].Club, club);
    EXPECT_EQ(RowOf(*hub, player), -1);  // the hub shows the sale
    EXPECT_EQ(Clubs[club].SectorSeats[1], seats);
}

}  // namespace
}  // namespace tarvelon
