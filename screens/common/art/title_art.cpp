#include "screens/common/art/title_art.h"

#include <cstdint>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "screens/common/art/ball_art.h"

namespace tarvelon::art {

namespace {

constexpr int kHorizon = 214;        // where the stands meet the pitch
constexpr int kStandTop = 148;
const QColor kGold(236, 190, 64);
const QColor kDeepGold(150, 96, 10);

QRectF ToRectF(const TRect& r) { return QRectF(r.Left, r.Top, r.Width(), r.Height()); }

// The picture's own small generator (the crowd's colours): the same picture on every run.
struct Speckle {
    std::uint32_t state = 20090601u;
    int Below(int n)
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<std::uint64_t>(state) * static_cast<std::uint32_t>(n)) >> 32);
    }
};

QFont TitleFont(int pixels, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void PaintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(6, 14, 40));
    sky.setColorAt(0.7, QColor(18, 44, 92));
    sky.setColorAt(1.0, QColor(40, 72, 120));
    p.fillRect(QRectF(0, 0, kTitleWidth, kHorizon), sky);
}

// A floodlight tower: its mast, its bank of lamps and the glow around them.
void PaintFloodlight(QPainter& p, double x, double top)
{
    p.fillRect(QRectF(x - 2, top + 14, 4, kStandTop - top - 10), QColor(20, 24, 36));
    QRadialGradient glow(QPointF(x, top + 6), 120);
    glow.setColorAt(0.0, QColor(255, 250, 220, 170));
    glow.setColorAt(0.25, QColor(255, 240, 180, 60));
    glow.setColorAt(1.0, QColor(255, 240, 180, 0));
    p.fillRect(QRectF(x - 120, top - 114, 240, 240), glow);
    p.fillRect(QRectF(x - 17, top - 2, 34, 18), QColor(30, 34, 48));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            p.fillRect(QRectF(x - 15 + column * 8, top + row * 8, 6, 6), QColor(255, 252, 230));
        }
    }
}

// The stands: a roof edge, rows of supporters in many colours, and the advertising boards.
void PaintStands(QPainter& p)
{
    QLinearGradient stand(0, kStandTop, 0, kHorizon);
    stand.setColorAt(0.0, QColor(34, 36, 50));
    stand.setColorAt(1.0, QColor(58, 56, 64));
    p.fillRect(QRectF(0, kStandTop, kTitleWidth, kHorizon - kStandTop), stand);
    p.fillRect(QRectF(0, kStandTop, kTitleWidth, 5), QColor(150, 156, 170));
    p.fillRect(QRectF(0, kStandTop + 5, kTitleWidth, 2), QColor(20, 22, 30));

    const QColor shirts[] = {QColor(230, 40, 40), QColor(250, 250, 250), QColor(40, 90, 210), QColor(250, 210, 40),
                             QColor(30, 150, 70), QColor(20, 20, 24), QColor(240, 140, 30), QColor(120, 180, 240)};
    Speckle speckle;
    for (int y = kStandTop + 9; y < kHorizon - 10; y += 3) {
        const int depth = 150 + (y - kStandTop) * 90 / (kHorizon - kStandTop);  // nearer rows brighter
        for (int x = speckle.Below(3); x < kTitleWidth; x += 3) {
            QColor c = shirts[speckle.Below(8)];
            c = QColor(c.red() * depth / 255, c.green() * depth / 255, c.blue() * depth / 255);
            p.fillRect(QRectF(x, y, 2, 2), c);
        }
    }
    const QColor boards[] = {QColor(236, 190, 64), QColor(20, 60, 140), QColor(245, 245, 245), QColor(190, 30, 40)};
    for (int i = 0; i * 70 < kTitleWidth; ++i) {
        p.fillRect(QRectF(i * 70, kHorizon - 9, 69, 9), boards[i % 4]);
    }
}

// The pitch in perspective: mown stripes that widen towards the viewer, the touchline and the
// centre circle.
void PaintPitch(QPainter& p)
{
    const int depth = kTitleHeight - kHorizon;
    constexpr int kStripes = 9;
    for (int i = 0; i < kStripes; ++i) {
        const double a = static_cast<double>(i) / kStripes;
        const double b = static_cast<double>(i + 1) / kStripes;
        const double top = kHorizon + depth * a * a;
        const double bottom = kHorizon + depth * b * b;
        p.fillRect(QRectF(0, top, kTitleWidth, bottom - top + 1),
                   i % 2 == 0 ? QColor(44, 128, 52) : QColor(56, 146, 62));
    }
    QLinearGradient haze(0, kHorizon, 0, kHorizon + 50);
    haze.setColorAt(0.0, QColor(10, 20, 40, 110));
    haze.setColorAt(1.0, QColor(10, 20, 40, 0));
    p.fillRect(QRectF(0, kHorizon, kTitleWidth, 50), haze);

    p.setPen(QPen(QColor(240, 245, 240, 200), 2));
    p.drawLine(QPointF(0, kHorizon + 5), QPointF(kTitleWidth, kHorizon + 5));
    p.setPen(QPen(QColor(240, 245, 240, 170), 2.5));
    p.drawLine(QPointF(330, kHorizon + 5), QPointF(318, kTitleHeight));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(326, 298), 128, 34);
    p.setBrush(QColor(240, 245, 240, 200));
    p.drawEllipse(QPointF(326, 298), 3, 1.5);
}

// The game's name in gold with a dark outline and a shadow, and its line beneath.
void PaintName(QPainter& p)
{
    const QFont font = TitleFont(76, true);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("TARVELON"));
    const QRectF box = name.boundingRect();
    name.translate((kTitleWidth - box.width()) / 2 - box.left(), 104);

    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(name.translated(4, 5), QColor(0, 0, 0, 150));
    const QRectF placed = name.boundingRect();
    QLinearGradient gold(0, placed.top(), 0, placed.bottom());
    gold.setColorAt(0.0, QColor(255, 246, 190));
    gold.setColorAt(0.45, kGold);
    gold.setColorAt(0.5, QColor(214, 150, 30));
    gold.setColorAt(1.0, QColor(250, 214, 110));
    p.setPen(QPen(QColor(60, 30, 0), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    p.fillPath(name, gold);

    p.setFont(TitleFont(16, true, true));
    const QRectF line(0, 112, kTitleWidth, 24);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(line.translated(1, 1), Qt::AlignCenter, QStringLiteral("Gerente de Futebol"));
    p.setPen(QColor(235, 240, 250));
    p.drawText(line, Qt::AlignCenter, QStringLiteral("Gerente de Futebol"));
    p.setPen(QPen(kGold, 1.5));
    p.drawLine(QPointF(150, 124), QPointF(200, 124));
    p.drawLine(QPointF(361, 124), QPointF(411, 124));
}

// A rounded plate in dark green with a gold edge and a small ball on its left: the labels of the
// title screen stand on it.
void PaintMenuPlate(QPainter& p, const TRect& spot)
{
    const QRectF r = ToRectF(spot).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0.0, QColor(24, 110, 52, 235));
    fill.setColorAt(0.5, QColor(10, 70, 32, 240));
    fill.setColorAt(1.0, QColor(6, 46, 22, 245));
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(r, 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(r.left() + 8, r.top() + 2.5), QPointF(r.right() - 8, r.top() + 2.5));
    PaintBall(p, QPointF(r.left() + 17, r.center().y()), 9.5, 12);
}

void PaintQuit(QPainter& p)
{
    const QRectF r = ToRectF(TitleHotSpotRect(hsQuit)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0.0, QColor(200, 40, 40));
    fill.setColorAt(1.0, QColor(120, 14, 14));
    p.setPen(QPen(kGold, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(r, 5, 5);
    p.setFont(TitleFont(12, true));
    p.setPen(QColor(255, 255, 255));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("Sair"));
}

void PaintWebLink(QPainter& p)
{
    const QRectF r = ToRectF(TitleHotSpotRect(hsWebPage));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r.adjusted(-4, -1, 4, 1), 7, 7);
    QFont font = TitleFont(12, true);
    font.setUnderline(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(r.translated(1, 1), Qt::AlignCenter, QStringLiteral("Página do Tarvelon"));
    p.setPen(QColor(255, 226, 120));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("Página do Tarvelon"));
}

// The big ball standing on the grass, with its shadow.
void PaintBigBall(QPainter& p)
{
    p.setPen(Qt::NoPen);
    QRadialGradient shadow(QPointF(392, 289), 52);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 140));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(QPointF(392, 289), 52, 9);
    PaintBall(p, QPointF(398, 222), 62, 8);
}

}  // namespace

QImage DrawTitlePicture()
{
    QImage image(kTitleWidth, kTitleHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    PaintSky(p);
    PaintFloodlight(p, 34, 34);
    PaintFloodlight(p, kTitleWidth - 34, 34);
    PaintStands(p);
    PaintPitch(p);
    PaintName(p);
    PaintBigBall(p);
    for (const int entry : {hsNewGame, hsLoadGame, hsEditor}) {
        PaintMenuPlate(p, TitleHotSpotRect(entry));
    }
    PaintQuit(p);
    PaintWebLink(p);
    p.setPen(QPen(kDeepGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kTitleWidth - 2, kTitleHeight - 2));
    p.end();
    return image;
}

}  // namespace tarvelon::art
