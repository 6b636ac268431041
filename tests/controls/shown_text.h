#pragma once
// What a player reads in a rich label or a plain label: the text without its markup, and without
// the "&" marks that underline a letter.
#include <QImage>
#include <string>

#include "platform/graphics/canvas.h"
#include "platform/graphics/text_layout.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_draw_gdi.h"
#include "richtext/html_label.h"

namespace tarvelon::test {

// What the rich-text engine of the labels shows of a markup.
inline std::string ShownMarkup(const std::string& markup)
{
    QImage scratch(800, 600, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    THTMLDrawParams params;
    params.SizeOnly = true;
    THTMLDrawResult result;
    HTMLDrawGDI(canvas, markup, TRect{0, 0, 800, 600}, params, result);
    return StripPrefix(QString::fromStdString(result.PlainText)).text.toStdString();
}

inline std::string ShownText(const TRichLabel& label)
{
    std::string markup;
    for (const std::string& line : label.HTMLText())
        markup += line;
    return ShownMarkup(markup);
}

inline TPrefixedText ShownCaption(const TLabel& label)
{
    if (!label.ShowAccelChar())
        return TPrefixedText{QString::fromStdString(label.Caption()), -1};
    return StripPrefix(QString::fromStdString(label.Caption()));
}

}  // namespace tarvelon::test
