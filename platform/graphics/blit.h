#pragma once
// Copying rectangles between canvases with the classic raster operations.
#include "platform/graphics/canvas.h"

namespace tarvelon {

enum : unsigned {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,    // source OR destination
    SRCAND = 0x008800C6,      // source AND destination
    SRCINVERT = 0x00660046,   // source XOR destination
    NOTSRCCOPY = 0x00330008,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// Copies (width x height) from the source canvas at (sourceX, sourceY) to (x, y); false for an
// operation not listed above.
bool BitBlt(TCanvas& dest, int x, int y, int width, int height, const TCanvas& source, int sourceX, int sourceY,
            unsigned rop);
// The same, the source rectangle stretched to the destination's (nearest pixels).
bool StretchBlt(TCanvas& dest, int x, int y, int width, int height, const TCanvas& source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, unsigned rop);

}  // namespace tarvelon
