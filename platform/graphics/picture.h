#pragma once
// TPicture: a picture file of any supported format (BMP, PNG, JPEG, GIF) as a graphic.
#include <functional>
#include <memory>
#include <string>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_codecs.h"

namespace tarvelon {

// A decoded PNG, JPEG or GIF picture (GIF: its first frame), drawn with its transparency.
class TImageGraphic : public TGraphic {
public:
    TImageGraphic(QImage image, TImageFormat format);
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    TImageFormat Format() const { return format_; }
    const QImage& Image() const { return image_; }
    QImage RenderImage() const override;

private:
    QImage image_;
    TImageFormat format_;
    mutable QImage rendered_;  // premultiplied, made on first use
};

class TPicture {
public:
    TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;
    ~TPicture();

    // Replaces the picture by the file's; a missing, unknown or damaged file leaves the picture
    // empty and gives false.
    bool LoadFromFile(const std::string& path);
    bool LoadFromBytes(TByteView data);
    void Clear();

    // The graphic (a TBitmap for BMP files, a TImageGraphic for the others); nullptr when empty.
    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // The picture as a bitmap: a picture of another kind is converted into one (keeping its pixels).
    TBitmap& Bitmap();

    void Assign(const TPicture& source);
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    std::function<void()> OnChange;

private:
    void Changed();

    std::unique_ptr<TGraphic> graphic_;
};

// A graphic of decoded data: a TBitmap for BMP, a TImageGraphic otherwise; nullptr when unreadable.
std::unique_ptr<TGraphic> DecodeGraphic(TByteView data);

}  // namespace tarvelon
