// The in-play penalty dialogs (TForm34 for the human side's kick, TForm54 against it).
#include "screens/matchday/penalty_dialogs.h"

#include <array>

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/match/lineup_access.h"
#include "core/match/match_flags.h"
#include "core/match/penalty_kick.h"
#include "core/matchday_rules/shootout.h"
#include "core/seasonloop/season_loop.h"
#include "core/sound/sound.h"
#include "core/vocab/players.h"
#include "platform/forms/application.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "richtext/html_label.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/matchday_pictures.h"
#include "screens/matchday/player_rows.h"

namespace tarvelon {

namespace {

constexpr int kIdColumn = 4;  // the hidden player index among the sub-items

template <std::size_t N>
const char* OneOf(const std::array<const char*, N>& texts)
{
    return texts[static_cast<std::size_t>(Random(static_cast<int>(N)))];
}

std::string NameOf(int player)
{
    const TPlayer* p = PlayerAt(player);
    return p ? p->Name.str() : std::string();
}

std::string TraitsOf(int player)
{
    const TPlayer* p = PlayerAt(player);
    const auto trait = [](int t) { return t >= 0 && t < TraitCount ? std::string(TraitAbbreviations[t]) : std::string(); };
    return p ? trait(p->Trait1) + "/" + trait(p->Trait2) : std::string();
}

std::string Wrapped(const std::string& text)
{
    return "<SHAD><B><FONT color=\"#FFFFFF\"><P align=\"center\">" + text + "</P></FONT></B></SHAD>";
}

void SwallowKey(TObject*, unsigned short& key, TShiftState) { key = 0; }

}  // namespace

TPenaltyDialog::TPenaltyDialog(TComponent* owner, const TScreenRecord& screen)
    : TGameForm(owner, screen)
{
    BindHandler("FormKeyDown", [](TObject* sender, unsigned short& key, TShiftState shift) { SwallowKey(sender, key, shift); });
}

void TPenaltyDialog::DecideKick(int taker)
{
    const bool scored = DrawPenaltyScored(PenaltyScoringChance(taker, keeper_));
    OutcomeSound(scored);
    ShowOutcome(scored, taker);
    Application->ProcessMessages();
    Application->PauseRepaintingOnly(PauseAfterOutcome());
    PenaltyOutcome = scored ? 1 : 2;
    PenaltyTaker = taker;
    Close();
}

namespace {

// The human club against the first other club, as a penalty of today's match would set them, the
// live matchday opened at its kick-off.
void PenaltySubject(bool humanKicks)
{
    BeginShownMatchdayOfToday();
    const int human = Game.CurrentHumanClub;
    const int other = human == 0 ? 1 : 0;
    PenaltyClubA = humanKicks ? human : other;
    PenaltyClubB = humanKicks ? other : human;
}

}  // namespace

const TScreenRecord TForm34::kScreen{
    .formClass = "TForm34",
    .shows = "Pênalti a favor: escolha do batedor",
    .area = TScreenArea::Matchday,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = [] { PenaltySubject(true); },
    .create = NewScreen<TForm34>,
    .file = "screens/matchday/penalty_dialogs.cpp",
    .replacesGame = true,
};

TForm34::TForm34(TComponent* owner) : TPenaltyDialog(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("ListView1SelectItem",
                [this](TObject* sender, TListItem* item, bool selected) { ListView1SelectItem(sender, item, selected); });
    BindHandler("bt1Click", [this](TObject* sender) { bt1Click(sender); });
    BindHandler("Timer1Timer", [this](TObject* sender) { Timer1Timer(sender); });
    BindHandler("Timer2Timer", [this](TObject* sender) { Timer2Timer(sender); });
    ReadDescription();
    escudo = FindChild<TImage>("escudo");
    info1 = FindChild<TRichLabel>("info1");
    ListView1 = FindChild<TListView>("ListView1");
    if (ListView1)
        UseStarImages(*ListView1);
    bt1 = FindChild<TGradButton>("bt1");
    Timer1 = FindChild<TTimer>("Timer1");
    Timer2 = FindChild<TTimer>("Timer2");
}

void TForm34::FormCreate(TObject*)
{
    if (!DebugTrace)
        PlaySound("penalty");
    ShowClubCrest(escudo, PenaltyClubA, false);
    if (ListView1)
        for (int player : ShootoutCandidates(PenaltyClubA))
            if (TListItem* row = AddPlayerRow(*ListView1, PitchSlotLetterOf(PenaltyClubA, player), player))
                row->SubItems().Add(TraitsOf(player));
    keeper_ = PenaltyGoalkeeper(PenaltyClubB);
}

void TForm34::ShowNarration(const std::string& text)
{
    if (info1)
        info1->SetHTMLText(Wrapped(text));
}

void TForm34::ListView1SelectItem(TObject*, TListItem* item, bool selected)
{
    if (bt1 && taker_ < 0)
        bt1->SetEnabled(selected && item != nullptr);
}

void TForm34::bt1Click(TObject*)
{
    const int player = ListView1 ? PlayerOfRow(ListView1->Selected(), kIdColumn) : -1;
    if (player <= 0 || taker_ > 0)
        return;
    taker_ = player;
    PenaltyTaker = player;
    bt1->SetEnabled(false);
    ShowNarration(MarkupLiteral(NameOf(player)) + OneOf(std::array{" coloca a bola na marca.", " prepara para bater.", " ajeita com carinho.",
                                                   " se concentra para chutar.",
                                                   " parece um pouco nervoso,<br> mas mesmo assim vai bater."}));
    Timer1->SetEnabled(true);
}

void TForm34::Timer1Timer(TObject*)
{
    Timer1->SetEnabled(false);
    ShowNarration(OneOf(std::array{"Corre pra bola, bate o penalty e...", "Enfia um bicudo na bola e...", "Bate com força e...",
                                   "Manda uma bomba e..."}));
    Timer2->SetEnabled(true);
}

void TForm34::Timer2Timer(TObject*)
{
    Timer2->SetEnabled(false);
    DecideKick(taker_);
}

void TForm34::OutcomeSound(bool scored) { PlaySound(scored ? "gol" : "goladv"); }

void TForm34::ShowOutcome(bool scored, int taker)
{
    const std::string name = MarkupLiteral(NameOf(taker));
    const std::string text =
        scored ? std::array<std::string, 11>{"Golaço! O goleiro nem saiu na foto!", "Com paradinha! Gol!!!",
                                             "A torcida vibra, é gol!!!", "Bola no fundo das redes! Gol!!!",
                                             "O goleiro nem viu a bola! É gol!!!", "Cobrança perfeita de " + name + "! Gol!!!",
                                             name + " não titubeou <br> e mandou a bola no fundo das redes!!!",
                                             "Bola pra um lado goleiro pro outro, gol!!!", "Cobrança magnífica! Gol!!!",
                                             "Vibração no estádio! Gol!!!", "Quase perdeu! Mas é gol!!!"}[Random(11)]
               : std::array<std::string, 11>{"O goleiro defendeu!", "Explode no travessão!", "Pra fora, longe do gol!",
                                             "A bola bate na trave e sai!", "O goleiro fez grande defesa!",
                                             "Chuta a bola por cima!", "Isola a bola na arquibancada!",
                                             "Mas o que é isso? Escorregou e chutou fraquinho nas mãos do goleiro!",
                                             "Perde bisonhamente o penalti, chutando na arquibancada!",
                                             "Com paradinha! O goleiro defende!!!",
                                             "Fraquinho, fraquinho. O goleiro até riu do batedor!"}[Random(11)];
    ShowNarration(text);
}

const TScreenRecord TForm54::kScreen{
    .formClass = "TForm54",
    .shows = "Cobrança de pênalti",
    .area = TScreenArea::Matchday,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = [] { PenaltySubject(false); },
    .create = NewScreen<TForm54>,
    .file = "screens/matchday/penalty_dialogs.cpp",
    .replacesGame = true,
};

TForm54::TForm54(TComponent* owner) : TPenaltyDialog(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("Timer1Timer", [this](TObject* sender) { Timer1Timer(sender); });
    BindHandler("Timer2Timer", [this](TObject* sender) { Timer2Timer(sender); });
    ReadDescription();
    escudo = FindChild<TImage>("escudo");
    Label2 = FindChild<TLabel>("Label2");
    Timer1 = FindChild<TTimer>("Timer1");
    Timer2 = FindChild<TTimer>("Timer2");
}

void TForm54::FormCreate(TObject*)
{
    if (!DebugTrace)
        PlaySound("penalty");
    ShowClubCrest(escudo, PenaltyClubA, false);
    taker_ = PenaltyTakerOf(PenaltyClubA);
    if (Label2)
        Label2->SetCaption(CaptionLiteral(NameOf(taker_)) + " "
                           + OneOf(std::array{"coloca a bola na marca.", "prepara para bater.", "ajeita com carinho.",
                                              "caminha em direção a marca.", "parece confiante pra bater."}));
    keeper_ = PenaltyGoalkeeper(PenaltyClubB);
    if (Timer1)
        Timer1->SetEnabled(true);
}

void TForm54::Timer1Timer(TObject*)
{
    Timer1->SetEnabled(false);
    Label2->SetCaption(OneOf(std::array{"Chuta forte e...", "Enfia um bicudo na bola e...", "Bate com força e...",
                                        "Manda uma bomba e..."}));
    Timer2->SetEnabled(true);
}

void TForm54::Timer2Timer(TObject*)
{
    Timer2->SetEnabled(false);
    DecideKick(taker_);
}

void TForm54::ShowOutcome(bool scored, int taker)
{
    const std::string name = CaptionLiteral(NameOf(taker));
    const std::string keeper = CaptionLiteral(NameOf(keeper_));
    const std::string text =
        scored ? std::array<std::string, 6>{"Gol!!!!", "Um chute forte e a bola estufa as redes! Gol!!!",
                                            "Goleiro de um lado e bola do outro! Gol!!!", "A torcida vibra, é gol!!!",
                                            name + " executa uma cobrança perfeita! É gol!!!",
                                            name + " bate bem no canto, sem chances para o goleiro! É gol!!!"}[Random(6)]
               : std::array<std::string, 6>{"Grande defesa de " + keeper + "!", "Explode na trave!!!", "Pra fora, longe do gol!",
                                            keeper + " faz uma brilhante defesa!",
                                            "Será que o batedor não sabe chutar? A bola foi parar na arquibancada!",
                                            name + " escorregou na hora de chutar e o goleiro fez uma fácil defesa!"}[Random(6)];
    Label2->SetCaption(text);
}

void InstallPenaltyDialogs()
{
    Hooks().penaltyDialog = [](int kickingClub, int defendingClub, bool humanKicks) {
        PenaltyClubA = kickingClub;
        PenaltyClubB = defendingClub;
        PenaltyOutcome = 2;
        PenaltyTaker = -1;
        PenaltyDialogAnswer answer;
        if (TGameForm* form = CreateScreen(humanKicks ? "TForm34" : "TForm54", Application))
            form->ShowModal();
        answer.outcome = PenaltyOutcome == 1 ? 1 : 2;
        answer.taker = PenaltyTaker;
        return answer;
    };
}

}  // namespace tarvelon
