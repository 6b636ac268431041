#pragma once
// The hub's top bar "nova_barra" (800 x 66): a dark band with the eleven click spots of the hub's
// menus and screens, each drawn as a glossy tile with its short name. The tiles are all of one size,
// centred on their spots, and their names all of one font that fits the narrowest tile.
#include <array>

#include <QImage>
#include <QRect>

namespace tarvelon::art {

inline constexpr int kHubBarWidth = 800;
inline constexpr int kHubBarHeight = 66;

struct HubBarSpot {
    int left, right, top, bottom;  // inclusive pixel ranges on the bar
    const char* hint;
    const char* label;
};

inline constexpr int kHubBarSpotCount = 11;
extern const std::array<HubBarSpot, kHubBarSpotCount> kHubBarSpots;

// The tile drawn for a spot, in the bar's pixels (only the spot inside it takes clicks).
QRect HubBarTile(const HubBarSpot& spot);

QImage DrawHubTopBar();

// 24 x 24 icons of the hub: the head-to-head record, the referee of the match, a player's career.
QImage DrawHeadToHeadIcon();
QImage DrawRefereeIcon();
QImage DrawCareerIcon();

// 16 x 16: a stack of gold coins, the club's money.
QImage DrawCoinsIcon();

}  // namespace tarvelon::art
