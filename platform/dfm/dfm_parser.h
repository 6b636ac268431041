#pragma once
// The text format of the stored form descriptions:
//   object Name: TClass          (or `inherited Name: TClass`, `inline Name: TClass`)
//     Property = value
//     object Child: TClass ... end
//   end
// Values: integers (-12, $FF), reals (1.5, 2E3), strings ('it''s', #231, 'a' + 'b', 'a'#13#10'b'),
// identifiers (True, clRed), sets [fsBold, fsItalic], lists ('a' 'b'), collections
// < item Caption = 'x' end >, binary data { 0A1B }. Comments are `//` to the end of a line.
#include <string>

#include "platform/dfm/dfm_tree.h"

namespace tarvelon {

// Reads a whole description. On a syntax error returns false with the line and what was expected.
bool ParseDfm(const std::string& text, const std::string& fileName, TDfmObject& root, TDfmError& error);

}  // namespace tarvelon
