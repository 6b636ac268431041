// Rich-text markup: input = options (1 byte) + the text. Measured and painted by the captions' engine
// and by the anti-aliased one of the smooth controls, with image-list pictures at hand. Whatever the
// text, both lay it out in finite time, measure what they paint and leave the canvas's font as it was.
#include <QImage>

#include "controls/html_draw_gdip.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"
#include "richtext/html_draw_gdi.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

using namespace tarvelon;

TImageList& Pictures()
{
    static TImageList* const images = [] {
        auto* list = new TImageList(16, 16);
        QImage square(16, 16, QImage::Format_RGB32);
        square.fill(Qt::red);
        list->AddImage(square);
        return list;
    }();
    return *images;
}

void DrawWithCaptionEngine(const std::string& text, std::uint8_t options)
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    canvas.Font.SetName("Arial");
    canvas.Font.SetSize(10);
    THTMLDrawParams params;
    params.Images = &Pictures();
    params.WordWrap = (options & 1) != 0;
    params.ScaleImages = (options & 2) != 0;
    params.ShadowOffset = options >> 6;
    params.X = 20;
    params.Y = 8;
    THTMLDrawParams sizing = params;
    sizing.SizeOnly = true;
    const TRect rect{2, 2, 298, 100000};  // tall: painting lays out every line, as measuring does
    THTMLDrawResult size, painted;
    HTMLDrawGDI(canvas, text, rect, sizing, size);
    HTMLDrawGDI(canvas, text, rect, params, painted);
    fuzz::Expect(size.MeasuredHeight > 0 && size.MeasuredWidth >= 0, "a text measures a size");
    // Painting stops at the rect's bottom, looking one line ahead: a text taller than the rect
    // (lines of characters thousands of pixels high) paints only what fits. The room left must
    // hold one more line of the largest characters (10,000 pixels, some 11,200 a line).
    constexpr int kLargestLine = 20000;
    const bool fits = size.MeasuredHeight + kLargestLine <= rect.Bottom - rect.Top;
    fuzz::Expect(!fits || (size.PlainText == painted.PlainText && size.AnchorCount == painted.AnchorCount),
                 "a text that fits measures what it paints");
    fuzz::Expect(canvas.Font.Name() == "Arial" && canvas.Font.Orientation() == 0, "the canvas's font comes back");
}

void DrawWithSmoothEngine(const std::string& text, std::uint8_t options)
{
    QImage image(300, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    TFont font;
    font.SetName("Arial");
    font.SetSize(12);
    THTMLDrawGDIPParams params;
    params.Images = &Pictures();
    params.WordWrap = (options & 1) != 0;
    params.ShadowOffset = options >> 6;
    params.X = 20;
    params.Y = 8;
    THTMLDrawGDIPResult size, painted;
    {
        TGPGraphics graphics(image);
        THTMLDrawGDIPParams sizing = params;
        sizing.MeasureOnly = true;
        HTMLDrawGDIP(graphics, font, text, TRect{2, 2, 298, 198}, sizing, size);
    }
    {
        TGPGraphics graphics(image);
        HTMLDrawGDIP(graphics, font, text, TRect{2, 2, 298, 198}, params, painted);
    }
    fuzz::Expect(size.TextHeight >= 0 && size.TextWidth >= 0, "a text measures a size");
}

}  // namespace

TARVELON_FUZZ_TARGET(markup)
{
    fuzz::EnsureApplication();
    fuzz::InputReader input(data, size);
    const std::uint8_t options = input.Byte();
    const std::string text(input.Rest());
    if (options & 4)
        DrawWithSmoothEngine(text, options);
    else
        DrawWithCaptionEngine(text, options);
}
