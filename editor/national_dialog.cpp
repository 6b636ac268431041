// The editor's national-team dialog (TForm73).
#include "editor/national_dialog.h"

#include "core/basics/typed_text.h"
#include "editor/editor_dialog_parts.h"
#include "editor/editor_main_window.h"
#include "editor/loading_screen.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/screen_registry.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

namespace {

constexpr int kDefaultNationLevel = 15;

}  // namespace

const TScreenRecord TForm73::kScreen{
    .formClass = "TForm73",
    .shows = "Seleção nacional",
    .area = TScreenArea::Editor,
    .modal = true,
    .style = {.background = TBackground::None},
    .subject = LoadedEditorSubject,
    .create = NewScreen<TForm73>,
    .file = "editor/national_dialog.cpp",
};

TForm73::TForm73(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("Shape1MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) { ChooseShapeColour(*Shape1, ShapeColour(*Shape1)); });
    BindHandler("Shape2MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) { ChooseShapeColour(*Shape2, ShapeColour(*Shape2)); });
    BindHandler("image1MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) { PickSymbol(); });
    BindHandler("BitBtn1Click", [this](TObject*) { Confirm(); });
    BindHandler("BitBtn2Click", [this](TObject*) { Close(); });
    ReadDescription();
    combo1 = FindChild<TComboBoxEx>("combo1");
    ComboBox1 = FindChild<TComboBox>("ComboBox1");
    Edit3 = FindChild<TEdit>("Edit3");
    RefuseCharactersRecordsCannotHold({Edit3});
    Shape1 = FindChild<TShape>("Shape1");
    Shape2 = FindChild<TShape>("Shape2");
    image1 = FindChild<TImage>("image1");
    FillCountryCombo(*combo1, *FindChild<TCustomImageList>("bandeiras"));
    FillNumberCombo(*ComboBox1, 1, 25);
}

void TForm73::FormCreate(TObject*)
{
    editMode_ = NationalDialogEditMode && IsEditorNation(EditorCurrentNation);
    if (!editMode_) {
        ChosenImageName.clear();
        combo1->SetItemIndex(0);
        ComboBox1->SetItemIndex(kDefaultNationLevel - 1);
        SetShapeColour(*Shape1, clWhite);
        SetShapeColour(*Shape2, clBlack);
        return;
    }
    const TNationalSquad& squad = EditorNationalSquads[static_cast<std::size_t>(EditorCurrentNation)];
    combo1->SetItemIndex(EditorCurrentNation);
    combo1->SetEnabled(false);
    FindChild<TLabel>("Label12")->SetCaption("Editar Seleção");
    FindChild<TControl>("BitBtn1")->SetCaption("Ok");
    ComboBox1->SetItemIndex(squad.level >= 1 && squad.level <= 25 ? squad.level - 1 : kDefaultNationLevel - 1);
    Edit3->SetText(squad.coach.str());
    SetShapeColour(*Shape1, squad.backColor);
    SetShapeColour(*Shape2, squad.textColor);
    ShowSymbol(StoredSymbolPreviewPath(squad.symbolName.str()));
}

void TForm73::ShowSymbol(const std::string& path)
{
    if (!path.empty())
        image1->Picture().LoadFromFile(path);
}

// In edit mode the picker stores the symbol of the shown team itself; in add mode it only names it.
void TForm73::PickSymbol()
{
    if (TGameForm* picker = CreateScreen("Tform43", Application))
        picker->ShowModal();
    EditorPickerForCurrent = NationalDialogEditMode;
    const std::string symbol =
        editMode_ ? EditorNationalSquads[static_cast<std::size_t>(EditorCurrentNation)].symbolName.str() : ChosenImageName;
    ShowSymbol(ResolvePicture(kSymbolFolder, symbol));
}

NationFields TForm73::Fields() const
{
    NationFields fields;
    fields.coach = TypedName(Edit3->Text());
    fields.level = ComboBox1->ItemIndex() + 1;
    fields.backColor = Shape1->Brush().Color();
    fields.textColor = Shape2->Brush().Color();
    fields.symbol = ChosenImageName;
    return fields;
}

bool TForm73::checkapais() const { return IsNationPresent(combo1->ItemIndex()); }

void TForm73::Confirm()
{
    const NationFields fields = Fields();
    if (!editMode_ && checkapais()) {
        MessageBox(kNationExistsText, Caption(), MB_OK);
        return;
    }
    if (fields.coach.empty()) {
        MessageBox(kNoNationCoachText, Caption(), MB_OK);
        return;
    }
    auto* editor = Form3.As<TForm3>();
    if (editMode_) {
        EditEditorNation(EditorCurrentNation, fields);
        if (editor) {
            editor->selecaosalvar(EditorCurrentNation);
            editor->RefreshCurrentTeam();
        } else {
            SaveEditorNation(EditorCurrentNation);
        }
    } else {
        const int country = combo1->ItemIndex();
        AddEditorNation(country, fields);
        if (editor) {
            editor->InsertNationRow(country);
            editor->selecaosalvar(country);
        } else {
            SaveEditorNation(country);
        }
    }
    Close();
}

}  // namespace tarvelon
