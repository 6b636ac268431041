#include "platform/graphics/gdiplus_image.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace tarvelon {

namespace {

// The pixel format a decoded file reports.
int FilePixelFormat(TImageFormat format, TByteView data, const QImage& image)
{
    switch (format) {
    case TImageFormat::Gif: return PixelFormat8bppIndexed;
    case TImageFormat::Jpeg: return PixelFormat24bppRGB;
    case TImageFormat::Png: return image.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat24bppRGB;
    case TImageFormat::Bmp: {
        const int bits = data.size() > 29 ? data[28] | (data[29] << 8) : 24;
        switch (bits) {
        case 1: return PixelFormat1bppIndexed;
        case 4: return PixelFormat4bppIndexed;
        case 8: return PixelFormat8bppIndexed;
        case 16: return PixelFormat16bppRGB555;
        case 32: return image.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat32bppRGB;
        default: return PixelFormat24bppRGB;
        }
    }
    case TImageFormat::Unknown: break;
    }
    return PixelFormat32bppARGB;
}

bool HasAlpha(int pixelFormat) { return (pixelFormat & PixelFormatAlpha) != 0; }

}  // namespace

TGPImage TGPImage::FromBytes(TByteView data)
{
    TGPImage image;
    image.format_ = DetectImageFormat(data);
    const QImage decoded = DecodeImage(data);
    if (decoded.isNull()) {
        image.status_ = image.format_ == TImageFormat::Unknown ? UnknownImageFormat : GenericError;
        return image;
    }
    image.pixels_ = decoded.convertToFormat(QImage::Format_ARGB32);
    image.pixelFormat_ = FilePixelFormat(image.format_, data, decoded);
    image.status_ = Ok;
    return image;
}

TGPImage TGPImage::FromFile(const std::string& path) { return FromBytes(ReadFileBytes(path)); }

ARGB TGPImage::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    return pixels_.pixel(x, y);
}

TGPBitmap::TGPBitmap(int width, int height, int pixelFormat)
{
    pixels_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_ARGB32);
    pixels_.fill(HasAlpha(pixelFormat) ? Qt::transparent : Qt::black);
    format_ = TImageFormat::Unknown;
    pixelFormat_ = pixelFormat;
    status_ = width > 0 && height > 0 ? Ok : InvalidParameter;
}

TGPBitmap::TGPBitmap(int width, int height, int stride, int pixelFormat, const std::uint8_t* scan0)
    : TGPBitmap(width, height, pixelFormat)
{
    if (!scan0 || status_ != Ok)
        return;
    const int bytes = ((pixelFormat >> 8) & 0xFF) / 8;
    if (bytes != 3 && bytes != 4) {
        status_ = InvalidParameter;
        return;
    }
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = scan0 + static_cast<std::ptrdiff_t>(y) * stride;
        auto* line = reinterpret_cast<QRgb*>(pixels_.scanLine(y));
        for (int x = 0; x < width; ++x, row += bytes) {
            const int alpha = bytes == 4 && HasAlpha(pixelFormat) ? row[3] : 255;
            line[x] = qRgba(row[2], row[1], row[0], alpha);
        }
    }
    if (pixelFormat == PixelFormat32bppPARGB) {
        pixels_.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        pixels_ = pixels_.convertToFormat(QImage::Format_ARGB32);
    }
}

TGPBitmap::TGPBitmap(const TGPImage& image)
{
    pixels_ = image.Pixels().copy();
    format_ = image.RawFormat();
    pixelFormat_ = image.PixelFormat();
    status_ = image.Status();
}

TGPBitmap::TGPBitmap(const TBitmap& bitmap)
{
    pixels_ = bitmap.RenderImage().convertToFormat(QImage::Format_ARGB32);
    format_ = TImageFormat::Bmp;
    pixelFormat_ = bitmap.PixelFormat() == pf32bit ? PixelFormat32bppARGB : PixelFormat24bppRGB;
    status_ = pixels_.isNull() ? InvalidParameter : Ok;
}

void TGPBitmap::SetPixel(int x, int y, ARGB color)
{
    if (x >= 0 && y >= 0 && x < Width() && y < Height())
        pixels_.setPixel(x, y, color);
}

void TGPBitmap::ToBitmap(TBitmap& into, TColor background) const
{
    if (background == clNone) {
        into.AssignImage(pixels_);
        return;
    }
    QImage flat(pixels_.size(), QImage::Format_RGB32);
    flat.fill(ToQColor(background));
    QPainter painter(&flat);
    painter.drawImage(0, 0, pixels_);
    painter.end();
    into.AssignImage(flat);
}

void TGPImageAttributes::SetColorKey(ARGB low, ARGB high) { key_ = std::make_pair(low, high); }

void TGPImageAttributes::SetOpacity(float opacity)
{
    TColorMatrix matrix{};
    for (int i = 0; i < 5; ++i)
        matrix[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 1.0f;
    matrix[3][3] = opacity;
    matrix_ = matrix;
}

QImage TGPImageAttributes::Apply(const QImage& image) const
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            QRgb pixel = line[x];
            if (key_) {
                const ARGB low = key_->first, high = key_->second;
                auto inside = [&](int shift) {
                    const int value = (pixel >> shift) & 0xFF;
                    return value >= static_cast<int>((low >> shift) & 0xFF) && value <= static_cast<int>((high >> shift) & 0xFF);
                };
                if (inside(16) && inside(8) && inside(0)) {
                    line[x] = 0;
                    continue;
                }
            }
            if (matrix_) {
                const float in[5] = {qRed(pixel) / 255.0f, qGreen(pixel) / 255.0f, qBlue(pixel) / 255.0f,
                                     qAlpha(pixel) / 255.0f, 1.0f};
                int out[4];
                for (std::size_t column = 0; column < 4; ++column) {
                    float sum = 0;
                    for (std::size_t row = 0; row < 5; ++row)
                        sum += in[row] * (*matrix_)[row][column];
                    out[column] = std::clamp(static_cast<int>(sum * 255.0f + 0.5f), 0, 255);
                }
                pixel = qRgba(out[0], out[1], out[2], out[3]);
            }
            line[x] = pixel;
        }
    }
    return result;
}

}  // namespace tarvelon
