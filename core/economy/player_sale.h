#pragma once
// The human coach puts one of his players up for sale at a fixed price, and is told beforehand the
// rescission fine a player under contract carries.
#include <cstdint>
#include <string>

namespace tarvelon {

// The fine band shown for the player: "25% do valor total" by the days left on his contract
// (rounded), "" when the contract ends today or has ended.
std::string RescissionFineBand(int player);

// An amount in thousands of money units as the sale screen's edits take it: the whole units
// rounded, then divided by 1,000.
std::int64_t ThousandsOf(std::int64_t currency);

// Listed for sale at `price` whole units.
void ListPlayerForSale(int player, std::int64_t price);

}  // namespace tarvelon
