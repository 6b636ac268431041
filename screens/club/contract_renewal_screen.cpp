// Contract renewal (TForm24) and the player's wage demand (TForm25).
#include "screens/club/contract_renewal_screen.h"

#include <algorithm>
#include <optional>

#include "controls/grad_button.h"
#include "core/basics/datetime.h"
#include "core/basics/literal_text.h"
#include "core/basics/typed_text.h"
#include "core/economy/contract_renewal.h"
#include "core/format/money_format.h"
#include "core/match/lineup_access.h"
#include "core/season/calendar.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/message_box.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/hub_screen.h"
#include "screens/club/incoming_offers.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

int RenewalPlayer = 0;
std::int64_t RenewalDemandAmount = 0;

namespace {

constexpr std::int64_t kWageStep = 500;
constexpr std::int64_t kHighestWage = 9999999;

std::string Money(std::int64_t units)
{
    return "$" + FormatMoney(units);
}

// The form that asked for the demand, while TForm25 is open over it.
TForm24* OpenRenewal = nullptr;

}  // namespace

const TScreenRecord TForm24::kScreen{
    .formClass = "TForm24",
    .shows = "Renovação de contratos",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.closeOnEscape = true},
    .subject = [] { SelectedRecord = SubjectPlayer(); },
    .create = NewScreen<TForm24>,
    .file = "screens/club/contract_renewal_screen.cpp",
};

TForm24::TForm24(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("Edit1Change", [this](TObject*) { Edit1Change(); });
    BindHandler("UpDown1Click", [this](TObject*, TUDBtnType button) { UpDown1Click(button == btNext); });
    BindHandler("CHButton1Click", [this](TObject*) { CHButton1Click(); });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label3 = FindChild<TLabel>("Label3");
    Label7 = FindChild<TLabel>("Label7");
    Edit1 = FindChild<TEdit>("Edit1");
    TakeOnlyDigits({Edit1});
    UpDown1 = FindChild<TUpDown>("UpDown1");
    combom = FindChild<TComboBox>("combom");
    CHButton1 = FindChild<TGradButton>("CHButton1");
    bt3 = FindChild<TGradButton>("bt3");
}

void TForm24::FormCreate()
{
    // The hub's selected player (SelectedRecord is set by the hub before it opens the screen).
    RenewalPlayer = SelectedRecord;
    const TPlayer* p = PlayerAt(RenewalPlayer);
    if (p == nullptr)
        return;
    const TDateTime today = TodayDate();
    if (Label7)
        Label7->SetCaption("Contrato termina em: " + (p->ContractEnd >= today ? DateToStr(p->ContractEnd) : std::string("expirado")));
    if (Label1) Label1->SetCaption(CaptionLiteral(p->Name.str()));
    const std::int64_t wage = CurrencyUnits(p->wage);
    if (Label3) Label3->SetCaption(Money(wage));
    if (combom && combom->Items().Count() > 0) combom->SetItemIndex(0);
    if (Edit1) Edit1->SetText(std::to_string(wage));
    Edit1Change();
}

// The typed wage as a whole number (it may be below 1), or nothing when the text is not one.
std::optional<std::int64_t> TForm24::TypedWage() const
{
    if (Edit1 == nullptr)
        return std::nullopt;
    const std::optional<std::int32_t> wage = ReadWholeNumber(Edit1->Text());
    if (!wage || *wage > kHighestWage)
        return std::nullopt;
    return *wage;
}

// A number below 1 neither enables the offer nor takes it back.
void TForm24::Edit1Change()
{
    if (CHButton1 == nullptr)
        return;
    const std::optional<std::int64_t> wage = TypedWage();
    if (!wage)
        CHButton1->SetEnabled(false);
    else if (*wage >= 1)
        CHButton1->SetEnabled(true);
}

// The arrows step from the typed value, a negative one too ("-100" and up give 400); only a
// negative result shows "0".
void TForm24::UpDown1Click(bool up)
{
    std::int64_t value = TypedWage().value_or(0);
    if (up && value < kHighestWage - kWageStep + 1)
        value += kWageStep;
    else if (!up && value > kWageStep)
        value -= kWageStep;
    if (Edit1)
        Edit1->SetText(std::to_string(std::max<std::int64_t>(value, 0)));
}

void TForm24::CHButton1Click()
{
    const std::optional<std::int64_t> typed = TypedWage();
    if (!typed || PlayerAt(RenewalPlayer) == nullptr)
        return;
    const std::int64_t offer = *typed;
    const int length = combom ? std::max(0, combom->ItemIndex()) : 0;
    const std::int64_t demand = RenewalDemand(RenewalPlayer, length);
    if (OfferAboveLimit(offer, demand)) {
        ShowMessage(OfferLimitMessage(demand));
        return;
    }
    RenewalDemandAmount = demand;
    if (offer >= demand) {
        ApplyRenewal(offer);
        return;
    }
    OpenRenewal = this;
    if (TGameForm* dialog = CreateScreen("TForm25", this))
        dialog->ShowModal();
    OpenRenewal = nullptr;
}

void TForm24::ApplyRenewal(std::int64_t weeklyWage)
{
    const int length = combom ? std::max(0, combom->ItemIndex()) : 0;
    ApplyContractRenewal(RenewalPlayer, weeklyWage, length);
    if (TForm13* hub = OpenHubForm())
        hub->ShowRenewedContract(RenewalPlayer);
    Close();
}

const TScreenRecord TForm25::kScreen{
    .formClass = "TForm25",
    .shows = "Pedido salarial do jogador",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = [] { RenewalDemandAmount = 12500; },
    .create = NewScreen<TForm25>,
    .file = "screens/club/contract_renewal_screen.cpp",
};

TForm25::TForm25(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) {
        if (Label2) Label2->SetCaption(Money(RenewalDemandAmount));
    });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("button1Click", [this](TObject*) {
        TForm24* renewal = OpenRenewal;
        Close();
        if (renewal != nullptr)
            renewal->ApplyRenewal(RenewalDemandAmount);
    });
    BindHandler("button2Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label2 = FindChild<TLabel>("Label2");
    button1 = FindChild<TGradButton>("button1");
    button2 = FindChild<TGradButton>("button2");
}

}  // namespace tarvelon
