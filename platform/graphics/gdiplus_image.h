#pragma once
// Images of the anti-aliased drawing layer: decoded pictures and bitmaps with alpha, pixel
// reads, bitmaps made from rows of pixels and turned into TBitmaps, and image attributes (a colour
// key range and a colour matrix, for opacity) applied when an image is drawn.
#include <QImage>
#include <array>
#include <optional>
#include <string>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/gdiplus_types.h"
#include "platform/graphics/image_codecs.h"

namespace tarvelon {

class TGPImage {
public:
    TGPImage() = default;
    virtual ~TGPImage() = default;

    // A decoded picture file (BMP, PNG, JPEG, GIF); Status() tells whether it could be read.
    static TGPImage FromBytes(TByteView data);
    static TGPImage FromFile(const std::string& path);

    TGPStatus Status() const { return status_; }
    int Width() const { return pixels_.width(); }
    int Height() const { return pixels_.height(); }
    TImageFormat RawFormat() const { return format_; }
    int PixelFormat() const { return pixelFormat_; }
    // Colour of a pixel (0 outside the image).
    ARGB GetPixel(int x, int y) const;
    // Straight (not premultiplied) ARGB32 pixels.
    const QImage& Pixels() const { return pixels_; }

protected:
    QImage pixels_;
    TImageFormat format_ = TImageFormat::Unknown;
    int pixelFormat_ = PixelFormat32bppARGB;
    TGPStatus status_ = InvalidParameter;
};

class TGPBitmap : public TGPImage {
public:
    // A transparent bitmap (PixelFormat32bppARGB) or an opaque black one (24 or 32 bits RGB).
    TGPBitmap(int width, int height, int pixelFormat = PixelFormat32bppARGB);
    // From rows of pixels: `stride` bytes apart, 3 (blue, green, red) or 4 (blue, green, red,
    // alpha) bytes per pixel as `pixelFormat` says.
    TGPBitmap(int width, int height, int stride, int pixelFormat, const std::uint8_t* scan0);
    explicit TGPBitmap(const TGPImage& image);
    // A bitmap's pixels (its pf32bit alpha counted as its AlphaFormat says).
    explicit TGPBitmap(const TBitmap& bitmap);

    void SetPixel(int x, int y, ARGB color);
    // The pixels over `background` into a 24-bit TBitmap (alpha kept in a pf32bit one when
    // `background` is clNone).
    void ToBitmap(TBitmap& into, TColor background) const;
    // For drawing into the bitmap.
    QImage& MutablePixels() { return pixels_; }
};

using TColorMatrix = std::array<std::array<float, 5>, 5>;

class TGPImageAttributes {
public:
    // Pixels whose red, green and blue each lie between the two keys' become transparent.
    void SetColorKey(ARGB low, ARGB high);
    void ClearColorKey() { key_.reset(); }
    // Row vector (r, g, b, a, 1) times the matrix, in 0..1 units.
    void SetColorMatrix(const TColorMatrix& matrix) { matrix_ = matrix; }
    void ClearColorMatrix() { matrix_.reset(); }
    // A colour matrix that multiplies alpha by `opacity` (0..1).
    void SetOpacity(float opacity);

    // `image` (straight ARGB32) with the attributes applied.
    QImage Apply(const QImage& image) const;
    bool Empty() const { return !key_ && !matrix_; }

private:
    std::optional<std::pair<ARGB, ARGB>> key_;
    std::optional<TColorMatrix> matrix_;
};

}  // namespace tarvelon
