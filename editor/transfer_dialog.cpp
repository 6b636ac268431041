// The editor's transfer dialog (TForm79).
#include "editor/transfer_dialog.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/vocab/countries.h"
#include "editor/editor_dialog_parts.h"
#include "editor/editor_main_window.h"
#include "editor/loading_screen.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

const TScreenRecord TForm79::kScreen{
    .formClass = "TForm79",
    .shows = "Transferir Jogador",
    .area = TScreenArea::Editor,
    .modal = false,
    .style = {.background = TBackground::None, .closeOnEscape = true},
    .subject = LoadedEditorSubject,
    .create = NewScreen<TForm79>,
    .file = "editor/transfer_dialog.cpp",
};

TForm79::TForm79(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("GradButton1Click", [this](TObject*) { Transfer(); });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    ReadDescription();
    grid1 = FindChild<TDataGrid>("grid1");
    GradButton1 = FindChild<TGradButton>("GradButton1");
}

void TForm79::FormCreate(TObject*)
{
    fromClub_ = EditorCurrentClub;
    slot_ = EditorSelectedSlot;
    SetCaption("Transferir Jogador");
    if (IsEditorClub(fromClub_) && slot_ >= 1 && slot_ <= kClubSquadSlots) {
        const auto& name = EditorClubSquads[static_cast<std::size_t>(fromClub_)].names[slot_ - 1];
        name_ = name.raw();
        FindChild<TLabel>("Label2")->SetCaption(CaptionLiteral(name.str() + " para o clube:"));
    }
    auto* flags = FindChild<TCustomImageList>("bandeiras");
    art::FillCountryFlags(*flags);
    static_cast<TDgImageColumn*>(grid1->ColumnByName("paisimg"))->SetImages(flags);
    ColourAlternateRows(*grid1);
    grid1->OnSelectCell = [this](TObject*, int, int row) { ChooseRow(row); };
    GradButton1->SetEnabled(false);
    FillClubs();
}

// The rows of the main window's club list, in its order.
void TForm79::FillClubs()
{
    std::vector<int> clubs;
    if (auto* editor = Form3.As<TForm3>()) {
        for (int row = 0; row < editor->gridtimes->RowCount(); ++row)
            clubs.push_back(std::stoi(editor->gridtimes->GetCellTextByName("id", row)));
    } else {
        for (const ClubListRow& club : ClubListRows())
            clubs.push_back(club.id);
    }
    grid1->BeginUpdate();
    grid1->ClearRows();
    for (int club : clubs) {
        const ClubListRow info = ClubListRowOf(club);
        const int row = grid1->AddRow(1);
        grid1->SetCellTextByName("idtr", row, std::to_string(club));
        grid1->SetCellTextByName("clube", row, info.name);
        grid1->SetCellTextByName("paisimg", row, std::to_string(info.country));
        grid1->SetCellTextByName("paisnome", row, CountryNames[static_cast<std::size_t>(info.country)]);
    }
    grid1->EndUpdate();
}

void TForm79::ChooseRow(int row)
{
    if (row < 0 || row >= grid1->RowCount())
        return;
    target_ = std::stoi(grid1->GetCellTextByName("idtr", row));
    GradButton1->SetEnabled(IsLiveEditorClub(target_) && OccupiedClubSlots(target_) < kClubSquadSlots);
}

void TForm79::Transfer()
{
    if (target_ < 0 || !IsEditorClub(fromClub_) || slot_ < 1 || slot_ > kClubSquadSlots)
        return;
    // The dialog stays open beside the main window, where the player it names may be deleted and
    // his slot given to someone else meanwhile: only the player the dialog names is moved.
    if (EditorClubSquads[static_cast<std::size_t>(fromClub_)].names[slot_ - 1].raw() != name_) {
        Close();
        return;
    }
    if (auto* editor = Form3.As<TForm3>()) {
        editor->transferejogador(slot_, fromClub_, target_);
    } else if (MoveClubPlayer(slot_, fromClub_, target_) > 0) {
        SaveEditorClub(target_);
        SaveEditorClub(fromClub_);
    }
    Close();
}

}  // namespace tarvelon
