// What the season and history views share.
#include "screens/common/view_helpers.h"

#include <QImage>
#include <stdexcept>

#include "core/draws/state_championship.h"
#include "core/history/history_lookups.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/views/standings_view.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "grid/dg_column_classes.h"
#include "core/format/images.h"
#include "grid/dg_grid.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/navigator.h"

namespace tarvelon {

namespace {

constexpr int kBrazil = 29;
constexpr int kCrestSize = 18;

}  // namespace

void EnsureCountryFlags(TCustomImageList& list)
{
    if (list.Count() == 0)
        art::FillCountryFlags(list);
}

void EnsureStateFlags(TCustomImageList& list)
{
    if (list.Count() == 0)
        art::FillStateFlags(list);
}

int FillLeagueChooser(TComboBoxEx& combo, TCustomImageList& flags, int country)
{
    EnsureCountryFlags(flags);
    combo.SetImages(&flags);
    combo.Items().Clear();
    for (const TLeague& league : Leagues) {
        const int id = league.country;
        combo.AddItem(id >= 0 && id < static_cast<int>(CountryNames.size()) ? CountryNames[id] : "", id);
    }
    const int found = FindLeagueByCountry(country);
    const int chosen = found >= 0 && found < static_cast<int>(Leagues.size()) ? found : 0;
    combo.SetItemIndex(Leagues.empty() ? -1 : chosen);
    return chosen;
}

std::vector<int> ActiveStates() { return ActiveStateChampionships(); }

void FillStateChooser(TComboBoxEx& combo, TCustomImageList& flags, const std::vector<int>& states, bool demonyms)
{
    EnsureStateFlags(flags);
    combo.SetImages(&flags);
    combo.Items().Clear();
    for (int state : states)
        combo.AddItem(demonyms ? StateDemonyms[state] : StateNames[state], state);
}

void ColourRowsAlternately(TDataGrid& grid, bool headings)
{
    grid.OnCellColoring = [&grid, headings](TObject*, int, int row, TColor& cellColor, TColor&, TCellState state) {
        if (state.Contains(csSelected) || row >= grid.RowCount())
            return;
        cellColor = headings ? GridRowColor(row + 1, grid.GetCellText(0, row)) : AlternateRowColor(row + 1);
    };
}

void EnsureBlankImages(TCustomImageList& list, int count)
{
    if (list.Count() >= count)
        return;
    list.SetSize(kCrestSize, kCrestSize);
    QImage blank(kCrestSize, kCrestSize, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    while (list.Count() < count)
        list.AddImage(blank);
}

void UseCrestColumn(TDataGrid& grid, const std::string& column, TCustomImageList& list)
{
    EnsureBlankImages(list, 2);
    if (auto* images = dynamic_cast<TDgImageColumn*>(grid.ColumnByName(column)))
        images->SetImages(&list);
}

int CellInt(TDataGrid& grid, const std::string& column, int row, int fallback)
{
    if (row < 0 || row >= grid.RowCount())
        return fallback;
    const std::string text = grid.GetCellTextByName(column, std::to_string(row));
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        return used == text.size() ? value : fallback;
    } catch (const std::exception&) {
        return fallback;
    }
}

void OpenReportOfFixture(int fixture)
{
    if (fixture < 0)
        return;
    const int report = FindMatchReportOfFixture(fixture);
    if (report >= 0)
        OpenMatchReport(report, 1);
}

void HighlightButton(const std::vector<TGradButton*>& group, TGradButton* pressed, TColorScheme scheme)
{
    for (TGradButton* button : group)
        if (button)
            button->SetColorScheme(button == pressed ? scheme : csNeoSilver);
}

void ShowCrest(TImage& image, int club)
{
    const std::string path = club >= 0 && club < static_cast<int>(Clubs.size()) ? CrestPath(club) : "";
    if (!path.empty())
        image.Picture().LoadFromFile(path);
}

int HumanCountry()
{
    const int club = Game.CurrentHumanClub;
    return club >= 0 && club < static_cast<int>(Clubs.size()) && Clubs[club].IsHuman ? Clubs[club].Country : kBrazil;
}

int HumanState()
{
    const int club = Game.CurrentHumanClub;
    if (club < 0 || club >= static_cast<int>(Clubs.size()) || Clubs[club].Country != kBrazil)
        return -1;
    const int state = Clubs[club].State;
    return state >= 0 && state < kStateCount ? state : -1;
}

TGameFormStyle BrowsingScreenStyle()
{
    return {.closeOnEscape = true, .fillsSmallScreen = true};
}

TGameFormStyle BrowsingScreenStyleClosedByEnter()
{
    TGameFormStyle style = BrowsingScreenStyle();
    style.closeOnEnter = true;
    return style;
}

void FitCaption(TLabel& label, int width, int height, int smallest)
{
    label.Font().SetHeight(-height);
    TBitmap measure;
    for (;;) {
        measure.Canvas().Font.Assign(label.Font());
        if (height <= smallest || measure.Canvas().TextWidth(label.Caption()) <= width)
            return;
        label.Font().SetHeight(-(--height));
    }
}

}  // namespace tarvelon
