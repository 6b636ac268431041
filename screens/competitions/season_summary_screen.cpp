// The end-of-season summary (TForm26).
#include "screens/competitions/season_summary_screen.h"

#include "controls/grad_button.h"
#include "core/records/game_state.h"
#include "core/rollover/season_rollover.h"
#include "core/seasonloop/season_turn.h"
#include "core/tables.h"
#include "core/views/season_summary.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_columns.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/game_flow.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kInstantPlayDelay = 1000;
constexpr TColor kHeadingTextColor = 0x800000;  // navy

// The icons by SummaryIcon: blank, gold cup, silver cup, "3º", "4º" (unused here), golden boot.
void FillPlaceIcons(TCustomImageList& list)
{
    if (list.Count() > 0)
        return;
    QImage blank(18, 22, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    for (const char* name : {"", "ic_ouro", "ic_prata", "ic_3o", "ic_4o", "ic_chuteira"})
        list.AddImage(*name ? art::Picture(name) : blank);
}

bool IsHeading(TDataGrid& grid, const char* iconColumn, int row)
{
    return grid.GetCellTextByName(iconColumn, std::to_string(row)) == "0";
}

}  // namespace

const TScreenRecord TForm26::kScreen{
    .formClass = "TForm26",
    .shows = "Fim de temporada",
    .area = TScreenArea::Competitions,
    .modal = false,
    .style = {.swallowAltF4 = true, .fillsWindow = true},
    .create = NewScreen<TForm26>,
    .file = "screens/competitions/season_summary_screen.cpp",
    .replacesGame = true,
};

TForm26::TForm26(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormClose", [this](TObject*, TCloseAction& action) {
        Timer1->SetEnabled(false);
        action = caFree;
    });
    BindHandler("FormShow", [this](TObject*) {
        if (Panel1)
            Panel1->SetLeft((ClientWidth() - Panel1->Width()) / 2);
    });
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_RETURN)
            Continue();
    });
    BindHandler("bt3Click", [this](TObject*) { Continue(); });
    BindHandler("combopaisChange", [this](TObject*) {
        if (combopais->ItemIndex() >= 0)
            FillDivisionChampions(combopais->ItemIndex());
    });
    ReadDescription();
    Panel1 = FindChild<TPanel>("Panel1");
    Image1 = FindChild<TLabel>("Image1");
    combopais = FindChild<TComboBoxEx>("combopais");
    gridc = FindChild<TDataGrid>("gridc");
    gridi = FindChild<TDataGrid>("gridi");
    bt3 = FindChild<TGradButton>("bt3");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    ImageList2 = FindChild<TCustomImageList>("ImageList2");
    flags = FindChild<TCustomImageList>("flags");
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(kInstantPlayDelay);
    Timer1->SetEnabled(false);
    Timer1->OnTimer = [this](TObject*) { Continue(); };
    FormCreate();
}

void TForm26::FormCreate()
{
    FillPlaceIcons(*ImageList1);
    // "ImageList2 (18 x 18): starts empty; mini crests are appended at run time", and a club without
    // a crest "leaves the cell at "0"": with an empty list that "0" would show the first crest
    // appended, another club's. A blank picture holds index 0 instead.
    EnsureBlankImages(*ImageList2, 1);
    PrepareGrid(*gridc, "colimg1", "colimg2", "colinfo1");
    PrepareGrid(*gridi, "colimg1i", "colimg2i", "colinfo1i");
    // The rollover reads the season just ended, so the summary's season is kept first (core does).
    BeginSeasonSummary();
    Image1->SetCaption("Fim da temporada " + std::to_string(2009 + SummarySeason));
    if (Leagues.size() >= 2) {
        const int country = SummaryLeague >= 0 && SummaryLeague < static_cast<int>(Leagues.size())
                                ? Leagues[SummaryLeague].country
                                : -1;
        SummaryLeague = FillLeagueChooser(*combopais, *flags, country);
    } else {
        combopais->SetVisible(false);
    }
    FillDivisionChampions(SummaryLeague);
    if (SummarySeason > 1 && Game.firstContinentalPairOn)
        FillSeasonChampions();
    else
        CentreDivisionGrid();
    Timer1->SetEnabled(Game.InstantPlay != 0);
}

void TForm26::PrepareGrid(TDataGrid& grid, const char* iconColumn, const char* crestColumn, const char* textColumn)
{
    if (auto* icons = dynamic_cast<TDgImageColumn*>(grid.ColumnByName(iconColumn)))
        icons->SetImages(ImageList1);
    if (auto* crests = dynamic_cast<TDgImageColumn*>(grid.ColumnByName(crestColumn)))
        crests->SetImages(ImageList2);
    grid.OnCellColoring = [&grid, iconColumn](TObject*, int, int row, TColor& cell, TColor&, TCellState state) {
        if (state.Contains(csSelected) || row >= grid.RowCount())
            return;
        cell = IsHeading(grid, iconColumn, row) ? kHeadingRowColor : AlternateRowColor(row + 1);
    };
    // A heading's text in bold navy, while its row is not selected.
    const TDgCustomColumn* texts = grid.ColumnByName(textColumn);
    const int textIndex = texts ? texts->Index() : -1;
    grid.OnCellFormating = [&grid, iconColumn, textIndex](TObject*, int col, int row, TColor& text, TFontStyles& style,
                                                          TCellState state) {
        if (col == textIndex && !state.Contains(csSelected) && row < grid.RowCount() &&
            IsHeading(grid, iconColumn, row)) {
            text = kHeadingTextColor;
            style.Include(fsBold);
        }
    };
}

void TForm26::FillGrid(TDataGrid& grid, const std::vector<SummaryRow>& rows, const char* iconColumn,
                       const char* crestColumn, const char* textColumn)
{
    grid.BeginUpdate();
    grid.ClearRows();
    for (const SummaryRow& r : rows) {
        const int row = grid.AddRow();
        // A club's crest joins the list once, however often the lists are filled. ("Mini crests are
        // appended to ImageList2 again at each refill" would grow the list by a league's crests on
        // every change of country, without end, while showing nothing new.)
        const int crest = r.club >= 0 ? MiniCrestIndex(*ImageList2, r.club) : -1;
        grid.SetCellTextByName(iconColumn, row, std::to_string(r.icon));
        grid.SetCellTextByName(crestColumn, row, std::to_string(crest >= 0 ? crest : 0));
        grid.SetCellTextByName(textColumn, row, r.text);
    }
    grid.EndUpdate();
}

void TForm26::FillDivisionChampions(int league)
{
    SummaryLeague = league;
    FillGrid(*gridc, DivisionChampionRows(league, SummarySeason), "colimg1", "colimg2", "colinfo1");
}

void TForm26::FillSeasonChampions()
{
    FillGrid(*gridi, SeasonChampionRows(SummarySeason), "colimg1i", "colimg2i", "colinfo1i");
}

void TForm26::CentreDivisionGrid()
{
    gridi->SetVisible(false);
    const int shift = ((Panel1 ? Panel1->Width() : ClientWidth()) - gridc->Width()) / 2 - gridc->Left();
    for (TControl* control : std::initializer_list<TControl*>{gridc, combopais})
        control->SetLeft(control->Left() + shift);
}

void TForm26::Continue()
{
    // The timer of instant play and Enter may both press it: the new season starts once.
    if (continued_)
        return;
    continued_ = true;
    Timer1->SetEnabled(false);
    bt3->SetEnabled(false);
    const SeasonStartScreen next = StartSeasonFromSummary(OfferPreseasonFriendlies);
    Close();
    OpenSeasonStart(next);
}

}  // namespace tarvelon
