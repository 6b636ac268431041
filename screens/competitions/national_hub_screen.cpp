#include "screens/competitions/national_hub_screen.h"

#include <algorithm>

#include "controls/dc_glow_button.h"
#include "core/basics/literal_text.h"
#include "core/format/images.h"
#include "core/format/screen_size.h"
#include "core/lineup/hub_turns.h"
#include "core/lineup/lineup_board.h"
#include "core/persist/saved_game.h"
#include "core/records/game_state.h"
#include "core/records/session_globals.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "core/views/hub_views.h"
#include "core/views/national_tournament.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "core/match/computer_lineups.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/menus.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/squad_icons.h"
#include "screens/common/form_references.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/navigator.h"
#include "screens/common/queued_call.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/lineup_screen.h"

namespace tarvelon {

namespace {

constexpr int kFirstSeasonYear = 2009;
const char* const kStatusAvailable = "10";
const char* const kStatusUnavailable = "11";

void ShowPicture(TImage* image, const QImage& picture)
{
    if (image != nullptr && !picture.isNull())
        image->Picture().SetGraphic(std::make_unique<TImageGraphic>(picture, TImageFormat::Png));
}

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

void SetCellHint(TDataGrid& grid, const char* column, int row, const std::string& hint)
{
    if (TDgCustomColumn* c = grid.ColumnByName(column))
        grid.GetCell(c->Index(), row)->SetHint(hint);
}

}  // namespace

const TScreenRecord TForm75::kScreen{
    .formClass = "TForm75",
    .shows = "Central da seleção",
    .area = TScreenArea::Competitions,
    .modal = false,
    .style = {.background = TBackground::Builder, .swallowAltF4 = true, .fillsWindow = true},
    .create = NewScreen<TForm75>,
    .file = "screens/competitions/national_hub_screen.cpp",
};

TForm75::TForm75(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) { FormKeyDown(key); });
    BindHandler("Label4Click", [this](TObject*) { OpenScreen("TForm78"); });
    BindHandler("Label13Click", [this](TObject*) { OpenOptionsMenu(); });
    BindHandler("Shape8MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) { Quit(); });
    BindHandler("gridview1CellColoring", [this](TObject*, int, int row, TColor& cell, TColor&, TCellState state) {
        if (!state.Contains(csSelected))
            cell = AlternateRowColor(row + 1);
    });
    BindHandler("gridview1CellClick", [this](TObject*, int col, int row) { gridview1CellClick(col, row); });
    BindHandler("gridview1SelectCell", [this](TObject*, int, int row) { OfferRolesOfRow(row); });
    BindHandler("btjogarClick", [this](TObject*) { btjogarClick(); });
    BindHandler("SalvarClick", [](TObject*) {
        THourglass hourglass;
        SaveGame();
    });
    BindHandler("opcoesClick", [](TObject*) { OpenScreen("TForm32"); });
    BindHandler("Sairdojogo1Click", [this](TObject*) { Quit(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label3 = FindChild<TLabel>("Label3");
    Label4 = FindChild<TLabel>("Label4");
    Label5 = FindChild<TLabel>("Label5");
    Label6 = FindChild<TLabel>("Label6");
    Label13 = FindChild<TLabel>("Label13");
    Label21 = FindChild<TLabel>("Label21");
    Label22 = FindChild<TLabel>("Label22");
    Image1 = FindChild<TImage>("Image1");
    Image9 = FindChild<TImage>("Image9");
    Image2 = FindChild<TImage>("Image2");
    escudo = FindChild<TImage>("escudo");
    thumb1 = FindChild<TImage>("thumb1");
    thumb2 = FindChild<TImage>("thumb2");
    Panel1 = FindChild<TPanel>("Panel1");
    Shape8 = FindChild<TShape>("Shape8");
    gridview1 = FindChild<TDataGrid>("gridview1");
    btjogar = FindChild<TDcGlowButton>("btjogar");
    PopupMenu2 = FindChild<TPopupMenu>("PopupMenu2");
}

void TForm75::FormCreate()
{
    const int kind = Game.DayKind;
    ShowPicture(Image1, art::Picture("tr_mundial"));
    ShowPicture(Image9, art::Picture(kind == kKindCopaAmerica ? "tr_lib" : "tr_cl"));
    ShowPicture(thumb1, art::Picture("icone_confronto"));
    ShowPicture(thumb2, art::Picture("icone_carreira"));
    if (kind > kKindWorldCup) {
        Image1->SetVisible(false);
        Image9->SetVisible(true);
        Image9->SetLeft(ScaledLength(14));
    }
    FillImageLists();
    FitToScreen();
    SetBoundsRect(Screen->WorkAreaRect());  // the hub fills the screen; a larger screen grows its controls
    WidenColumnsOnLargerScreens();
    NationalHubSlot = 1;
    const int served = NextServedNation(1);
    if (served > 0) {
        NationalHubSlot = served;
        Game.coachedNationalTeam = Game.HumanNations[served - 1];
    }
    RefreshNationalHub();
    Autosave();
    // A nation knocked out keeps the hub until "Escalar Time"; a tournament day of a game whose
    // coaches lead no national team at all has nothing to show, and goes on without this hub.
    if (Game.HumanNationCount <= 0 && IsNationalTournamentKind(Game.DayKind))
        RunQueued([] {
            if (auto* hub = dynamic_cast<TForm75*>(Form75.Get()))
                hub->KickOff();
        });
}

// Screens larger than 800 x 600 ask for these widths (pixels of the design, at the form's scale).
void TForm75::WidenColumnsOnLargerScreens()
{
    if (GetScreenSizeClass() <= 1)
        return;
    static constexpr TColumnWidth kWidths[] = {{"nome", 100}, {"gols", 30}, {"funcaojog", 70}, {"energia", 80}, {"habilidades", 55}};
    WidenColumnsAtScale(*this, *gridview1, kWidths);
}

void TForm75::FillImageLists()
{
    auto use = [this](const char* column, const char* listName, void (*fill)(TImageList&)) {
        auto* list = FindChild<TCustomImageList>(listName);
        if (list == nullptr)
            return;
        fill(*list);
        if (auto* c = dynamic_cast<TDgImageColumn*>(gridview1->ColumnByName(column)))
            c->SetImages(list);
    };
    use("status", "ImageList5", art::FillNationalStatusImages);
    use("condicao", "ImageList2", art::FillConditionImages);
    use("moral", "ImageList1", art::FillMoraleImages);
}

void TForm75::RefreshNationalHub()
{
    RefreshNationalSquadGrid();
    int side = 0;
    int key = 0;
    NextOpponent = -1;
    FindNextOpponent(Game.coachedNationalTeam, NextOpponent, side, key);
    RefreshNationalHubHeader();
    CountAvailablePlayers(0, Game.coachedNationalTeam);
}

void TForm75::RefreshNationalHubHeader()
{
    const int kind = Game.DayKind;
    const int team = Game.coachedNationalTeam;
    const int host = TournamentHostCountry(kind);
    if (host >= 0)
        ShowPicture(Image2, art::CountryFlagIcon(host));
    Label5->SetCaption((host >= 0 && host < static_cast<int>(CountryNames.size()) ? std::string(CountryNames[host]) + " " : std::string()) +
                       std::to_string(Game.Season + kFirstSeasonYear));
    if (kind == kKindCopaAmerica)
        Label6->SetCaption("Copa América");
    else if (kind == kKindEurocopa)
        Label6->SetCaption("Eurocopa");
    Label21->SetCaption(CaptionLiteral(IsClub(NextOpponent) ? Clubs[NextOpponent].name.str() : ""));
    const std::string stage = NationalStageText(kind, Game.TournamentStage, team);
    if (!stage.empty())
        Label22->SetCaption(stage);
    if (!IsClub(team))
        return;
    const TClub& nation = Clubs[static_cast<std::size_t>(team)];
    Label1->SetCaption(CaptionLiteral(nation.name.str()));
    Label3->SetCaption(CaptionLiteral(nation.coach >= 0 && nation.coach < static_cast<int>(Coaches.size())
                           ? Coaches[static_cast<std::size_t>(nation.coach)].name.str()
                           : ""));
    const std::string crest = CrestPath(team);
    if (!crest.empty())
        escudo->Picture().LoadFromFile(crest);
    Panel1->SetColor(nation.BackColor);
    for (const char* name : {"Label1", "Label2", "Label12", "Label3", "Label20", "Label21", "Label22"})
        if (auto* label = FindChild<TLabel>(name))
            label->Font().SetColor(nation.TextColor);
}

void TForm75::RefreshNationalSquadGrid()
{
    gridview1->BeginUpdate();
    gridview1->ClearRows();
    for (int player : SquadInListOrder(Game.coachedNationalTeam))
        AddSquadRow(player);
    gridview1->EndUpdate();
}

void TForm75::AddSquadRow(int player)
{
    const RosterRowView view = RosterRowOf(player);
    const TPlayer& p = Players[static_cast<std::size_t>(player)];
    gridview1->AddRow();
    const int row = gridview1->RowCount() - 1;
    auto set = [this, row](const char* column, const std::string& text) { gridview1->SetCellTextByName(column, row, text); };
    std::string status = kStatusAvailable;
    if (Game.KeepLineup && p.LineupStatus == 1)
        status = "9";
    else if (Game.KeepLineup && p.LineupStatus == 2)
        status = "13";
    if (view.colstatus == "3")
        status = kStatusUnavailable;
    set("id", std::to_string(player));
    set("status", status);
    set("posicaojog", view.position);
    set("nome", view.name);
    set("funcaojog", PlayerRoleNames[static_cast<std::size_t>(std::clamp(p.Position, 0, PositionCount - 1))]
                               [static_cast<std::size_t>(std::clamp(p.Role, 0, 4))]);
    set("forca", std::to_string(view.strength));
    set("energia", std::to_string(view.energy));
    // "G" stays blank: the club hub's season goals are not the tournament's, and a column of
    // zeros would tell the coach that his scorers never scored.
    set("habilidades", view.traits);
    SetCellHint(*gridview1, "habilidades", row, view.bothTraitNames);
    set("idade", std::to_string(view.age));
    set("moral", std::to_string(view.moraleImage));
    set("condicao", view.condition ? std::to_string(view.condition) : "");
}

// The status column toggles the shirt mark of an available player; the role column's drop-down
// offers the roles of the row's position. Both are display only: the players keep their roles.
void TForm75::gridview1CellClick(int col, int row)
{
    if (row < 0 || row >= gridview1->RowCount())
        return;
    const TDgCustomColumn* status = gridview1->ColumnByName("status");
    const TDgCustomColumn* role = gridview1->ColumnByName("funcaojog");
    if (status != nullptr && col == status->Index())
        ToggleShirtMark(row);
    else if (role != nullptr && col == role->Index())
        OfferRolesOfRow(row);
}

// The role drop-down lists the roles of the row's position (also for a row reached with the keys,
// where a typed letter opens it).
void TForm75::OfferRolesOfRow(int row)
{
    auto* role = dynamic_cast<TDgComboBoxColumn*>(gridview1->ColumnByName("funcaojog"));
    if (role != nullptr && row >= 0 && row < gridview1->RowCount())
        role->Items().Assign(RoleChoicesOfPositionLetter(gridview1->GetCellTextByName("posicaojog", std::to_string(row))));
}

void TForm75::ToggleShirtMark(int row)
{
    const std::string now = gridview1->GetCellTextByName("status", std::to_string(row));
    if (now == kStatusUnavailable)
        return;
    gridview1->SetCellTextByName("status", row, now == "9" ? "10" : "9");
}

void TForm75::FormKeyDown(unsigned short& key)
{
    if (key == VK_F2) {
        key = 0;
        SaveGame();
    } else if (key == VK_F3) {
        key = 0;
        OpenScreen("TForm32");
    }
}

void TForm75::OpenOptionsMenu()
{
    const TPoint at = thumb2->ClientToScreen(TPoint{0, thumb2->Height()});
    PopupMenu2->Popup(at.X, at.Y);
}

// The line-up screen stays beside the hub (not modal). A click on the hub puts the hub over it: a
// second press brings the same line-up back to the front rather than opening another.
void TForm75::btjogarClick()
{
    if (TGameForm* lineup = Form87.Get()) {
        lineup->Show();
        return;
    }
    if (!IsClub(Game.coachedNationalTeam))
        return;
    Game.CurrentHumanClub = Game.coachedNationalTeam;
    OpenNationalLineup(this, [] {
        if (auto* hub = dynamic_cast<TForm75*>(Form75.Get()))
            hub->NextHumanNationOrKickOff();
    });
}

void TForm75::CloseLineup()
{
    if (TGameForm* lineup = Form87.Get())
        lineup->Close();
    NationalTeamMatch = false;
}

// Every nation passed over becomes the coached one in turn: after the last coach the field holds
// the last nation of the list.
void TForm75::NextHumanNationOrKickOff()
{
    const int count = std::min(Game.HumanNationCount, 6);
    while (NationalHubSlot < count) {
        ++NationalHubSlot;
        Game.coachedNationalTeam = Game.HumanNations[NationalHubSlot - 1];
        if (NationStillInTournament(Game.coachedNationalTeam)) {
            RefreshNationalHub();
            CloseLineup();
            return;
        }
    }
    KickOff();
}

void TForm75::KickOff()
{
    THourglass hourglass;
    KickOffMatchday();
    CloseLineup();
    OpenScreen("TForm46");
    Close();
}

void TForm75::Autosave()
{
    if (SeasonStartPending)
        return;
    AutosaveCounter += 1;
    if (!((Game.autosave == 1 && AutosaveCounter == 3) || Game.autosave == 2))
        return;
    SaveGame();
    AutosaveCounter = 0;
}

void TForm75::Quit()
{
    if (Form1)
        Form1->Close();
    else
        Application->Terminate();
}

}  // namespace tarvelon
