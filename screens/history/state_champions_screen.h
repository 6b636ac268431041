#pragma once
// The state champions (TForm66): each state's champion, runner-up and top scorer of the season, as
// core decided them once when the state finals ended, and the prizes they were paid.
#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TGradButton;
class TLabel;
class TTimer;

class TForm66 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm66(TComponent* owner);

    TLabel* Label1 = nullptr;
    TLabel* Label3 = nullptr;
    TDataGrid* gcamp = nullptr;
    TGradButton* GradButton2 = nullptr;
    TCustomImageList* stateFlags = nullptr;
    TTimer* Timer1 = nullptr;

    // "Continuar >>": closes the screen, once however often it is pressed.
    void Continue();

private:
    void FillChampions();
    bool continued_ = false;
};

// The showStateChampions hook: the screen, modal.
void ShowStateChampionsOnScreen();

}  // namespace tarvelon
