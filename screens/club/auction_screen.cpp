// The player auction (TForm23).
#include "screens/club/auction_screen.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/basics/typed_text.h"
#include "core/format/money_format.h"
#include "core/progression/calendar_advance.h"
#include "core/tables.h"
#include "core/views/hub_views.h"
#include "core/views/player_search.h"
#include "core/vocab/countries.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/graphics/picture.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/typed_fields.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

std::string Money(std::int64_t units) { return "$" + FormatMoneyWords64(units); }

// The start price and the typed bid are read in words alone, under their captions.
std::string Words(std::int64_t units) { return FormatMoneyWords64(units); }

std::string ClubName(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].name.str() : "";
}

std::string CoachName(int club)
{
    const int coach = club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].coach : -1;
    return coach >= 0 && coach < static_cast<int>(Coaches.size()) ? Coaches[coach].name.str() : "";
}

void ShowClubCrest(TImage& image, int club)
{
    image.Picture().Clear();
    ShowCrest(image, club);
}


bool IsHumanClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()) && Clubs[club].IsHuman; }

// The contract renewal dialogs that an own player's auction leaves behind it.
void CloseRenewalDialogs()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i) {
        TForm* form = Screen->Forms(i);
        if (form->ClassName() == "TForm24" || form->ClassName() == "TForm25")
            form->Close();
    }
}

}  // namespace

const TScreenRecord TForm23::kScreen{
    .formClass = "TForm23",
    .shows = "Venda de jogador em leilão",
    .area = TScreenArea::Club,
    .modal = false,
    .style = {.swallowAltF4 = true},
    .subject = [] {
        AuctionRound = 1;
        AuctionPlayer = -1;
    },
    .create = NewScreen<TForm23>,
    .file = "screens/club/auction_screen.cpp",
};

TForm23::TForm23(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) {
        auction_.lastBuyer = -1;
        FitToScreen();  // grown with a larger screen, as the market is
        StartNextAuction();
    });
    BindHandler("FormClose", [this](TObject*, TCloseAction&) { FormClose(); });
    BindHandler("Edit1Change", [this](TObject*) { Edit1Change(); });
    BindHandler("CHButton1Click", [this](TObject*) { Offer(); });
    BindHandler("Timer1Timer", [this](TObject*) {
        Timer1->SetEnabled(false);
        EndAuctionSeries();
    });
    BindHandler("Timer2Timer", [this](TObject*) {
        Timer2->SetEnabled(false);
        ResetAuction();
    });
    ReadDescription();
    for (auto [label, name] : {std::pair{&l1, "l1"}, {&jlnome, "jlnome"}, {&jlpos, "jlpos"}, {&jlforca, "jlforca"},
                               {&Label6, "Label6"}, {&jlage, "jlage"}, {&jlsalario, "jlsalario"}, {&jlj, "jlj"},
                               {&jlg, "jlg"}, {&jlca, "jlca"}, {&jlenergia, "jlenergia"}, {&jlpais, "jlpais"},
                               {&jlstatus, "jlstatus"}, {&jlpasse, "jlpasse"}, {&Label15, "Label15"},
                               {&Label18, "Label18"}, {&Label7, "Label7"}, {&Label17, "Label17"},
                               {&Label16, "Label16"}})
        *label = FindChild<TLabel>(name);
    Image1 = FindChild<TImage>("Image1");
    escudo = FindChild<TImage>("escudo");
    escudo2 = FindChild<TImage>("escudo2");
    Notebook1 = FindChild<TNotebook>("Notebook1");
    Edit1 = FindChild<TEdit>("Edit1");
    // Digits only, as in every number box. A box that took any character would let blanks, which it
    // cannot show, fill its five places: the digits typed after them would not appear and "Ofertar"
    // would stop at a text that is no number, without a word.
    TakeOnlyDigits({Edit1});
    CHButton1 = FindChild<TGradButton>("CHButton1");
    Timer1 = FindChild<TTimer>("Timer1");
    Timer2 = FindChild<TTimer>("Timer2");
}

void TForm23::StartNextAuction()
{
    Notebook1->SetPageIndex(0);
    if (!tarvelon::StartNextAuction(auction_)) {
        // The user's own player is no longer there to sell: back to the screen that opened it.
        // ("When no player is found: `OpenHubFromAuction`" would open a second hub over the one the
        // sale screen stands on.)
        if (auction_.ownPlayer)
            Close();
        else
            OpenHubFromAuction();
        return;
    }
    l1->SetCaption(CaptionLiteral(ClubName(auction_.seller) + " está leiloando o jogador:"));
    ShowClubCrest(*escudo, auction_.seller);
    FillCard();
    jlpasse->SetCaption(Words(auction_.price));
    if (OfferAuctionToHumanFrom(auction_, 0))
        ShowTurn();
    else
        RunRound();
}

void TForm23::FillCard()
{
    const int player = auction_.player;
    const TPlayer& p = Players[player];
    jlnome->SetCaption(CaptionLiteral(p.Name.str()));
    jlpos->SetCaption(RosterRowOf(player).position);
    jlforca->SetCaption(std::to_string(p.Strength));
    Label6->SetCaption("Principal característica: " + SearchRowOf(player).traitsHint);
    jlage->SetCaption(std::to_string(p.Age));
    jlsalario->SetCaption("$" + FormatMoney(CurrencyUnits(p.wage)));
    jlj->SetCaption("0");
    jlg->SetCaption("0");
    jlca->SetCaption(std::to_string(p.YellowCards[std::clamp(Game.DayKind, 0, kCompetitionKinds - 1)]));
    jlenergia->SetCaption(std::to_string(p.Energy) + "%");
    const bool known = p.nationality >= 0 && p.nationality < static_cast<int>(CountryNames.size());
    jlpais->SetCaption(known ? CountryNames[p.nationality] : "");
    Image1->Picture().Clear();
    if (known)
        Image1->Picture().SetGraphic(std::make_unique<TImageGraphic>(art::CountryFlagIcon(p.nationality), TImageFormat::Png));
    const std::string status = AuctionStatusText(player);
    jlstatus->SetCaption(status);
    jlstatus->SetVisible(!status.empty());
}

void TForm23::ShowTurn()
{
    Edit1->SetText("");
    // The bid is typed at once: after "Ofertar" the focus would stay on the button into the next turn.
    Edit1->SetFocus();
    Label15->SetCaption(CaptionLiteral(CoachName(auction_.turnClub) + " (" + ClubName(auction_.turnClub) + ")" +
                        " - Dinheiro em caixa: " + Money(CurrencyUnits(Clubs[auction_.turnClub].cash))));
}

void TForm23::Offer()
{
    if (Notebook1->PageIndex() != 0 || auction_.turnClub < 0)
        return;
    Label7->SetVisible(false);
    Label17->SetVisible(false);
    const BidResult result = PlaceHumanBid(auction_, Edit1->Text());
    switch (result.answer) {
    case BidAnswer::NotANumber: return;
    case BidAnswer::AboveCash: Label7->SetVisible(true); return;
    case BidAnswer::NegativeCash: Label17->SetVisible(true); break;
    case BidAnswer::Placed: break;
    }
    Label18->SetCaption("");
    if (result.roundDue)
        RunRound();
    else
        ShowTurn();
}

void TForm23::RunRound()
{
    const AuctionOutcome outcome = RunAuctionRound(auction_, AuctionPriceMargin);
    ShowOutcome(outcome);
    if (AuctionSeriesEnds(auction_))
        Timer1->SetEnabled(true);
    else
        Timer2->SetEnabled(true);
}

void TForm23::ShowOutcome(const AuctionOutcome& outcome)
{
    Notebook1->SetActivePage("resultado");
    escudo2->Picture().Clear();
    if (!outcome.sold) {
        Label16->SetCaption("Não houve compradores");
        return;
    }
    Label16->SetCaption(CaptionLiteral("Vendido ao " + ClubName(outcome.buyer) + " por " + Money(outcome.price)));
    ShowCrest(*escudo2, outcome.buyer);
    if (IsHumanClub(outcome.buyer) || IsHumanClub(auction_.seller))
        RefreshOpenHub();
}

void TForm23::ResetAuction()
{
    Edit1->SetText("");
    escudo2->Picture().Clear();
    StartNextAuction();
}

void TForm23::EndAuctionSeries()
{
    if (AuctionFromSaleScreen == 1) {
        AuctionFromSaleScreen = 0;
        RefreshOpenHub();
        Close();
        CloseRenewalDialogs();
        return;
    }
    OpenHubFromAuction();
}

void TForm23::OpenHubFromAuction()
{
    OpenScreen("TForm13");
    Close();
}

void TForm23::Edit1Change()
{
    const std::string text = Edit1->Text();
    if (text.empty()) {
        Label18->SetCaption("");
        return;
    }
    if (const std::optional<std::int32_t> thousands = ReadWholeNumber(text))
        Label18->SetCaption(Words(static_cast<long long>(*thousands) * 1000));
}

void TForm23::FormClose()
{
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
    AuctionPlayer = -1;
    OwnPlayerAuction = 0;
    AuctionStartPrice = 0;
    auction_.humanBid = 0;
    auction_.humanBidder = -1;
}

void OpenOwnPlayerAuction(int player, std::int64_t startPrice)
{
    if (player < 1 || player >= static_cast<int>(Players.size()) || Players[player].Club < 0)
        return;
    AuctionPlayer = player;
    AuctionStartPrice = startPrice;
    OwnPlayerAuction = 1;
    AuctionFromSaleScreen = 1;
    if (TGameForm* form = CreateScreen("TForm23", Application))
        form->ShowModal();
}

}  // namespace tarvelon
