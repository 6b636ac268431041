// PNG pictures through libpng; errors jump back here (setjmp) instead of ending the program.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <memory>

#include "platform/graphics/image_codecs.h"

namespace tarvelon {

namespace {

struct PngSource {
    TByteView data;
    std::size_t position = 0;
};

// What the decoding fills in; lives on the heap so that a jump back leaves it consistent.
struct PngResult {
    QImage image;
    std::vector<png_bytep> rows;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->data.size() - source->position)
        png_error(png, "truncated");
    std::memcpy(out, source->data.data() + source->position, count);
    source->position += count;
}

[[noreturn]] void FailDecoding(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void IgnoreWarning(png_structp, png_const_charp) {}

}  // namespace

QImage DecodePng(TByteView data)
{
    if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0)
        return QImage();
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, FailDecoding, IgnoreWarning);
    if (!png)
        return QImage();
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return QImage();
    }
    PngSource source{data, 0};
    const auto result = std::make_unique<PngResult>();
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return QImage();
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_read_info(png, info);

    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const int colorType = png_get_color_type(png, info);
    const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    png_set_strip_16(png);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0)
        png_set_gray_to_rgb(png);
    png_set_bgr(png);
    if (!alpha)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    result->image = AllocateDecodedImage(width, height, alpha);
    if (result->image.isNull() || png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4)
        png_error(png, "unsupported layout");
    for (png_uint_32 y = 0; y < height; ++y)
        result->rows.push_back(result->image.scanLine(static_cast<int>(y)));
    png_read_image(png, result->rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return result->image;
}

}  // namespace tarvelon
