// The top scorers (TForm20).
#include "screens/competitions/top_scorers_screen.h"

#include <algorithm>

#include "core/draws/state_championship.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/views/scorer_rows.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/choosers.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

// States asked for when the human club's state plays no championship: São Paulo, Rio, Minas.
constexpr int kFallbackStates[] = {25, 18, 10};

bool IsNationalItem(const std::string& item) { return item.rfind("Nacional - ", 0) == 0 || item == "Copa"; }

}  // namespace

const TScreenRecord TForm20::kScreen{
    .formClass = "TForm20",
    .shows = "Artilheiros",
    .area = TScreenArea::Competitions,
    .modal = true,
    .style = BrowsingScreenStyleClosedByEnter(),
    .create = NewScreen<TForm20>,
    .file = "screens/competitions/top_scorers_screen.cpp",
};

TForm20::TForm20(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("combo1Change", ShowChosenItem([this](const std::string& item) { ShowItem(item); }));
    BindHandler("combopaisChange", [this](TObject*) { combopaisChange(); });
    BindHandler("combo2Change", ShowChosenState(StateItems, [this](int state) {
                    ChosenState = state;
                    FillScorers(3, ChosenState, 1);
                }));
    BindHandler("Label1Click", [this](TObject*) { FillAllTimeScorers(true); });
    BindHandler("t1DblClick", [this](TObject*, int, int row) { t1DblClick(row); });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    t1 = FindChild<TDataGrid>("t1");
    combo1 = FindChild<TComboBox>("combo1");
    combopais = FindChild<TComboBoxEx>("combopais");
    combo2 = FindChild<TComboBoxEx>("combo2");
    Label1 = FindChild<TLabel>("Label1");
    Label4 = FindChild<TLabel>("Label4");
    flags = FindChild<TCustomImageList>("flags");
    stateFlags = FindChild<TCustomImageList>("stateFlags");
}

void TForm20::FormCreate(TObject*)
{
    ColourRowsAlternately(*t1, false);
    ChosenLeague = 0;
    if (Leagues.size() > 1)
        ChosenLeague = FillLeagueChooser(*combopais, *flags, HumanCountry());
    else
        combopais->SetVisible(false);
    FillScorerCompetitionItems();
    if (Game.StateChampionshipsOn)
        ChooseState();
    ShowSeasonColumns(true);
    FillScorers(1, ChosenLeague, 1);
}

void TForm20::FillScorerCompetitionItems()
{
    combo1->Items().Clear();
    for (const std::string& item : ScorerCompetitionItems(ChosenLeague))
        combo1->Items().Add(item);
    combo1->SetItemIndex(0);
}

// The human club's state when it plays a championship, else the first of the fallbacks in play.
void TForm20::ChooseState()
{
    StateItems = ActiveStates();
    FillStateChooser(*combo2, *stateFlags, StateItems, false);
    const auto inPlay = [this](int state) {
        return std::find(StateItems.begin(), StateItems.end(), state) != StateItems.end();
    };
    ChosenState = HumanState();
    for (int fallback : kFallbackStates)
        if (!inPlay(ChosenState))
            ChosenState = fallback;
    const auto found = std::find(StateItems.begin(), StateItems.end(), ChosenState);
    if (found != StateItems.end())
        combo2->SetItemIndex(static_cast<int>(found - StateItems.begin()));
}

void TForm20::ShowSeasonColumns(bool season)
{
    t1->ColumnByName("colgols")->SetVisible(season);
    t1->ColumnByName("coljogos")->SetVisible(season);
    t1->ColumnByName("colgolst")->SetVisible(!season);
    t1->ColumnByName("coljogost")->SetVisible(!season);
    Label4->SetVisible(!season);
    Label1->SetVisible(!season);
}

void TForm20::ShowItem(const std::string& item)
{
    combo2->SetVisible(item == "Estadual");
    if (item == "Melhores de Sempre") {
        ShowSeasonColumns(false);
        combopais->SetVisible(false);
        FillAllTimeScorers(false);
        return;
    }
    ShowSeasonColumns(true);
    if (item.rfind("Nacional - ", 0) == 0)
        FillScorers(1, ChosenLeague, item[11] - '0');
    else if (item == "Estadual")
        FillScorers(3, ChosenState, 1);
    else if (item == "Copa")
        FillScorers(2, ChosenLeague, -1);
    else if (item == "Libertadores" || item == "Liga Campeões")
        FillScorers(4, -1, item == "Libertadores" ? 1 : 2);
    else if (item == "Sul-Americana" || item == "Liga Europa")
        FillScorers(6, -1, item == "Sul-Americana" ? 1 : 2);
}

// A national list or the cup is filled again for the new league; then the chooser is rebuilt for
// that league, on its first item, and the grid keeps the list just filled.
void TForm20::combopaisChange()
{
    if (combopais->ItemIndex() < 0)
        return;
    ChosenLeague = combopais->ItemIndex();
    const std::string shown = combo1->ItemIndex() >= 0 ? combo1->Items().Strings(combo1->ItemIndex()) : "";
    if (IsNationalItem(shown))
        ShowItem(shown);
    FillScorerCompetitionItems();
}

void TForm20::FillScorers(int kind, int key, int division)
{
    THourglass hourglass;
    combopais->SetVisible((kind == 1 || kind == 2) && Leagues.size() > 1);
    const auto rows = SeasonScorerRows(ScorerCompetition(kind, key, division));
    FillRows(rows, rows.size());
}

void TForm20::FillAllTimeScorers(bool showAll)
{
    THourglass hourglass;
    const auto rows = AllTimeScorerRows();
    Label4->SetVisible(!showAll);
    Label1->SetVisible(!showAll);
    FillRows(rows, showAll ? rows.size() : std::min<std::size_t>(rows.size(), kAllTimeScorersShown));
}

void TForm20::FillRows(const std::vector<ScorerRow>& rows, std::size_t count)
{
    t1->BeginUpdate();
    t1->ClearRows();
    for (std::size_t i = 0; i < count; ++i) {
        const ScorerRow& r = rows[i];
        const int row = t1->AddRow();
        t1->SetCellTextByName("coljogador", row, r.playerName);
        t1->SetCellTextByName("colclube", row, r.clubName);
        t1->SetCellTextByName("colgols", row, std::to_string(r.goals));
        t1->SetCellTextByName("coljogos", row, std::to_string(r.games));
        t1->SetCellTextByName("colgolst", row, std::to_string(r.goals));
        t1->SetCellTextByName("coljogost", row, std::to_string(r.games));
        t1->SetCellTextByName("coljogid", row, std::to_string(r.player));
        t1->SetCellTextByName("colid", row, std::to_string(r.player));
    }
    t1->EndUpdate();
}

void TForm20::t1DblClick(int row)
{
    const int player = CellInt(*t1, "colid", row, -1);
    if (player < 0)
        return;
    SelectedRecord = player;
    OpenScreen("TForm16");
}

}  // namespace tarvelon
