#pragma once
// Stateless services every control of the grid pack draws and measures with: text measuring and
// hint wrappers, geometry helpers, colour blends, frames, gradients, one-line texts and bitmaps.
#include <string>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

class TControl;
class THintWindow;

// Texts are drawn and measured as wide text when set (always so on our platform); when cleared,
// they first pass through the Western code page, as the old single-byte calls drew them.
extern bool IsUnicode;
// The text as the drawing calls get it under the current IsUnicode.
std::string PlatformText(const std::string& text);

// Number and date formats of the player's locale (Brazilian).
struct TDgFormatSettings {
    char decimalSeparator = ',';
    char dateSeparator = '/';
    // The locale's first day of the week as LOCALE_IFIRSTDAYOFWEEK gives it ("0" Monday, "6" Sunday).
    std::string firstDayOfWeek = "6";
};
TDgFormatSettings& DgFormatSettings();

TSize WideTextExtent(const TCanvas& canvas, const std::string& text);
int WideTextWidth(const TCanvas& canvas, const std::string& text);
int WideTextHeight(const TCanvas& canvas, const std::string& text);
// Height of the text in the rectangle, its lines broken only where the text breaks them.
int WideTextRectHeight(TCanvas& canvas, const std::string& text, const TRect& rect);

void ActivateHintWide(THintWindow* hintWindow, const TRect& rect, const std::string& text);
void CalcHintRectWide(THintWindow* hintWindow, int maxWidth, const std::string& text, TRect& rect);
void HideHintWindow(THintWindow* hintWindow);
bool IsParentFormActive(TControl* control);
void Swap(int& a, int& b);

// True when P lies farther than Tolerance from Q on either axis (the start of a drag).
bool MovedBeyond(TPoint p, TPoint q, int tolerance);
// The text turned by 90 degrees, on one line at the bottom of the rectangle, transparent.
void DrawVerticalText(TCanvas& canvas, const TRect& rect, const std::string& text);

// Alignment values: 0 left, 1 right, 2 centre; vertical: 0 top, 1 bottom, 2 centre.
class TCalcProvider {
public:
    static double Percent(double value, double total);
    // Shared edges count as touching.
    static bool RectsTouch(const TRect& a, const TRect& b);
    static TPoint PlaceInRect(int width, int height, const TRect& rect, int horzAlign, int vertAlign, int margin);
    static TRect ResizeRect(const TRect& rect, int dLeft, int dTop, int dRight, int dBottom);
};

class TGraphicsProvider {
public:
    // (C1 * Alpha + C2 * (255 - Alpha)) shr 8 per channel; Alpha must lie in 0..255.
    static TColor BlendColor(TColor c1, TColor c2, int alpha);
    // T = 0 gives C1, T = 1 gives C2.
    static TColor MixColors(TColor c1, TColor c2, double t);
    static void SetClipRect(TCanvas& canvas, const TRect& rect);
    static void DrawButtonFrame(TCanvas& canvas, const TRect& rect, bool dark);
    static void DrawFocus(TCanvas& canvas, const TRect& rect, bool solid);
    static void DrawGradientV(TCanvas& canvas, const TRect& rect, TColor beginColor, TColor endColor);
    static void DrawGradientH(TCanvas& canvas, const TRect& rect, TColor beginColor, TColor endColor);
    static void DrawTextRect(TCanvas& canvas, const TRect& rect, bool rightToLeft, const std::string& text,
                             int alignment);
    static void DrawTextRectEx(TCanvas& canvas, const TRect& rect, bool rightToLeft, const std::string& text,
                               bool wordWrap, int vertAlign, int alignment);
};

class TMaskProvider {
public:
    static TColor BlendColor(TColor c1, TColor c2, int alpha) { return TGraphicsProvider::BlendColor(c1, c2, alpha); }
};

class TDrawProvider {
public:
    // A 32-bit bitmap is blended by its alpha; any other is drawn as it is.
    static void DrawBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap);
};

// The same routines for callers that name no provider.
void DrawTextRect(TCanvas& canvas, const TRect& rect, bool rightToLeft, const std::string& text, int alignment);
void SetClipRect(TCanvas& canvas, const TRect& rect);

}  // namespace tarvelon
