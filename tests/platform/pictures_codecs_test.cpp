// The picture decoders: small pictures written by the test itself (PNG, JPEG and GIF with their
// libraries, BMP by hand) decode with the right size and colours, and damaged copies (cut short,
// bytes flipped) never crash; a cut-short file always reads as empty.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <QTemporaryDir>
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

#include "platform/graphics/image_codecs.h"
#include "platform/graphics/picture.h"

namespace tarvelon {
namespace {

// A 6 x 4 test picture: red left half, blue right half, the bottom row green.
QRgb SampleColor(int x, int y)
{
    if (y == 3)
        return qRgb(0, 255, 0);
    return x < 3 ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
}
constexpr int kWidth = 6, kHeight = 4;

void AppendPng(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<TBytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// A PNG of the given colour type and depth from raw rows, with an optional palette and tRNS.
TBytes MakeRawPng(int colorType, int depth, const std::vector<std::vector<png_byte>>& rows, int width,
                  const std::vector<png_color>& palette = {}, const std::vector<png_byte>& transparency = {},
                  bool interlaced = false)
{
    TBytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPng, nullptr);
    png_set_IHDR(png, info, width, static_cast<png_uint_32>(rows.size()), depth, colorType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!transparency.empty())
        png_set_tRNS(png, info, transparency.data(), static_cast<int>(transparency.size()), nullptr);
    png_write_info(png, info);
    std::vector<png_bytep> pointers;
    for (const auto& row : rows)
        pointers.push_back(const_cast<png_bytep>(row.data()));
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TBytes MakePng(bool alpha, bool interlaced = false)
{
    std::vector<std::vector<png_byte>> rows(kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = SampleColor(x, y);
            rows[y].insert(rows[y].end(), {png_byte(qRed(c)), png_byte(qGreen(c)), png_byte(qBlue(c))});
            if (alpha)
                rows[y].push_back(x == 0 ? 0 : 255);
        }
    }
    return MakeRawPng(alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, 8, rows, kWidth, {}, {}, interlaced);
}

TBytes MakeJpeg(int width, int height)
{
    jpeg_compress_struct encoder;
    jpeg_error_mgr errors;
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = width;
    encoder.image_height = height;
    encoder.input_components = 3;
    encoder.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    jpeg_start_compress(&encoder, TRUE);
    std::vector<JSAMPLE> row(width * 3);
    while (encoder.next_scanline < encoder.image_height) {
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            row[x * 3] = left ? 250 : 10;
            row[x * 3 + 1] = 20;
            row[x * 3 + 2] = left ? 10 : 240;
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&encoder, &pointer, 1);
    }
    jpeg_finish_compress(&encoder);
    TBytes out(buffer, buffer + size);
    jpeg_destroy_compress(&encoder);
    std::free(buffer);
    return out;
}

int AppendGif(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<TBytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

// Three frames of 6 x 4 on an 8 x 5 screen; frame f is filled with colour index f, and frame 2
// sits at (1, 1) with index 0 transparent in its first column.
TBytes MakeGif(bool interlaced = false)
{
    TBytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendGif, &error);
    EGifSetGifVersion(gif, true);
    const GifColorType colors[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colors);
    EGifPutScreenDesc(gif, 8, 5, 2, 0, map);
    for (int frame = 1; frame <= 3; ++frame) {
        GraphicsControlBlock control{};
        control.TransparentColor = frame == 2 ? 0 : NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
        const int left = frame == 2 ? 1 : 0;
        EGifPutImageDesc(gif, left, left, kWidth, kHeight, interlaced, nullptr);
        // Interlaced data is written in pass order: rows 0, 2, 1, 3 for four rows.
        for (int row : interlaced ? std::vector<int>{0, 2, 1, 3} : std::vector<int>{0, 1, 2, 3}) {
            std::vector<GifPixelType> line(kWidth, static_cast<GifPixelType>(frame));
            if (frame == 2)
                line[0] = 0;
            if (row == 3)
                line[kWidth - 1] = 3;  // marks the last row, to see the row order
            EGifPutLine(gif, line.data(), kWidth);
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

void PutU16(TBytes& out, unsigned v) { out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); }
void PutU32(TBytes& out, unsigned v) { PutU16(out, v & 0xFFFF); PutU16(out, v >> 16); }

// A BMP written by hand: 24 bits (or 32, or 8 with a palette, or 4-bit RLE), bottom-up or top-down.
TBytes MakeBmp(int bits, bool topDown, unsigned compression = 0)
{
    TBytes pixels;
    const int paletteCount = bits <= 8 ? (1 << bits) : 0;
    auto index = [](QRgb c) { return c == qRgb(255, 0, 0) ? 1 : c == qRgb(0, 0, 255) ? 2 : 3; };
    for (int row = 0; row < kHeight; ++row) {
        const int y = topDown ? row : kHeight - 1 - row;
        TBytes line;
        if (compression == 2) {  // RLE4: one literal run of the row, then end of line
            line = {0, kWidth};
            for (int x = 0; x < kWidth; x += 2)
                line.push_back(std::uint8_t(index(SampleColor(x, y)) << 4 | index(SampleColor(x + 1, y))));
            line.push_back(0);  // pad the literal to 16 bits
            line.insert(line.end(), {0, 0});
            pixels.insert(pixels.end(), line.begin(), line.end());
            continue;
        }
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = SampleColor(x, y);
            if (bits == 8)
                line.push_back(std::uint8_t(index(c)));
            else
                line.insert(line.end(), {std::uint8_t(qBlue(c)), std::uint8_t(qGreen(c)), std::uint8_t(qRed(c))});
            if (bits == 32)
                line.push_back(x == 0 ? 0 : 255);
        }
        while (line.size() % 4)
            line.push_back(0);
        pixels.insert(pixels.end(), line.begin(), line.end());
    }
    if (compression == 2)
        pixels.insert(pixels.end(), {0, 1});
    TBytes out{'B', 'M'};
    const unsigned offset = 54 + paletteCount * 4;
    PutU32(out, offset + static_cast<unsigned>(pixels.size()));
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, 40);
    PutU32(out, kWidth);
    PutU32(out, topDown ? static_cast<unsigned>(-kHeight) : kHeight);
    PutU16(out, 1);
    PutU16(out, bits);
    PutU32(out, compression);
    PutU32(out, static_cast<unsigned>(pixels.size()));
    PutU32(out, 3780);
    PutU32(out, 3780);
    PutU32(out, 0);
    PutU32(out, 0);
    const QRgb palette[4] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0)};
    for (int i = 0; i < paletteCount; ++i) {
        const QRgb c = i < 4 ? palette[i] : qRgb(9, 9, 9);
        out.insert(out.end(), {std::uint8_t(qBlue(c)), std::uint8_t(qGreen(c)), std::uint8_t(qRed(c)), 0});
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

void ExpectSample(const QImage& image)
{
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 1; x < kWidth; ++x)
            EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, SampleColor(x, y) & 0xFFFFFF) << x << "," << y;
}

// Every shorter copy reads as empty; every copy with one byte changed decodes without crashing
// (and reads as empty too when the format has checksums).
template <typename Decode>
void ExpectDamageIsHarmless(const TBytes& good, Decode decode, bool flipsMayDecode)
{
    for (std::size_t length = 0; length + 1 < good.size(); length += std::max<std::size_t>(1, good.size() / 64))
        EXPECT_TRUE(decode(TByteView(good.data(), length)).isNull()) << "cut at " << length;
    for (std::size_t position = 0; position < good.size(); ++position) {
        TBytes bad = good;
        bad[position] ^= 0x5A;
        const QImage image = decode(TByteView(bad));
        if (!flipsMayDecode) {
            EXPECT_TRUE(image.isNull()) << "byte " << position;
        }
    }
}

TEST(PictureCodecs, PngDecodesWithAndWithoutAlpha)
{
    const QImage opaque = DecodePng(MakePng(false));
    ExpectSample(opaque);
    EXPECT_FALSE(opaque.hasAlphaChannel());
    const QImage withAlpha = DecodePng(MakePng(true));
    ExpectSample(withAlpha);
    EXPECT_EQ(qAlpha(withAlpha.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(withAlpha.pixel(1, 0)), 255);
    ExpectSample(DecodePng(MakePng(false, true)));
    EXPECT_EQ(DetectImageFormat(MakePng(false)), TImageFormat::Png);
}

TEST(PictureCodecs, JpegDecodesNearTheColoursWritten)
{
    const QImage image = DecodeJpeg(MakeJpeg(16, 8));
    ASSERT_EQ(image.size(), QSize(16, 8));
    EXPECT_GT(qRed(image.pixel(2, 4)), 200);
    EXPECT_LT(qBlue(image.pixel(2, 4)), 60);
    EXPECT_GT(qBlue(image.pixel(13, 4)), 200);
    EXPECT_EQ(DetectImageFormat(MakeJpeg(16, 8)), TImageFormat::Jpeg);
}

TEST(PictureCodecs, GifFramesOnTheLogicalScreen)
{
    for (bool interlaced : {false, true}) {
        const TBytes gif = MakeGif(interlaced);
        EXPECT_EQ(CountGifFrames(gif), 3);
        EXPECT_EQ(GifLogicalScreen(gif).width, 8);
        EXPECT_EQ(GifLogicalScreen(gif).height, 5);
        const QImage first = DecodeGif(gif, 1);
        ASSERT_EQ(first.size(), QSize(8, 5));
        EXPECT_EQ(first.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(first.pixel(5, 3), qRgb(0, 0, 255)) << "last row marked, interlaced " << interlaced;
        EXPECT_EQ(first.pixel(5, 2), qRgb(255, 0, 0));
        EXPECT_EQ(qAlpha(first.pixel(7, 4)), 0);  // outside the frame
        const QImage second = DecodeGif(gif, 2);
        EXPECT_EQ(qAlpha(second.pixel(1, 1)), 0);  // transparent index
        EXPECT_EQ(second.pixel(2, 1), qRgb(0, 255, 0));
        EXPECT_EQ(qAlpha(second.pixel(0, 0)), 0);
        EXPECT_TRUE(DecodeGif(gif, 4).isNull());
        EXPECT_TRUE(DecodeGif(gif, 0).isNull());
    }
}

TEST(PictureCodecs, BmpVariants)
{
    ExpectSample(DecodeBmp(MakeBmp(24, false)));
    ExpectSample(DecodeBmp(MakeBmp(24, true)));
    ExpectSample(DecodeBmp(MakeBmp(8, false)));
    ExpectSample(DecodeBmp(MakeBmp(4, false, 2)));
    const QImage alpha = DecodeBmp(MakeBmp(32, true));
    ExpectSample(alpha);
    EXPECT_EQ(qAlpha(alpha.pixel(0, 0)), 0);
    // What we write we read back.
    ExpectSample(DecodeBmp(EncodeBmp(DecodeBmp(MakeBmp(24, false)))));
    const QImage again = DecodeBmp(EncodeBmp(alpha));
    ExpectSample(again);
    EXPECT_EQ(qAlpha(again.pixel(0, 0)), 0);
}

TEST(PictureCodecs, DamagedPicturesAreEmptyNotFatal)
{
    ExpectDamageIsHarmless(MakePng(true), [](TByteView d) { return DecodePng(d); }, false);
    ExpectDamageIsHarmless(MakeJpeg(16, 8), [](TByteView d) { return DecodeJpeg(d); }, true);
    ExpectDamageIsHarmless(MakeGif(), [](TByteView d) { return DecodeGif(d, 2); }, true);
    ExpectDamageIsHarmless(MakeBmp(24, false), [](TByteView d) { return DecodeBmp(d); }, true);
    ExpectDamageIsHarmless(MakeBmp(8, true), [](TByteView d) { return DecodeBmp(d); }, true);
    ExpectDamageIsHarmless(MakeBmp(4, false, 2), [](TByteView d) { return DecodeBmp(d); }, true);
    // A PNG with a changed byte inside a chunk fails its checksum.
    TBytes png = MakePng(false);
    png[png.size() / 2] ^= 0xFF;
    EXPECT_TRUE(DecodePng(png).isNull());
    // Absurd sizes are refused before anything is allocated.
    TBytes huge = MakeBmp(24, false);
    huge[18] = 0xFF;
    huge[19] = 0xFF;
    huge[20] = 0xFF;
    huge[21] = 0x7F;
    EXPECT_TRUE(DecodeBmp(huge).isNull());
    EXPECT_TRUE(AllocateDecodedImage(kMaxImageSide, kMaxImageSide, true).isNull());
    EXPECT_FALSE(AllocateDecodedImage(kMaxImageSide, 16, true).isNull());
    EXPECT_TRUE(DecodeImage(TBytes{1, 2, 3}).isNull());
    EXPECT_TRUE(DecodeImage(TBytes{}).isNull());
}

TEST(PictureCodecs, SizesBeyondTheLimitsAreRefusedBeforeDecoding)
{
    // A 35-byte GIF whose one frame claims 65535 x 32768 pixels (giflib would ask for 2 GB), and a
    // progressive JPEG that claims 16384 x 65500 (libjpeg would ask for 1 GB of coefficients). The
    // replay test runs them again under a cap on single allocations.
    TBytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF,
                  0x2C, 0, 0, 0, 0, 0xFF, 0xFF, 0x00, 0x80, 0, 2, 2, 0x4C, 1, 0, 0x3B};
    ASSERT_EQ(gif.size(), 35u);
    EXPECT_TRUE(DecodeGif(gif).isNull());
    EXPECT_EQ(CountGifFrames(gif), -1);
    gif[24] = 6;  // 6 x 32768: still too many rows
    gif[25] = 0;
    EXPECT_EQ(CountGifFrames(gif), -1);
    gif[27] = 0;  // 6 x 0: an empty frame allocates nothing and reads as a frame that draws nothing
    EXPECT_TRUE(DecodeGif(gif).isNull());
    // giflib reads one more block after an extension's empty first block: the frame after it is
    // measured where giflib will find it.
    const TBytes afterEmptyExtension = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x21, 0x0B, 0, 0,
                                        0x2C, 0, 0, 0, 0, 0x01, 0xF3, 0x00, 0x3B, 0, 2, 2, 0x44, 1, 0, 0x3B};
    EXPECT_EQ(CountGifFrames(afterEmptyExtension), -1);

    TBytes jpeg = MakeJpeg(12, 8);
    const unsigned char startOfFrame[] = {0xFF, 0xC0};
    const auto frame = std::search(jpeg.begin(), jpeg.end(), std::begin(startOfFrame), std::end(startOfFrame));
    ASSERT_NE(frame, jpeg.end());
    frame[1] = 0xC2;  // progressive
    frame[5] = 0xFF;  // 65500 rows
    frame[6] = 0xDC;
    frame[7] = 0x40;  // 16384 columns
    frame[8] = 0x00;
    EXPECT_TRUE(DecodeJpeg(jpeg).isNull());
    EXPECT_FALSE(IsAcceptableImageSize(16384, 65500));
    EXPECT_TRUE(IsAcceptableImageSize(16384, 2048));
}

TEST(PictureCodecs, PngColourTypes)
{
    const QImage grey = DecodePng(MakeRawPng(PNG_COLOR_TYPE_GRAY, 8, {{0, 128, 255}}, 3));
    ASSERT_EQ(grey.size(), QSize(3, 1));
    EXPECT_EQ(grey.pixel(1, 0), qRgb(128, 128, 128));
    const QImage palette = DecodePng(MakeRawPng(PNG_COLOR_TYPE_PALETTE, 8, {{0, 1, 1}}, 3,
                                                {{255, 0, 0}, {0, 0, 255}}, {0}));
    ASSERT_FALSE(palette.isNull());
    EXPECT_EQ(qAlpha(palette.pixel(0, 0)), 0);
    EXPECT_EQ(palette.pixel(2, 0), qRgb(0, 0, 255));
    const QImage deep = DecodePng(MakeRawPng(PNG_COLOR_TYPE_RGB, 16, {{0xFF, 0xFF, 0, 0, 0x80, 0}}, 1));
    ASSERT_FALSE(deep.isNull());
    EXPECT_EQ(deep.pixel(0, 0), qRgb(255, 0, 128));
    const QImage bits = DecodePng(MakeRawPng(PNG_COLOR_TYPE_GRAY, 1, {{0xA0}}, 3));
    ASSERT_FALSE(bits.isNull());
    EXPECT_EQ(bits.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(bits.pixel(1, 0), qRgb(0, 0, 0));
}

TEST(PictureCodecs, CmykJpegComesOutInRgb)
{
    jpeg_compress_struct encoder;
    jpeg_error_mgr errors;
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = 8;
    encoder.image_height = 8;
    encoder.input_components = 4;
    encoder.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 100, TRUE);
    jpeg_start_compress(&encoder, TRUE);
    std::vector<JSAMPLE> row(8 * 4);
    for (int x = 0; x < 8; ++x) {  // stored inverted: 255 is no ink; this is magenta
        row[x * 4] = 255;
        row[x * 4 + 1] = 0;
        row[x * 4 + 2] = 255;
        row[x * 4 + 3] = 255;
    }
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&encoder, &pointer, 1);
    }
    jpeg_finish_compress(&encoder);
    const TBytes bytes(buffer, buffer + size);
    jpeg_destroy_compress(&encoder);
    std::free(buffer);
    const QImage image = DecodeJpeg(bytes);
    ASSERT_EQ(image.size(), QSize(8, 8));
    EXPECT_GT(qRed(image.pixel(4, 4)), 240);
    EXPECT_LT(qGreen(image.pixel(4, 4)), 15);
    EXPECT_GT(qBlue(image.pixel(4, 4)), 240);
}

// A BMP of any header and body, for the rarer layouts.
TBytes BmpFile(const TBytes& info, const TBytes& palette, const TBytes& pixels)
{
    TBytes out{'B', 'M'};
    const unsigned offset = 14 + static_cast<unsigned>(info.size() + palette.size());
    PutU32(out, offset + static_cast<unsigned>(pixels.size()));
    PutU32(out, 0);
    PutU32(out, offset);
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), palette.begin(), palette.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

TBytes InfoHeader(int width, int height, int bits, unsigned compression, const std::vector<unsigned>& masks = {})
{
    TBytes info;
    PutU32(info, 40);
    PutU32(info, static_cast<unsigned>(width));
    PutU32(info, static_cast<unsigned>(height));
    PutU16(info, 1);
    PutU16(info, static_cast<unsigned>(bits));
    PutU32(info, compression);
    for (int i = 0; i < 5; ++i)
        PutU32(info, 0);
    for (unsigned mask : masks)
        PutU32(info, mask);
    return info;
}

TEST(PictureCodecs, RarerBmpLayouts)
{
    // 1 bit, two rows bottom-up: the top row is 10100000.
    const TBytes mono = BmpFile(InfoHeader(3, 2, 1, 0), {0, 0, 0, 0, 255, 255, 255, 0},
                                {0x40, 0, 0, 0, 0xA0, 0, 0, 0});
    QImage image = DecodeBmp(mono);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));

    // 16 bits 5-6-5 with bit fields: pure green.
    image = DecodeBmp(BmpFile(InfoHeader(2, 1, 16, 3, {0xF800, 0x07E0, 0x001F}), {}, {0xE0, 0x07, 0x1F, 0x00}));
    ASSERT_EQ(image.size(), QSize(2, 1));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 255));

    // 16 bits without fields: 5-5-5.
    image = DecodeBmp(BmpFile(InfoHeader(1, 1, 16, 0), {}, {0x00, 0x7C, 0, 0}));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));

    // The old 12-byte header with 3-byte palette entries (green, blue).
    TBytes core;
    PutU32(core, 12);
    PutU16(core, 2);
    PutU16(core, 1);
    PutU16(core, 1);
    PutU16(core, 1);
    image = DecodeBmp(BmpFile(core, {0, 255, 0, 255, 0, 0}, {0x40, 0, 0, 0}));
    ASSERT_EQ(image.size(), QSize(2, 1));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 255));

    // RLE8: a run, a move, literals; untouched pixels take palette entry 0.
    TBytes palette;
    for (QRgb c : {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0)})
        palette.insert(palette.end(), {std::uint8_t(qBlue(c)), std::uint8_t(qGreen(c)), std::uint8_t(qRed(c)), 0});
    palette.resize(256 * 4);
    const TBytes rle = {3, 1, 0, 0, 0, 2, 1, 0, 0, 3, 2, 1, 2, 0, 0, 1};  // row 0: 1 1 1; move; row 1: . 2 1 2
    image = DecodeBmp(BmpFile(InfoHeader(4, 2, 8, 1), palette, rle));
    ASSERT_EQ(image.size(), QSize(4, 2));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));  // file row 0 is the bottom row
    EXPECT_EQ(image.pixel(3, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 0, 0));
    // An RLE stream without its end mark is damaged.
    EXPECT_TRUE(DecodeBmp(BmpFile(InfoHeader(4, 2, 8, 1), palette, {3, 1, 0, 0})).isNull());
    // A palette that runs past the data.
    EXPECT_TRUE(DecodeBmp(BmpFile(InfoHeader(4, 2, 8, 0), {0, 0}, {})).isNull());
}

TEST(PictureCodecs, PictureLoadsEveryFormatAndEmptiesOnDamage)
{
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    EXPECT_TRUE(picture.LoadFromBytes(MakePng(false)));
    EXPECT_EQ(picture.Width(), kWidth);
    EXPECT_NE(dynamic_cast<TImageGraphic*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(picture.LoadFromBytes(MakeBmp(24, false)));
    EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(picture.LoadFromBytes(MakeGif()));
    EXPECT_EQ(picture.Width(), 8);
    TBytes cut = MakeJpeg(16, 8);
    cut.resize(cut.size() / 2);
    EXPECT_FALSE(picture.LoadFromBytes(cut));
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_FALSE(picture.LoadFromFile("/nonexistent/escudo.png"));
    EXPECT_FALSE(picture.LoadFromFile(":/nonexistent/escudo.png"));
    EXPECT_EQ(changes, 6);
    // Files on disk load too.
    const QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("escudo_teste.png")).toStdString();
    {
        const TBytes png = MakePng(true);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(png.data(), 1, png.size(), file);
        std::fclose(file);
    }
    EXPECT_TRUE(picture.LoadFromFile(path));
    EXPECT_EQ(picture.Height(), kHeight);
    // A decoded picture becomes a bitmap with its pixels.
    picture.LoadFromBytes(MakePng(false));
    EXPECT_EQ(picture.Bitmap().Width(), kWidth);
    EXPECT_EQ(picture.Bitmap().Canvas().Pixel(4, 0), clBlue);
}

// A picture file that is a FIFO, a device or far larger than any picture the decoders take is
// refused at once: no waiting for a writer, no reading without end, no gigabytes asked for. One of
// the largest size is still read.
TEST(PictureCodecs, FifosDevicesAndHugeFilesAreRefusedUnread)
{
    const QTemporaryDir folder;
    const auto at = [&folder](const char* name) { return folder.filePath(QString::fromLatin1(name)).toStdString(); };
    ASSERT_EQ(::mkfifo(at("fila.png").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", at("zero.png").c_str()), 0);
    const auto sparse = [](const std::string& path, off_t size) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
        const bool made = fd >= 0 && ::ftruncate(fd, size) == 0;
        if (fd >= 0) ::close(fd);
        return made;
    };
    ASSERT_TRUE(sparse(at("enorme.png"), 64LL << 30));
    TPicture picture;
    for (const char* name : {"fila.png", "zero.png", "enorme.png"}) {
        EXPECT_FALSE(picture.LoadFromFile(at(name))) << name;
        EXPECT_TRUE(ReadFileBytes(at(name)).empty()) << name;
    }
    ASSERT_TRUE(sparse(at("enorme.png"), kMaxPictureFileBytes));
    EXPECT_EQ(ReadFileBytes(at("enorme.png")).size(), static_cast<std::size_t>(kMaxPictureFileBytes));
}

}  // namespace
}  // namespace tarvelon
