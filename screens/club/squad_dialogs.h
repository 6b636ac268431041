#pragma once
// Three small dialogs of the human club: the death of one of its players (TForm72, "Falecimento do
// jogador"), a player's shirt number (TForm82, "Escolher número") and the club's two colours
// (TForm86, "Cores do time").
#include "screens/common/game_form.h"

namespace tarvelon {

class TColorDialog;
class TComboBox;
class TGradButton;
class TLabel;
class TShape;

// The death notice of DeadPlayer; it changes nothing (the club has already lost him).
class TForm72 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm72(TComponent* owner);

    TLabel* Label3 = nullptr;
    TGradButton* bt3 = nullptr;
};

// A shirt number for ShirtNumberPlayer, the numbers taken by team-mates shown with their holders.
class TForm82 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm82(TComponent* owner);

    TLabel* Label3 = nullptr;
    TComboBox* combo1 = nullptr;
    TGradButton* button1 = nullptr;
    TGradButton* GradButton1 = nullptr;

private:
    void FormCreate();
    void button1Click();
};

// The current human club's background colour (Shape1) and text colour (Shape2).
class TForm86 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm86(TComponent* owner);

    TShape* Shape1 = nullptr;
    TShape* Shape2 = nullptr;
    TGradButton* GradButton1 = nullptr;
    TColorDialog* ColorDialog1 = nullptr;

private:
    void FormCreate();
    void ShapeMouseDown(TObject* sender);
    void GradButton1Click();
};

}  // namespace tarvelon
