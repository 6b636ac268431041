// The hub's menus and player actions (TForm13): the top bar's pop-up menus, the squad list's
// pop-up menu and buttons, and the labels that open screens.
#include <map>
#include <set>

#include "controls/dc_glow_button.h"
#include "core/career/career_state.h"
#include "core/career/coach_sacking.h"
#include "core/economy/loans.h"
#include "core/economy/player_actions.h"
#include "core/format/money_format.h"
#include "core/lineup/hub_turns.h"
#include "core/match/computer_lineups.h"
#include "core/match/lineup_access.h"
#include "core/persist/saved_game.h"
#include "core/records/game_state.h"
#include "core/views/hub_views.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/menus.h"
#include "richtext/html_label.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/hub_screen.h"
#include "screens/common/art/hub_art.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

namespace {

// The menu entries that only open a screen (a subject, where one is needed, is set by OpenMenuEntry).
const std::map<std::string, std::string>& ScreenOfEntry()
{
    static const std::map<std::string, std::string> screens = {
        {"opcoes", "TForm32"},
        {"Sobreojogo1", "TForm45"},
        {"Finanas1", "TForm22"},
        {"Emprstimobancrio1", "TForm28"},
        {"mn_seutime", "TForm18"},
        {"MenuItem7", "TForm63"},
        {"mn_copa", "TForm35"},
        {"mn_lib", "TForm69"},
        {"JogosAmistosos1", "TForm81"},
        {"MenuItem3", "TForm47"},
        {"MenuItem5", "TForm50"},
        {"ltimascontrataesdetcnicos1", "TForm58"},
        {"Rankingdeclubes1", "TForm71"},
        {"RansfernciasJogadores1", "TForm58"},
        {"Histricocompletodejogos1", "TForm15"},
        {"Alterarsalrio1", "TForm24"},
        {"Venderjogador1", "TForm44"},
        {"Aposentarjogador1", "TForm48"},
        {"Escolhernmero1", "TForm82"},
        {"HistricoJogos1", "TForm16"},
    };
    return screens;
}

// The top-bar spots that open a menu, and the fixed point of the bar where each menu opens (the
// screen's point on the design screen, where the hub and its bar start at the screen's corner).
struct BarMenu { const char* menu; int spot; int x, y; };
constexpr BarMenu kBarMenus[] = {{"PopupMenu2", 0, 4, 5},
                                 {"PopupMenu7", 1, 52, 5},
                                 {"PopupMenu6", 2, 96, 5},
                                 {"PopupMenu3", 7, 355, 5},
                                 {"PopupMenu4", 10, 458, 5}};

void ShowItem(TMenuItem* item, bool visible, bool enabled)
{
    if (item == nullptr)
        return;
    item->SetVisible(visible);
    item->SetEnabled(enabled);
}

}  // namespace

void TForm13::BindMenuHandlers()
{
    BindHandler("hubMenuClick", [this](TObject* sender) {
        if (auto* item = dynamic_cast<TMenuItem*>(sender))
            OpenMenuEntry(item->Name());
    });
    BindHandler("PopupMenu1Popup", [this](TObject*) { PopupMenu1Popup(); });
    BindHandler("PopupMenu3Popup", [this](TObject*) {
        if (TMenuItem* item = FindChild<TMenuItem>("MenuItem5")) item->SetEnabled(true);
    });
    BindHandler("PopupMenu7Popup", [this](TObject*) { PopupMenu7Popup(); });
    BindHandler("lb_coresClick", [](TObject*) { OpenFromHub("TForm86"); });
    // The next opponent's name, the head-to-head lines and the player card open the market on him.
    BindHandler("opponentLabelClick", [this](TObject*) {
        const int opponent = lb_infonext ? static_cast<int>(lb_infonext->Tag()) : -1;
        // "MarketClub := the next opponent (lb_infonext's tag); market and club browser TForm14 on that
        // club": on a day without a match the tag is -1, and the market would open on no club (an
        // index before the first club), so nothing opens then.
        if (opponent < 0)
            return;
        MarketClub = opponent;
        OpenFromHub("TForm14");
    });
    BindHandler("Button4Click", [this](TObject*) { Button4Click(); });
}

TPopupMenu* TForm13::BarMenuOfSpot(int spot)
{
    for (const BarMenu& m : kBarMenus)
        if (m.spot == spot)
            return FindChild<TPopupMenu>(m.menu);
    return nullptr;
}

TPoint TForm13::BarMenuPlace(int spot) const
{
    for (const BarMenu& m : kBarMenus) {
        if (m.spot != spot)
            continue;
        if (!nova_barra)
            return ClientToScreen(TPoint{m.x, m.y});
        // The bar's picture is stretched over the bar: the point is taken at the bar's scale.
        return nova_barra->ClientToScreen(TPoint{m.x * nova_barra->Width() / art::kHubBarWidth,
                                                 m.y * nova_barra->Height() / art::kHubBarHeight});
    }
    return ClientToScreen(TPoint{0, 0});
}

bool TForm13::PopupBarMenu(int spot)
{
    for (const BarMenu& m : kBarMenus) {
        if (m.spot != spot)
            continue;
        TPopupMenu* menu = FindChild<TPopupMenu>(m.menu);
        if (menu == nullptr)
            return false;
        if (spot == 1)
            FixtureListClub = Game.CurrentHumanClub;
        const TPoint at = BarMenuPlace(spot);
        menu->Popup(at.X, at.Y);
        return true;
    }
    return false;
}

void TForm13::PopupMenu7Popup()
{
    TMenuItem* cup = FindChild<TMenuItem>("mn_copa");
    TMenuItem* continental = FindChild<TMenuItem>("mn_lib");
    if (cup)
        cup->SetVisible(Game.nationalCupOn != 0);
    if (continental) {
        continental->SetVisible(Game.firstContinentalPairOn != 0);
        // The continental brackets exist once either cup reached its knockout stage.
        continental->SetEnabled(Game.FirstContinentalStage >= 4 || Game.SecondContinentalStage >= 4);
    }
}

void TForm13::PopupMenu1Popup()
{
    const int player = SelectedPlayer();
    const PlayerMenuState s = PlayerMenuOf(player, Game.CurrentHumanClub);
    ShowItem(FindChild<TMenuItem>("Alterarsalrio1"), true, s.contract);
    ShowItem(FindChild<TMenuItem>("Venderjogador1"), true, s.sell);
    ShowItem(FindChild<TMenuItem>("Aposentarjogador1"), true, s.retire);
    ShowItem(FindChild<TMenuItem>("CancelarEmprstimo1"), s.onLoanHere, true);
    ShowItem(FindChild<TMenuItem>("Comprarjogador1"), s.onLoanHere, s.buy);
    if (TMenuItem* offer = FindChild<TMenuItem>("Disponibilizarparaemprstimo1"))
        ShowItem(offer, s.offerLoanKeepsShown ? offer->Visible() : s.offerLoanShown, s.offerLoanEnabled);
    ShowItem(FindChild<TMenuItem>("Retirardoemprstimo1"), s.withdrawLoanShown, true);
}

void TForm13::OpenMenuEntry(const std::string& entry)
{
    const int player = SelectedPlayer();
    const int club = Game.CurrentHumanClub;
    if (entry == "Salvar") {
        THourglass hourglass;
        SaveGame();
        return;
    }
    if (entry == "Sairdojogo1") {
        Application->Terminate();
        return;
    }
    if (entry == "Sedemitir1") {
        Resign();
        return;
    }
    if (entry == "CancelarEmprstimo1" || entry == "Comprarjogador1") {
        if (TPlayer* p = PlayerAt(player); p == nullptr || p->loanStatus != 2)
            return;
        if (entry == "CancelarEmprstimo1")
            CancelLoan(player);
        else if (CanBuyLoanedPlayer(player))
            BuyLoanedPlayer(player);
        RefreshRosterGrid();
        RefreshHubHeader();
        return;
    }
    if (entry == "Disponibilizarparaemprstimo1" || entry == "Retirardoemprstimo1") {
        if (entry == "Disponibilizarparaemprstimo1")
            OfferPlayerForLoan(player);
        else
            WithdrawLoanOffer(player);
        if (gridview1)
            gridview1->Invalidate();
        return;
    }
    const auto it = ScreenOfEntry().find(entry);
    if (it == ScreenOfEntry().end())
        return;
    if (entry == "Venderjogador1") {
        SellSelectedPlayer();
        return;
    }
    if (entry == "mn_seutime")
        FixtureListClub = club;
    else if (entry == "mn_lib")
        BracketCompetition = 4;
    else if (entry == "MenuItem3")
        SelectedRecord = -1;
    else if (entry == "ltimascontrataesdetcnicos1")
        TransferListMode = 2;
    else if (entry == "RansfernciasJogadores1")
        TransferListMode = 1;
    else if (entry == "Histricocompletodejogos1")
        HeadToHeadClubs = {-1, -1};
    else if (entry == "Aposentarjogador1")
        RetiringPlayer = player;
    else if (entry == "Escolhernmero1")
        ShirtNumberPlayer = player;
    if (entry == "Alterarsalrio1" || entry == "HistricoJogos1" || entry == "Aposentarjogador1" ||
        entry == "Escolhernmero1") {
        OpenWithPlayer(it->second);
        return;
    }
    OpenFromHub(it->second);
}

void TForm13::OpenFromHub(const std::string& formClass)
{
    // The tables, histories, fixtures and brackets that take long to fill are built under the hourglass.
    static const std::set<std::string> slowToBuild = {"TForm36", "TForm29", "TForm20", "TForm63", "TForm35", "TForm71"};
    OpenScreenThen(formClass, slowToBuild.contains(formClass), [] { ShowOpenHubAsTheGameHolds(); });
}

void TForm13::SellSelectedPlayer()
{
    const int player = SelectedPlayer();
    if (player <= 0)
        return;
    SelectedRecord = player;
    ShowScreenModally("TForm44");
    CountAvailablePlayers(0, Game.CurrentHumanClub);
    // "afterwards btvender is disabled" is meant for the player offered. An auction started here has
    // ended before the sale screen's own loop: the roster was filled anew, its first row selected,
    // and that row's buttons set; disabled now, "vender" would belong to the player offered while
    // another is highlighted.
    if (SelectedPlayer() == player) {
        if (btvender)
            btvender->SetEnabled(false);
    } else {
        UpdatePlayerActions();
    }
    RefreshHubHeader();
}

void TForm13::Button4Click()
{
    const int player = SelectedPlayer();
    if (player <= 0)
        return;
    TakeOffSaleList(player);
    ShowSelectedRowPrice(player);
    if (Button4)
        Button4->Hide();
}

void TForm13::Resign()
{
    // The confirmation carries the resignation out itself, or says why it cannot be.
    ShowScreenModally("TForm65");
}

}  // namespace tarvelon
