#pragma once
// What the screens' grids share: the alternating row colours, the heading rows that separate
// divisions, groups or competitions, the position colours of the squad lists, and the 18 x 18
// mini crests appended to a screen's image list once per club.
#include <string>

#include "platform/graphics/color.h"

namespace tarvelon {

class TCustomImageList;

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

}  // namespace tarvelon
