// The job offers (TForm30).
#include "screens/club/job_offers_screen.h"

#include <QImage>

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/career/career_state.h"
#include "core/career/job_offer_walks.h"
#include "core/economy/table_access.h"
#include "core/format/images.h"
#include "core/views/job_offer_view.h"
#include "platform/forms/application.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/list_view.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/hub_screen.h"
#include "screens/common/art/squad_icons.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

namespace {

constexpr int kNoImage = 0;  // a blank, so that every position letter stands in the same place
constexpr int kStarImage = 1;
constexpr int kStarCondition = 12;  // the star alone among the squad lists' condition icons

std::string CoachName(int coach) { return IsCoachIndex(coach) ? Coaches[coach].name.str() : ""; }

}  // namespace

const TScreenRecord TForm30::kScreen{
    .formClass = "TForm30",
    .shows = "Convite para ser técnico",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = [] { JobOffers = {SubjectOtherClub(), SubjectRivalClub(), -1, -1}; },
    .create = NewScreen<TForm30>,
    .file = "screens/club/job_offers_screen.cpp",
};

TForm30::TForm30(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) {
        action = caFree;
        ClearJobOffers();  // refused offers are gone
    });
    BindHandler("OfferClick", [this](TObject* sender) {
        if (auto* radio = dynamic_cast<TRadioButton*>(sender))
            ShowOfferSquad(static_cast<int>(radio->Tag()));
    });
    BindHandler("bt3Click", [this](TObject*) { bt3Click(); });
    BindHandler("bt2Click", [](TObject*) {
        if (TGameForm* standings = CreateScreen("TForm36", Application))
            standings->ShowModal();
    });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label2 = FindChild<TLabel>("Label2");
    Label6 = FindChild<TLabel>("Label6");
    for (int i = 0; i < 4; ++i) {
        r[i] = FindChild<TRadioButton>("r" + std::to_string(i + 1));
        crests[i] = FindChild<TImage>(i == 0 ? "image0" : "Image" + std::to_string(i));
    }
    ljog = FindChild<TListView>("ljog");
    bt3 = FindChild<TGradButton>("bt3");
    bt2 = FindChild<TGradButton>("bt2");
    GradButton1 = FindChild<TGradButton>("GradButton1");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
}

void TForm30::FormCreate()
{
    TImageList conditions(16, 16);
    art::FillConditionImages(conditions);
    QImage none(16, 16, QImage::Format_ARGB32);
    none.fill(Qt::transparent);
    ImageList1->Clear();
    ImageList1->AddImage(none);
    ImageList1->AddImage(conditions.Image(kStarCondition));
    ljog->SetSmallImages(ImageList1);

    Label2->SetCaption(CaptionLiteral(CoachName(Game.CurrentHumanCoach)));
    for (int i = 0; i < 4; ++i)
        if (IsJobOfferShown(i))
            ShowOffer(i);
    if (IsJobOfferShown(0)) {
        r[0]->SetChecked(true);
        ShowOfferSquad(1);
    }
}

void TForm30::ShowOffer(int index)
{
    const int club = JobOffers[static_cast<std::size_t>(index)];
    r[index]->SetCaption(CaptionLiteral(JobOfferCaption(club)));
    r[index]->Show();
    const std::string crest = MiniCrestPath(club);
    if (!crest.empty())
        crests[index]->Picture().LoadFromFile(crest);
}

void TForm30::ShowOfferSquad(int offer)
{
    ljog->Items().Clear();
    if (offer < 1 || offer > 4 || !IsClubIndex(JobOffers[static_cast<std::size_t>(offer - 1)]))
        return;
    const int club = JobOffers[static_cast<std::size_t>(offer - 1)];
    Label6->SetCaption(CaptionLiteral("Plantel - " + Clubs[club].name.str()));
    for (const JobOfferSquadRow& player : JobOfferSquad(club)) {
        TListItem* row = ljog->Items().Add();
        row->SetCaption(player.position);
        row->SetImageIndex(player.star ? kStarImage : kNoImage);
        row->SubItems().Add(player.name);
        row->SubItems().Add(std::to_string(player.strength));
        row->SubItems().Add(player.energy);
        row->SubItems().Add(player.wage);
        row->SubItems().Add(player.value);
        row->SubItems().Add(player.traits);
        row->SubItems().Add(std::to_string(player.age));
    }
}

int TForm30::CheckedOffer() const
{
    for (int i = 0; i < 4; ++i)
        if (r[i]->Visible() && r[i]->Checked())
            return i + 1;
    return 0;
}

void TForm30::bt3Click()
{
    const int offer = CheckedOffer();
    if (offer == 0 || !AcceptJobOffer(offer - 1))
        return;
    if (TForm13* hub = OpenHubForm())
        hub->RefreshHub();
    Close();
}

void ShowJobOffersOnScreen()
{
    if (TGameForm* offers = CreateScreen("TForm30", Application))
        offers->ShowModal();
}

}  // namespace tarvelon
