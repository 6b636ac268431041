#include "platform/graphics/qt_convert.h"

namespace tarvelon {

QBrush ToQBrush(const TBrush& brush)
{
    if (!brush.Pattern().isNull() && brush.Style() != bsClear)
        return QBrush(brush.Pattern());
    const QColor color = ToQColor(brush.Color());
    switch (brush.Style()) {
    case bsSolid: return QBrush(color);
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    case bsFDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    }
    return QBrush(color);
}

QPen ToQPen(const TPen& pen, const QColor& color)
{
    Qt::PenStyle style = Qt::SolidLine;
    switch (pen.Style()) {
    case psDash: style = Qt::DashLine; break;
    case psDot: style = Qt::DotLine; break;
    case psDashDot: style = Qt::DashDotLine; break;
    case psDashDotDot: style = Qt::DashDotDotLine; break;
    case psClear: style = Qt::NoPen; break;
    default: break;
    }
    return QPen(color, pen.Width(), style, Qt::SquareCap, Qt::MiterJoin);
}

void ApplyTextBackground(QPainter& painter, int bkMode, TColor bkColor)
{
    painter.setBackgroundMode(bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setBackground(ToQColor(bkColor));
}

QPainter::CompositionMode CopyModeComposition(TCopyMode mode)
{
    switch (mode) {
    case cmSrcCopy: return QPainter::CompositionMode_Source;
    case cmSrcInvert: return QPainter::RasterOp_SourceXorDestination;
    case cmSrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case cmSrcPaint: return QPainter::RasterOp_SourceOrDestination;
    case cmDstInvert: return QPainter::RasterOp_NotDestination;
    case cmNotSrcCopy: return QPainter::RasterOp_NotSource;
    }
    return QPainter::CompositionMode_Source;
}

}  // namespace tarvelon
