#pragma once
// A white sheet to draw rich texts on, and pixel probes over its regions.
#include <QImage>
#include <functional>
#include <string>

#include "platform/graphics/canvas.h"
#include "richtext/html_draw_gdi.h"

namespace tarvelon::testing {

struct TSheet {
    QImage image;
    TCanvas canvas;
    explicit TSheet(int width = 400, int height = 200, TColor background = clWhite)
        : image(width, height, QImage::Format_RGB32), canvas(&image)
    {
        image.fill(ToQColor(background));
        canvas.Font.SetName("Arial");
        canvas.Font.SetSize(10);
        canvas.Font.SetColor(clBlack);
        canvas.Brush.SetColor(background);
    }
    THTMLDrawResult Draw(const std::string& text, const TRect& rect, const THTMLDrawParams& params = {})
    {
        THTMLDrawResult result;
        lastHit = HTMLDrawGDI(canvas, text, rect, params, result);
        return result;
    }
    THTMLDrawResult Draw(const std::string& text, const THTMLDrawParams& params = {})
    {
        return Draw(text, TRect{0, 0, image.width(), image.height()}, params);
    }
    TColor At(int x, int y) const { return canvas.Pixel(x, y); }
    // Pixels in `rect` for which `test` holds.
    int Count(const TRect& rect, const std::function<bool(TColor)>& test) const
    {
        int count = 0;
        for (int y = std::max(0, rect.Top); y < std::min(image.height(), rect.Bottom); ++y)
            for (int x = std::max(0, rect.Left); x < std::min(image.width(), rect.Right); ++x)
                if (test(At(x, y)))
                    ++count;
        return count;
    }
    int CountColor(const TRect& rect, TColor color) const
    {
        return Count(rect, [color](TColor c) { return c == color; });
    }
    int CountNot(const TRect& rect, TColor color) const
    {
        return Count(rect, [color](TColor c) { return c != color; });
    }
    // Smallest rectangle holding every pixel that is not `background` (empty when none).
    TRect Inked(TColor background = clWhite) const
    {
        TRect box{image.width(), image.height(), 0, 0};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(x, y) != background) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box.Right == 0 ? TRect{} : box;
    }
    bool lastHit = false;
};

// Reddish: red clearly above green and blue (anti-aliased text edges included).
inline bool Reddish(TColor c) { return GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100; }
inline bool Bluish(TColor c) { return GetBValue(c) > 150 && GetRValue(c) < 100 && GetGValue(c) < 100; }
inline bool Dark(TColor c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; }

}  // namespace tarvelon::testing
