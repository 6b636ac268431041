#pragma once
// A new contract for a player of the human club (TForm24): the weekly wage offered and the length;
// when the player asks for more, his minimum (TForm25), which the coach accepts or refuses.
#include <cstdint>
#include <optional>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TEdit;
class TGradButton;
class TLabel;
class TUpDown;

// The player offered a new contract and the wage (whole units) he asks for.
extern int RenewalPlayer;
extern std::int64_t RenewalDemandAmount;

class TForm24 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm24(TComponent* owner);

    TLabel* Label1 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label7 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UpDown1 = nullptr;
    TComboBox* combom = nullptr;
    TGradButton* CHButton1 = nullptr;
    TGradButton* bt3 = nullptr;

    // Signs the player for the wage and the chosen length, tells the hub and closes.
    void ApplyRenewal(std::int64_t weeklyWage);

private:
    void FormCreate();
    void Edit1Change();
    void UpDown1Click(bool up);
    void CHButton1Click();
    std::optional<std::int64_t> TypedWage() const;
};

class TForm25 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm25(TComponent* owner);

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TGradButton* button1 = nullptr;
    TGradButton* button2 = nullptr;
};

}  // namespace tarvelon
