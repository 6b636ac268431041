#pragma once
// The anti-aliased text engine of the smooth panel and the smooth message dialog: lays out,
// measures, draws and hit-tests a mini-HTML text on an anti-aliased surface. The markup is the
// rich-text captions' (richtext/html_markup.h); pictures come from a picture container.
#include <string>

#include "controls/dc_smooth_gdip.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/image_list.h"

namespace tarvelon {

class TGDIPPictureContainer;

// What the caller gives besides the surface, the font, the text and its rectangle.
struct THTMLDrawGDIPParams {
    TImageList* Images = nullptr;  // "IDX:" sources
    int X = 0;                     // point to hit-test
    int Y = 0;
    int FocusIndex = -1;           // focused anchor (-1 none)
    int HoverIndex = -1;           // hovered anchor (-1 none)
    int ShadowOffset = 0;
    bool HitTestOnly = false;      // the second pass lays out and hit-tests, draws nothing
    bool MeasureOnly = false;      // measuring pass only
    bool PrintMode = false;        // image-list pictures not drawn
    bool IgnoreColors = false;     // colour markup not applied
    bool BlinkVisible = false;
    bool Hover = false;            // only the hovered anchor underlined
    bool WordWrap = true;
    double Resolution = 1.0;
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    TGDIPPictureContainer* PictureContainer = nullptr;
    int LineSpacing = 2;           // pixels below every line but the last
};

struct THTMLDrawGDIPResult {
    std::string AnchorUnderPoint;  // written only when one is found
    std::string PlainText;
    std::string FocusedAnchor;
    int TextWidth = 0;             // widest line + 2
    int TextHeight = 0;            // sum of the line heights + 2
    int AnchorCount = 0;
    int AnchorIndexUnderPoint = -1;
    TRect AnchorRect;
};

// True when (X, Y) lies on anchor text or on an image inside an anchor (with HitTestOnly).
bool HTMLDrawGDIP(TGPGraphics& Graphics, const TFont& BaseFont, const std::string& Text, const TRect& TextRect,
                  const THTMLDrawGDIPParams& params, THTMLDrawGDIPResult& result);

// The parameters both smooth controls pass: word wrap on, line spacing 2, no hover colours.
THTMLDrawGDIPParams SmoothControlTextParams(TImageList* images, TGDIPPictureContainer* container, TColor urlColor,
                                            TColor shadowColor, int shadowOffset);

}  // namespace tarvelon
