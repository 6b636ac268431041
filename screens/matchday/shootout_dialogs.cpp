// The penalty shoot-out dialogs (TForm37 the takers, TForm38 the kicks).
#include "screens/matchday/shootout_dialogs.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/hooks.h"
#include "core/match/lineup_access.h"
#include "core/matchday_rules/shootout.h"
#include "platform/forms/application.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/matchday_pictures.h"
#include "screens/matchday/player_rows.h"

namespace tarvelon {

namespace {

constexpr int kIdColumn = 4;

std::string ClubNameOf(int club)
{
    const TClub* c = ClubAt(club);
    return c ? c->name.str() : std::string();
}

bool IsHuman(int club)
{
    const TClub* c = ClubAt(club);
    return c && c->IsHuman;
}

// The human club against the first other club, level after their tie.
void ShootoutSubject()
{
    ShootoutClubA = Game.CurrentHumanClub;
    ShootoutClubB = ShootoutClubA == 0 ? 1 : 0;
    ShootoutUserTakers = 1;
    ShootoutResult = -1;
}

}  // namespace

const TScreenRecord TForm37::kScreen{
    .formClass = "TForm37",
    .shows = "Desempate por Penaltis - Seleção dos batedores",
    .area = TScreenArea::Matchday,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = ShootoutSubject,
    .create = NewScreen<TForm37>,
    .file = "screens/matchday/shootout_dialogs.cpp",
};

TForm37::TForm37(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("GradButton2Click", [this](TObject* sender) { GradButton2Click(sender); });
    BindHandler("bt1Click", [this](TObject* sender) { bt1Click(sender); });
    BindHandler("btpClick", [this](TObject* sender) { btpClick(sender); });
    ReadDescription();
    escudo1 = FindChild<TImage>("escudo1");
    l1 = FindChild<TListView>("l1");
    l2 = FindChild<TListView>("l2");
    for (TListView* list : {l1, l2})
        if (list)
            UseStarImages(*list);
    GradButton2 = FindChild<TGradButton>("GradButton2");
    bt1 = FindChild<TGradButton>("bt1");
    btp = FindChild<TGradButton>("btp");
}

void TForm37::FormCreate(TObject*)
{
    LoadClub(IsHuman(ShootoutClubA) ? ShootoutClubA : ShootoutClubB);
}

void TForm37::LoadClub(int club)
{
    club_ = club;
    ShowClubCrest(escudo1, club, false);
    if (!l1 || !l2)
        return;
    l1->Clear();
    l2->Clear();
    for (int player : ShootoutCandidates(club))
        AddPlayerRow(*l1, PitchSlotLetterOf(club, player), player);
    if (btp)
        btp->SetEnabled(l1->Items().Count() == 0);
}

void TForm37::MoveToTakers(int row)
{
    TListItem* item = l1->Items()[row];
    const int player = PlayerOfRow(item, kIdColumn);
    l1->Items().Delete(row);
    if (player > 0)
        AddPlayerRow(*l2, PositionLetterOf(player), player);
    if (l1->Items().Count() == 0)
        btp->SetEnabled(true);
}

void TForm37::GradButton2Click(TObject*)
{
    if (l1 && l1->ItemIndex() >= 0)
        MoveToTakers(l1->ItemIndex());
}

void TForm37::bt1Click(TObject*)
{
    // From the last row up: with an untouched list the attackers kick first, the goalkeeper last.
    while (l1 && l1->Items().Count() > 0)
        MoveToTakers(l1->Items().Count() - 1);
    btp->SetEnabled(true);
}

void TForm37::btpClick(TObject*)
{
    ShootoutTakerList takers{};
    for (int i = 0; i < l2->Items().Count() && i < kShootoutTakers; ++i)
        takers[static_cast<std::size_t>(i)] = std::max(0, PlayerOfRow(l2->Items()[i], kIdColumn));
    (club_ == ShootoutClubA ? ShootoutTakersA : ShootoutTakersB) = takers;
    if (club_ == ShootoutClubA && IsHuman(ShootoutClubB) && ShootoutUserTakers != 2) {
        ShootoutUserTakers = 2;
        btp->SetEnabled(false);
        LoadClub(ShootoutClubB);
        return;
    }
    if (TGameForm* display = CreateScreen("TForm38", this))
        display->ShowModal();
    Close();
}

const TScreenRecord TForm38::kScreen{
    .formClass = "TForm38",
    .shows = "Decisão por Penaltis",
    .area = TScreenArea::Matchday,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = ShootoutSubject,
    .create = NewScreen<TForm38>,
    .file = "screens/matchday/shootout_dialogs.cpp",
};

TForm38::TForm38(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("Timer1Timer", [this](TObject* sender) { Timer1Timer(sender); });
    BindHandler("Timer2Timer", [this](TObject* sender) { Timer2Timer(sender); });
    BindHandler("Timer3Timer", [this](TObject* sender) { Timer3Timer(sender); });
    BindHandler("Timer4Timer", [this](TObject* sender) { Timer4Timer(sender); });
    BindHandler("Timer5Timer", [this](TObject* sender) { Timer5Timer(sender); });
    ReadDescription();
    escudo1 = FindChild<TImage>("escudo1");
    escudo2 = FindChild<TImage>("escudo2");
    nome1 = FindChild<TLabel>("nome1");
    nome2 = FindChild<TLabel>("nome2");
    pl1 = FindChild<TLabel>("pl1");
    pl2 = FindChild<TLabel>("pl2");
    lbresultado = FindChild<TLabel>("lbresultado");
    l1 = FindChild<TListView>("l1");
    l2 = FindChild<TListView>("l2");
    Timer1 = FindChild<TTimer>("Timer1");
    Timer2 = FindChild<TTimer>("Timer2");
    Timer3 = FindChild<TTimer>("Timer3");
    Timer4 = FindChild<TTimer>("Timer4");
    Timer5 = FindChild<TTimer>("Timer5");
}

TForm38::~TForm38() = default;

void TForm38::FormCreate(TObject*)
{
    // A computer club kicks in its own order; a human club in the one its coach gave.
    if (!IsHuman(ShootoutClubA) || ShootoutTakersA[0] == 0)
        ShootoutTakersA = ComputerShootoutTakers(ShootoutClubA);
    if (!IsHuman(ShootoutClubB) || ShootoutTakersB[0] == 0)
        ShootoutTakersB = ComputerShootoutTakers(ShootoutClubB);
    kicks_ = std::make_unique<ShootoutKicks>(ShootoutTakersA, ShootoutTakersB);
    nome1->SetCaption(CaptionLiteral(ClubNameOf(ShootoutClubA)));
    nome2->SetCaption(CaptionLiteral(ClubNameOf(ShootoutClubB)));
    ShowClubCrest(escudo1, ShootoutClubA, false);
    ShowClubCrest(escudo2, ShootoutClubB, false);
    Timer3->SetEnabled(true);
}

void TForm38::AddTaker(TListView* list, int side)
{
    TListItem* row = list->Items().Add();
    const TPlayer* taker = PlayerAt(kicks_->NextTaker(side));
    row->SetCaption(taker ? taker->Name.str() : std::string());
    row->SubItems().Add("");
}

void TForm38::ShowKick(TListView* list, TLabel* score, int side, bool scored)
{
    const int last = list->Items().Count() - 1;
    if (last >= 0)
        list->Items()[last]->SubItems().SetStrings(0, scored ? "Gol" : "Perdeu");
    score->SetCaption(std::to_string(kicks_->goals(side)));
}

void TForm38::Timer3Timer(TObject*)
{
    Timer3->SetEnabled(false);
    AddTaker(l1, 0);
    Timer1->SetEnabled(true);
}

void TForm38::Timer1Timer(TObject*)
{
    Timer1->SetEnabled(false);
    ShowKick(l1, pl1, 0, kicks_->KickA());
    if (kicks_->winner() != 0)
        Finish();
    else
        Timer4->SetEnabled(true);
}

void TForm38::Timer4Timer(TObject*)
{
    Timer4->SetEnabled(false);
    AddTaker(l2, 1);
    Timer2->SetEnabled(true);
}

void TForm38::Timer2Timer(TObject*)
{
    Timer2->SetEnabled(false);
    ShowKick(l2, pl2, 1, kicks_->KickB());
    if (kicks_->winner() != 0)
        Finish();
    else
        Timer3->SetEnabled(true);
}

void TForm38::Finish()
{
    const int winner = kicks_->winner();
    FinishShootout(winner, kicks_->goals(0), kicks_->goals(1));
    lbresultado->SetCaption(CaptionLiteral(ClubNameOf(winner == 1 ? ShootoutClubA : ShootoutClubB) + " venceu."));
    Timer5->SetEnabled(true);
}

void TForm38::Timer5Timer(TObject*)
{
    Timer5->SetEnabled(false);
    Close();
}

void InstallShootoutDialogs()
{
    Hooks().shootoutDialog = [](bool humanTakers) {
        ShootoutTakersA = {};
        ShootoutTakersB = {};
        if (humanTakers)
            ShootoutUserTakers = 1;
        if (TGameForm* form = CreateScreen(humanTakers ? "TForm37" : "TForm38", Application))
            form->ShowModal();
    };
}

}  // namespace tarvelon
