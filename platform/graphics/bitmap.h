#pragma once
// TBitmap: an image in memory with a canvas to draw on it and direct access to its rows.
// pf24bit rows hold 3 bytes per pixel (blue, green, red); pf32bit rows 4 (blue, green, red,
// alpha). Other pixel formats are kept as pf24bit.
#include <memory>
#include <string>

#include <QImage>

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_codecs.h"

namespace tarvelon {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
// How Draw treats the fourth byte of a pf32bit bitmap: afIgnored draws it opaque, afDefined blends
// by it (straight alpha), afPremultiplied blends with colours already multiplied by it.
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };
// tmAuto: the transparent colour is the bottom-left pixel's; tmFixed: TransparentColor as set.
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pf24bit);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    ~TBitmap() override;

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // New pixels are white; the old picture stays in the top-left corner.
    void SetSize(int width, int height);
    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat format);

    // Drawing on the bitmap (the canvas follows size and format changes).
    TCanvas& Canvas() { return *canvas_; }

    // Row y from the top; nullptr outside the bitmap.
    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;

    // Set to afDefined by loading a picture that has transparency.
    TAlphaFormat AlphaFormat() const { return alphaFormat_; }
    void SetAlphaFormat(TAlphaFormat format);

    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    // Loading keeps the file's own pixels (24 or 32 bits); false (and an empty bitmap) when the
    // file is missing or not a readable picture of any supported format.
    bool LoadFromFile(const std::string& path);
    bool LoadFromBytes(TByteView data);
    bool SaveToFile(const std::string& path) const;  // as BMP
    TBytes SaveToBytes() const;                      // as BMP

    void Assign(const TBitmap& source);
    // Takes a copy of any image (converted to this bitmap's pixel format by its alpha).
    void AssignImage(const QImage& image);
    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }

    QImage RenderImage() const override;

private:
    void Rebind();

    QImage image_;
    TPixelFormat format_ = pf24bit;
    std::unique_ptr<TCanvas> canvas_;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
    TAlphaFormat alphaFormat_ = afIgnored;
};

// The image with every pixel of `key` made transparent (alpha 0), as ARGB32 premultiplied.
QImage KeyOutColor(const QImage& image, TColor key);

}  // namespace tarvelon
