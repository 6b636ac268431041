#pragma once
// The save-name dialogs: TForm40 asks for a file name the first time a game is saved, TForm41
// asks whether an existing save may be overwritten. Core reaches them through its askSaveName hook.
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TBitBtn;
class TEdit;
class TGradButton;
class TLabel;

class TForm40 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm40(TComponent* owner);

    // The name chosen when the dialog closed ("name.nsx"), empty before.
    const std::string& Chosen() const { return chosen_; }

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;
    TGradButton* bt1 = nullptr;

private:
    void bt1Click();
    void Choose();

    std::string chosen_;
};

class TForm41 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm41(TComponent* owner);

    TLabel* Label1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
};

// The askSaveName hook: the name dialog, modal; the chosen "name.nsx".
std::string AskSaveNameOnScreen();

}  // namespace tarvelon
