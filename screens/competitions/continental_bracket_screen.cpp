#include "screens/competitions/continental_bracket_screen.h"

#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kCrestSlots = 16;

struct BracketEntry {
    const char* item;
    const char* title;
    int kind;
    int edition;
};

constexpr BracketEntry kEntries[] = {
    {"Libertadores", "Libertadores - 2ª Fase", kKindFirstContinentalCup, 1},
    {"Liga dos Campeões", "Liga dos Campeões - 2ª Fase", kKindFirstContinentalCup, 2},
    {"Sul-Americana", "Copa Sul-Americana - 2ª Fase", kKindSecondContinentalCup, 1},
    {"Liga Europa", "Liga Europa da UEFA - 2ª Fase", kKindSecondContinentalCup, 2},
};

}  // namespace

const TScreenRecord TForm69::kScreen{
    .formClass = "TForm69",
    .shows = "Chaveamento da copa continental",
    .area = TScreenArea::Competitions,
    .modal = true,
    .style = BrowsingScreenStyle(),
    .subject = [] { BracketCompetition = 4; },
    .create = NewScreen<TForm69>,
    .file = "screens/competitions/continental_bracket_screen.cpp",
};

TForm69::TForm69(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("combo1Change", [this](TObject*) { ShowEntry(combo1->ItemIndex()); });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    combo1 = FindChild<TComboBox>("combo1");
    bracket = FindBracketControls(*this, kContinentalTies, kCrestSlots);
}

void TForm69::FormCreate()
{
    const int entries = Game.secondContinentalPairOn ? 4 : 2;
    combo1->Items().Clear();
    for (int e = 0; e < entries; ++e)
        combo1->Items().Add(kEntries[e].item);
    // The South American edition of the cup asked for; the second cup only when it is played.
    const int entry = BracketCompetition == kKindSecondContinentalCup && entries == 4 ? 2 : 0;
    combo1->SetItemIndex(entry);
    ShowEntry(entry);
    if (entry == 2)
        Label1->SetCaption("Sul-Americana - 2ª Fase");
}

void TForm69::ShowEntry(int entry)
{
    if (entry < 0 || entry >= static_cast<int>(std::size(kEntries)))
        return;
    const BracketEntry& shown = kEntries[entry];
    Label1->SetCaption(shown.title);
    const ContinentalBracket cup = ContinentalBracketOf(shown.kind, shown.edition);
    FillBracket(bracket, cup.ties, cup.champion);
}

}  // namespace tarvelon
