#include "screens/common/player_filters.h"

#include "core/views/player_search.h"
#include "core/vocab/players.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/dfm/stored_form.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/game_form.h"

namespace tarvelon {

namespace {

// The item chosen, or `any` when nothing is (or there is no chooser).
int ChosenOr(const TComboBox* combo, int any) { return combo && combo->ItemIndex() >= 0 ? combo->ItemIndex() : any; }

}  // namespace

void PlayerFilterChoosers::FindFilterChoosers(const TStoredForm& form)
{
    c1 = form.FindChild<TComboBox>("c1");
    c2 = form.FindChild<TComboBox>("c2");
    c3 = form.FindChild<TComboBox>("c3");
    c4 = form.FindChild<TComboBox>("c4");
    c5 = form.FindChild<TComboBox>("c5");
    c6 = form.FindChild<TComboBox>("c6");
    Edit1 = form.FindChild<TEdit>("Edit1");
    ckestrela = form.FindChild<TCheckBox>("ckestrela");
}

void PlayerFilterChoosers::FillTraitChoosers()
{
    for (TComboBox* traits : {c5, c6}) {
        if (!traits)
            continue;
        traits->Items().Clear();
        for (const char* name : TraitNames)
            traits->Items().Add(name);
        traits->Items().Add("Qualquer");
        traits->SetItemIndex(kAnyTrait);
    }
}

void PlayerFilterChoosers::ReadFilters(PlayerSearchFilters& filters) const
{
    filters.position = ChosenOr(c2, kAnyPosition);
    filters.strengthBand = ChosenOr(c1, kAnyStrength);
    filters.ageBand = ChosenOr(c3, kAnyAge);
    filters.valueBand = ChosenOr(c4, kAnyValue);
    filters.namePrefix = Edit1 ? Edit1->Text() : "";
    filters.trait1 = ChosenOr(c5, kAnyTrait);
    filters.trait2 = ChosenOr(c6, kAnyTrait);
    filters.starOnly = ckestrela && ckestrela->Checked();
}

void ListFoundPlayers(TDataGrid& grid, TLabel& count, const std::function<std::vector<int>()>& search,
                      const std::function<void(int player)>& addRow)
{
    THourglass hourglass;
    count.SetCaption("Procurando ...");
    grid.ClearRows();
    Application->ProcessMessages();
    const std::vector<int> found = search();
    grid.BeginUpdate();
    for (int player : found)
        addRow(player);
    grid.EndUpdate();
    count.SetCaption(SearchCountText(found.size()));
}

void SetPlayerCells(TDataGrid& grid, int row, const SearchRowView& view, const std::string& suffix)
{
    grid.SetCellTextByName("colnome" + suffix, row, view.name);
    grid.SetCellTextByName("collado" + suffix, row, view.side);
    grid.SetCellTextByName("colforca" + suffix, row, std::to_string(view.strength));
    grid.SetCellTextByName("colidade" + suffix, row, std::to_string(view.age));
    grid.SetCellTextByName("colid" + suffix, row, std::to_string(view.player));
}

void SetClubAndTraitCells(TDataGrid& grid, int row, const SearchRowView& view)
{
    grid.SetCellTextByName("colclube", row, view.club);
    grid.SetCellTextByName("colhabilidade", row, view.traits);
    SetCellHint(grid, "colhabilidade", row, view.traitsHint);
}

void SetCellHint(TDataGrid& grid, const std::string& column, int row, const std::string& hint)
{
    if (TDgCustomColumn* c = grid.ColumnByName(column))
        grid.GetCell(c->Index(), row)->SetHint(hint);
}

}  // namespace tarvelon
