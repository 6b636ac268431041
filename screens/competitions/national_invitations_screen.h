#pragma once
// The national-team invitations (TForm76): the human coach picks, among the eight national teams of
// one tier of offers, the one he will lead in the coming World Cup, Copa América or Eurocopa
// (InvitationCompetition, InvitationOfferTier). Teams already led by a human coach are shown
// disabled, empty offers hidden; "OK" takes the chosen one.
#include <array>

#include "core/progression/national_invitations.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TImage;
class TLabel;
class TRadioButton;

class TForm76 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm76(TComponent* owner);

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    std::array<TImage*, 8> images{};
    std::array<TRadioButton*, 8> radios{};
    TGradButton* btfechar = nullptr;

    int SelectedOffer = 0;  // 1..8 once a radio button was clicked
    // The national team taken when "OK" closed the dialog, -1 for none.
    int Accepted() const { return accepted_; }

private:
    void FormCreate();
    void r1Click(TObject* sender);
    void btfecharClick();

    std::array<InvitationOffer, 8> offers_{};
    int accepted_ = -1;
};

// The invitation of the current human coach to tournament `kind` (7, 8 or 9), as the hub's
// post-round dispatch makes it: the subjects set (the tier from the coach's club), then the dialog
// modally, only when an offer of that tier is free to lead. The national team taken, or -1.
int OfferNationalTeamInvitation(int kind);

}  // namespace tarvelon
