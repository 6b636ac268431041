#pragma once
// Small reads of a club's standing that the result rules share.
#include "core/season/calendar.h"
#include "core/tables.h"

namespace tarvelon {

// The club's place in its table of competition kind `kind`.
inline int TablePlace(const TClub& club, int kind) { return club.Place[kind]; }

inline bool InPlaces(int place, int first, int last) { return place >= first && place <= last; }

}  // namespace tarvelon
