// GIF pictures through giflib: the chosen frame drawn at its place on the logical screen.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/graphics/image_codecs.h"

namespace tarvelon {

namespace {

struct GifSource {
    TByteView data;
    std::size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int count)
{
    auto* source = static_cast<GifSource*>(gif->UserData);
    const std::size_t available = std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)),
                                                        source->data.size() - source->position);
    if (available > 0)
        std::memcpy(out, source->data.data() + source->position, available);
    source->position += available;
    return static_cast<int>(available);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// Walks the file's blocks as giflib will (image descriptors, extensions and their data sub-blocks)
// and tells whether every frame's size is acceptable. giflib allocates a frame's pixels as soon as it
// has read its descriptor, so a damaged size must be refused before giflib reads the file. A file
// that ends early passes: giflib refuses it on its own, having allocated nothing too large.
class GifFrameSizes {
public:
    explicit GifFrameSizes(TByteView data) : data_(data) {}

    bool Acceptable()
    {
        constexpr std::size_t kScreenEnd = 13;  // signature and logical screen descriptor
        if (data_.size() < kScreenEnd)
            return true;
        at_ = kScreenEnd;
        SkipColorTable(data_[10]);
        while (at_ < data_.size()) {
            const std::uint8_t block = data_[at_++];
            if (block == 0x2C) {
                if (at_ + 9 > data_.size())
                    return true;
                const int left = Word(at_), top = Word(at_ + 2), width = Word(at_ + 4), height = Word(at_ + 6);
                // An empty frame allocates nothing (and is refused when drawn).
                if (width > 0 && height > 0 &&
                    (!IsAcceptableImageSize(width, height) || !IsAcceptableImageSize(left + width, top + height)))
                    return false;
                const std::uint8_t flags = data_[at_ + 8];
                at_ += 9;
                SkipColorTable(flags);
                ++at_;  // the LZW code size
                SkipSubBlocks();
            } else if (block == 0x21) {
                ++at_;  // the extension's label
                SkipSubBlocks();
            } else {
                return true;  // the trailer, or something giflib refuses
            }
        }
        return true;
    }

private:
    int Word(std::size_t at) const { return data_[at] | (data_[at + 1] << 8); }
    void SkipColorTable(std::uint8_t flags)
    {
        if (flags & 0x80)
            at_ += 3u << ((flags & 7) + 1);
    }
    void SkipSubBlocks()
    {
        while (at_ < data_.size() && data_[at_] != 0)
            at_ += 1u + data_[at_];
        ++at_;
    }

    TByteView data_;
    std::size_t at_ = 0;
};

// The whole file read, or null when it is not a complete GIF or a frame's size is not acceptable.
GifHandle Slurp(TByteView data, GifSource& source)
{
    if (!GifFrameSizes(data).Acceptable())
        return nullptr;
    source = GifSource{data, 0};
    int error = 0;
    GifHandle gif(DGifOpen(&source, ReadFromMemory, &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK)
        return nullptr;
    return gif;
}

int TransparentIndex(GifFileType* gif, int image)
{
    GraphicsControlBlock control;
    if (DGifSavedExtensionToGCB(gif, image, &control) != GIF_OK)
        return NO_TRANSPARENT_COLOR;
    return control.TransparentColor;
}

}  // namespace

TGifScreen GifLogicalScreen(TByteView data)
{
    if (data.size() < 10 || DetectImageFormat(data) != TImageFormat::Gif)
        return {};
    return {data[6] | (data[7] << 8), data[8] | (data[9] << 8)};
}

int CountGifFrames(TByteView data)
{
    GifSource source;
    const GifHandle gif = Slurp(data, source);
    return gif ? gif->ImageCount : -1;
}

QImage DecodeGif(TByteView data, int frame)
{
    GifSource source;
    const GifHandle gif = Slurp(data, source);
    if (!gif || frame < 1 || frame > gif->ImageCount)
        return QImage();
    const SavedImage& picture = gif->SavedImages[frame - 1];
    const GifImageDesc& place = picture.ImageDesc;
    const ColorMapObject* colors = place.ColorMap ? place.ColorMap : gif->SColorMap;
    if (!colors || !picture.RasterBits || place.Width <= 0 || place.Height <= 0)
        return QImage();
    const int screenWidth = std::max<int>(gif->SWidth, place.Left + place.Width);
    const int screenHeight = std::max<int>(gif->SHeight, place.Top + place.Height);
    const int transparent = TransparentIndex(gif.get(), frame - 1);
    const bool covers = place.Left == 0 && place.Top == 0 && place.Width == screenWidth && place.Height == screenHeight;
    QImage image = AllocateDecodedImage(screenWidth, screenHeight, transparent != NO_TRANSPARENT_COLOR || !covers);
    if (image.isNull())
        return QImage();
    for (int y = 0; y < place.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(place.Top + y));
        const GifByteType* indexes = picture.RasterBits + static_cast<std::size_t>(y) * place.Width;
        for (int x = 0; x < place.Width; ++x) {
            const int index = indexes[x];
            if (index == transparent || index >= colors->ColorCount)
                continue;
            const GifColorType& color = colors->Colors[index];
            line[place.Left + x] = qRgb(color.Red, color.Green, color.Blue);
        }
    }
    return image;
}

}  // namespace tarvelon
