#include "platform/graphics/gdiplus_text.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "platform/graphics/font_faces.h"

namespace tarvelon {

namespace {

float PixelsOf(float size, TGPUnit unit)
{
    switch (unit) {
    case UnitPoint: return size * kScreenDpi / 72.0f;
    case UnitInch: return size * kScreenDpi;
    case UnitDocument: return size * kScreenDpi / 300.0f;
    case UnitMillimeter: return size * kScreenDpi / 25.4f;
    default: return size;
    }
}

TTrimming TrimmingOf(TGPStringTrimming trimming)
{
    switch (trimming) {
    case StringTrimmingNone: return TTrimming::None;
    case StringTrimmingCharacter: return TTrimming::Character;
    case StringTrimmingWord: return TTrimming::Word;
    case StringTrimmingEllipsisCharacter: return TTrimming::EndEllipsis;
    case StringTrimmingEllipsisWord: return TTrimming::WordEllipsis;
    case StringTrimmingEllipsisPath: return TTrimming::PathEllipsis;
    }
    return TTrimming::None;
}

TPrefixMode PrefixOf(TGPHotkeyPrefix prefix)
{
    switch (prefix) {
    case HotkeyPrefixShow: return TPrefixMode::Show;
    case HotkeyPrefixHide: return TPrefixMode::Hide;
    default: return TPrefixMode::None;
    }
}

// Where a run of `length` starts in a space of `room` from `start` (room 0: around the start).
double Place(TGPStringAlignment alignment, double start, double room, double length, double margin)
{
    switch (alignment) {
    case StringAlignmentNear: return start + margin;
    case StringAlignmentCenter: return start + (room - length) / 2.0;
    case StringAlignmentFar: return start + room - margin - length;
    }
    return start;
}

}  // namespace

TGPFontFamily::TGPFontFamily(const std::string& name)
    : name_(name), status_(IsKnownFace(name) ? Ok : FontFamilyNotFound)
{
}

TGPFont::TGPFont(const TGPFontFamily& family, float emSize, int style, TGPUnit unit)
{
    Build(family.Name(), emSize, style, unit);
    if (family.Status() != Ok)
        status_ = family.Status();
}

TGPFont::TGPFont(const std::string& familyName, float emSize, int style, TGPUnit unit)
    : TGPFont(TGPFontFamily(familyName), emSize, style, unit)
{
}

TGPFont::TGPFont(const TFont& font)
{
    int style = FontStyleRegular;
    style |= font.Style().Contains(fsBold) ? FontStyleBold : 0;
    style |= font.Style().Contains(fsItalic) ? FontStyleItalic : 0;
    style |= font.Style().Contains(fsUnderline) ? FontStyleUnderline : 0;
    style |= font.Style().Contains(fsStrikeOut) ? FontStyleStrikeout : 0;
    Build(font.Name(), static_cast<float>(font.Size()), style, UnitPoint);
}

void TGPFont::Build(const std::string& name, float emSize, int style, TGPUnit unit)
{
    pixels_ = PixelsOf(emSize, unit);
    style_ = style;
    status_ = pixels_ > 0 ? Ok : InvalidParameter;
    TFont source;
    source.SetName(name);
    source.SetHeight(-std::max(1, static_cast<int>(std::lround(pixels_))));
    TFontStyles styles;
    if (style & FontStyleBold)
        styles.Include(fsBold);
    if (style & FontStyleItalic)
        styles.Include(fsItalic);
    if (style & FontStyleUnderline)
        styles.Include(fsUnderline);
    if (style & FontStyleStrikeout)
        styles.Include(fsStrikeOut);
    source.SetStyle(styles);
    font_ = source.ToQFont();
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_.setKerning(true);
}

TGPStringFormat TGPStringFormat::GenericDefault() { return TGPStringFormat(); }

TGPStringFormat TGPStringFormat::GenericTypographic()
{
    TGPStringFormat format(StringFormatFlagsNoFitBlackBox | StringFormatFlagsLineLimit | StringFormatFlagsNoClip);
    format.trimming_ = StringTrimmingNone;
    format.typographic_ = true;
    return format;
}

TStringLayout LayoutString(const std::string& text, const TGPFont& font, const TGPRectF& box, const TGPStringFormat& format)
{
    const QFontMetricsF metrics(font.ToQFont());
    const TTextMeasure measure = [&metrics](const QString& piece) { return metrics.horizontalAdvance(piece); };
    const double margin = format.Typographic() ? 0.0 : font.SizeInPixels() / 6.0;
    const bool wrap = (format.Flags() & StringFormatFlagsNoWrap) == 0 && box.Width > 0;

    TTextLayoutOptions options;
    options.maxWidth = box.Width > 0 ? std::max(1.0, box.Width - 2 * margin) : 0;
    options.wordWrap = wrap;
    options.breakLongWords = true;
    options.trimming = TrimmingOf(format.Trimming());
    options.prefix = PrefixOf(format.HotkeyPrefix());
    std::vector<TTextLine> lines = LayoutText(QString::fromStdString(text), measure, options);

    TStringLayout layout;
    layout.lineHeight = metrics.lineSpacing();
    std::size_t shown = lines.size();
    if (box.Height > 0) {
        const double room = box.Height / layout.lineHeight;
        const bool whole = (format.Flags() & StringFormatFlagsLineLimit) != 0;
        shown = std::min(shown, static_cast<std::size_t>(std::max(0.0, whole ? std::floor(room + 1e-6) : std::ceil(room - 1e-6))));
        if (!whole)
            shown = std::max<std::size_t>(shown, std::min<std::size_t>(1, lines.size()));
    }
    if (shown < lines.size() && shown > 0 && options.trimming != TTrimming::None) {
        // The last line shown takes the rest of the text and is trimmed.
        TTextLine& last = lines[shown - 1];
        for (std::size_t i = shown; i < lines.size(); ++i)
            last.text += QStringLiteral(" ") + lines[i].text;
        TTextLayoutOptions trim = options;
        trim.wordWrap = false;
        trim.prefix = TPrefixMode::None;
        const int underline = last.underline;
        last = LayoutText(last.text, measure, trim).front();
        last.underline = underline < last.text.size() ? underline : -1;
    }
    lines.resize(shown);

    // Blanks at the end of a line take no room unless the format says to measure them.
    if ((format.Flags() & StringFormatFlagsMeasureTrailingSpaces) == 0) {
        for (TTextLine& line : lines) {
            int end = line.text.size();
            while (end > 0 && line.text[end - 1] == u' ')
                --end;
            line.width = measure(line.text.left(end));
        }
    }

    const double total = layout.lineHeight * static_cast<double>(shown);
    double y = Place(format.LineAlignment(), box.Y, box.Height, total, 0);
    double left = 1e300, widest = 0;
    for (const TTextLine& line : lines) {
        const double x = Place(format.Alignment(), box.X, box.Width, line.width, margin);
        layout.lines.push_back({line.text, line.underline, QPointF(x, y), line.width});
        layout.charactersFitted += line.text.size();
        left = std::min(left, x);
        widest = std::max(widest, line.width);
        y += layout.lineHeight;
    }
    layout.linesFilled = static_cast<int>(shown);
    if (layout.lines.empty())
        left = box.X + margin;
    const double top = Place(format.LineAlignment(), box.Y, box.Height, total, 0);
    layout.bounds = {static_cast<float>(left - margin), static_cast<float>(top), static_cast<float>(widest + 2 * margin),
                     static_cast<float>(std::max(total, shown == 0 ? 0.0 : layout.lineHeight))};
    return layout;
}

}  // namespace tarvelon
