// The fixtures and results of one round (TForm63).
#include "screens/competitions/round_fixtures_screen.h"

#include <algorithm>

#include "controls/grad_button.h"
#include "core/draws/state_championship.h"
#include "core/records/matchday_globals.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/views/round_fixtures.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kBrazil = 29;
constexpr int kButtonStep = 104;

std::string CrestCell(TCustomImageList& list, int club)
{
    const int index = MiniCrestIndex(list, club);
    return std::to_string(index >= 0 ? index : 0);
}

}  // namespace

const TScreenRecord TForm63::kScreen{
    .formClass = "TForm63",
    .shows = "Jogos e resultados por rodada",
    .area = TScreenArea::Competitions,
    .modal = true,
    .style = {.closeOnEscape = true},
    .create = NewScreen<TForm63>,
    .file = "screens/competitions/round_fixtures_screen.cpp",
};

TForm63::TForm63(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    // The league is the league chooser's: the other views keep a state or an edition in the region.
    BindHandler("btnacClick", [this](TObject*) {
        OpenView(btnac, 1, Leagues.size() >= 2 ? std::max(0, combopais->ItemIndex()) : 0, csGrass);
    });
    BindHandler("btestadualClick", [this](TObject*) { OpenView(btestadual, 3, ShownFixtureState, csGrass); });
    BindHandler("btlibClick", [this](TObject*) { OpenView(btlib, 4, 1, csGrass); });
    BindHandler("btsulClick", [this](TObject*) { OpenView(btsul, 6, 1, csGrass); });
    BindHandler("bteuroClick", [this](TObject*) { OpenView(bteuro, 4, 2, csNeoGrass); });
    BindHandler("btuefaClick", [this](TObject*) { OpenView(btuefa, 6, 2, csNeoGrass); });
    BindHandler("bt3Click", [this](TObject*) {
        if (c1->ItemIndex() > 0)
            ShowEntry(c1->ItemIndex());  // entries are 1-based, items 0-based
    });
    BindHandler("GradButton3Click", [this](TObject*) {
        if (c1->ItemIndex() + 1 < c1->Items().Count())
            ShowEntry(c1->ItemIndex() + 2);
    });
    BindHandler("c1Click", [this](TObject*) { ShowEntry(c1->ItemIndex() + 1); });
    BindHandler("combo1Change", [this](TObject*) {
        const int item = combo1->ItemIndex();
        if (item < 0 || item >= static_cast<int>(FixtureStateComboStates.size()))
            return;
        ShownFixtureState = FixtureStateComboStates[item];
        ShownFixtureRegion = ShownFixtureState;
        ShowEntry(1);
    });
    BindHandler("combopaisChange", [this](TObject*) {
        if (combopais->ItemIndex() < 0)
            return;
        ShownFixtureRegion = combopais->ItemIndex();
        ShowEntry(OpeningRoundEntry(1));
    });
    BindHandler("bt1Click", [this](TObject*) {
        BracketCompetition = ShownFixtureKind;
        OpenScreen("TForm69");
    });
    BindHandler("t1DblClick", [this](TObject*, int, int row) { t1DblClick(row); });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    t1 = FindChild<TDataGrid>("t1");
    Label2 = FindChild<TLabel>("Label2");
    btnac = FindChild<TGradButton>("btnac");
    btestadual = FindChild<TGradButton>("btestadual");
    btlib = FindChild<TGradButton>("btlib");
    btsul = FindChild<TGradButton>("btsul");
    bteuro = FindChild<TGradButton>("bteuro");
    btuefa = FindChild<TGradButton>("btuefa");
    bt3 = FindChild<TGradButton>("bt3");
    GradButton3 = FindChild<TGradButton>("GradButton3");
    bt1 = FindChild<TGradButton>("bt1");
    c1 = FindChild<TComboBox>("c1");
    combopais = FindChild<TComboBoxEx>("combopais");
    combo1 = FindChild<TComboBoxEx>("combo1");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    flags = FindChild<TCustomImageList>("flags");
    stateFlags = FindChild<TCustomImageList>("stateFlags");
}

void TForm63::FormCreate(TObject*)
{
    UseCrestColumn(*t1, "colescudo1", *ImageList1);
    UseCrestColumn(*t1, "colescudo2", *ImageList1);
    ColourRowsAlternately(*t1, true);
    ShownFixtureRegion = 0;
    if (Leagues.size() >= 2)
        ShownFixtureRegion = FillLeagueChooser(*combopais, *flags, kBrazil);
    else
        combopais->SetVisible(false);
    // A European pair is hidden with its South American one: with the pair off it lists nothing.
    const bool firstSeason = Game.Season <= 1;
    const bool firstPair = Game.firstContinentalPairOn && !firstSeason;
    const bool secondPair = Game.secondContinentalPairOn && !firstSeason;
    btlib->SetVisible(firstPair);
    bteuro->SetVisible(firstPair);
    btsul->SetVisible(secondPair);
    btuefa->SetVisible(secondPair);
    if (!Game.StateChampionshipsOn)
        PlaceButtonsWithoutStates();
    else
        ChooseFirstState();
    if (Game.DayKind == 3 && Game.StateChampionshipsOn)
        OpenView(btestadual, 3, ShownFixtureState, csGrass);
    else
        OpenView(btnac, 1, ShownFixtureRegion, csGrass);
}

void TForm63::PlaceButtonsWithoutStates()
{
    btestadual->SetVisible(false);
    int left = btnac->Left();
    for (TGradButton* button : {btlib, btsul, bteuro, btuefa}) {
        left += kButtonStep;
        button->SetLeft(left);
    }
}

// The first state in play where a human coach's club plays, else the state of the day (never an
// invalid state: with no state in play the first one stands).
void TForm63::ChooseFirstState()
{
    FixtureStateComboStates = ActiveStates();
    FillStateChooser(*combo1, *stateFlags, FixtureStateComboStates, true);
    int chosen = -1;
    for (int state : FixtureStateComboStates)
        if (StateChampionships[state].humanClubPresent) {
            chosen = state;
            break;
        }
    if (chosen < 0)
        chosen = CurrentState >= 0 && CurrentState < kStateCount ? CurrentState
                 : FixtureStateComboStates.empty()              ? 0
                                                                : FixtureStateComboStates.front();
    ShownFixtureState = chosen;
    for (std::size_t i = 0; i < FixtureStateComboStates.size(); ++i)
        if (FixtureStateComboStates[i] == chosen)
            combo1->SetItemIndex(static_cast<int>(i));
}

void TForm63::OpenView(TGradButton* button, int kind, int region, TColorScheme scheme)
{
    HighlightButton({btnac, btestadual, btlib, btsul, bteuro, btuefa}, button, scheme);
    ShownFixtureKind = kind;
    ShownFixtureRegion = region;
    combopais->SetVisible(kind == 1 && Leagues.size() >= 2);
    combo1->SetVisible(kind == 3);
    bt1->SetVisible(ContinentalGroupStageOver(kind));
    FillRoundChooser(kind);
    ShowEntry(OpeningRoundEntry(kind));
}

void TForm63::FillRoundChooser(int kind)
{
    const int rounds = RoundsPerTurn(kind);
    c1->Items().Clear();
    for (int entry = 1; entry <= 2 * rounds; ++entry)
        c1->Items().Add(RoundEntryCaption(entry, rounds));
}

void TForm63::ShowEntry(int entry)
{
    const RoundAndTurn shown = RoundOfEntry(entry, RoundsPerTurn(ShownFixtureKind));
    c1->SetItemIndex(EntryOfRound(shown, RoundsPerTurn(ShownFixtureKind)) - 1);
    FillRoundFixtures(ShownFixtureKind, shown.round, shown.turn);
}

void TForm63::FillRoundFixtures(int kind, int round, int turn)
{
    Label2->SetCaption(RoundCaption({round, turn}));
    const int key = kind == 3 ? ShownFixtureState : ShownFixtureRegion;
    t1->BeginUpdate();
    t1->ClearRows();
    for (const RoundFixtureRow& r : RoundFixtureRows(kind, key, {round, turn})) {
        const int row = t1->AddRow();
        const bool heading = r.fixture == kHeadingRow;
        t1->SetCellTextByName("colid", row, heading ? "" : std::to_string(r.home));
        t1->SetCellTextByName("colescudo1", row, heading ? "0" : CrestCell(*ImageList1, r.home));
        t1->SetCellTextByName("coltime1", row, r.homeName);
        t1->SetCellTextByName("colplacar", row, r.score);
        t1->SetCellTextByName("coltime2", row, r.awayName);
        t1->SetCellTextByName("colescudo2", row, heading ? "0" : CrestCell(*ImageList1, r.away));
        t1->SetCellTextByName("colpublico", row, r.attendance);
        t1->SetCellTextByName("colrenda", row, r.gate);
        t1->SetCellTextByName("colfixture", row, std::to_string(r.fixture));
    }
    t1->EndUpdate();
}

void TForm63::t1DblClick(int row)
{
    OpenReportOfFixture(CellInt(*t1, "colfixture", row, -1));
}

}  // namespace tarvelon
