// The sale of one of the human club's players (TForm44).
#include "screens/club/player_sale_screen.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/basics/typed_text.h"
#include "core/economy/player_sale.h"
#include "core/economy/table_access.h"
#include "core/format/money_format.h"
#include "core/progression/auction.h"
#include "core/progression/calendar_advance.h"
#include "core/tables.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/auction_screen.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/market_dialogs.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

namespace {

constexpr int kHeightWithoutFine = 384;

// The price typed, in thousands; 0 for an empty or bad field.
long long TypedThousands(const TEdit& edit)
{
    return ReadWholeNumber(edit.Text()).value_or(0);
}

}  // namespace

const TScreenRecord TForm44::kScreen{
    .formClass = "TForm44",
    .shows = "Venda de jogador",
    .area = TScreenArea::Club,
    .modal = true,
    .subject = [] { SelectedRecord = SubjectPlayer(); },
    .create = NewScreen<TForm44>,
    .file = "screens/club/player_sale_screen.cpp",
};

TForm44::TForm44(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormShow", [](TObject*) {});
    BindHandler("FormPaint", [](TObject*) {});
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("ck1Click", [this](TObject*) { ChooseWay(); });
    BindHandler("Edit1Change", [this](TObject*) { PriceChanged(*Edit1, *Label6); });
    BindHandler("Edit2Change", [this](TObject*) { PriceChanged(*Edit2, *Label10); });
    BindHandler("bt1Click", [this](TObject*) { bt1Click(); });
    BindHandler("GradButton1Click", [this](TObject*) {
        OwnPlayerAuction = 0;
        Close();
    });
    ReadDescription();
    Label3 = FindChild<TLabel>("Label3");
    ck1 = FindChild<TRadioButton>("ck1");
    ck2 = FindChild<TRadioButton>("ck2");
    Edit1 = FindChild<TEdit>("Edit1");
    Edit2 = FindChild<TEdit>("Edit2");
    TakeOnlyDigits({Edit1, Edit2});
    Label6 = FindChild<TLabel>("Label6");
    Label10 = FindChild<TLabel>("Label10");
    Label11 = FindChild<TLabel>("Label11");
    Label12 = FindChild<TLabel>("Label12");
    Label13 = FindChild<TLabel>("Label13");
    bt1 = FindChild<TGradButton>("bt1");
    GradButton1 = FindChild<TGradButton>("GradButton1");
}

void TForm44::FormCreate()
{
    player_ = IsPlayerIndex(SelectedRecord) ? SelectedRecord : 0;
    if (player_ == 0) {
        bt1->SetEnabled(false);
        return;
    }
    const TPlayer& p = Players[player_];
    Label3->SetCaption(CaptionLiteral(p.Name.str()));
    const std::string value = std::to_string(ThousandsOf(p.Value));
    Edit1->SetText(value);
    Edit2->SetText(value);
    if (p.ListedForSale) {
        ck2->SetChecked(true);
        Edit2->SetEnabled(true);
        Edit1->SetEnabled(false);
        bt1->SetCaption("Colocar à venda");
        Edit2->SetText(std::to_string(ThousandsOf(p.AskingPrice)));
    }
    ShowFineBand();
}

void TForm44::ShowFineBand()
{
    const std::string band = RescissionFineBand(player_);
    if (band.empty()) {
        for (TLabel* label : {Label11, Label12, Label13})
            label->Hide();
        SetHeight(kHeightWithoutFine);
        return;
    }
    Label13->SetCaption(band);
}

void TForm44::ChooseWay()
{
    const bool auction = ck1->Checked();
    Edit1->SetEnabled(auction);
    Edit2->SetEnabled(!auction);
    bt1->SetCaption(auction ? "Iniciar Leilão" : "Colocar à venda");
}

void TForm44::PriceChanged(TEdit& edit, TLabel& words)
{
    if (resetting_) {
        words.SetCaption(FormatMoneyWords64(TypedThousands(edit) * 1000));
        return;
    }
    if (edit.Text().empty()) {
        words.SetCaption("");
        bt1->SetEnabled(false);
        return;
    }
    const long long n = TypedThousands(edit);
    if (n < 1) {
        // A bad or too small price becomes 1,000 thousands; the button waits for the next edit. It is
        // left selected, so that the next key typed replaces it rather than joining it.
        resetting_ = true;
        edit.SetText("1000");
        edit.SelectAll();
        resetting_ = false;
        bt1->SetEnabled(false);
        return;
    }
    bt1->SetEnabled(true);
    words.SetCaption(FormatMoneyWords64(n * 1000));
}

void TForm44::bt1Click()
{
    if (player_ == 0)
        return;
    if (ck1->Checked()) {
        if (Edit1->Text().empty())
            Edit1->SetText("100");
        // "this screen closes; the auction screen TForm23 is created and shown (not modal)": it is
        // shown modally here, so that neither the player nor the hub can change while he is
        // auctioned. This screen's own modal loop ends only once the auction's has, so it leaves the
        // screen first rather than stand behind the auction with its price and fine.
        const int player = player_;
        const std::int64_t startPrice = TypedThousands(*Edit1) * 1000;
        Close();
        Hide();
        OpenOwnPlayerAuction(player, startPrice);
        return;
    }
    if (Edit2->Text().empty())
        Edit2->SetText("100");
    ListPlayerForSale(player_, TypedThousands(*Edit2) * 1000);
    ShowOpenHubRowPrice(player_);
    Close();
}

}  // namespace tarvelon
