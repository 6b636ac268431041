// The team editor's main window (TForm3): what its buttons, menu, keys and drag do.
#include "editor/editor_main_window.h"

#include "core/vocab/countries.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

constexpr int kMaxSquadRows = kClubSquadSlots;
constexpr const char* kSquadFullText = "Você já tem 25 jogadores no time";

void ShowModalScreen(const std::string& formClass)
{
    if (TGameForm* form = CreateScreen(formClass, Application))
        form->ShowModal();
}

}  // namespace

void TForm3::OpenTeamDialog(bool edit)
{
    if (!NationalView()) {
        ShowModalScreen(edit ? "TForm4" : "TForm7");
        return;
    }
    NationalDialogEditMode = edit;
    EditorPickerForCurrent = edit;
    ShowModalScreen("TForm73");
}

void TForm3::PickCrest()
{
    EditorPickerForCurrent = true;
    ShowModalScreen("Tform43");
}

void TForm3::OpenAddPlayer()
{
    if (Grid1->RowCount() >= kMaxSquadRows) {
        MessageBox(kSquadFullText, "Editor de Equipes", MB_OK | MB_ICONERROR);
        return;
    }
    ShowModalScreen("TForm5");
}

void TForm3::OpenEditPlayer()
{
    EditorSelectedSlot = SelectedSlot();
    if (EditorSelectedSlot > 0)
        ShowModalScreen("TForm6");
}

// Only a club's player can move to another club: the national view has no club slot to offer.
// The dialog is not modal and belongs to this window, which frees it when the editor is left.
void TForm3::OpenTransfer()
{
    EditorSelectedSlot = SelectedSlot();
    if (NationalView() || EditorSelectedSlot == 0)
        return;
    if (TGameForm* form = CreateScreen("TForm79", this))
        form->Show();
}

void TForm3::DeleteSelectedPlayer()
{
    const int row = SelectedSquadRow();
    const int slot = SelectedSlot();
    if (row < 0 || slot == 0)
        return;
    Grid1->DeleteRow(row);
    if (NationalView()) {
        DeleteNationalPlayer(EditorCurrentNation, slot);
        selecaosalvar(EditorCurrentNation);
    } else {
        DeleteClubPlayer(EditorCurrentClub, slot);
        timesalvar(EditorCurrentClub);
    }
    UpdateSquadCounts();
}

void TForm3::DeleteSelectedClub()
{
    const int row = gridtimes->SelectedRow();
    if (NationalView() || row < 0)
        return;
    const int club = std::stoi(gridtimes->GetCellTextByName("id", row));
    const std::string text = "Quer mesmo excluir o time " + EditorClubHeaders[static_cast<std::size_t>(club)].shortName.str() +
                             ". Campeonatos podem deixar de funcionar corretamente por isso.";
    if (MessageBox(text, "Editor de Equipes", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    DeleteEditorClub(club);
    gridtimes->DeleteRow(row);
    if (gridtimes->RowCount() > 0) {
        gridtimes->SetSelectedRow(0);
        EditorCurrentClub = std::stoi(gridtimes->GetCellTextByName("id", 0));
        listtime(EditorCurrentClub);
    } else {
        Grid1->ClearRows();
        UpdateSquadCounts();
    }
}

void TForm3::ToggleRegularAt(int row)
{
    if (row < 0 || row >= Grid1->RowCount())
        return;
    const int slot = std::stoi(Grid1->GetCellTextByName("idjog", row));
    int status = 0;
    if (NationalView()) {
        status = ToggleNationalRegular(EditorCurrentNation, slot);
        selecaosalvar(EditorCurrentNation);
    } else {
        status = ToggleClubRegular(EditorCurrentClub, slot);
        timesalvar(EditorCurrentClub);
    }
    Grid1->SetCellTextByName("status", row, std::to_string(status));
    UpdateSquadCounts();
}

void TForm3::transferejogador(int slot, int fromClub, int toClub)
{
    if (MoveClubPlayer(slot, fromClub, toClub) == 0)
        return;
    timesalvar(toClub);
    timesalvar(fromClub);
    if (EditorCurrentClub == fromClub || EditorCurrentClub == toClub)
        listtime(EditorCurrentClub);
}

void TForm3::dragjogadorselecao(int club, int slot)
{
    if (CopyToNationalSquad(club, slot) > 0)
        selecaosalvar(EditorCurrentNation);
}

void TForm3::ChangeSelectedAge()
{
    const int slot = SelectedSlot();
    if (slot == 0)
        return;
    auto& age = EditorClubSquads[static_cast<std::size_t>(EditorCurrentClub)].age[slot - 1];
    if (age < kMaxPlayerAge)
        ++age;
    Grid1->SetCellTextByName("idade", SelectedSquadRow(), std::to_string(age));
    timesalvar(EditorCurrentClub);
}

void TForm3::SetSelectedSide(int side)
{
    const int slot = SelectedSlot();
    if (slot == 0)
        return;
    EditorClubSquads[static_cast<std::size_t>(EditorCurrentClub)].side[slot - 1] = static_cast<std::uint8_t>(side);
    Grid1->SetCellTextByName("collado", SelectedSquadRow(), SideText(side));
    timesalvar(EditorCurrentClub);
}

void TForm3::SquadKey(unsigned short key)
{
    if (key == VK_DELETE) {
        DeleteSelectedPlayer();
        return;
    }
    if (NationalView() || !IsEditorClub(EditorCurrentClub))
        return;
    if (key == VK_F5)
        ChangeSelectedAge();
    else if (key == VK_F8)
        SetSelectedSide(1);
    else if (key == VK_F9)
        SetSelectedSide(0);
}

void TForm3::FormKeyDown(TObject*, unsigned short& key, TShiftState)
{
    if (key == VK_F1) {
        OpenAddPlayer();
    } else if (key == VK_F2) {
        timesalvar(EditorCurrentClub);
    } else if (ActiveControl() == Grid1 && (key == VK_DELETE || key == VK_F5 || key == VK_F8 || key == VK_F9)) {
        SquadKey(key);
    } else {
        return;
    }
    key = 0;
}

}  // namespace tarvelon
