// The national-team call-up (TForm77).
#include "screens/club/call_up_screen.h"

#include <algorithm>
#include <string>

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/economy/table_access.h"
#include "core/format/images.h"
#include "core/matchday_rules/national_call_up.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/art/squad_icons.h"
#include "screens/common/player_filters.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

int CallUpNationEntry = -1;

namespace {

constexpr int kStarImage = 12;  // the star alone among the condition icons

void FillItems(TComboBox* combo, std::initializer_list<const char*> items, int chosen)
{
    if (!combo)
        return;
    combo->Items().Clear();
    for (const char* item : items)
        combo->Items().Add(item);
    combo->SetItemIndex(chosen);
}

// The national team called up: the human national team CallUpTeam when there is one, else the
// entry its opener named.
int CalledUpEntry()
{
    if (CallUpTeam >= 1 && CallUpTeam <= std::min(Game.HumanNationCount, 6)) {
        const int entry = Game.HumanNations[CallUpTeam - 1];
        if (IsClubIndex(entry))
            return entry;
    }
    return CallUpNationEntry;
}

}  // namespace

const TScreenRecord TForm77::kScreen{
    .formClass = "TForm77",
    .shows = "Busca de jogadores para convocação",
    .area = TScreenArea::Club,
    .modal = true,
    .subject = [] {
        CallUpNationEntry = NationalTeams.empty() ? -1 : NationalTeams.front().clubEntry;
        for (const TNationalTeam& team : NationalTeams)
            if (team.country == CountryBrazil)
                CallUpNationEntry = team.clubEntry;
    },
    .create = NewScreen<TForm77>,
    .file = "screens/club/call_up_screen.cpp",
};

TForm77::TForm77(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("GradButton3Click", [this](TObject*) { GradButton3Click(); });
    BindHandler("gfindSelectCell", [this](TObject*, int, int row) { gfindSelectCell(row); });
    BindHandler("GradButton1Click", [this](TObject*) { GradButton1Click(); });
    BindHandler("gselSelectCell", [this](TObject*, int, int row) { gselSelectCell(row); });
    BindHandler("GradButton2Click", [this](TObject*) { GradButton2Click(); });
    BindHandler("bt2Click", [this](TObject*) { bt2Click(); });
    ReadDescription();
    FindFilterChoosers(*this);
    GradButton1 = FindChild<TGradButton>("GradButton1");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    GradButton3 = FindChild<TGradButton>("GradButton3");
    bt2 = FindChild<TGradButton>("bt2");
    gfind = FindChild<TDataGrid>("gfind");
    gsel = FindChild<TDataGrid>("gsel");
    Label9 = FindChild<TLabel>("Label9");
    Label10 = FindChild<TLabel>("Label10");
    Label15 = FindChild<TLabel>("Label15");
    Label16 = FindChild<TLabel>("Label16");
    escudo = FindChild<TImage>("escudo");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
}

void TForm77::FormCreate()
{
    entry_ = CalledUpEntry();
    FillFilters();
    if (ImageList1) {
        art::FillConditionImages(*ImageList1);
        for (auto [grid, column] : {std::pair{gfind, "colimg"}, std::pair{gsel, "colimg2"}})
            if (auto* images = dynamic_cast<TDgImageColumn*>(grid ? grid->ColumnByName(column) : nullptr))
                images->SetImages(ImageList1);
    }
    for (TDataGrid* grid : {gfind, gsel})
        if (grid) ColourRowsAlternately(*grid, false);
    if (IsClubIndex(entry_)) {
        if (Label16) Label16->SetCaption(CaptionLiteral(Clubs[entry_].name.str()));
        const std::string crest = CrestPath(entry_);
        if (escudo && !crest.empty()) escudo->Picture().LoadFromFile(crest);
    }
    ShowCounters();
}

void TForm77::FillFilters()
{
    FillItems(c2, {"Goleiro", "Lateral", "Zagueiro", "Meio Campo", "Atacante", "Qualquer"}, kAnyPosition);
    FillItems(c1, {"1..10", "11..30", "31..50", "51..100", "Qualquer"}, kAnyStrength);
    FillItems(c3, {"16..25", "26..36", "37>", "Qualquer"}, kAnyAge);
    FillItems(c4, {"1 mil => 100 mil", "101 mil => 500 mil", "501 mil => 1 milhão ", "1 milhão => 3 milhões",
                   "3 milhões => 5 milhões", "5 milhões => 10 milhões", "mais 10 milhões", "Qualquer"},
              kAnyValue);
    FillTraitChoosers();
}

void TForm77::AddPlayerRow(TDataGrid& grid, int player, bool withClub)
{
    const SearchRowView view = SearchRowOf(player);
    const std::string suffix = withClub ? "" : "2";
    const int row = grid.AddRow();
    grid.SetCellTextByName("colimg" + suffix, row, view.starImage == 1 ? std::to_string(kStarImage) : "-1");
    grid.SetCellTextByName("colposicao" + suffix, row, view.position.substr(0, 1));
    SetPlayerCells(grid, row, view, suffix);
    if (withClub)
        SetClubAndTraitCells(grid, row, view);
}

void TForm77::GradButton3Click()
{
    if (!gfind || !Label9)
        return;
    PlayerSearchFilters filters;
    ReadFilters(filters);
    const int country = IsClubIndex(entry_) ? Clubs[entry_].Country : -1;
    ListFoundPlayers(*gfind, *Label9, [&] { return SearchCallUpPlayers(country, filters); },
                     [this](int player) { AddPlayerRow(*gfind, player, true); });
}

void TForm77::gfindSelectCell(int row)
{
    if (GradButton1 && gfind)
        GradButton1->SetEnabled(squad_.CanAdd(CellInt(*gfind, "colid", row, -1)));
}

void TForm77::GradButton1Click()
{
    if (!gfind || !gsel)
        return;
    const int player = CellInt(*gfind, "colid", gfind->SelectedRow(), -1);
    if (!squad_.Add(player))
        return;
    AddPlayerRow(*gsel, player, false);
    ShowCounters();
}

void TForm77::gselSelectCell(int row)
{
    if (GradButton2 && gsel)
        GradButton2->SetEnabled(row >= 0 && row < gsel->RowCount());
}

void TForm77::GradButton2Click()
{
    if (!gsel)
        return;
    const int row = gsel->SelectedRow();
    if (row < 0 || row >= gsel->RowCount() || !squad_.Remove(CellInt(*gsel, "colid2", row, -1)))
        return;
    gsel->DeleteRow(row);
    ShowCounters();
}

void TForm77::ShowCounters()
{
    if (Label10) Label10->SetCaption(std::to_string(squad_.Goalkeepers()));
    if (Label15) Label15->SetCaption(std::to_string(squad_.Outfield()));
    if (bt2) bt2->SetEnabled(squad_.Complete());
}

void TForm77::bt2Click()
{
    if (!squad_.Complete() || !IsClubIndex(entry_))
        return;
    CommitNationalCallUp(entry_, squad_.Players());
    RefreshOpenHub();
    Close();
}

void ShowNationalCallUpOnScreen(int team)
{
    if (team < 1 || team > 6)
        return;
    CallUpTeam = team;
    if (TGameForm* callUp = CreateScreen("TForm77", Application))
        callUp->ShowModal();
}

}  // namespace tarvelon
