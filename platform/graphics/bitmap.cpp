#include "platform/graphics/bitmap.h"

#include <QPainter>
#include <fstream>

namespace tarvelon {

namespace {

QImage::Format QtFormat(TPixelFormat format)
{
    return format == pf32bit ? QImage::Format_ARGB32 : QImage::Format_BGR888;
}

TPixelFormat KeptFormat(TPixelFormat format) { return format == pf32bit ? pf32bit : pf24bit; }

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>()) { Rebind(); }

TBitmap::TBitmap(int width, int height, TPixelFormat format) : TBitmap()
{
    format_ = KeptFormat(format);
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::Rebind() { canvas_->SetTarget(image_.isNull() ? nullptr : &image_); }

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height() && !(image_.isNull() && width > 0 && height > 0))
        return;
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, QtFormat(format_));
        resized.fill(Qt::white);
        if (!image_.isNull()) {
            QPainter painter(&resized);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, image_);
        }
    }
    image_ = resized;
    Rebind();
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    format = KeptFormat(format);
    if (format == format_)
        return;
    format_ = format;
    if (!image_.isNull())
        image_ = image_.convertToFormat(QtFormat(format_));
    Rebind();
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int y)
{
    if (y < 0 || y >= Height())
        return nullptr;
    return image_.scanLine(y);
}

const std::uint8_t* TBitmap::ScanLine(int y) const
{
    if (y < 0 || y >= Height())
        return nullptr;
    return image_.constScanLine(y);
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed && transparentColor_ != clDefault)
        return transparentColor_;
    if (image_.isNull())
        return clDefault;
    return FromQColor(QColor(image_.pixel(0, Height() - 1)));
}

void TBitmap::SetTransparentColor(TColor color)
{
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == transparentMode_)
        return;
    transparentMode_ = mode;
    if (mode == tmAuto)
        transparentColor_ = clDefault;
    Changed();
}

void TBitmap::SetAlphaFormat(TAlphaFormat format)
{
    if (format == alphaFormat_)
        return;
    alphaFormat_ = format;
    Changed();
}

bool TBitmap::LoadFromBytes(TByteView data)
{
    AssignImage(DecodeImage(data));
    return !image_.isNull();
}

bool TBitmap::LoadFromFile(const std::string& path) { return LoadFromBytes(ReadFileBytes(path)); }

TBytes TBitmap::SaveToBytes() const { return EncodeBmp(image_); }

bool TBitmap::SaveToFile(const std::string& path) const
{
    const TBytes bytes = SaveToBytes();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this)
        return;
    format_ = source.format_;
    image_ = source.image_.copy();
    transparentColor_ = source.transparentColor_;
    transparentMode_ = source.transparentMode_;
    alphaFormat_ = source.alphaFormat_;
    SetTransparent(source.Transparent());
    Rebind();
    Changed();
}

void TBitmap::AssignImage(const QImage& image)
{
    format_ = image.hasAlphaChannel() ? pf32bit : pf24bit;
    alphaFormat_ = image.hasAlphaChannel() ? afDefined : afIgnored;
    image_ = image.isNull() ? QImage() : image.convertToFormat(QtFormat(format_));
    Rebind();
    Changed();
}

QImage TBitmap::RenderImage() const
{
    if (image_.isNull())
        return QImage();
    QImage pixels = image_;
    if (format_ == pf32bit && alphaFormat_ == afIgnored)
        pixels = image_.convertToFormat(QImage::Format_RGB32);
    else if (format_ == pf32bit && alphaFormat_ == afPremultiplied)
        pixels.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    if (Transparent())
        return KeyOutColor(pixels, TransparentColor());
    return pixels.hasAlphaChannel() ? pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied) : pixels;
}

QImage KeyOutColor(const QImage& image, TColor key)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = ToQColor(key).rgb() & 0xFFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) == keyRgb)
                line[x] = 0;
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace tarvelon
