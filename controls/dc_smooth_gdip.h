#pragma once
// The anti-aliased drawing base of the smooth controls: colours with alpha from canvas colours,
// fonts and text on the anti-aliased surface, and the picture that keeps an encoded image file
// (PNG, JPEG, GIF, BMP) as its bytes and decodes it each time it is drawn.
#include <memory>
#include <string>

#include "platform/forms/forms_types.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/font.h"
#include "platform/graphics/gdiplus.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/picture.h"

namespace tarvelon {

// Alpha 255 and the colour's red, green and blue (system colours resolved).
ARGB ColorToARGB(TColor color);
ARGB MakeARGBFromColor(int alpha, TColor color);

// A font of the same face, style (bold, italic, underline) and size in points; a face the
// system lacks is drawn in "Arial".
std::unique_ptr<TGPFont> CreateGPFont(const TFont& font);
int MeasureTextHeightGDIP(TGPGraphics& graphics, const std::string& text, const TFont& font);

inline constexpr unsigned DT_CALCRECT_GDIP = 0x400;
// The classic DrawText on the anti-aliased surface: only the calculate flag (0x400) is honoured;
// a background colour other than clNone is filled behind the text. Returns the text's height.
int DrawTextGDIP(TGPGraphics& graphics, const std::string& text, int length, TRect& rect, const TFont& font,
                 unsigned flags, TColor background);

// The raw format of a decoded image, numbered as the anti-aliased library numbers them.
enum TGPRawFormat { rfUndefined, rfMemoryBmp, rfBmp, rfEmf, rfWmf, rfJpeg, rfPng, rfGif, rfTiff, rfExif, rfIcon };
TGPRawFormat RawFormatOf(const TGPImage& image);

// An encoded picture held as its file's bytes: what both picture classes share.
class TEncodedPicture : public TGraphic {
public:
    TEncodedPicture();
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    bool Empty() const override { return empty_; }
    QImage RenderImage() const override;

    const TBytes& Bytes() const { return bytes_; }
    bool HasBytes() const { return !empty_ && !bytes_.empty(); }
    // Setting the size does nothing: the image decides it.
    void SetWidth(int) {}
    void SetHeight(int) {}

    // Decodes the bytes and stores the image's size; true when it ran.
    bool GetImageSizes();
    // The stored bytes unchanged (what a form description holds).
    void SaveToStream(TBytes& stream) const;
    void WriteData(TBytes& stream) const { SaveToStream(stream); }
    void LoadFromClipboardFormat() {}
    void SaveToClipboardFormat() const {}

    // Draws on a canvas: a BMP at its own size with its bottom-left colour transparent, any other
    // picture stretched into the rectangle.
    void Draw(TCanvas& canvas, const TRect& rect);

    TNotifyEvent OnClear;

protected:
    // The decoded image, or nothing when the picture is empty.
    std::unique_ptr<TGPImage> Decode() const;
    void TakeBytes(TBytes bytes);
    void FireChange() { Changed(); }
    void FireClear()
    {
        if (OnClear)
            OnClear(nullptr);
    }
    void AssignContent(const TEncodedPicture* source);
    void AssignBitmap(const TBitmap& bitmap);

    TBytes bytes_;
    bool empty_ = true;
    int width_ = 0;
    int height_ = 0;
};

class TDcGDIPPicture : public TEncodedPicture {
public:
    TDcGDIPPicture();

    // From another picture (its bytes), a bitmap or a picture (saved as BMP), or nothing (clears).
    void Assign(const TDcGDIPPicture* source);
    void Assign(const TBitmap* source);
    void Assign(const TPicture* source);
    void Clear() { Assign(static_cast<const TDcGDIPPicture*>(nullptr)); }

    // Without a change event.
    void ReadData(const TBytes& stream);
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(const TBytes& stream);

    // Onto an anti-aliased surface: stretched into the rectangle, except a transparent BMP, which
    // keeps its own size with its key colour (the override, else its bottom-left pixel) left out.
    void DrawOnGraphics(TGPGraphics& graphics, const TRect& rect);
    void FillPathWithTexture(TGPGraphics& graphics, const TGPGraphicsPath& path) const;
    void FillRectWithTexture(TGPGraphics& graphics, const TGPRectF& rect) const;

    bool TransparentColorOverride() const { return overrideTransparent_; }
    void SetTransparentColorOverride(bool on) { overrideTransparent_ = on; }
    TColor TransparentColorValue() const { return transparentColor_; }
    void SetTransparentColorValue(TColor color) { transparentColor_ = color; }

    // What the last DrawOnGraphics found.
    int BitsPerPixel() const { return bitsPerPixel_; }
    bool HasAlpha() const { return alpha_; }
    bool Indexed() const { return indexed_; }
    int GPPixelFormat() const { return pixelFormat_; }

private:
    // Width and height from the file's header, without decoding it.
    void GetImageSizesFromFile(const std::string& fileName);

    bool overrideTransparent_ = false;
    TColor transparentColor_ = clWhite;
    int bitsPerPixel_ = 0;
    bool alpha_ = false;
    bool indexed_ = false;
    int pixelFormat_ = 0;
};

// Image size from a file's header (JPEG, PNG, BMP, little-endian TIFF, GIF), chosen by the upper-
// cased extension; 0 x 0 when the header is not recognised.
struct TImageHeaderSize {
    int width = 0;
    int height = 0;
};
TImageHeaderSize ReadImageHeaderSize(const std::string& fileName);

// Rounds to the nearest whole number, halves to the even neighbour; beyond the integers the nearer end.
int RoundEven(double value);

// Stores a property's new value; true when it differed (the setter then notifies or repaints).
template <typename T>
bool StoreChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

}  // namespace tarvelon
