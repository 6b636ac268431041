// The player search (TForm27).
#include "screens/club/player_search_screen.h"

#include "controls/grad_button.h"
#include "core/tables.h"
#include "core/views/player_search.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/market_dialogs.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/list_art.h"
#include "screens/common/art/squad_icons.h"
#include "screens/common/player_filters.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

// The images of the star and for-sale columns: 0 none, 1 star, 2 listed, 3 not listed.
constexpr int kStarConditionImage = 12;

}  // namespace

const TScreenRecord TForm27::kScreen{
    .formClass = "TForm27",
    .shows = "Busca de jogadores",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.closeOnEscape = true},
    .create = NewScreen<TForm27>,
    .file = "screens/club/player_search_screen.cpp",
};

TForm27::TForm27(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("button2Click", [this](TObject*) { Search(); });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    BindHandler("gfindHeaderClick", [this](TObject*, int col) { gfindHeaderClick(col); });
    BindHandler("gfindDblClick", [this](TObject*, int, int row) { gfindDblClick(row); });
    ReadDescription();
    ckpais = FindChild<TCheckBox>("ckpais");
    combopais = FindChild<TComboBoxEx>("combopais");
    FindFilterChoosers(*this);
    c7 = FindChild<TComboBoxEx>("c7");
    ckavenda = FindChild<TCheckBox>("ckavenda");
    ckemp = FindChild<TCheckBox>("ckemp");
    button2 = FindChild<TGradButton>("button2");
    Label9 = FindChild<TLabel>("Label9");
    gfind = FindChild<TDataGrid>("gfind");
    flags = FindChild<TCustomImageList>("flags");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
}

void TForm27::FormCreate()
{
    ColourRowsAlternately(*gfind, false);
    FillMarkImages();
    FillChoosers();
    if (Game.playedCountry == kCustomChampionshipCountry) {
        ckpais->SetVisible(false);
        combopais->SetVisible(false);
        ckestrela->SetLeft(ckpais->Left());
        ckestrela->SetTop(ckpais->Top());
    } else {
        FillLeagueChooser(*combopais, *flags, 29);
    }
}

void TForm27::FillChoosers()
{
    c2->SetItemIndex(kAnyPosition);
    c1->SetItemIndex(0);
    c3->SetItemIndex(kAnyAge);
    c4->SetItemIndex(kAnyValue);
    FillTraitChoosers();
    EnsureCountryFlags(*flags);
    c7->SetImages(flags);
    c7->Items().Clear();
    for (int country = 0; country < kAnyNationality; ++country)
        c7->AddItem(CountryNames[country], country);
    c7->AddItem("Qualquer", -1);
    c7->SetItemIndex(kAnyNationality);
}

void TForm27::FillMarkImages()
{
    ImageList1->Clear();
    ImageList1->SetSize(16, 16);
    TCustomImageList conditions(nullptr);
    art::FillConditionImages(conditions);
    QImage blank(16, 16, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    ImageList1->AddImage(blank);
    ImageList1->AddImage(conditions.Image(kStarConditionImage).scaled(16, 16));
    ImageList1->AddImage(art::Picture("tick1"));
    ImageList1->AddImage(art::Picture("tick0"));
    for (const char* column : {"colimg", "colavenda"})
        if (auto* c = dynamic_cast<TDgImageColumn*>(gfind->ColumnByName(column)))
            c->SetImages(ImageList1);
    if (auto* c = dynamic_cast<TDgImageColumn*>(gfind->ColumnByName("colpais")))
        c->SetImages(flags);
}

PlayerSearchFilters TForm27::Filters() const
{
    PlayerSearchFilters f;
    f.clubCountry = SearchClubCountry(ckpais->Checked(), combopais->ItemIndex());
    ReadFilters(f);
    f.nationality = c7->ItemIndex() >= 0 ? c7->ItemIndex() : kAnyNationality;
    f.forSaleOnly = ckavenda->Checked();
    f.loanOnly = ckemp->Checked();
    return f;
}

void TForm27::Search()
{
    const PlayerSearchFilters filters = Filters();
    ListFoundPlayers(*gfind, *Label9, [&filters] { return SearchPlayers(filters); },
                     [this](int player) { AddFoundRow(player); });
}

void TForm27::AddFoundRow(int player) { FillFoundRow(gfind->AddRow(), player); }

void TForm27::FillFoundRow(int row, int player)
{
    const SearchRowView v = SearchRowOf(player);
    auto set = [this, row](const char* column, const std::string& text) { gfind->SetCellTextByName(column, row, text); };
    set("colpais", std::to_string(v.nationality));
    SetCellHint(*gfind, "colpais", row,
                v.nationality >= 0 && v.nationality < static_cast<int>(CountryNames.size()) ? CountryNames[v.nationality] : "");
    set("colimg", std::to_string(v.starImage));
    set("colposicao", v.position);
    SetPlayerCells(*gfind, row, v);
    SetClubAndTraitCells(*gfind, row, v);
    set("colsalario", v.wage);
    set("colpasse", v.value);
    set("colavenda", std::to_string(v.forSaleImage));
    set("colvalortmp", std::to_string(v.valueUnits));
}

// The "Passe" header sorts by the value itself, the other way round on each click.
void TForm27::gfindHeaderClick(int col)
{
    TDgCustomColumn* passe = gfind->ColumnByName("colpasse");
    if (!passe || passe->Index() != col)
        return;
    ascending_ = !ascending_;
    gfind->SortColumn(gfind->ColumnByName("colvalortmp"), ascending_);
}

void TForm27::gfindDblClick(int row)
{
    if (gfind->RowCount() == 0 || row < 0)
        return;
    const int player = CellInt(*gfind, "colid", row, 0);
    if (player < 1 || player >= static_cast<int>(Players.size()))
        return;
    MarketClub = Players[player].Club;
    ShowModalOver(this, "TForm14");
    ShowFoundPlayersAnew();
}

// A deal in the market may have moved a found player: his row shows his club, price and listing as
// they are now (the list itself stays the search's until the next "Procurar").
void TForm27::ShowFoundPlayersAnew()
{
    for (int row = 0; row < gfind->RowCount(); ++row)
        FillFoundRow(row, CellInt(*gfind, "colid", row, 0));
    gfind->Invalidate();
}

}  // namespace tarvelon
