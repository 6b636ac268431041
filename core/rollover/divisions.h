#pragma once
// Promotion and relegation inside a league at the end of a season, and the two regional clubs that
// come up into its lowest division.
#include <array>
#include <cstdint>

namespace tarvelon {

// A regional club that may come up: its level and the random key that breaks level ties.
struct TPromotionCandidate {
    std::int32_t club;
    std::int32_t level;
    std::int32_t key;
};

// Higher level first; equal levels by the higher random key first.
int CompareClubsForPromotion(const TPromotionCandidate& a, const TPromotionCandidate& b);

// The two regional newcomers of a country (-1 where there is none): the best ten regional clubs
// by level, shuffled, first and second. Each newcomer gets full board confidence and support.
std::array<int, 2> DrawRegionalNewcomers(int country);

// The season's promotion and relegation of one league: the divisions are rebuilt from their final
// orders, the newcomers take the lowest division's last places, and coaches follow their clubs.
void RollOverDivisions(int league);

}  // namespace tarvelon
