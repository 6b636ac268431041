#pragma once
// The player auction's request from the sale screen: the auction of a human coach's own player at
// a start price. (AuctionPlayer is the calendar advance's, core/progression/calendar_advance.h.)
#include <cstdint>

namespace tarvelon {

extern std::int32_t AuctionStartPrice;      // the own player's start price, whole units
extern std::uint8_t OwnPlayerAuction;       // 1: the auction of a human coach's own player
extern std::uint8_t AuctionFromSaleScreen;  // 1: opened by the sale screen

}  // namespace tarvelon
