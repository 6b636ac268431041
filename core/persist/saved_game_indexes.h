#pragma once
// What a saved game's numbers point at: every index it holds into one of its tables lies in that
// table, or is the value the game writes for "none" (-1, or any negative club of a player without
// one). A file that points outside a table (a day kind no calendar has, a human club or a player's
// club beyond the clubs, a fixture, a competition or a message naming what is not there) would open
// an empty hub, an empty roster or an empty matchday, or read beyond a table; the loader refuses it
// as damaged.
#include "core/persist/saved_game_blocks.h"

namespace tarvelon {

// The first index of `image` that points outside its table, named for a test's message; nullptr
// when every index lies in its table.
const char* SavedIndexOutsideItsTable(const SavedGameImage& image);

inline bool SavedIndexesInTables(const SavedGameImage& image) { return SavedIndexOutsideItsTable(image) == nullptr; }

}  // namespace tarvelon
