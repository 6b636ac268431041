#pragma once
// Layered windows (per-pixel alpha) where the window system cannot blend them. Without a
// compositing window manager (a bare X11 server) the half-transparent pixels of such a window show
// black; the window then shows itself opaque, laid over a copy of the game's windows behind it.
#include <QPainter>
#include <QWidget>
#include <vector>

namespace tarvelon {

// Whether the window system blends translucent windows over what is behind them: always on Wayland,
// Windows and macOS; on X11 only while a compositing manager runs; never on the off-screen platforms.
bool WindowSystemShowsTranslucency();

// Paints, under what `painter` draws next on `window`, the windows of `behind` (farthest first) as
// they stand on the screen beneath it. Whatever `behind` does not cover is black.
void PaintWindowsBehind(QPainter& painter, const QWidget& window, const std::vector<QWidget*>& behind);

}  // namespace tarvelon
