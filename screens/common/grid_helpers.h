#pragma once
// What the screens' grids share: the alternating row colours, the heading rows that separate
// divisions, groups or competitions, the position colours of the squad lists, and the 18 x 18
// mini crests appended to a screen's image list once per club, and the widths some columns take
// on a larger screen.
#include <span>
#include <string>

#include "platform/graphics/color.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TGameForm;

inline constexpr TColor kOddRowColor = 0x00ECFFFF;
inline constexpr TColor kEvenRowColor = clWhite;
inline constexpr TColor kHeadingRowColor = 0x00AED7FF;

// A row that is not selected, counted from 1: odd rows $00ECFFFF, even rows white.
TColor AlternateRowColor(int rowNumber);
// A heading row has an empty first cell.
bool IsHeadingRow(const std::string& firstCell);
// The colour of a row: $AED7FF for a heading row, else the alternating colour.
TColor GridRowColor(int rowNumber, const std::string& firstCell);

// The row colour of a player position (0 goalkeeper .. 4 forward); white outside them.
TColor PositionColor(int position);

// What a mini crest of another size than 18 x 18 becomes: left out, or cut to 18 x 18 from its
// top-left corner.
enum class TOddSizedCrest { Dropped, CutToSize };

// The index of a club's mini crest in a screen's image list: the crest ("teams/miniescudos/mini_"
// + crest + ".bmp") is appended the first time a club is asked for, after the list's fixed images;
// -1 when the club has none (or one of another size, when those are dropped). The list remembers
// its crests as long as it lives.
int MiniCrestIndex(TCustomImageList& list, int club, TOddSizedCrest odd = TOddSizedCrest::Dropped);

// A width a screen gives one of its grid's columns on a larger screen, in pixels of the 800 x 600
// design.
struct TColumnWidth {
    const char* column;
    int width;
};

// On a form grown for a larger screen a grid's columns have grown with it at the form's scale, and
// so has the text in them. The widths given are taken at that same scale (TGameForm::ScaledLength).
// A column only ever widens to its width, so that whatever it shows whole on the design screen it
// shows whole on a larger one; and only into the room left at the grid's right, in the order given
// (the grid's frame and scroll bar keep their size, so a grown grid has a few pixels more than its
// grown columns), so that no column is pushed past the grid's edge. The room is measured with the
// vertical scroll bar shown, as it is as soon as the rows outnumber the grid's height.
void WidenColumnsAtScale(const TGameForm& form, TDataGrid& grid, std::span<const TColumnWidth> widths);

}  // namespace tarvelon
