#pragma once
// Club crests: a shield in the club's two colours with a pattern and the initial of its town.
#include "tools/sampledata/image.h"

namespace tarvelon::sampledata {

inline constexpr int kCrestPatternCount = 8;
inline constexpr int kCrestWidth = 72;
inline constexpr int kCrestHeight = 84;
inline constexpr int kMiniCrestSize = 18;

struct CrestDesign {
    int backColor = 0;  // 0x00BBGGRR
    int textColor = 0;
    int pattern = 0;    // 0 .. kCrestPatternCount - 1
    char initial = 'A';
};

// Transparent outside the shield.
Image DrawCrest(const CrestDesign& design, int width, int height);

}  // namespace tarvelon::sampledata
