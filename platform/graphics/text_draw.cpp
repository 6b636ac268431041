#include "platform/graphics/text_draw.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "platform/graphics/text_layout.h"
#include "platform/graphics/text_line.h"

namespace tarvelon {

namespace {

TTextLayoutOptions LayoutOptions(unsigned format, int width, const QFontMetrics& metrics, const TDrawTextParams* params)
{
    TTextLayoutOptions options;
    options.maxWidth = width;
    options.singleLine = (format & DT_SINGLELINE) != 0;
    options.wordWrap = (format & DT_WORDBREAK) != 0;
    options.breakLongWords = (format & DT_EDITCONTROL) != 0;
    if ((format & DT_CALCRECT) == 0) {
        if (format & DT_PATH_ELLIPSIS)
            options.trimming = TTrimming::PathEllipsis;
        else if (format & DT_WORD_ELLIPSIS)
            options.trimming = TTrimming::WordEllipsis;
        else if (format & DT_END_ELLIPSIS)
            options.trimming = TTrimming::EndEllipsis;
    }
    if (format & DT_NOPREFIX)
        options.prefix = TPrefixMode::None;
    else if (format & DT_HIDEPREFIX)
        options.prefix = TPrefixMode::Hide;
    else
        options.prefix = TPrefixMode::Show;
    if (format & DT_EXPANDTABS) {
        const int stops = (params && params->iTabLength > 0) ? params->iTabLength : 8;
        options.tabWidth = stops * std::max(1, metrics.averageCharWidth());
    }
    return options;
}

int LineLeft(unsigned format, const TRect& box, int lineWidth)
{
    if (format & DT_CENTER)
        return box.Left + (box.Width() - lineWidth) / 2;
    if (format & DT_RIGHT)
        return box.Right - lineWidth;
    return box.Left;
}

}  // namespace

int DrawTextEx(TCanvas& canvas, const std::string& text, TRect& rect, unsigned format, TDrawTextParams* params,
               std::string* modified)
{
    const QString source = QString::fromStdString(text);
    const QFontMetrics metrics(canvas.QtFont());
    TRect box = rect;
    if (params) {
        box.Left += params->iLeftMargin;
        box.Right -= params->iRightMargin;
        params->uiLengthDrawn = source.size();
    }
    const TTextMeasure measure = [&metrics](const QString& piece) { return metrics.horizontalAdvance(piece); };
    const std::vector<TTextLine> lines = LayoutText(source, measure, LayoutOptions(format, box.Width(), metrics, params));
    const int lineHeight = metrics.height() + ((format & DT_EXTERNALLEADING) ? metrics.leading() : 0);
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    int widest = 0;
    for (const TTextLine& line : lines)
        widest = std::max(widest, static_cast<int>(line.width));

    if (format & DT_CALCRECT) {
        rect.Right = box.Left + widest + (params ? params->iRightMargin : 0);
        rect.Bottom = rect.Top + textHeight;
        return textHeight;
    }
    if ((format & DT_MODIFYSTRING) && modified && !lines.empty())
        *modified = lines.front().text.toStdString();

    const bool singleLine = (format & DT_SINGLELINE) != 0;
    int top = box.Top;
    if (singleLine && (format & DT_VCENTER))
        top = (box.Top + box.Bottom - lineHeight) / 2;
    else if (singleLine && (format & DT_BOTTOM))
        top = box.Bottom - lineHeight;

    QPainter painter;
    if (canvas.BeginPainter(painter)) {
        if ((format & DT_NOCLIP) == 0)
            painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
        int y = top;
        for (const TTextLine& line : lines) {
            DrawTextLine(painter, canvas, {LineLeft(format, box, static_cast<int>(line.width)), y}, line.text,
                         line.underline);
            y += lineHeight;
        }
        painter.end();
        if (canvas.OnChange)
            canvas.OnChange();
    }
    if (singleLine && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect.Top + lineHeight;
    return textHeight;
}

int DrawText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned format)
{
    return DrawTextEx(canvas, text, rect, format);
}

TSize GetTextExtentPoint32(const TCanvas& canvas, const std::string& text) { return canvas.TextExtent(text); }

TSize GetTextExtentExPoint(const TCanvas& canvas, const std::string& text, int maxExtent, int* fit,
                           std::vector<int>* extents)
{
    const QString source = QString::fromStdString(text);
    const QFontMetrics metrics(canvas.QtFont());
    if (fit)
        *fit = FitCount(source, maxExtent, [&metrics](const QString& piece) { return metrics.horizontalAdvance(piece); });
    if (extents) {
        extents->clear();
        for (int i = 1; i <= source.size(); ++i)
            extents->push_back(metrics.horizontalAdvance(source.left(i)));
    }
    return {metrics.horizontalAdvance(source), metrics.height()};
}

TTextMetric GetTextMetrics(const TCanvas& canvas)
{
    const QFont& font = canvas.QtFont();
    const QFontMetrics metrics(font);
    TTextMetric result;
    result.tmAscent = metrics.ascent();
    result.tmDescent = metrics.descent();
    result.tmHeight = metrics.height();
    result.tmInternalLeading = std::max(0, metrics.height() - font.pixelSize());
    result.tmExternalLeading = metrics.leading();
    result.tmAveCharWidth = metrics.averageCharWidth();
    result.tmMaxCharWidth = metrics.maxWidth();
    return result;
}

}  // namespace tarvelon
