// The referee card (TForm80).
#include "screens/matchday/referee_card.h"

#include <string>

#include "controls/progress_cyl.h"
#include "core/records/match_records.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/subjects.h"

namespace tarvelon {

TForm80::TForm80(TComponent* owner) : TGameForm(owner, "TForm80")
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label2 = FindChild<TLabel>("Label2");
    Label3 = FindChild<TLabel>("Label3");
    Label4 = FindChild<TLabel>("Label4");
    Label5 = FindChild<TLabel>("Label5");
    gp1 = FindChild<TProgressCyl>("gp1");
    gp2 = FindChild<TProgressCyl>("gp2");
}

void TForm80::FormCreate()
{
    for (TProgressCyl* gauge : {gp1, gp2})
        gauge->SetTextDone("");
    // A number outside the table shows an empty card rather than reading past it.
    if (ShownReferee < 1 || ShownReferee > kRefereeCount)
        return;
    const arbitro_& referee = Referees[ShownReferee];
    Label1->SetCaption(RefereeName(ShownReferee));
    Label4->SetCaption(std::to_string(referee.technique));
    Label5->SetCaption(std::to_string(referee.rigour));
    gp1->SetPosition(referee.technique);
    gp2->SetPosition(referee.rigour);
}

}  // namespace tarvelon
