// The retirement of a player (TForm48).
#include "screens/club/retirement_dialog.h"

#include "controls/dc_glow_button.h"
#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/economy/table_access.h"
#include "core/squad/retirement.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/hub_screen.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

const TScreenRecord TForm48::kScreen{
    .formClass = "TForm48",
    .shows = "Aposentadoria do jogador",
    .area = TScreenArea::Club,
    .modal = true,
    .subject = [] { RetiringPlayer = SubjectPlayer(); },
    .create = NewScreen<TForm48>,
    .file = "screens/club/retirement_dialog.cpp",
};

TForm48::TForm48(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("GradButton1Click", [this](TObject*) { GradButton1Click(); });
    BindHandler("CHButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label2 = FindChild<TLabel>("Label2");
    Edit1 = FindChild<TEdit>("Edit1");
    combopos = FindChild<TComboBox>("combopos");
    GradButton1 = FindChild<TGradButton>("GradButton1");
    CHButton1 = FindChild<TGradButton>("CHButton1");
}

void TForm48::FormCreate()
{
    if (!IsPlayerIndex(RetiringPlayer))
        return;
    const TPlayer& p = Players[RetiringPlayer];
    Label2->SetCaption(CaptionLiteral(p.Name.str()));
    // "Edit1 "Nome do jogador a ser promovido:" (at most 30 characters)": the field takes the 20
    // characters a player's name holds, so that no name is cut behind the coach's back.
    Edit1->SetText(p.Name.str());
    combopos->SetItemIndex(p.Position);
}

// The name edit takes 20 characters, not "at most 30 characters": a player's name holds 20, and
// a longer name typed in full would be cut without a word once the junior is made.
void TForm48::GradButton1Click()
{
    // An empty or blank name promotes nobody and leaves the dialog open.
    const int junior = RetireAndPromoteJunior(RetiringPlayer, Edit1->Text(), combopos->ItemIndex());
    if (junior == 0)
        return;
    RetiringPlayer = junior;
    RefreshHubRosterAt(junior);
    if (TForm13* hub = OpenHubForm(); hub && hub->btaposenta)
        hub->btaposenta->SetEnabled(false);
    Close();
}

}  // namespace tarvelon
