#include "platform/graphics/raster_ops.h"

namespace tarvelon {

QRgb ApplyPenMode(TPenMode mode, QRgb pen, QRgb dest)
{
    const QRgb p = pen & 0xFFFFFF;
    const QRgb d = dest & 0xFFFFFF;
    QRgb result = d;
    switch (mode) {
    case pmBlack: result = 0; break;
    case pmWhite: result = 0xFFFFFF; break;
    case pmNop: result = d; break;
    case pmNot: result = ~d; break;
    case pmCopy: result = p; break;
    case pmNotCopy: result = ~p; break;
    case pmMergePenNot: result = p | ~d; break;
    case pmMaskPenNot: result = p & ~d; break;
    case pmMergeNotPen: result = ~p | d; break;
    case pmMaskNotPen: result = ~p & d; break;
    case pmMerge: result = p | d; break;
    case pmNotMerge: result = ~(p | d); break;
    case pmMask: result = p & d; break;
    case pmNotMask: result = ~(p & d); break;
    case pmXor: result = p ^ d; break;
    case pmNotXor: result = ~(p ^ d); break;
    }
    return (result & 0xFFFFFF) | 0xFF000000;
}

bool SetPainterPenMode(QPainter& painter, TPenMode mode, QColor& color)
{
    using C = QPainter::CompositionMode;
    C composition = QPainter::CompositionMode_SourceOver;
    switch (mode) {
    case pmNop: return false;
    case pmBlack: color = Qt::black; break;
    case pmWhite: color = Qt::white; break;
    case pmCopy: break;
    case pmNotCopy: composition = C::RasterOp_NotSource; break;
    case pmNot: composition = C::RasterOp_NotDestination; break;
    case pmMergePenNot: composition = C::RasterOp_SourceOrNotDestination; break;
    case pmMaskPenNot: composition = C::RasterOp_SourceAndNotDestination; break;
    case pmMergeNotPen: composition = C::RasterOp_NotSourceOrDestination; break;
    case pmMaskNotPen: composition = C::RasterOp_NotSourceAndDestination; break;
    case pmMerge: composition = C::RasterOp_SourceOrDestination; break;
    case pmNotMerge: composition = C::RasterOp_NotSourceAndNotDestination; break;
    case pmMask: composition = C::RasterOp_SourceAndDestination; break;
    case pmNotMask: composition = C::RasterOp_NotSourceOrNotDestination; break;
    case pmXor: composition = C::RasterOp_SourceXorDestination; break;
    case pmNotXor: composition = C::RasterOp_NotSourceXorDestination; break;
    }
    painter.setCompositionMode(composition);
    return true;
}

}  // namespace tarvelon
