#pragma once
// The trophies of the clubs' cabinets (80 x 110, transparent around them): a cup of gold or silver
// on a dark base, each competition its own shape and the base's band in the colours of its country
// or confederation. Names: "tr_mundial", "tr_lib", "tr_cl", "tr_sul", "tr_uefa", "tr_nacbra",
// "tr_naceng", "tr_nacita", "tr_nacesp", "tr_nacgen", "tr_copabra", "tr_copaeng", "tr_copaita",
// "tr_copaesp", "tr_copagen", "tr_estadual".
#include <QImage>

namespace tarvelon::art {

inline constexpr int kTrophyWidth = 80;
inline constexpr int kTrophyHeight = 110;

enum class TrophyShape { Cup, Tall, Globe, Plate };

struct TrophyStyle {
    TrophyShape shape;
    unsigned metal;  // 0xRRGGBB
    unsigned band;   // 0xRRGGBB, the base's band
};

QImage DrawTrophy(const TrophyStyle& style);

// One drawing per picture of the table (art_kit.cpp), by its index in kTrophyStyles.
template <int N>
QImage DrawTrophyPicture();

}  // namespace tarvelon::art
