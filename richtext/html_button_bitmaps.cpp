#include "richtext/html_button_bitmaps.h"

#include <QImage>
#include <cctype>
#include <map>
#include <memory>


namespace tarvelon {
namespace {

constexpr int kSize = 13;

// The colours of one look: frame, the face's top and bottom, and the mark.
struct TGlyphColors {
    QColor frame;
    QColor faceTop;
    QColor faceBottom;
    QColor mark;
};

// Rounded, bluish frame and a green tick (the "Velmar" look); grey when disabled.
TGlyphColors VelmarColors(bool enabled)
{
    if (enabled)
        return {QColor(0x2E, 0x5C, 0x8A), QColor(0xF4, 0xF8, 0xFC), QColor(0xB8, 0xCC, 0xE4), QColor(0x1E, 0x8C, 0x2A)};
    return {QColor(0xA0, 0xA0, 0xA0), QColor(0xF0, 0xF0, 0xF0), QColor(0xD4, 0xD4, 0xD4), QColor(0x90, 0x90, 0x90)};
}

// Square dark-blue frame over a light face, green mark (the unthemed desktop look).
TGlyphColors DesktopColors(bool enabled)
{
    if (enabled)
        return {QColor(0x1C, 0x51, 0x80), QColor(0xDC, 0xDC, 0xD7), QColor(0xFF, 0xFF, 0xFF), QColor(0x21, 0xA1, 0x21)};
    return {QColor(0xC9, 0xC7, 0xBA), QColor(0xF4, 0xF4, 0xF0), QColor(0xF4, 0xF4, 0xF0), QColor(0xC9, 0xC7, 0xBA)};
}

QImage BlankGlyph()
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0x00, 0xFF));
    return image;
}

// A vertical blend of the face between two colours, inside the rows and columns [from, to].
void FillFace(QImage& image, int from, int to, const TGlyphColors& colors, bool round)
{
    for (int y = from; y <= to; ++y) {
        const double t = to > from ? double(y - from) / (to - from) : 0.0;
        const QColor row(int(colors.faceTop.red() + t * (colors.faceBottom.red() - colors.faceTop.red())),
                         int(colors.faceTop.green() + t * (colors.faceBottom.green() - colors.faceTop.green())),
                         int(colors.faceTop.blue() + t * (colors.faceBottom.blue() - colors.faceTop.blue())));
        for (int x = from; x <= to; ++x) {
            const double dx = x - 6.0, dy = y - 6.0;
            if (!round || dx * dx + dy * dy <= 4.6 * 4.6)
                image.setPixelColor(x, y, row);
        }
    }
}

void Tick(QImage& image, const QColor& colour)
{
    // Down from (3,6) to (5,8), then up to (9,4); three pixels thick.
    static const int kTickY[] = {6, 7, 8, 7, 6, 5, 4};
    for (int x = 3; x <= 9; ++x)
        for (int thick = 0; thick < 3; ++thick)
            image.setPixelColor(x, kTickY[x - 3] + thick, colour);
}

void Dot(QImage& image, const QColor& colour)
{
    for (int y = 4; y <= 8; ++y)
        for (int x = 4; x <= 8; ++x) {
            const double dx = x - 6.0, dy = y - 6.0;
            if (dx * dx + dy * dy <= 5.0)
                image.setPixelColor(x, y, colour);
        }
}

QImage CheckGlyph(bool checked, const TGlyphColors& colors, bool rounded)
{
    QImage image = BlankGlyph();
    for (int i = 0; i < kSize; ++i) {
        const bool corner = rounded && (i == 0 || i == kSize - 1);
        if (corner)
            continue;
        image.setPixelColor(i, 0, colors.frame);
        image.setPixelColor(i, kSize - 1, colors.frame);
        image.setPixelColor(0, i, colors.frame);
        image.setPixelColor(kSize - 1, i, colors.frame);
    }
    FillFace(image, 1, kSize - 2, colors, false);
    if (checked)
        Tick(image, colors.mark);
    return image;
}

QImage RadioGlyph(bool checked, const TGlyphColors& colors)
{
    QImage image = BlankGlyph();
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double dx = x - 6.0, dy = y - 6.0;
            const double d2 = dx * dx + dy * dy;
            if (d2 <= 6.4 * 6.4 && d2 > 4.6 * 4.6)
                image.setPixelColor(x, y, colors.frame);
        }
    FillFace(image, 1, kSize - 2, colors, true);
    if (checked)
        Dot(image, colors.mark);
    return image;
}

// Check box: 01 checked enabled, 02 checked disabled, 03 unchecked enabled, 04 unchecked disabled;
// 05 to 08 the same order in the desktop look. Radio: 01 checked, 02 unchecked, 03 checked
// disabled, 04 unchecked disabled; 05 to 08 the same in the desktop look.
QImage DrawGlyph(bool radio, int number)
{
    const bool desktop = number >= 5;
    const int n = desktop ? number - 4 : number;
    bool checked = false;
    bool enabled = true;
    if (radio) {
        checked = n == 1 || n == 3;
        enabled = n <= 2;
    } else {
        checked = n <= 2;
        enabled = n == 1 || n == 3;
    }
    const TGlyphColors colors = desktop ? DesktopColors(enabled) : VelmarColors(enabled);
    return radio ? RadioGlyph(checked, colors) : CheckGlyph(checked, colors, !desktop);
}

std::unique_ptr<TBitmap> MakeBitmap(const QImage& image)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->AssignImage(image);
    bitmap->SetTransparentMode(tmFixed);
    bitmap->SetTransparentColor(kButtonBitmapKey);
    bitmap->SetTransparent(true);
    return bitmap;
}

}  // namespace

const TBitmap& ButtonBitmap(const std::string& name)
{
    static std::map<std::string, std::unique_ptr<TBitmap>> bitmaps;
    static const TBitmap empty;
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (auto found = bitmaps.find(upper); found != bitmaps.end())
        return *found->second;
    const bool check = upper.rfind("HTMBCHK0", 0) == 0;
    const bool radio = upper.rfind("HTMBRAD0", 0) == 0;
    if ((!check && !radio) || upper.size() != 9 || upper[8] < '1' || upper[8] > '8')
        return empty;
    auto& slot = bitmaps[upper];
    slot = MakeBitmap(DrawGlyph(radio, upper[8] - '0'));
    return *slot;
}

}  // namespace tarvelon
