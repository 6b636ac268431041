#include "platform/graphics/font.h"

#include <QFont>
#include <QFontMetricsF>
#include <algorithm>

#include "platform/graphics/font_faces.h"
#include "platform/graphics/geometry.h"

namespace tarvelon {

namespace {

// Pixel size of the characters (em height) for a cell height that includes the internal leading.
int EmOfCellHeight(QFont font, int cellHeight)
{
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    const double cell = metrics.ascent() + metrics.descent();
    if (cell <= 0)
        return cellHeight;
    return std::max(1, static_cast<int>(cellHeight * 100.0 / cell + 0.5));
}

// The largest characters drawn. Beyond some 18,000 pixels the font engine's metrics overflow (an
// ascent held in 16 bits), and a text would measure a negative height: a garbled <FONT size> in
// a caption must not get that far. No screen draws characters of even a tenth of this.
constexpr int kMaxFontPixels = 10000;

}  // namespace

int FontHeightOfSize(int points) { return -MulDiv(points, kScreenDpi, 72); }

int FontSizeOfHeight(int height) { return -MulDiv(height, 72, kScreenDpi); }

TFont::TFont() = default;

TFont::TFont(const TFont& other) : TGraphicsObject(other) { Assign(other); }

TFont& TFont::operator=(const TFont& other)
{
    if (this != &other)
        Assign(other);
    return *this;
}

void TFont::SetName(const std::string& name) { Update(name_, name); }

void TFont::SetSize(int points) { SetHeight(FontHeightOfSize(points)); }

void TFont::SetHeight(int pixels) { Update(height_, pixels); }

void TFont::SetColor(TColor color) { Update(color_, color); }

void TFont::SetStyle(TFontStyles style) { Update(style_, style); }

void TFont::SetOrientation(int tenths) { Update(orientation_, tenths); }

void TFont::SetCharset(int charset) { Update(charset_, charset); }

void TFont::SetPitch(TFontPitch pitch) { Update(pitch_, pitch); }

void TFont::Assign(const TFont& source)
{
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    orientation_ = source.orientation_;
    charset_ = source.charset_;
    pitch_ = source.pitch_;
    Changed();
}

bool TFont::SameAs(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
           style_ == other.style_ && orientation_ == other.orientation_ && charset_ == other.charset_ &&
           pitch_ == other.pitch_;
}

QFont TFont::ToQFont() const
{
    QFont font(QString::fromStdString(ResolveFontFamily(name_)));
    font.setStyleStrategy(QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    if (IsBlackFace(name_))
        font.setWeight(QFont::Black);
    else
        font.setBold(style_.Contains(fsBold));
    font.setItalic(style_.Contains(fsItalic));
    font.setUnderline(style_.Contains(fsUnderline));
    font.setStrikeOut(style_.Contains(fsStrikeOut));
    if (pitch_ == fpFixed)
        font.setFixedPitch(true);
    int pixels = -FontHeightOfSize(8);
    if (height_ < 0)
        pixels = -height_;
    else if (height_ > 0)
        pixels = EmOfCellHeight(font, height_);
    font.setPixelSize(std::clamp(pixels, 1, kMaxFontPixels));
    return font;
}

}  // namespace tarvelon
