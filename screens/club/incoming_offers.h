#pragma once
// The offers of computer clubs that reach the human coach after a round: a purchase offer for one
// of his players (TForm68) and a loan request for a player he offered for loan (TForm59). "Sim"
// completes the deal at once; "Não" changes nothing.
#include <cstdint>
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TImage;
class TLabel;

// A question of a computer club answered with "Sim" (bt3) or "Não" (GradButton1, closes).
class TOfferDialog : public TGameForm {
public:
    TOfferDialog(TComponent* owner, const TScreenRecord& screen);

    TImage* escudo = nullptr;
    TGradButton* bt3 = nullptr;
    TGradButton* GradButton1 = nullptr;

protected:
    virtual void FormCreate() = 0;
    virtual void bt3Click() = 0;
};

class TForm68 : public TOfferDialog {
public:
    static const TScreenRecord kScreen;
    explicit TForm68(TComponent* owner);
    std::int64_t Offer() const { return offer_; }

    TLabel* Label1 = nullptr;  // the offering club
    TLabel* Label3 = nullptr;  // the player
    TLabel* Label4 = nullptr;  // strength
    TLabel* Label5 = nullptr;  // age
    TLabel* Label6 = nullptr;  // traits
    TLabel* Label7 = nullptr;  // position
    TLabel* Label8 = nullptr;  // value
    TLabel* Label10 = nullptr; // the offer

private:
    void FormCreate() override;
    void bt3Click() override;
    std::int64_t offer_ = 0;
};

class TForm59 : public TOfferDialog {
public:
    static const TScreenRecord kScreen;
    explicit TForm59(TComponent* owner);

    TLabel* Label2 = nullptr;  // the club and its division
    TLabel* Label7 = nullptr;  // the player

private:
    void FormCreate() override;
    void bt3Click() override;
};


}  // namespace tarvelon
