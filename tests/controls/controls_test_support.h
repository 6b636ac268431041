#pragma once
// Helpers of the drawn controls' tests: pictures made in memory, pixel probes with a tolerance,
// and a form that shows controls offscreen.
#include <QBuffer>
#include <QImage>
#include <cstdlib>
#include <string>

#include "platform/graphics/image_codecs.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon::test {

inline TBytes EncodeAs(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return TBytes(data.begin(), data.end());
}

// A picture of one colour (0xRRGGBB), with an optional different top-left quarter.
inline QImage SolidImage(int width, int height, unsigned rgb, unsigned corner = 0x1000000, bool alpha = false)
{
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(QColor::fromRgb(0xFF000000u | rgb));
    if (corner <= 0xFFFFFF) {
        for (int y = 0; y < height / 2; ++y)
            for (int x = 0; x < width / 2; ++x)
                image.setPixel(x, y, 0xFF000000u | corner);
    }
    return image;
}

inline TBytes PngBytes(int width, int height, unsigned rgb) { return EncodeAs(SolidImage(width, height, rgb), "PNG"); }
inline TBytes BmpBytes(const QImage& image) { return EncodeBmp(image); }

// The pixel as 0xRRGGBB.
inline unsigned Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

// Whether two 0xRRGGBB colours differ by at most `tolerance` in each channel.
inline bool Near(unsigned a, unsigned b, int tolerance = 3)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

inline std::string Hex(unsigned rgb)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06X", rgb & 0xFFFFFFu);
    return text;
}

// A TColor (0x00BBGGRR) as 0xRRGGBB.
inline unsigned RgbOf(int color)
{
    return unsigned((color & 0xFF) << 16 | (color & 0xFF00) | ((color >> 16) & 0xFF));
}

}  // namespace tarvelon::test

#define EXPECT_PIXEL(image, x, y, rgb, tolerance)                                                          \
    EXPECT_TRUE(::tarvelon::test::Near(::tarvelon::test::Rgb(image, x, y), rgb, tolerance))                \
        << "at (" << (x) << "," << (y) << ") got " << ::tarvelon::test::Hex(::tarvelon::test::Rgb(image, x, y)) \
        << " wanted " << ::tarvelon::test::Hex(rgb)
