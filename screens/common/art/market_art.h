#pragma once
// The transfer market's listing marks (16 x 16): 0 a player for sale, 1 nothing, 2 a player
// offered for loan.
namespace tarvelon {
class TImageList;
}

namespace tarvelon::art {

inline constexpr int kListedForSaleImage = 0;
inline constexpr int kNotListedImage = 1;
inline constexpr int kOfferedForLoanImage = 2;
void FillListingImages(TImageList& list);

}  // namespace tarvelon::art
