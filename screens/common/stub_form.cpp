#include "screens/common/stub_form.h"

#include "controls/grad_button.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/form_references.h"
#include "screens/common/queued_call.h"

namespace tarvelon {

TStubForm::TStubForm(TComponent* owner, const std::string& formClass, const std::string& shows,
                     TGameFormStyle style, std::function<void()> onContinue)
    : TGameForm(owner, formClass, style), onContinue_(std::move(onContinue))
{
    BindHandler("btcontinuarClick", [this](TObject* sender) { btcontinuarClick(sender); });
    BindHandler("btfecharClick", [this](TObject* sender) { btfecharClick(sender); });
    ReadDescription("TStubForm");
    lbtitulo = FindChild<TLabel>("lbtitulo");
    lbaviso = FindChild<TLabel>("lbaviso");
    btcontinuar = FindChild<TGradButton>("btcontinuar");
    btfechar = FindChild<TGradButton>("btfechar");
    SetCaption(shows);
    if (lbtitulo)
        lbtitulo->SetCaption(shows);
}

void TStubForm::btcontinuarClick(TObject*)
{
    Close();
    if (onContinue_)
        RunQueued(onContinue_);
}

void TStubForm::btfecharClick(TObject*)
{
    // A main screen of the game (not a dialog) leaves the player on the title screen.
    const bool mainScreen = !Modal() && !(Form1 == this);
    Close();
    if (mainScreen && Form1)
        Form1->Show();
}

}  // namespace tarvelon
