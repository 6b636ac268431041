// The clubs ranking (TForm71).
#include "screens/history/clubs_ranking_screen.h"

#include "controls/grad_button.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/views/rankings.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kBrazil = 29;
constexpr int kInternationalImage = 203;

// The grid column of each ranked competition (league, cup, state, first continental, club world
// cup, second continental).
const char* const kCompetitionColumns[kRankedCompetitions] = {"colnacional",     "colcopa",    "colestadual",
                                                              "collibertadores", "colmundial", "colsulamericana"};

void ShowColumn(TDataGrid& grid, const std::string& name, bool visible)
{
    if (TDgCustomColumn* column = grid.ColumnByName(name))
        column->SetVisible(visible);
}

void HeadColumn(TDataGrid& grid, const std::string& name, const std::string& caption)
{
    if (TDgCustomColumn* column = grid.ColumnByName(name))
        column->Header().SetCaption(caption);
}

}  // namespace

const TScreenRecord TForm71::kScreen{
    .formClass = "TForm71",
    .shows = "Ranking de clubes",
    .area = TScreenArea::History,
    .modal = true,
    .style = BrowsingScreenStyle(),
    .create = NewScreen<TForm71>,
    .file = "screens/history/clubs_ranking_screen.cpp",
};

TForm71::TForm71(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("bt1Click", [this](TObject*) { ShowRanking(1); });
    BindHandler("bt2Click", [this](TObject*) { ShowRanking(2); });
    BindHandler("combopaisChange", [this](TObject*) {
        const int item = combopais->ItemIndex();
        if (item < 0)
            return;
        if (RankingShown == 1) {
            PlacingItem = item;
            FillPlacingRanking(IsInternational(item));
        } else {
            PointsItem = item;
            FillPointsRanking(IsInternational(item));
        }
    });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    listr1 = FindChild<TDataGrid>("listr1");
    listr2 = FindChild<TDataGrid>("listr2");
    bt1 = FindChild<TGradButton>("bt1");
    bt2 = FindChild<TGradButton>("bt2");
    combopais = FindChild<TComboBoxEx>("combopais");
    Label2 = FindChild<TLabel>("Label2");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    ImageList2 = FindChild<TCustomImageList>("ImageList2");
    flags = FindChild<TCustomImageList>("flags");
}

void TForm71::FormCreate(TObject*)
{
    RankingShown = 1;
    UseCrestColumn(*listr1, "colescudo1", *ImageList1);
    UseCrestColumn(*listr2, "colescudo2", *ImageList2);
    ColourRowsAlternately(*listr1, false);
    ColourRowsAlternately(*listr2, false);
    int item = 0;
    if (Leagues.size() < 2) {
        combopais->SetVisible(false);
    } else {
        item = FillLeagueChooser(*combopais, *flags, kBrazil);
        combopais->AddItem("Internacional", kInternationalImage);
    }
    PlacingItem = PointsItem = item;
    FillPlacingRanking(false);
    FillPointsRanking(false);
}

int TForm71::ChosenLeague(int item) const { return IsInternational(item) ? 0 : item; }

bool TForm71::IsInternational(int item) const
{
    return Leagues.size() >= 2 && item >= static_cast<int>(Leagues.size());
}

void TForm71::ShowRanking(int ranking)
{
    THourglass hourglass;
    const int item = combopais->ItemIndex();
    int& built = ranking == 1 ? PlacingItem : PointsItem;
    if (Leagues.size() > 1 && item >= 0 && item != built) {
        built = item;
        ranking == 1 ? FillPlacingRanking(IsInternational(item)) : FillPointsRanking(IsInternational(item));
    }
    RankingShown = ranking;
    bt1->SetColorScheme(ranking == 1 ? csGrass : csNeoSilver);
    bt2->SetColorScheme(ranking == 2 ? csGrass : csNeoSilver);
    Label2->SetVisible(ranking == 2);
    listr1->SetVisible(ranking == 1);
    listr2->SetVisible(ranking == 2);
}

// Headings and columns by the league's confederation and the competitions that are on.
void TForm71::SetRankingColumns(TDataGrid& grid, const std::string& suffix, bool international)
{
    const int league = ChosenLeague(&grid == listr1 ? PlacingItem : PointsItem);
    const int country = league < static_cast<int>(Leagues.size()) ? Leagues[league].country : -1;
    const int confederation = ConfederationOfCountry(country);
    if (confederation == kConfEurope) {
        HeadColumn(grid, "collibertadores" + suffix, "Liga Campeões");
        HeadColumn(grid, "colsulamericana" + suffix, "Copa UEFA");
    } else if (confederation == kConfSouthAmerica) {
        HeadColumn(grid, "collibertadores" + suffix, "Libertadores");
        HeadColumn(grid, "colsulamericana" + suffix, "Sul-Americana");
    }
    const bool continental = Game.firstContinentalPairOn && confederation <= kConfSouthAmerica;
    ShowColumn(grid, "collibertadores" + suffix, continental);
    ShowColumn(grid, "colmundial" + suffix, continental);
    ShowColumn(grid, "colsulamericana" + suffix, continental && Game.secondContinentalPairOn);
    ShowColumn(grid, "colestadual" + suffix, country == kBrazil && Game.StateChampionshipsOn && !international);
    ShowColumn(grid, "colcopa" + suffix, Game.nationalCupOn != 0);
    if (international) {
        HeadColumn(grid, "collibertadores" + suffix, "Libert./Liga C.");
        HeadColumn(grid, "colsulamericana" + suffix, "Sul-Amer./UEFA");
    }
}

void TForm71::FillPlacingRanking(bool international)
{
    FillGrid(*listr1, "1", *ImageList1, false, international);
}

void TForm71::FillPointsRanking(bool international)
{
    FillGrid(*listr2, "2", *ImageList2, true, international);
}

void TForm71::FillGrid(TDataGrid& grid, const std::string& suffix, TCustomImageList& images, bool points,
                       bool international)
{
    SetRankingColumns(grid, suffix, international);
    const int league = ChosenLeague(points ? PointsItem : PlacingItem);
    const auto rows = points ? PointsRankingRows(league, international) : PlacingRankingRows(league, international);
    grid.BeginUpdate();
    grid.ClearRows();
    for (const ClubRankingRow& r : rows) {
        const int row = grid.AddRow();
        const int crest = MiniCrestIndex(images, r.club);
        grid.SetCellTextByName("colid" + suffix, row, std::to_string(r.club));
        grid.SetCellTextByName("colescudo" + suffix, row, std::to_string(crest >= 0 ? crest : 0));
        grid.SetCellTextByName("colclube" + suffix, row, r.name);
        for (int i = 0; i < kRankedCompetitions; ++i)
            grid.SetCellTextByName(kCompetitionColumns[i] + suffix, row, r.columns[i]);
        grid.SetCellTextByName("coltotal" + suffix, row, std::to_string(r.total));
    }
    // The placing ranking is ranked by the grid itself, best total first; the points ranking
    // comes ranked.
    if (!points)
        grid.SortColumn(grid.ColumnByName("coltotal" + suffix), false);
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.SetCellTextByName("colcolocacao" + suffix, row, std::to_string(row + 1));
    grid.EndUpdate();
}

}  // namespace tarvelon
