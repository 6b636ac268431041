// Friendlies of the human club (TForm85, TForm81, TForm84).
#include "screens/club/friendly_screens.h"

#include <algorithm>

#include "controls/grad_button.h"
#include "core/basics/datetime.h"
#include "core/basics/literal_text.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/economy/friendly_booking.h"
#include "core/tables.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

FriendlyProposal PendingFriendly;

namespace {

constexpr int kAtHome = 1;  // combo3: "Fora", "Em casa"

bool IsHumanRun(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) && Clubs[club].IsHuman != 0;
}

}  // namespace

const TScreenRecord TForm85::kScreen{
    .formClass = "TForm85",
    .shows = "Amistosos de Pré-temporada",
    .area = TScreenArea::Club,
    .modal = true,
    .create = NewScreen<TForm85>,
    .file = "screens/club/friendly_screens.cpp",
};

TForm85::TForm85(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("GradButton1Click", [this](TObject*) {
        WantsPreseasonFriendlies = true;
        Close();
    });
    BindHandler("GradButton2Click", [this](TObject*) {
        WantsPreseasonFriendlies = false;
        Close();
    });
    ReadDescription();
    GradButton1 = FindChild<TGradButton>("GradButton1");
    GradButton2 = FindChild<TGradButton>("GradButton2");
}

const TScreenRecord TForm81::kScreen{
    .formClass = "TForm81",
    .shows = "Marcar amistoso",
    .area = TScreenArea::Club,
    .modal = true,
    .create = NewScreen<TForm81>,
    .file = "screens/club/friendly_screens.cpp",
};

TForm81::TForm81(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("combo1Change", [this](TObject*) { combo1Change(); });
    BindHandler("ComboBox1Change", [this](TObject*) { ComboBox1Change(); });
    BindHandler("bt1Click", [this](TObject*) { bt1Click(); });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label4 = FindChild<TLabel>("Label4");
    Label6 = FindChild<TLabel>("Label6");
    Label7 = FindChild<TLabel>("Label7");
    combo1 = FindChild<TComboBox>("combo1");
    ComboBox1 = FindChild<TComboBox>("ComboBox1");
    combo3 = FindChild<TComboBox>("combo3");
    bt1 = FindChild<TGradButton>("bt1");
    GradButton1 = FindChild<TGradButton>("GradButton1");
}

void TForm81::FormCreate()
{
    club_ = Game.CurrentHumanClub;
    if (club_ < 0 || club_ >= static_cast<int>(Clubs.size()))
        return;
    if (Label6) Label6->SetCaption(CaptionLiteral("(" + Clubs[club_].name.str() + ")"));
    if (WantsPreseasonFriendlies && Label1) Label1->SetCaption("Marcar amistosos pré-temporada");
    FillDates();
    opponents_ = FriendlyOpponents(club_);
    if (ComboBox1)
        for (const auto& [name, club] : opponents_)
            ComboBox1->Items().Add(name);
}

void TForm81::FillDates()
{
    const FriendlyDates dates = FreeFriendlyDates(club_, WantsPreseasonFriendlies);
    days_ = dates.days;
    if (Label7) Label7->SetCaption(dates.information);
    if (!combo1)
        return;
    combo1->Clear();
    for (int day : days_)
        combo1->Items().Add(DateToStr(Calendar[day].date));
}

void TForm81::combo1Change()
{
    if (ComboBox1) ComboBox1->SetEnabled(true);
    if (Label4) Label4->SetVisible(false);
}

void TForm81::ComboBox1Change()
{
    if (bt1) bt1->SetEnabled(true);
}

bool TForm81::ConfirmFee(int opponent, int fee, bool& cashShort)
{
    PendingFriendly = {opponent, fee, false};
    cashShort = !CanPayFriendlyFee(club_, fee);
    if (cashShort)
        return false;
    if (TGameForm* confirmation = CreateScreen("TForm84", Application))
        confirmation->ShowModal();
    return PendingFriendly.confirmed;
}

void TForm81::bt1Click()
{
    const int date = combo1 ? combo1->ItemIndex() : -1;
    const int choice = ComboBox1 ? ComboBox1->ItemIndex() : -1;
    if (date < 0 || date >= static_cast<int>(days_.size()) || choice < 0 ||
        choice >= static_cast<int>(opponents_.size()))
        return;
    const int day = days_[date];
    const auto& [name, opponent] = opponents_[choice];
    if (ClubHasFriendlyOnDate(day, opponent)) {
        ShowResult(name + " já tem amistoso nesta data");
        return;
    }
    const bool atHome = combo3 && combo3->ItemIndex() == kAtHome;
    const int fee = FriendlyFee(club_, opponent, atHome);
    bool cashShort = false;
    if (!ConfirmFee(opponent, fee, cashShort)) {
        ShowResult(cashShort ? "dinheiro insuficiente para a cota de " + FormatMoneyWords(fee) : "amistoso rejeitado");
        return;
    }
    BookFriendly(club_, opponent, day, atHome, fee);
    ShowOpenHubCashAndNextMatch();
    ShowResult("amistoso marcado");
    if (bt1) bt1->SetEnabled(false);
    if (ComboBox1) {
        ComboBox1->SetItemIndex(-1);
        ComboBox1->SetEnabled(false);
    }
    FillDates();
}

void TForm81::ShowResult(const std::string& text)
{
    if (!Label4)
        return;
    Label4->SetCaption(CaptionLiteral(text));
    Label4->SetVisible(true);
}

const TScreenRecord TForm84::kScreen{
    .formClass = "TForm84",
    .shows = "Confirmação de amistoso",
    .area = TScreenArea::Club,
    .modal = true,
    .subject = [] { PendingFriendly = {SubjectOtherClub(), 50000, false}; },
    .create = NewScreen<TForm84>,
    .file = "screens/club/friendly_screens.cpp",
};

TForm84::TForm84(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("GradButton1Click", [this](TObject*) {
        PendingFriendly.confirmed = true;
        Close();
    });
    BindHandler("GradButton2Click", [this](TObject*) {
        PendingFriendly.confirmed = false;
        Close();
    });
    ReadDescription();
    Label2 = FindChild<TLabel>("Label2");
    Label3 = FindChild<TLabel>("Label3");
    GradButton1 = FindChild<TGradButton>("GradButton1");
    GradButton2 = FindChild<TGradButton>("GradButton2");
}

void TForm84::FormCreate()
{
    const int opponent = PendingFriendly.opponent;
    if (!Label2)
        return;
    if (IsHumanRun(opponent)) {
        Label2->SetCaption("Este será um amistoso entre dois times humanos, clique em sim para que seja marcado.");
        if (Label3) Label3->SetVisible(false);
    } else if (opponent >= 0 && opponent < static_cast<int>(Clubs.size())) {
        Label2->SetCaption(CaptionLiteral("O clube " + Clubs[opponent].name.str() + " quer uma cota de " +
                           FormatMoneyWords(PendingFriendly.fee)));
    }
}

void OfferPreseasonFriendliesOnScreen()
{
    WantsPreseasonFriendlies = false;
    if (TGameForm* question = CreateScreen("TForm85", Application))
        question->ShowModal();
    if (WantsPreseasonFriendlies) {
        for (int slot = 0; slot < std::min(Game.HumanClubCount, 6); ++slot) {
            if (Game.HumanClubs[slot] < 0)
                continue;
            Game.CurrentHumanClub = Game.HumanClubs[slot];
            if (TGameForm* booking = CreateScreen("TForm81", Application))
                booking->ShowModal();
        }
    }
    WantsPreseasonFriendlies = false;
}

}  // namespace tarvelon
