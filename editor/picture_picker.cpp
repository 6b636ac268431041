// The editor's crest and symbol picker (Tform43).
#include "editor/picture_picker.h"

#include <stdexcept>

#include "editor/editor_dialog_parts.h"
#include "editor/editor_main_window.h"
#include "editor/loading_screen.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

const TScreenRecord Tform43::kScreen{
    .formClass = "Tform43",
    .shows = "Selecione o arquivo",
    .area = TScreenArea::Editor,
    .modal = true,
    .style = {.background = TBackground::None},
    .subject = LoadedEditorSubject,
    .create = NewScreen<Tform43>,
    .file = "editor/picture_picker.cpp",
};

Tform43::Tform43(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormShow", [this](TObject* sender) { FormShow(sender); });
    BindHandler("FormClose", [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); });
    BindHandler("BitBtn1Click", [this](TObject*) { Accept(); });
    BindHandler("BitBtn2Click", [this](TObject*) { Close(); });
    ReadDescription();
    list1 = FindChild<TDataGrid>("list1");
    Image1 = FindChild<TImage>("Image1");
    BitBtn1 = FindChild<TBitBtn>("BitBtn1");
    BitBtn1->SetEnabled(false);  // until a file is chosen
    list1->OnSelectCell = [this](TObject*, int, int row) { SelectFile(row); };
    ColourAlternateRows(*list1);
    previousChoice_ = ChosenImageName;
}

std::string Tform43::Folder() const { return EditorNationalView ? kSymbolFolder : kCrestFolder; }

// Listed afresh each time the picker is shown.
void Tform43::FormShow(TObject*)
{
    list1->BeginUpdate();
    list1->ClearRows();
    for (const std::string& name : ListPictureFiles(Folder()))
        list1->SetCellTextByName("arquivo", list1->AddRow(1), name);
    list1->EndUpdate();
}

void Tform43::SelectFile(int row)
{
    if (row < 0 || row >= list1->RowCount())
        return;
    const std::string name = list1->GetCellTextByName("arquivo", row);
    // A name the team's record cannot hold is refused here, before "OK", as an unreadable picture is.
    if (const std::string problem = PictureNameProblem(PictureBaseName(name), EditorNationalView); !problem.empty()) {
        MessageBox(problem, Caption(), MB_OK | MB_ICONERROR);
        return;
    }
    // A picture that cannot be decoded is not a choice: the player is told, and "OK" stays as it was.
    TPicture preview;
    if (!preview.LoadFromFile(Folder() + "/" + name)) {
        Application->HandleException(this, std::runtime_error(kUnreadablePictureText + name));
        return;
    }
    Image1->Picture().Assign(preview);
    ChosenImageName = PictureBaseName(name);
    BitBtn1->SetEnabled(true);
}

void Tform43::Accept()
{
    accepted_ = true;
    auto* editor = Form3.As<TForm3>();
    if (EditorPickerForCurrent && !ChosenImageName.empty()) {
        if (EditorNationalView && IsEditorNation(EditorCurrentNation)) {
            EditorNationalSquads[static_cast<std::size_t>(EditorCurrentNation)].symbolName.set(ChosenImageName);
            if (editor) {
                editor->selecaosalvar(EditorCurrentNation);
                editor->listjogselecao(EditorCurrentNation);
            } else {
                SaveEditorNation(EditorCurrentNation);
            }
        } else if (!EditorNationalView && IsEditorClub(EditorCurrentClub)) {
            EditorClubHeaders[static_cast<std::size_t>(EditorCurrentClub)].crestName.set(ChosenImageName);
            if (editor) {
                editor->RefreshCurrentTeam();
                editor->timesalvar(EditorCurrentClub);
            } else {
                SaveEditorClub(EditorCurrentClub);
            }
        }
    }
    Close();
}

// Leaving without "OK" keeps the choice made before the picker opened. "A selection followed by
// "Cancelar" leaves ChosenImageName set" would give a club or national team being added the
// picture the player turned down with "Cancelar".
void Tform43::FormClose(TObject*, TCloseAction& action)
{
    if (!accepted_)
        ChosenImageName = previousChoice_;
    action = caFree;
}

}  // namespace tarvelon
