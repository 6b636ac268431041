#include "platform/graphics/image_codecs.h"

#include <QFile>
#include <QFileInfo>

namespace tarvelon {

TImageFormat DetectImageFormat(TByteView data)
{
    auto starts = [&data](std::initializer_list<std::uint8_t> magic) {
        if (data.size() < magic.size())
            return false;
        std::size_t i = 0;
        for (std::uint8_t byte : magic)
            if (data[i++] != byte)
                return false;
        return true;
    };
    if (starts({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return TImageFormat::Png;
    if (starts({0xFF, 0xD8, 0xFF}))
        return TImageFormat::Jpeg;
    if (starts({'G', 'I', 'F', '8'}))
        return TImageFormat::Gif;
    if (starts({'B', 'M'}))
        return TImageFormat::Bmp;
    return TImageFormat::Unknown;
}

QImage DecodeImage(TByteView data)
{
    switch (DetectImageFormat(data)) {
    case TImageFormat::Png: return DecodePng(data);
    case TImageFormat::Jpeg: return DecodeJpeg(data);
    case TImageFormat::Gif: return DecodeGif(data, 1);
    case TImageFormat::Bmp: return DecodeBmp(data);
    case TImageFormat::Unknown: break;
    }
    return QImage();
}

bool IsAcceptableImageSize(long long width, long long height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

QImage AllocateDecodedImage(long long width, long long height, bool alpha)
{
    if (!IsAcceptableImageSize(width, height))
        return QImage();
    QImage image(static_cast<int>(width), static_cast<int>(height), alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    image.fill(alpha ? Qt::transparent : Qt::black);
    return image;
}

TBytes ReadFileBytes(const std::string& path)
{
    // Through Qt, so that pictures embedded in the program (":/...") load like files. Only a regular
    // file of a picture's size is read: a FIFO would wait for a writer, a device or a huge file
    // would be read without end or into gigabytes.
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.isFile() || info.size() > kMaxPictureFileBytes)
        return {};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Read whole (a read of the limit would ask for the limit's memory at once); a file that grew
    // past the limit since it was measured is still refused.
    const QByteArray content = file.readAll();
    if (content.size() > kMaxPictureFileBytes)
        return {};
    return TBytes(content.begin(), content.end());
}

}  // namespace tarvelon
