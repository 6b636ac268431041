#include "screens/common/art/market_art.h"

#include <QPainter>

#include "platform/graphics/image_list.h"

namespace tarvelon::art {

namespace {

QImage Blank()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A round badge with one letter on it.
QImage Badge(QColor fill, const QString& letter)
{
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(160), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
    return image;
}

}  // namespace

void FillListingImages(TImageList& list)
{
    list.SetSize(16, 16);
    list.AddImage(Badge(QColor(0, 150, 40), "$"));
    list.AddImage(Blank());
    list.AddImage(Badge(QColor(30, 80, 200), "E"));
}

}  // namespace tarvelon::art
