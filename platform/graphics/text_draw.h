#pragma once
// Formatted text on a canvas with the classic DrawText rules: the DT_ flags, the "&" mnemonic
// (underlines the next character, "&&" is one "&"), word breaking, ellipses, and measuring.
// Texts are UTF-8; character counts and positions count UTF-16 units (one per character of the
// game's alphabets).
#include <string>
#include <vector>

#include "platform/graphics/canvas.h"

namespace tarvelon {

enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,        // single line only
    DT_BOTTOM = 0x8,         // single line only
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_TABSTOP = 0x80,
    DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200,
    DT_CALCRECT = 0x400,     // measure only: the rectangle gets the text's width and height
    DT_NOPREFIX = 0x800,
    DT_INTERNAL = 0x1000,
    DT_EDITCONTROL = 0x2000, // with DT_WORDBREAK, a word wider than the box is broken
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_MODIFYSTRING = 0x10000,
    DT_RTLREADING = 0x20000,
    DT_WORD_ELLIPSIS = 0x40000,
    DT_NOFULLWIDTHCHARBREAK = 0x80000,
    DT_HIDEPREFIX = 0x100000,
    DT_PREFIXONLY = 0x200000,
};

struct TDrawTextParams {
    int iTabLength = 8;      // tab stops in average character widths
    int iLeftMargin = 0;
    int iRightMargin = 0;
    int uiLengthDrawn = 0;   // out: characters processed
};

// Draws (or with DT_CALCRECT measures) `text` in `rect` with the canvas's font, text colour and
// background mode. Returns the height of the text; with DT_VCENTER or DT_BOTTOM (single line) the
// distance from rect.Top to the bottom of the drawn text. Measuring sets rect.Right to the widest
// line and rect.Bottom to the last line's bottom; ellipses do not shorten what is measured.
// With DT_MODIFYSTRING and `modified`, the first line as drawn (ellipsis included) is stored there.
int DrawTextEx(TCanvas& canvas, const std::string& text, TRect& rect, unsigned format,
               TDrawTextParams* params = nullptr, std::string* modified = nullptr);
int DrawText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned format);

// Size of one line of text (no prefix processing).
TSize GetTextExtentPoint32(const TCanvas& canvas, const std::string& text);

// Size of the whole text, the number of its characters that fit in maxExtent pixels (when `fit`
// is given) and the width up to the end of each character (when `extents` is given).
TSize GetTextExtentExPoint(const TCanvas& canvas, const std::string& text, int maxExtent, int* fit,
                           std::vector<int>* extents);

struct TTextMetric {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    bool scalable = true;  // every face of the game is an outline (TrueType-like) face
};
TTextMetric GetTextMetrics(const TCanvas& canvas);

}  // namespace tarvelon
