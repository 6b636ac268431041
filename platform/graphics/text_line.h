#pragma once
// One line of text drawn the canvas's way: top-left at `origin`, in the canvas's text colour,
// over its background when the mode is OPAQUE, turned by the font's orientation.
#include <QPainter>
#include <QString>

#include "platform/graphics/canvas.h"

namespace tarvelon {

// `underlined`: index of one character to underline (the mnemonic), or -1.
void DrawTextLine(QPainter& painter, const TCanvas& canvas, TPoint origin, const QString& text,
                  int underlined = -1, bool fillBackground = true);

}  // namespace tarvelon
