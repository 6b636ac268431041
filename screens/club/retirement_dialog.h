#pragma once
// The retirement of a player (TForm48, "Aposentadoria do jogador"): RetiringPlayer retires and a
// junior of the club, named and placed by the coach, is promoted in his place.
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TEdit;
class TGradButton;
class TLabel;

class TForm48 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm48(TComponent* owner);

    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;
    TComboBox* combopos = nullptr;
    TGradButton* GradButton1 = nullptr;
    TGradButton* CHButton1 = nullptr;

private:
    void FormCreate();
    void GradButton1Click();
};

}  // namespace tarvelon
