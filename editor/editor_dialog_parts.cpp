// What the editor's dialogs share.
#include "editor/editor_dialog_parts.h"

#include "core/vocab/countries.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/grid_helpers.h"

namespace tarvelon {

void FillCountryCombo(TComboBoxEx& combo, TCustomImageList& flags)
{
    art::FillCountryFlags(flags);
    combo.SetImages(&flags);
    combo.Clear();
    for (int country = 0; country < kEditorCountryCount; ++country)
        combo.AddItem(CountryNames[static_cast<std::size_t>(country)], country);
}

void FillStateCombo(TComboBoxEx& combo, TCustomImageList& flags)
{
    art::FillStateFlags(flags);
    combo.SetImages(&flags);
    combo.Clear();
    for (int state = 0; state < StateCount; ++state)
        combo.AddItem(StateCodes[static_cast<std::size_t>(state)], state);
}

void FillNumberCombo(TComboBox& combo, int first, int last)
{
    combo.Clear();
    for (int n = first; n <= last; ++n)
        combo.Items().Add(std::to_string(n));
}

TColor ShapeColour(TShape& shape) { return shape.Brush().Color(); }

void SetShapeColour(TShape& shape, TColor color)
{
    shape.Brush().SetColor(color);
    shape.Invalidate();
}

bool ChooseShapeColour(TShape& shape, TColor start)
{
    TColorDialog dialog(nullptr);
    dialog.SetColor(start);
    if (!dialog.Execute())
        return false;
    SetShapeColour(shape, dialog.Color());
    return true;
}

// The letter is used up here, so the list's own search does not move on from the country chosen;
// the choice fires the box's change as a click on the item does.
void CountryComboKey(TComboBox& combo, unsigned short& key)
{
    if (key < 'A' || key > 'Z')
        return;
    const int country = CountryForKey(static_cast<char>(key));
    key = 0;
    if (country < 0 || country == combo.ItemIndex())
        return;
    combo.SetItemIndex(country);
    if (combo.OnChange)
        combo.OnChange(&combo);
}

}  // namespace tarvelon

namespace tarvelon {

void ColourAlternateRows(TDataGrid& grid)
{
    grid.OnCellColoring = [](TObject*, int, int row, TColor& cellColor, TColor&, TCellState state) {
        if (!state.Contains(csSelected))
            cellColor = AlternateRowColor(row + 1);
    };
}

}  // namespace tarvelon
