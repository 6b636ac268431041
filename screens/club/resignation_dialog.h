#pragma once
// The confirmation of a resignation (TForm65, "Confirmação"): "Sim" confirms it, and once the dialog
// has closed the coach resigns (the dismissal notice tells him who takes his place) and the hub
// passes the turn on as if he had confirmed a line-up.
#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;

class TForm65 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm65(TComponent* owner);

    TGradButton* GradButton2 = nullptr;  // "Sim"
    TGradButton* GradButton1 = nullptr;  // "Não"
};

// The confirmed resignation of the current human coach: refused with a message when it cannot be
// carried out; else the hub, when open, serves the next human coach of the day or kicks off.
void CarryOutResignation();

}  // namespace tarvelon
