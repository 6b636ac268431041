#pragma once
// The drawing routines the display painters use: the same blends as the providers, and the bitmap
// blend done with the integer colour blend.
#include "grid/dg_shared_common.h"

namespace tarvelon::DgSharedDraw {

TColor BlendColor(TColor c1, TColor c2, int alpha);
TColor MixColors(TColor c1, TColor c2, double t);
void DrawBitmap(TCanvas& canvas, int x, int y, TBitmap& bitmap);
void DrawGradientV(TCanvas& canvas, const TRect& rect, TColor beginColor, TColor endColor);
void SetClipRect(TCanvas& canvas, const TRect& rect);

}  // namespace tarvelon::DgSharedDraw
