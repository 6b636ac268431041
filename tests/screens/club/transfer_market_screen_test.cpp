// The transfer market (TForm14) on a seeded game, driven by clicks and keys: the tree and the club
// shown, "Comprar" on the asking price against the cash and the squad limit (also when pressed), a
// loan and its limit, the confidence bars, and moves made club after club keeping money, squads and
// wage bills. Its deal dialogs' tests are in market_dialogs_test.cpp.
#include <QTest>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "controls/dc_smooth_panel.h"
#include "controls/gdip_picture_container.h"
#include "controls/grad_button.h"
#include "controls/progress_cyl.h"
#include "core/economy/loans.h"
#include "core/economy/market_deals.h"
#include "core/economy/player_sale.h"
#include "core/format/money_format.h"
#include "core/hooks.h"
#include "core/season/competitions.h"
#include "core/vocab/players.h"
#include "grid/dg_grid.h"
#include "platform/forms/screen.h"
#include "platform/graphics/canvas.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/club/market_dialogs.h"
#include "screens/club/transfer_market_screen.h"
#include "tests/screens/club/transfer_market_suite.h"
#include "tests/screens/grid_columns_fit.h"
#include "tests/screens/player_clicks.h"

namespace tarvelon {
namespace {

class TransferMarketTest : public test::TransferMarketSuite {
protected:
    // The market of the user's club opened on a screen of w x h pixels.
    TForm14* OpenMarketOnScreen(int w, int h)
    {
        const auto width = Hooks().screenWidth;
        const auto height = Hooks().screenHeight;
        Hooks().screenWidth = [w] { return w; };
        Hooks().screenHeight = [h] { return h; };
        auto* market = OpenMarket(human_);
        Hooks().screenWidth = width;
        Hooks().screenHeight = height;
        return market;
    }

    // The tree's row of a club (-1 when it has none).
    static int TreeRowOf(TDataGrid& tree, int club)
    {
        for (int row = 0; row < tree.RowCount(); ++row)
            if (tree.GetCellTextByName("treeid", row) == std::to_string(club))
                return row;
        return -1;
    }
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

// On a screen wider than 800 the market grows with it and its confidence bars stand 24 pixels high,
// also where the screen's shape leaves the form at its design size (1072 x 800, neither wide nor
// narrow); at every size it fills the whole window.
TEST_F(TransferMarketTest, OnALargerScreenTheConfidenceBarsStand24PixelsHighAndTheMarketFillsTheWindow)
{
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1280, 1024}, std::pair{1072, 800}}) {
        auto* market = OpenMarketOnScreen(w, h);
        ASSERT_NE(market, nullptr);
        for (const char* name : {"gp1", "gp2"}) {
            auto* bar = dynamic_cast<TControl*>(market->FindComponent(name));
            ASSERT_NE(bar, nullptr);
            EXPECT_EQ(bar->Height(), 24) << name << " at " << w;
        }
        EXPECT_TRUE(market->BoundsRect() == Screen->WorkAreaRect()) << w;
        market->Close();
        test::Pump(20);
    }
}

// Grown with a wider screen, the card's text grows and so do its columns: "Salário:" does not run
// into a transfer value of millions, nor "Clube" into "Ano" in the career view.
TEST_F(TransferMarketTest, OnALargerScreenTheCardsColumnsGrowWithItsText)
{
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1280, 1024}}) {
        auto* market = OpenMarketOnScreen(w, h);
        ASSERT_NE(market, nullptr);
        // The form's own growth: none at the design's width, 160 % at 1280 pixels.
        const auto stop = [&](int x) {
            EXPECT_EQ(market->ScaledLength(x), w == 800 ? x : static_cast<int>(std::lround(x * 1.6)));
            return "<IND x=\"" + std::to_string(market->ScaledLength(x)) + "\">";
        };
        std::string card = market->infojt->Caption().HTMLText();
        EXPECT_NE(card.find(stop(200) + "Salário"), std::string::npos) << w << ": " << card;
        EXPECT_NE(card.find(stop(200) + "Idade"), std::string::npos) << w;
        Click(market->Image13);  // the career table instead of the details
        card = market->infojt->Caption().HTMLText();
        EXPECT_NE(card.find(stop(40) + "Clube"), std::string::npos) << w << ": " << card;
        EXPECT_NE(card.find(stop(173) + "J"), std::string::npos) << w;
        // Its heading's goal and card icons are at hand, as on the player's career screen.
        ASSERT_NE(market->infojt->PictureContainer(), nullptr);
        for (const char* icon : {"i_gol", "i_ca", "i_cv", "i_ct"})
            EXPECT_NE(market->infojt->PictureContainer()->FindPicture(icon), nullptr) << icon;
        market->Close();
        test::Pump(20);
    }
}

// Grown with a larger screen, the tree of clubs and the list of players show whole whatever they
// show whole at 800 x 600: their columns grow at the form's scale with the text in them.
TEST_F(TransferMarketTest, OnALargerScreenTheListsShowWholeWhatTheyShowAt800x600)
{
    auto measure = [this](int w, int h) {
        std::pair<test::GridFit, test::GridFit> fits;
        auto* market = OpenMarketOnScreen(w, h);
        EXPECT_NE(market, nullptr);
        if (market != nullptr) {
            market->Widget()->grab();
            EXPECT_GT(market->DataGrid1->RowCount(), 0);
            EXPECT_GT(market->joglist->RowCount(), 0);
            fits = {test::MeasureGrid(*market->DataGrid1), test::MeasureGrid(*market->joglist)};
            market->Close();
            test::Pump(20);
        }
        return fits;
    };
    const auto [tree, players] = measure(800, 600);
    EXPECT_TRUE(players.columns.at("nomejog").Whole()) << players.Describe();
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1280, 1024}}) {
        const auto [largerTree, largerPlayers] = measure(w, h);
        const std::string at = std::to_string(w) + " x " + std::to_string(h);
        test::ExpectWholeWhereTheDesignIsWhole(tree, largerTree, "the tree at " + at);
        test::ExpectWholeWhereTheDesignIsWhole(players, largerPlayers, "the players at " + at);
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

// "Habil." shows the two abbreviations, or the one full name when both traits are alike; its hint
// names both traits in full either way.
TEST_F(TransferMarketTest, TheTraitsHintNamesBothTraitsAlsoWhenTheyAreAlike)
{
    const int seller = SellerAtOrBelowHuman();
    ASSERT_GE(seller, 0);
    std::vector<int> squad = PlayersOfClub(seller);
    ASSERT_GE(squad.size(), 2u);
    const int alike = squad[0];
    const int apart = squad[1];
    const auto savedAlike = std::pair{Players[alike].Trait1, Players[alike].Trait2};
    const auto savedApart = std::pair{Players[apart].Trait1, Players[apart].Trait2};
    Players[alike].Trait1 = Players[alike].Trait2 = 2;
    Players[apart].Trait1 = 1;
    Players[apart].Trait2 = 3;
    auto* market = OpenMarket(seller);
    ASSERT_NE(market, nullptr);
    TDataGrid& grid = *market->joglist;
    const int column = grid.ColumnByName("habilidadejog")->Index();
    const auto text = [&](int player) { return grid.GetCellTextByName("habilidadejog", RowOf(grid, player)); };
    const auto hint = [&](int player) { return grid.GetCell(column, RowOf(grid, player))->Hint(); };
    EXPECT_EQ(text(alike), TraitNames[2]);
    EXPECT_EQ(hint(alike), std::string(TraitNames[2]) + "/" + TraitNames[2]);
    EXPECT_EQ(text(apart), std::string(TraitAbbreviations[1]) + "/" + TraitAbbreviations[3]);
    EXPECT_EQ(hint(apart), std::string(TraitNames[1]) + "/" + TraitNames[3]);
    std::tie(Players[alike].Trait1, Players[alike].Trait2) = savedAlike;
    std::tie(Players[apart].Trait1, Players[apart].Trait2) = savedApart;
}

// An extra club of a played league has its links while no card is drawn; its card takes away
// "Retrospecto" and "Calendário", words and icons alike.
TEST_F(TransferMarketTest, AnExtraClubsCardTakesTheRecordAndFixturesLinksWithTheirIcons)
{
    int extra = -1;
    for (int c = Game.LeagueClubCount; c < Game.LeagueClubCount + Game.ExtraClubCount && extra < 0; ++c)
        if (!PlayersOfClub(c).empty())
            extra = c;
    ASSERT_GE(extra, 0);
    const int country = Clubs[extra].Country;
    Clubs[extra].Country = Clubs[human_].Country;  // an extra club of the played league's country
    ASSERT_NE(FindLeagueByCountry(Clubs[extra].Country), -1);
    auto* market = OpenMarket(extra);
    ASSERT_NE(market, nullptr);
    for (auto [label, image] : {std::pair{market->Label11, market->Image2}, std::pair{market->Label12, market->Image3}}) {
        EXPECT_NE(label->Cursor(), crHandPoint) << label->Caption();
        EXPECT_NE(image->Cursor(), crHandPoint) << label->Caption();
    }
    // The transfers and trophies links stay as the club's country has them.
    EXPECT_EQ(market->Label26->Cursor(), crHandPoint);
    EXPECT_EQ(market->Image5->Cursor(), crHandPoint);
    Clubs[extra].Country = country;
}

// On an 800 x 600 screen a club name of 25 characters is written smaller, so that it and the country's
// flag after it end short of the confidence bars; a club of a short name, clicked in the tree, has
// the name in the form's letters again.
TEST_F(TransferMarketTest, ALongClubNameIsWrittenSmallerShortOfTheFlagAndTheBars)
{
    const int seller = SellerAtOrBelowHuman();
    ASSERT_GE(seller, 0);
    const std::string name = Clubs[human_].name.str();
    Clubs[human_].name = "Associação Atlética Ponte";
    const std::string sellerName = Clubs[seller].name.str();
    Clubs[seller].name = "Ipê";
    auto* market = OpenMarketOnScreen(800, 600);
    ASSERT_NE(market, nullptr);
    ASSERT_TRUE(market->Image7->Visible());
    const int designHeight = 21;
    EXPECT_LT(-market->Label4->Font().Height(), designHeight);
    EXPECT_LE(market->Label4->Left() + market->Label4->Width() + 8, market->Image7->Left());
    EXPECT_LE(market->Image7->Left() + market->Image7->Width() + 8, market->gp2->Left());
    // What is drawn: no letter of the name at the flag's place.
    TCanvas& canvas = market->Canvas();
    canvas.Font.Assign(market->Label4->Font());
    EXPECT_LE(market->Label4->Left() + canvas.TextWidth(market->Label4->Caption()), market->Image7->Left());

    TDataGrid& tree = *market->DataGrid1;
    const int clubRow = TreeRowOf(tree, seller);
    ASSERT_GE(clubRow, 0);
    tree.ScrollToRow(clubRow);
    test::Pump();
    ClickRow(&tree, clubRow, 80);
    ASSERT_EQ(MarketClub, seller);
    EXPECT_EQ(-market->Label4->Font().Height(), designHeight);
    EXPECT_EQ(market->Image7->Left(), market->Label4->Left() + market->Label4->Width() + 8);
    Clubs[human_].name = name;
    Clubs[seller].name = sellerName;
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
    const int clubRow = TreeRowOf(tree, seller);
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

// Once a bought or borrowed player's row is gone, the card and "Fazer uma oferta" speak of the player
// whose row now holds the selection, not of the one who left: a bid or a career look goes where the
// card says.
TEST_F(TransferMarketTest, AfterABuyOrALoanTheCardShowsThePlayerNowSelected)
{
    const int seller = SellerAtOrBelowHuman();
    const std::vector<int> squad = PlayersOfClub(seller);
    ASSERT_GE(squad.size(), 4u);
    const int bought = squad[1];
    ListPlayerForSale(bought, 1'000);
    Players[squad[2]].loanStatus = 1;
    Clubs[human_].cash = CurrencyFromUnits(50'000'000);
    auto* market = OpenMarket(seller);
    const auto cardNames = [&](int player) {
        return market->infojt->Caption().HTMLText().find(Players[player].Name.str()) != std::string::npos;
    };

    SelectRow(*market, bought);
    ASSERT_TRUE(market->bt1->Enabled());
    Click(market->bt1);
    ASSERT_EQ(Players[bought].Club, human_);
    const int next = market->SelectedPlayer();
    ASSERT_NE(next, bought);
    EXPECT_TRUE(cardNames(next)) << "the card follows the selection";
    EXPECT_FALSE(cardNames(bought));
    EXPECT_EQ(market->Label27->GetDisplayText(), "Jogador comprado com sucesso.");

    const int borrowed = squad[2];
    SelectRow(*market, borrowed);
    ASSERT_TRUE(market->bt4->Enabled());
    Click(market->bt4);
    ASSERT_EQ(Players[borrowed].Club, human_);
    EXPECT_NE(market->SelectedPlayer(), borrowed);
    EXPECT_TRUE(cardNames(market->SelectedPlayer()));
    EXPECT_FALSE(cardNames(borrowed));
    Players[borrowed].loanStatus = 0;
}

// A change of the card's view ends with the card's own rule on "Comprar": the value (not the asking
// price) against the cash, and a seller who cannot spare his only goalkeeper.
TEST_F(TransferMarketTest, TheCardsViewTogglesLeaveComprarToTheCardsOwnRule)
{
    const int seller = SellerAtOrBelowHuman();
    const int player = MidfielderOf(seller);
    ASSERT_GT(player, 0);
    Players[player].Value = CurrencyFromUnits(50'000);
    ListPlayerForSale(player, 2'000'000);
    Clubs[human_].cash = CurrencyFromUnits(1'000'000);
    auto* market = OpenMarket(seller);
    SelectRow(*market, player);
    EXPECT_FALSE(market->bt1->Enabled()) << "a selection asks for the asking price";
    const auto clickToggle = [market](TImage* toggle) {
        ASSERT_TRUE(toggle->Visible());
        test::ClickAt(market->infojt->Widget(),
                      QPoint(toggle->Left() + toggle->Width() / 2, toggle->Top() + toggle->Height() / 2));
    };
    clickToggle(market->Image13);  // the career table
    EXPECT_TRUE(market->bt1->Enabled()) << "the card asks for the value";
    const std::string header = " - " + Players[player].Name.str() + "</SHAD>";
    EXPECT_NE(market->infojt->Caption().HTMLText().find(header), std::string::npos) << "the header line is shadowed";
    clickToggle(market->Image4);  // the details again
    EXPECT_TRUE(market->bt1->Enabled());

    // Pressed, it still buys nothing the cash cannot pay.
    Click(market->bt1);
    EXPECT_EQ(Players[player].Club, seller);

    // The seller's only goalkeeper: a selection allows him, the card does not.
    Clubs[human_].cash = CurrencyFromUnits(3'000'000);
    SelectRow(*market, player);
    EXPECT_TRUE(market->bt1->Enabled());
    const int keepers = Clubs[seller].playersPerPosition[0];
    const int position = Players[player].Position;
    Players[player].Position = 0;
    Clubs[seller].playersPerPosition[0] = 1;
    SelectRow(*market, player);
    EXPECT_TRUE(market->bt1->Enabled());
    clickToggle(market->Image13);
    EXPECT_FALSE(market->bt1->Enabled());
    Players[player].Position = position;
    Clubs[seller].playersPerPosition[0] = keepers;
}

// The bars keep their own colour, but for a club whose text colour is very light: its background.
TEST_F(TransferMarketTest, TheConfidenceBarsTakeTheClubsBackgroundOnlyForAVeryLightTextColour)
{
    const int seller = SellerAtOrBelowHuman();
    const TColor text = Clubs[seller].TextColor;
    const TColor back = Clubs[seller].BackColor;
    Clubs[seller].TextColor = 0x101080;
    Clubs[seller].BackColor = 0x2040C0;
    auto* market = OpenMarket(seller);
    auto* bar = dynamic_cast<TProgressCyl*>(market->FindComponent("gp1"));
    ASSERT_NE(bar, nullptr);
    const TColor own = bar->ForeColor();
    EXPECT_NE(own, Clubs[seller].TextColor);
    EXPECT_NE(own, Clubs[seller].BackColor);
    market->Close();
    test::Pump(20);

    Clubs[seller].TextColor = 0xF0F0F0;
    market = OpenMarket(seller);
    bar = dynamic_cast<TProgressCyl*>(market->FindComponent("gp1"));
    EXPECT_EQ(bar->ForeColor(), 0x2040C0);
    Clubs[seller].TextColor = text;
    Clubs[seller].BackColor = back;
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
