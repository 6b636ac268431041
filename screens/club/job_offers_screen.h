#pragma once
// The job offers (TForm30, "Convite para ser técnico"): up to four clubs that invite the current
// human coach, each with a preview of its squad; he takes one or rejects them all. Opened through
// core's showJobOffers hook; however it closes, the offers are gone afterwards.
#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TGradButton;
class TImage;
class TLabel;
class TListView;
class TRadioButton;

class TForm30 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm30(TComponent* owner);

    // The offer (1..4) whose squad the list shows, by its radio button.
    void ShowOfferSquad(int offer);

    TLabel* Label2 = nullptr;
    TLabel* Label6 = nullptr;
    TRadioButton* r[4] = {};
    TImage* crests[4] = {};  // image0, Image1, Image2, Image3
    TListView* ljog = nullptr;
    TGradButton* bt3 = nullptr;
    TGradButton* bt2 = nullptr;
    TGradButton* GradButton1 = nullptr;
    TCustomImageList* ImageList1 = nullptr;

private:
    void FormCreate();
    void ShowOffer(int index);
    void bt3Click();
    int CheckedOffer() const;
};

// The showJobOffers hook: the offers, modal.
void ShowJobOffersOnScreen();

}  // namespace tarvelon
