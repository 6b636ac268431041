#include "platform/graphics/text_line.h"

#include <QFontMetrics>

namespace tarvelon {

void DrawTextLine(QPainter& painter, const TCanvas& canvas, TPoint origin, const QString& text,
                  int underlined, bool fillBackground)
{
    const QFont& font = canvas.QtFont();
    const QFontMetrics metrics(font);
    painter.save();
    painter.translate(origin.X, origin.Y);
    if (canvas.Font.Orientation() != 0)
        painter.rotate(-canvas.Font.Orientation() / 10.0);
    if (fillBackground && canvas.BkMode() == OPAQUE)
        painter.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()), ToQColor(canvas.BkColor()));
    painter.setFont(font);
    painter.setPen(ToQColor(canvas.TextColor()));
    painter.drawText(0, metrics.ascent(), text);
    if (underlined >= 0 && underlined < text.size()) {
        const int left = metrics.horizontalAdvance(text.left(underlined));
        const int width = metrics.horizontalAdvance(text.mid(underlined, 1));
        const int y = metrics.ascent() + std::max(1, metrics.underlinePos());
        painter.fillRect(QRect(left, y, width, std::max(1, metrics.lineWidth())), ToQColor(canvas.TextColor()));
    }
    painter.restore();
}

}  // namespace tarvelon
