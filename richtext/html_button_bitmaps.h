#pragma once
// The program's own pictures of the check box and radio button looks: "HTMBCHK01" to "HTMBCHK08"
// and "HTMBRAD01" to "HTMBRAD08", 13 x 13, drawn once in code and kept for the program's life.
// Their background is a key colour that draws transparently.
#include <string>

#include "platform/graphics/bitmap.h"

namespace tarvelon {

// The key colour around the drawn glyph (left undrawn by a transparent draw).
inline constexpr TColor kButtonBitmapKey = 0xFF00FF;

// The bitmap of that resource name (ignoring case); an empty bitmap for an unknown name.
const TBitmap& ButtonBitmap(const std::string& name);

}  // namespace tarvelon
