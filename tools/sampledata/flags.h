#pragma once
// The national teams' symbols: the art kit's country flags, and the colours the national squad
// files take from them.
#include <utility>

#include "screens/common/art/flag_art.h"
#include "tools/sampledata/image.h"

namespace tarvelon::sampledata {

inline constexpr int kFlagWidth = 60;
inline constexpr int kFlagHeight = 40;

using art::DrawCountryFlag;

// The national team's background colour and text colour (0x00BBGGRR).
std::pair<int, int> FlagColours(int country);

}  // namespace tarvelon::sampledata
