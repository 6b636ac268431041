#pragma once
// The title picture (561 x 377): a floodlit stadium at night with the game's name, a ball, and the
// picture menu drawn at its hot spots. The title screen shows it and answers clicks on the same spots.
#include <array>

#include <QImage>

#include "platform/graphics/geometry.h"

namespace tarvelon::art {

inline constexpr int kTitleWidth = 561;
inline constexpr int kTitleHeight = 377;

// The menu entries of the picture, numbered as the title screen tests them (1 first).
enum TitleHotSpot { hsNewGame = 1, hsLoadGame, hsEditor, hsQuit, hsWebPage };

// Client pixels (left, top, right, bottom) of entries 1..5, in that order.
inline constexpr std::array<TRect, 5> kTitleHotSpots = {{
    {51, 154, 225, 181},
    {51, 187, 225, 220},
    {51, 225, 225, 258},
    {489, 347, 548, 363},
    {64, 330, 203, 345},
}};

// The spot of entry n (1..5).
constexpr const TRect& TitleHotSpotRect(int n) { return kTitleHotSpots[static_cast<std::size_t>(n - 1)]; }

// The three upper entries are plates that the title screen writes its menu labels on; the quit and
// web-page entries carry their own words ("Sair", "Página do Tarvelon").
QImage DrawTitlePicture();

}  // namespace tarvelon::art
