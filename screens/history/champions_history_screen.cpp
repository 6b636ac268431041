// The champions history (TForm29).
#include "screens/history/champions_history_screen.h"

#include <algorithm>

#include "controls/dc_smooth_panel.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/views/champions.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/choosers.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kRowHeight = 20;
constexpr int kListedHeight = 400;  // the panel grows only for a list taller than this
constexpr int kCountryChooserTop = 64;
constexpr int kSouthAmerica = 29;  // a country of each edition, for the competition lookup
constexpr int kEurope = 3;
// The caption line, at the tab stops of the rows.
const char* const kHeading =
    "<B><FONT color=\"#000080\">Ano<IND x=\"38\">Campeão<IND x=\"185\">Vice-Campeão<IND x=\"330\">Artilheiro"
    "<IND x=\"580\">Técnico Campeão</FONT></B><br>";

struct ItemView {
    const char* item;
    int kind;
    int region;  // -1: the chosen league's country or state
};
constexpr ItemView kItemViews[] = {
    {"Nacional", 1, -1},         {"Estadual", 3, -1},         {"Copa", 2, -1},
    {"Libertadores", 4, kSouthAmerica}, {"Liga Campeões", 4, kEurope}, {"Sul-Americana", 6, kSouthAmerica},
    {"Liga Europa da UEFA", 6, kEurope}, {"Mundial Interclubes", 5, -1}, {"Copa do Mundo", 7, -1},
    {"Copa América", 8, -1},     {"Eurocopa", 9, -1}};

}  // namespace

const TScreenRecord TForm29::kScreen{
    .formClass = "TForm29",
    .shows = "Galeria de campeões",
    .area = TScreenArea::History,
    .modal = true,
    .style = BrowsingScreenStyleClosedByEnter(),
    .create = NewScreen<TForm29>,
    .file = "screens/history/champions_history_screen.cpp",
};

TForm29::TForm29(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("combo1Change", ShowChosenItem([this](const std::string& item) { ShowItem(item); }));
    BindHandler("combopaisChange", [this](TObject*) {
        if (combopais->ItemIndex() < 0)
            return;
        ChosenLeague = combopais->ItemIndex();
        const std::string item = ChosenItem(*combo1);
        if (item == "Nacional" || item == "Copa")
            ShowItem(item);
    });
    BindHandler("combo2Change", ShowChosenState(StateItems, [this](int state) {
                    ChosenState = state;
                    FillChampionsHistory(3, ChosenState);
                }));
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    combo1 = FindChild<TComboBox>("combo1");
    combopais = FindChild<TComboBoxEx>("combopais");
    combo2 = FindChild<TComboBoxEx>("combo2");
    ScrollBox1 = FindChild<TScrollBox>("ScrollBox1");
    p_camp = FindChild<TDcSmoothPanel>("p_camp");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    flags = FindChild<TCustomImageList>("flags");
    stateFlags = FindChild<TCustomImageList>("stateFlags");
}

void TForm29::FormCreate(TObject*)
{
    EnsureBlankImages(*ImageList1, 1);
    ChosenLeague = 0;
    combopais->SetTop(kCountryChooserTop);
    if (Leagues.size() > 1)
        ChosenLeague = FillLeagueChooser(*combopais, *flags, HumanCountry());
    else
        combopais->SetVisible(false);
    const bool cups = Game.Season > 1;
    const std::pair<const char*, bool> items[] = {
        {"Copa", Game.nationalCupOn != 0},
        {"Estadual", Game.StateChampionshipsOn != 0},
        {"Libertadores", Game.firstContinentalPairOn && cups},
        {"Liga Campeões", Game.firstContinentalPairOn && cups},
        {"Sul-Americana", Game.secondContinentalPairOn && cups},
        {"Liga Europa da UEFA", Game.secondContinentalPairOn && cups},
        {"Mundial Interclubes", Game.firstContinentalPairOn != 0},
        {"Copa do Mundo", Game.worldCupOn != 0},
        {"Copa América", Game.copaAmericaOn != 0},
        {"Eurocopa", Game.eurocopaOn != 0}};
    for (const auto& [item, offered] : items)
        if (offered)
            combo1->Items().Add(item);
    combo1->SetItemIndex(0);
    if (Game.StateChampionshipsOn) {
        StateItems = ActiveStates();
        FillStateChooser(*combo2, *stateFlags, StateItems, true);
        const int human = HumanState();
        const auto found = std::find(StateItems.begin(), StateItems.end(), human);
        const int item = found == StateItems.end() ? 0 : static_cast<int>(found - StateItems.begin());
        combo2->SetItemIndex(StateItems.empty() ? -1 : item);
        ChosenState = StateItems.empty() ? 0 : StateItems[item];
    }
    FillChampionsHistory(1, -1);
}

void TForm29::ShowItem(const std::string& item)
{
    for (const ItemView& view : kItemViews) {
        if (item != view.item)
            continue;
        if (view.kind >= 7)
            FillNationalTournamentChampions(view.kind);
        else
            FillChampionsHistory(view.kind, view.kind == 3 ? ChosenState : view.region);
        return;
    }
}

std::string TForm29::CrestReference(int club)
{
    const int index = club >= 0 ? MiniCrestIndex(*ImageList1, club, TOddSizedCrest::CutToSize) : -1;
    return index >= 0 ? "idx:" + std::to_string(index) : "";
}

void TForm29::FillChampionsHistory(int kind, int region)
{
    combo2->SetVisible(kind == 3);
    combopais->SetVisible((kind == 1 || kind == 2) && Leagues.size() > 1);
    if (kind == 1 || kind == 2)
        region = ChosenLeague < static_cast<int>(Leagues.size()) ? Leagues[ChosenLeague].country : -1;
    p_camp->SetImages(ImageList1);
    std::string text;
    const auto rows = ChampionRows(ChampionsCompetition(kind, region));
    for (const ChampionRow& row : rows)
        text += ChampionLine(row, CrestReference(row.champion), CrestReference(row.runnerUp), "");
    ShowLines(text, static_cast<int>(rows.size()), p_camp->Height());
}

void TForm29::FillNationalTournamentChampions(int kind)
{
    combo2->SetVisible(false);
    combopais->SetVisible(false);
    EnsureCountryFlags(*flags);
    p_camp->SetImages(flags);
    const auto flag = [](int club) {
        return club >= 0 && club < static_cast<int>(Clubs.size()) ? "idx:" + std::to_string(Clubs[club].Country)
                                                                   : std::string();
    };
    std::string text;
    const auto rows = ChampionRows(ChampionsCompetition(kind, -1));
    for (const ChampionRow& row : rows)
        text += ChampionLine(row, flag(row.champion), flag(row.runnerUp),
                             row.scorerCountry >= 0 ? "idx:" + std::to_string(row.scorerCountry) : "");
    ShowLines(text, static_cast<int>(rows.size()), kListedHeight);
}

// The panel grows with a long list (its caption line within the 40 pixels added), and the box
// scrolls over it.
void TForm29::ShowLines(const std::string& text, int rows, int shortListHeight)
{
    const int total = rows * kRowHeight;
    p_camp->SetHeight(total > kListedHeight ? total + 40 : shortListHeight);
    ScrollBox1->SetVertRange(p_camp->Height() + 2);
    p_camp->Caption().SetHTMLText(kHeading + text);
}

}  // namespace tarvelon
