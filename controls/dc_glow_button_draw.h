#pragma once
// DrawGlowButton: paints a glossy button from the colours and flags its Paint chose for the
// current state: a face of an upper and a lower half, each with its own two-colour gradient, the
// border shaped by the button's place in a row, the focus frame, the glyph, the caption and notes,
// and the drop-down part with its arrow. Also the drawing helpers it is made of.
#include <string>
#include <vector>

#include "controls/dc_glow_button_appearance.h"
#include "controls/gdi_picture.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/gdiplus.h"
#include "platform/graphics/image_list.h"

namespace tarvelon {

enum TButtonLayout {
    blGlyphLeft, blGlyphTop, blGlyphRight, blGlyphBottom, blGlyphLeftAdjusted, blGlyphRightAdjusted,
    blGlyphTopAdjusted, blGlyphBottomAdjusted,
};
enum TButtonPosition { bpStandalone, bpLeft, bpMiddle, bpRight };
enum TDropDownPosition { dpRight, dpBottom };
enum TAntiAlias { aaNone, aaClearType, aaAntiAlias };

// Width of the drop-down part, and of its hot face when split.
inline constexpr int kGlowDropDownWidth = 14;
inline constexpr int kGlowSplitWidth = 12;

struct TGlowButtonDrawInput {
    TColor color = clWhite;
    TColor colorTo = clWhite;
    TColor colorMirror = clWhite;
    TColor colorMirrorTo = clWhite;
    TColor borderColor = clSilver;
    TGDIPGradient gradient = ggVertical;
    TGDIPGradient gradientMirror = ggVertical;
    std::string caption;
    bool showCaption = true;
    const TFont* font = nullptr;
    TImageList* images = nullptr;
    int imageIndex = -1;
    bool imageEnabled = true;
    TButtonLayout layout = blGlyphLeft;
    bool dropDownButton = false;
    bool hotOrDown = false;
    bool enabled = true;
    bool focusBorder = false;
    TDropDownPosition dropDownPosition = dpRight;
    TGDIPPicture* picture = nullptr;
    int forcedPictureWidth = 0;
    int forcedPictureHeight = 0;
    TAntiAlias antiAlias = aaClearType;
    bool showPicture = true;
    int dropDownState = 0;  // 0 none, 1 main part active, 2 drop-down part active
    bool skipFace = false;
    bool mouseInControl = false;
    TButtonPosition position = bpStandalone;
    bool dropDownSplit = true;
    bool drawBorder = true;
    bool wordWrap = true;
    bool measureOnly = false;
    bool rounded = true;
    bool arrowDown = true;
    int spacing = 2;
    TGPStringTrimming trimming = StringTrimmingNone;
    std::vector<std::string> notes;
    const TFont* notesFont = nullptr;
    bool down = false;
};

// Paints (or, with measureOnly, only measures) the button; returns the content size.
TSize DrawGlowButton(TCanvas& canvas, const TRect& clientRect, const TGlowButtonDrawInput& input);

void DrawGlowGradient(TGPGraphics& graphics, const TRect& rect, TColor first, TColor second, TGDIPGradient kind,
                      bool upperHalf);
void DrawRoundRectBorder(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int r);
void DrawDottedRoundRect(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int r);
void DrawLeftButtonBorder(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int r);
void DrawMiddleButtonBorder(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, bool emphasised);
void DrawRightButtonBorder(TGPGraphics& graphics, TColor color, int x, int y, int w, int h, int r, bool emphasised);
void DrawDropDownArrow(TCanvas& canvas, TPoint origin, TColor color, TColor highlight, bool down);
void DrawPictureStretched(TGPGraphics& graphics, TCanvas& canvas, const TRect& rect, const TEncodedPicture& picture);
void DrawPictureAt(TGPGraphics& graphics, TCanvas& canvas, TPoint point, const TEncodedPicture& picture);

// The caption with every "\n" (either case) made a line break, or a blank when the picture's size
// is forced.
std::string GlowCaptionLines(const std::string& caption, bool forcedPictureSize);

}  // namespace tarvelon
