#include "screens/matchday/report_pitch.h"

#include <QPainter>
#include <QPainterPath>

#include "core/records/match_records.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/color.h"

namespace tarvelon {

namespace {

// The board's slot pixels are laid out for a pitch 390 wide and 600 tall.
constexpr double kBoardWidth = 390.0;
constexpr double kBoardHeight = 600.0;
constexpr int kShirtSize = 55;

QColor QtColour(TColor colour) { return ToQColor(colour); }

void PaintPitch(QPainter& p, QRectF area)
{
    for (int stripe = 0; stripe < 10; ++stripe) {
        const QRectF band(area.left(), area.top() + area.height() * stripe / 10, area.width(), area.height() / 10 + 1);
        p.fillRect(band, stripe % 2 ? QColor(38, 120, 38) : QColor(44, 134, 44));
    }
    p.setPen(QPen(QColor(235, 235, 235), 2));
    p.setBrush(Qt::NoBrush);
    const QRectF field = area.adjusted(8, 8, -8, -8);
    p.drawRect(field);
    p.drawLine(QPointF(field.left(), field.center().y()), QPointF(field.right(), field.center().y()));
    p.drawEllipse(field.center(), field.width() * 0.14, field.width() * 0.14);
    const double boxW = field.width() * 0.56;
    const double boxH = field.height() * 0.14;
    p.drawRect(QRectF(field.center().x() - boxW / 2, field.top(), boxW, boxH));
    p.drawRect(QRectF(field.center().x() - boxW / 2, field.bottom() - boxH, boxW, boxH));
}

void PaintShirt(QPainter& p, QPointF centre, double size, QColor body, QColor trim)
{
    const double w = size * 0.62;
    const double h = size * 0.62;
    const double x = centre.x() - w / 2;
    const double y = centre.y() - h / 2;
    QPainterPath shirt;
    shirt.moveTo(x + w * 0.30, y);
    shirt.lineTo(x + w * 0.70, y);
    shirt.lineTo(x + w, y + h * 0.22);
    shirt.lineTo(x + w * 0.86, y + h * 0.42);
    shirt.lineTo(x + w * 0.78, y + h * 0.36);
    shirt.lineTo(x + w * 0.78, y + h);
    shirt.lineTo(x + w * 0.22, y + h);
    shirt.lineTo(x + w * 0.22, y + h * 0.36);
    shirt.lineTo(x + w * 0.14, y + h * 0.42);
    shirt.lineTo(x, y + h * 0.22);
    shirt.closeSubpath();
    p.setPen(QPen(trim, 1.5));
    p.setBrush(body);
    p.drawPath(shirt);
}

}  // namespace

TReportPitch::TReportPitch(TComponent* owner) : TCustomControl(owner) {}

void TReportPitch::ShowEleven(int report, int side)
{
    players_ = {};
    slots_ = {};
    if (report < 0 || report >= static_cast<int>(MatchReports.size()) || (side != 1 && side != 2))
        return;
    const TMatchReport& r = MatchReports[report];
    for (int k = 0; k < 11; ++k) {
        players_[static_cast<std::size_t>(k)] = r.startingEleven[side - 1][k];
        slots_[static_cast<std::size_t>(k)] = r.startingSlots[side - 1][k];
    }
    const int club = r.club[side - 1];
    const bool known = club >= 0 && club < static_cast<int>(Clubs.size());
    shirtColour_ = known ? Clubs[club].BackColor : clWhite;
    shirtText_ = known ? Clubs[club].TextColor : clBlack;
    Invalidate();
}

int TReportPitch::PlayerAtSlot(int slot) const
{
    for (std::size_t k = 0; k < 11; ++k)
        if (slots_[k] == slot && slot > 0)
            return players_[k];
    return 0;
}

TPoint TReportPitch::ShirtCentre(int slot) const
{
    if (slot < 1 || slot > PitchSlotCount)
        return {0, 0};
    const double sx = Width() / kBoardWidth;
    const double sy = Height() / kBoardHeight;
    return {static_cast<int>((PitchSlotX[slot] + kShirtSize / 2.0) * sx),
            static_cast<int>((PitchSlotY[slot] + kShirtSize / 2.0 - 8) * sy)};
}

void TReportPitch::Paint()
{
    QPainter p;
    if (!Canvas().BeginPainter(p))
        return;
    p.setRenderHint(QPainter::Antialiasing);
    PaintPitch(p, QRectF(0, 0, Width(), Height()));
    const double size = kShirtSize * std::min(Width() / kBoardWidth, Height() / kBoardHeight);
    QFont font("Arial");
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    for (std::size_t k = 0; k < 11; ++k) {
        if (slots_[k] <= 0)
            continue;
        const TPoint c = ShirtCentre(slots_[k]);
        const bool keeper = k == 10;
        PaintShirt(p, QPointF(c.X, c.Y), size, keeper ? QColor(230, 200, 0) : QtColour(shirtColour_), keeper ? QtColour(clBlack) : QtColour(shirtText_));
        const int player = players_[k];
        const std::string name = player > 0 && player < static_cast<int>(Players.size()) ? Players[player].Name.str() : "";
        const QRectF label(c.X - 50, c.Y + size * 0.32, 100, 14);
        p.setPen(QColor(0, 0, 0));
        p.drawText(label.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(name));
        p.setPen(QColor(255, 255, 255));
        p.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(name));
    }
}

}  // namespace tarvelon
