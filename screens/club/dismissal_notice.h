#pragma once
// The dismissal notice (TForm31): tells a human coach that his club let him go (or accepted his
// resignation) and who takes his place. The change of coach itself is core's (DismissHumanCoach),
// which opens the notice through its showCoachDismissal hook before it hands the club over.

#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TImage;
class TLabel;

// What the notice shows: the club, its fired coach and his replacement (-1 none).
struct DismissalNoticeSubject {
    int club = -1;
    int firedCoach = -1;
    int replacement = -1;
};
extern DismissalNoticeSubject DismissalNotice;

class TForm31 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm31(TComponent* owner);

    TImage* escudo = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TGradButton* GradButton2 = nullptr;

private:
    void FormCreate();
};

// The showCoachDismissal hook: the notice, modal; nothing is shown when nobody takes the place.
void ShowCoachDismissalOnScreen(int club, int firedCoach, int replacement);

}  // namespace tarvelon
