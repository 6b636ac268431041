#include "screens/competitions/national_invitations_screen.h"

#include <QImage>

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"
#include "platform/forms/application.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

const TScreenRecord TForm76::kScreen{
    .formClass = "TForm76",
    .shows = "Convite para técnico de seleção",
    .area = TScreenArea::Competitions,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = [] {
        InvitationCompetition = 7;
        InvitationOfferTier = 1;
        // The World Cup's draw, the fixed one as the drawn one, writes the rows of offers; a game that
        // holds none offers the groups' heads.
        if (Game.tournamentRows[0][0] <= 0)
            for (int slot = 0; slot < 8; ++slot)
                Game.tournamentRows[0][slot] = Game.NationalGroups[slot][0];
    },
    .create = NewScreen<TForm76>,
    .file = "screens/competitions/national_invitations_screen.cpp",
};

TForm76::TForm76(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("r1Click", [this](TObject* sender) { r1Click(sender); });
    BindHandler("btfecharClick", [this](TObject*) { btfecharClick(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label2 = FindChild<TLabel>("Label2");
    for (int i = 0; i < 8; ++i) {
        images[i] = FindChild<TImage>(i == 0 ? "image0" : "Image" + std::to_string(i));
        radios[i] = FindChild<TRadioButton>("r" + std::to_string(i + 1));
    }
    btfechar = FindChild<TGradButton>("btfechar");
}

void TForm76::FormCreate()
{
    if (InvitationCompetition == kKindCopaAmerica)
        Label1->SetCaption("Escolha da seleção para treinar na Copa América");
    else if (InvitationCompetition == kKindEurocopa)
        Label1->SetCaption("Escolha da seleção para treinar na Eurocopa");
    SelectedOffer = 0;
    offers_ = InvitationOffers(InvitationOfferTier);
    bool anyEnabled = false;
    for (int i = 0; i < 8; ++i) {
        const InvitationOffer& offer = offers_[i];
        const bool shown = offer.club >= 0;
        radios[i]->SetVisible(shown);
        images[i]->SetVisible(shown);
        if (!shown)
            continue;
        const TClub& team = Clubs[static_cast<std::size_t>(offer.club)];
        radios[i]->SetCaption(CaptionLiteral(team.name.str()));
        radios[i]->SetEnabled(offer.enabled);
        anyEnabled = anyEnabled || offer.enabled;
        const QImage flag = art::CountryFlagIcon(team.Country);
        if (!flag.isNull())
            images[i]->Picture().SetGraphic(std::make_unique<TImageGraphic>(flag, TImageFormat::Png));
    }
    // "Alt+F4 is swallowed, so the dialog can only be left with "OK" after a choice": with every
    // offer disabled no choice can be made and the game would hang on the dialog. With nothing to
    // choose, "OK" is enabled at once and closes without a team.
    btfechar->SetEnabled(!anyEnabled);
}

void TForm76::r1Click(TObject* sender)
{
    auto* radio = dynamic_cast<TRadioButton*>(sender);
    if (radio == nullptr || radio->Tag() < 1 || radio->Tag() > 8 || !offers_[radio->Tag() - 1].enabled)
        return;
    SelectedOffer = static_cast<int>(radio->Tag());
    btfechar->SetEnabled(true);
}

void TForm76::btfecharClick()
{
    if (SelectedOffer >= 1 && SelectedOffer <= 8 && AcceptInvitation(offers_[SelectedOffer - 1].club))
        accepted_ = offers_[SelectedOffer - 1].club;
    Close();
}

int OfferNationalTeamInvitation(int kind)
{
    InvitationCompetition = kind;
    InvitationOfferTier = InvitationTier(kind, Game.CurrentHumanClub);
    bool anyFree = false;
    for (const InvitationOffer& offer : InvitationOffers(InvitationOfferTier))
        anyFree = anyFree || offer.enabled;
    if (!anyFree)
        return -1;
    auto* dialog = dynamic_cast<TForm76*>(CreateScreen("TForm76", Application));
    if (dialog == nullptr)
        return -1;
    const int before = Game.HumanNationCount;
    dialog->ShowModal();
    // The dialog has freed itself; its choice is in the game tables.
    return Game.HumanNationCount > before ? Game.HumanNations[Game.HumanNationCount - 1] : -1;
}

}  // namespace tarvelon
