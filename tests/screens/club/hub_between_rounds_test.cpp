// The hub between rounds on a seeded two-coach game, driven by real clicks and keys: the post-round
// offers and notices in their order, the squad listed after contracts extended by themselves, the
// top bar's menus, the squad list's menu and buttons, and the updates of a round made once, however
// often the hub is made again or another screen changes the club.
#include <gtest/gtest.h>

#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/basics/datetime.h"
#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/between_rounds.h"
#include "core/economy/contract_renewal.h"
#include "core/economy/incoming_offers.h"
#include "core/economy/loans.h"
#include "core/economy/player_actions.h"
#include "core/economy/player_sale.h"
#include "core/economy/stadium.h"
#include "core/format/money_format.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_label.h"
#include "screens/club/auction_screen.h"
#include "screens/club/club_screens.h"
#include "screens/club/incoming_offers.h"
#include "screens/club/player_sale_screen.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/history/coach_ranking_screen.h"
#include "tests/screens/club/between_rounds_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game.h"

namespace tarvelon {
namespace {

using test::ChooseShown;

class HubBetweenRoundsTest : public test::BetweenRoundsSuite {};

TEST_F(HubBetweenRoundsTest, TheDispatchOpensOfferLoanRequestAndDeathNoticeInThatOrder)
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

// With contracts extended by themselves, the hub lists the squad after the extension: the first
// player's card and his row read the new contract, not a run-out one.
TEST_F(HubBetweenRoundsTest, AContractExtendedByItselfShowsOnTheFirstCardAndRow)
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

TEST_F(HubBetweenRoundsTest, ContractWarningsReachTheInboxInTheRostersRowOrder)
{
    Game.contractNotices = 0;
    for (int slot = 0; slot < Game.HumanClubCount; ++slot)
        for (int p : PlayersOfClub(Game.HumanClubs[slot])) {
            Players[p].ContractEnd = TodayDate() + 10;
            Players[p].contractWarning = 0;
        }
    const std::size_t before = MailMessages.size();
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
    std::vector<int> warned;
    for (std::size_t m = before; m < MailMessages.size(); ++m)
        if (MailMessages[m].recipientClub == club && MailMessages[m].subjectId == 17)  // "contract ends soon"
            warned.push_back(MailMessages[m].player);
    std::vector<int> rows;
    for (int row = 0; row < hub->gridview1->RowCount(); ++row)
        rows.push_back(std::stoi(hub->gridview1->GetCellTextByName("id", row)));
    ASSERT_NE(rows, PlayersOfClub(club)) << "the roster's order is not the table's here";
    EXPECT_EQ(warned, rows);
}

TEST_F(HubBetweenRoundsTest, TopBarMenusAndTheSquadMenuOpenTheirScreensAndActOnThePlayer)
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
    test::Pump();  // the entry runs once the menu's click has returned
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

// The squad list's menu on a player of a club that already has two players offered for loan, and on
// a player it holds on loan without the cash to buy him.
TEST_F(HubBetweenRoundsTest, TheSquadMenuFollowsTheLoansOfTheClubAndOfThePlayer)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
    const std::vector<int> squad = PlayersOfClub(club);
    ASSERT_GT(squad.size(), 8u);
    Players[squad[4]].loanStatus = 1;
    Players[squad[5]].loanStatus = 1;
    const int loanedIn = squad[7];
    Players[loanedIn].loanStatus = 2;
    Clubs[club].cash = Players[loanedIn].Value - 10000;
    hub->RefreshRosterGrid();
    struct EntryState { bool visible = false, enabled = false; };
    auto openMenuOn = [hub](int player) -> QMenu* {
        SelectPlayer(*hub, player);
        QTest::mouseClick(hub->gridview1->Widget(), Qt::RightButton, Qt::NoModifier,
                          QPoint(60, hub->gridview1->RowTop(RowOf(*hub, player)) + 10));
        test::PumpUntil([hub] { return hub->PopupMenu1->ShownMenu() != nullptr; });
        return hub->PopupMenu1->ShownMenu();
    };
    auto entry = [](QMenu* menu, const std::string& caption) {
        for (QAction* action : menu->actions())
            if (action->text().toStdString().rfind(caption, 0) == 0)
                return EntryState{action->isVisible(), action->isEnabled()};
        return EntryState{};
    };
    auto closeMenu = [hub](QMenu* menu) {
        QTest::keyClick(menu, Qt::Key_Escape);
        test::PumpUntil([hub] { return hub->PopupMenu1->ShownMenu() == nullptr; });
    };

    QMenu* menu = openMenuOn(squad[6]);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(entry(menu, "Pôr para empréstimo").visible);
    EXPECT_FALSE(entry(menu, "Pôr para empréstimo").enabled);
    EXPECT_FALSE(ChooseShown(hub->PopupMenu1, "Pôr para empréstimo"));
    closeMenu(menu);
    EXPECT_EQ(Players[squad[6]].loanStatus, 0);

    menu = openMenuOn(squad[4]);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(entry(menu, "Pôr para empréstimo").visible);
    EXPECT_TRUE(entry(menu, "Não pôr para empréstimo").visible);
    closeMenu(menu);

    menu = openMenuOn(loanedIn);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(entry(menu, "Cancelar Empréstimo").visible);
    EXPECT_TRUE(entry(menu, "Comprar jogador").visible);
    EXPECT_FALSE(entry(menu, "Comprar jogador").enabled);  // cash short of his price
    EXPECT_FALSE(entry(menu, "Pôr para empréstimo").visible);
    EXPECT_FALSE(entry(menu, "Propor contrato").enabled);
    EXPECT_FALSE(entry(menu, "Vender jogador").enabled);
    EXPECT_FALSE(entry(menu, "Aposentar jogador").enabled);
    EXPECT_FALSE(entry(menu, "Não pôr para empréstimo").visible);
    closeMenu(menu);

    // Greyed for the full loan list, "Pôr para empréstimo" stays as the last menu left it: hidden
    // after the loaned-in player's; with a place free again it is shown and can be chosen.
    menu = openMenuOn(squad[6]);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(entry(menu, "Pôr para empréstimo").visible);
    EXPECT_FALSE(entry(menu, "Pôr para empréstimo").enabled);
    closeMenu(menu);
    Players[squad[5]].loanStatus = 0;
    menu = openMenuOn(squad[6]);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(ChooseShown(hub->PopupMenu1, "Pôr para empréstimo"));
    test::Pump();  // the entry runs once the menu's click has returned
    EXPECT_EQ(Players[squad[6]].loanStatus, 1);
}

// The career icon on the player's card and the coach's name say which career they open.
TEST_F(HubBetweenRoundsTest, TheCardsCareerIconAndTheCoachsNameTellTheCareerScreensWhatWasAsked)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
    const int player = PlayersOfClub(club)[2];
    SelectPlayer(*hub, player);
    std::map<std::string, int> subject;  // what each career screen was opened on
    ModalAnswerer answerer([&subject](TGameForm& form) {
        subject[form.FormClass()] = SelectedRecord;
        if (auto* ranking = dynamic_cast<TForm47*>(&form))  // the ranking takes its coach as it opens
            subject["TForm47"] = std::stoi(ranking->gridview1->GetCellTextByName("id", ranking->gridview1->SelectedRow()));
        form.Close();
    });
    CareerViewMode = 0;
    QTest::mouseClick(hub->pinfo_panel->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(hub->Image4->Left() + 6, hub->Image4->Top() + 6));
    EXPECT_TRUE(test::OpenedAndClosedAgain("TForm16"));
    EXPECT_EQ(subject["TForm16"], player);
    EXPECT_EQ(CareerViewMode, 1);
    QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(hub->lb_tec->Left() + 12, hub->lb_tec->Top() + 8));
    EXPECT_TRUE(test::OpenedAndClosedAgain("TForm47"));
    EXPECT_EQ(subject["TForm47"], Clubs[club].coach);
    EXPECT_EQ(CareerViewMode, 2);
}

// The player actions' buttons as they stand.
struct PlayerButtons {
    bool sell, contract, retire, offList;
    bool operator==(const PlayerButtons&) const = default;
};

PlayerButtons ButtonsOf(const TForm13& hub)
{
    return {hub.btvender->Enabled(), hub.btalterasal->Enabled(), hub.btaposenta->Enabled(), hub.Button4->Visible()};
}

// An auction asked for on the sale screen ends before the screen's own loop does, with the roster
// filled anew on its first row: the buttons are that row's, as a click on it sets them, and not the
// offered player's.
TEST_F(HubBetweenRoundsTest, AfterTheSaleScreensAuctionTheButtonsAreThoseOfTheHighlightedRow)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    ASSERT_GT(hub->gridview1->RowCount(), 4);
    const int offered = std::atoi(hub->gridview1->GetCellTextByName("id", 4).c_str());
    SelectPlayer(*hub, offered);
    ASSERT_TRUE(hub->btvender->Enabled());
    ModalAnswerer answerer([](TGameForm& form) {
        if (auto* sale = dynamic_cast<TForm44*>(&form)) {
            sale->Edit1->SetText("1");
            // The click runs the auction's modal loop: not from inside the answerer's call.
            QTimer::singleShot(0, [sale] { Click(sale->bt1); });
        } else if (auto* auction = dynamic_cast<TForm23*>(&form)) {
            if (auction->Notebook1->PageIndex() == 0 && auction->Auction().turnClub >= 0)
                QTimer::singleShot(0, [auction] { Click(auction->CHButton1); });  // the other coach bids nothing
        }
    });
    Click(hub->btvender);  // returns once the sale screen's loop has, after the auction's
    ASSERT_TRUE(test::PumpUntil([] { return test::Shown<TForm23>() == nullptr && !test::ShownScreen("TForm44"); }, 15000));
    test::Pump(20);
    ASSERT_EQ(answerer.Seen(), (std::vector<std::string>{"TForm44", "TForm23"}));
    EXPECT_EQ(hub->gridview1->SelectedRow(), 0);
    ASSERT_NE(hub->SelectedPlayer(), offered);
    const PlayerButtons after = ButtonsOf(*hub);
    EXPECT_TRUE(after.sell);
    const QPoint rowZero(60, hub->gridview1->RowTop(0) + 10);
    QTest::mouseClick(hub->gridview1->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, hub->gridview1->RowTop(1) + 10));
    QTest::mouseClick(hub->gridview1->Widget(), Qt::LeftButton, Qt::NoModifier, rowZero);
    EXPECT_TRUE(ButtonsOf(*hub) == after);
}

TEST_F(HubBetweenRoundsTest, TheRoundsUpdatesRunOnceEvenWhenTheHubIsMadeAgain)
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
TEST_F(HubBetweenRoundsTest, AChangeMadeElsewhereDoesNotRunTheRoundsUpdatesAgain)
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
