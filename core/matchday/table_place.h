#pragma once
// Small reads of a club's standing that the result rules share.
#include "core/tables.h"

namespace tarvelon {

inline constexpr int kLeagueFormatTwenty = 2;  // divisions of 20 clubs
inline constexpr int kLeagueFormatTen = 4;     // divisions of 10 clubs

// The club's place in its table of competition kind `kind`.
inline int TablePlace(const TClub& club, int kind) { return club.Place[kind]; }

inline bool InPlaces(int place, int first, int last) { return place >= first && place <= last; }

}  // namespace tarvelon
