#include "platform/graphics/edges.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace tarvelon {

namespace {

struct EdgeColors {
    TColor topLeft;
    TColor bottomRight;
};

EdgeColors OuterColors(unsigned edge, unsigned flags)
{
    if (flags & BF_MONO)
        return {clWindowFrame, clWindowFrame};
    if (flags & BF_FLAT)
        return {clBtnShadow, clBtnShadow};
    if (edge & BDR_RAISEDOUTER)
        return {(flags & BF_SOFT) ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    return {(flags & BF_SOFT) ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
}

EdgeColors InnerColors(unsigned edge, unsigned flags)
{
    if (flags & (BF_MONO | BF_FLAT))
        return {clBtnFace, clBtnFace};
    if (edge & BDR_RAISEDINNER)
        return {(flags & BF_SOFT) ? cl3DLight : clBtnHighlight, clBtnShadow};
    return {(flags & BF_SOFT) ? clBtnShadow : cl3DDkShadow, cl3DLight};
}

// One 1-pixel ring on the chosen sides; the rectangle shrinks on those sides.
void DrawRing(QPainter& painter, TRect& rect, EdgeColors colors, unsigned sides)
{
    if (IsRectEmpty(rect))
        return;
    const QColor light = ToQColor(colors.topLeft), dark = ToQColor(colors.bottomRight);
    const int w = rect.Width(), h = rect.Height();
    if (sides & BF_TOP)
        painter.fillRect(QRect(rect.Left, rect.Top, w, 1), light);
    if (sides & BF_LEFT)
        painter.fillRect(QRect(rect.Left, rect.Top, 1, h), light);
    if (sides & BF_RIGHT)
        painter.fillRect(QRect(rect.Right - 1, rect.Top, 1, h), dark);
    if (sides & BF_BOTTOM)
        painter.fillRect(QRect(rect.Left, rect.Bottom - 1, w, 1), dark);
    rect.Left += (sides & BF_LEFT) ? 1 : 0;
    rect.Top += (sides & BF_TOP) ? 1 : 0;
    rect.Right -= (sides & BF_RIGHT) ? 1 : 0;
    rect.Bottom -= (sides & BF_BOTTOM) ? 1 : 0;
}

void Report(TCanvas& canvas)
{
    if (canvas.OnChange)
        canvas.OnChange();
}

TRect EdgeOn(QPainter& painter, const TRect& rect, unsigned edge, unsigned flags)
{
    TRect inside = rect;
    const unsigned sides = flags & BF_RECT;
    if (edge & BDR_OUTER)
        DrawRing(painter, inside, OuterColors(edge, flags), sides);
    if (edge & BDR_INNER)
        DrawRing(painter, inside, InnerColors(edge, flags), sides);
    if ((flags & BF_MIDDLE) && !IsRectEmpty(inside))
        painter.fillRect(ToQRect(inside), ToQColor((flags & BF_MONO) ? clWindow : clBtnFace));
    return inside;
}

// ---- glyphs

enum class Direction { Up, Down, Left, Right };

// An arrow of `size` rows (its base 2 * size - 1 pixels) centred in `box`.
void DrawArrow(QPainter& painter, const TRect& box, int size, Direction direction, const QColor& color)
{
    const int cx = box.Left + box.Width() / 2, cy = box.Top + box.Height() / 2;
    QPolygon triangle;
    switch (direction) {
    case Direction::Up:
        triangle << QPoint(cx, cy - size / 2) << QPoint(cx - size + 1, cy - size / 2 + size - 1)
                 << QPoint(cx + size - 1, cy - size / 2 + size - 1);
        break;
    case Direction::Down:
        triangle << QPoint(cx - size + 1, cy - size / 2) << QPoint(cx + size - 1, cy - size / 2)
                 << QPoint(cx, cy - size / 2 + size - 1);
        break;
    case Direction::Left:
        triangle << QPoint(cx - size / 2, cy) << QPoint(cx - size / 2 + size - 1, cy - size + 1)
                 << QPoint(cx - size / 2 + size - 1, cy + size - 1);
        break;
    case Direction::Right:
        triangle << QPoint(cx - size / 2, cy - size + 1) << QPoint(cx - size / 2, cy + size - 1)
                 << QPoint(cx - size / 2 + size - 1, cy);
        break;
    }
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawPolygon(triangle);
}

// Arrow rows for a button: 4 on a 17-pixel scroll button.
int ArrowSize(const TRect& button) { return std::max(2, std::min(button.Width(), button.Height()) / 4); }

// Draws a glyph in its colour, or as the classic engraved grey when inactive.
template <typename Glyph>
void DrawGlyph(QPainter& painter, unsigned state, Glyph glyph)
{
    if (state & DFCS_INACTIVE) {
        painter.save();
        painter.translate(1, 1);
        glyph(ToQColor(clBtnHighlight));
        painter.restore();
        glyph(ToQColor(clBtnShadow));
    } else {
        glyph(ToQColor(clBtnText));
    }
}

TRect ButtonFace(QPainter& painter, const TRect& rect, unsigned state)
{
    if (state & DFCS_FLAT)
        return EdgeOn(painter, rect, BDR_OUTER, BF_RECT | BF_FLAT | BF_MIDDLE);
    if (state & (DFCS_PUSHED | DFCS_CHECKED))
        return EdgeOn(painter, rect, EDGE_SUNKEN, BF_RECT | BF_SOFT | BF_MIDDLE);
    return EdgeOn(painter, rect, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
}

void DrawCheckBox(QPainter& painter, const TRect& rect, unsigned state)
{
    const int side = std::min(rect.Width(), rect.Height());
    const TRect box = Bounds(rect.Left, rect.Top + (rect.Height() - side) / 2, side, side);
    const bool pale = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    const TRect inside = EdgeOn(painter, box, EDGE_SUNKEN, BF_RECT);
    painter.fillRect(ToQRect(inside), ToQColor(pale ? clBtnFace : clWindow));
    if ((state & DFCS_CHECKED) == 0)
        return;
    const TColor mark = (state & DFCS_INACTIVE) ? clGrayText : (state & DFCS_BUTTON3STATE) ? clBtnShadow : clWindowText;
    // A tick three pixels thick, scaled to the box.
    const double unit = inside.Width() / 9.0;
    QPen pen(ToQColor(mark), std::max(1.0, unit * 1.6), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPointF origin(inside.Left, inside.Top);
    painter.drawPolyline(QPolygonF{origin + QPointF(1.5 * unit, 4.5 * unit), origin + QPointF(3.5 * unit, 6.5 * unit),
                                   origin + QPointF(7.5 * unit, 2.5 * unit)});
}

void DrawRadio(QPainter& painter, const TRect& rect, unsigned state)
{
    const int side = std::min(rect.Width(), rect.Height());
    const QRect box(rect.Left, rect.Top + (rect.Height() - side) / 2, side - 1, side - 1);
    const bool pale = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(pale ? clBtnFace : clWindow));
    painter.drawEllipse(box.adjusted(1, 1, -1, -1));
    painter.setBrush(Qt::NoBrush);
    auto ring = [&](const QRect& r, TColor topLeft, TColor bottomRight) {
        painter.setPen(ToQColor(topLeft));
        painter.drawArc(r, 45 * 16, 180 * 16);
        painter.setPen(ToQColor(bottomRight));
        painter.drawArc(r, 225 * 16, 180 * 16);
    };
    ring(box, clBtnShadow, clBtnHighlight);
    ring(box.adjusted(1, 1, -1, -1), cl3DDkShadow, cl3DLight);
    if (state & DFCS_CHECKED) {
        const int dot = std::max(2, side / 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor((state & DFCS_INACTIVE) ? clGrayText : clWindowText));
        painter.drawEllipse(QRectF(box.center().x() + 0.5 - dot / 2.0, box.center().y() + 0.5 - dot / 2.0, dot, dot));
    }
}

void DrawCaptionGlyph(QPainter& painter, const TRect& inside, unsigned which, const QColor& color)
{
    const int side = std::max(4, std::min(inside.Width(), inside.Height()) - 4);
    const QRect box(inside.Left + (inside.Width() - side) / 2, inside.Top + (inside.Height() - side) / 2, side, side);
    const int thick = std::max(1, side / 8);
    painter.setPen(QPen(color, thick + 0.5, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    switch (which) {
    case DFCS_CAPTIONCLOSE:
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
        break;
    case DFCS_CAPTIONMIN: painter.fillRect(QRect(box.left(), box.bottom() - thick, side / 2 + 1, thick + 1), color); break;
    case DFCS_CAPTIONMAX:
        painter.drawRect(box);
        painter.fillRect(QRect(box.left(), box.top(), side, thick + 1), color);
        break;
    case DFCS_CAPTIONRESTORE:
        painter.drawRect(box.adjusted(side / 3, 0, 0, -side / 3));
        painter.fillRect(QRect(box.left(), box.top() + side / 3, side - side / 3, side - side / 3), ToQColor(clBtnFace));
        painter.drawRect(box.adjusted(0, side / 3, -side / 3, 0));
        break;
    default: {
        QFont font = painter.font();
        font.setPixelSize(side + 2);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
    }
    }
}

void DrawSizeGrip(QPainter& painter, const TRect& rect)
{
    for (int i = 0; i < 3; ++i) {
        const int step = 4 * i + 2;
        painter.setPen(ToQColor(clBtnHighlight));
        painter.drawLine(rect.Right - 1 - step, rect.Bottom - 1, rect.Right - 1, rect.Bottom - 1 - step);
        painter.setPen(ToQColor(clBtnShadow));
        painter.drawLine(rect.Right - step, rect.Bottom - 1, rect.Right - 1, rect.Bottom - step);
        painter.drawLine(rect.Right - step + 1, rect.Bottom - 1, rect.Right - 1, rect.Bottom - step + 1);
    }
}

Direction ScrollDirection(unsigned which)
{
    switch (which) {
    case DFCS_SCROLLUP: return Direction::Up;
    case DFCS_SCROLLLEFT: return Direction::Left;
    case DFCS_SCROLLRIGHT: return Direction::Right;
    default: return Direction::Down;
    }
}

}  // namespace

bool DrawEdge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags)
{
    QPainter painter;
    if (!canvas.BeginPainter(painter))
        return false;
    const TRect inside = EdgeOn(painter, rect, edge, flags);
    painter.end();
    if (flags & BF_ADJUST)
        rect = inside;
    Report(canvas);
    return true;
}

bool DrawFrameControl(TCanvas& canvas, TRect& rect, unsigned kind, unsigned state)
{
    QPainter painter;
    if (IsRectEmpty(rect) || !canvas.BeginPainter(painter))
        return false;
    const unsigned which = state & 0xFF;
    TRect inside = rect;
    switch (kind) {
    case DFC_BUTTON:
        if (which & DFCS_BUTTONPUSH)
            inside = ButtonFace(painter, rect, state);
        else if (which & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK))
            DrawRadio(painter, rect, state);
        else
            DrawCheckBox(painter, rect, state);
        break;
    case DFC_SCROLL:
        if (which == DFCS_SCROLLSIZEGRIP) {
            painter.fillRect(ToQRect(rect), ToQColor(clBtnFace));
            DrawSizeGrip(painter, rect);
            break;
        }
        inside = ButtonFace(painter, rect, state);
        DrawGlyph(painter, state, [&](const QColor& color) {
            TRect box = inside;
            if (state & DFCS_PUSHED)
                OffsetRect(box, 1, 1);
            DrawArrow(painter, box, ArrowSize(rect), ScrollDirection(which), color);
        });
        break;
    case DFC_CAPTION:
        inside = ButtonFace(painter, rect, state);
        DrawGlyph(painter, state, [&](const QColor& color) { DrawCaptionGlyph(painter, inside, which, color); });
        break;
    case DFC_MENU:
        DrawGlyph(painter, state, [&](const QColor& color) { DrawArrow(painter, rect, ArrowSize(rect), Direction::Right, color); });
        break;
    default: return false;
    }
    painter.end();
    if (state & DFCS_ADJUSTRECT)
        rect = inside;
    Report(canvas);
    return true;
}

}  // namespace tarvelon
