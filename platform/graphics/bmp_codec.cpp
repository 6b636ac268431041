// Our own reader and writer of BMP files: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up and
// top-down rows, RLE8 and RLE4 compression and bit-field masks. Every offset is checked against
// the data, so a damaged file gives a null image.
#include <algorithm>
#include <bit>
#include <optional>

#include "platform/graphics/image_codecs.h"

namespace tarvelon {

namespace {

enum : std::uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6 };

class ByteReader {
public:
    explicit ByteReader(TByteView data) : data_(data) {}
    bool Has(std::size_t position, std::size_t count) const
    {
        return position <= data_.size() && count <= data_.size() - position;
    }
    std::uint32_t U8(std::size_t p) const { return data_[p]; }
    std::uint32_t U16(std::size_t p) const { return data_[p] | (data_[p + 1] << 8); }
    std::uint32_t U32(std::size_t p) const { return U16(p) | (U16(p + 2) << 16); }
    std::int32_t I32(std::size_t p) const { return static_cast<std::int32_t>(U32(p)); }
    std::size_t Size() const { return data_.size(); }

private:
    TByteView data_;
};

struct BmpHeader {
    long long width = 0;
    long long height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = BI_RGB;
    std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    std::vector<QRgb> palette;
    std::size_t pixels = 0;  // offset of the pixel data
};

// One colour channel under a bit-field mask, scaled to 0..255.
int Channel(std::uint32_t value, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t maximum = mask >> shift;
    return static_cast<int>(((value & mask) >> shift) * 255 / maximum);
}

std::optional<BmpHeader> ReadHeader(const ByteReader& in)
{
    if (!in.Has(0, 18) || in.U8(0) != 'B' || in.U8(1) != 'M')
        return std::nullopt;
    BmpHeader header;
    header.pixels = in.U32(10);
    const std::uint32_t infoSize = in.U32(14);
    std::size_t paletteEntry = 4;
    if (infoSize == 12 && in.Has(14, 12)) {
        header.width = in.U16(18);
        header.height = static_cast<std::int16_t>(in.U16(20));
        header.bits = static_cast<int>(in.U16(24));
        paletteEntry = 3;
    } else if (infoSize >= 40 && in.Has(14, infoSize)) {
        header.width = in.I32(18);
        header.height = in.I32(22);
        header.bits = static_cast<int>(in.U16(28));
        header.compression = in.U32(30);
        if (infoSize >= 52)
            for (int i = 0; i < (infoSize >= 56 ? 4 : 3); ++i)
                header.masks[i] = in.U32(54 + 4 * static_cast<std::size_t>(i));
        else if ((header.compression == BI_BITFIELDS || header.compression == BI_ALPHABITFIELDS) && in.Has(54, 12))
            for (int i = 0; i < (header.compression == BI_ALPHABITFIELDS ? 4 : 3); ++i)
                header.masks[i] = in.Has(54 + 4 * static_cast<std::size_t>(i), 4) ? in.U32(54 + 4 * static_cast<std::size_t>(i)) : 0;
    } else {
        return std::nullopt;
    }
    header.topDown = header.height < 0;
    header.height = header.height < 0 ? -header.height : header.height;
    if (header.bits <= 8) {
        if (header.bits != 1 && header.bits != 4 && header.bits != 8)
            return std::nullopt;
        std::size_t count = std::size_t{1} << header.bits;
        if (infoSize >= 40 && in.U32(46) != 0)
            count = std::min<std::size_t>(in.U32(46), 256);
        std::size_t position = 14 + infoSize;
        if ((header.compression == BI_BITFIELDS || header.compression == BI_ALPHABITFIELDS) && infoSize == 40)
            position += header.compression == BI_ALPHABITFIELDS ? 16 : 12;
        if (!in.Has(position, count * paletteEntry))
            return std::nullopt;
        for (std::size_t i = 0; i < count; ++i, position += paletteEntry)
            header.palette.push_back(qRgb(static_cast<int>(in.U8(position + 2)), static_cast<int>(in.U8(position + 1)),
                                          static_cast<int>(in.U8(position))));
    }
    if (header.compression == BI_RGB && header.bits == 16) {
        header.masks[0] = 0x7C00;
        header.masks[1] = 0x03E0;
        header.masks[2] = 0x001F;
    }
    return header;
}

QRgb PaletteColor(const BmpHeader& header, std::uint32_t index)
{
    return index < header.palette.size() ? header.palette[index] : qRgb(0, 0, 0);
}

// Row y of the file as a row of the image.
int ImageRow(const BmpHeader& header, long long fileRow)
{
    return static_cast<int>(header.topDown ? fileRow : header.height - 1 - fileRow);
}

bool ReadUncompressed(const ByteReader& in, const BmpHeader& header, QImage& image, bool& anyAlpha)
{
    const std::size_t stride = static_cast<std::size_t>((header.width * header.bits + 31) / 32) * 4;
    if (!in.Has(header.pixels, stride * static_cast<std::size_t>(header.height)))
        return false;
    const bool masked = header.compression == BI_BITFIELDS || header.compression == BI_ALPHABITFIELDS || header.bits == 16;
    for (long long row = 0; row < header.height; ++row) {
        const std::size_t base = header.pixels + stride * static_cast<std::size_t>(row);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(ImageRow(header, row)));
        for (long long x = 0; x < header.width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * header.bits;
            switch (header.bits) {
            case 1:
            case 4:
            case 8: {
                const std::uint32_t byte = in.U8(base + bit / 8);
                const int shift = 8 - header.bits - static_cast<int>(bit % 8);
                line[x] = PaletteColor(header, (byte >> shift) & ((1u << header.bits) - 1));
                break;
            }
            case 16: {
                const std::uint32_t value = in.U16(base + bit / 8);
                line[x] = qRgb(Channel(value, header.masks[0]), Channel(value, header.masks[1]), Channel(value, header.masks[2]));
                break;
            }
            case 24: {
                const std::size_t p = base + bit / 8;
                line[x] = qRgb(static_cast<int>(in.U8(p + 2)), static_cast<int>(in.U8(p + 1)), static_cast<int>(in.U8(p)));
                break;
            }
            case 32: {
                const std::uint32_t value = in.U32(base + bit / 8);
                if (masked) {
                    const int alpha = header.masks[3] ? Channel(value, header.masks[3]) : 255;
                    anyAlpha = anyAlpha || (header.masks[3] && alpha != 0);
                    line[x] = qRgba(Channel(value, header.masks[0]), Channel(value, header.masks[1]),
                                    Channel(value, header.masks[2]), header.masks[3] ? alpha : 255);
                } else {
                    anyAlpha = anyAlpha || (value >> 24) != 0;
                    line[x] = value;
                }
                break;
            }
            default: return false;
            }
        }
    }
    return true;
}

// Run-length encoded 8 or 4 bits; pixels the runs never reach keep palette colour 0.
bool ReadRunLength(const ByteReader& in, const BmpHeader& header, QImage& image)
{
    const bool four = header.compression == BI_RLE4;
    if ((four && header.bits != 4) || (!four && header.bits != 8) || header.topDown)
        return false;
    image.fill(PaletteColor(header, 0));
    std::size_t p = header.pixels;
    long long x = 0, row = 0;
    auto put = [&](std::uint32_t index) {
        if (x < header.width && row < header.height)
            reinterpret_cast<QRgb*>(image.scanLine(ImageRow(header, row)))[x] = PaletteColor(header, index);
        ++x;
    };
    while (in.Has(p, 2)) {
        const std::uint32_t count = in.U8(p), value = in.U8(p + 1);
        p += 2;
        if (count > 0) {
            for (std::uint32_t i = 0; i < count; ++i)
                put(four ? ((i % 2 == 0) ? value >> 4 : value & 0xF) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of picture
            return true;
        } else if (value == 2) {  // move
            if (!in.Has(p, 2))
                return false;
            x += in.U8(p);
            row += in.U8(p + 1);
            p += 2;
        } else {  // `value` literal pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (!in.Has(p, bytes))
                return false;
            for (std::uint32_t i = 0; i < value; ++i)
                put(four ? ((i % 2 == 0) ? in.U8(p + i / 2) >> 4 : in.U8(p + i / 2) & 0xF) : in.U8(p + i));
            p += bytes + (bytes % 2);
        }
    }
    return false;  // the data ended before the end-of-picture mark
}

void PutU16(TBytes& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(TBytes& out, std::uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

}  // namespace

QImage DecodeBmp(TByteView data)
{
    const ByteReader in(data);
    const std::optional<BmpHeader> header = ReadHeader(in);
    if (!header || header->pixels >= in.Size())
        return QImage();
    QImage image = AllocateDecodedImage(header->width, header->height, true);
    if (image.isNull())
        return QImage();
    bool anyAlpha = false;
    bool complete = false;
    if (header->compression == BI_RLE8 || header->compression == BI_RLE4)
        complete = ReadRunLength(in, *header, image);
    else if (header->compression == BI_RGB || header->compression == BI_BITFIELDS || header->compression == BI_ALPHABITFIELDS)
        complete = ReadUncompressed(in, *header, image, anyAlpha);
    if (!complete)
        return QImage();
    // 32-bit files whose fourth byte is always 0 mean no alpha at all.
    return anyAlpha ? image : image.convertToFormat(QImage::Format_RGB32);
}

TBytes EncodeBmp(const QImage& source)
{
    if (source.isNull())
        return {};
    const bool alpha = source.hasAlphaChannel();
    const QImage image = source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int bytesPerPixel = alpha ? 4 : 3;
    const std::uint32_t stride = static_cast<std::uint32_t>((image.width() * bytesPerPixel + 3) / 4 * 4);
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height());
    TBytes out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, 54 + pixelBytes);
    PutU32(out, 0);
    PutU32(out, 54);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(image.width()));
    PutU32(out, static_cast<std::uint32_t>(image.height()));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(bytesPerPixel * 8));
    PutU32(out, BI_RGB);
    PutU32(out, pixelBytes);
    PutU32(out, 3780);  // 96 dots per inch in dots per metre
    PutU32(out, 3780);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint32_t written = 0;
        for (int x = 0; x < image.width(); ++x) {
            out.push_back(static_cast<std::uint8_t>(qBlue(line[x])));
            out.push_back(static_cast<std::uint8_t>(qGreen(line[x])));
            out.push_back(static_cast<std::uint8_t>(qRed(line[x])));
            if (alpha)
                out.push_back(static_cast<std::uint8_t>(qAlpha(line[x])));
            written += static_cast<std::uint32_t>(bytesPerPixel);
        }
        for (; written < stride; ++written)
            out.push_back(0);
    }
    return out;
}

}  // namespace tarvelon
