#pragma once
// A 5 x 7 pixel alphabet for the initials on crests: capital letters and digits.
namespace tarvelon::sampledata {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// Whether the pixel (column 0..4, row 0..6) of a character's glyph is set; characters without a
// glyph are blank. Lower-case letters use the capitals.
bool GlyphPixel(char character, int column, int row);

}  // namespace tarvelon::sampledata
