#pragma once
// The one text engine of the rich-text captions: draws a mini-HTML text into a rectangle of a
// canvas, or only measures it, or only finds the anchor under a point. Each line is laid out twice,
// first measured, then painted at its aligned place. Nothing survives a call.
#include <string>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/image_list.h"
#include "richtext/picture_store.h"

namespace tarvelon {

// What the caller gives besides the canvas, the text and its rectangle.
struct THTMLDrawParams {
    TImageList* Images = nullptr;  // source of "idx:" pictures
    int X = -1;                    // point for hit tests, canvas coordinates
    int Y = -1;
    int FocusLink = -1;            // anchor with the keyboard focus, from 0; -1 none
    int HoverLink = -1;            // anchor under the mouse for hover mode, from 1; -1 none
    int ShadowOffset = 0;          // shadow displacement right and down
    bool NoDraw = false;           // lay out at the painted places but draw nothing (hit tests)
    bool SizeOnly = false;         // measure only, all lines, even below the rectangle
    bool ScaleImages = false;      // image-list pictures stretched by ResFactor
    bool FixedColors = false;      // colour markup ignored
    bool BlinkOn = true;           // blink phase; while false <BLINK> text takes the background colour
    bool Hover = false;            // only the hovered anchor is underlined, in the hover colours
    bool WordWrap = true;          // break at blanks; false: lines end in an ellipsis
    double ResFactor = 1.0;
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    THTMLPictureCache* PictureCache = nullptr;         // for "://" sources
    TPictureContainer* PictureContainer = nullptr;     // for named pictures
    int LineSpacing = 0;           // extra pixels per line
};

// What the engine gives back.
struct THTMLDrawResult {
    std::string AnchorValue;   // link under the point (set only on a hit)
    std::string PlainText;     // the text without tags, one CR per <BR>
    std::string FocusAnchor;   // link of the focused anchor
    int MeasuredWidth = 0;     // widest line + 2
    int MeasuredHeight = 0;    // sum of the line heights, at least one text height
    int AnchorCount = 0;
    int HoverAnchor = -1;      // anchor under the point, from 1; -1 none
    TRect HoverRect;           // that anchor's rectangle on its last line
};

// Draws (measures, hit-tests) `Text` in `Rect`; the canvas's font, brush and pen are the starting
// state and come back unchanged. True when the point lies on an anchor's text within its line, or
// on a picture inside an anchor.
bool HTMLDrawGDI(TCanvas& Canvas, const std::string& Text, const TRect& Rect, const THTMLDrawParams& params,
                 THTMLDrawResult& result);

// A two-colour gradient in `steps` bands (1 when 0), across x when `horizontal`, else down y;
// outlined in `borderColor` unless that is clNone.
void DrawGradientGDI(TCanvas& canvas, TColor fromColor, TColor toColor, bool horizontal, const TRect& rect,
                     int steps, TColor borderColor = clNone);

// The whole bitmap copied into the rectangle, stretched.
void DrawBitmapStretched(TCanvas& canvas, const TRect& rect, const TBitmap& bitmap);

}  // namespace tarvelon
