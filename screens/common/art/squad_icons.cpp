#include "screens/common/art/squad_icons.h"

#include <string>

#include <QPainter>
#include <QPainterPath>

#include "platform/graphics/image_list.h"

namespace tarvelon::art {

namespace {

constexpr int kStatusWidth = 24;
constexpr int kStatusHeight = 18;
constexpr int kShirtNumbers = 29;

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage NumberedShirt(int number, QColor colour, QColor text)
{
    QImage image = Blank(kStatusWidth, kStatusHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shirt;
    shirt.moveTo(8, 1);
    shirt.lineTo(2, 4);
    shirt.lineTo(0, 8);
    shirt.lineTo(4, 9);
    shirt.lineTo(5, 17);
    shirt.lineTo(19, 17);
    shirt.lineTo(20, 9);
    shirt.lineTo(24, 8);
    shirt.lineTo(22, 4);
    shirt.lineTo(16, 1);
    shirt.quadTo(12, 4, 8, 1);
    p.setPen(QPen(QColor(30, 30, 30), 0.8));
    p.setBrush(colour);
    p.drawPath(shirt);
    if (number > 0) {
        QFont font("Liberation Sans");
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(text);
        p.drawText(QRect(4, 4, 16, 13), Qt::AlignCenter, QString::number(number));
    }
    return image;
}

QImage Cross(int w, int h, QColor colour)
{
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int s = h - 4;
    const int x = (w - s) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(x + s / 3, 2, s / 3 + 1, s);
    p.drawRect(x, 2 + s / 3, s, s / 3 + 1);
    return image;
}

QImage Card(QColor colour)
{
    QImage image = Blank(16, 16);
    QPainter p(&image);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(colour);
    p.drawRect(4, 1, 8, 13);
    return image;
}

void PaintStar(QPainter& p, QPointF centre, double radius, QColor colour)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.45;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 0), 0.8));
    p.setBrush(colour);
    p.drawPath(star);
}

QImage WithStar(QImage image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintStar(p, QPointF(12, 5), 4.5, QColor(255, 210, 0));
    return image;
}

QImage Face(int size, int mood)
{
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(230, 80, 60), QColor(240, 200, 40), QColor(80, 190, 70)};
    const double s = size;
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(colours[mood]);
    p.drawEllipse(QRectF(1, 1, s - 2, s - 2));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(s * 0.35, s * 0.38), s * 0.06, s * 0.08);
    p.drawEllipse(QPointF(s * 0.65, s * 0.38), s * 0.06, s * 0.08);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30), s / 12));
    const QRectF mouth(s * 0.28, s * 0.45, s * 0.44, s * 0.3);
    if (mood == 2)
        p.drawArc(mouth, 200 * 16, 140 * 16);
    else if (mood == 0)
        p.drawArc(mouth.translated(0, s * 0.2), 20 * 16, 140 * 16);
    else
        p.drawLine(QPointF(s * 0.32, s * 0.68), QPointF(s * 0.68, s * 0.68));
    return image;
}

}  // namespace

void FillShirtStatusImages(TImageList& list)
{
    list.SetSize(kStatusWidth, kStatusHeight);
    for (int n = 0; n < kShirtNumbers; ++n)
        list.AddImage(NumberedShirt(n, QColor(200, 30, 30), Qt::white));
    for (int n = 0; n < kShirtNumbers; ++n)
        list.AddImage(NumberedShirt(n, QColor(40, 90, 200), Qt::white));
    for (int n = 0; n < kShirtNumbers; ++n)
        list.AddImage(NumberedShirt(n, QColor(235, 235, 235), QColor(40, 40, 40)));
    list.AddImage(Cross(kStatusWidth, kStatusHeight, QColor(210, 20, 20)));
    list.AddImage(NumberedShirt(0, QColor(130, 130, 130), Qt::white));
}

void FillNationalStatusImages(TImageList& list)
{
    list.SetSize(kStatusWidth, kStatusHeight);
    for (int i = 0; i < kNationalStatusImages; ++i)
        list.AddImage(Blank(kStatusWidth, kStatusHeight));
    list.Replace(kNationalStarter, NumberedShirt(0, QColor(200, 30, 30), Qt::white));
    list.Replace(kNationalFree, NumberedShirt(0, QColor(235, 235, 235), QColor(40, 40, 40)));
    list.Replace(kNationalUnavailable, Cross(kStatusWidth, kStatusHeight, QColor(210, 20, 20)));
    list.Replace(kNationalSubstitute, NumberedShirt(0, QColor(40, 90, 200), Qt::white));
}

void FillConditionImages(TImageList& list)
{
    list.SetSize(16, 16);
    const QImage ban = Card(QColor(220, 20, 20));
    const QImage injury = Cross(16, 16, QColor(210, 20, 20));
    const QImage yellows = Card(QColor(250, 215, 0));
    const QImage none = Blank(16, 16);
    const QImage icons[] = {none,           ban, none, injury, yellows, WithStar(ban), none, WithStar(injury),
                            WithStar(yellows), none, none, none, none};
    for (const QImage& icon : icons)
        list.AddImage(icon);
    QImage star = Blank(16, 16);
    {
        QPainter p(&star);
        p.setRenderHint(QPainter::Antialiasing);
        PaintStar(p, QPointF(8, 8), 7, QColor(255, 210, 0));
    }
    list.Replace(12, star);
}

void FillMoraleImages(TImageList& list)
{
    list.SetSize(16, 16);
    for (int i = 0; i < 8; ++i)
        list.AddImage(Blank(16, 16));
    for (int mood = 0; mood < 3; ++mood)
        list.AddImage(Face(16, mood));
}

void FillMoodImages(TImageList& list)
{
    list.SetSize(24, 24);
    for (int mood = 0; mood < 3; ++mood)
        list.AddImage(Face(24, mood));
}

}  // namespace tarvelon::art
