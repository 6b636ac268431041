// The stadium screens (TForm8, TForm10).
#include "screens/club/stadium_screen.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/screen_registry.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

namespace {

const char* const kTooLarge =
    "Nossos engenheiros informaram que ainda não existe tecnologia suficiente para expandir o estádio com o "
    "número solicitado.";
const char* const kNoMoney = "Dinheiro insuficiente para esta obra.";

TClub* CurrentStadiumClub(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? &Clubs[static_cast<std::size_t>(club)] : nullptr;
}

std::string QuoteText(const ExpansionQuote& quote)
{
    return "Custo total da obra, incluindo o custo do projeto inicial: $" + FormatMoney64(quote.cost) + "\r\n" +
           "Data prevista para o fim da obra:" + DateToStr(quote.endDate);
}

}  // namespace

std::string WorkInProgressText(TDateTime endDate)
{
    return "Expansão em andamento, previsão de término:" + DateToStr(endDate);
}

// ---- TForm8: stadium and ticket prices ----

const TScreenRecord TForm8::kScreen{
    .formClass = "TForm8",
    .shows = "Estádio e preços dos ingressos",
    .area = TScreenArea::Club,
    .modal = true,
    .create = NewScreen<TForm8>,
    .file = "screens/club/stadium_screen.cpp",
};

TForm8::TForm8(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("upgClick", [this](TObject*, TUDBtnType b) { StepPrice(0, b); });
    BindHandler("upaClick", [this](TObject*, TUDBtnType b) { StepPrice(1, b); });
    BindHandler("upcClick", [this](TObject*, TUDBtnType b) { StepPrice(2, b); });
    BindHandler("upcmClick", [this](TObject*, TUDBtnType b) { StepPrice(3, b); });
    BindHandler("bt1Click", [this](TObject*) {
        if (TGameForm* expansion = CreateScreen("TForm10", this))
            expansion->ShowModal();
        ShowWorkInProgress();
    });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    label14 = FindChild<TLabel>("label14");
    label12 = FindChild<TLabel>("label12");
    label13 = FindChild<TLabel>("label13");
    Label28 = FindChild<TLabel>("Label28");
    label18 = FindChild<TLabel>("label18");
    label16 = FindChild<TLabel>("label16");
    label17 = FindChild<TLabel>("label17");
    Label33 = FindChild<TLabel>("Label33");
    upg = FindChild<TUpDown>("upg");
    upa = FindChild<TUpDown>("upa");
    upc = FindChild<TUpDown>("upc");
    upcm = FindChild<TUpDown>("upcm");
    Label22 = FindChild<TLabel>("Label22");
    Label20 = FindChild<TLabel>("Label20");
    Label21 = FindChild<TLabel>("Label21");
    Label34 = FindChild<TLabel>("Label34");
    Label2 = FindChild<TLabel>("Label2");
    bt1 = FindChild<TGradButton>("bt1");
    bt3 = FindChild<TGradButton>("bt3");
}

void TForm8::FormCreate()
{
    club_ = Game.CurrentHumanClub;
    const TClub* club = CurrentStadiumClub(club_);
    if (club == nullptr)
        return;
    std::int64_t seats = 0;
    for (int s = 0; s < kStadiumSectors; ++s)
        seats += club->SectorSeats[s];
    if (Label1) Label1->SetCaption(CaptionLiteral(club->Stadium.str()) + " - " + FormatMoney64(seats) + " lugares");
    const int division = club->Division >= 0 && club->Division < kTicketPriceRows ? club->Division : 0;
    for (int s = 0; s < kStadiumSectors; ++s) {
        if (TLabel* price = PriceLabels()[s]) price->SetCaption("$" + std::to_string(club->SectorPrices[s]));
        if (TUpDown* spinner = Spinners()[s]) {
            spinner->SetPosition(club->SectorPrices[s]);
            shownPositions_[s] = spinner->Position();
        }
        if (TLabel* seat = SeatLabels()[s]) seat->SetCaption(FormatMoney(club->SectorSeats[s]));
        if (TLabel* reference = ReferenceLabels()[s])
            reference->SetCaption("$" + std::to_string(TicketPrices[static_cast<std::size_t>(division)].sectors[s]));
    }
    ShowWorkInProgress();
}

void TForm8::ShowWorkInProgress()
{
    const TStadiumWork* work = StadiumWorkInProgress(club_);
    if (work == nullptr)
        return;
    if (Label2) {
        Label2->SetCaption(WorkInProgressText(work->endDate));
        Label2->Show();
    }
    if (bt1) bt1->Hide();
}

// A click with the spinner already at the end of its range leaves it where it was and changes
// nothing; any other click moves the price by one, whatever the price was.
void TForm8::StepPrice(int sector, TUDBtnType button)
{
    TUpDown* spinner = Spinners()[sector];
    if (spinner == nullptr || spinner->Position() == shownPositions_[sector])
        return;
    shownPositions_[sector] = spinner->Position();
    StepTicketPrice(club_, sector, button == btNext ? +1 : -1);
    if (const TClub* club = CurrentStadiumClub(club_); club && PriceLabels()[sector])
        PriceLabels()[sector]->SetCaption("$" + std::to_string(club->SectorPrices[sector]));
}

// ---- TForm10: stadium expansion ----

const TScreenRecord TForm10::kScreen{
    .formClass = "TForm10",
    .shows = "Ampliação do estádio",
    .area = TScreenArea::Club,
    .modal = true,
    .create = NewScreen<TForm10>,
    .file = "screens/club/stadium_screen.cpp",
};

TForm10::TForm10(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("GradButton1Click", [this](TObject*) { AskQuote(); });
    BindHandler("btconstruirClick", [this](TObject*) { StartWorks(); });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label2 = FindChild<TLabel>("Label2");
    Labelmg = FindChild<TLabel>("Labelmg");
    Labelma = FindChild<TLabel>("Labelma");
    Labelmc = FindChild<TLabel>("Labelmc");
    Labelmcm = FindChild<TLabel>("Labelmcm");
    Editg = FindChild<TEdit>("Editg");
    Edita = FindChild<TEdit>("Edita");
    Editc = FindChild<TEdit>("Editc");
    Editcm = FindChild<TEdit>("Editcm");
    TakeOnlyDigits({Editg, Edita, Editc, Editcm});
    GradButton1 = FindChild<TGradButton>("GradButton1");
    btconstruir = FindChild<TGradButton>("btconstruir");
    Label1 = FindChild<TLabel>("Label1");
    bt3 = FindChild<TGradButton>("bt3");
}

void TForm10::FormCreate()
{
    club_ = Game.CurrentHumanClub;
    const TClub* club = CurrentStadiumClub(club_);
    if (club == nullptr)
        return;
    const auto* seats = club->SectorSeats;
    if (Label2)
        Label2->SetCaption("Capacidade atual:G:" + std::to_string(seats[0]) + " A:" + std::to_string(seats[1]) +
                           " C:" + std::to_string(seats[2]) + " Cm:" + std::to_string(seats[3]));
    const SectorSeats maxima = MaxSectorSeats(Game.Season);
    const std::array<TLabel*, kStadiumSectors> room{Labelmg, Labelma, Labelmc, Labelmcm};
    for (int s = 0; s < kStadiumSectors; ++s)
        if (room[s])
            room[s]->SetCaption("(máximo + " + FormatMoney64(static_cast<std::int64_t>(maxima[s]) - seats[s]) + ")");
}

void TForm10::ForgetQuote()
{
    quote_ = {};
    if (btconstruir) btconstruir->Hide();
    if (Label1) Label1->SetCaption("");
}

void TForm10::AskQuote()
{
    ForgetQuote();
    SectorSeats asked{};
    for (int s = 0; s < kStadiumSectors; ++s)
        asked[s] = Edits()[s] ? SeatsAsked(Edits()[s]->Text()) : 0;
    const ExpansionQuote quote = QuoteExpansion(club_, asked, Game.Season, TodayDate());
    if (quote.outcome == QuoteOutcome::TooLarge) {
        if (Label1) Label1->SetCaption(kTooLarge);
        return;
    }
    if (quote.outcome != QuoteOutcome::Quoted)
        return;
    quote_ = quote;
    if (Label1) Label1->SetCaption(QuoteText(quote_));
    if (btconstruir) btconstruir->Show();
}

void TForm10::StartWorks()
{
    if (quote_.outcome != QuoteOutcome::Quoted)
        return;
    if (StartExpansion(club_, quote_)) {
        ShowOpenHubCash();
        Close();
        return;
    }
    if (Label1) Label1->SetCaption(kNoMoney);
}

}  // namespace tarvelon
