// The referee card (TForm80).
#include "screens/matchday/referee_card.h"

#include <string>

#include "controls/progress_cyl.h"
#include "core/match/referees.h"
#include "core/matchday/referee_table.h"
#include "core/records/match_records.h"
#include "core/seasonloop/season_loop.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

namespace {

// The referee of the day's first match, else the first of the table. The table is filled when the
// title screen opens; a game started without it (the gallery) fills it here.
void RefereeSubject()
{
    BeginShownMatchdayOfToday();
    if (RefereeNames.empty())
        FillReferees();
    const int referee = RefereeOfMatch(1);
    ShownReferee = referee >= 1 && referee <= kRefereeCount ? referee : 1;
}

}  // namespace

const TScreenRecord TForm80::kScreen{
    .formClass = "TForm80",
    .shows = "Árbitro",
    .area = TScreenArea::Matchday,
    .modal = true,
    .subject = RefereeSubject,
    .create = NewScreen<TForm80>,
    .file = "screens/matchday/referee_card.cpp",
    .replacesGame = true,
};

TForm80::TForm80(TComponent* owner) : TGameForm(owner, kScreen)
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
