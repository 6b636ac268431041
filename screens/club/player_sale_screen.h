#pragma once
// "Venda de jogador" (TForm44): the player chosen in the hub (`SelectedRecord`) sent to an auction
// at a start price, or listed for sale at a fixed price; the rescission fine band of a player
// under contract.
#include "screens/common/game_form.h"

namespace tarvelon {

class TEdit;
class TGradButton;
class TLabel;
class TRadioButton;

class TForm44 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm44(TComponent* owner);

    int Player() const { return player_; }

    TLabel* Label3 = nullptr;
    TRadioButton* ck1 = nullptr;
    TRadioButton* ck2 = nullptr;
    TEdit* Edit1 = nullptr;
    TEdit* Edit2 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label13 = nullptr;
    TGradButton* bt1 = nullptr;
    TGradButton* GradButton1 = nullptr;

private:
    void FormCreate();
    void ChooseWay();
    void PriceChanged(TEdit& edit, TLabel& words);
    void bt1Click();
    void ShowFineBand();

    int player_ = 0;
    bool resetting_ = false;  // the edit's text is being put back to "1000"
};

}  // namespace tarvelon
