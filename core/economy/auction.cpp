#include "core/economy/auction.h"

namespace tarvelon {

std::int32_t AuctionStartPrice = 0;
std::uint8_t OwnPlayerAuction = 0;
std::uint8_t AuctionFromSaleScreen = 0;

}  // namespace tarvelon
