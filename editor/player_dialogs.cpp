// The editor's player dialogs (TForm5, TForm6).
#include "editor/player_dialogs.h"

#include "core/basics/typed_text.h"
#include "editor/editor_dialog_parts.h"
#include "editor/editor_main_window.h"
#include "editor/loading_screen.h"
#include "editor/model/editor_tables.h"
#include "platform/forms/keys.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "platform/stdctrls/ranges.h"
#include "screens/common/screen_registry.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

namespace {

constexpr int kDefaultNationality = 29;

void SelectIfItem(TComboBox* combo, int item)
{
    if (item >= 0 && item < combo->Items().Count())
        combo->SetItemIndex(item);
}

}  // namespace

TPlayerDialog::TPlayerDialog(TComponent* owner, const TScreenRecord& screen)
    : TGameForm(owner, screen)
{
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("FormKeyDown",
                [this](TObject* sender, unsigned short& key, TShiftState shift) { FormKeyDown(sender, key, shift); });
    BindHandler("ComboBox1Change", [this](TObject*) { BuildTraitLists(ComboBox1->ItemIndex()); });
    BindHandler("TrackBar1Change", [this](TObject*) { Label5->SetCaption(std::to_string(TrackBar1->Position())); });
    BindHandler("combo1KeyDown", [this](TObject*, unsigned short& key, TShiftState) { CountryComboKey(*combo1, key); });
    BindHandler("ConfirmClick", [this](TObject*) { Confirm(); });
    BindHandler("CancelClick", [this](TObject*) { Close(); });
}

void TPlayerDialog::ReadControls()
{
    Edit1 = FindChild<TEdit>("Edit1");
    RefuseCharactersRecordsCannotHold({Edit1});
    ComboBox1 = FindChild<TComboBox>("ComboBox1");
    combo1 = FindChild<TComboBoxEx>("combo1");
    TrackBar1 = FindChild<TTrackBar>("TrackBar1");
    Label5 = FindChild<TLabel>("Label5");
    CheckBox1 = FindChild<TCheckBox>("CheckBox1");
    ComboBox2 = FindChild<TComboBox>("ComboBox2");
    ComboBox3 = FindChild<TComboBox>("ComboBox3");
    ComboBox4 = FindChild<TComboBox>("ComboBox4");
    FillCountryCombo(*combo1, *FindChild<TCustomImageList>("bandeiras"));
    // A national team's players carry the team's country.
    combo1->SetVisible(!EditorNationalView);
    if (auto* label = FindChild<TLabel>("Label3"))
        label->SetVisible(!EditorNationalView);
}

void TPlayerDialog::BuildTraitLists(int position)
{
    ComboBox2->Clear();
    ComboBox3->Clear();
    for (const std::string& item : TraitChoices(position, true))
        ComboBox2->Items().Add(item);
    for (const std::string& item : TraitChoices(position, false))
        ComboBox3->Items().Add(item);
    ComboBox2->SetItemIndex(0);
    ComboBox3->SetItemIndex(0);
}

PlayerFields TPlayerDialog::Fields() const
{
    PlayerFields fields;
    fields.name = TypedName(Edit1->Text());
    fields.position = ComboBox1->ItemIndex();
    fields.trait1 = TraitCode(fields.position, ComboBox2->ItemIndex());
    fields.trait2 = TraitCode(fields.position, ComboBox3->ItemIndex());
    fields.side = ComboBox4->ItemIndex();
    fields.age = TrackBar1->Position();
    fields.star = CheckBox1->Checked();
    // A stored nationality the list does not hold stays as it is, unless the player picks a country.
    const int picked = combo1->ItemIndex();
    fields.nationality = EditorNationalView ? EditorCurrentNation : (picked >= 0 ? picked : shownNationality_);
    return fields;
}

void TPlayerDialog::ShowFields(const PlayerFields& fields)
{
    Edit1->SetText(fields.name);
    ComboBox1->SetItemIndex(fields.position);
    BuildTraitLists(fields.position);
    ComboBox2->SetItemIndex(TraitItem(fields.position, fields.trait1));
    ComboBox3->SetItemIndex(TraitItem(fields.position, fields.trait2));
    ComboBox4->SetItemIndex(fields.side == 1 ? 1 : 0);
    TrackBar1->SetPosition(fields.age);
    Label5->SetCaption(std::to_string(TrackBar1->Position()));
    CheckBox1->SetChecked(fields.star);
    combo1->SetItemIndex(fields.nationality);
    shownNationality_ = fields.nationality;
}

void TPlayerDialog::Confirm()
{
    const PlayerFields fields = Fields();
    if (nameRequired_ && fields.name.empty()) {
        MessageBox(kBlankPlayerNameText, Caption(), MB_OK | MB_ICONERROR);
        return;
    }
    if (!TraitsChosen(fields)) {
        MessageBox(kNoTraitText, Caption(), MB_OK | MB_ICONERROR);
        return;
    }
    Store(fields);
    Close();
}

void TPlayerDialog::FormKeyDown(TObject*, unsigned short& key, TShiftState shift)
{
    if (key == VK_RETURN) {
        key = 0;
        Confirm();
    } else if (key == VK_ESCAPE && FormClass() == "TForm6") {
        key = 0;
        Close();
    } else if (key >= VK_F1 && key <= VK_F10 && !(shift & ssAlt)) {  // Alt+F4 still closes the dialog
        SelectIfItem(ComboBox2, key - VK_F1);
        key = 0;
    } else if (key >= '0' && key <= '9' && ActiveControl() != Edit1) {
        // Digits typed into the name stay in the name.
        SelectIfItem(ComboBox3, key - '0');
        key = 0;
    }
}

const TScreenRecord TForm5::kScreen{
    .formClass = "TForm5",
    .shows = "Adicionar jogador",
    .area = TScreenArea::Editor,
    .modal = true,
    .style = {.background = TBackground::None},
    .subject = LoadedEditorSubject,
    .create = NewScreen<TForm5>,
    .file = "editor/player_dialogs.cpp",
};

TForm5::TForm5(TComponent* owner) : TPlayerDialog(owner, kScreen)
{
    nameRequired_ = true;
    BindHandler("FormCreate", [this](TObject*) {
        PlayerFields fields;
        fields.name.clear();
        fields.nationality = LastAddedNationality < 1 ? kDefaultNationality : LastAddedNationality;
        ShowFields(fields);
    });
    ReadDescription();
    ReadControls();
}

void TForm5::Store(const PlayerFields& fields)
{
    auto* editor = Form3.As<TForm3>();
    if (EditorNationalView) {
        if (AddNationalPlayer(EditorCurrentNation, fields) == 0)
            return;
        if (editor) {
            editor->selecaosalvar(EditorCurrentNation);
            editor->listjogselecao(EditorCurrentNation);
        } else {
            SaveEditorNation(EditorCurrentNation);
        }
        return;
    }
    if (AddClubPlayer(EditorCurrentClub, fields) == 0)
        return;
    if (editor) {
        editor->listtime(EditorCurrentClub);
        editor->timesalvar(EditorCurrentClub);
    } else {
        SaveEditorClub(EditorCurrentClub);
    }
}

const TScreenRecord TForm6::kScreen{
    .formClass = "TForm6",
    .shows = "Editar jogador",
    .area = TScreenArea::Editor,
    .modal = true,
    .style = {.background = TBackground::None},
    .subject = LoadedEditorSubject,
    .create = NewScreen<TForm6>,
    .file = "editor/player_dialogs.cpp",
};

TForm6::TForm6(TComponent* owner) : TPlayerDialog(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) {
        slot_ = EditorSelectedSlot;
        ShowFields(EditorNationalView ? NationalPlayerFields(EditorCurrentNation, slot_)
                                      : ClubPlayerFields(EditorCurrentClub, slot_));
    });
    ReadDescription();
    ReadControls();
}

void TForm6::Store(const PlayerFields& fields)
{
    auto* editor = Form3.As<TForm3>();
    if (EditorNationalView) {
        EditNationalPlayer(EditorCurrentNation, slot_, fields);
        if (!editor) {
            SaveEditorNation(EditorCurrentNation);
            return;
        }
        editor->selecaosalvar(EditorCurrentNation);
        editor->listjogselecao(EditorCurrentNation);
        return;
    }
    EditClubPlayer(EditorCurrentClub, slot_, fields);
    if (!editor) {
        SaveEditorClub(EditorCurrentClub);
        return;
    }
    // The club player's row changes where it stands; the squad is regrouped when listed again.
    editor->RefreshSelectedPlayerRow();
    editor->timesalvar(EditorCurrentClub);
}

}  // namespace tarvelon
