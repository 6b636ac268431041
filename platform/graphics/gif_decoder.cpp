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

// A frame's size as its descriptor gives it; an empty frame allocates nothing (and draws nothing).
bool AcceptableFrame(const GifImageDesc& frame)
{
    if (frame.Width <= 0 || frame.Height <= 0)
        return true;
    return IsAcceptableImageSize(frame.Width, frame.Height) &&
           IsAcceptableImageSize(frame.Left + frame.Width, frame.Top + frame.Height);
}

// DGifSlurp allocates a frame's pixels as soon as it has read the frame's descriptor. So a first pass
// reads the records with giflib's own readers, in DGifSlurp's order, measuring every frame and
// skipping its pixel data undecoded. A file that giflib cannot read passes: the slurp fails on it too,
// having allocated only for the frames before.
bool FrameSizesAcceptable(TByteView data)
{
    GifSource source{data, 0};
    int error = 0;
    const GifHandle gif(DGifOpen(&source, ReadFromMemory, &error));
    if (!gif)
        return true;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            return true;
        GifByteType* block = nullptr;
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
                return true;
            if (!AcceptableFrame(gif->Image))
                return false;
            int codeSize = 0;
            if (DGifGetCode(gif.get(), &codeSize, &block) == GIF_ERROR)
                return true;
            while (block)
                if (DGifGetCodeNext(gif.get(), &block) == GIF_ERROR)
                    return true;
        } else if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR)
                return true;
            // As DGifSlurp does: one more block is read after the first, even after an empty first.
            do {
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR)
                    return true;
            } while (block);
        } else if (type == TERMINATE_RECORD_TYPE) {
            return true;
        }
    }
}

// The whole file read, or null when it is not a complete GIF or a frame's size is not acceptable.
GifHandle Slurp(TByteView data, GifSource& source)
{
    if (!FrameSizesAcceptable(data))
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
