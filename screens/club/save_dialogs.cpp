// The save-name dialog (TForm40) and the overwrite confirmation (TForm41).
#include "screens/club/save_dialogs.h"

#include "controls/grad_button.h"
#include "core/basics/typed_text.h"
#include "core/hooks.h"
#include "core/persist/save_names.h"
#include "core/persist/saved_game.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/screen_registry.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

namespace {

// Ends the dialog with its answer: a modal form returns it from ShowModal, a shown one closes.
void Answer(TForm& form, TModalResult result)
{
    form.SetModalResult(result);
    if (!form.Modal())
        form.Close();
}

constexpr char kNameRefused[] = "Este nome não pode ser usado: escolha outro.";

// The name the last dialog chose (the dialog frees itself when it closes).
std::string LastChosenName;

}  // namespace

const TScreenRecord TForm40::kScreen{
    .formClass = "TForm40",
    .shows = "Nome do jogo salvo",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .create = NewScreen<TForm40>,
    .file = "screens/club/save_dialogs.cpp",
};

TForm40::TForm40(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormShow", [this](TObject*) {
        if (Edit1)
            Edit1->SetFocus();
    });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("Edit1Change", [this](TObject*) {
        if (bt1 && Edit1)
            bt1->SetEnabled(!TypedName(Edit1->Text()).empty());
    });
    BindHandler("bt1Click", [this](TObject*) { bt1Click(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label2 = FindChild<TLabel>("Label2");
    Edit1 = FindChild<TEdit>("Edit1");
    bt1 = FindChild<TGradButton>("bt1");
    RefuseCharactersRecordsCannotHold({Edit1});
}

void TForm40::bt1Click()
{
    const std::string typed = Edit1 ? TypedName(Edit1->Text()) : "";
    if (typed.empty())
        return;
    // A name that would leave the save folder or break the file name is refused here, not written.
    if (!IsValidSaveName(SaveNameFromTyped(typed))) {
        MessageBox(kNameRefused, "Salvar jogo", MB_OK);
        return;
    }
    if (!SaveNameTaken(typed)) {
        Choose();
        return;
    }
    TGameForm* confirm = CreateScreen("TForm41", this);
    if (confirm && confirm->ShowModal() == mrYes)
        Choose();
}

void TForm40::Choose()
{
    chosen_ = SaveNameToWrite(TypedName(Edit1->Text()));
    LastChosenName = chosen_;
    Answer(*this, mrOk);
}

const TScreenRecord TForm41::kScreen{
    .formClass = "TForm41",
    .shows = "Substituir o jogo salvo",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .create = NewScreen<TForm41>,
    .file = "screens/club/save_dialogs.cpp",
};

TForm41::TForm41(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormShow", [](TObject*) {});
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("BitBtn1Click", [this](TObject*) { Answer(*this, mrYes); });
    BindHandler("BitBtn2Click", [this](TObject*) { Answer(*this, mrNo); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    BitBtn1 = FindChild<TBitBtn>("BitBtn1");
    BitBtn2 = FindChild<TBitBtn>("BitBtn2");
}

std::string AskSaveNameOnScreen()
{
    auto* dialog = dynamic_cast<TForm40*>(CreateScreen("TForm40", Application));
    if (dialog == nullptr)
        return "";
    LastChosenName.clear();
    dialog->ShowModal();
    return LastChosenName;
}

}  // namespace tarvelon
