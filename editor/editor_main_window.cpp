// The team editor's main window (TForm3): the team lists, the shown team and its squad.
#include "editor/editor_main_window.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "editor/editor_dialog_parts.h"
#include "editor/editor_icons.h"
#include "editor/loading_screen.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

TFormRef<TGameForm> Form3;

namespace {

constexpr int kBrazil = CountryBrazil;

std::string CountryName(int country)
{
    return country >= 0 && country < static_cast<int>(CountryNames.size()) ? CountryNames[static_cast<std::size_t>(country)]
                                                                            : "";
}

int CellInt(TDataGrid* grid, const std::string& column, int row)
{
    try {
        return std::stoi(grid->GetCellTextByName(column, row));
    } catch (...) {
        return -1;
    }
}

int ColumnIndex(TDataGrid* grid, const std::string& name)
{
    const TDgCustomColumn* column = grid->ColumnByName(name);
    return column ? column->Index() : -1;
}

void ShowWriteFailure(const std::string& what)
{
    MessageBox(std::string(kFileWriteErrorText) + " " + what, "Editor de Equipes", MB_OK | MB_ICONERROR);
}

}  // namespace

const TScreenRecord TForm3::kScreen{
    .formClass = "TForm3",
    .shows = "Editor de equipes",
    .area = TScreenArea::Editor,
    .modal = false,
    .style = {.background = TBackground::None, .fillsWindow = true},
    .subject = LoadedEditorSubject,
    .create = NewScreen<TForm3>,
    .file = "editor/editor_main_window.cpp",
};

TForm3::TForm3(TComponent* owner) : TGameForm(owner, kScreen)
{
    Form3 = this;
    BindEvents();
    ReadDescription();
    FindChildren();
}

void TForm3::FindChildren()
{
    xbt1 = FindChild<TGradButton>("xbt1");
    xbt2 = FindChild<TGradButton>("xbt2");
    gridtimes = FindChild<TDataGrid>("gridtimes");
    gridselecoes = FindChild<TDataGrid>("gridselecoes");
    Grid1 = FindChild<TDataGrid>("Grid1");
    Panel1 = FindChild<TPanel>("Panel1");
    Label1 = FindChild<TLabel>("Label1");
    Label4 = FindChild<TLabel>("Label4");
    Label6 = FindChild<TLabel>("Label6");
    Label8 = FindChild<TLabel>("Label8");
    Label9 = FindChild<TLabel>("Label9");
    Label11 = FindChild<TLabel>("Label11");
    Label12 = FindChild<TLabel>("Label12");
    Label13 = FindChild<TLabel>("Label13");
    Label14 = FindChild<TLabel>("Label14");
    Image1 = FindChild<TImage>("Image1");
    Image2 = FindChild<TImage>("Image2");
    Image3 = FindChild<TImage>("Image3");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    bandeiras = FindChild<TCustomImageList>("bandeiras");
    estados = FindChild<TCustomImageList>("estados");
}

void TForm3::BindEvents()
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("FormKeyDown",
                [this](TObject* sender, unsigned short& key, TShiftState shift) { FormKeyDown(sender, key, shift); });
    BindHandler("xbt1Click", [this](TObject*) { SetView(false); });
    BindHandler("xbt2Click", [this](TObject*) { SetView(true); });
    BindHandler("xbt2DragOver", [](TObject*, TObject* source, int, int, TDragState, bool& accept) {
        accept = dynamic_cast<TDataGrid*>(source) != nullptr;
    });
    // A drop copies "(EditorCurrentClub, slot of the selected row)"; in the national view the
    // selected row is a national player and its slot number would pick whoever holds that slot
    // in the club shown last, copying a player nobody dragged. Only a club's player is copied.
    BindHandler("xbt2DragDrop", [this](TObject*, TObject*, int, int) {
        if (const int slot = SelectedSlot(); slot > 0 && !NationalView())
            dragjogadorselecao(EditorCurrentClub, slot);
    });
    BindHandler("Image5Click", [this](TObject*) { OpenTeamDialog(false); });
    // Only the club view asks for a selected row: the national view edits the team last shown.
    BindHandler("Image6Click", [this](TObject*) {
        if (NationalView() || gridtimes->SelectedRow() >= 0)
            OpenTeamDialog(true);
    });
    BindHandler("Image7Click", [this](TObject*) { DeleteSelectedClub(); });
    BindHandler("Image8Click", [](TObject*) { Application->Terminate(); });
    BindHandler("Image9Click", [this](TObject*) {
        if (Form1)
            Form1->Show();
        Close();
    });
    BindHandler("Image10Click", [this](TObject*) { OpenAddPlayer(); });
    BindHandler("Image11Click", [this](TObject*) { OpenEditPlayer(); });
    BindHandler("Image12Click", [this](TObject*) { DeleteSelectedPlayer(); });
    BindHandler("N6Click", [this](TObject*) { OpenTransfer(); });
    for (const char* label : {"Label1Click", "Label4Click", "Label6Click", "Label8Click", "Label11Click", "Image3Click"})
        BindHandler(label, [this](TObject*) { OpenTeamDialog(true); });
    BindHandler("Image1MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) {
        if (NationalView())
            OpenTeamDialog(true);
        else
            PickCrest();
    });
}

void TForm3::FormCreate(TObject*)
{
    if (Form1)
        Form1->Hide();
    // Laid out for 800 x 600: on a larger desktop the lists and the panel grow with it, and the
    // window keeps filling the work area.
    if (FitToScreen())
        SetBoundsRect(Screen->WorkAreaRect());
    for (TLabel* label : {Label1, Label4, Label6, Label11})
        panelNames_.emplace_back(label, label->Font().Height());
    art::FillCountryFlags(*bandeiras);
    art::FillStateFlags(*estados);
    FillSquadMarks(*ImageList1);
    for (auto [grid, column] : {std::pair{gridtimes, "paisimg"}, {gridselecoes, "paisimg2"}, {Grid1, "paisjog"}})
        static_cast<TDgImageColumn*>(grid->ColumnByName(column))->SetImages(bandeiras);
    for (const char* column : {"status", "estrela"})
        static_cast<TDgImageColumn*>(Grid1->ColumnByName(column))->SetImages(ImageList1);
    for (auto [image, icon] : {std::pair{"Image5", TEditorIcon::Add}, {"Image6", TEditorIcon::Edit},
                               {"Image7", TEditorIcon::Delete}, {"Image8", TEditorIcon::Quit},
                               {"Image9", TEditorIcon::Back}, {"Image10", TEditorIcon::Add},
                               {"Image11", TEditorIcon::Edit}, {"Image12", TEditorIcon::Delete}}) {
        if (auto* control = FindChild<TImage>(image))
            ShowEditorIcon(*control, icon);
    }
    for (TDataGrid* grid : {gridtimes, gridselecoes, Grid1})
        ColourAlternateRows(*grid);
    // The short name says whether the club can be played: black when it can, red when it cannot,
    // on the selected row too.
    gridtimes->OnCellFormating = [this](TObject*, int column, int row, TColor& textColor, TFontStyles&, TCellState) {
        const int club = CellInt(gridtimes, "id", row);
        if (column == ColumnIndex(gridtimes, "clube") && IsEditorClub(club))
            textColor = EditorClubHeaders[static_cast<std::size_t>(club)].playable ? clBlack : clRed;
    };
    gridtimes->OnSelectCell = [this](TObject*, int, int row) {
        if (row < 0 || NationalView())
            return;
        EditorCurrentClub = CellInt(gridtimes, "id", row);
        listtime(EditorCurrentClub);
    };
    gridselecoes->OnSelectCell = [this](TObject*, int, int row) {
        if (row >= 0 && NationalView())
            listjogselecao(CellInt(gridselecoes, "idsel", row));
    };
    gridtimes->OnCellDblClick = [this](TObject*, int, int) { OpenTeamDialog(true); };
    gridselecoes->OnCellDblClick = [this](TObject*, int, int) { OpenTeamDialog(true); };
    // After the grid's own sort by the flag or country column, the game's order replaces it.
    gridtimes->OnAfterSort = [this](TObject*, int column) {
        if (column == ColumnIndex(gridtimes, "paisimg") || column == ColumnIndex(gridtimes, "paisnome"))
            sortbypaisnivel();
    };
    Grid1->OnCellClick = [this](TObject*, int column, int row) {
        if (column == ColumnIndex(Grid1, "status"))
            ToggleRegularAt(row);
    };
    Grid1->OnCellDblClick = [this](TObject*, int, int) { OpenEditPlayer(); };
    Grid1->OnCellHint = [this](TObject*, int column, int row, std::string& hint) {
        if (column == ColumnIndex(Grid1, "paisjog"))
            hint = CountryName(CellInt(Grid1, "paisjog", row));
    };
    // Pulling a selected row with the left button held drags the player (onto "Seleções"); a
    // click or a double click on a row stays a click.
    Grid1->OnMouseMove = [this](TObject*, TShiftState shift, int, int) {
        if ((shift & ssLeft) != 0 && !Grid1->Dragging() && SelectedSquadRow() >= 0)
            Grid1->BeginDrag(true);
    };
    EditorNationalView = false;
    FillTeamGrids();
    SelectFirstRow(gridtimes);
}

bool TForm3::NationalView() const { return EditorNationalView; }

void TForm3::SetClubRow(int row, const ClubListRow& club)
{
    gridtimes->SetCellTextByName("id", row, std::to_string(club.id));
    gridtimes->SetCellTextByName("clube", row, club.name);
    gridtimes->SetCellTextByName("paisimg", row, std::to_string(club.country));
    gridtimes->SetCellTextByName("paisnome", row, CountryName(club.country));
    gridtimes->SetCellTextByName("nivel", row, std::to_string(club.level));
}

void TForm3::SetNationRow(int row, int country)
{
    gridselecoes->SetCellTextByName("idsel", row, std::to_string(country));
    gridselecoes->SetCellTextByName("paisimg2", row, std::to_string(country));
    gridselecoes->SetCellTextByName("selnome", row, CountryName(country));
    gridselecoes->SetCellTextByName("selnivel", row,
                                    std::to_string(EditorNationalSquads[static_cast<std::size_t>(country)].level));
}

void TForm3::FillTeamGrids()
{
    gridtimes->BeginUpdate();
    gridtimes->ClearRows();
    for (const ClubListRow& club : ClubListRows())
        SetClubRow(gridtimes->AddRow(1), club);
    gridtimes->EndUpdate();
    gridselecoes->BeginUpdate();
    gridselecoes->ClearRows();
    for (const NationListRow& nation : NationListRows())
        SetNationRow(gridselecoes->AddRow(1), nation.id);
    gridselecoes->EndUpdate();
}

void TForm3::SelectFirstRow(TDataGrid* grid)
{
    if (grid->RowCount() == 0)
        return;
    grid->SetSelectedRow(0);
    if (grid == gridtimes) {
        EditorCurrentClub = CellInt(gridtimes, "id", 0);
        listtime(EditorCurrentClub);
    } else {
        listjogselecao(CellInt(gridselecoes, "idsel", 0));
    }
}

void TForm3::SetView(bool national)
{
    const bool changed = national != EditorNationalView;
    EditorNationalView = national;
    xbt1->SetColorScheme(national ? csSilver : csGrass);
    xbt2->SetColorScheme(national ? csGrass : csSilver);
    gridtimes->SetVisible(!national);
    gridselecoes->SetVisible(national);
    for (const char* name : {"Label1", "Label9", "Label10", "Label11", "Image2"})
        if (auto* control = FindChild<TControl>(name))
            control->SetVisible(!national);
    if (national) {
        Label12->Hide();
        Image3->Hide();
    }
    // Only a club's player can be moved to another club.
    if (auto* transfer = FindChild<TMenuItem>("N6"))
        transfer->SetVisible(!national);
    if (changed)
        SelectFirstRow(national ? gridselecoes : gridtimes);
}

// A club's text colour is the panel's font and its ten labels': the names, the coach, stadium and
// level with their captions, the country and the state. The squad's totals below the grid are
// written in the panel's font, so they follow it.
void TForm3::ShowTextColour(int textColor)
{
    Panel1->Font().SetColor(textColor);
    ColourLabels({"Label1", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label12"},
                 textColor);
}

void TForm3::ColourLabels(std::initializer_list<const char*> names, int textColor)
{
    for (const char* name : names)
        if (auto* label = FindChild<TLabel>(name))
            label->Font().SetColor(textColor);
}

void TForm3::ShowCountry(int country)
{
    Label9->SetCaption(CountryName(country));
    Image2->Picture().SetGraphic(std::make_unique<TImageGraphic>(bandeiras->Image(country), TImageFormat::Png));
}

void TForm3::ShowState(int state)
{
    if (state < 0 || state >= StateCount)
        return;
    Image3->Picture().SetGraphic(std::make_unique<TImageGraphic>(estados->Image(state), TImageFormat::Png));
    Label12->SetCaption(StateCodes[static_cast<std::size_t>(state)]);
}

void TForm3::ShowPicture(TImage* image, const std::string& path)
{
    if (path.empty() || !image->Picture().LoadFromFile(path))
        image->Picture().Clear();
}

void TForm3::listtime(int club)
{
    if (!IsEditorClub(club))
        return;
    const TClubHeader& header = EditorClubHeaders[static_cast<std::size_t>(club)];
    Label1->SetCaption(CaptionLiteral(header.fullName.str()));
    Label4->SetCaption(CaptionLiteral(header.shortName.str()));
    Label8->SetCaption(std::to_string(header.level));
    Label6->SetCaption(CaptionLiteral(header.coachName.str()));
    Label11->SetCaption(CaptionLiteral(header.stadium.str()));
    Panel1->SetColor(header.backColor);
    ShowTextColour(header.textColor);
    ShowCountry(header.country);
    const bool brazilian = header.country == kBrazil && header.state < StateCount;
    Image3->SetVisible(brazilian);
    Label12->SetVisible(brazilian);
    if (brazilian)
        ShowState(header.state);
    FitPanelNames();
    ShowPicture(Image1, ClubCrestPath(club));
    FillSquadGrid(false, club);
}

// A name wider than the room left in the panel is drawn smaller, down to half its size, so that
// it shows whole: cut at the panel's edge, the rest of it could not be read.
void TForm3::FitPanelNames()
{
    const int margin = ScaledLength(8);
    for (auto [label, height] : panelNames_) {
        label->Font().SetHeight(height);
        const int room = Panel1->Width() - label->Left() - margin;
        while (label->Width() > room && label->Font().Height() < height / 2)
            label->Font().SetHeight(label->Font().Height() + 1);
    }
}

void TForm3::listjogselecao(int country)
{
    if (!IsEditorNation(country))
        return;
    EditorCurrentNation = country;
    const TNationalSquad& squad = EditorNationalSquads[static_cast<std::size_t>(country)];
    Label4->SetCaption(CountryName(country));
    Label6->SetCaption(CaptionLiteral(squad.coach.str()));
    Label8->SetCaption(std::to_string(squad.level));
    // A national team's text colour is the short name's, the coach's and the level's with their
    // captions (the other named labels are hidden in this view), and the panel's font's as well:
    // the squad's totals below the grid write in the panel's font, and left in the last club's
    // colour they could not be read on a national background of that colour.
    Panel1->SetColor(squad.backColor);
    Panel1->Font().SetColor(squad.textColor);
    ColourLabels({"Label4", "Label5", "Label6", "Label7", "Label8"}, squad.textColor);
    FitPanelNames();
    ShowPicture(Image1, NationSymbolPath(country));
    FillSquadGrid(true, country);
}

void TForm3::FillSquadGrid(bool national, int id)
{
    Grid1->BeginUpdate();
    Grid1->ClearRows();
    for (const SquadRow& player : national ? NationalSquadRows(id) : ClubSquadRows(id))
        SetSquadRow(Grid1->AddRow(1), player);
    Grid1->EndUpdate();
    UpdateSquadCounts();
}

void TForm3::SetSquadRow(int row, const SquadRow& player)
{
    Grid1->SetCellTextByName("idjog", row, std::to_string(player.slot));
    Grid1->SetCellTextByName("status", row, std::to_string(player.status));
    Grid1->SetCellTextByName("estrela", row, player.star ? "3" : "4");
    Grid1->SetCellTextByName("nome", row, player.name);
    Grid1->SetCellTextByName("posicaojog", row, PositionNames[static_cast<std::size_t>(player.position)]);
    Grid1->SetCellTextByName("paisjog", row, std::to_string(player.nationality));
    Grid1->SetCellTextByName("idade", row, std::to_string(player.age));
    Grid1->SetCellTextByName("habilidadejog", row, player.traits);
    Grid1->SetCellTextByName("collado", row, SideText(player.side));
}

void TForm3::RefreshSelectedPlayerRow()
{
    const int row = SelectedSquadRow();
    const int slot = SelectedSlot();
    if (row < 0 || slot == 0)
        return;
    for (const SquadRow& player : ClubSquadRows(EditorCurrentClub))
        if (player.slot == slot)
            SetSquadRow(row, player);
}

void TForm3::UpdateSquadCounts()
{
    int regulars = 0;
    for (int row = 0; row < Grid1->RowCount(); ++row)
        regulars += Grid1->GetCellTextByName("status", row) == "1" ? 1 : 0;
    Label13->SetCaption("Total:" + std::to_string(Grid1->RowCount()) + " jogadores");
    Label14->SetCaption(std::to_string(regulars));
}

int TForm3::SelectedSquadRow()
{
    const int row = Grid1->SelectedRow();
    return row >= 0 && row < Grid1->RowCount() ? row : -1;
}

int TForm3::SelectedSlot()
{
    const int row = SelectedSquadRow();
    return row < 0 ? 0 : std::max(0, CellInt(Grid1, "idjog", row));
}

void TForm3::SelectSquadSlot(int slot)
{
    for (int row = 0; row < Grid1->RowCount(); ++row) {
        if (CellInt(Grid1, "idjog", row) == slot) {
            Grid1->SetSelectedRow(row);
            return;
        }
    }
}

int TForm3::ClubRowOf(int club)
{
    for (int row = 0; row < gridtimes->RowCount(); ++row) {
        if (CellInt(gridtimes, "id", row) == club)
            return row;
    }
    return -1;
}

void TForm3::InsertClubRow(int club)
{
    gridtimes->InsertRow(0);
    SetClubRow(0, ClubListRowOf(club));
    gridtimes->SetSelectedRow(0);
    EditorCurrentClub = club;
    listtime(club);
}

void TForm3::InsertNationRow(int country)
{
    const int selected = gridselecoes->SelectedRow();
    const int row = selected >= 0 ? selected + 1 : 0;
    if (row >= gridselecoes->RowCount())
        gridselecoes->AddRow(1);
    else
        gridselecoes->InsertRow(row);
    SetNationRow(row, country);
    gridselecoes->SetSelectedRow(row);
    listjogselecao(country);
}

// An edit of the shown club, field by field in the dialog's order, on the panel and on the
// selected row of the club grid; the fields it did not change stay as they are shown (the squad is
// not listed again, the state's label and flag keep their place when only the country changed).
void TForm3::ShowClubChanges(const ClubChanges& changes)
{
    if (!IsEditorClub(EditorCurrentClub))
        return;
    const TClubHeader& header = EditorClubHeaders[static_cast<std::size_t>(EditorCurrentClub)];
    const ClubListRow listed = ClubListRowOf(EditorCurrentClub);
    const int row = gridtimes->SelectedRow();
    const auto setCell = [this, row](const char* column, const std::string& text) {
        if (row >= 0)
            gridtimes->SetCellTextByName(column, row, text);
    };
    const auto typed = [](const std::optional<std::string>& text) { return text && !text->empty(); };
    if (typed(changes.fullName))
        Label1->SetCaption(CaptionLiteral(header.fullName.str()));
    if (typed(changes.shortName)) {
        Label4->SetCaption(CaptionLiteral(header.shortName.str()));
        setCell("clube", listed.name);
    }
    if (typed(changes.coach))
        Label6->SetCaption(CaptionLiteral(header.coachName.str()));
    if (changes.level) {
        Label8->SetCaption(std::to_string(header.level));
        setCell("nivel", std::to_string(listed.level));
    }
    if (typed(changes.stadium))
        Label11->SetCaption(CaptionLiteral(header.stadium.str()));
    if (changes.country) {
        ShowCountry(header.country);
        setCell("paisimg", std::to_string(listed.country));
        setCell("paisnome", CountryName(listed.country));
    }
    if (changes.backColor)
        Panel1->SetColor(header.backColor);
    if (changes.textColor)
        ShowTextColour(header.textColor);
    if (changes.state)
        ShowState(header.state);
    FitPanelNames();
}

void TForm3::RefreshCurrentTeam()
{
    if (NationalView()) {
        for (int row = 0; row < gridselecoes->RowCount(); ++row) {
            if (CellInt(gridselecoes, "idsel", row) == EditorCurrentNation)
                SetNationRow(row, EditorCurrentNation);
        }
        listjogselecao(EditorCurrentNation);
        return;
    }
    if (const int row = ClubRowOf(EditorCurrentClub); row >= 0)
        SetClubRow(row, ClubListRowOf(EditorCurrentClub));
    const int slot = SelectedSlot();
    listtime(EditorCurrentClub);
    SelectSquadSlot(slot);
}

void TForm3::timesalvar(int club)
{
    if (!IsEditorClub(club))
        return;
    if (!SaveEditorClub(club))
        ShowWriteFailure(EditorClubPaths[static_cast<std::size_t>(club)]);
    gridtimes->Invalidate();  // the name turns red or black with the playable flag
}

void TForm3::selecaosalvar(int country)
{
    if (!IsEditorNation(country))
        return;
    for (int row = 0; row < gridselecoes->RowCount(); ++row) {
        if (CellInt(gridselecoes, "idsel", row) == country)
            gridselecoes->SetCellTextByName("selnome", row, CountryName(country));
    }
    if (!SaveEditorNation(country))
        ShowWriteFailure(NationalSquadFilePath(country));
}

void TForm3::sortbypaisnivel()
{
    std::vector<ClubListRow> rows;
    for (int row = 0; row < gridtimes->RowCount(); ++row) {
        const int club = CellInt(gridtimes, "id", row);
        if (IsEditorClub(club))
            rows.push_back(ClubListRowOf(club));
    }
    SortClubRowsByCountryAndLevel(rows);
    gridtimes->BeginUpdate();
    gridtimes->ClearRows();
    for (const ClubListRow& club : rows)
        SetClubRow(gridtimes->AddRow(1), club);
    gridtimes->EndUpdate();
}

}  // namespace tarvelon
