// The editor's club dialogs (TForm7, TForm4).
#include "editor/club_dialogs.h"

#include "core/basics/typed_text.h"
#include "core/persist/club_file.h"
#include "core/vocab/countries.h"
#include "editor/editor_dialog_parts.h"
#include "editor/editor_main_window.h"
#include "editor/loading_screen.h"
#include "editor/model/editor_tables.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/screen_registry.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

namespace {

constexpr int kDefaultLevel = 10;

}  // namespace

TClubDialog::TClubDialog(TComponent* owner, const TScreenRecord& screen, const std::string& stadiumEdit)
    : TGameForm(owner, screen), stadiumEditName_(stadiumEdit)
{
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("FormShow", [this](TObject*) { ShowStateForCountry(); });
    BindHandler("combo1Change", [this](TObject*) { ShowStateForCountry(); });
    BindHandler("combo1KeyDown", [this](TObject*, unsigned short& key, TShiftState) { CountryComboKey(*combo1, key); });
    BindHandler("Shape1MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) {
        if (ChooseShapeColour(*Shape1, ColourDialogStart(*Shape1)))
            ColourChosen(*Shape1);
    });
    BindHandler("Shape2MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) {
        if (ChooseShapeColour(*Shape2, ColourDialogStart(*Shape2)))
            ColourChosen(*Shape2);
    });
    BindHandler("BitBtn1Click", [this](TObject*) { Confirm(); });
    BindHandler("BitBtn2Click", [this](TObject*) { Close(); });
}

void TClubDialog::ReadControls()
{
    Edit1 = FindChild<TEdit>("Edit1");
    Edit2 = FindChild<TEdit>("Edit2");
    Edit3 = FindChild<TEdit>("Edit3");
    stadiumEdit = FindChild<TEdit>(stadiumEditName_);
    RefuseCharactersRecordsCannotHold({Edit1, Edit2, Edit3, stadiumEdit});
    ComboBox1 = FindChild<TComboBox>("ComboBox1");
    combo1 = FindChild<TComboBoxEx>("combo1");
    estadocombo = FindChild<TComboBoxEx>("estadocombo");
    Shape1 = FindChild<TShape>("Shape1");
    Shape2 = FindChild<TShape>("Shape2");
    FillNumberCombo(*ComboBox1, 0, 25);
    FillCountryCombo(*combo1, *FindChild<TCustomImageList>("bandeiras"));
    FillStateCombo(*estadocombo, *FindChild<TCustomImageList>("estados"));
}

void TClubDialog::ShowStateForCountry()
{
    const bool brazil = combo1->ItemIndex() == CountryBrazil;
    estadocombo->SetVisible(brazil);
    if (auto* label = FindChild<TLabel>("Label7"))
        label->SetVisible(brazil);
}

// ---- TForm7: a new club ----------------------------------------------------------------------

const TScreenRecord TForm7::kScreen{
    .formClass = "TForm7",
    .shows = "Adicionar Equipe",
    .area = TScreenArea::Editor,
    .modal = true,
    .style = {.background = TBackground::None},
    .subject = LoadedEditorSubject,
    .create = NewScreen<TForm7>,
    .file = "editor/club_dialogs.cpp",
};

TForm7::TForm7(TComponent* owner) : TClubDialog(owner, kScreen, "Edit5")
{
    BindHandler("FormCreate", [this](TObject*) {
        ChosenImageName.clear();
        ComboBox1->SetItemIndex(kDefaultLevel);
        combo1->SetItemIndex(CountryBrazil);
        estadocombo->SetItemIndex(0);
        SetShapeColour(*Shape1, clWhite);
        SetShapeColour(*Shape2, clBlack);
    });
    BindHandler("Image1MouseDown", [this](TObject*, TMouseButton, TShiftState, int, int) {
        EditorPickerForCurrent = false;
        if (TGameForm* picker = CreateScreen("Tform43", Application))
            picker->ShowModal();
        ShowChosenCrest();
    });
    ReadDescription();
    ReadControls();
    Edit4 = FindChild<TEdit>("Edit4");
    RefuseCharactersRecordsCannotHold({Edit4});
    Image1 = FindChild<TImage>("Image1");
}

// A new club's colour dialog opens at the defaults, whatever was chosen before.
TColor TForm7::ColourDialogStart(TShape& shape) { return &shape == Shape1 ? clWhite : clBlack; }

void TForm7::ShowChosenCrest()
{
    const std::string path = ResolvePicture(kCrestFolder, ChosenImageName);
    if (!path.empty())
        Image1->Picture().LoadFromFile(path);
}

NewClubFields TForm7::Fields() const
{
    NewClubFields fields;
    fields.fullName = TypedName(Edit1->Text());
    fields.shortName = TypedName(Edit2->Text());
    fields.coach = TypedName(Edit3->Text());
    fields.stadium = TypedName(stadiumEdit->Text());
    fields.fileName = TypedName(Edit4->Text());
    fields.level = ComboBox1->ItemIndex();
    fields.country = combo1->ItemIndex();
    fields.state = std::max(0, estadocombo->ItemIndex());
    fields.backColor = Shape1->Brush().Color();
    fields.textColor = Shape2->Brush().Color();
    fields.crest = ChosenImageName;
    return fields;
}

void TForm7::Confirm()
{
    const NewClubFields fields = Fields();
    if (const std::string problem = NewClubProblem(fields); !problem.empty()) {
        MessageBox(problem, Caption(), MB_OK | MB_ICONERROR);
        return;
    }
    const int club = AddEditorClub(fields);
    if (auto* editor = Form3.As<TForm3>()) {
        editor->timesalvar(club);
        editor->InsertClubRow(club);
    } else {
        SaveEditorClub(club);
    }
    Close();
}

// ---- TForm4: the shown club ------------------------------------------------------------------

const TScreenRecord TForm4::kScreen{
    .formClass = "TForm4",
    .shows = "Editar Equipe",
    .area = TScreenArea::Editor,
    .modal = true,
    .style = {.background = TBackground::None},
    .subject = LoadedEditorSubject,
    .create = NewScreen<TForm4>,
    .file = "editor/club_dialogs.cpp",
};

TForm4::TForm4(TComponent* owner) : TClubDialog(owner, kScreen, "Edit4")
{
    BindHandler("FormCreate", [this](TObject*) { LoadClub(); });
    // Enter presses "Ok" and Escape "Cancelar" here; the add dialog has no such keys.
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_RETURN) {
            key = 0;
            Confirm();
        } else if (key == VK_ESCAPE) {
            key = 0;
            Close();
        }
    });
    BindHandler("EditChange", [this](TObject* sender) { RecordChange(sender); });
    ReadDescription();
    ReadControls();
    // Every change of the country also records it, besides showing the state list.
    combo1->OnChange = [this](TObject* sender) {
        ShowStateForCountry();
        RecordChange(sender);
    };
}

void TForm4::LoadClub()
{
    if (!IsEditorClub(EditorCurrentClub))
        return;
    loading_ = true;
    const TClubHeader& header = EditorClubHeaders[static_cast<std::size_t>(EditorCurrentClub)];
    Edit1->SetText(header.fullName.str());
    Edit2->SetText(header.shortName.str());
    Edit3->SetText(header.coachName.str());
    stadiumEdit->SetText(header.stadium.str());
    ComboBox1->SetItemIndex(header.level <= 25 ? header.level : -1);
    combo1->SetItemIndex(header.country);
    estadocombo->SetItemIndex(header.state < StateCount ? header.state : 0);
    SetShapeColour(*Shape1, header.backColor);
    SetShapeColour(*Shape2, header.textColor);
    loading_ = false;
    changes_ = {};
}

// Only the field the player changed is recorded: the others keep what the club holds, even a value
// that the dialog cannot show (a state or level out of the lists' range).
void TForm4::RecordChange(TObject* sender)
{
    if (loading_)
        return;
    if (sender == Edit1)
        changes_.fullName = TypedName(Edit1->Text());
    else if (sender == Edit2)
        changes_.shortName = TypedName(Edit2->Text());
    else if (sender == Edit3)
        changes_.coach = TypedName(Edit3->Text());
    else if (sender == stadiumEdit)
        changes_.stadium = TypedName(stadiumEdit->Text());
    else if (sender == ComboBox1 && ComboBox1->ItemIndex() >= 0)
        changes_.level = ComboBox1->ItemIndex();
    else if (sender == combo1 && combo1->ItemIndex() >= 0)
        changes_.country = combo1->ItemIndex();
    else if (sender == estadocombo && estadocombo->ItemIndex() >= 0)
        changes_.state = estadocombo->ItemIndex();
}

void TForm4::ColourChosen(const TShape& shape)
{
    if (&shape == Shape1)
        changes_.backColor = Shape1->Brush().Color();
    else
        changes_.textColor = Shape2->Brush().Color();
}

void TForm4::Confirm()
{
    if (changes_.Any()) {
        ApplyClubChanges(EditorCurrentClub, changes_);
        if (auto* editor = Form3.As<TForm3>()) {
            editor->ShowClubChanges(changes_);
            editor->timesalvar(EditorCurrentClub);
        } else {
            SaveEditorClub(EditorCurrentClub);
        }
    }
    Close();
}

}  // namespace tarvelon
