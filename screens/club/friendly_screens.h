#pragma once
// Friendlies of the human club: the pre-season question (TForm85), the booking screen (TForm81) and
// the fee confirmation (TForm84). The dates, fees and the booking itself are core's
// (core/economy/friendly_booking.h).
#include <string>
#include <utility>
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TGradButton;
class TLabel;

// What the booking screen and its confirmation share.
struct FriendlyProposal {
    int opponent = -1;
    int fee = 0;             // whole units
    bool confirmed = false;
};
extern FriendlyProposal PendingFriendly;

// "Amistosos de Pré-temporada": "Sim" or "Não" into WantsPreseasonFriendlies.
class TForm85 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm85(TComponent* owner);
    TGradButton* GradButton1 = nullptr;
    TGradButton* GradButton2 = nullptr;
};

// "Marcar amistoso" for Game.CurrentHumanClub.
class TForm81 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm81(TComponent* owner);

    TLabel* Label1 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TComboBox* combo1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TComboBox* combo3 = nullptr;
    TGradButton* bt1 = nullptr;
    TGradButton* GradButton1 = nullptr;

private:
    void FormCreate();
    void FillDates();
    void combo1Change();
    void ComboBox1Change();
    void bt1Click();
    // Asks the fee's confirmation; true when the friendly is to be booked.
    bool ConfirmFee(int opponent, int fee, bool& cashShort);
    void ShowResult(const std::string& text);

    int club_ = -1;
    std::vector<int> days_;
    std::vector<std::pair<std::string, int>> opponents_;
};

// "Confirmação de amistoso": the fee of PendingFriendly, "Sim" or "Não".
class TForm84 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm84(TComponent* owner);
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TGradButton* GradButton1 = nullptr;
    TGradButton* GradButton2 = nullptr;

private:
    void FormCreate();
};

// The start of a season: the pre-season question, then the booking screen for each human club in
// turn when the coach wants friendlies.
void OfferPreseasonFriendliesOnScreen();

}  // namespace tarvelon
