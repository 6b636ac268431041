// The injury-substitution dialog (TForm53).
#include "screens/matchday/injury_dialog.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/hooks.h"
#include "core/match/injury_choice.h"
#include "core/match/lineup_access.h"
#include "core/match/match_flags.h"
#include "core/sound/sound.h"
#include "core/vocab/players.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/player_rows.h"

namespace tarvelon {

namespace {

constexpr int kIdColumn = 4;

// The human club's first starter injured.
void InjurySubject()
{
    InjuredClub = Game.CurrentHumanClub;
    const TClub* club = ClubAt(InjuredClub);
    const TLineup* lineup = club ? LineupAt(club->LineupIndex) : nullptr;
    InjuredPlayer = lineup ? lineup->starters[0] : 0;
    ActiveMatch = 0;
}

}  // namespace

const TScreenRecord TForm53::kScreen{
    .formClass = "TForm53",
    .shows = "Jogador contundido: substituição",
    .area = TScreenArea::Matchday,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .subject = InjurySubject,
    .create = NewScreen<TForm53>,
    .file = "screens/matchday/injury_dialog.cpp",
};

TForm53::TForm53(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormKeyDown", [](TObject*, unsigned short& key, TShiftState) { key = 0; });
    BindHandler("ListView1SelectItem",
                [this](TObject* sender, TListItem* item, bool selected) { ListView1SelectItem(sender, item, selected); });
    BindHandler("bt1Click", [this](TObject* sender) { bt1Click(sender); });
    ReadDescription();
    Label2 = FindChild<TLabel>("Label2");
    Label3 = FindChild<TLabel>("Label3");
    ListView1 = FindChild<TListView>("ListView1");
    if (ListView1)
        UseStarImages(*ListView1);
    bt1 = FindChild<TGradButton>("bt1");
}

void TForm53::FormCreate(TObject*)
{
    const TPlayer* injured = PlayerAt(InjuredPlayer);
    const TClub* club = ClubAt(InjuredClub);
    if (Label2 && injured && club)
        Label2->SetCaption(CaptionLiteral(injured->Name.str() + " - " + PositionLetterOf(InjuredPlayer) + " - " + club->name.str()));
    const InjuryChoice choice = InjurySubstituteChoice(InjuredClub, InjuredPlayer);
    if (ListView1)
        for (int player : choice.candidates)
            AddPlayerRowNameFirst(*ListView1, PositionLetterOf(player), player);
    if (choice.improviseKeeper && Label3)
        Label3->SetCaption("Improvisar como goleiro:");
    if (choice.candidates.empty() && bt1) {
        bt1->SetCaption("Fechar");
        bt1->SetEnabled(true);
        CloseSubstitutionsOfSide(ActiveMatch, InjuredClub);
    }
    PlaySound("contusao");
}

void TForm53::ListView1SelectItem(TObject*, TListItem* item, bool selected)
{
    if (bt1 && ListView1->Items().Count() > 0)
        bt1->SetEnabled(selected && item != nullptr);
}

void TForm53::bt1Click(TObject*)
{
    if (ListView1 && ListView1->Items().Count() > 0) {
        const int player = PlayerOfRow(ListView1->Selected(), kIdColumn);
        if (player <= 0)
            return;
        InjurySubstitute = player;
    }
    Close();
}

// The dialog leaves the matchday clock alone: it is asked from inside a tick, whose clock is off
// until the tick ends. Were "on close the matchday timer is re-enabled" followed, the next tick
// would start inside the one still stepping the matches, and the day would be played twice over.
void InstallInjuryDialog()
{
    Hooks().injurySubstitutionDialog = [](int club, int injuredPlayer, int match) {
        InjuredClub = club;
        InjuredPlayer = injuredPlayer;
        InjurySubstitute = -1;
        ActiveMatch = match;
        // While plays are traced nobody is asked.
        if (DebugTrace)
            return InjurySubstitute;
        if (TGameForm* form = CreateScreen("TForm53", Application))
            form->ShowModal();
        return InjurySubstitute;
    };
}

}  // namespace tarvelon
