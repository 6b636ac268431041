// The transfer market and club browser (TForm14).
#include "screens/club/transfer_market_screen.h"

#include <algorithm>

#include "controls/dc_smooth_panel.h"
#include "controls/grad_button.h"
#include "controls/progress_cyl.h"
#include "core/basics/literal_text.h"
#include "core/economy/market_deals.h"
#include "core/economy/table_access.h"
#include "core/format/images.h"
#include "core/format/money_format.h"
#include "core/format/screen_size.h"
#include "core/history/career_text.h"
#include "core/match/computer_lineups.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/views/hub_views.h"
#include "core/views/market_views.h"
#include "core/vocab/countries.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "richtext/html_label.h"
#include "richtext/html_markup.h"
#include "screens/club/confidence_bars.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/market_dialogs.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/market_art.h"
#include "screens/common/art/squad_icons.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"
#include "screens/history/player_career_screen.h"

namespace tarvelon {

namespace {

constexpr int kCustomCountry = 202;
constexpr TColor kOnLoanHereColor = 0x8000;

int HumanClub() { return Game.CurrentHumanClub; }

bool HumanSquadFull() { return !HasRoomForPlayer(HumanClub()); }

std::string Num(std::int64_t value) { return std::to_string(value); }

void ShowImage(TImage* image, const QImage& picture)
{
    if (image == nullptr)
        return;
    if (picture.isNull())
        image->Picture().Clear();
    else
        image->Picture().SetGraphic(std::make_unique<TImageGraphic>(picture, TImageFormat::Png));
}

void SetCellHint(TDataGrid& grid, const char* column, int row, const std::string& hint)
{
    if (TDgCustomColumn* c = grid.ColumnByName(column))
        grid.GetCell(c->Index(), row)->SetHint(hint);
}

void UseImages(TDataGrid& grid, const char* column, TCustomImageList* list)
{
    if (auto* c = dynamic_cast<TDgImageColumn*>(grid.ColumnByName(column)))
        c->SetImages(list);
}

}  // namespace

const TScreenRecord TForm14::kScreen{
    .formClass = "TForm14",
    .shows = "Mercado de transferências",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.closeOnEscape = true, .fillsWindow = true},
    .subject = [] { MarketClub = SubjectOtherClub(); },
    .create = NewScreen<TForm14>,
    .file = "screens/club/transfer_market_screen.cpp",
};

TForm14::TForm14(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandlers();
    ReadDescription();
    FindChildren();
}

void TForm14::BindHandlers()
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("FormPaint", [](TObject*) {});
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_RETURN) {
            key = 0;
            Close();
        }
    });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    BindHandler("DataGrid1SelectCell", [this](TObject*, int, int row) { DataGrid1SelectCell(row); });
    BindHandler("joglistSelectCell", [this](TObject*, int, int row) { joglistSelectCell(row); });
    BindHandler("joglistCellColoring", [this](TObject*, int, int row, TColor& cell, TColor&, TCellState state) {
        joglistCellColoring(row, cell, state.Contains(csSelected));
    });
    BindHandler("joglistCellFormating",
                [this](TObject*, int col, int row, TColor& text, TFontStyles&, TCellState) {
                    joglistCellFormating(col, row, text);
                });
    for (const char* handler : {"joglistDblClick", "Histricodejogos1Click", "GradButton2Click"})
        BindHandler(handler, [this](TObject*) { OpenCareerOfSelected(); });
    BindHandler("Image13Click", [this](TObject*) { SetCardView(false); });
    BindHandler("Image4Click", [this](TObject*) { SetCardView(true); });
    BindHandler("Label11Click", [this](TObject*) {
        if (!LinkActive(Label11)) return;
        RecordClub = MarketClub;
        OpenOver("TForm55");
    });
    BindHandler("Image3Click", [this](TObject*) {
        if (!LinkActive(Label12)) return;
        FixtureListClub = MarketClub;
        OpenOver("TForm18");
    });
    const auto transfers = [this](TObject*) {
        if (!LinkActive(Label26)) return;
        TransferListMode = 3;
        TransferListClub = MarketClub;
        OpenOver("TForm58");
    };
    BindHandler("Label26Click", transfers);
    BindHandler("Image5Click", transfers);
    const auto trophies = [this](TObject*) {
        if (!LinkActive(Label28)) return;
        TrophyCabinetClub = MarketClub;
        OpenOver("TForm74");
    };
    BindHandler("Label28Click", trophies);
    BindHandler("Image6Click", trophies);
    BindHandler("Label3Click", [this](TObject*) {
        if (Label3 == nullptr || Label3->Caption().empty())
            return;
        const TClub* club = IsClubIndex(MarketClub) ? &Clubs[MarketClub] : nullptr;
        SelectedRecord = club != nullptr ? club->coach : -1;
        OpenOver("TForm47");
    });
    BindHandler("bt1Click", [this](TObject*) { bt1Click(); });
    BindHandler("bt2Click", [this](TObject*) { bt2Click(); });
    BindHandler("bt4Click", [this](TObject*) { bt4Click(); });
}

void TForm14::FindChildren()
{
    DataGrid1 = FindChild<TDataGrid>("DataGrid1");
    joglist = FindChild<TDataGrid>("joglist");
    infojt = FindChild<TDcSmoothPanel>("infojt");
    Image1 = FindChild<TImage>("Image1");
    Image13 = FindChild<TImage>("Image13");
    Image4 = FindChild<TImage>("Image4");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    escudo = FindChild<TImage>("escudo");
    Label4 = FindChild<TLabel>("Label4");
    Label3 = FindChild<TLabel>("Label3");
    Label5 = FindChild<TLabel>("Label5");
    gp1 = FindConfidenceBar(*this, "gp1");
    gp2 = FindConfidenceBar(*this, "gp2");
    Label11 = FindChild<TLabel>("Label11");
    Label12 = FindChild<TLabel>("Label12");
    Label26 = FindChild<TLabel>("Label26");
    Label28 = FindChild<TLabel>("Label28");
    Image2 = FindChild<TImage>("Image2");
    Image3 = FindChild<TImage>("Image3");
    Image5 = FindChild<TImage>("Image5");
    Image6 = FindChild<TImage>("Image6");
    Image7 = FindChild<TImage>("Image7");
    Label22 = FindChild<TRichLabel>("Label22");
    Label27 = FindChild<TRichLabel>("Label27");
    bt1 = FindChild<TGradButton>("bt1");
    bt2 = FindChild<TGradButton>("bt2");
    bt3 = FindChild<TGradButton>("bt3");
    bt4 = FindChild<TGradButton>("bt4");
}

void TForm14::FormCreate()
{
    cardDetails_ = true;
    FillImageLists();
    for (TRichLabel* label : {Label22, Label27})
        label->SetTransparent(true);
    if (Image7)
        Image7->SetVisible(Game.playedCountry != kCustomCountry);
    for (TProgressCyl* bar : {gp1, gp2})
        PrepareConfidenceBar(*bar);
    barColour_ = ConfidenceColour(*gp1);
    FitToScreen();
    nameHeight_ = -Label4->Font().Height();
    // On a screen wider than the design's, grown or not, the confidence bars stand 24 pixels high.
    constexpr int kWideScreenBarHeight = 24;
    if (ScreenWidth() > DesignScreenWidth)
        for (TProgressCyl* bar : {gp1, gp2})
            SetConfidenceBarHeight(*bar, kWideScreenBarHeight);
    // The card's text grows with the form as the labels' fonts do.
    TFont& cardFont = infojt->Caption().HTMLFont();
    cardFont.SetHeight(ScaledLength(cardFont.Height()));
    // The career view's heading shows the goal and card icons.
    GiveCareerIcons(this, *infojt);
    // Grown or not, the market fills the whole window.
    SetBoundsRect(Screen->WorkAreaRect());
    BuildMarketTree();
    ListTeamPlayers();
    // After the first row's selection, which hides the message line: shown before filling the club,
    // as "when the user's squad has 28 or more players shows `Label27`" is placed, it would be hidden
    // again at once and the full squad never told.
    if (HumanSquadFull())
        ShowMessage("Você não pode adquirir mais jogadores pois já têm o limite de 28 no seu elenco");
}

void TForm14::FillImageLists()
{
    statusImages_ = new TCustomImageList(this);
    art::FillConditionImages(*statusImages_);
    statusImages_->Replace(2, statusImages_->Image(4));  // three yellow cards
    flagImages_ = new TCustomImageList(this);
    EnsureCountryFlags(*flagImages_);
    listingImages_ = new TCustomImageList(this);
    art::FillListingImages(*listingImages_);
    UseImages(*joglist, "status", statusImages_);
    UseImages(*joglist, "paisjog", flagImages_);
    UseImages(*joglist, "avenda", listingImages_);
    UseImages(*joglist, "colemp", listingImages_);
    ShowImage(Image13, art::Picture("icone_carreira"));
    ShowImage(Image4, art::Picture("icone_confronto"));
    for (TImage* link : {Image2, Image3, Image5, Image6})
        ShowImage(link, art::Picture("icone_confronto"));
}

void TForm14::BuildMarketTree()
{
    DataGrid1->BeginUpdate();
    DataGrid1->ClearRows();
    int parents[3] = {-1, -1, -1};
    for (const MarketTreeRow& entry : MarketTreeRows()) {
        const int parent = entry.level > 0 ? parents[entry.level - 1] : -1;
        const int row = parent < 0 ? DataGrid1->AddRow() : DataGrid1->AddChildRow(parent, true);
        parents[std::clamp(entry.level, 0, 2)] = row;
        DataGrid1->SetCellTextByName("treetree", row, entry.text);
        DataGrid1->SetCellTextByName("treeid", row, entry.club >= 0 ? Num(entry.club) : "");
    }
    for (int row = 0; row < DataGrid1->RowCount(); ++row)
        if (DataGrid1->RowChildCount(row) > 0)
            DataGrid1->SetExpanded(row, true);
    DataGrid1->EndUpdate();
}

void TForm14::DataGrid1SelectCell(int row)
{
    if (row < 0 || row >= DataGrid1->RowCount())
        return;
    const std::string id = DataGrid1->GetCellTextByName("treeid", row);
    if (id.empty())
        return;
    MarketClub = std::atoi(id.c_str());
    ListTeamPlayers();
    bt1->SetEnabled(false);
    bt2->SetEnabled(false);
}

void TForm14::ListTeamPlayers()
{
    const int club = MarketClub;
    if (!IsClubIndex(club))
        return;
    const TClub& c = Clubs[club];
    CountAvailablePlayers(0, club);
    SetLinksActive(FindLeagueByCountry(c.Country) != -1);
    joglist->BeginUpdate();
    joglist->ClearRows();
    for (int position = 0; position < 5; ++position)
        for (int player : PlayersOfClub(club))
            if (Players[player].Position == position)
                AddSquadRow(player);
    joglist->EndUpdate();
    ShowCash();
    ShowClubHeader(club);
    if (joglist->RowCount() > 0) {
        joglist->SetSelectedRow(0);
        joglistSelectCell(0);
    }
}

void TForm14::AddSquadRow(int player)
{
    const RosterRowView view = RosterRowOf(player);
    const TPlayer& p = Players[player];
    const int row = joglist->AddRow();
    const auto set = [this, row](const char* column, const std::string& text) {
        joglist->SetCellTextByName(column, row, text);
    };
    set("posicaojog", view.position);
    set("collado", view.side);
    set("id", Num(player));
    set("status", Num(MarketStatusIcon(player)));
    set("paisjog", Num(p.nationality));
    SetCellHint(*joglist, "paisjog", row,
                p.nationality >= 0 && p.nationality < static_cast<int>(CountryNames.size()) ? CountryNames[p.nationality] : "");
    set("nomejog", view.name);
    set("forca", Num(view.strength));
    set("energia", Num(view.energy) + "%");
    const std::int64_t price = MarketPriceOf(player);
    set("passe", FormatMoneyShort(price));
    SetCellHint(*joglist, "passe", row, FormatMoneyWords64(price));
    set("salario", view.wageText);
    set("idade", Num(view.age));
    set("gols", Num(p.careerGoals));
    set("habilidadejog", view.traits);
    SetCellHint(*joglist, "habilidadejog", row, view.bothTraitNames);
    set("avenda", Num(p.ListedForSale ? art::kListedForSaleImage : art::kNotListedImage));
    SetCellHint(*joglist, "avenda", row, p.ListedForSale ? "A venda" : "");
    set("colemp", Num(p.loanStatus == 1 ? art::kOfferedForLoanImage : art::kNotListedImage));
    SetCellHint(*joglist, "colemp", row, p.loanStatus == 1 ? "Disponível para empréstimo" : "");
}

void TForm14::ShowClubHeader(int club)
{
    const TClub& c = Clubs[club];
    const bool hasCoach = IsCoachIndex(c.coach) && !Coaches[c.coach].name.str().empty();
    Label3->SetCaption(CaptionLiteral(hasCoach ? Coaches[c.coach].name.str() : "(técnico interino)"));
    Label4->SetCaption(CaptionLiteral(c.name.str()));
    // A long name is written smaller, so that it and the flag after it end short of the confidence
    // bars.
    constexpr int kGap = 8;
    constexpr int kSmallestNameHeight = 12;
    const int flag = Image7 != nullptr && Image7->Visible() ? Image7->Width() + kGap : 0;
    FitCaption(*Label4, gp2->Left() - kGap - flag - Label4->Left(), nameHeight_, ScaledLength(kSmallestNameHeight));
    Label5->SetCaption(MarketDivisionText(club));
    const std::string crest = CrestPath(club);
    if (crest.empty() || !escudo->Picture().LoadFromFile(crest))
        escudo->Picture().Clear();
    // The bars wear their own colour, but for a club whose text colour is very light: its background
    // colour then. ("When the club's text colour has red and green bytes above 230 (a very light
    // colour), the two cylinder bars take the club's background colour as fore colour" never gives the
    // colour back: every club shown after a light one would wear that club's colour.)
    for (TProgressCyl* bar : {gp1, gp2})
        SetConfidenceColour(*bar, HasVeryLightTextColour(c) ? c.BackColor : barColour_);
    ShowConfidence(*gp1, c.boardConfidence);
    ShowConfidence(*gp2, c.SupportersMood);
    if (Image7 != nullptr) {
        const bool known = c.Country >= 0 && c.Country < static_cast<int>(CountryNames.size());
        ShowImage(Image7, known ? flagImages_->Image(c.Country) : QImage());
        Image7->SetHint(known ? CountryNames[c.Country] : "");
        Image7->SetLeft(Label4->Left() + Label4->Width() + kGap);
    }
}

// A link is its words and its icon: both show the hand cursor while it is active. An active link is
// enabled again: "plain cursor, no underline and disabled otherwise" alone would leave every link
// dead for good once a club without a played league had been shown.
void TForm14::SetLinkActive(TLabel* words, TImage* icon, bool active)
{
    words->SetCursor(active ? crHandPoint : crDefault);
    words->Font().SetStyle(active ? TFontStyles{fsUnderline} : TFontStyles{});
    words->SetEnabled(active);
    icon->SetCursor(active ? crHandPoint : crDefault);
}

void TForm14::SetLinksActive(bool active)
{
    SetLinkActive(Label11, Image2, active);
    SetLinkActive(Label12, Image3, active);
    SetLinkActive(Label26, Image5, active);
    SetLinkActive(Label28, Image6, active);
}

bool TForm14::SelectedRowShowsListedMark()
{
    const int row = joglist->SelectedRow();
    return row >= 0 && row < joglist->RowCount() &&
           joglist->GetCellTextByName("avenda", row) == Num(art::kListedForSaleImage);
}

bool TForm14::LinkActive(const TLabel* link) const { return link != nullptr && link->Cursor() == crHandPoint; }

int TForm14::SelectedPlayer()
{
    const int row = joglist->SelectedRow();
    if (row < 0 || row >= joglist->RowCount())
        return 0;
    return std::atoi(joglist->GetCellTextByName("id", row).c_str());
}

void TForm14::joglistSelectCell(int row)
{
    const int u = HumanClub();
    infojt->Show();
    if (row < 0 || row >= joglist->RowCount())
        return;
    const int player = std::atoi(joglist->GetCellTextByName("id", row).c_str());
    Image1->Show();
    // "if `MarketClub` is not u and u has fewer than 28 players, `bt1` and `bt2` are enabled" leaves
    // "Fazer uma oferta" as it was for a full squad: after the purchase that fills it the button would
    // stay enabled for every row. It follows the row, as the other two do.
    bt2->SetEnabled(CanBidFor(player, u));
    ShowPlayerCard(player);
    bt1->SetEnabled(CanBuyListedPlayer(player, u));
    bt4->SetEnabled(CanBorrow(player, u));
    Label27->Hide();
}

void TForm14::ShowPlayerCard(int player)
{
    if (!IsPlayerIndex(player))
        return;
    const std::string card =
        cardDetails_ ? MarketCardText(player) : MarketCardHeader(player) + PlayerCareerText(player, 0).text;
    // The card's font grows with the form (FormCreate): its columns grow with it.
    infojt->Caption().SetHTMLText(markup::ScaleIndents(card, [this](int x) { return ScaledLength(x); }));
    const int nationality = Players[player].nationality;
    ShowImage(Image1, nationality >= 0 && nationality < flagImages_->Count() ? flagImages_->Image(nationality) : QImage());
    // The card's own word on "Comprar" (the last one after a change of the card's view).
    bt1->SetEnabled(CardAllowsPurchase(player, HumanClub(), MarketClub, SelectedRowShowsListedMark()));
    const bool leagueClub = MarketClub < Game.LeagueClubCount;
    SetLinkActive(Label11, Image2, leagueClub);
    SetLinkActive(Label12, Image3, leagueClub);
}

void TForm14::SetCardView(bool details)
{
    cardDetails_ = details;
    ShowPlayerCard(SelectedPlayer());
    Image13->SetVisible(details);
    Image4->SetVisible(!details);
}

void TForm14::joglistCellColoring(int row, TColor& cellColor, bool selected)
{
    if (!selected)
        cellColor = AlternateRowColor(row + 1);
}

void TForm14::joglistCellFormating(int col, int row, TColor& textColor)
{
    const TDgCustomColumn* name = joglist->ColumnByName("nomejog");
    if (name == nullptr || name->Index() != col)
        return;
    const int player = std::atoi(joglist->GetCellTextByName("id", row).c_str());
    if (IsPlayerIndex(player) && Players[player].loanStatus == 2)
        textColor = kOnLoanHereColor;
}

void TForm14::ShowMessage(const std::string& text)
{
    Label27->SetHTMLText(MarkupLiteral(text));
    Label27->Show();
}

// The message line speaks of the deal now begun only. A purchase leaves "Jogador comprado com
// sucesso." on it and the selection falls on a neighbour row without a cell selection, which alone
// hides the line: a bid or a loan refused next would still read as a purchase made.
void TForm14::StartDeal() { Label27->Hide(); }

void TForm14::ShowCash()
{
    const TClub* own = IsClubIndex(HumanClub()) ? &Clubs[HumanClub()] : nullptr;
    Label22->SetHTMLText(own ? FormatMoneyWords64(CurrencyUnits(own->cash)) : "");
}

void TForm14::OpenOver(const std::string& formClass) { ShowModalOver(this, formClass); }

void TForm14::OpenCareerOfSelected()
{
    const int player = SelectedPlayer();
    if (player <= 0)
        return;
    SelectedRecord = player;
    OpenOver("TForm16");
}

void TForm14::bt1Click()
{
    StartDeal();
    const int player = SelectedPlayer();
    // Checked again: the price paid is the asking price, against today's cash and the squad limit.
    // The rule reads "The buy button does not check the cash again: its enabling rule (asking price
    // at most the user's cash) is the guard", but the card's own rule, the last word after a change of
    // the card's view, enables "Comprar" by the player's value: unchecked, a listed player asking more
    // than the cash would be bought into debt. A purchase refused here disables the button.
    const PurchaseOutcome outcome = BuyListedPlayer(player, HumanClub());
    if (outcome == PurchaseOutcome::Bought) {
        RemoveSelectedRow();
        bt1->SetEnabled(false);
        bt4->SetEnabled(false);
        AfterPurchase();
    } else if (outcome == PurchaseOutcome::WageDemand) {
        OpenOver("TForm61");
    } else {
        bt1->SetEnabled(false);
    }
    ShowCash();
    RefreshOpenHub();
}

void TForm14::bt2Click()
{
    StartDeal();
    const int player = SelectedPlayer();
    if (!CanBidFor(player, HumanClub())) {
        bt2->SetEnabled(false);
        return;
    }
    StartBid(Deal, player, MarketClub);
    OpenOver("TForm60");
    if (HumanSquadFull())
        bt2->SetEnabled(false);
}

void TForm14::bt4Click()
{
    StartDeal();
    const int player = SelectedPlayer();
    switch (BorrowPlayer(player, HumanClub())) {
    case LoanOutcome::LimitReached:
        ShowMessage("Você pode ter no máximo 2 jogadores emprestados no seu time.");
        return;
    case LoanOutcome::Refused:
        ShowMessage(Players[player].Name.str() + " não demonstrou interesse em jogar, por empréstimo, no seu modesto time.");
        return;
    case LoanOutcome::NotAllowed:
        bt4->SetEnabled(false);
        return;
    case LoanOutcome::Borrowed:
        break;
    }
    RemoveSelectedRow();
    bt1->SetEnabled(false);
    bt4->SetEnabled(false);
    RefreshOpenHub();
    ShowCash();
}

// The row of a player who joined the human club goes; the selection falls on a neighbour row, and
// the card and "Fazer uma oferta" follow it rather than keep speaking of the player who left.
void TForm14::RemoveSelectedRow()
{
    joglist->DeleteRow(joglist->SelectedRow());
    const int player = SelectedPlayer();
    if (!IsPlayerIndex(player)) {
        infojt->Hide();
        Image1->Hide();
        bt2->SetEnabled(false);
        return;
    }
    ShowPlayerCard(player);
    bt2->SetEnabled(CanBidFor(player, HumanClub()));
}

// "Comprar" bought the player at his asking price: the market and the hub show it.
void TForm14::AfterPurchase()
{
    ShowCash();
    ShowMessage("Jogador comprado com sucesso.");
    RefreshOpenHub();
}

void TForm14::ShowPlayerJoined(bool announce)
{
    ListTeamPlayers();
    RefreshOpenHub();
    if (announce)
        ShowMessage("Jogador comprado com sucesso.");
}

}  // namespace tarvelon
