#include "platform/graphics/image_list.h"

#include <QPainter>
#include <algorithm>

#include "platform/graphics/image_codecs.h"

namespace tarvelon {

TImageList::TImageList(int width, int height) : width_(std::max(1, width)), height_(std::max(1, height)) {}

void TImageList::Changed()
{
    if (OnChange)
        OnChange();
}

void TImageList::SetSize(int width, int height)
{
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    images_.clear();
    Changed();
}

QImage TImageList::Cell(const QImage& source, int column) const
{
    QImage cell(width_, height_, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), source, QRect(column * width_, 0, width_, height_));
    return cell;
}

int TImageList::AddCells(const QImage& strip)
{
    if (strip.isNull())
        return -1;
    const int first = Count();
    const int columns = std::max(1, strip.width() / width_);
    for (int column = 0; column < columns; ++column)
        images_.push_back(Cell(strip, column));
    Changed();
    return first;
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask)
{
    QImage strip = image.RenderImage();
    if (mask && !mask->Empty()) {
        strip = image.Image().convertToFormat(QImage::Format_ARGB32);
        const QImage maskPixels = mask->Image().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                if (x < maskPixels.width() && y < maskPixels.height() && qGray(maskPixels.pixel(x, y)) >= 128)
                    strip.setPixel(x, y, 0);
    }
    return AddCells(strip);
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor)
{
    if (image.Empty())
        return -1;
    const TColor key = maskColor == clDefault ? FromQColor(QColor(image.Image().pixel(0, image.Height() - 1))) : maskColor;
    return AddCells(KeyOutColor(image.Image(), key));
}

int TImageList::AddImage(const QImage& image)
{
    if (image.isNull())
        return -1;
    images_.push_back(Cell(image.convertToFormat(QImage::Format_ARGB32_Premultiplied), 0));
    Changed();
    return Count() - 1;
}

int TImageList::AddStrip(const QImage& strip)
{
    if (strip.isNull())
        return -1;
    if (strip.hasAlphaChannel())
        return AddCells(strip.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return AddCells(KeyOutColor(strip, FromQColor(QColor(strip.pixel(0, strip.height() - 1)))));
}

int TImageList::AddFromFile(const std::string& path)
{
    const TBytes bytes = ReadFileBytes(path);
    return AddStrip(DecodeImage(bytes));
}

void TImageList::Replace(int index, const QImage& image)
{
    if (index < 0 || index >= Count() || image.isNull())
        return;
    images_[static_cast<std::size_t>(index)] = Cell(image.convertToFormat(QImage::Format_ARGB32_Premultiplied), 0);
    Changed();
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    images_.erase(images_.begin() + index);
    Changed();
}

void TImageList::Clear()
{
    images_.clear();
    Changed();
}

QImage TImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return QImage();
    return images_[static_cast<std::size_t>(index)];
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count())
        return;
    const QImage& image = images_[static_cast<std::size_t>(index)];
    {
        QPainter painter;
        if (!canvas.BeginPainter(painter))
            return;
        painter.drawImage(x, y, enabled ? image : GreyedImage(image));
    }
    if (canvas.OnChange)
        canvas.OnChange();
}

bool TImageList::GetBitmap(int index, TBitmap& into) const
{
    if (index < 0 || index >= Count())
        return false;
    into.AssignImage(images_[static_cast<std::size_t>(index)].convertToFormat(QImage::Format_ARGB32));
    return true;
}

QImage GreyedImage(const QImage& image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    return grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace tarvelon
