#pragma once
// Flags drawn from stripes and a few shapes (discs, diamonds, crosses, cantons) in each country's or
// Brazilian state's colours: the national symbols of the sample database and the flag lists of the
// title screen.
#include <vector>

#include "screens/common/art/raster.h"

namespace tarvelon::art {

// Country ids 0..201 are countries; 202 is the custom championship and 203 the international flag.
inline constexpr int kCustomFlag = 202;
inline constexpr int kInternationalFlag = 203;
inline constexpr int kCountryFlagCount = 204;
inline constexpr int kStateFlagCount = 27;

Image DrawCountryFlag(int country, int width, int height);

// The flag's colours (0x00BBGGRR): its stripes from the top or left, then its shapes.
std::vector<int> CountryFlagColours(int country);

// A Brazilian state's flag, state index 0..26 (AC .. TO).
Image DrawStateFlag(int state, int width, int height);

}  // namespace tarvelon::art
