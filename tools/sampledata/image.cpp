#include "tools/sampledata/image.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>
#include <gif_lib.h>
#include <png.h>


namespace tarvelon::sampledata {

namespace {

void AppendBytes(std::string& out, const void* data, std::size_t size)
{
    out.append(static_cast<const char*>(data), size);
}

void AppendLe(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void PngWrite(png_structp png, png_bytep data, png_size_t size)
{
    AppendBytes(*static_cast<std::string*>(png_get_io_ptr(png)), data, size);
}

void PngFlush(png_structp) {}

std::uint8_t Over(std::uint8_t top, std::uint8_t bottom, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>((top * alpha + bottom * (255 - alpha) + 127) / 255);
}

}  // namespace

std::string EncodePng(const Image& image, bool withAlpha)
{
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("PNG encoder unavailable");
    }
    const int channels = withAlpha ? 4 : 3;
    std::vector<png_byte> rows(static_cast<std::size_t>(image.width * image.height * channels));
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const Rgba& p = image.pixels[i];
        png_byte* px = &rows[i * static_cast<std::size_t>(channels)];
        px[0] = p.r;
        px[1] = p.g;
        px[2] = p.b;
        if (withAlpha) {
            px[3] = p.a;
        }
    }
    std::vector<png_bytep> rowPointers(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        rowPointers[static_cast<std::size_t>(y)] = &rows[static_cast<std::size_t>(y * image.width * channels)];
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("PNG encoding failed");
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rowPointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string EncodeBmp(const Image& image, Rgba background)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    std::string out;
    out += "BM";
    AppendLe(out, 14 + 40 + dataBytes, 4);  // file size
    AppendLe(out, 0, 4);                    // reserved
    AppendLe(out, 14 + 40, 4);              // offset of the pixels
    AppendLe(out, 40, 4);                   // BITMAPINFOHEADER
    AppendLe(out, static_cast<std::uint32_t>(image.width), 4);
    AppendLe(out, static_cast<std::uint32_t>(image.height), 4);
    AppendLe(out, 1, 2);   // planes
    AppendLe(out, 24, 2);  // bits per pixel
    AppendLe(out, 0, 4);   // no compression
    AppendLe(out, dataBytes, 4);
    AppendLe(out, 2835, 4);  // 72 dpi
    AppendLe(out, 2835, 4);
    AppendLe(out, 0, 4);
    AppendLe(out, 0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            out += static_cast<char>(Over(p.b, background.b, p.a));
            out += static_cast<char>(Over(p.g, background.g, p.a));
            out += static_cast<char>(Over(p.r, background.r, p.a));
            written += 3;
        }
        out.append(rowBytes - written, '\0');
    }
    return out;
}

std::string EncodeJpeg(const Image& image, int quality)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(image.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            row[static_cast<std::size_t>(x) * 3] = p.r;
            row[static_cast<std::size_t>(x) * 3 + 1] = p.g;
            row[static_cast<std::size_t>(x) * 3 + 2] = p.b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

namespace {

constexpr int kCubeLevels = 6;
constexpr GifPixelType kTransparentIndex = 0;

int CubeLevel(std::uint8_t value) { return (value * (kCubeLevels - 1) + 127) / 255; }

GifPixelType CubeIndex(const Rgba& p)
{
    if (p.a < 128)
        return kTransparentIndex;
    return static_cast<GifPixelType>(1 + CubeLevel(p.r) * 36 + CubeLevel(p.g) * 6 + CubeLevel(p.b));
}

int AppendGifBytes(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

}  // namespace

std::string EncodeGif(const Image& image)
{
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendGifBytes, &error);
    if (!gif)
        throw std::runtime_error("GIF encoder unavailable");
    GifColorType colors[256] = {};
    for (int i = 0; i < kCubeLevels * kCubeLevels * kCubeLevels; ++i) {
        colors[1 + i] = {static_cast<GifByteType>(i / 36 * 51), static_cast<GifByteType>(i / 6 % 6 * 51),
                         static_cast<GifByteType>(i % 6 * 51)};
    }
    ColorMapObject* map = GifMakeMapObject(256, colors);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, image.width, image.height, 8, kTransparentIndex, map);
    GraphicsControlBlock control{};
    control.TransparentColor = kTransparentIndex;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr);
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            line[static_cast<std::size_t>(x)] = CubeIndex(image.at(x, y));
        EGifPutLine(gif, line.data(), image.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

}  // namespace tarvelon::sampledata
