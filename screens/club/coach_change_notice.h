#pragma once
// The notice of a coach change at a computer club (TForm57, "Mudanças de técnicos"): who was fired,
// why, and who took his place, or the whole chain when the replacement left another club. The change
// itself is core's (SackFailingCoaches), which opens the notice through its showCoachChange hook.
#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TImage;
class TLabel;
class TTimer;

class TForm57 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm57(TComponent* owner);

    TImage* escudo = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TGradButton* GradButton2 = nullptr;
    TTimer* Timer1 = nullptr;

private:
    void FormCreate();
};

// The showCoachChange hook: the notice, modal.
void ShowCoachChangeOnScreen();

}  // namespace tarvelon
