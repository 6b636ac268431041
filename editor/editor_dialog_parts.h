#pragma once
// What the editor's dialogs share: the country, state and number lists, the colour squares that
// open the colour dialog, the country lists' type-ahead, and a write failure's message.
#include "platform/graphics/color.h"

namespace tarvelon {

class TComboBox;
class TComboBoxEx;
class TDataGrid;
class TCustomImageList;
class TShape;

// The 202 countries with their flags (the list's images are filled too).
void FillCountryCombo(TComboBoxEx& combo, TCustomImageList& flags);
// The 27 state codes with their flags.
void FillStateCombo(TComboBoxEx& combo, TCustomImageList& flags);
// Items first..last as numbers.
void FillNumberCombo(TComboBox& combo, int first, int last);
// Opens the colour dialog at `start`; on OK the square takes the chosen colour.
bool ChooseShapeColour(TShape& shape, TColor start);
TColor ShapeColour(TShape& shape);
void SetShapeColour(TShape& shape, TColor color);
// Rows that are not selected alternate the game's light yellow and white.
void ColourAlternateRows(TDataGrid& grid);
// The type-ahead of the country lists: a letter key selects the first country it names, as the
// user's choice.
void CountryComboKey(TComboBox& combo, unsigned short& key);

}  // namespace tarvelon
