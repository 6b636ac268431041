// Pictures: input = the reader (1 byte) + the file. The game's decoders (PNG, JPEG, GIF, BMP, by the
// detected format), the GIF's frames and screen, the drawn controls' header readers (by extension) and
// their encoded picture. A decoder gives a picture within the size limits or nothing; the limits are
// applied before the decoder allocates (the fuzzing program's malloc limit catches a decoder that asks
// first).
#include "controls/dc_smooth_gdip.h"
#include "platform/graphics/image_codecs.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

using namespace tarvelon;

void ExpectWithinLimits(const QImage& image)
{
    fuzz::Expect(image.isNull() || (image.width() <= kMaxImageSide && image.height() <= kMaxImageSide &&
                                    static_cast<long long>(image.width()) * image.height() <= kMaxImagePixels),
                 "a decoded picture lies within the size limits");
}

void ReadHeaderSize(const TBytes& bytes, std::uint8_t which)
{
    static const char* const kExtensions[] = {".jpg", ".png", ".bmp", ".tiff", ".gif"};
    const std::string path = fuzz::ScratchFolder() + "/picture" + kExtensions[which % std::size(kExtensions)];
    fuzz::WriteFileBytes(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    ReadImageHeaderSize(path);
}

}  // namespace

TARVELON_FUZZ_TARGET(picture)
{
    fuzz::InputReader input(data, size);
    const std::uint8_t reader = input.Byte();
    const std::string_view rest = input.Rest();
    const TBytes bytes(rest.begin(), rest.end());
    switch (reader % 8) {
    case 0: ExpectWithinLimits(DecodePng(bytes)); break;
    case 1: ExpectWithinLimits(DecodeJpeg(bytes)); break;
    case 2: ExpectWithinLimits(DecodeGif(bytes, 1 + reader / 8 % 4)); break;
    case 3: ExpectWithinLimits(DecodeBmp(bytes)); break;
    case 4:
        CountGifFrames(bytes);
        GifLogicalScreen(bytes);
        break;
    case 5: ReadHeaderSize(bytes, reader / 8); break;
    case 6: {
        fuzz::EnsureApplication();
        TDcGDIPPicture picture;
        picture.LoadFromStream(bytes);
        ExpectWithinLimits(picture.RenderImage());
        break;
    }
    default: ExpectWithinLimits(DecodeImage(bytes)); break;
    }
}
