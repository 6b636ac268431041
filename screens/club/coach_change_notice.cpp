// The coach-changes notice (TForm57).
#include "screens/club/coach_change_notice.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/career/career_state.h"
#include "core/format/images.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/views/dismissal_text.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/timer.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

const TScreenRecord TForm57::kScreen{
    .formClass = "TForm57",
    .shows = "Mudanças de técnicos",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true, .closeOnEscape = true},
    .subject = [] {
        const int club = SubjectOtherClub();
        const int rival = SubjectRivalClub();
        CoachChangeClub = club;
        FiredCoach = club >= 0 ? Clubs[static_cast<std::size_t>(club)].coach : -1;
        ReplacementCoach = rival >= 0 ? Clubs[static_cast<std::size_t>(rival)].coach : -1;
        ReplacementCoachOldClub = rival;
    },
    .create = NewScreen<TForm57>,
    .file = "screens/club/coach_change_notice.cpp",
};

TForm57::TForm57(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    // In instant play the notice does not wait for the coach: it closes itself after a second.
    BindHandler("FormShow", [this](TObject*) {
        if (Game.InstantPlay)
            Timer1->SetEnabled(true);
    });
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_RETURN) {
            key = 0;
            Close();
        }
    });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    BindHandler("Timer1Timer", [this](TObject*) {
        Timer1->SetEnabled(false);
        Close();
    });
    ReadDescription();
    escudo = FindChild<TImage>("escudo");
    Label2 = FindChild<TLabel>("Label2");
    Label3 = FindChild<TLabel>("Label3");
    Label4 = FindChild<TLabel>("Label4");
    Label5 = FindChild<TLabel>("Label5");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    Timer1 = FindChild<TTimer>("Timer1");
}

void TForm57::FormCreate()
{
    const std::string crest = CrestPath(CoachChangeClub);
    if (!crest.empty())
        escudo->Picture().LoadFromFile(crest);
    const CoachChangeNoticeText text = CoachChangeNotice();
    Label2->SetCaption(CaptionLiteral(text.title));
    Label3->SetCaption(CaptionLiteral(text.coaches));
    Label4->SetCaption(CaptionLiteral(text.reason));
    Label5->SetCaption(CaptionLiteral(text.outcome));
}

void ShowCoachChangeOnScreen()
{
    if (TGameForm* notice = CreateScreen("TForm57", Application))
        notice->ShowModal();
}

}  // namespace tarvelon
