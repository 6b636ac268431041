// The confirmation of a resignation (TForm65).
#include "screens/club/resignation_dialog.h"

#include "controls/grad_button.h"
#include "core/career/resignation.h"
#include "core/lineup/hub_turns.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/hub_screen.h"
#include "screens/common/queued_call.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

const TScreenRecord TForm65::kScreen{
    .formClass = "TForm65",
    .shows = "Confirmação",
    .area = TScreenArea::Club,
    .modal = true,
    .create = NewScreen<TForm65>,
    .file = "screens/club/resignation_dialog.cpp",
};

TForm65::TForm65(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("GradButton2Click", [this](TObject*) {
        ResignationConfirmed = true;
        Close();
        RunQueued(CarryOutResignation);
    });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    GradButton2 = FindChild<TGradButton>("GradButton2");
    GradButton1 = FindChild<TGradButton>("GradButton1");
}

void CarryOutResignation()
{
    if (!ResignationConfirmed)
        return;
    ResignationConfirmed = false;
    // With nobody to take his place "no coach changes and the notice is not shown"; passing the turn
    // then ("CurrentHumanTurn -= 1 and NextHumanCoachOrKickOff runs") would serve the same coach
    // again, his hub refreshed and the round's offers and notices asked a second time. He stays on
    // his turn, told why the resignation could not be accepted.
    if (!ResignCurrentHumanCoach())
        return;
    if (TForm13* hub = OpenHubForm()) {
        CurrentHumanTurn -= 1;
        hub->NextHumanCoachOrKickOff();
    }
}

}  // namespace tarvelon
