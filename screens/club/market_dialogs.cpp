// The market's deal dialogs (TForm60, TForm61, TForm49).
#include "screens/club/market_dialogs.h"

#include <cstdlib>

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/basics/typed_text.h"
#include "core/economy/market_deals.h"
#include "core/economy/table_access.h"
#include "core/format/images.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/views/market_views.h"
#include "platform/forms/keys.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/club/hub_screen.h"
#include "screens/club/transfer_market_screen.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

namespace {

constexpr TColor kUnaffordableColor = 255;

void BindCommon(TGameForm& form)
{
    form.BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    form.BindHandler("FormPaint", [](TObject*) {});
    form.BindHandler("FormShow", [](TObject*) {});
}

void StyleRichLabel(TRichLabel* label) { label->SetTransparent(true); }

// The deal done, the market that opened the dialog lists the seller's squad anew and the hub shows
// the player; only an accepted wage demand ends with the market's word on it.
void ShowDealDone(TComponent* market, bool announce)
{
    if (auto* form = dynamic_cast<TForm14*>(market))
        form->ShowPlayerJoined(announce);
}

}  // namespace

void ShowModalOver(TComponent* owner, const std::string& formClass)
{
    if (TGameForm* form = CreateScreen(formClass, owner))
        form->ShowModal();
}

void StartSampleDeal(bool wageDemand)
{
    MarketClub = SubjectOtherClub();
    const auto& squad = PlayersOfClub(MarketClub);
    StartBid(Deal, squad.empty() ? 0 : squad.front(), MarketClub);
    Deal.WageDemandPending = wageDemand;
    Deal.WageDemandFactor = wageDemand ? 3 : 1;
}

// ---- TForm60 ----

const TScreenRecord TForm60::kScreen{
    .formClass = "TForm60",
    .shows = "Fazer proposta pelo jogador",
    .area = TScreenArea::Club,
    .modal = true,
    .subject = [] { StartSampleDeal(false); },
    .create = NewScreen<TForm60>,
    .file = "screens/club/market_dialogs.cpp",
};

TForm60::TForm60(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindCommon(*this);
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("Edit1Change", [this](TObject*) { Edit1Change(); });
    BindHandler("bt1Click", [this](TObject*) { bt1Click(); });
    BindHandler("bt2Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label5 = FindChild<TLabel>("Label5");
    Label6 = FindChild<TLabel>("Label6");
    Edit1 = FindChild<TEdit>("Edit1");
    TakeOnlyDigits({Edit1});
    bt1 = FindChild<TGradButton>("bt1");
    bt2 = FindChild<TGradButton>("bt2");
}

void TForm60::FormCreate()
{
    Deal.DirectPurchase = false;
    if (!IsPlayerIndex(Deal.DealPlayer))
        return;
    const TPlayer& p = Players[Deal.DealPlayer];
    const std::int64_t value = CurrencyUnits(p.Value);
    Label1->SetCaption(CaptionLiteral(p.Name.str()));
    Label5->SetCaption("Valor do passe: " + FormatMoneyWords64(value));
    // The unchanged field bids the exact value, not the thousands it shows: "Propor compra" is
    // judged by that bid, or a club whose cash lies within the value's last thousand would see it
    // enabled and the click refused without a word. A player worth less than a thousand opens at the
    // least bid the field can show, its 1.
    const std::int64_t bid = OpeningBid(value);
    Edit1->SetText(std::to_string(std::min<std::int64_t>(bid / 1000, 999'999)));
    ShowBid(bid);
}

void TForm60::Edit1Change()
{
    if (Label6 == nullptr || bt1 == nullptr)
        return;
    const std::optional<std::int32_t> typed = ReadWholeNumber(Edit1->Text());
    const long long number = typed.value_or(0);
    if (number < 1) {
        if (Edit1->Text().empty())
            Label6->SetCaption("");
        bt1->SetEnabled(false);
        return;
    }
    ShowBid(number * 1000);
}

void TForm60::ShowBid(std::int64_t price)
{
    if (Label6 == nullptr || bt1 == nullptr)
        return;
    Label6->SetCaption(FormatMoneyWords64(price));
    Deal.BidPrice = price;
    const bool affordable = CanOfferBid(Game.CurrentHumanClub, price);
    bt1->SetEnabled(affordable);
    Label6->Font().SetColor(affordable ? clBlack : kUnaffordableColor);
}

void TForm60::bt1Click()
{
    const int buyer = Game.CurrentHumanClub;
    if (!CanOfferBid(buyer, Deal.BidPrice))
        return;
    Deal.DealMessage = "Sua proposta não foi aceita";
    Deal.WageDemandPending = false;
    Deal.WageDemandFactor = 1;
    Deal.ReplacementPending = false;
    Deal.ReplacementPosition = 0;
    Deal.BidAccepted = false;
    const bool humanSeller = IsClubIndex(Deal.seller) && Clubs[Deal.seller].IsHuman;
    if (humanSeller) {
        ShowModalOver(this, "TForm49");
        if (!Deal.BidAccepted) {
            Close();
            return;
        }
    } else {
        EvaluateBid(Deal, buyer);
    }
    Close();
    if (Deal.BidAccepted && CompleteDeal(Deal, buyer))
        ShowDealDone(Owner(), false);
    else
        ShowModalOver(Owner(), "TForm61");
}

// ---- TForm61 ----

const TScreenRecord TForm61::kScreen{
    .formClass = "TForm61",
    .shows = "Resposta do jogador: recusa ou pedido salarial",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = [] { StartSampleDeal(true); },
    .create = NewScreen<TForm61>,
    .file = "screens/club/market_dialogs.cpp",
};

TForm61::TForm61(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindCommon(*this);
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("bt2Click", [this](TObject*) { bt2Click(); });
    BindHandler("btconfClick", [this](TObject*) { Close(); });
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_ESCAPE) {
            key = 0;
            bt2Click();
        }
    });
    ReadDescription();
    Label1 = FindChild<TRichLabel>("Label1");
    bt2 = FindChild<TGradButton>("bt2");
    btconf = FindChild<TGradButton>("btconf");
}

void TForm61::FormCreate()
{
    StyleRichLabel(Label1);
    if (Deal.WageDemandPending) {
        Label1->SetHTMLText(MarkupLiteral(WageDemandText(Deal.DealPlayer, Deal.WageDemandFactor)));
        bt2->SetCaption("Aceitar");
        btconf->SetCaption("Recusar");
        btconf->Show();
    } else {
        Label1->SetHTMLText(MarkupLiteral(Deal.DealMessage.empty() ? "Sua proposta não foi aceita" : Deal.DealMessage));
        bt2->SetCaption("OK");
        btconf->Hide();
    }
}

void TForm61::bt2Click()
{
    const bool joined = Deal.WageDemandPending && CompleteDeal(Deal, Game.CurrentHumanClub);
    Close();
    if (joined)
        ShowDealDone(Owner(), true);
}

// ---- TForm49 ----

const TScreenRecord TForm49::kScreen{
    .formClass = "TForm49",
    .shows = "Resposta do dono humano à proposta",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = [] { StartSampleDeal(false); },
    .create = NewScreen<TForm49>,
    .file = "screens/club/market_dialogs.cpp",
};

TForm49::TForm49(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindCommon(*this);
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormKeyDown", [](TObject*, unsigned short&, TShiftState) {});
    BindHandler("bt1Click", [this](TObject*) {
        Deal.BidAccepted = true;
        Close();
    });
    BindHandler("bt2Click", [this](TObject*) {
        Deal.BidAccepted = false;
        Close();
    });
    ReadDescription();
    escudo = FindChild<TImage>("escudo");
    Label2 = FindChild<TLabel>("Label2");
    Label3 = FindChild<TRichLabel>("Label3");
    Label5 = FindChild<TRichLabel>("Label5");
    bt1 = FindChild<TGradButton>("bt1");
    bt2 = FindChild<TGradButton>("bt2");
}

void TForm49::FormCreate()
{
    StyleRichLabel(Label3);
    StyleRichLabel(Label5);
    Deal.BidAccepted = false;
    const int seller = Deal.seller;
    if (!IsClubIndex(seller) || !IsPlayerIndex(Deal.DealPlayer))
        return;
    const std::string crest = CrestPath(seller);
    if (crest.empty() || !escudo->Picture().LoadFromFile(crest))
        escudo->Picture().Clear();
    const int coach = Clubs[seller].coach;
    Label2->SetCaption(CaptionLiteral(IsCoachIndex(coach) ? Coaches[coach].name.str() : ""));
    const std::string buyer = IsClubIndex(Game.CurrentHumanClub) ? Clubs[Game.CurrentHumanClub].name.str() : "";
    Label3->SetHTMLText(MarkupLiteral(buyer) + " está querendo comprar o jogador: " + MarkupLiteral(Players[Deal.DealPlayer].Name.str()));
    Label5->SetHTMLText(FormatMoneyWords64(Deal.BidPrice));
}

}  // namespace tarvelon
