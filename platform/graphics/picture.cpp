#include "platform/graphics/picture.h"

namespace tarvelon {

TImageGraphic::TImageGraphic(QImage image, TImageFormat format) : image_(std::move(image)), format_(format) {}

QImage TImageGraphic::RenderImage() const
{
    if (!image_.hasAlphaChannel())
        return image_;
    if (rendered_.isNull())
        rendered_ = image_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return rendered_;
}

std::unique_ptr<TGraphic> DecodeGraphic(TByteView data)
{
    const TImageFormat format = DetectImageFormat(data);
    QImage image = DecodeImage(data);
    if (image.isNull())
        return nullptr;
    if (format == TImageFormat::Bmp) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->AssignImage(image);
        return bitmap;
    }
    return std::make_unique<TImageGraphic>(std::move(image), format);
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange)
        OnChange();
}

bool TPicture::LoadFromBytes(TByteView data)
{
    SetGraphic(DecodeGraphic(data));
    return graphic_ != nullptr;
}

bool TPicture::LoadFromFile(const std::string& path) { return LoadFromBytes(ReadFileBytes(path)); }

void TPicture::Clear() { SetGraphic(nullptr); }

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->OnChange = [this] { Changed(); };
    Changed();
}

TBitmap& TPicture::Bitmap()
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get()))
        return *bitmap;
    auto bitmap = std::make_unique<TBitmap>();
    if (auto* decoded = dynamic_cast<TImageGraphic*>(graphic_.get()))
        bitmap->AssignImage(decoded->Image());
    TBitmap& result = *bitmap;
    SetGraphic(std::move(bitmap));
    return result;
}

void TPicture::Assign(const TPicture& source)
{
    if (&source == this)
        return;
    if (auto* bitmap = dynamic_cast<const TBitmap*>(source.graphic_.get())) {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(*bitmap);
        SetGraphic(std::move(copy));
    } else if (auto* decoded = dynamic_cast<const TImageGraphic*>(source.graphic_.get())) {
        SetGraphic(std::make_unique<TImageGraphic>(decoded->Image(), decoded->Format()));
    } else {
        SetGraphic(nullptr);
    }
}

}  // namespace tarvelon
