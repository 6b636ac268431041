#pragma once
// The referee card (TForm80, "Árbitro"): the name of one referee of the day and his two ratings,
// technique and rigour, as numbers and as cylinder gauges out of five. Its opener sets ShownReferee.
#include "screens/common/game_form.h"

namespace tarvelon {

class TLabel;
class TProgressCyl;

class TForm80 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm80(TComponent* owner);

    TLabel* Label1 = nullptr;  // name
    TLabel* Label2 = nullptr;  // "Técnica:"
    TLabel* Label3 = nullptr;  // "Rigor:"
    TLabel* Label4 = nullptr;  // technique
    TLabel* Label5 = nullptr;  // rigour
    TProgressCyl* gp1 = nullptr;
    TProgressCyl* gp2 = nullptr;

private:
    void FormCreate();
};

}  // namespace tarvelon
