#pragma once
// The game's cursors, drawn at 32 x 32: the hand that points at menu entries, the hourglass of long
// work, "cursor5", the arrow with a ball that the title menu's labels show (cursor id 20), and
// "cursor0" .. "cursor3", the arrow carrying a team-sheet shirt (empty, starter, goalkeeper,
// substitute) while a shirt is dragged.
#include <string>

#include <QCursor>
#include <QImage>
#include <QPoint>

namespace tarvelon::art {

inline constexpr int kCursorSize = 32;
inline constexpr int kTitleLabelCursor = 20;  // the id the title screen gives "cursor5"

struct CursorArt {
    QImage image;   // ARGB, transparent around the shape
    QPoint hotSpot;
};

// "handpoint", "hourglass", "cursor0" .. "cursor3" or "cursor5"; a null image for another name.
CursorArt DrawCursor(const std::string& name);

// The cursor of that name (the arrow for an unknown name).
QCursor LoadCursorResource(const std::string& name);

// The hand-point and hourglass shapes of the screen's cursor table become the game's own.
void InstallGameCursors();

}  // namespace tarvelon::art
