// The dismissal notice (TForm31).
#include "screens/club/dismissal_notice.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/career/career_state.h"
#include "core/format/images.h"
#include "core/tables.h"
#include "core/views/dismissal_text.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

DismissalNoticeSubject DismissalNotice;

namespace {

std::string CoachName(int coach)
{
    return coach >= 0 && coach < static_cast<int>(Coaches.size()) ? Coaches[static_cast<std::size_t>(coach)].name.str()
                                                                   : "";
}

}  // namespace

const TScreenRecord TForm31::kScreen{
    .formClass = "TForm31",
    .shows = "Técnico demitido",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true, .closeOnEscape = true},
    .subject = [] {
        const int club = SubjectClub();
        const int other = SubjectOtherClub();
        DismissalNotice = {club, club >= 0 ? Clubs[static_cast<std::size_t>(club)].coach : -1,
                           other >= 0 ? Clubs[static_cast<std::size_t>(other)].coach : -1};
    },
    .create = NewScreen<TForm31>,
    .file = "screens/club/dismissal_notice.cpp",
};

TForm31::TForm31(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_RETURN) {
            key = 0;
            Close();
        }
    });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    ReadDescription();
    escudo = FindChild<TImage>("escudo");
    Label1 = FindChild<TLabel>("Label1");
    Label2 = FindChild<TLabel>("Label2");
    Label3 = FindChild<TLabel>("Label3");
    Label4 = FindChild<TLabel>("Label4");
    Label5 = FindChild<TLabel>("Label5");
    GradButton2 = FindChild<TGradButton>("GradButton2");
}

void TForm31::FormCreate()
{
    const DismissalNoticeSubject& notice = DismissalNotice;
    if (escudo) {
        const std::string crest = CrestPath(notice.club);
        if (!crest.empty())
            escudo->Picture().LoadFromFile(crest);
    }
    if (Label3) Label3->SetCaption(CaptionLiteral(CoachName(notice.firedCoach)));
    if (Label4) Label4->SetCaption(CaptionLiteral(DismissalMessage(notice.club, notice.firedCoach, CoachResigned)));
    CoachResigned = false;
    if (Label5 && notice.replacement >= 0)
        Label5->SetCaption(CaptionLiteral("Para seu lugar foi contratado " + CoachName(notice.replacement)));
}

void ShowCoachDismissalOnScreen(int club, int firedCoach, int replacement)
{
    if (replacement < 0)
        return;
    DismissalNotice = {club, firedCoach, replacement};
    if (TGameForm* notice = CreateScreen("TForm31", Application))
        notice->ShowModal();
}

}  // namespace tarvelon
