#include "platform/graphics/blit.h"

#include <optional>

namespace tarvelon {

namespace {

std::optional<TCopyMode> CopyModeOf(unsigned rop)
{
    switch (rop) {
    case SRCCOPY: return cmSrcCopy;
    case SRCPAINT: return cmSrcPaint;
    case SRCAND: return cmSrcAnd;
    case SRCINVERT: return cmSrcInvert;
    case NOTSRCCOPY: return cmNotSrcCopy;
    case DSTINVERT: return cmDstInvert;
    default: return std::nullopt;
    }
}

}  // namespace

bool StretchBlt(TCanvas& dest, int x, int y, int width, int height, const TCanvas& source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, unsigned rop)
{
    const TRect target = Bounds(x, y, width, height);
    if (rop == BLACKNESS || rop == WHITENESS) {
        TBrush saved;
        saved.Assign(dest.Brush);
        dest.Brush.SetStyle(bsSolid);
        dest.Brush.SetColor(rop == BLACKNESS ? clBlack : clWhite);
        dest.FillRect(target);
        dest.Brush.Assign(saved);
        return true;
    }
    const std::optional<TCopyMode> mode = CopyModeOf(rop);
    if (!mode)
        return false;
    const TCopyMode previous = dest.CopyMode;
    dest.CopyMode = *mode;
    dest.CopyRect(target, source, Bounds(sourceX, sourceY, sourceWidth, sourceHeight));
    dest.CopyMode = previous;
    return true;
}

bool BitBlt(TCanvas& dest, int x, int y, int width, int height, const TCanvas& source, int sourceX, int sourceY,
            unsigned rop)
{
    return StretchBlt(dest, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

}  // namespace tarvelon
