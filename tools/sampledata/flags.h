#pragma once
// The national teams' symbols: simple flags drawn from stripes and a few shapes in the country's
// colours, and the colours the national squad files take from them.
#include <utility>

#include "tools/sampledata/image.h"

namespace tarvelon::sampledata {

inline constexpr int kFlagWidth = 60;
inline constexpr int kFlagHeight = 40;

Image DrawFlag(int country, int width, int height);

// The national team's background colour and text colour (0x00BBGGRR).
std::pair<int, int> FlagColours(int country);

}  // namespace tarvelon::sampledata
