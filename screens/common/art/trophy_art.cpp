// The trophies of the clubs' cabinets.
#include "screens/common/art/trophy_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarvelon::art {

namespace {

constexpr unsigned kGold = 0xE0B028;
constexpr unsigned kSilver = 0xC8CCD4;

// In the order of the names in the header.
constexpr TrophyStyle kTrophyStyles[] = {
    {TrophyShape::Globe, kGold, 0x1E3C8C},   {TrophyShape::Tall, kSilver, 0x1E6E2E},
    {TrophyShape::Tall, kSilver, 0x10206A},  {TrophyShape::Cup, kGold, 0x1E6E2E},
    {TrophyShape::Cup, kSilver, 0xD06010},   {TrophyShape::Plate, kGold, 0x10A040},
    {TrophyShape::Cup, kSilver, 0xC01020},   {TrophyShape::Plate, kSilver, 0x1050B0},
    {TrophyShape::Cup, kGold, 0xC02020},     {TrophyShape::Cup, kGold, 0x505050},
    {TrophyShape::Tall, kGold, 0xF0C800},    {TrophyShape::Globe, kSilver, 0x2040A0},
    {TrophyShape::Tall, kSilver, 0x108040},  {TrophyShape::Tall, kGold, 0xD0A000},
    {TrophyShape::Tall, kSilver, 0x707070},  {TrophyShape::Plate, kSilver, 0x008060},
};

QColor Rgb(unsigned rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QLinearGradient Metal(unsigned rgb, qreal left, qreal right)
{
    const QColor base = Rgb(rgb);
    QLinearGradient shine(left, 0, right, 0);
    shine.setColorAt(0, base.darker(150));
    shine.setColorAt(0.35, base.lighter(145));
    shine.setColorAt(0.6, base);
    shine.setColorAt(1, base.darker(170));
    return shine;
}

void DrawBase(QPainter& p, const TrophyStyle& style)
{
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(45, 35, 30));
    p.drawRoundedRect(QRectF(14, 88, 52, 20), 3, 3);
    p.setBrush(Rgb(style.band));
    p.drawRect(QRectF(18, 94, 44, 7));
    p.setBrush(Metal(style.metal, 30, 50));
    p.drawRect(QRectF(30, 80, 20, 8));
    p.drawRect(QRectF(36, 64, 8, 16));
}

void DrawBody(QPainter& p, const TrophyStyle& style)
{
    p.setPen(QPen(Rgb(style.metal).darker(220), 1));
    p.setBrush(Metal(style.metal, 10, 70));
    QPainterPath body;
    switch (style.shape) {
    case TrophyShape::Cup:
        body.moveTo(16, 10);
        body.lineTo(64, 10);
        body.cubicTo(64, 48, 52, 62, 40, 64);
        body.cubicTo(28, 62, 16, 48, 16, 10);
        p.drawPath(body);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Rgb(style.metal).darker(130), 4));
        p.drawArc(QRectF(4, 16, 18, 24), 90 * 16, 180 * 16);
        p.drawArc(QRectF(58, 16, 18, 24), -90 * 16, 180 * 16);
        break;
    case TrophyShape::Tall:
        body.moveTo(26, 4);
        body.lineTo(54, 4);
        body.cubicTo(60, 30, 48, 58, 40, 64);
        body.cubicTo(32, 58, 20, 30, 26, 4);
        p.drawPath(body);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Rgb(style.metal).darker(130), 3));
        p.drawArc(QRectF(12, 8, 20, 40), 90 * 16, 180 * 16);
        p.drawArc(QRectF(48, 8, 20, 40), -90 * 16, 180 * 16);
        break;
    case TrophyShape::Globe:
        p.drawEllipse(QRectF(18, 8, 44, 44));
        body.moveTo(30, 48);
        body.lineTo(50, 48);
        body.lineTo(44, 64);
        body.lineTo(36, 64);
        body.closeSubpath();
        p.drawPath(body);
        p.setPen(QPen(Rgb(style.metal).darker(160), 1));
        p.drawEllipse(QRectF(28, 8, 24, 44));
        p.drawLine(QPointF(18, 30), QPointF(62, 30));
        break;
    case TrophyShape::Plate:
        p.drawEllipse(QRectF(10, 6, 60, 60));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Rgb(style.metal).darker(160), 2));
        p.drawEllipse(QRectF(20, 16, 40, 40));
        p.drawEllipse(QRectF(32, 28, 16, 16));
        break;
    }
}

}  // namespace

QImage DrawTrophy(const TrophyStyle& style)
{
    QImage image(kTrophyWidth, kTrophyHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBase(p, style);
    DrawBody(p, style);
    return image;
}

template <int N>
QImage DrawTrophyPicture()
{
    return DrawTrophy(kTrophyStyles[N]);
}

template QImage DrawTrophyPicture<0>();
template QImage DrawTrophyPicture<1>();
template QImage DrawTrophyPicture<2>();
template QImage DrawTrophyPicture<3>();
template QImage DrawTrophyPicture<4>();
template QImage DrawTrophyPicture<5>();
template QImage DrawTrophyPicture<6>();
template QImage DrawTrophyPicture<7>();
template QImage DrawTrophyPicture<8>();
template QImage DrawTrophyPicture<9>();
template QImage DrawTrophyPicture<10>();
template QImage DrawTrophyPicture<11>();
template QImage DrawTrophyPicture<12>();
template QImage DrawTrophyPicture<13>();
template QImage DrawTrophyPicture<14>();
template QImage DrawTrophyPicture<15>();

}  // namespace tarvelon::art
