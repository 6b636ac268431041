// The incoming purchase offer (TForm68) and loan request (TForm59).
#include "screens/club/incoming_offers.h"

#include <algorithm>

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/economy/incoming_offers.h"
#include "core/format/images.h"
#include "core/format/money_format.h"
#include "core/match/lineup_access.h"
#include "core/records/game_state.h"
#include "core/vocab/players.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/hub_screen.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

namespace {

void ShowCrest(TImage* image, int club)
{
    const std::string crest = CrestPath(club);
    if (image != nullptr && !crest.empty())
        image->Picture().LoadFromFile(crest);
}

void SetLabel(TLabel* label, const std::string& text)
{
    if (label != nullptr)
        label->SetCaption(CaptionLiteral(text));
}

std::string ClubName(int club)
{
    const TClub* c = ClubAt(club);
    return c != nullptr ? c->name.str() : "";
}

// Both of the player's traits, alike or not.
std::string TraitText(const TPlayer& p)
{
    auto name = [](int t) { return t >= 0 && t < TraitCount ? std::string(TraitNames[static_cast<std::size_t>(t)]) : ""; };
    return name(p.Trait1) + "/" + name(p.Trait2);
}

}  // namespace

TOfferDialog::TOfferDialog(TComponent* owner, const TScreenRecord& screen)
    : TGameForm(owner, screen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("bt3Click", [this](TObject*) { bt3Click(); });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    escudo = FindChild<TImage>("escudo");
    bt3 = FindChild<TGradButton>("bt3");
    GradButton1 = FindChild<TGradButton>("GradButton1");
}

const TScreenRecord TForm68::kScreen{
    .formClass = "TForm68",
    .shows = "Proposta de compra",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = [] {
        DealPlayer = SubjectPlayer();
        OfferingClub = SubjectOtherClub();
    },
    .create = NewScreen<TForm68>,
    .file = "screens/club/incoming_offers.cpp",
};

TForm68::TForm68(TComponent* owner) : TOfferDialog(owner, kScreen)
{
    Label1 = FindChild<TLabel>("Label1");
    Label3 = FindChild<TLabel>("Label3");
    Label4 = FindChild<TLabel>("Label4");
    Label5 = FindChild<TLabel>("Label5");
    Label6 = FindChild<TLabel>("Label6");
    Label7 = FindChild<TLabel>("Label7");
    Label8 = FindChild<TLabel>("Label8");
    Label10 = FindChild<TLabel>("Label10");
}

void TForm68::FormCreate()
{
    const TPlayer* p = PlayerAt(DealPlayer);
    if (p == nullptr)
        return;
    offer_ = PurchaseOfferAmount(DealPlayer);
    ShowCrest(escudo, OfferingClub);
    SetLabel(Label1, ClubName(OfferingClub));
    SetLabel(Label3, p->Name.str());
    SetLabel(Label4, "Força: " + std::to_string(p->Strength));
    SetLabel(Label5, "Idade: " + std::to_string(p->Age));
    SetLabel(Label6, TraitText(*p));
    SetLabel(Label7, p->Position >= 0 && p->Position < PositionCount ? PositionNames[static_cast<std::size_t>(p->Position)] : "");
    SetLabel(Label8, "Passe: " + FormatMoneyWords64(CurrencyUnits(p->Value)));
    SetLabel(Label10, FormatMoneyWords64(offer_));
}

// "Sim" sells only a player the user's club still owns: `SellPlayerToClub` with "the player, `OfferingClub`"
// as they stand would otherwise move a player of another club and pay his price to the user.
void TForm68::bt3Click()
{
    const TPlayer* p = PlayerAt(DealPlayer);
    if (p != nullptr && ClubAt(OfferingClub) != nullptr && p->Club == Game.CurrentHumanClub) {
        AcceptPurchaseOffer(DealPlayer, OfferingClub, offer_);
        RefreshOpenHub();
    }
    OfferingClub = -1;
    DealPlayer = -1;
    Close();
}

const TScreenRecord TForm59::kScreen{
    .formClass = "TForm59",
    .shows = "Proposta de empréstimo",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.background = TBackground::None, .swallowAltF4 = true},  // plain white, no picture
    .subject = [] {
        LoanRequestPlayer = SubjectPlayer();
        LoanRequestClub = SubjectOtherClub();
    },
    .create = NewScreen<TForm59>,
    .file = "screens/club/incoming_offers.cpp",
};

TForm59::TForm59(TComponent* owner) : TOfferDialog(owner, kScreen)
{
    Label2 = FindChild<TLabel>("Label2");
    Label7 = FindChild<TLabel>("Label7");
}

void TForm59::FormCreate()
{
    const TClub* c = ClubAt(LoanRequestClub);
    const TPlayer* p = PlayerAt(LoanRequestPlayer);
    if (c == nullptr || p == nullptr)
        return;
    ShowCrest(escudo, LoanRequestClub);
    SetLabel(Label2, c->name.str() + " (" + std::to_string(c->Division) + "ª divisão)");
    SetLabel(Label7, p->Name.str());
}

// "Sim" lends only a player the user's club still owns, as "Sim" on the purchase offer sells.
void TForm59::bt3Click()
{
    const TPlayer* p = PlayerAt(LoanRequestPlayer);
    if (p != nullptr && ClubAt(LoanRequestClub) != nullptr && p->Club == Game.CurrentHumanClub) {
        AcceptLoanRequest(LoanRequestPlayer, LoanRequestClub);
        RefreshOpenHub();
    }
    LoanRequestPlayer = -1;
    LoanRequestClub = -1;
    Close();
}

}  // namespace tarvelon
