#pragma once
// The small icons (18 x 22) of the season summary's lists: a gold cup for a champion, a silver cup
// for a runner-up, "3º" and "4º" for the next places, a golden boot for a top scorer. Names:
// "ic_ouro", "ic_prata", "ic_3o", "ic_4o", "ic_chuteira".
#include <QImage>

namespace tarvelon::art {

inline constexpr int kSummaryIconWidth = 18;
inline constexpr int kSummaryIconHeight = 22;

QImage DrawGoldCupIcon();
QImage DrawSilverCupIcon();
QImage DrawThirdPlaceIcon();
QImage DrawFourthPlaceIcon();
QImage DrawGoldenBootIcon();

}  // namespace tarvelon::art
