// The smooth controls' drawing base: colours, fonts, text and the encoded picture.
#include "controls/dc_smooth_gdip.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/basics/rounding.h"
#include "platform/graphics/color.h"

namespace tarvelon {

int RoundEven(double value) { return RoundToInt32(value); }

ARGB ColorToARGB(TColor color)
{
    return MakeARGBFromColor(255, color);
}

ARGB MakeARGBFromColor(int alpha, TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return MakeARGB(alpha, rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

std::unique_ptr<TGPFont> CreateGPFont(const TFont& font)
{
    TGPFontFamily family(font.Name());
    if (family.Status() == FontFamilyNotFound || family.Status() == FontStyleNotFound)
        family = TGPFontFamily("Arial");
    int style = FontStyleRegular;
    if (font.Style().Contains(fsBold))
        style |= FontStyleBold;
    if (font.Style().Contains(fsItalic))
        style |= FontStyleItalic;
    if (font.Style().Contains(fsUnderline))
        style |= FontStyleUnderline;
    return std::make_unique<TGPFont>(family, static_cast<float>(font.Size()), style, UnitPoint);
}

int MeasureTextHeightGDIP(TGPGraphics& graphics, const std::string& text, const TFont& font)
{
    const auto gpFont = CreateGPFont(font);
    TGPRectF bounds;
    graphics.MeasureString(text, *gpFont, TGPRectF{0, 0, 10000, 10000}, TGPStringFormat::GenericDefault(), &bounds);
    return RoundEven(bounds.Height);
}

int DrawTextGDIP(TGPGraphics& graphics, const std::string& text, int length, TRect& rect, const TFont& font,
                 unsigned flags, TColor background)
{
    const auto gpFont = CreateGPFont(font);
    const std::string shown = text.substr(0, static_cast<std::size_t>(std::clamp<int>(length, 0, int(text.size()))));
    const bool calculate = flags & DT_CALCRECT_GDIP;
    const TGPStringFormat format = TGPStringFormat::GenericDefault();
    if (calculate || background != clNone) {
        graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
        double correction = 2;
        if (font.Size() > 8)
            correction += RoundEven((font.Size() - 8) / 1.5);
        std::string measured = shown;
        // A trailing blank is measured as a narrow letter, so that it counts.
        if (measured.size() >= 2 && measured.back() == ' ')
            measured.back() = 'i';
        TGPRectF box;
        const TGPRectF layout{float(rect.Left), float(rect.Top), float(rect.Right - rect.Left + 1000),
                              float(rect.Bottom - rect.Top)};
        graphics.MeasureString(measured, *gpFont, layout, format, &box);
        rect.Right = rect.Left + RoundEven(box.Width - correction);
        rect.Bottom = rect.Top + RoundEven(box.Height);
        if (background != clNone) {
            TGPSolidBrush brush(ColorToARGB(background));
            graphics.FillRectangle(brush, float(rect.Left + 1), float(rect.Top), float(box.Width - correction + 1),
                                   box.Height);
        }
    }
    if (!calculate) {
        graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
        TGPSolidBrush brush(ColorToARGB(font.Color()));
        graphics.DrawString(shown, *gpFont, TGPPointF{float(rect.Left), float(rect.Top)}, format, brush);
    }
    return rect.Bottom - rect.Top;
}

TGPRawFormat RawFormatOf(const TGPImage& image)
{
    switch (image.RawFormat()) {
    case TImageFormat::Bmp: return rfBmp;
    case TImageFormat::Jpeg: return rfJpeg;
    case TImageFormat::Png: return rfPng;
    case TImageFormat::Gif: return rfGif;
    case TImageFormat::Unknown: break;
    }
    return rfUndefined;
}

// ---- the encoded picture -------------------------------------------------------------------

TEncodedPicture::TEncodedPicture()
{
    SetTransparent(false);
}

std::unique_ptr<TGPImage> TEncodedPicture::Decode() const
{
    if (!HasBytes())
        return nullptr;
    return std::make_unique<TGPImage>(TGPImage::FromBytes(bytes_));
}

QImage TEncodedPicture::RenderImage() const
{
    const auto image = Decode();
    if (!image)
        return QImage();
    return image->Pixels().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool TEncodedPicture::GetImageSizes()
{
    const auto image = Decode();
    if (!image)
        return false;
    width_ = image->Width();
    height_ = image->Height();
    return true;
}

void TEncodedPicture::SaveToStream(TBytes& stream) const
{
    stream.insert(stream.end(), bytes_.begin(), bytes_.end());
}

void TEncodedPicture::TakeBytes(TBytes bytes)
{
    bytes_ = std::move(bytes);
    empty_ = false;
}

void TEncodedPicture::AssignContent(const TEncodedPicture* source)
{
    empty_ = true;
    if (!source) {
        bytes_.clear();
        FireChange();
        FireClear();
        return;
    }
    bytes_ = source->bytes_;
    empty_ = bytes_.empty();
    FireChange();
    GetImageSizes();
}

void TEncodedPicture::AssignBitmap(const TBitmap& bitmap)
{
    TakeBytes(bitmap.SaveToBytes());
    FireChange();
    GetImageSizes();
}

void TEncodedPicture::Draw(TCanvas& canvas, const TRect& rect)
{
    const auto image = Decode();
    if (!image)
        return;
    if (RawFormatOf(*image) == rfBmp) {
        TBitmap bitmap;
        bitmap.LoadFromBytes(bytes_);
        bitmap.SetTransparentMode(tmAuto);
        bitmap.SetTransparent(true);
        canvas.Draw(rect.Left, rect.Top, bitmap);
        return;
    }
    width_ = image->Width();
    height_ = image->Height();
    TGPGraphics graphics(canvas);
    graphics.DrawImage(*image, float(rect.Left), float(rect.Top), float(rect.Width()), float(rect.Height()));
}

// ---- TDcGDIPPicture --------------------------------------------------------------------------

TDcGDIPPicture::TDcGDIPPicture() = default;

void TDcGDIPPicture::Assign(const TDcGDIPPicture* source)
{
    AssignContent(source);
}

void TDcGDIPPicture::Assign(const TBitmap* source)
{
    if (!source)
        return Clear();
    AssignBitmap(*source);
}

void TDcGDIPPicture::Assign(const TPicture* source)
{
    if (!source)
        return Clear();
    TPicture& picture = const_cast<TPicture&>(*source);
    if (picture.Empty()) {
        // Nothing to save: the picture becomes empty as well.
        empty_ = true;
        bytes_.clear();
        FireChange();
        return;
    }
    AssignBitmap(picture.Bitmap());
}

void TDcGDIPPicture::ReadData(const TBytes& stream)
{
    if (stream.empty())
        return;
    TakeBytes(stream);
    GetImageSizes();
}

void TDcGDIPPicture::LoadFromFile(const std::string& fileName)
{
    TakeBytes(ReadFileBytes(fileName));
    FireClear();
    GetImageSizesFromFile(fileName);
    FireChange();
}

void TDcGDIPPicture::LoadFromStream(const TBytes& stream)
{
    if (stream.empty())
        return;
    TakeBytes(stream);
    GetImageSizes();
    FireChange();
}

void TDcGDIPPicture::GetImageSizesFromFile(const std::string& fileName)
{
    if (!HasBytes())
        return;
    const TImageHeaderSize size = ReadImageHeaderSize(fileName);
    width_ = size.width;
    height_ = size.height;
}

void TDcGDIPPicture::DrawOnGraphics(TGPGraphics& graphics, const TRect& rect)
{
    const auto image = Decode();
    if (!image)
        return;
    pixelFormat_ = image->PixelFormat();
    bitsPerPixel_ = (pixelFormat_ >> 8) & 0xFF;
    alpha_ = pixelFormat_ & PixelFormatAlpha;
    indexed_ = pixelFormat_ & PixelFormatIndexed;
    width_ = image->Width();
    height_ = image->Height();
    if (RawFormatOf(*image) == rfBmp && Transparent()) {
        const ARGB key = overrideTransparent_ ? MakeARGBFromColor(255, transparentColor_)
                                              : TGPBitmap(*image).GetPixel(0, height_ - 1);
        TGPImageAttributes attributes;
        attributes.SetColorKey(key, key);
        graphics.DrawImage(*image, TGPRectF{float(rect.Left), float(rect.Top), float(width_), float(height_)}, 0, 0,
                           float(width_), float(height_), UnitPixel, &attributes);
        return;
    }
    graphics.DrawImage(*image, float(rect.Left), float(rect.Top), float(rect.Width()), float(rect.Height()));
}

void TDcGDIPPicture::FillPathWithTexture(TGPGraphics& graphics, const TGPGraphicsPath& path) const
{
    const auto image = Decode();
    if (!image || image->Width() == 0)
        return;
    TGPTextureBrush brush(*image, WrapModeTile);
    graphics.FillPath(brush, path);
}

void TDcGDIPPicture::FillRectWithTexture(TGPGraphics& graphics, const TGPRectF& rect) const
{
    const auto image = Decode();
    if (!image || image->Width() == 0)
        return;
    TGPTextureBrush brush(*image, WrapModeTile);
    graphics.FillRectangle(brush, rect);
}

// ---- image headers ---------------------------------------------------------------------------

namespace {

// Reads a file's bytes front to back; reading past the end gives zeros and sets `ended`.
class TByteReader {
public:
    explicit TByteReader(const TBytes& bytes) : bytes_(bytes) {}
    int Byte()
    {
        if (pos_ >= bytes_.size()) {
            ended = true;
            return 0;
        }
        return bytes_[pos_++];
    }
    int BigEndian16() { const int high = Byte(); return high << 8 | Byte(); }
    int LittleEndian16() { const int low = Byte(); return low | Byte() << 8; }
    std::int32_t LittleEndian32()
    {
        const std::uint32_t low = std::uint32_t(LittleEndian16());
        return std::int32_t(low | std::uint32_t(LittleEndian16()) << 16);
    }
    void Skip(std::size_t count) { pos_ += count; ended = ended || pos_ > bytes_.size(); }
    void Seek(std::size_t pos) { pos_ = pos; }
    std::size_t Remaining() const { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; }
    bool ended = false;

private:
    const TBytes& bytes_;
    std::size_t pos_ = 0;
};

TImageHeaderSize JpegHeaderSize(TByteReader& in)
{
    if (in.Byte() != 0xFF || in.Byte() != 0xD8)
        return {};
    int byte = in.Byte();
    while (byte == 0xFF && !in.ended) {
        int code = in.Byte();
        while (code == 0xFF && !in.ended)
            code = in.Byte();
        if (code == 0xC0 || code == 0xC1 || code == 0xC2) {
            in.Skip(3);
            const int height = in.BigEndian16();
            const int width = in.BigEndian16();
            return in.ended ? TImageHeaderSize{} : TImageHeaderSize{width, height};
        }
        if (code != 0x01 && !(code >= 0xD0 && code <= 0xD7)) {
            const int length = in.BigEndian16();
            in.Skip(std::size_t(std::max(0, length - 2)));
        }
        byte = in.Byte();
    }
    return {};
}

TImageHeaderSize PngHeaderSize(TByteReader& in)
{
    static const int kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    for (int expected : kSignature)
        if (in.Byte() != expected)
            return {};
    in.Seek(18);
    const int width = in.BigEndian16();
    in.Seek(22);
    const int height = in.BigEndian16();
    return in.ended ? TImageHeaderSize{} : TImageHeaderSize{width, height};
}

TImageHeaderSize BmpHeaderSize(TByteReader& in)
{
    if (in.Byte() != 'B' || in.Byte() != 'M')
        return {};
    in.Skip(12);
    in.LittleEndian32();  // header size
    const std::int32_t width = in.LittleEndian32();
    const std::int32_t height = in.LittleEndian32();
    if (in.ended)
        return {};
    // A top-down bitmap stores its height negative.
    return {std::abs(width) & 0xFFFF, std::abs(height) & 0xFFFF};
}

TImageHeaderSize TiffHeaderSize(TByteReader& in, const TBytes& bytes)
{
    if (bytes.size() < 8)
        return {};
    in.Skip(4);
    in.Seek(std::size_t(std::uint32_t(in.LittleEndian32())));
    const int count = in.LittleEndian16();
    int width = -1;
    int height = -1;
    for (int i = 0; i < count && !in.ended && (width < 0 || height < 0); ++i) {
        const int tag = in.LittleEndian16();
        in.Skip(6);
        const int value = std::abs(in.LittleEndian32());
        if (tag == 256)
            width = value;
        else if (tag == 257)
            height = value;
    }
    if (in.ended || width < 0 || height < 0)
        return {};
    return {width & 0xFFFF, height & 0xFFFF};
}

TImageHeaderSize GifHeaderSize(TByteReader& in)
{
    int header[13];
    for (int& byte : header)
        byte = in.Byte();
    if (in.ended || header[0] != 'G' || header[1] != 'I' || header[2] != 'F')
        return {};
    if (header[10] & 0x80)
        in.Skip(std::size_t(3) << ((header[10] & 7) + 1));
    while (!in.ended && in.Byte() != 0x2C) {
    }
    if (in.ended || in.Remaining() < 10)
        return {};
    int descriptor[10];
    for (int& byte : descriptor)
        byte = in.Byte();
    return {descriptor[4] | descriptor[5] << 8, descriptor[6] | descriptor[7] << 8};
}

std::string UpperExtension(const std::string& fileName)
{
    const std::size_t dot = fileName.find_last_of('.');
    const std::size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = fileName.substr(dot);
    for (char& c : extension)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return extension;
}

}  // namespace

TImageHeaderSize ReadImageHeaderSize(const std::string& fileName)
{
    const std::string extension = UpperExtension(fileName);
    const TBytes bytes = ReadFileBytes(fileName);
    TByteReader in(bytes);
    if (extension == ".JPG" || extension == ".JPEG")
        return JpegHeaderSize(in);
    if (extension == ".PNG")
        return PngHeaderSize(in);
    if (extension == ".BMP")
        return BmpHeaderSize(in);
    if (extension == ".TIFF")
        return TiffHeaderSize(in, bytes);
    if (extension == ".GIF")
        return GifHeaderSize(in);
    return {};
}

}  // namespace tarvelon
