#include "platform/graphics/text_layout.h"

#include <algorithm>
#include <cmath>

namespace tarvelon {

namespace {

const QString kEllipsis = QStringLiteral("...");

struct Paragraph {
    QString text;
    int underline = -1;
};

std::vector<Paragraph> SplitParagraphs(const TPrefixedText& source, bool singleLine)
{
    std::vector<Paragraph> paragraphs;
    Paragraph current;
    const QString& text = source.text;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (!singleLine) {
                paragraphs.push_back(current);
                current = Paragraph{};
                if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                    ++i;
            }
            continue;
        }
        if (i == source.underline)
            current.underline = current.text.size();
        current.text += c;
    }
    paragraphs.push_back(current);
    return paragraphs;
}

// Tabs become blanks up to the next stop.
void ExpandTabs(Paragraph& paragraph, double tabWidth, const TTextMeasure& measure)
{
    if (tabWidth <= 0 || !paragraph.text.contains(u'\t'))
        return;
    QString expanded;
    int underline = -1;
    const double blank = std::max(1.0, measure(QStringLiteral(" ")));
    for (int i = 0; i < paragraph.text.size(); ++i) {
        if (i == paragraph.underline)
            underline = expanded.size();
        if (paragraph.text[i] != u'\t') {
            expanded += paragraph.text[i];
            continue;
        }
        const double width = measure(expanded);
        const double stop = (std::floor(width / tabWidth) + 1) * tabWidth;
        const int blanks = std::max(1, static_cast<int>(std::ceil((stop - width) / blank)));
        expanded += QString(blanks, u' ');
    }
    paragraph.text = expanded;
    paragraph.underline = underline;
}

TTextLine MakeLine(const Paragraph& paragraph, int start, int length)
{
    TTextLine line;
    line.text = paragraph.text.mid(start, length);
    if (paragraph.underline >= start && paragraph.underline < start + length)
        line.underline = paragraph.underline - start;
    return line;
}

int SkipBlanks(const QString& text, int position)
{
    while (position < text.size() && text[position] == u' ')
        ++position;
    return position;
}

int TrimmedEnd(const QString& text, int start, int end)
{
    while (end > start && text[end - 1] == u' ')
        --end;
    return end;
}

// End of the word starting at `position` (blanks following it not included).
int WordEnd(const QString& text, int position)
{
    while (position < text.size() && text[position] != u' ')
        ++position;
    return position;
}

void WrapParagraph(const Paragraph& paragraph, const TTextMeasure& measure, const TTextLayoutOptions& options,
                   std::vector<TTextLine>& lines)
{
    const QString& text = paragraph.text;
    int start = 0;
    do {
        int end = start;  // the line is text[start, end)
        int scan = start;
        while (true) {
            const int wordStart = SkipBlanks(text, scan);
            if (wordStart >= text.size()) {
                scan = text.size();
                break;
            }
            const int wordEnd = WordEnd(text, wordStart);
            if (measure(text.mid(start, wordEnd - start)) <= options.maxWidth) {
                end = scan = wordEnd;
                continue;
            }
            if (end == start) {
                // A first word wider than the box: alone on its line, or broken between characters.
                end = wordEnd;
                if (options.breakLongWords)
                    end = start + std::max(1, FitCount(text.mid(start, wordEnd - start), options.maxWidth, measure));
            }
            break;
        }
        if (end == start)
            end = scan;
        lines.push_back(MakeLine(paragraph, start, TrimmedEnd(text, start, end) - start));
        start = SkipBlanks(text, end);
    } while (start < text.size());
}

QString CutAtWord(const QString& text, const QString& suffix, double maxWidth, const TTextMeasure& measure)
{
    const int fit = FitCount(text, maxWidth - (suffix.isEmpty() ? 0 : measure(suffix)), measure);
    int cut = fit;
    if (fit > 0 && fit < text.size() && text[fit] != u' ') {
        const int blank = text.lastIndexOf(u' ', fit - 1);
        if (blank > 0)
            cut = blank;
    }
    return text.left(TrimmedEnd(text, 0, cut)) + suffix;
}

QString PathEllipsis(const QString& text, double maxWidth, const TTextMeasure& measure)
{
    const int separator = std::max(text.lastIndexOf(u'/'), text.lastIndexOf(u'\\'));
    if (separator < 0)
        return FitWithSuffix(text, kEllipsis, maxWidth, measure);
    const QString tail = text.mid(separator);
    if (measure(kEllipsis + tail) > maxWidth)
        return FitWithSuffix(text, kEllipsis, maxWidth, measure);
    const QString head = FitWithSuffix(text.left(separator), QString(), maxWidth - measure(kEllipsis + tail), measure);
    return head + kEllipsis + tail;
}

void Trim(TTextLine& line, const TTextLayoutOptions& options, const TTextMeasure& measure)
{
    if (options.maxWidth <= 0 || options.trimming == TTrimming::None || measure(line.text) <= options.maxWidth)
        return;
    const QString original = line.text;
    switch (options.trimming) {
    case TTrimming::None: break;
    case TTrimming::Character: line.text = FitWithSuffix(original, QString(), options.maxWidth, measure); break;
    case TTrimming::Word: line.text = CutAtWord(original, QString(), options.maxWidth, measure); break;
    case TTrimming::EndEllipsis: line.text = FitWithSuffix(original, kEllipsis, options.maxWidth, measure); break;
    case TTrimming::WordEllipsis: line.text = CutAtWord(original, kEllipsis, options.maxWidth, measure); break;
    case TTrimming::PathEllipsis: line.text = PathEllipsis(original, options.maxWidth, measure); break;
    }
    // The mnemonic survives only in the part of the line that was kept.
    int kept = 0;
    while (kept < line.text.size() && kept < original.size() && line.text[kept] == original[kept])
        ++kept;
    if (line.underline >= kept)
        line.underline = -1;
}

}  // namespace

TPrefixedText StripPrefix(const QString& text)
{
    TPrefixedText result;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            result.text += text[i];
            continue;
        }
        if (i + 1 >= text.size())
            break;  // a lone "&" at the end shows nothing
        ++i;
        if (text[i] != u'&' && result.underline < 0)
            result.underline = result.text.size();
        result.text += text[i];
    }
    return result;
}

int FitCount(const QString& text, double maxWidth, const TTextMeasure& measure)
{
    int low = 0, high = text.size();
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (measure(text.left(middle)) <= maxWidth)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

QString FitWithSuffix(const QString& text, const QString& suffix, double maxWidth, const TTextMeasure& measure)
{
    const double room = maxWidth - (suffix.isEmpty() ? 0 : measure(suffix));
    if (room < 0)
        return suffix.isEmpty() ? QString() : FitWithSuffix(suffix, QString(), maxWidth, measure);
    return text.left(FitCount(text, room, measure)) + suffix;
}

std::vector<TTextLine> LayoutText(const QString& text, const TTextMeasure& measure, const TTextLayoutOptions& options)
{
    const TPrefixedText source =
        options.prefix == TPrefixMode::None ? TPrefixedText{text, -1} : StripPrefix(text);
    std::vector<Paragraph> paragraphs = SplitParagraphs(source, options.singleLine);
    std::vector<TTextLine> lines;
    for (Paragraph& paragraph : paragraphs) {
        ExpandTabs(paragraph, options.tabWidth, measure);
        if (options.wordWrap && !options.singleLine && options.maxWidth > 0)
            WrapParagraph(paragraph, measure, options, lines);
        else
            lines.push_back(MakeLine(paragraph, 0, paragraph.text.size()));
    }
    for (TTextLine& line : lines) {
        Trim(line, options, measure);
        if (options.prefix == TPrefixMode::Hide)
            line.underline = -1;
        line.width = measure(line.text);
    }
    return lines;
}

}  // namespace tarvelon
