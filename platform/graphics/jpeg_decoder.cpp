// JPEG pictures through libjpeg; errors and warnings about damaged data jump back here (setjmp)
// instead of ending the program, and the picture counts as unreadable.
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

#include <csetjmp>
#include <memory>
#include <vector>

#include "platform/graphics/image_codecs.h"

namespace tarvelon {

namespace {

struct JpegFailure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void FailDecoding(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1); }

// Level -1 is a warning about corrupt data (a truncated file among them): the picture is damaged.
void OnMessage(j_common_ptr info, int level)
{
    if (level < 0)
        FailDecoding(info);
}

void Silent(j_common_ptr) {}

// Adobe's CMYK (stored inverted) to RGB.
void CmykRowToBgra(const std::uint8_t* cmyk, std::uint8_t* bgra, int width)
{
    for (int x = 0; x < width; ++x, cmyk += 4, bgra += 4) {
        const int k = cmyk[3];
        bgra[0] = static_cast<std::uint8_t>(cmyk[2] * k / 255);
        bgra[1] = static_cast<std::uint8_t>(cmyk[1] * k / 255);
        bgra[2] = static_cast<std::uint8_t>(cmyk[0] * k / 255);
        bgra[3] = 0xFF;
    }
}

struct JpegResult {
    QImage image;
    std::vector<std::uint8_t> cmykRow;
};

}  // namespace

QImage DecodeJpeg(TByteView data)
{
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return QImage();
    jpeg_decompress_struct decoder;
    JpegFailure failure;
    decoder.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = FailDecoding;
    failure.manager.emit_message = OnMessage;
    failure.manager.output_message = Silent;
    const auto result = std::make_unique<JpegResult>();
    if (setjmp(failure.jump)) {
        jpeg_destroy_decompress(&decoder);
        return QImage();
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&decoder, TRUE);
    // Before the decoder allocates: a progressive picture asks for whole-picture buffers at once.
    if (!IsAcceptableImageSize(decoder.image_width, decoder.image_height))
        FailDecoding(reinterpret_cast<j_common_ptr>(&decoder));
    const bool cmyk = decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK;
    decoder.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&decoder);
    result->image = AllocateDecodedImage(decoder.output_width, decoder.output_height, false);
    if (result->image.isNull() || decoder.output_components != 4)
        FailDecoding(reinterpret_cast<j_common_ptr>(&decoder));
    result->cmykRow.resize(static_cast<std::size_t>(decoder.output_width) * 4);
    while (decoder.output_scanline < decoder.output_height) {
        const int y = static_cast<int>(decoder.output_scanline);
        JSAMPROW row = cmyk ? result->cmykRow.data() : result->image.scanLine(y);
        if (jpeg_read_scanlines(&decoder, &row, 1) != 1)
            FailDecoding(reinterpret_cast<j_common_ptr>(&decoder));
        if (cmyk)
            CmykRowToBgra(result->cmykRow.data(), result->image.scanLine(y), result->image.width());
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return result->image;
}

}  // namespace tarvelon
