#include "screens/common/art/hub_art.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace tarvelon::art {

const std::array<HubBarSpot, kHubBarSpotCount> kHubBarSpots = {{
    {110, 147, 11, 63, "Opções", "Opções"},
    {163, 200, 11, 63, "Tabela de jogos", "Jogos"},
    {223, 262, 11, 40, "Finanças", "$"},
    {279, 312, 8, 40, "Tabela de classificação - F5", "Tab."},
    {339, 385, 8, 40, "Estádio", "Estádio"},
    {412, 467, 4, 35, "Ver todos os times", "Times"},
    {487, 526, 6, 35, "Procurar jogador", "Busca"},
    {550, 575, 4, 36, "Ranking de técnicos", "Téc."},
    {596, 625, 4, 36, "Campeões", "Camp."},
    {638, 664, 2, 37, "Artilheiros", "Art."},
    {684, 716, 4, 36, "Rankings", "Rank"},
}};

namespace {

constexpr int kTileWidth = 38;  // two neighbouring spots' centres stand at least 40 pixels apart
constexpr int kTileHeight = 30;
constexpr int kTileTop = 7;
constexpr int kTileTextMargin = 2;

// The largest bold size, up to 10 pixels, at which every tile's name fits its tile on one line.
QFont TileFont()
{
    QFont font("Liberation Sans");
    font.setBold(true);
    for (int size = 10; size > 6; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const HubBarSpot& spot : kHubBarSpots)
            fits = fits && metrics.horizontalAdvance(QString::fromUtf8(spot.label)) <= kTileWidth - 2 * kTileTextMargin;
        if (fits)
            break;
    }
    return font;
}

}  // namespace

QRect HubBarTile(const HubBarSpot& spot)
{
    const int centre = (spot.left + spot.right + 1) / 2;
    return QRect(centre - kTileWidth / 2, kTileTop, kTileWidth, kTileHeight);
}

QImage DrawHubTopBar()
{
    QImage image(kHubBarWidth, kHubBarHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, kHubBarHeight);
    band.setColorAt(0, QColor(52, 58, 70));
    band.setColorAt(1, QColor(18, 20, 26));
    p.fillRect(image.rect(), band);
    p.setPen(QColor(90, 100, 120));
    p.drawLine(0, kHubBarHeight - 1, kHubBarWidth, kHubBarHeight - 1);
    const QFont font = TileFont();
    for (const HubBarSpot& spot : kHubBarSpots) {
        const QRectF tile(HubBarTile(spot));
        QLinearGradient gloss(tile.topLeft(), tile.bottomLeft());
        gloss.setColorAt(0, QColor(120, 170, 230));
        gloss.setColorAt(0.5, QColor(40, 90, 170));
        gloss.setColorAt(1, QColor(20, 50, 110));
        p.setPen(QPen(QColor(190, 210, 240), 1));
        p.setBrush(gloss);
        p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        p.setPen(Qt::white);
        // A one-sign label ("$") is drawn large: at the words' size it reads as an "S".
        const QString label = QString::fromUtf8(spot.label);
        QFont tileFont = font;
        if (label.size() == 1)
            tileFont.setPixelSize(16);
        p.setFont(tileFont);
        p.drawText(tile, Qt::AlignCenter, label);
    }
    return image;
}

namespace {

QImage BlankIcon()
{
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Disc(QPainter& p, QColor colour)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(1, 1, 22, 22));
}

}  // namespace

QImage DrawHeadToHeadIcon()
{
    QImage image = BlankIcon();
    QPainter p(&image);
    Disc(p, QColor(245, 245, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawPie(QRectF(2, 2, 20, 20), 90 * 16, 180 * 16);
    p.setBrush(QColor(40, 90, 200));
    p.drawPie(QRectF(2, 2, 20, 20), -90 * 16, 180 * 16);
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, "x");
    return image;
}

QImage DrawRefereeIcon()
{
    QImage image = BlankIcon();
    QPainter p(&image);
    Disc(p, QColor(25, 25, 25));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(250, 215, 0));
    p.drawRect(QRectF(8, 5, 8, 12));
    return image;
}

QImage DrawCareerIcon()
{
    QImage image = BlankIcon();
    QPainter p(&image);
    Disc(p, QColor(40, 120, 60));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(6, 16), QPointF(10, 11));
    p.drawLine(QPointF(10, 11), QPointF(13, 14));
    p.drawLine(QPointF(13, 14), QPointF(18, 7));
    return image;
}

QImage DrawCoinsIcon()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(130, 90, 10), 1.0));
    for (int coin = 0; coin < 3; ++coin) {  // bottom coin first, each one a little higher
        const double top = 10.5 - 3.0 * coin;
        p.setBrush(QColor(200, 150, 30));
        p.drawRect(QRectF(2.5, top + 1.5, 11, 2));
        p.setBrush(QColor(250, 205, 60));
        p.drawEllipse(QRectF(2.5, top - 0.5, 11, 4));
    }
    return image;
}

}  // namespace tarvelon::art
